#pragma once
// What chance gives the dynamic ambata. Its cases overlap: a case at draw k and one at k + 3
// read and play the same draws, so their outcomes are not independent and a binomial model
// understates the spread (and the best of MIGLIORI's 55 references). The figures come instead
// from the same plays on archives of random draws: the cases stay where they are, the spy in its
// place, and every other number the plays read or test is drawn at random on the wheels that were
// drawn then. The seed is fixed, so the figures repeat.

#include "core/probabilita.h"
#include "methods/ambata/ambata_dinamica.h"

#include <vector>

namespace strovel {

/// Random archives tried for the summary's comparison and for MIGLIORI.
inline constexpr int SimulazioniAmbata = 400;
inline constexpr int SimulazioniMigliori = 200;

/// What the random archives gave: per archive, the positives of the same plays and, with
/// `rigaMigliori` (from 1), MIGLIORI's top count on that reference row.
struct SimulazioneAmbata {
    std::vector<int> positivi;
    std::vector<int> migliori;
};
SimulazioneAmbata SimulaAmbata(const Archivio& a, const ParametriAmbata& p,
                               const std::vector<Caso>& casi, int simulazioni,
                               int rigaMigliori = 0);

/// The cases' positives beside chance: the expected positives exactly (each case an ambata on
/// the play wheels drawn in its colpi). Their tail is exact when the cases' draws never meet;
/// when they overlap it is the share of random archives with at least as many positives.
Confronto ConfrontaAmbata(const Archivio& a, const ParametriAmbata& p,
                          const std::vector<Caso>& casi, const GiocateAmbata& g);

/// MIGLIORI on reference row `riga` against chance: the mean top count of the 55 references on
/// the random archives, and how often that top reaches `primo`.
struct MiglioriACaso {
    double atteso = 0;
    double probabilita = 0;
};
MiglioriACaso MiglioriPerCaso(const Archivio& a, const ParametriAmbata& p,
                              const std::vector<Caso>& casi, int riga, int primo);

} // namespace strovel

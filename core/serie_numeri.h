#pragma once
// The series the charts draw: the delay of a number draw by draw over a range, and how often
// every number came out over a range.

#include <array>
#include <vector>

namespace strovel {

class Archivio;

/// The delay of a number at one draw.
struct PuntoRitardo {
    int estrazione = 0;
    int ritardo = 0; ///< draws since it last came out on a chosen wheel (0: out in this draw)
    friend bool operator==(const PuntoRitardo&, const PuntoRitardo&) = default;
};

/// How often a number or an ambo came out in one cycle.
struct PresenzaCiclo {
    int ciclo = 0;  ///< 1 = most recent
    int inizio = 0; ///< the cycle's first draw
    int presenze = 0;
    friend bool operator==(const PresenzaCiclo&, const PresenzaCiclo&) = default;
};

/// For every draw from `inizio` to `fine`: the delay of `numero` on the chosen wheels, counted
/// from the first draw of the archive (a number not yet out has the draws since the first one).
std::vector<PuntoRitardo> StoriaRitardo(const Archivio& a, int numero,
                                        const std::array<bool, 11>& ruote, int inizio, int fine);

/// How many times each number (index 1..90) came out from `inizio` to `fine` on the chosen
/// wheels and positions.
std::array<int, 91> Frequenze(const Archivio& a, const std::array<bool, 11>& ruote,
                              const std::array<bool, 5>& posizioni, int inizio, int fine);

} // namespace strovel

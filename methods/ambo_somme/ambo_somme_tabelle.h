#pragma once
// The grids of the ambo by sums and differences: the cases with their plays (Fg1) and the
// summary of a version (FgX).

#include "core/tabella.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"

#include <vector>

namespace strovel {

class Archivio;

inline constexpr const char* IntestazioneCasiSomme =
    "     |N° Estr|Data Estraz  |DEP |Inizio |Fine  |Fine A|r1|R1 |1|2|3|4|5|N° Estr|Data Estraz  "
    "|r2|R2 |1|2 |3|4|5|A1|A2|B1|B2||Colpo|Ambata|Ambi|3 +4 ";
inline constexpr int ColonnaDep = 3;
inline constexpr int ColonnaFineA = 6;
inline constexpr int ColonnaR1 = 9;  ///< first of R1's five numbers
inline constexpr int ColonnaR2 = 18; ///< first of R2's five numbers
inline constexpr int ColonnaA1 = 23;
inline constexpr int ColonnaColpoSomme = 28;

inline constexpr Colore ColoreAmbo{128, 255, 255};       ///< the ambo on both wheels
inline constexpr Colore ColoreDerivati{255, 255, 192};   ///< A1, A2, B1, B2
inline constexpr Colore ColoreNonGiocato{160, 160, 160}; ///< A2 in versions 1

/// One row per case, most recent first. "DEP" is the draws from the next older case (empty for
/// the oldest); with `tuttiINumeri` false the wheels show only the ambo's two numbers.
Tabella TabellaCasiSomme(const Archivio& a, const std::vector<CasoAmbo>& casi,
                         const std::vector<EsitoAmbo>& esiti, const OpzioniGiocoAmbo& o,
                         bool tuttiINumeri);

inline constexpr const char* IntestazioneRiepilogoSomme = "Esito|Casi|Percentuale";
/// Rows "Ambate", "Ambi", "Ambi in 4" / "Ambi in 3", "Terni in 4" / "Terni", "Quaterne"
/// (versions 2), "Positivi", "Negativi", "In corso", each with its share of the cases.
Tabella TabellaRiepilogoSomme(const RiepilogoAmbo& r, VersioneAmbo v);

/// The text of an outcome cell: each wheel's code, " - " and its numbers, wheels apart by "  ".
std::string TestoVincite(const std::vector<VincitaAmbo>& vincite);

} // namespace strovel

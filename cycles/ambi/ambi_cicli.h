#pragma once
// The ambo cycle module's computation: consecutive cycles of D draws back from a reference
// draw, the cycles in which each ambo of a chosen set of numbers came out, the groups of two
// or three ambi that cover most cycles and the commands built on them. No widgets.

#include "core/lista_valori.h"
#include "core/progresso.h"
#include "core/serie_numeri.h"
#include "core/tabella.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

namespace liste_ambi_cicli {
inline constexpr ListaValori Cicli{1, 100, 1, 15, "cicli", "N° Cicli", "C"};
inline constexpr ListaValori Durata{1, 60, 1, 18, "durata", "Durata", "D"};
inline constexpr ListaValori Classe{0, 9, 1, 0}; ///< Combo1
} // namespace liste_ambi_cicli

/// The chosen numbers: scelti[n] for n = 1..90.
using NumeriScelti = std::array<bool, 91>;

struct ParametriAmbiCicli {
    int riferimento = 0;
    int cicli = liste_ambi_cicli::Cicli.predefinito;
    int durata = liste_ambi_cicli::Durata.predefinito;
    std::array<bool, 11> ruote{};
};

/// A cycle: the draws inizio .. fine.
struct CicloAmbi {
    int numero = 0; ///< 1 = most recent
    int inizio = 0;
    int fine = 0;
    friend bool operator==(const CicloAmbi&, const CicloAmbi&) = default;
};
/// Consecutive blocks of D draws back from ref, at most C; a block that would start before
/// draw 1 is not laid, nor any older one.
std::vector<CicloAmbi> CicliConsecutivi(int riferimento, int cicli, int durata);

/// One row of the ambo grid.
struct AmboNeiCicli {
    int n1 = 0, n2 = 0;
    int cc = 0;                      ///< cycles with the ambo out at least once
    int np = 0;                      ///< times out in all cycles
    std::vector<std::int16_t> volte; ///< per requested cycle (missing cycles 0)
    int ruota = -1; ///< the wheel the row counts alone, or -1 for all selected wheels
    int ordine = 0; ///< the row's number as laid (column 0), kept when rows are sorted
    /// Bit c - 1: the ambo came out in cycle c.
    std::array<std::uint64_t, 2> Copertura() const;
};

struct ElaborazioneAmbi {
    ParametriAmbiCicli parametri;
    std::vector<CicloAmbi> cicli;
    std::vector<AmboNeiCicli> ambi;
};

/// The ambi of `ambi` (pairs n1 < n2, in the order given) counted over the cycles: an ambo
/// that comes out on a selected wheel in a draw counts 1 for that draw and wheel. With
/// `perRuota` each ambo gives one row per selected wheel, counted on that wheel alone.
ElaborazioneAmbi ContaAmbi(const Archivio& a, const ParametriAmbiCicli& p,
                           const std::vector<std::pair<int, int>>& ambi, bool perRuota = false,
                           const Progresso& progresso = {});
/// How many times the ambo of row `riga` came out in each cycle laid, most recent first; empty
/// for a row that does not exist.
std::vector<PresenzaCiclo> PresenzeNeiCicli(const ElaborazioneAmbi& e, int riga);
/// Every ambo of the chosen numbers, increasing N1 then N2.
std::vector<std::pair<int, int>> AmbiDi(const NumeriScelti& scelti);
/// The ambi of a number of the first list with a different number of the second, N1 < N2, each
/// once, increasing.
std::vector<std::pair<int, int>> AmbiFraElenchi(const NumeriScelti& primo,
                                                const NumeriScelti& secondo);
/// "Ordine decrescente": by CC descending, equal rows keeping their order.
void OrdinaPerCC(std::vector<AmboNeiCicli>& ambi);

/// The numbers of a class: "D" decade, "C" cadenza, "F" figura, value 0..9.
NumeriScelti Formazione(char tipo, int valore);

// --- Groups of ambi by coverage -----------------------------------------------------------------

/// A group of two or three rows of the ambo grid and the cycles it covers.
struct GruppoAmbi {
    std::array<int, 3> righe{-1, -1, -1}; ///< 0-based rows; -1 unused
    int cc = 0;
};
inline constexpr int RigheGruppi = 200;
/// The rows of the ambo grid the groups are made of: the first 150 for pairs, 60 for triples.
constexpr int LimiteGruppi(int membri) {
    return membri == 2 ? 150 : 60;
}
/// "Elabora 2 ambi" (membri 2) and "Elabora 3 ambi" (membri 3) over the first L rows (150 for
/// pairs, 60 for triples): the 200 groups covering most cycles. A group enters when it covers
/// at least as many cycles as the last row, replacing it, and the list is re-sorted by CC
/// descending with a stable sort; so among ties at the cut-off the one met last stays. Unfilled
/// rows are empty (no group).
/// The cycles the best group covers (0 without a group).
int PrimoGruppo(const std::vector<std::optional<GruppoAmbi>>& gruppi);
std::vector<std::optional<GruppoAmbi>> MiglioriGruppi(const std::vector<AmboNeiCicli>& ambi,
                                                      int membri, const Progresso& progresso = {});
/// "CERCA MIGLIORI COPERTURE": ambi taken one at a time, each the row that covers most cycles
/// not yet covered (the first such row on ties), until every cycle with an ambo is covered.
/// Each step gives the row and the cycles covered so far.
std::vector<std::pair<int, int>> MiglioriCoperture(const std::vector<AmboNeiCicli>& ambi);

// --- Highlighting, capogioco ---------------------------------------------------------------------

/// "Evidenzia ultime negative" on the ambo grid: the ambo did not come out in any of the n most
/// recent cycles, the oldest laid cycle never counted; so n must be below the cycles laid.
bool UltimeNegative(const AmboNeiCicli& ambo, int n, int cicliPosati);

struct Capogioco {
    int numero = 0;
    int ambi = 0; ///< how many of the ambi hold it
    int cc = 0;   ///< cycles in which it came out on a selected wheel
    int np = 0;   ///< times
};
/// Every number of the ambi, by ambi holding it, then CC, descending (then increasing number).
std::vector<Capogioco> Capigioco(const Archivio& a, const ElaborazioneAmbi& e);

// --- Grids ---------------------------------------------------------------------------------------

inline constexpr const char* IntestazioneCicliAmbi = "  |NC|Inizio|DataINizio|Fine|DataFine";
inline constexpr const char* IntestazioneAmbiCicli = "  |N1 |N2 |CC|NP|";
inline constexpr const char* IntestazioneGruppiAmbi = "  |N1 |N2 |N3 |N4 |N5 |N6 |CC   ";
inline constexpr const char* IntestazioneCapogioco = "Num|Ambi|CC|NP";
inline constexpr const char* IntestazioneRuoteAmbo = "Prog|N° Est|Data Estrazione|";

/// Fg2 and Fg5.
Tabella TabellaCicliAmbi(const Archivio& a, const std::vector<CicloAmbi>& cicli);
/// Fg1: with one column per requested cycle, titled 1..C; Fg3 without them (the last column
/// holds the wheel of a row counted on one wheel).
Tabella TabellaAmbiCicli(const ElaborazioneAmbi& e, bool conCicli);
/// FG9 and Fg6.
Tabella TabellaGruppi(const std::vector<AmboNeiCicli>& ambi,
                      const std::vector<std::optional<GruppoAmbi>>& gruppi);
Tabella TabellaCoperture(const std::vector<AmboNeiCicli>& ambi,
                         const std::vector<std::pair<int, int>>& passi);
Tabella TabellaCapigioco(const std::vector<Capogioco>& capi);
/// FgRuote: the draws of the cycles in which ambo `riga` came out, with the wheels.
Tabella TabellaUsciteAmbo(const Archivio& a, const ElaborazioneAmbi& e, int riga);

} // namespace strovel

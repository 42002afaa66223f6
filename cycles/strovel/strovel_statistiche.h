#pragma once
// The Strovel module's commands after a run: statistics of a formula, pairs, summaries, the
// verification of quartine, delays and recent presences. Each returns what its grid shows.

#include "core/presenze.h"
#include "core/quartina.h"
#include "core/tabella.h"
#include "cycles/strovel/strovel.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

// --- "STATISTICA" -----------------------------------------------------------------------------

/// The outcome of one formula in one cycle: a row of Fg1. A cycle is positive, as for P2, when
/// in one draw of its play window the ambata comes out, or two members of the quartina
/// (ambata, AB1, AB2, ABQ) do; the outcome draw is the first such draw.
struct EsitoCiclo {
    Ciclo ciclo;
    int ruota = 0;
    std::array<int, 4> numeri{}; ///< this cycle's ambata, then AB1, AB2, ABQ of the formula
    bool positivo = false;
    int colpo = 0;                ///< 1.. within the play window; 0 when negative
    int estrazione = 0;           ///< the outcome draw; 0 when negative
    bool ambata = false;          ///< the ambata came out in the outcome draw
    bool ambo1 = false;           ///< ambata and AB1 together
    bool ambo2 = false;           ///< ambata and AB2 together
    int quartina = 0;             ///< members of the quartina out together, when 2 or more
    std::array<bool, 4> usciti{}; ///< which of the four numbers came out in that draw
};

std::vector<EsitoCiclo> StatisticaFormula(const Archivio& a, const ParametriStrovel& p,
                                          const std::vector<Ciclo>& cicli, const RigaFormula& r);

inline constexpr const char* IntestazioneStatistica =
    "  |N° C|Inizio |Data inizio    |Colpo|Ruota|1   |2   |3   |4   |Ambata|Ambo 1|Ambo 2|"
    "Quartina             ";
/// Fg1 (and Fg2): one row per cycle, most recent first; a negative cycle has its "N° C" cell
/// on ColoreRossoChiaro.
Tabella TabellaStatistica(const Archivio& a, const std::vector<EsitoCiclo>& esiti);
/// FgSt1: "N° Cicli" (the parameter), "Positivi", "Negativi" (among the cycles laid), each
/// with its percentage of the "N° Cicli" value ("#.0").
Tabella TabellaRiepilogoStatistica(const std::vector<EsitoCiclo>& esiti, int cicliParametro);
/// "Evidenzia ultime negative": rows 1..n of Fg1 all negative, the grid's last row never
/// counted.
bool UltimeNegative(const std::vector<EsitoCiclo>& esiti, int n);

// --- "ACCOPPIAMENTI", "ELENCO ACORPATO", "RIEPILOGO" ------------------------------------------

struct Accoppiamento {
    int i = 0, j = 0; ///< rows of the formula list (1-based)
    int presenti = 0; ///< "Pre": cycles where the two are not both negative
    int ambata = 0;   ///< "A": cycles where at least one gives an ambata
    int ambo = 0;     ///< "2": cycles where at least one gives an ambo (AB1 or AB2)
    int quartina = 0; ///< "Q": cycles where at least one gives two or more of its quartina
};
std::vector<Accoppiamento> Accoppiamenti(const Archivio& a, const ParametriStrovel& p,
                                         const std::vector<Ciclo>& cicli,
                                         const std::vector<RigaFormula>& righe,
                                         const Progresso& progresso = {});
inline constexpr const char* IntestazioneAccoppiamenti = " |1   |2   |Pre |A   |2   |Q   ";
Tabella TabellaAccoppiamenti(const std::vector<Accoppiamento>& coppie);

inline constexpr const char* IntestazioneAccorpato =
    "  |N° C|Inizio   |Data inizio       |Colpo|Ruota|1        |2        |3        |4        |"
    "Ambata|Ambo 1        |Ambo 2         |Quartina                              |Rif";
/// Fg9: for every cycle, the row of formula i then the row of formula j; "Rif" = the row of
/// the formula list it comes from.
Tabella ElencoAccorpato(const Archivio& a, const std::vector<EsitoCiclo>& esitiI, int rifI,
                        const std::vector<EsitoCiclo>& esitiJ, int rifJ);

/// fG7 of one formula: "1" ambata outcomes, "2" ambo outcomes, "Q-2", "Q-3", "Q-4" outcomes
/// with exactly 2, 3, 4 members of the quartina together, "Cicli" laid, "Pos", "Neg"; the
/// percentage of the cycles laid ("##0.0").
Tabella Riepilogo(const std::vector<EsitoCiclo>& esiti);

// --- "Evidenzia" ------------------------------------------------------------------------------

/// FgTr: how the formula computes its ambata on draw `estrazione`.
Tabella Evidenzia(const Archivio& a, const FormulaStrovel& f, int estrazione);

// --- Quartine to verify: "Sposta numero", "VERIFICA", "VERIFICA 2" ----------------------------

inline constexpr int MassimoQuartine = 10;
/// "Sposta numero": adds the formula row's forecast; false when the list is full (10 rows),
/// the row holds no formula or the same quartina on the same wheel is already there.
bool AggiungiQuartina(std::vector<Quartina>& quartine, const RigaFormula& r);
inline constexpr const char* IntestazioneQuartine = "  |N1|N2|N3|N4|Ruota|RR";
Tabella TabellaQuartine(const std::vector<Quartina>& quartine);

inline constexpr const char* IntestazioneVerifica =
    "N°P|Colpo|N° Est|Data Estraz   |Ruota|1|2|3|4|5";
/// A play to verify after the reference: a row of FgUU whenever at least `soglia` positions of
/// its wheel hold one of its numbers.
struct GiocataDopo {
    std::string etichetta; ///< the "N°P" text
    Insieme90 numeri;
    int ruota = 0;
    int soglia = 1;
};
/// The draws ref + 1 .. ref + colpi that exist, each play in order; counted numbers on
/// ColoreArancio.
Tabella VerificaDopo(const Archivio& a, int riferimento, int colpi,
                     const std::vector<GiocataDopo>& giocate);
/// "VERIFICA": every draw after ref (up to ref + colpi, as long as it exists) in which a
/// counted number of a quartina comes out on its wheel, one row per quartina.
Tabella VerificaQuartine(const Archivio& a, int riferimento, int colpi,
                         const std::vector<Quartina>& quartine, const SceltaVerifica& scelta);
/// "VERIFICA 2": the draws after ref where a first number (N1) of the quartine comes out on
/// the first quartina's wheel.
Tabella VerificaPrimiNumeri(const Archivio& a, int riferimento, int colpi,
                            const std::vector<Quartina>& quartine);

// --- "RITARDI", "ULTIMI 5 RITARDI" ------------------------------------------------------------

inline constexpr const char* IntestazioneRitardi = " |Ruota|Rit  |Qu ";
/// FgRit: formulas by the current delay of their ambata (0..400; larger delays are left out)
/// and play wheel.
Tabella TallyRitardi(const std::vector<RigaFormula>& righe);
/// The same tally of (delay, wheel) pairs; negative delays and delays above 400 are left out.
Tabella TallyRitardi(const std::vector<std::pair<int, int>>& ritardiRuote);

inline constexpr const char* IntestazioneUltimiRitardi = "N° |1|2|3|4|5|Media|NE    |IC";
/// Fg5R: the last five delays of every number up to ref on the wheels `ruote`.
Tabella UltimiCinqueRitardi(const Archivio& a, int riferimento, const std::array<bool, 11>& ruote);

// --- "ULTIME PRESENZE" and the ambata filter ---------------------------------------------------

/// Presences of every number on every wheel in the draws ref - retro .. ref.
inline constexpr const char* IntestazionePresenze = "Num|BA|CA|FI|GE|MI|NA|PA|RO|TO|VE|NZ";
/// FgPres: the numbers that came out, with their count on each wheel.
Tabella TabellaPresenze(const Presenze& presenze);
/// The "UP" column: backgrounds back to white, then the presences of every row's ambata on
/// its play wheel.
void SegnaPresenze(std::vector<RigaFormula>& righe, const Presenze& presenze);
/// The colour of an "UP" cell: 1, 2, 3, more than 3 presences.
Colore ColorePresenze(int presenze);
/// The ambata filter: FgPres reduced to the numbers that are the current ambata of a listed
/// formula, the cells of the wheels they are played on marked.
Tabella FiltraAmbate(const Presenze& presenze, const std::vector<RigaFormula>& righe);

} // namespace strovel

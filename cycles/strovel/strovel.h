#pragma once
// The Strovel cycle module's computation: cycles laid back from a reference draw, the ambata
// formula search and the per-formula results. No widgets: windows and the command line
// render the results.

#include "core/aritmetica.h"
#include "core/lista_valori.h"
#include "core/progresso.h"
#include "cycles/cicli.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace strovel {

class Archivio;

/// The parameter lists of the Strovel window, shared with the command line.
namespace liste_strovel {
inline constexpr ListaValori Cicli{1, 50, 1, 15, "cicli", "N° Cicli", "C"}; ///< Combo_Cicli
inline constexpr ListaValori Durata{1, 60, 1, 18, "durata", "Durata", "D"}; ///< Combo_Durata
inline constexpr ListaValori Considera{1, 100, 1, 18, "considera", "Considera", "K"};
inline constexpr ListaValori Salto{0, 18, 1, 0, "salto", "Salto", "S"};
inline constexpr ListaValori Colpi{1, 18, 1, 9, "colpi", "Colpi", "N"};
inline constexpr ListaValori Elenco{20, 100, 10, 30, "elenco", "Elenco", "E"};
inline constexpr ListaValori Retro{0, 20, 1, 10, "retro", "Retro", "R"};
} // namespace liste_strovel

struct ParametriStrovel {
    int riferimento = 0;                                  ///< ref: the most recent draw reached
    int cicli = liste_strovel::Cicli.predefinito;         ///< C
    int durata = liste_strovel::Durata.predefinito;       ///< D
    int considera = liste_strovel::Considera.predefinito; ///< K (lowered to D when larger)
    int salto = liste_strovel::Salto.predefinito;         ///< S
    int colpi = liste_strovel::Colpi.predefinito;         ///< length of the play window
    int elenco = liste_strovel::Elenco.predefinito;       ///< E: rows of the formula list
    int retro = liste_strovel::Retro.predefinito;         ///< depth of "ULTIME PRESENZE"
    Operazione operazione = Operazione::Somma;
    std::array<bool, 11> rilevazione{}; ///< detection wheels R1
    std::array<bool, 11> gioco{};       ///< play wheels R2
    bool stop = false;                  ///< Ch_Stop: play windows never pass ref
};

struct FormulaStrovel {
    int r1 = 0; ///< detection wheel 0..10
    int p = 1;  ///< position 1..5
    int f = 0;  ///< fixed value 0..89
    Operazione op = Operazione::Somma;
    int r2 = 0; ///< play wheel 0..10
    friend bool operator==(const FormulaStrovel&, const FormulaStrovel&) = default;
};

/// The ambata of formula (r1, p, f, op) on draw `considerata`: op(n, f) with n the number at
/// position p of wheel r1; a stored value outside 0..90 counts as 0 (no number).
std::int16_t AmbataStrovel(const Archivio& a, const FormulaStrovel& f, int considerata);
/// A formula that reads and plays the same wheel and gives back the number read ("+ 0"): its
/// ambata is always in the considered draw it comes from, a hit no player can cash when the
/// play window holds that draw. The list marks it; the out-of-sample choice skips it.
bool FormulaSicura(const FormulaStrovel& f);

/// One row of the formula list FgY.
struct RigaFormula {
    int rango = 0;                             ///< column 0
    std::optional<FormulaStrovel> formula;     ///< columns 1..7; empty row when absent
    int p1 = 0;                                ///< column 10: hits
    std::optional<int> p2;                     ///< column 11
    std::array<std::optional<int>, 4> numeri;  ///< columns 12..15: AAA, AB1, AB2, ABQ
    std::array<std::optional<int>, 4> ritardi; ///< columns 16..19
    std::optional<int> sommaRitardi;           ///< column 20
    /// After-reference check: the forecast number came out on R2 in the draws after ref.
    std::array<bool, 4> uscitoDopo{};
    std::optional<int> presenze; ///< column 21 ("UP")
    /// "Evidenzia ultime negative": the row is painted red.
    bool negativaEvidenziata = false;
    friend bool operator==(const RigaFormula&, const RigaFormula&) = default;
};

/// One row of the forecast tally Fg4.
struct RigaPrevisione {
    int ruota = 0;
    int numero = 0;
    int formule = 0;        ///< "PR": how many formulas give it
    std::optional<int> rit; ///< current delay of that ambata
    friend bool operator==(const RigaPrevisione&, const RigaPrevisione&) = default;
};

struct EsitoStrovel {
    ParametriStrovel parametri; ///< as used: K lowered to D when it was larger
    std::vector<Ciclo> cicli;
    std::vector<RigaFormula> formule;
    std::vector<RigaPrevisione> previsioni;
    /// No detection or no play wheel: the run stopped after laying the cycles.
    bool mancanoRuote = false;
    /// "esamina tutte le ruote": the six operations competed for the list.
    bool tutteOperazioni = false;
};

/// The ranked list of formulas: E rows; a formula enters when its hits are >= those of the
/// last row (an empty row counts 0), overwriting it; the list is then re-sorted by hits,
/// descending, with a stable sort. So among formulas tied at the cut-off the one evaluated
/// last stays.
class ListaFormule {
public:
    explicit ListaFormule(int righe);
    /// Keeps the rows of an earlier list (all-operations mode), resized to `righe`.
    ListaFormule(std::vector<RigaFormula> esistenti, int righe);
    void Proponi(const FormulaStrovel& f, int colpi);
    int SogliaIngresso() const { return righe_.back().p1; }
    std::vector<RigaFormula> Righe() && { return std::move(righe_); }
    const std::vector<RigaFormula>& Righe() const& { return righe_; }

private:
    std::vector<RigaFormula> righe_;
};

/// "ELABORA": cycles, formula search and its follow-ups (current ambata and companions, P2,
/// forecast tally, delays with the after-reference check and the "Rit" column), then, with
/// `ordinaPerRitardo` (Check1), the list sorted by the ambata's delay. `progresso` gets F.
EsitoStrovel ElaboraStrovel(const Archivio& a, const ParametriStrovel& p,
                            bool ordinaPerRitardo = false, const Progresso& progresso = {});

/// "esamina tutte le ruote": the six operations in list order compete for one list, each row
/// keeping its own operation; then the delays and the "Rit" column.
EsitoStrovel EsaminaTutteLeOperazioni(const Archivio& a, const ParametriStrovel& p,
                                      bool ordinaPerRitardo = false,
                                      const Progresso& progresso = {});

// --- The steps, also commands of their own --------------------------------------------------

/// The search alone: the ranked list of the formulas with most hits.
std::vector<RigaFormula> CercaFormule(const Archivio& a, const ParametriStrovel& p,
                                      const std::vector<Ciclo>& cicli,
                                      std::vector<RigaFormula> lista,
                                      const Progresso& progresso = {});
/// Companion counts of one formula (the work grid FgS): for every cycle whose ambata comes
/// out, +1 to each other number of the play wheel in that draw.
std::array<int, 91> ConteggiCompagni(const Archivio& a, const ParametriStrovel& p,
                                     const std::vector<Ciclo>& cicli, const FormulaStrovel& f);
/// "Prev 1 ruota": columns 12..15 of every formula row.
void PrevisioniUnaRuota(const Archivio& a, const ParametriStrovel& p,
                        const std::vector<Ciclo>& cicli, std::vector<RigaFormula>& righe);
/// Column 11: C - negative cycles, a cycle being positive for ambata, ambo or quartina.
void ContaPositivi(const Archivio& a, const ParametriStrovel& p, const std::vector<Ciclo>& cicli,
                   std::vector<RigaFormula>& righe);
/// Fg4 without its "Rit" column.
std::vector<RigaPrevisione> TabellaPrevisioni(const std::vector<RigaFormula>& righe);
/// Columns 16..20 and the after-reference marks ("VERIFICA").
void CalcolaRitardi(const Archivio& a, const ParametriStrovel& p, std::vector<RigaFormula>& righe);
/// The "Rit" column of Fg4 from the formula list.
void RitardiPrevisioni(const std::vector<RigaFormula>& righe,
                       std::vector<RigaPrevisione>& previsioni);
/// Check1: the list sorted by column 16, ascending (an empty cell counts 0), stable.
void OrdinaPerRitardo(std::vector<RigaFormula>& righe);

} // namespace strovel

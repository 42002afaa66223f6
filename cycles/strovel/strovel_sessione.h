#pragma once
// The Strovel window's session without widgets: the last run, the pairs, the quartine and the
// presences it keeps between commands, and every table the window shows from them. The
// window reads its controls, calls these and renders the tables.

#include "core/tabella.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_statistiche.h"

#include <functional>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

class SessioneStrovel {
public:
    explicit SessioneStrovel(const Archivio& archivio) : a_(archivio) {}

    /// Keeps a run (ELABORA or "esamina tutte le ruote") and forgets what the earlier one
    /// left: quartine, presences, pairs. A run without wheels is not kept: false.
    bool Accogli(EsitoStrovel esito);
    bool Eseguito() const { return eseguito_; }
    const EsitoStrovel& Esito() const { return esito_; }
    /// Whether row `riga` of the formula list holds a formula.
    bool FormulaValida(int riga) const;

    Tabella Formule() const;    ///< FgY
    Tabella Previsioni() const; ///< Fg4
    /// FgS: each number 1..90 and how often it came out with the first formula's ambata.
    Tabella Compagni() const;
    /// FgE: the 55 numbers of draw `considerata`.
    Tabella EstrattiCiclo(int considerata) const;
    /// Label2: "N del dd/mm/yyyy".
    std::string DidascaliaCiclo(int considerata) const;

    // The steps of a run, also as commands.
    void PrevisioniUnaRuota();
    void ContaP2();
    void Tally();
    /// The current delays at `riferimento` (the reference the scroll bar shows now).
    void RitardiCorrenti(int riferimento);

    /// Fg1 and FgSt1 of formula row `riga`.
    std::pair<Tabella, Tabella> Statistica(int riga) const;
    /// Formula row `riga`'s positive cycles against chance, in one line.
    std::string CasoStatistica(int riga) const;
    /// The formula list's top against random formulas, in one line; empty without formulas.
    std::string CasoFormule() const;
    /// Marks the formulas whose last `n` cycles were all negative; Fg1 of the last formula.
    Tabella UltimeNegative(int n);
    /// ACCOPPIAMENTI over the formula list; FgC.
    Tabella Accoppia(const Progresso& progresso = {});
    /// After Accoppia: its best pair against the same search on random draws, in one line.
    std::string AttesoAccoppiamenti() const;
    int NumeroCoppie() const { return static_cast<int>(coppie_.size()); }
    /// Fg9: the merged list of pair `coppia`.
    Tabella Accorpato(int coppia) const;
    /// Fg2 and Fg3 of pair `coppia`: the second formula, and the two side by side.
    std::pair<Tabella, Tabella> Coppia(int coppia) const;
    Tabella Riepilogo(int riga) const; ///< FG7
    /// FgTr: the formula of row `riga` on the considered draw of cycle `ciclo`.
    std::optional<Tabella> Evidenzia(int riga, int ciclo) const;

    // Quartine.
    void AggiungiQuartina(int riga, bool azzera);
    bool EliminaQuartina(int riga);
    bool HaQuartine() const { return !quartine_.empty(); }
    Tabella Quartine() const; ///< Fg13
    Tabella VerificaQuartine(int riferimento, const SceltaVerifica& scelta) const;
    Tabella VerificaPrimiNumeri(int riferimento) const;

    // Delays and presences.
    Tabella Ritardi() const; ///< FgRit
    /// "ULTIME PRESENZE": counts, marks the formula list; FgPres.
    Tabella UltimePresenze(int riferimento, int retro);
    /// "Filtra": the ambate of the list among the presences (counted first when needed).
    Tabella Filtra(int riferimento, int retro);

private:
    std::vector<EsitoCiclo> Esiti(int riga) const;

    const Archivio& a_;
    EsitoStrovel esito_;
    bool eseguito_ = false;
    std::vector<Quartina> quartine_;
    std::vector<Accoppiamento> coppie_;
    Presenze presenze_{};
    bool presenzeContate_ = false;
};

} // namespace strovel

#pragma once
// The second cycle window's session without widgets: the last laying of the cycles, the group
// of numbers chosen in the distribution, the series, pairings, ambetti and quartine it keeps
// between commands, and every table the window shows from them.

#include "core/quartina.h"
#include "core/tabella.h"
#include "cycles/modulo2/ciclo2.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

/// A row of the forecast grid FgH as typed: whether it takes part (green first cell), the ten
/// number cells and T.
struct RigaPrevisioneTesto {
    bool partecipa = false;
    std::array<std::string, 10> numeri;
    std::string t;
};

/// The taking-part rows as sets, or the message that tells the user what is wrong. An empty or
/// zero cell holds no number, a repeated number counts once, an empty T means 1.
struct PrevisioniLette {
    std::vector<InsiemePrevisione> insiemi;
    std::string errore; ///< empty when the rows are good
};
PrevisioniLette LeggiPrevisioni(const std::vector<RigaPrevisioneTesto>& righe);

class SessioneCiclo2 {
public:
    explicit SessioneCiclo2(const Archivio& a) : a_(a) {}

    /// "RILEVA CICLI": forgets everything the earlier laying left.
    void Rileva(const ParametriCiclo2& p);
    bool Rilevato() const { return rilevato_; }
    const Rilevazione& Cicli() const { return r_; }
    /// The wheels and positions the next commands read: every command after RILEVA CICLI works
    /// on the selection as it is when it runs, over the cycles and presences of the laying.
    void Seleziona(const std::array<bool, 11>& ruote, const std::array<bool, 5>& posizioni);
    /// "Cicli rilevati su: BA, posizione 1": the selection the cycle grids were counted on, and
    /// a warning when the selection has changed since; empty before RILEVA CICLI.
    std::string DidascaliaRilevazione(const std::array<bool, 11>& ruote,
                                      const std::array<bool, 5>& posizioni) const;

    Tabella TabellaCicli() const;         ///< FgCicli
    Tabella TabellaDistribuzione() const; ///< FgMax
    Tabella TabellaNumeri() const;        ///< FgB1
    /// FgB1's CC against what a random number reaches, in one line.
    std::string AttesoNumeri() const;

    /// The click on cell (riga, colonna) of FgMax: keeps the numbers of that cell as the group
    /// and returns the caption; nothing for a cycle column or a cell outside the grid.
    std::optional<std::string> ScegliGruppo(int riga, int colonna);
    const std::vector<int>& Gruppo() const { return gruppo_; }
    /// FgA1: the numbers in study by cycles, most first.
    Tabella Candidati() const;

    /// "ELABORA": FgAA, FgStat, then FgB2, FgB3 and the outcomes Fg1, FgStat2.
    struct Elaborazione {
        Tabella fgAA, fgStat, fgB2, fgB3, fg1, fgStat2;
        std::string caso; ///< the positive cycles against chance
    };
    Elaborazione Elabora(const std::vector<InsiemePrevisione>& insiemi) const;
    /// "PRESENZE NUMERI": FgB2 (FgB1 by cycles) and FgB3 (the forecast numbers).
    std::pair<Tabella, Tabella> PresenzeNumeri(const std::vector<InsiemePrevisione>& insiemi) const;

    /// "Decine", "Cadenze", "Figure": FgSerie; the class type is kept for "VERIFICA SERIE".
    Tabella Serie(TipoClasse tipo, int sorte);
    /// A click on a class column of FgSerie chooses the series; its caption, or nothing.
    std::optional<std::string> ScegliSerie(int colonna);
    /// "VERIFICA SERIE": Fg1 and FgStat2, or the message.
    struct EsitiCicli {
        Tabella fg1, fgStat2;
        std::string errore;
        std::string caso; ///< the positive cycles against chance
    };
    EsitiCicli VerificaSerie(bool soloScoperti, int sorte) const;

    /// "AMBI": FgAmbi (by cycles) and FgEl (by delay).
    std::pair<Tabella, Tabella> Ambi() const;
    /// "ABBINAMENTI" of `ambata` (0: the first candidate): FgK1, FgK2, FGK90, Fgx.
    struct Abbinati {
        Tabella fgK1, fgK2, fgK90, fgx;
    };
    Abbinati Abbina(int ambata, int quanti);
    int Ambata() const { return abbinamenti_ ? abbinamenti_->ambata : 0; }

    /// "VERIFICA AMBETTI": FgN, Fg90, Fg91, FgB4 and FgY of the best pair.
    struct Ambetti {
        Tabella fgN, fg90, fg91, fgB4, fgY;
        std::string atteso; ///< the best pair against chance, in one line
        std::string errore;
    };
    Ambetti VerificaAmbetti_();
    /// FgY of row `riga` of Fg91.
    std::optional<Tabella> ColpiAmbetto(int riga) const;

    /// The ambata with its first three abbinamenti, a quartina per selected wheel, into Fg13
    /// (replacing it, at most 10 rows); false when ABBINAMENTI has not run.
    bool GiocoInVerifica();
    bool EliminaQuartina(int riga);
    const std::vector<Quartina>& Quartine() const { return quartine_; }
    Tabella TabellaQuartine() const; ///< Fg13
    Tabella VerificaQuartine(int riferimento, const SceltaVerifica& scelta) const;
    Tabella VerificaPrimiNumeri(int riferimento) const;
    /// Tab one's "VERIFICA": the sets after the reference, on each selected wheel.
    Tabella VerificaPrevisioni(int riferimento,
                               const std::vector<InsiemePrevisione>& insiemi) const;

    Tabella UltimePresenze(int riferimento, int retro) const; ///< FgPres
    /// "RITARDI": the current delays of the numbers in study on the selected wheels.
    Tabella Ritardi(int riferimento) const;
    /// FgE and its caption: the first draw of cycle row `riga`.
    std::pair<Tabella, std::string> EstrattiCiclo(int riga) const;

private:
    const Archivio& a_;
    Rilevazione r_;
    bool rilevato_ = false;
    std::array<bool, 11> ruoteRilevate_{}; ///< the selection RILEVA CICLI counted on
    std::array<bool, 5> posizioniRilevate_{};
    std::vector<int> gruppo_;
    std::optional<TipoClasse> tipoSerie_;
    std::optional<int> classe_;
    std::optional<Abbinamenti> abbinamenti_;
    std::vector<EsitoAmbetto> ambetti_; ///< by positive cycles
    std::vector<Quartina> quartine_;
};

} // namespace strovel

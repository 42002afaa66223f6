#pragma once
// The ambo cycle window's session without widgets: the ambo grid of the last ELABORA as the
// user has shaped it (order, deleted rows, highlighted rows), the second tab's ambi, and every
// table the window shows from them.

#include "cycles/ambi/ambi_cicli.h"

#include <string>
#include <utility>
#include <vector>

namespace strovel {

class Archivio;

class SessioneAmbiCicli {
public:
    explicit SessioneAmbiCicli(const Archivio& a) : a_(a) {}

    /// "ELABORA": the ambi of the chosen numbers; the message when fewer than two are chosen.
    std::string Elabora(const ParametriAmbiCicli& p, const NumeriScelti& scelti, bool decrescente,
                        const Progresso& progresso = {});
    /// The two-list variant: ambi of a number of the first list with one of the second.
    std::string ElaboraDueElenchi(const ParametriAmbiCicli& p, const NumeriScelti& primo,
                                  const NumeriScelti& secondo, bool decrescente,
                                  const Progresso& progresso = {});
    bool Elaborato() const { return elaborato_; }
    const ElaborazioneAmbi& Ambi() const { return e1_; }

    Tabella Cicli() const;       ///< Fg2
    Tabella TabellaAmbi() const; ///< Fg1, highlighted rows in red
    /// FG9: groups of `membri` ambi of Fg1.
    Tabella Gruppi(int membri, const Progresso& progresso = {}) const;
    /// Fg1's CC against random ambi, in one line; empty before ELABORA.
    std::string AttesoAmbi() const;
    /// After Gruppi(membri): FG9's CC against as many random groups of `membri` ambi, in one line.
    std::string AttesoGruppi(int membri) const;
    /// "Verifica fuori campione" on the chosen numbers' ambi: {true, the outcome in words}, or
    /// {false, the message} when fewer than two numbers are chosen.
    std::pair<bool, std::string> FuoriCampione(const ParametriAmbiCicli& p,
                                               const NumeriScelti& scelti, int riferimento) const;
    /// Deletes row `riga` of Fg1; false when there is no such row.
    bool Elimina(int riga);
    /// Highlights the rows whose last `n` cycles were all negative; how many.
    int Evidenzia(int n);
    const std::vector<bool>& Evidenziati() const { return evidenziati_; }
    /// FgRuote of row `riga` of Fg1.
    Tabella Uscite(int riga) const;

    /// The second tab's ELABORA: the ambi typed in FgA (pairs of 1..90, at most 15), or with
    /// `soloEvidenziati` the highlighted rows of Fg1, or with neither the first 15 rows of Fg1,
    /// counted over cycles laid from `p`; with `soloRuote` per wheel. The message, or empty.
    std::string ElaboraSecondo(const ParametriAmbiCicli& p,
                               const std::vector<std::pair<int, int>>& scritti, bool soloRuote,
                               bool soloEvidenziati);
    const ElaborazioneAmbi& Secondo() const { return e2_; }
    Tabella CicliSecondo() const;                         ///< Fg5
    Tabella AmbiSecondo() const;                          ///< Fg3
    std::vector<std::pair<int, int>> AmbiInEsame() const; ///< FgA
    Tabella GruppiSecondo(int membri) const;              ///< Fg6 from Fg3
    /// After GruppiSecondo(membri): its groups against as many random ones, in one line.
    std::string AttesoGruppiSecondo(int membri) const;
    /// CERCA MIGLIORI COPERTURE's first step, the best single ambo, against as many random
    /// ambi, in one line (empty without rows).
    std::string AttesoCoperture(bool soloEvidenziati) const;
    /// "CERCA MIGLIORI COPERTURE" over Fg1 (only the highlighted rows with `soloEvidenziati`).
    Tabella Coperture(bool soloEvidenziati) const;
    /// "Elabora capogioco" over the second tab's ambi: FgX.
    Tabella Capigioco_() const;
    /// Its numbers' CC against as many random numbers, in one line.
    std::string AttesoCapigioco() const;

private:
    std::string Accogli(ElaborazioneAmbi e, bool decrescente);

    const Archivio& a_;
    ElaborazioneAmbi e1_;
    bool elaborato_ = false;
    std::vector<bool> evidenziati_;
    /// The cycles of the best group of the last "Elabora 2/3 ambi", for its chance note.
    mutable int primoGruppo_ = 0;
    mutable int primoSecondo_ = 0; ///< the same for the second tab's groups
    ElaborazioneAmbi e2_;
};

} // namespace strovel

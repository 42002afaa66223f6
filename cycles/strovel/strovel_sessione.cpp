#include "cycles/strovel/strovel_sessione.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "cycles/strovel/strovel_atteso.h"
#include "cycles/strovel/strovel_tabelle.h"

#include <algorithm>

namespace strovel {

bool SessioneStrovel::Accogli(EsitoStrovel esito) {
    if (esito.mancanoRuote) {
        return false;
    }
    esito_ = std::move(esito);
    eseguito_ = true;
    quartine_.clear();
    coppie_.clear();
    presenzeContate_ = false;
    return true;
}

bool SessioneStrovel::FormulaValida(int riga) const {
    return eseguito_ && riga >= 0 && riga < static_cast<int>(esito_.formule.size()) &&
           esito_.formule[static_cast<std::size_t>(riga)].formula.has_value();
}

std::vector<EsitoCiclo> SessioneStrovel::Esiti(int riga) const {
    return StatisticaFormula(a_, esito_.parametri, esito_.cicli,
                             esito_.formule[static_cast<std::size_t>(riga)]);
}

Tabella SessioneStrovel::Formule() const {
    return TabellaFormule(esito_.formule);
}

Tabella SessioneStrovel::Previsioni() const {
    return TabellaPrevisioniStrovel(esito_.previsioni);
}

Tabella SessioneStrovel::Compagni() const {
    std::array<int, 91> compagni{};
    if (!esito_.formule.empty() && esito_.formule.front().formula) {
        compagni =
            ConteggiCompagni(a_, esito_.parametri, esito_.cicli, *esito_.formule.front().formula);
    }
    Tabella t("|");
    for (int n = 1; n <= 90; ++n) {
        t.AggiungiRiga({std::to_string(n), std::to_string(compagni[static_cast<std::size_t>(n)])});
    }
    return t;
}

Tabella SessioneStrovel::EstrattiCiclo(int considerata) const {
    return TabellaEstrazione(a_, considerata);
}

std::string SessioneStrovel::DidascaliaCiclo(int considerata) const {
    return DidascaliaEstrazione(a_, considerata);
}

void SessioneStrovel::PrevisioniUnaRuota() {
    strovel::PrevisioniUnaRuota(a_, esito_.parametri, esito_.cicli, esito_.formule);
}

void SessioneStrovel::ContaP2() {
    ContaPositivi(a_, esito_.parametri, esito_.cicli, esito_.formule);
}

void SessioneStrovel::Tally() {
    esito_.previsioni = TabellaPrevisioni(esito_.formule);
    RitardiPrevisioni(esito_.formule, esito_.previsioni);
}

void SessioneStrovel::RitardiCorrenti(int riferimento) {
    ParametriStrovel p = esito_.parametri;
    p.riferimento = riferimento;
    CalcolaRitardi(a_, p, esito_.formule);
    RitardiPrevisioni(esito_.formule, esito_.previsioni);
}

std::pair<Tabella, Tabella> SessioneStrovel::Statistica(int riga) const {
    const auto esiti = Esiti(riga);
    return {TabellaStatistica(a_, esiti),
            TabellaRiepilogoStatistica(esiti, esito_.parametri.cicli)};
}

std::string SessioneStrovel::CasoStatistica(int riga) const {
    const auto& formula = esito_.formule[static_cast<std::size_t>(riga)].formula;
    return formula
               ? TestoConfronto(ConfrontaStatistica(a_, esito_.parametri, *formula, Esiti(riga)))
               : std::string();
}

std::string SessioneStrovel::CasoFormule() const {
    const auto c = ConfrontaFormule(a_, esito_);
    return c ? TestoCasoFormule(*c) : std::string();
}

Tabella SessioneStrovel::UltimeNegative(int n) {
    std::vector<EsitoCiclo> ultimi;
    for (RigaFormula& r : esito_.formule) {
        if (!r.formula) {
            continue;
        }
        ultimi = StatisticaFormula(a_, esito_.parametri, esito_.cicli, r);
        r.negativaEvidenziata = strovel::UltimeNegative(ultimi, n);
    }
    return TabellaStatistica(a_, ultimi);
}

std::string SessioneStrovel::AttesoAccoppiamenti() const {
    return TestoAccoppiamentiACaso(ConfrontaAccoppiamenti(a_, esito_, coppie_));
}

Tabella SessioneStrovel::Accoppia(const Progresso& progresso) {
    coppie_ = Accoppiamenti(a_, esito_.parametri, esito_.cicli, esito_.formule, progresso);
    return TabellaAccoppiamenti(coppie_);
}

Tabella SessioneStrovel::Accorpato(int coppia) const {
    const Accoppiamento& c = coppie_.at(static_cast<std::size_t>(coppia));
    return ElencoAccorpato(a_, Esiti(c.i - 1), c.i, Esiti(c.j - 1), c.j);
}

std::pair<Tabella, Tabella> SessioneStrovel::Coppia(int coppia) const {
    const Accoppiamento& c = coppie_.at(static_cast<std::size_t>(coppia));
    const Tabella sx = TabellaStatistica(a_, Esiti(c.i - 1));
    const Tabella dx = TabellaStatistica(a_, Esiti(c.j - 1));
    // The first formula's 14 columns, three empty ones, the second formula's 14.
    Tabella affiancate(std::string(IntestazioneStatistica) + "||||" + IntestazioneStatistica);
    for (std::size_t k = 0; k < std::max(sx.righe.size(), dx.righe.size()); ++k) {
        auto& r = affiancate.AggiungiRiga();
        for (std::size_t c2 = 0; c2 < 14; ++c2) {
            if (k < sx.righe.size()) {
                r[c2] = sx.righe[k][c2];
            }
            if (k < dx.righe.size()) {
                r[c2 + 17] = dx.righe[k][c2];
            }
        }
    }
    return {dx, affiancate};
}

Tabella SessioneStrovel::Riepilogo(int riga) const {
    return strovel::Riepilogo(Esiti(riga));
}

std::optional<Tabella> SessioneStrovel::Evidenzia(int riga, int ciclo) const {
    if (ciclo < 0 || ciclo >= static_cast<int>(esito_.cicli.size())) {
        return std::nullopt;
    }
    return strovel::Evidenzia(a_, *esito_.formule[static_cast<std::size_t>(riga)].formula,
                              esito_.cicli[static_cast<std::size_t>(ciclo)].considerata);
}

void SessioneStrovel::AggiungiQuartina(int riga, bool azzera) {
    if (azzera) {
        quartine_.clear();
    }
    strovel::AggiungiQuartina(quartine_, esito_.formule[static_cast<std::size_t>(riga)]);
}

bool SessioneStrovel::EliminaQuartina(int riga) {
    if (riga < 0 || riga >= static_cast<int>(quartine_.size())) {
        return false;
    }
    quartine_.erase(quartine_.begin() + riga);
    return true;
}

Tabella SessioneStrovel::Quartine() const {
    return TabellaQuartine(quartine_);
}

Tabella SessioneStrovel::VerificaQuartine(int riferimento, const SceltaVerifica& scelta) const {
    return strovel::VerificaQuartine(a_, riferimento, esito_.parametri.colpi, quartine_, scelta);
}

Tabella SessioneStrovel::VerificaPrimiNumeri(int riferimento) const {
    return strovel::VerificaPrimiNumeri(a_, riferimento, esito_.parametri.colpi, quartine_);
}

Tabella SessioneStrovel::Ritardi() const {
    return TallyRitardi(esito_.formule);
}

Tabella SessioneStrovel::UltimePresenze(int riferimento, int retro) {
    presenze_ = ContaPresenze(a_, riferimento, retro);
    presenzeContate_ = true;
    if (eseguito_) {
        SegnaPresenze(esito_.formule, presenze_);
    }
    return TabellaPresenze(presenze_);
}

Tabella SessioneStrovel::Filtra(int riferimento, int retro) {
    if (!presenzeContate_) {
        UltimePresenze(riferimento, retro);
    }
    return FiltraAmbate(presenze_, esito_.formule);
}

} // namespace strovel

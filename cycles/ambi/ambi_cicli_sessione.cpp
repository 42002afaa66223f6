#include "cycles/ambi/ambi_cicli_sessione.h"

#include "core/archivio.h"
#include "core/colori.h"
#include "cycles/ambi/ambi_cicli_atteso.h"

#include <algorithm>

namespace strovel {

namespace {

constexpr const char* PocoNumeri = "Attenzione ! bisogna selezionare almeno 2 numeri.";
constexpr std::size_t AmbiInVerifica = 15;

int Contati(const NumeriScelti& s) {
    return static_cast<int>(std::count(s.begin() + 1, s.end(), true));
}

} // namespace

std::string SessioneAmbiCicli::Accogli(ElaborazioneAmbi e, bool decrescente) {
    if (decrescente) {
        OrdinaPerCC(e.ambi);
    }
    e1_ = std::move(e);
    evidenziati_.assign(e1_.ambi.size(), false);
    elaborato_ = true;
    return {};
}

std::string SessioneAmbiCicli::Elabora(const ParametriAmbiCicli& p, const NumeriScelti& scelti,
                                       bool decrescente, const Progresso& progresso) {
    if (Contati(scelti) < 2) {
        return PocoNumeri;
    }
    return Accogli(ContaAmbi(a_, p, AmbiDi(scelti), false, progresso), decrescente);
}

std::string SessioneAmbiCicli::ElaboraDueElenchi(const ParametriAmbiCicli& p,
                                                 const NumeriScelti& primo,
                                                 const NumeriScelti& secondo, bool decrescente,
                                                 const Progresso& progresso) {
    if (Contati(primo) < 1) {
        return "Attenzione ! bisogna selezionare almeno un numero nel primo elenco.";
    }
    const auto ambi = AmbiFraElenchi(primo, secondo);
    if (ambi.empty()) {
        return "Attenzione ! bisogna selezionare nel secondo elenco almeno un numero diverso da "
               "quelli del primo.";
    }
    return Accogli(ContaAmbi(a_, p, ambi, false, progresso), decrescente);
}

Tabella SessioneAmbiCicli::Cicli() const {
    return TabellaCicliAmbi(a_, e1_.cicli);
}

Tabella SessioneAmbiCicli::TabellaAmbi() const {
    Tabella t = TabellaAmbiCicli(e1_, true);
    for (std::size_t r = 0; r < t.righe.size() && r < evidenziati_.size(); ++r) {
        if (evidenziati_[r]) {
            for (Cella& c : t.righe[r]) {
                c.stile.sfondo = ColoreRosso;
            }
        }
    }
    return t;
}

Tabella SessioneAmbiCicli::Gruppi(int membri, const Progresso& progresso) const {
    const auto gruppi = MiglioriGruppi(e1_.ambi, membri, progresso);
    primoGruppo_ = PrimoGruppo(gruppi);
    return TabellaGruppi(e1_.ambi, gruppi);
}

std::string SessioneAmbiCicli::AttesoAmbi() const {
    return elaborato_ ? TestoAttesoCicli(strovel::AttesoAmbi(a_, e1_), "per ambo") : std::string();
}

std::string SessioneAmbiCicli::AttesoGruppi(int membri) const {
    return TestoAttesoCicli(strovel::AttesoGruppi(a_, e1_, membri, primoGruppo_),
                            membri == 2 ? "per gruppo di 2 ambi" : "per gruppo di 3 ambi");
}

std::pair<bool, std::string> SessioneAmbiCicli::FuoriCampione(const ParametriAmbiCicli& p,
                                                              const NumeriScelti& scelti,
                                                              int riferimento) const {
    if (Contati(scelti) < 2) {
        return {false, PocoNumeri};
    }
    return {true, TestoFuoriCampione(VerificaFuoriCampione(a_, p, AmbiDi(scelti), riferimento),
                                     riferimento)};
}

bool SessioneAmbiCicli::Elimina(int riga) {
    if (riga < 0 || riga >= static_cast<int>(e1_.ambi.size())) {
        return false;
    }
    e1_.ambi.erase(e1_.ambi.begin() + riga);
    evidenziati_.erase(evidenziati_.begin() + riga);
    return true;
}

int SessioneAmbiCicli::Evidenzia(int n) {
    int quanti = 0;
    for (std::size_t r = 0; r < e1_.ambi.size(); ++r) {
        evidenziati_[r] = UltimeNegative(e1_.ambi[r], n, static_cast<int>(e1_.cicli.size()));
        quanti += evidenziati_[r] ? 1 : 0;
    }
    return quanti;
}

Tabella SessioneAmbiCicli::Uscite(int riga) const {
    return TabellaUsciteAmbo(a_, e1_, riga);
}

std::string SessioneAmbiCicli::ElaboraSecondo(const ParametriAmbiCicli& p,
                                              const std::vector<std::pair<int, int>>& scritti,
                                              bool soloRuote, bool soloEvidenziati) {
    std::vector<std::pair<int, int>> ambi;
    auto aggiungi = [&](int x, int y) {
        const std::pair<int, int> ambo{std::min(x, y), std::max(x, y)};
        if (ambi.size() < AmbiInVerifica && x != y &&
            std::find(ambi.begin(), ambi.end(), ambo) == ambi.end()) {
            ambi.push_back(ambo);
        }
    };
    if (soloEvidenziati) {
        for (std::size_t r = 0; r < e1_.ambi.size(); ++r) {
            if (evidenziati_[r]) {
                aggiungi(e1_.ambi[r].n1, e1_.ambi[r].n2);
            }
        }
        if (ambi.empty()) {
            return "Attenzione ! nessun ambo evidenziato.";
        }
    } else if (!scritti.empty()) {
        for (const auto& [x, y] : scritti) {
            if (x < 1 || x > 90 || y < 1 || y > 90 || x == y) {
                return "Attenzione ! ambo non valido: " + std::to_string(x) + "-" +
                       std::to_string(y) + " (due numeri diversi da 1 a 90).";
            }
            aggiungi(x, y);
        }
    } else {
        for (const AmboNeiCicli& r : e1_.ambi) {
            aggiungi(r.n1, r.n2);
        }
        if (ambi.empty()) {
            return "Attenzione ! scrivere gli ambi da esaminare o eseguire prima ELABORA.";
        }
    }
    e2_ = ContaAmbi(a_, p, ambi, soloRuote);
    return {};
}

Tabella SessioneAmbiCicli::CicliSecondo() const {
    return TabellaCicliAmbi(a_, e2_.cicli);
}

Tabella SessioneAmbiCicli::AmbiSecondo() const {
    return TabellaAmbiCicli(e2_, false);
}

std::vector<std::pair<int, int>> SessioneAmbiCicli::AmbiInEsame() const {
    std::vector<std::pair<int, int>> ambi;
    for (const AmboNeiCicli& r : e2_.ambi) {
        if (std::find(ambi.begin(), ambi.end(), std::pair{r.n1, r.n2}) == ambi.end()) {
            ambi.emplace_back(r.n1, r.n2);
        }
    }
    return ambi;
}

Tabella SessioneAmbiCicli::GruppiSecondo(int membri) const {
    const auto gruppi = MiglioriGruppi(e2_.ambi, membri);
    primoSecondo_ = PrimoGruppo(gruppi);
    return TabellaGruppi(e2_.ambi, gruppi);
}

std::string SessioneAmbiCicli::AttesoGruppiSecondo(int membri) const {
    return TestoAttesoCicli(strovel::AttesoGruppi(a_, e2_, membri, primoSecondo_),
                            membri == 2 ? "per gruppo di 2 ambi" : "per gruppo di 3 ambi");
}

std::string SessioneAmbiCicli::AttesoCoperture(bool soloEvidenziati) const {
    ElaborazioneAmbi righe = e1_;
    righe.ambi.clear();
    for (std::size_t r = 0; r < e1_.ambi.size(); ++r) {
        if (!soloEvidenziati || evidenziati_[r]) {
            righe.ambi.push_back(e1_.ambi[r]);
        }
    }
    if (righe.ambi.empty()) {
        return {};
    }
    return "Prima copertura: " + TestoAttesoCicli(strovel::AttesoAmbi(a_, righe), "per ambo");
}

Tabella SessioneAmbiCicli::Coperture(bool soloEvidenziati) const {
    std::vector<AmboNeiCicli> righe;
    for (std::size_t r = 0; r < e1_.ambi.size(); ++r) {
        if (!soloEvidenziati || evidenziati_[r]) {
            righe.push_back(e1_.ambi[r]);
        }
    }
    return TabellaCoperture(righe, MiglioriCoperture(righe));
}

std::string SessioneAmbiCicli::AttesoCapigioco() const {
    return TestoAttesoCicli(strovel::AttesoCapigioco(a_, e2_, Capigioco(a_, e2_)), "per numero");
}

Tabella SessioneAmbiCicli::Capigioco_() const {
    return TabellaCapigioco(Capigioco(a_, e2_));
}

} // namespace strovel

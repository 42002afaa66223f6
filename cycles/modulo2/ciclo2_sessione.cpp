#include "cycles/modulo2/ciclo2_sessione.h"

#include "core/archivio.h"
#include "core/presenze.h"
#include "core/ruote.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "cycles/strovel/strovel_statistiche.h"
#include "cycles/strovel/strovel_tabelle.h"

#include <algorithm>
#include <charconv>

namespace strovel {

namespace {

/// A whole number typed in a cell; nothing for any other text.
std::optional<int> Intero(const std::string& testo) {
    int v = 0;
    const char* fine = testo.data() + testo.size();
    const auto [p, ec] = std::from_chars(testo.data(), fine, v);
    if (ec != std::errc() || p != fine) {
        return std::nullopt;
    }
    return v;
}

std::string Riga(std::size_t r) {
    return "Attenzione ! riga " + std::to_string(r + 1) + " della previsione: ";
}

} // namespace

PrevisioniLette LeggiPrevisioni(const std::vector<RigaPrevisioneTesto>& righe) {
    PrevisioniLette letto;
    for (std::size_t r = 0; r < righe.size(); ++r) {
        if (!righe[r].partecipa) {
            continue;
        }
        InsiemePrevisione s;
        s.riga = static_cast<int>(r) + 1;
        for (const std::string& testo : righe[r].numeri) {
            if (testo.empty()) {
                continue;
            }
            const std::optional<int> n = Intero(testo);
            if (!n || *n < 0 || *n > 90) {
                letto.errore = Riga(r) + "\"" + testo + "\" non è un numero da 1 a 90.";
                return letto;
            }
            if (*n > 0 && std::find(s.numeri.begin(), s.numeri.end(), *n) == s.numeri.end()) {
                s.numeri.push_back(*n);
            }
        }
        if (s.numeri.empty()) {
            letto.errore = Riga(r) + "nessun numero.";
            return letto;
        }
        const int massimo = std::min<int>(5, static_cast<int>(s.numeri.size()));
        const std::optional<int> t =
            righe[r].t.empty() ? std::optional<int>(1) : Intero(righe[r].t);
        if (!t || *t < 1 || *t > massimo) {
            letto.errore =
                Riga(r) + "T deve essere un numero da 1 a " + std::to_string(massimo) + ".";
            return letto;
        }
        s.t = *t;
        letto.insiemi.push_back(std::move(s));
    }
    if (letto.insiemi.empty()) {
        letto.errore = "Attenzione ! nessuna previsione scelta: fare clic sulla prima cella di una "
                       "riga per farla partecipare.";
    }
    return letto;
}

void SessioneCiclo2::Rileva(const ParametriCiclo2& p) {
    r_ = RilevaCicli(a_, p);
    rilevato_ = true;
    ruoteRilevate_ = p.ruote;
    posizioniRilevate_ = p.posizioni;
    gruppo_.clear();
    tipoSerie_.reset();
    classe_.reset();
    abbinamenti_.reset();
    ambetti_.clear();
    quartine_.clear();
}

void SessioneCiclo2::Seleziona(const std::array<bool, 11>& ruote,
                               const std::array<bool, 5>& posizioni) {
    r_.parametri.ruote = ruote;
    r_.parametri.posizioni = posizioni;
}

std::string SessioneCiclo2::DidascaliaRilevazione(const std::array<bool, 11>& ruote,
                                                  const std::array<bool, 5>& posizioni) const {
    if (!rilevato_) {
        return {};
    }
    std::string testo =
        "Cicli rilevati su: " + DescriviSelezione(ruoteRilevate_, posizioniRilevate_);
    if (ruote != ruoteRilevate_ || posizioni != posizioniRilevate_) {
        testo += " (gli altri comandi usano la selezione attuale: " +
                 DescriviSelezione(ruote, posizioni) + ")";
    }
    return testo;
}

Tabella SessioneCiclo2::TabellaCicli() const {
    return TabellaCicli2(r_);
}

Tabella SessioneCiclo2::TabellaDistribuzione() const {
    return strovel::TabellaDistribuzione(r_);
}

Tabella SessioneCiclo2::TabellaNumeri() const {
    return strovel::TabellaNumeri(RiepilogoNumeri(r_));
}

std::string SessioneCiclo2::AttesoNumeri() const {
    return TestoAttesoNumeri(strovel::AttesoNumeri(a_, r_));
}

std::optional<std::string> SessioneCiclo2::ScegliGruppo(int riga, int colonna) {
    const int volte = colonna - 4;
    if (riga < 0 || riga >= static_cast<int>(r_.cicli.size()) || volte < 0 || volte > r_.massimo) {
        return std::nullopt;
    }
    gruppo_ = NumeriConPresenze(r_, riga, volte);
    return DidascaliaGruppo(r_, riga, volte);
}

Tabella SessioneCiclo2::Candidati() const {
    std::vector<PresenzeNumero> righe = RiepilogoNumeri(r_, NumeriInEsame(gruppo_));
    OrdinaPerCicli(righe);
    return strovel::TabellaNumeri(righe);
}

std::pair<Tabella, Tabella>
SessioneCiclo2::PresenzeNumeri(const std::vector<InsiemePrevisione>& insiemi) const {
    std::vector<PresenzeNumero> perCicli = RiepilogoNumeri(r_);
    OrdinaPerCicli(perCicli);
    std::vector<int> previsti;
    for (const InsiemePrevisione& s : insiemi) {
        for (int n : s.numeri) {
            if (std::find(previsti.begin(), previsti.end(), n) == previsti.end()) {
                previsti.push_back(n);
            }
        }
    }
    return {strovel::TabellaNumeri(perCicli),
            strovel::TabellaNumeri(RiepilogoNumeri(r_, previsti))};
}

SessioneCiclo2::Elaborazione
SessioneCiclo2::Elabora(const std::vector<InsiemePrevisione>& insiemi) const {
    const VerificaInsiemi v = VerificaNeiCicli(a_, r_, insiemi);
    Elaborazione e;
    e.fgAA = TabellaVerificaInsiemi(a_, v, insiemi);
    e.fgStat = TabellaStatisticaInsiemi(v);
    std::tie(e.fgB2, e.fgB3) = PresenzeNumeri(insiemi);
    const std::vector<EsitoCiclo2> esiti = EsitiPerCiclo(v);
    e.fg1 = TabellaEsitiCicli(esiti);
    e.fgStat2 = TabellaRiepilogoCicli(esiti);
    e.caso = TestoConfronto(ConfrontaVerifica(a_, r_, insiemi, v));
    return e;
}

Tabella SessioneCiclo2::Serie(TipoClasse tipo, int sorte) {
    tipoSerie_ = tipo;
    classe_.reset();
    return TabellaSerie(r_, ContaSerie(a_, r_, tipo, sorte));
}

std::optional<std::string> SessioneCiclo2::ScegliSerie(int colonna) {
    const int classe = colonna - 4;
    if (!tipoSerie_ || classe < 0 || classe > 9 || NumeriClasse(*tipoSerie_, classe).empty()) {
        return std::nullopt;
    }
    classe_ = classe;
    static const char* const nomi[] = {"Decina", "Cadenza", "Figura"};
    return std::string(nomi[static_cast<int>(*tipoSerie_)]) + " " + std::to_string(classe);
}

SessioneCiclo2::EsitiCicli SessioneCiclo2::VerificaSerie(bool soloScoperti, int sorte) const {
    EsitiCicli e;
    if (!tipoSerie_ || !classe_) {
        e.errore = "Attenzione ! scegliere una serie con un clic sulla sua colonna.";
        return e;
    }
    InsiemePrevisione s{1, NumeriSerie(r_, *tipoSerie_, *classe_, soloScoperti), sorte};
    if (static_cast<int>(s.numeri.size()) < sorte) {
        e.errore = "Attenzione ! la serie ha meno numeri scoperti della sorte scelta.";
        return e;
    }
    const VerificaInsiemi v = VerificaNeiCicli(a_, r_, {s});
    const std::vector<EsitoCiclo2> esiti = EsitiPerCiclo(v);
    e.fg1 = TabellaEsitiCicli(esiti);
    e.fgStat2 = TabellaRiepilogoCicli(esiti);
    e.caso = TestoConfronto(ConfrontaVerifica(a_, r_, {s}, v));
    return e;
}

std::pair<Tabella, Tabella> SessioneCiclo2::Ambi() const {
    std::vector<AmboCiclo> ambi = AmbiNeiCicli(a_, r_, NumeriInEsame(gruppo_));
    Tabella perCicli = TabellaAmbi2(ambi);
    return {std::move(perCicli), TabellaAmbi2(OrdinaPerRitardo(std::move(ambi)))};
}

SessioneCiclo2::Abbinati SessioneCiclo2::Abbina(int ambata, int quanti) {
    if (ambata < 1 || ambata > 90) {
        std::vector<PresenzeNumero> righe = RiepilogoNumeri(r_, NumeriInEsame(gruppo_));
        OrdinaPerCicli(righe);
        ambata = righe.empty() ? 1 : righe.front().numero;
    }
    abbinamenti_ = CalcolaAbbinamenti(a_, r_, ambata);
    return {TabellaClassificaAbbinamenti(*abbinamenti_),
            TabellaGiocoAbbinamenti(*abbinamenti_, quanti), TabellaAbbinamenti90(*abbinamenti_),
            TabellaTerzine(*abbinamenti_)};
}

SessioneCiclo2::Ambetti SessioneCiclo2::VerificaAmbetti_() {
    Ambetti e;
    if (gruppo_.size() < 2) {
        e.errore = "Attenzione ! scegliere nella distribuzione un gruppo di almeno 2 numeri.";
        return e;
    }
    const std::vector<EsitoAmbetto> coppie = VerificaAmbetti(a_, r_, gruppo_);
    ambetti_ = OrdinaAmbetti(coppie);
    e.fgN = TabellaNumeriAmbetti(gruppo_);
    e.fg90 = TabellaCoppie(coppie);
    e.fgB4 = TabellaEsitiAmbetti(coppie);
    e.fg91 = TabellaCoppie(ambetti_);
    e.fgY = TabellaColpiAmbetto(a_, ambetti_.front());
    const int quante = static_cast<int>(coppie.size());
    e.atteso = TestoAttesoAmbetti(AttesoAmbetti(a_, r_, quante, ambetti_.front().esiti), quante);
    return e;
}

std::optional<Tabella> SessioneCiclo2::ColpiAmbetto(int riga) const {
    if (riga < 0 || riga >= static_cast<int>(ambetti_.size())) {
        return std::nullopt;
    }
    return TabellaColpiAmbetto(a_, ambetti_[static_cast<std::size_t>(riga)]);
}

bool SessioneCiclo2::GiocoInVerifica() {
    if (!abbinamenti_) {
        return false;
    }
    Quartina q;
    q.numeri[0] = abbinamenti_->ambata;
    for (std::size_t i = 0; i < 3 && i < abbinamenti_->classifica.size(); ++i) {
        q.numeri[i + 1] = abbinamenti_->classifica[i].first;
    }
    quartine_.clear();
    for (int w = 0; w < 11 && quartine_.size() < MassimoQuartine; ++w) {
        if (r_.parametri.ruote[static_cast<std::size_t>(w)]) {
            q.ruota = w;
            quartine_.push_back(q);
        }
    }
    return true;
}

bool SessioneCiclo2::EliminaQuartina(int riga) {
    if (riga < 0 || riga >= static_cast<int>(quartine_.size())) {
        return false;
    }
    quartine_.erase(quartine_.begin() + riga);
    return true;
}

Tabella SessioneCiclo2::TabellaQuartine() const {
    return strovel::TabellaQuartine(quartine_);
}

Tabella SessioneCiclo2::VerificaQuartine(int riferimento, const SceltaVerifica& scelta) const {
    return strovel::VerificaQuartine(a_, riferimento, r_.parametri.colpi, quartine_, scelta);
}

Tabella SessioneCiclo2::VerificaPrimiNumeri(int riferimento) const {
    return strovel::VerificaPrimiNumeri(a_, riferimento, r_.parametri.colpi, quartine_);
}

Tabella SessioneCiclo2::VerificaPrevisioni(int riferimento,
                                           const std::vector<InsiemePrevisione>& insiemi) const {
    std::vector<GiocataDopo> giocate;
    for (const InsiemePrevisione& s : insiemi) {
        Insieme90 numeri;
        for (int n : s.numeri) {
            numeri.Aggiungi(n);
        }
        for (int w = 0; w < 11; ++w) {
            if (r_.parametri.ruote[static_cast<std::size_t>(w)]) {
                giocate.push_back({std::to_string(s.riga), numeri, w, s.t});
            }
        }
    }
    return VerificaDopo(a_, riferimento, r_.parametri.colpi, giocate);
}

Tabella SessioneCiclo2::UltimePresenze(int riferimento, int retro) const {
    return TabellaPresenze(ContaPresenze(a_, riferimento, retro));
}

Tabella SessioneCiclo2::Ritardi(int riferimento) const {
    return TallyRitardi(RitardiNumeri(a_, riferimento, r_.parametri.ruote, NumeriInEsame(gruppo_)));
}

std::pair<Tabella, std::string> SessioneCiclo2::EstrattiCiclo(int riga) const {
    if (riga < 0 || riga >= static_cast<int>(r_.cicli.size())) {
        return {Tabella("Ruota|1|2|3|4|5"), std::string()};
    }
    const int k = r_.cicli[static_cast<std::size_t>(riga)].inizio;
    return {TabellaEstrazione(a_, k), DidascaliaEstrazione(a_, k)};
}

} // namespace strovel

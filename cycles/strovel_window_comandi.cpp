// The Strovel window's command handlers: read the controls, call the computation, show the
// result.

#include "core/archivio.h"
#include "core/ruote.h"
#include "cycles/strovel_tabelle.h"
#include "cycles/strovel_window.h"
#include "storage/preset.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/selettore_intervallo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTime>

namespace strovel {

namespace {

std::array<bool, 11> Selezione(const GrigliaSelezione* g) {
    std::array<bool, 11> s{};
    const auto v = g->Selezione();
    for (std::size_t r = 0; r < 11 && r < v.size(); ++r) {
        s[r] = v[r];
    }
    return s;
}

} // namespace

ParametriStrovel FinestraStrovel::LeggiParametri() const {
    ParametriStrovel p;
    p.riferimento = archivio_.IndiceModello(selettore_->Fine());
    p.cicli = cicli_->currentText().toInt();
    p.durata = durata_->currentText().toInt();
    p.considera = considera_->currentText().toInt();
    p.salto = salto_->currentText().toInt();
    p.colpi = colpi_->currentText().toInt();
    p.elenco = elenco_->currentText().toInt();
    p.retro = retro_->currentText().toInt();
    p.operazione =
        OperazioneDaVoce(operatore_->currentText().toStdString()).value_or(Operazione::Somma);
    p.rilevazione = Selezione(fgR_);
    p.gioco = Selezione(fgG_);
    p.stop = stop_->isChecked();
    return p;
}

void FinestraStrovel::Avviso(const QString& testo) {
    dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"), testo);
}

void FinestraStrovel::AggiungiOra() {
    list1_->addItem(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    list1_->scrollToBottom();
}

void FinestraStrovel::MostraFormule() {
    Mostra(fgY_, TabellaFormule(esito_.formule));
    Mostra(fg4_, TabellaPrevisioniStrovel(esito_.previsioni));
}

bool FinestraStrovel::Eseguito() {
    if (!eseguito_) {
        Avviso(QStringLiteral("Eseguire prima ELABORA."));
    }
    return eseguito_;
}

int FinestraStrovel::RigaSelezionata() {
    if (!Eseguito()) {
        return -1;
    }
    const int riga = fgY_->currentRow();
    if (riga < 0 || riga >= static_cast<int>(esito_.formule.size()) ||
        !esito_.formule[static_cast<std::size_t>(riga)].formula) {
        Avviso(QStringLiteral("Selezionare una formula dell'elenco."));
        return -1;
    }
    return riga;
}

std::optional<Accoppiamento> FinestraStrovel::CoppiaSelezionata() {
    const int riga = fgC_->currentRow();
    if (riga < 0 || riga >= static_cast<int>(coppie_.size())) {
        Avviso(QStringLiteral("Eseguire ACCOPPIAMENTI e selezionare una coppia."));
        return std::nullopt;
    }
    return coppie_[static_cast<std::size_t>(riga)];
}

// --- The run ----------------------------------------------------------------------------------

void FinestraStrovel::Elabora() {
    // 1. Lists of the earlier run that no longer apply.
    coppie_.clear();
    Mostra(fg9_, Tabella(IntestazioneAccorpato));
    Mostra(fgC_, Tabella(IntestazioneAccoppiamenti));
    Mostra(fG7_, Riepilogo({}));
    Mostra(fgSt1_, TabellaRiepilogoStatistica({}, 0));
    // 2-3. Parameters; Considera never above Durata.
    ParametriStrovel p = LeggiParametri();
    if (p.durata < p.considera) {
        p.considera = p.durata;
        considera_->setCurrentIndex(p.durata - 1);
    }
    // 4-5. Cycles and the shape of a cycle.
    Mostra(fgUU_, Tabella(IntestazioneVerifica));
    DipingiCiclo(p.durata, p.considera);
    if (pb1_.massimo) {
        pb1_.massimo(89);
    }
    Accogli(ElaboraStrovel(archivio_, p, perRitardo_->isChecked(), pb1_.valore));
    pb1_.Completa();
}

void FinestraStrovel::EsaminaTutte() {
    AggiungiOra();
    const ParametriStrovel p = LeggiParametri();
    if (p.durata < p.considera) {
        considera_->setCurrentIndex(p.durata - 1);
    }
    if (pb1_.massimo) {
        pb1_.massimo(89);
    }
    EsitoStrovel e = EsaminaTutteLeOperazioni(archivio_, p, perRitardo_->isChecked(), pb1_.valore);
    pb1_.Completa();
    // The operation list ends on the last operation, as after running them in turn.
    operatore_->setCurrentIndex(operatore_->count() - 1);
    DipingiCiclo(e.parametri.durata, e.parametri.considera);
    Accogli(std::move(e));
}

void FinestraStrovel::Accogli(EsitoStrovel e) {
    Mostra(fgX_, TabellaCicli(archivio_, e.cicli));
    // Both wheel lists are needed; the cycle list stays filled all the same.
    if (e.mancanoRuote) {
        dialoghi_.Messaggio(this, Icona::Nessuna, QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione si deve selezionare almeno una ruota di "
                                           "rilevazione ed una su cui giocare"));
        return;
    }
    esito_ = std::move(e);
    eseguito_ = true;
    MostraFormule();
    std::array<int, 91> compagni{};
    if (!esito_.formule.empty() && esito_.formule.front().formula) {
        compagni = ConteggiCompagni(archivio_, esito_.parametri, esito_.cicli,
                                    *esito_.formule.front().formula);
    }
    Tabella s("|");
    for (int n = 1; n <= 90; ++n) {
        s.AggiungiRiga({std::to_string(n), std::to_string(compagni[static_cast<std::size_t>(n)])});
    }
    Mostra(fgS_, s);
    if (!esito_.cicli.empty()) {
        MostraCiclo(0);
    }
    quartine_.clear();
    Mostra(fg13_, TabellaQuartine(quartine_));
    Mostra(fgPres_, Tabella(IntestazionePresenze));
    Mostra(fgRit_, Tabella(IntestazioneRitardi));
    presenzeContate_ = false;
    AggiungiOra();
    schede_->setCurrentIndex(0);
}

void FinestraStrovel::MostraCiclo(int riga) {
    if (riga < 0 || riga >= fgX_->rowCount()) {
        return;
    }
    const int considerata = fgX_->item(riga, 5)->text().toInt();
    Tabella t("Ruota|1|2|3|4|5");
    for (int w = 0; w < NumRuote; ++w) {
        std::vector<std::string> testi = {std::string(SigleRuote[static_cast<std::size_t>(w)])};
        for (int q = 1; q <= 5; ++q) {
            testi.push_back(std::to_string(archivio_.Estratti(considerata, w, q)));
        }
        t.AggiungiRiga(testi);
    }
    Mostra(fgE_, t);
    label2_->setText(
        QStringLiteral("%1 del %2")
            .arg(considerata)
            .arg(QString::fromStdString(archivio_.DateEstrazioni[static_cast<std::size_t>(
                std::clamp<int>(considerata, 0, archivio_.TotEstrazioni))])));
    fgX_->selectRow(riga);
}

// --- The steps of a run, also as commands
// ----------------------------------------------------------

void FinestraStrovel::PrevisioniUnaRuota_() {
    if (!Eseguito()) {
        return;
    }
    PrevisioniUnaRuota(archivio_, esito_.parametri, esito_.cicli, esito_.formule);
    MostraFormule();
}

void FinestraStrovel::ContaP2() {
    if (!Eseguito()) {
        return;
    }
    ContaPositivi(archivio_, esito_.parametri, esito_.cicli, esito_.formule);
    MostraFormule();
}

void FinestraStrovel::TallyPrevisioni() {
    if (!Eseguito()) {
        return;
    }
    esito_.previsioni = TabellaPrevisioni(esito_.formule);
    RitardiPrevisioni(esito_.formule, esito_.previsioni);
    MostraFormule();
}

void FinestraStrovel::RitardiCorrenti() {
    if (!Eseguito()) {
        return;
    }
    // The delays are taken at the reference the scroll bar shows now.
    ParametriStrovel p = esito_.parametri;
    p.riferimento = archivio_.IndiceModello(selettore_->Fine());
    CalcolaRitardi(archivio_, p, esito_.formule);
    RitardiPrevisioni(esito_.formule, esito_.previsioni);
    MostraFormule();
}

// --- Statistics
// ------------------------------------------------------------------------------------

void FinestraStrovel::Statistica() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    const auto esiti = StatisticaFormula(archivio_, esito_.parametri, esito_.cicli,
                                         esito_.formule[static_cast<std::size_t>(riga)]);
    Mostra(fg1_, TabellaStatistica(archivio_, esiti));
    Mostra(fgSt1_, TabellaRiepilogoStatistica(esiti, esito_.parametri.cicli));
    schede_->setCurrentIndex(1);
}

void FinestraStrovel::EvidenziaUltimeNegative() {
    if (!Eseguito()) {
        return;
    }
    const auto risposta = dialoghi_.Input(
        this, QStringLiteral("Inserimento esiti negativi consecutivi"),
        QStringLiteral("Inserire ultime casistiche negative consecutive."), QString());
    if (!risposta) {
        return;
    }
    bool ok = false;
    const int n = risposta->trimmed().toInt(&ok);
    if (!ok) {
        dialoghi_.Messaggio(this, Icona::Critica, QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione valore inserito non coerente."));
        return;
    }
    std::vector<EsitoCiclo> ultimi;
    for (RigaFormula& r : esito_.formule) {
        if (!r.formula) {
            continue;
        }
        ultimi = StatisticaFormula(archivio_, esito_.parametri, esito_.cicli, r);
        r.negativaEvidenziata = UltimeNegative(ultimi, n);
    }
    Mostra(fg1_, TabellaStatistica(archivio_, ultimi));
    MostraFormule();
}

void FinestraStrovel::Accoppiamenti_() {
    if (!Eseguito()) {
        return;
    }
    AggiungiOra();
    if (pb1_.massimo) {
        pb1_.massimo(esito_.parametri.elenco);
    }
    coppie_ = Accoppiamenti(archivio_, esito_.parametri, esito_.cicli, esito_.formule, pb1_.valore);
    pb1_.Completa();
    Mostra(fgC_, TabellaAccoppiamenti(coppie_));
    schede_->setCurrentIndex(2);
}

void FinestraStrovel::ElencoAccorpato_() {
    const auto coppia = CoppiaSelezionata();
    if (!coppia) {
        return;
    }
    const auto ei = StatisticaFormula(archivio_, esito_.parametri, esito_.cicli,
                                      esito_.formule[static_cast<std::size_t>(coppia->i - 1)]);
    const auto ej = StatisticaFormula(archivio_, esito_.parametri, esito_.cicli,
                                      esito_.formule[static_cast<std::size_t>(coppia->j - 1)]);
    Mostra(fg9_, ElencoAccorpato(archivio_, ei, coppia->i, ej, coppia->j));
}

void FinestraStrovel::Riepilogo_() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    Mostra(fG7_, Riepilogo(StatisticaFormula(archivio_, esito_.parametri, esito_.cicli,
                                             esito_.formule[static_cast<std::size_t>(riga)])));
    schede_->setCurrentIndex(1);
}

void FinestraStrovel::Evidenzia_() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    // The draw: the considered draw of the cycle selected in the cycle list.
    const int ciclo = std::max(0, fgX_->currentRow());
    if (ciclo >= static_cast<int>(esito_.cicli.size())) {
        return;
    }
    Mostra(fgTr_, Evidenzia(archivio_, *esito_.formule[static_cast<std::size_t>(riga)].formula,
                            esito_.cicli[static_cast<std::size_t>(ciclo)].considerata));
    schede_->setCurrentIndex(1);
}

// --- Quartine
// -------------------------------------------------------------------------------------

void FinestraStrovel::SpostaNumero() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    if (chX_->isChecked()) {
        quartine_.clear();
    }
    AggiungiQuartina(quartine_, esito_.formule[static_cast<std::size_t>(riga)]);
    Mostra(fg13_, TabellaQuartine(quartine_));
    VerificaQuartine_();
}

void FinestraStrovel::EliminaQuartina() {
    const int riga = fg13_->currentRow();
    if (riga < 0 || riga >= static_cast<int>(quartine_.size())) {
        return;
    }
    quartine_.erase(quartine_.begin() + riga);
    Mostra(fg13_, TabellaQuartine(quartine_));
}

void FinestraStrovel::VerificaQuartine_() {
    if (quartine_.empty() || !eseguito_) {
        return;
    }
    const SceltaVerifica scelta{chAmbata_->isChecked(), chAmbi_->isChecked(),
                                chQuartina_->isChecked()};
    Mostra(fgUU_, VerificaQuartine(archivio_, archivio_.IndiceModello(selettore_->Fine()),
                                   esito_.parametri.colpi, quartine_, scelta));
    schede_->setCurrentIndex(3);
}

void FinestraStrovel::Verifica2() {
    if (quartine_.empty() || !eseguito_) {
        return;
    }
    const auto gioco = Selezione(fgG_);
    if (std::count(gioco.begin(), gioco.end(), true) >= 2) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione questa analisi può essere effettuata su "
                                           "una sola ruota"));
        return;
    }
    Mostra(fgUU_, VerificaPrimiNumeri(archivio_, archivio_.IndiceModello(selettore_->Fine()),
                                      esito_.parametri.colpi, quartine_));
    schede_->setCurrentIndex(3);
}

// --- Delays and presences
// -----------------------------------------------------------------------------

void FinestraStrovel::Ritardi() {
    if (!Eseguito()) {
        return;
    }
    Mostra(fgRit_, TallyRitardi(esito_.formule));
    schede_->setCurrentIndex(4);
}

void FinestraStrovel::UltimiCinqueRitardi_() {
    const auto ruote = optRilevazione_->isChecked() ? Selezione(fgR_) : Selezione(fgG_);
    Mostra(fg5R_,
           UltimiCinqueRitardi(archivio_, archivio_.IndiceModello(selettore_->Fine()), ruote));
    schede_->setCurrentIndex(4);
}

void FinestraStrovel::UltimePresenze() {
    presenze_ = ContaPresenze(archivio_, archivio_.IndiceModello(selettore_->Fine()),
                              retro_->currentText().toInt());
    presenzeContate_ = true;
    Mostra(fgPres_, TabellaPresenze(presenze_));
    if (eseguito_) {
        SegnaPresenze(esito_.formule, presenze_);
        MostraFormule();
    }
    schede_->setCurrentIndex(5);
}

void FinestraStrovel::FiltraAmbate_() {
    if (!Eseguito()) {
        return;
    }
    if (!presenzeContate_) {
        UltimePresenze();
    }
    Mostra(fgPres_, FiltraAmbate(presenze_, esito_.formule));
    schede_->setCurrentIndex(5);
}

// --- Presets
// ----------------------------------------------------------------------------------------

void FinestraStrovel::SalvaPreset(int numero) {
    ScriviPreset(PercorsoPreset(cartella_, numero),
                 {cicli_->currentIndex(), durata_->currentIndex(), considera_->currentIndex(),
                  colpi_->currentIndex(), operatore_->currentIndex()});
}

void FinestraStrovel::CaricaPreset(int numero) {
    const std::vector<int> valori = LeggiPreset(PercorsoPreset(cartella_, numero), 5);
    QComboBox* liste[] = {cicli_, durata_, considera_, colpi_, operatore_};
    for (std::size_t k = 0; k < valori.size(); ++k) {
        if (valori[k] < 0 || valori[k] >= liste[k]->count()) {
            break; // what was read so far stays
        }
        liste[k]->setCurrentIndex(valori[k]);
    }
}

} // namespace strovel

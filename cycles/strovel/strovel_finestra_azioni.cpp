// The Strovel window's command handlers: read the controls, call the computation, show the
// result.

#include "core/archivio.h"
#include "core/intervallo.h"
#include "core/ruote.h"
#include "cycles/strovel/strovel_atteso.h"
#include "cycles/strovel/strovel_finestra.h"
#include "cycles/strovel/strovel_tabelle.h"
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
    Mostra(fgY_, sessione_.Formule());
    Mostra(fg4_, sessione_.Previsioni());
    lblCaso_->setText(QString::fromStdString(sessione_.CasoFormule()));
}

bool FinestraStrovel::Eseguito() {
    if (!sessione_.Eseguito()) {
        Avviso(QStringLiteral("Eseguire prima ELABORA."));
    }
    return sessione_.Eseguito();
}

int FinestraStrovel::RigaSelezionata() {
    if (!Eseguito()) {
        return -1;
    }
    const int riga = fgY_->currentRow();
    if (!sessione_.FormulaValida(riga)) {
        Avviso(QStringLiteral("Selezionare una formula dell'elenco."));
        return -1;
    }
    return riga;
}

int FinestraStrovel::CoppiaSelezionata() {
    const int riga = fgC_->currentRow();
    if (riga < 0 || riga >= sessione_.NumeroCoppie()) {
        Avviso(QStringLiteral("Eseguire ACCOPPIAMENTI e selezionare una coppia."));
        return -1;
    }
    return riga;
}

// --- The run ----------------------------------------------------------------------------------

void FinestraStrovel::Elabora() {
    // 1. Lists of the earlier run that no longer apply.
    Mostra(fg9_, Tabella(IntestazioneAccorpato));
    Mostra(fgC_, Tabella(IntestazioneAccoppiamenti));
    lblCasoAccoppiamenti_->clear();
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
    Accogli(ElaboraStrovel(archivio_, p, perRitardo_->isChecked(), pb1_));
    pb1_.Completa();
}

void FinestraStrovel::EsaminaTutte() {
    AggiungiOra();
    const ParametriStrovel p = LeggiParametri();
    if (p.durata < p.considera) {
        considera_->setCurrentIndex(p.durata - 1);
    }
    EsitoStrovel e = EsaminaTutteLeOperazioni(archivio_, p, perRitardo_->isChecked(), pb1_);
    pb1_.Completa();
    // The operation list ends on the last operation, as after running them in turn.
    operatore_->setCurrentIndex(operatore_->count() - 1);
    DipingiCiclo(e.parametri.durata, e.parametri.considera);
    Accogli(std::move(e));
}

void FinestraStrovel::Accogli(EsitoStrovel e) {
    Mostra(fgX_, TabellaCicli(archivio_, e.cicli));
    // Both wheel lists are needed; the cycle list stays filled all the same.
    if (!sessione_.Accogli(std::move(e))) {
        dialoghi_.Messaggio(this, Icona::Nessuna, QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione si deve selezionare almeno una ruota di "
                                           "rilevazione ed una su cui giocare"));
        return;
    }
    MostraFormule();
    lblCasoStatistica_->clear();
    Mostra(fgS_, sessione_.Compagni());
    if (!sessione_.Esito().cicli.empty()) {
        MostraCiclo(0);
    }
    Mostra(fg13_, sessione_.Quartine());
    Mostra(fgPres_, Tabella(IntestazionePresenze));
    Mostra(fgRit_, Tabella(IntestazioneRitardi));
    AggiungiOra();
    schede_->setCurrentIndex(0);
}

void FinestraStrovel::MostraCiclo(int riga) {
    if (riga < 0 || riga >= fgX_->rowCount()) {
        return;
    }
    const int considerata = fgX_->Testo(riga, 5).toInt();
    Mostra(fgE_, sessione_.EstrattiCiclo(considerata));
    label2_->setText(QString::fromStdString(sessione_.DidascaliaCiclo(considerata)));
    fgX_->selectRow(riga);
}

// --- The steps of a run, also as commands
// ----------------------------------------------------------

void FinestraStrovel::PrevisioniUnaRuota_() {
    if (!Eseguito()) {
        return;
    }
    sessione_.PrevisioniUnaRuota();
    MostraFormule();
}

void FinestraStrovel::ContaP2() {
    if (!Eseguito()) {
        return;
    }
    sessione_.ContaP2();
    MostraFormule();
}

void FinestraStrovel::TallyPrevisioni() {
    if (!Eseguito()) {
        return;
    }
    sessione_.Tally();
    MostraFormule();
}

void FinestraStrovel::RitardiCorrenti() {
    if (!Eseguito()) {
        return;
    }
    // The delays are taken at the reference the scroll bar shows now.
    sessione_.RitardiCorrenti(archivio_.IndiceModello(selettore_->Fine()));
    MostraFormule();
}

// --- Statistics
// ------------------------------------------------------------------------------------

void FinestraStrovel::Statistica() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    const auto [statistica, riepilogo] = sessione_.Statistica(riga);
    Mostra(fg1_, statistica);
    Mostra(fgSt1_, riepilogo);
    lblCasoStatistica_->setText(QString::fromStdString(sessione_.CasoStatistica(riga)));
    schede_->setCurrentIndex(1);
}

void FinestraStrovel::EvidenziaUltimeNegative() {
    if (!Eseguito()) {
        return;
    }
    const std::optional<int> n = ChiediUltimeNegative(dialoghi_, this);
    if (!n) {
        return;
    }
    Mostra(fg1_, sessione_.UltimeNegative(*n));
    lblCasoStatistica_->clear(); // Fg1 now holds the last formula, not the one of the note
    MostraFormule();
}

void FinestraStrovel::Accoppiamenti_() {
    if (!Eseguito()) {
        return;
    }
    AggiungiOra();
    const Tabella coppie = sessione_.Accoppia(pb1_);
    lblCasoAccoppiamenti_->setText(QString::fromStdString(sessione_.AttesoAccoppiamenti()));
    pb1_.Completa();
    Mostra(fgC_, coppie);
    schede_->setCurrentIndex(2);
}

void FinestraStrovel::ElencoAccorpato_() {
    const int coppia = CoppiaSelezionata();
    if (coppia < 0) {
        return;
    }
    Mostra(fg9_, sessione_.Accorpato(coppia));
}

void FinestraStrovel::Riepilogo_() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    Mostra(fG7_, sessione_.Riepilogo(riga));
    schede_->setCurrentIndex(1);
}

void FinestraStrovel::Evidenzia_() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    // The draw: the considered draw of the cycle selected in the cycle list.
    const auto t = sessione_.Evidenzia(riga, std::max(0, fgX_->currentRow()));
    if (!t) {
        return;
    }
    Mostra(fgTr_, *t);
    schede_->setCurrentIndex(1);
}

// --- Quartine
// -------------------------------------------------------------------------------------

void FinestraStrovel::SpostaNumero() {
    const int riga = RigaSelezionata();
    if (riga < 0) {
        return;
    }
    sessione_.AggiungiQuartina(riga, chX_->isChecked());
    Mostra(fg13_, sessione_.Quartine());
    VerificaQuartine_();
}

void FinestraStrovel::EliminaQuartina() {
    if (sessione_.EliminaQuartina(fg13_->currentRow())) {
        Mostra(fg13_, sessione_.Quartine());
    }
}

void FinestraStrovel::VerificaQuartine_() {
    if (!sessione_.HaQuartine() || !sessione_.Eseguito()) {
        return;
    }
    const SceltaVerifica scelta{chAmbata_->isChecked(), chAmbi_->isChecked(),
                                chQuartina_->isChecked()};
    Mostra(fgUU_, sessione_.VerificaQuartine(archivio_.IndiceModello(selettore_->Fine()), scelta));
    schede_->setCurrentIndex(3);
}

void FinestraStrovel::Verifica2() {
    if (!sessione_.HaQuartine() || !sessione_.Eseguito()) {
        return;
    }
    const auto gioco = Selezione(fgG_);
    if (std::count(gioco.begin(), gioco.end(), true) >= 2) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione questa analisi può essere effettuata su "
                                           "una sola ruota"));
        return;
    }
    Mostra(fgUU_, sessione_.VerificaPrimiNumeri(archivio_.IndiceModello(selettore_->Fine())));
    schede_->setCurrentIndex(3);
}

// --- Delays and presences
// -----------------------------------------------------------------------------

void FinestraStrovel::Ritardi() {
    if (!Eseguito()) {
        return;
    }
    Mostra(fgRit_, sessione_.Ritardi());
    schede_->setCurrentIndex(4);
}

void FinestraStrovel::UltimiCinqueRitardi_() {
    const auto ruote = optRilevazione_->isChecked() ? Selezione(fgR_) : Selezione(fgG_);
    Mostra(fg5R_,
           UltimiCinqueRitardi(archivio_, archivio_.IndiceModello(selettore_->Fine()), ruote));
    schede_->setCurrentIndex(4);
}

void FinestraStrovel::UltimePresenze() {
    Mostra(fgPres_, sessione_.UltimePresenze(archivio_.IndiceModello(selettore_->Fine()),
                                             retro_->currentText().toInt()));
    if (sessione_.Eseguito()) {
        MostraFormule();
    }
    schede_->setCurrentIndex(5);
}

void FinestraStrovel::FiltraAmbate_() {
    if (!Eseguito()) {
        return;
    }
    Mostra(fgPres_, sessione_.Filtra(archivio_.IndiceModello(selettore_->Fine()),
                                     retro_->currentText().toInt()));
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

void FinestraStrovel::VerificaFuoriCampione() {
    const ParametriStrovel p = LeggiParametri();
    // The mode of the last run: ELABORA, or every operation.
    const bool tutte = sessione_.Eseguito() && sessione_.Esito().tutteOperazioni;
    FuoriCampioneDi(p.riferimento, AnalisiStrovel{p, tutte},
                    [](const FuoriCampioneStrovel& f, int e) {
                        return TestoVerifica{TestoFuoriCampioneStrovel(f, e)};
                    });
}

void FinestraStrovel::VerificaProgressiva() {
    // The mode of the last run, as for the out-of-sample check.
    const bool tutte = sessione_.Eseguito() && sessione_.Esito().tutteOperazioni;
    ProgressivaDi(AnalisiStrovel{LeggiParametri(), tutte});
}

} // namespace strovel

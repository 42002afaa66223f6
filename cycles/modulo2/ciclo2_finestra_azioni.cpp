// The commands of the second cycle window: each reads the controls, asks the session and shows
// its tables.

#include "core/archivio.h"
#include "core/intervallo.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "cycles/strovel/strovel_statistiche.h"
#include "ui/dialoghi.h"
#include "ui/grafico.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTime>

namespace strovel {

ParametriCiclo2 FinestraCiclo2::LeggiParametri() const {
    ParametriCiclo2 p;
    p.riferimento = Riferimento();
    p.cicli = cicli_->currentText().toInt();
    p.durata = durata_->currentText().toInt();
    p.considera = considera_->currentText().toInt();
    p.salto = salto_->currentText().toInt();
    p.colpi = colpi_->currentText().toInt();
    p.ruote = RuoteScelte(fgR_);
    p.posizioni = PosizioniScelte(fgPP_);
    return p;
}

int FinestraCiclo2::Riferimento() const {
    return archivio_.IndiceModello(selettore_->Fine());
}

void FinestraCiclo2::Avviso(const QString& testo) {
    dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"), testo);
}

void FinestraCiclo2::AggiungiOra() {
    list1_->addItem(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    list1_->scrollToBottom();
}

bool FinestraCiclo2::Rilevato() {
    if (!sessione_.Rilevato()) {
        Avviso(QStringLiteral("Eseguire prima RILEVA CICLI."));
        return false;
    }
    sessione_.Seleziona(RuoteScelte(fgR_), PosizioniScelte(fgPP_));
    return true;
}

void FinestraCiclo2::AggiornaDidascaliaRilevazione() {
    lblRilevati_->setText(QString::fromStdString(
        sessione_.DidascaliaRilevazione(RuoteScelte(fgR_), PosizioniScelte(fgPP_))));
}

bool FinestraCiclo2::PrevisioniScelte() const {
    for (int r = 0; r < fgH_->rowCount(); ++r) {
        const QTableWidgetItem* prima = fgH_->item(r, 0);
        if (prima != nullptr && prima->background().style() != Qt::NoBrush) {
            return true;
        }
    }
    return false;
}

std::optional<std::vector<InsiemePrevisione>> FinestraCiclo2::Previsioni() {
    std::vector<RigaPrevisioneTesto> righe(static_cast<std::size_t>(fgH_->rowCount()));
    for (int r = 0; r < fgH_->rowCount(); ++r) {
        RigaPrevisioneTesto& riga = righe[static_cast<std::size_t>(r)];
        const QTableWidgetItem* prima = fgH_->item(r, 0);
        riga.partecipa = prima != nullptr && prima->background().style() != Qt::NoBrush;
        auto testo = [&](int c) {
            const QTableWidgetItem* item = fgH_->item(r, c);
            return item != nullptr ? item->text().trimmed().toStdString() : std::string();
        };
        for (int c = 1; c <= 10; ++c) {
            riga.numeri[static_cast<std::size_t>(c - 1)] = testo(c);
        }
        riga.t = testo(11);
    }
    PrevisioniLette letto = LeggiPrevisioni(righe);
    if (!letto.errore.empty()) {
        Avviso(QString::fromStdString(letto.errore));
        return std::nullopt;
    }
    return std::move(letto.insiemi);
}

// --- Tab one ----------------------------------------------------------------------------------

void FinestraCiclo2::RilevaCicli_() {
    // Considera never above Durata: the list shows the value used.
    if (considera_->currentText().toInt() > durata_->currentText().toInt()) {
        considera_->setCurrentIndex(durata_->currentText().toInt() - 1);
    }
    sessione_.Rileva(LeggiParametri());
    Mostra(fgCicli_, sessione_.TabellaCicli());
    Mostra(fgMax_, sessione_.TabellaDistribuzione());
    Mostra(fgB1_, sessione_.TabellaNumeri());
    lblAtteso_->setText(QString::fromStdString(sessione_.AttesoNumeri()));
    lblCaso_->clear();
    AggiornaDidascaliaRilevazione();
    if (grafico_) {
        grafico_->Aggiorna();
    }
    Mostra(fgA1_, sessione_.Candidati());
    Mostra(fgUU_, Tabella(IntestazioneVerifica));
    Mostra(fg13_, sessione_.TabellaQuartine());
    lblGruppo_->setText(QStringLiteral("Nessun gruppo scelto: si esaminano tutti i numeri"));
    lblSerie_->clear();
    lblAmbata_->clear();
    ambataScelta_ = 0;
    AggiungiOra();
    MostraInterna(fgCicli_);
}

void FinestraCiclo2::ScegliGruppo(int riga, int colonna) {
    const std::optional<std::string> testo = sessione_.ScegliGruppo(riga, colonna);
    if (!testo) {
        return;
    }
    lblGruppo_->setText(QString::fromStdString(*testo));
    Mostra(fgA1_, sessione_.Candidati());
    ambataScelta_ = 0;
}

void FinestraCiclo2::MostraCiclo(int riga) {
    if (riga < 0 || riga >= static_cast<int>(sessione_.Cicli().cicli.size())) {
        return;
    }
    const auto [tabella, didascalia] = sessione_.EstrattiCiclo(riga);
    Mostra(fgE_, tabella);
    lblEstrazione_->setText(QString::fromStdString(didascalia));
}

void FinestraCiclo2::Elabora() {
    if (!Rilevato()) {
        return;
    }
    const auto insiemi = Previsioni();
    if (!insiemi) {
        return;
    }
    const SessioneCiclo2::Elaborazione e = sessione_.Elabora(*insiemi);
    Mostra(fgAA_, e.fgAA);
    Mostra(fgStat_, e.fgStat);
    Mostra(fgB2_, e.fgB2);
    Mostra(fgB3_, e.fgB3);
    Mostra(fg1_, e.fg1);
    Mostra(fgStat2_, e.fgStat2);
    lblCaso_->setText(QString::fromStdString(e.caso));
    AggiungiOra();
    MostraInterna(fgAA_);
}

void FinestraCiclo2::PresenzeNumeri() {
    if (!Rilevato()) {
        return;
    }
    // Without a forecast chosen the numbers are still ranked by cycles; FgB3 stays empty.
    std::vector<InsiemePrevisione> insiemi;
    if (PrevisioniScelte()) {
        const auto lette = Previsioni();
        if (!lette) {
            return;
        }
        insiemi = *lette;
    }
    const auto [b2, b3] = sessione_.PresenzeNumeri(insiemi);
    Mostra(fgB2_, b2);
    Mostra(fgB3_, b3);
    MostraInterna(fgB2_);
}

void FinestraCiclo2::VerificaPrevisioni() {
    if (!Rilevato()) {
        return;
    }
    const auto insiemi = Previsioni();
    if (!insiemi) {
        return;
    }
    Mostra(fgUU_, sessione_.VerificaPrevisioni(Riferimento(), *insiemi));
    MostraInterna(fgUU_);
}

// --- Tab two ----------------------------------------------------------------------------------

void FinestraCiclo2::Serie(TipoClasse tipo) {
    if (!Rilevato()) {
        return;
    }
    Mostra(fgSerie_, sessione_.Serie(tipo, sorte_->currentText().toInt()));
    lblSerie_->setText(QStringLiteral("Fare clic sulla colonna di una serie per sceglierla"));
    MostraInterna(fgSerie_);
}

void FinestraCiclo2::ScegliSerie(int colonna) {
    if (const auto testo = sessione_.ScegliSerie(colonna)) {
        lblSerie_->setText(QStringLiteral("Serie scelta: ") + QString::fromStdString(*testo));
    }
}

void FinestraCiclo2::VerificaSerie() {
    if (!Rilevato()) {
        return;
    }
    const SessioneCiclo2::EsitiCicli e =
        sessione_.VerificaSerie(scoperti_->isChecked(), sorte_->currentText().toInt());
    if (!e.errore.empty()) {
        Avviso(QString::fromStdString(e.errore));
        return;
    }
    Mostra(fg1_, e.fg1);
    Mostra(fgStat2_, e.fgStat2);
    lblCaso_->setText(QString::fromStdString(e.caso));
    AggiungiOra();
    MostraInterna(fg1_);
}

void FinestraCiclo2::VerificaAmbetti() {
    if (!Rilevato()) {
        return;
    }
    const SessioneCiclo2::Ambetti e = sessione_.VerificaAmbetti_();
    if (!e.errore.empty()) {
        Avviso(QString::fromStdString(e.errore));
        return;
    }
    Mostra(fgN_, e.fgN);
    Mostra(fg90_, e.fg90);
    Mostra(fg91_, e.fg91);
    Mostra(fgB4_, e.fgB4);
    Mostra(fgY_, e.fgY);
    lblAmbetti_->setText(QString::fromStdString(e.atteso));
    AggiungiOra();
    MostraInterna(fgY_);
}

void FinestraCiclo2::MostraAmbetto(int riga) {
    if (const auto t = sessione_.ColpiAmbetto(riga)) {
        Mostra(fgY_, *t);
    }
}

// --- Tab three --------------------------------------------------------------------------------

void FinestraCiclo2::Ambi() {
    if (!Rilevato()) {
        return;
    }
    const auto [perCicli, perRitardo] = sessione_.Ambi();
    Mostra(fgAmbi_, perCicli);
    Mostra(fgEl_, perRitardo);
    AggiungiOra();
    MostraInterna(fgAmbi_);
}

void FinestraCiclo2::ScegliAmbata(int riga) {
    const QString testo = fgA1_->Testo(riga, 0);
    if (!testo.isEmpty()) {
        ambataScelta_ = testo.toInt();
        lblAmbata_->setText(QStringLiteral("Ambata scelta: ") + testo);
    }
}

void FinestraCiclo2::Abbinamenti_() {
    if (!Rilevato()) {
        return;
    }
    const SessioneCiclo2::Abbinati e =
        sessione_.Abbina(ambataScelta_, abbinamenti_->currentText().toInt());
    Mostra(fgK1_, e.fgK1);
    Mostra(fgK2_, e.fgK2);
    Mostra(fgK90_, e.fgK90);
    Mostra(fgx_, e.fgx);
    lblAmbata_->setText(QStringLiteral("Ambata: ") + QString::number(sessione_.Ambata()));
    AggiungiOra();
    MostraInterna(fgK1_);
}

void FinestraCiclo2::VerificaAbbinamenti() {
    if (!Rilevato()) {
        return;
    }
    if (!sessione_.GiocoInVerifica()) {
        Avviso(QStringLiteral("Eseguire prima ABBINAMENTI."));
        return;
    }
    Mostra(fg13_, sessione_.TabellaQuartine());
    Verifica1();
}

void FinestraCiclo2::Verifica1() {
    if (sessione_.Quartine().empty()) {
        return;
    }
    const SceltaVerifica scelta{chAmbata_->isChecked(), chAmbi_->isChecked(),
                                chQuartina_->isChecked()};
    Mostra(fgUU_, sessione_.VerificaQuartine(Riferimento(), scelta));
    MostraInterna(fgUU_);
}

void FinestraCiclo2::Verifica2() {
    if (sessione_.Quartine().empty()) {
        return;
    }
    const std::vector<bool> ruote = fgR_->Selezione();
    if (std::count(ruote.begin(), ruote.end(), true) >= 2) {
        Avviso(QStringLiteral("Attenzione questa analisi può essere effettuata su una sola ruota"));
        return;
    }
    Mostra(fgUU_, sessione_.VerificaPrimiNumeri(Riferimento()));
    MostraInterna(fgUU_);
}

void FinestraCiclo2::EliminaQuartina() {
    if (sessione_.EliminaQuartina(fg13_->currentRow())) {
        Mostra(fg13_, sessione_.TabellaQuartine());
    }
}

void FinestraCiclo2::UltimePresenze() {
    Mostra(fgPres_, sessione_.UltimePresenze(Riferimento(), retro_->currentText().toInt()));
    MostraInterna(fgPres_);
}

void FinestraCiclo2::Ritardi() {
    if (!Rilevato()) {
        return;
    }
    Mostra(fgRit_, sessione_.Ritardi(Riferimento()));
    MostraInterna(fgRit_);
}

void FinestraCiclo2::VerificaFuoriCampione() {
    const ParametriCiclo2 p = LeggiParametri();
    FuoriCampioneDi(p.riferimento, AnalisiCiclo2{p}, [](const FuoriCampioneCiclo2& f, int e) {
        return TestoVerifica{TestoFuoriCampione(f, e)};
    });
}

void FinestraCiclo2::VerificaProgressiva() {
    ProgressivaDi(AnalisiCiclo2{LeggiParametri()});
}

FinestraGrafico* FinestraCiclo2::GraficoPresenze() {
    if (!Rilevato()) {
        return nullptr;
    }
    const int numero = fgB1_->Testo(fgB1_->currentRow(), 0).trimmed().toInt();
    if (numero < 1 || numero > 90) {
        Avviso(QStringLiteral("Selezionare un numero nella tabella Numeri."));
        return nullptr;
    }
    grafico_ =
        ApriGrafico(this, QStringLiteral("GraficoPresenze"), [this, numero](FinestraGrafico& g) {
            g.MostraPresenze(PresenzeNeiCicli(sessione_.Cicli(), numero),
                             QStringLiteral("Presenze del %1 nei cicli").arg(numero));
        });
    return grafico_;
}

} // namespace strovel

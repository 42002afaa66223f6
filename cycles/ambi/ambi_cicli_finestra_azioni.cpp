// The commands of the ambo cycle window: each reads the controls, asks the session and shows
// its tables.

#include "core/intervallo.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/ambi/ambi_cicli_finestra.h"
#include "ui/dialoghi.h"
#include "ui/grafico.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTime>

namespace strovel {

void FinestraAmbiCicli::MostraAmbi() {
    Mostra(fg2_, sessione_.Cicli());
    Mostra(fg1_, sessione_.TabellaAmbi());
    Mostra(fg9_, Tabella(IntestazioneGruppiAmbi));
    Mostra(fgRuote_, Tabella(IntestazioneRuoteAmbo));
    lblAtteso_->setText(QString::fromStdString(sessione_.AttesoAmbi()));
    lblCaso_->clear();
    if (grafico_) {
        grafico_->Aggiorna();
    }
    AggiungiOra();
    schede_->setCurrentIndex(0);
}

void FinestraAmbiCicli::Elabora() {
    const std::string errore =
        sessione_.Elabora(LeggiParametri(), Scelti(fg90_), check1_->isChecked(), pb1_);
    if (!errore.empty()) {
        Avviso(QString::fromStdString(errore));
        return;
    }
    MostraAmbi();
}

void FinestraAmbiCicli::ElaboraDueElenchi() {
    const std::string errore = sessione_.ElaboraDueElenchi(
        LeggiParametri(), Scelti(fg90_), Scelti(fg95_), check1_->isChecked(), pb1_);
    if (!errore.empty()) {
        Avviso(QString::fromStdString(errore));
        return;
    }
    MostraAmbi();
}

void FinestraAmbiCicli::Gruppi(int membri) {
    if (!Elaborato()) {
        return;
    }
    Mostra(fg9_, sessione_.Gruppi(membri, pb1_));
    lblCaso_->setText(QString::fromStdString(sessione_.AttesoGruppi(membri)));
    AggiungiOra();
}

void FinestraAmbiCicli::EvidenziaUltimeNegative() {
    if (!Elaborato()) {
        return;
    }
    const std::optional<int> n = ChiediUltimeNegative(dialoghi_, this);
    if (!n) {
        return;
    }
    sessione_.Evidenzia(*n);
    Mostra(fg1_, sessione_.TabellaAmbi());
}

void FinestraAmbiCicli::Elimina() {
    const int riga = fg1_->currentRow();
    if (sessione_.Elimina(riga)) {
        Mostra(fg1_, sessione_.TabellaAmbi());
        fg1_->setCurrentCell(std::min(riga, fg1_->rowCount() - 1), 0);
    }
}

void FinestraAmbiCicli::Adatta() {
    for (GrigliaTabella* g : {fg2_, fg1_, fg9_, fgRuote_, fg5_, fg3_, fg6_, fgX_}) {
        g->resizeColumnsToContents();
    }
}

void FinestraAmbiCicli::MostraUscite(int riga) {
    Mostra(fgRuote_, sessione_.Uscite(riga));
}

void FinestraAmbiCicli::ElaboraSecondo() {
    // The ambi typed in FgA: rows with two numbers; a half-filled row is an error.
    std::vector<std::pair<int, int>> scritti;
    for (int r = 0; r < fgA_->rowCount(); ++r) {
        auto testo = [&](int c) {
            const QTableWidgetItem* i = fgA_->item(r, c);
            return i ? i->text().trimmed() : QString();
        };
        if (testo(0).isEmpty() && testo(1).isEmpty()) {
            continue;
        }
        bool ok1 = false, ok2 = false;
        const int x = testo(0).toInt(&ok1), y = testo(1).toInt(&ok2);
        scritti.emplace_back(ok1 ? x : 0, ok2 ? y : 0);
    }
    const std::string errore = sessione_.ElaboraSecondo(LeggiParametri(), scritti,
                                                        check2_->isChecked(), check3_->isChecked());
    if (!errore.empty()) {
        Avviso(QString::fromStdString(errore));
        return;
    }
    Mostra(fg5_, sessione_.CicliSecondo());
    Mostra(fg3_, sessione_.AmbiSecondo());
    Mostra(fg6_, Tabella(IntestazioneGruppiAmbi));
    Mostra(fgX_, Tabella(IntestazioneCapogioco));
    // FgA shows the ambi examined.
    fgA_->clearContents();
    int r = 0;
    for (const auto& [x, y] : sessione_.AmbiInEsame()) {
        fgA_->setItem(r, 0, new QTableWidgetItem(QString::number(x)));
        fgA_->setItem(r, 1, new QTableWidgetItem(QString::number(y)));
        ++r;
    }
    AggiungiOra();
    schede_->setCurrentIndex(1);
}

void FinestraAmbiCicli::GruppiSecondo(int membri) {
    if (sessione_.Secondo().ambi.empty()) {
        Avviso(QStringLiteral("Eseguire prima ELABORA della verifica ambi."));
        return;
    }
    Mostra(fg6_, sessione_.GruppiSecondo(membri));
    lblCasoSecondo_->setText(QString::fromStdString(sessione_.AttesoGruppiSecondo(membri)));
    AggiungiOra();
}

void FinestraAmbiCicli::Coperture() {
    if (!Elaborato()) {
        return;
    }
    Mostra(fg6_, sessione_.Coperture(check3_->isChecked()));
    lblCasoSecondo_->setText(
        QString::fromStdString(sessione_.AttesoCoperture(check3_->isChecked())));
    AggiungiOra();
    schede_->setCurrentIndex(1);
}

void FinestraAmbiCicli::Capogioco_() {
    if (sessione_.Secondo().ambi.empty()) {
        Avviso(QStringLiteral("Eseguire prima ELABORA della verifica ambi."));
        return;
    }
    Mostra(fgX_, sessione_.Capigioco_());
    lblCasoSecondo_->setText(QString::fromStdString(sessione_.AttesoCapigioco()));
}

void FinestraAmbiCicli::VerificaFuoriCampione() {
    const ParametriAmbiCicli p = LeggiParametri();
    EseguiVerificaFuoriCampione(dialoghi_, this, p.riferimento,
                                UnAnnoPrima(archivio_, p.riferimento), [&](int riferimento) {
                                    const auto [valido, testo] =
                                        sessione_.FuoriCampione(p, Scelti(fg90_), riferimento);
                                    return TestoVerifica{testo, valido};
                                });
}

void FinestraAmbiCicli::VerificaProgressiva() {
    const auto ambi = AmbiDi(Scelti(fg90_));
    if (ambi.empty()) {
        Avviso(QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri."));
        return;
    }
    ProgressivaDi(AnalisiAmbiCicli{LeggiParametri(), ambi});
}

FinestraGrafico* FinestraAmbiCicli::GraficoPresenze() {
    const int riga = fg1_->currentRow();
    const auto& ambi = sessione_.Ambi().ambi;
    if (!sessione_.Elaborato() || riga < 0 || riga >= static_cast<int>(ambi.size())) {
        Avviso(QStringLiteral("Selezionare un ambo nella tabella Ambi."));
        return nullptr;
    }
    const int n1 = ambi[static_cast<std::size_t>(riga)].n1;
    const int n2 = ambi[static_cast<std::size_t>(riga)].n2;
    grafico_ =
        ApriGrafico(this, QStringLiteral("GraficoPresenze"), [this, n1, n2](FinestraGrafico& g) {
            // The ambo's row in the latest ELABORA: rows move with the order and deletions.
            const auto& e = sessione_.Ambi();
            const auto dove =
                std::find_if(e.ambi.begin(), e.ambi.end(),
                             [&](const AmboNeiCicli& a) { return a.n1 == n1 && a.n2 == n2; });
            g.MostraPresenze(PresenzeNeiCicli(e, static_cast<int>(dove - e.ambi.begin())),
                             QStringLiteral("Uscite dell'ambo %1-%2 nei cicli").arg(n1).arg(n2));
        });
    return grafico_;
}

} // namespace strovel

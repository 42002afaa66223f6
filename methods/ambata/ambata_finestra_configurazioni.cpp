// The "Database" tab of the dynamic ambata window: SALVA, ELENCO, ELIMINA and loading a stored
// configuration.

#include "methods/ambata/ambata_finestra.h"

#include "storage/configurazioni_ambata.h"
#include "storage/impostazioni.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/pulsanti.h"
#include "ui/selezioni_metodo.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace strovel {

QWidget* FinestraAmbataDinamica::CreaDatabase() {
    auto* pagina = new QWidget(this);
    auto* g = new QGridLayout(pagina);
    txtDenominazione_ = new QLineEdit(pagina);
    txtDenominazione_->setObjectName(QStringLiteral("Txt_Denominazione"));
    txtDenominazione_->setMaxLength(60);
    auto* salva = CreaPulsante(pagina, "CmdSalva", QStringLiteral("SALVA"));
    auto* elenco = CreaPulsante(pagina, "CmdElenco", QStringLiteral("ELENCO"));
    auto* elimina = CreaPulsante(pagina, "CmdElimina", QStringLiteral("ELIMINA"),
                                 QStringLiteral("Elimina riga selezionata"));
    connect(salva, &QPushButton::clicked, this, &FinestraAmbataDinamica::Salva);
    connect(elenco, &QPushButton::clicked, this, &FinestraAmbataDinamica::Elenco);
    connect(elimina, &QPushButton::clicked, this, &FinestraAmbataDinamica::Elimina);
    fgMemo_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgMemo"), nullptr);
    fgMemo_->horizontalHeader()->setVisible(true);
    connect(fgMemo_, &GrigliaTabella::cellClicked, this,
            [this](int riga, int) { CaricaConfigurazione(riga); });
    g->addWidget(
        new QLabel(QStringLiteral("Denominazione della procedura (Max 60 caratteri)"), pagina), 0,
        0, 1, 4);
    g->addWidget(txtDenominazione_, 1, 0);
    g->addWidget(salva, 1, 1);
    g->addWidget(elenco, 1, 2);
    g->addWidget(elimina, 1, 3);
    g->addWidget(fgMemo_, 2, 0, 1, 4);
    g->setColumnStretch(0, 1);
    return pagina;
}

void FinestraAmbataDinamica::Salva() {
    const QString nome = txtDenominazione_->text().trimmed();
    // A spy that could never be loaded again is not stored.
    if (!SpiaAmmessa(txtNumero_->text().toStdString())) {
        Avviso(QString::fromUtf8(MessaggioSpia) +
                   QStringLiteral(" La configurazione non è stata salvata."),
               false);
        return;
    }
    // The draw is stored as the whole archive numbers it, filter or not.
    StatoAmbata stato = LeggiStato();
    stato.parametri.fine = StessaEstrazione(archivio_, stato.parametri.fine, completo_);
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    // A configuration without a name could never be told apart in the list.
    if (nome.isEmpty() || impostazioni_ == nullptr ||
        !SalvaConfigurazioneAmbata(impostazioni_->Db(), Configurazione(nome, stato), &errore,
                                   &causa)) {
        // A settings database in use or read-only is no fault of the data: say so.
        dialoghi_.Messaggio(
            this, Icona::Avviso, QStringLiteral("Avviso"),
            QStringLiteral("Attenzione ! la configurazione non è stata salvata. ") +
                (CausaDelFile(causa) ? errore : QStringLiteral("Controllare i dati inseriti.")));
        return;
    }
    dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Salvataggio"),
                        QStringLiteral("Salvataggio effettuato, ricaricare l'elenco."));
}

void FinestraAmbataDinamica::Elenco() {
    QString errore;
    const auto elenco = impostazioni_ != nullptr
                            ? ElencoConfigurazioniAmbata(impostazioni_->Db(), &errore)
                            : std::nullopt;
    if (!elenco) {
        dialoghi_.Messaggio(this, Icona::Avviso, QStringLiteral("Avviso"),
                            QStringLiteral("L'elenco delle configurazioni non può essere letto: ") +
                                errore);
        return;
    }
    memorie_ = *elenco;
    Tabella t("Denominazione|Estrazione|Ruotericavo|Ruotegioco|Posizioni|Numerospia|Presenze|"
              "Colpi|Matrice|Utilizzasomme|Riga1|Riga2|Riga3|Riga4|Riga5");
    for (const ConfigurazioneAmbata& c : memorie_) {
        QStringList valori = {c.denominazione, QString::number(c.estrazione),
                              c.ruotericavo,   c.ruotegioco,
                              c.posizioni,     c.numerospia,
                              c.presenze,      c.colpi,
                              c.matrice,       c.utilizzasomme};
        valori += c.righe;
        std::vector<std::string> testi;
        for (const QString& v : valori) {
            testi.push_back(v.toStdString());
        }
        t.AggiungiRiga(testi);
    }
    MostraTabella(fgMemo_, std::move(t));
}

void FinestraAmbataDinamica::Elimina() {
    const int riga = fgMemo_->currentRow();
    if (riga < 0 || riga >= memorie_.size()) {
        return;
    }
    const QString nome = memorie_[riga].denominazione;
    if (!dialoghi_.Domanda(this, QStringLiteral("Cancellazione record"),
                           QStringLiteral("Confermi la cancellazione della configurazione ") +
                               nome + QStringLiteral(" ?"))) {
        return;
    }
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    if (impostazioni_ == nullptr ||
        EliminaConfigurazioneAmbata(impostazioni_->Db(), nome, &errore, &causa) ==
            EsitoEliminazione::Errore) {
        dialoghi_.Messaggio(
            this, Icona::Avviso, QStringLiteral("Avviso"),
            CausaDelFile(causa)
                ? QStringLiteral("Attenzione ! la configurazione non è stata eliminata. ") + errore
                : QStringLiteral("Attenzione. Errore imprevisto."));
        return;
    }
    // The list shows what the table holds now.
    Elenco();
}

void FinestraAmbataDinamica::CaricaConfigurazione(int riga) {
    if (riga < 0 || riga >= memorie_.size()) {
        return;
    }
    // The stored draw is an index of the whole archive; a window filtered by "Giorni e mesi"
    // finds it among its own draws, or says it is not there.
    ConfigurazioneAmbata c = memorie_[riga];
    const int estrazione = StessaEstrazione(completo_, c.estrazione, archivio_);
    if (estrazione == 0 && c.estrazione >= 1 && c.estrazione <= completo_.TotEstrazioni) {
        Avviso(QStringLiteral("L'estrazione %1 del %2 della configurazione non è fra quelle "
                              "scelte con Giorni e mesi.")
                   .arg(c.estrazione)
                   .arg(QString::fromStdString(
                       completo_.DateEstrazioni[static_cast<std::size_t>(c.estrazione)])));
        return;
    }
    c.estrazione = estrazione;
    const auto stato = StatoDaConfigurazione(c, archivio_);
    if (!stato) {
        Avviso(QStringLiteral("Attenzione ! probabile incongruenza."));
        return;
    }
    ImpostaStato(*stato);
    Rilevazione();
    Configura();
}

} // namespace strovel

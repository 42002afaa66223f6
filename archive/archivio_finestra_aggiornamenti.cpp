// The archive window's updates tab: check a text archive against the archive, then apply it.

#include "archive/archivio_finestra.h"
#include "storage/archivio_db.h"
#include "storage/file_sicuri.h"
#include "storage/scaricamento.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/pulsanti.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace strovel {

QWidget* FinestraArchivio::CreaAggiornamenti() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* comandi = new QHBoxLayout();
    auto* web = CreaPulsante(pagina, "CmdControlloAggiornamenti",
                             QStringLiteral("CONTROLLO AGGIORNAMENTI"));
    auto* file = CreaPulsante(pagina, "CmdAggiornaDaFile", QStringLiteral("AGGIORNA DA FILE"));
    auto* applica = CreaPulsante(pagina, "CmdAggiornamento", QStringLiteral("AGGIORNAMENTO"));
    check3_ = new QCheckBox(QStringLiteral("Corregge estrazioni errate"), pagina);
    check3_->setObjectName(QStringLiteral("Check3"));
    connect(web, &QPushButton::clicked, this, &FinestraArchivio::ControlloAggiornamenti);
    connect(file, &QPushButton::clicked, this, &FinestraArchivio::AggiornaDaFile);
    connect(applica, &QPushButton::clicked, this, &FinestraArchivio::Aggiornamento);
    comandi->addWidget(web);
    comandi->addWidget(file);
    comandi->addWidget(applica);
    comandi->addWidget(check3_);
    comandi->addStretch(1);
    v->addLayout(comandi);
    fgImporta_ = new GrigliaTabella(pagina);
    fgImporta_->setObjectName(QStringLiteral("FgImporta"));
    fgImporta_->verticalHeader()->setVisible(false);
    fgImporta_->verticalHeader()->setDefaultSectionSize(22);
    MostraTabella(fgImporta_, Tabella(IntestazioneImporta));
    v->addWidget(fgImporta_, 3);
    v->addWidget(
        Nota(pagina, QStringLiteral("Lo sfondo arancione nella colonna della data identifica "
                                    "le estrazioni da importare")));
    v->addWidget(
        Nota(pagina, QStringLiteral("La data in rosso e lo sfondo di una ruota bianco "
                                    "identifica una estrazione  con errori in quella ruota")));
    v->addWidget(new QLabel(QStringLiteral("Elenco estrazioni mancanti"), pagina));
    list4_ = new QListWidget(pagina);
    list4_->setObjectName(QStringLiteral("List4"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setFixedPitch(true);
    list4_->setFont(courier);
    v->addWidget(list4_, 2);
    return pagina;
}

void FinestraArchivio::FallimentoControllo(const QString& passo, const QString& motivo) {
    // The message keeps its fixed text; the reason, when known, is added to the list below
    // the grid, where the user reads the findings.
    if (!motivo.isEmpty()) {
        list4_->addItem(QStringLiteral("Motivo: ") + motivo);
    }
    s_.dialoghi->Messaggio(this, Icona::Critica, QStringLiteral("Avviso"),
                           QStringLiteral("Attenzione qualcosa è andato strorto nella procedura ") +
                               passo);
}

void FinestraArchivio::CaricaEConfronta(const QByteArray& contenuto) {
    std::vector<Candidata> candidate = Candidate(contenuto);
    MostraTabella(fgImporta_, TabellaCandidate(candidate));
    if (candidate.empty()) {
        return; // no usable line: no message, List4 as it was
    }
    list4_->clear();
    const EsitoControllo esito = ConfrontoArchivio(*s_.db, candidate, s_.pb1);
    s_.pb1.Completa();
    MostraTabella(fgImporta_, TabellaCandidate(candidate));
    list4_->addItems(esito.messaggi);
    if (!esito.passoFallito.isEmpty()) {
        FallimentoControllo(esito.passoFallito); // the list already says which record
    }
}

void FinestraArchivio::ControlloAggiornamenti() {
    const QUrl url = IndirizzoDownload(s_.indirizzoInternet ? *s_.indirizzoInternet : QString());
    QByteArray corpo;
    QString motivo;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = Scarica(url, corpo, &motivo);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        FallimentoControllo(QString::fromUtf8(PassoCollegamento), motivo);
        return;
    }
    const QString copia = QDir(s_.cartellaProgramma).filePath(QStringLiteral("Estr_Agg.txt"));
    if (!ScriviFileSicuro(copia, corpo + "\r\n", FileProtetti(), &motivo)) {
        FallimentoControllo(QString::fromUtf8(PassoCollegamento), motivo);
        return;
    }
    CaricaEConfronta(corpo + "\r\n");
}

void FinestraArchivio::AggiornaDaFile() {
    RichiestaFile r;
    r.cartella = s_.cartellaProgramma;
    r.filtro = QStringLiteral("File di testo (*.Txt)");
    r.estensione = QStringLiteral("txt");
    const auto scelto = s_.dialoghi->ApriFile(this, r);
    if (!scelto) {
        FallimentoControllo(QString()); // a cancelled dialog counts as a failure
        return;
    }
    const FileAggiornamento file = LeggiFileAggiornamento(*scelto);
    if (file.esito == FileAggiornamento::Esito::NonLeggibile) {
        FallimentoControllo(QString(), file.motivo);
        return;
    }
    if (file.esito == FileAggiornamento::Esito::FormatoErrato) {
        s_.dialoghi->Messaggio(this, Icona::Critica, QStringLiteral("Avviso"),
                               QStringLiteral("Attenzione, sembra che il file non sia del formato "
                                              "corretto"));
        return;
    }
    CaricaEConfronta(file.contenuto);
}

std::vector<Candidata> FinestraArchivio::CandidateDallaGriglia() const {
    // The marks are read back from the grid: they are the only state between the two phases.
    std::vector<Candidata> candidate;
    int numero = 0;
    for (const auto& riga : fgImporta_->Dati().righe) {
        ++numero;
        if (riga.size() < 13) {
            continue;
        }
        Candidata c;
        c.riga.data = QString::fromStdString(riga[1].testo);
        c.riga.riga = numero;
        for (std::size_t w = 0; w < 11; ++w) {
            c.riga.ruote[w] = QString::fromStdString(riga[2 + w].testo);
        }
        c.daImportare = riga[1].stile.segno == Segno::DaImportare;
        c.conErrori = riga[1].stile.segno == Segno::ConErrori;
        c.malformato = MotivoMalformato(c.riga);
        candidate.push_back(std::move(c));
    }
    return candidate;
}

void FinestraArchivio::Aggiornamento() {
    list4_->clear();
    if (fgImporta_->rowCount() == 0) {
        s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Aggiornamento archivio"),
                               QStringLiteral("Non ci sono estrazioni da aggiornare."));
        schede_->setCurrentIndex(0);
        return;
    }
    const std::vector<Candidata> candidate = CandidateDallaGriglia();
    const bool correggi = check3_->isChecked();
    bool ancheMalformati = false;
    if (const int male = MalformateDaScrivere(candidate, correggi); male > 0) {
        // Asked once; the answer that writes nothing malformed is the default.
        ancheMalformati = s_.dialoghi->Domanda(
            this, QStringLiteral("Aggiornamento archivio"),
            QStringLiteral("Tra le estrazioni da scrivere ci sono %1 record malformati (sono "
                           "elencati in viola e in Elenco estrazioni mancanti).\n\nScrivere "
                           "anche i record malformati?\n\nRispondendo No vengono scritte solo "
                           "le estrazioni corrette.")
                .arg(male),
            Predefinito::No);
    }
    const EsitoApplicazione esito =
        AggiornamentoArchivio(*s_.db, candidate, correggi, s_.adesso(), ancheMalformati);
    list4_->addItems(esito.messaggi);
    list4_->addItems(esito.saltate);
    if (!esito.errore.isEmpty()) {
        // Nothing was written; the grid keeps its marks for another try.
        s_.dialoghi->Messaggio(this, Icona::Critica, QStringLiteral("Aggiornamento archivio"),
                               QStringLiteral("Aggiornamento non eseguito, l'archivio non è stato "
                                              "modificato. ") +
                                   esito.errore);
        return;
    }
    if (esito.aggiunte > 0) {
        s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Aggiornamento archivio"),
                               QStringLiteral("Dati salvati correttamente."));
        schede_->setCurrentIndex(0);
    }
    Ricarica();
    fgImporta_->Svuota();
    AggiornaStatoArchivio();
}

} // namespace strovel

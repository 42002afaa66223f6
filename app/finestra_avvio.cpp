#include "app/finestra_avvio.h"

#include "app/contesto.h"
#include "core/demo.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"
#include "storage/selezione_archivio.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/progresso_barra.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace strovel {

namespace {

QPushButton* Pulsante(QWidget* padre, const QString& nome, const QString& testo) {
    auto* b = new QPushButton(testo, padre);
    b->setAutoDefault(true);
    b->setObjectName(nome);
    b->setMinimumHeight(30);
    return b;
}

} // namespace

FinestraAvvio::FinestraAvvio(Contesto& contesto, QWidget* padre) : QWidget(padre), c_(contesto) {
    setObjectName(QStringLiteral("FinestraAvvio"));
    setWindowTitle(Contesto::TitoloAvvio());

    auto* seleziona = Pulsante(this, QStringLiteral("CmdSelezioneArchivio"),
                               QStringLiteral("SELEZIONE ARCHIVIO"));
    auto* suggerimento = new QLabel(
        QStringLiteral("Da utilizzare solamente al primo utilizzo del programma. Consultare "
                       "l'help in linea ------->"),
        this);
    suggerimento->setObjectName(QStringLiteral("LblSuggerimento"));
    suggerimento->setWordWrap(true);
    auto* aiuto = Pulsante(this, QStringLiteral("CmDHelp"), QStringLiteral("?"));
    aiuto->setAccessibleName(QStringLiteral("Guida: Finestra di avvio"));
    aiuto->setToolTip(QStringLiteral("Help in linea"));
    aiuto->setFixedWidth(36);

    auto* creaDaTesto =
        Pulsante(this, QStringLiteral("CmdCreaDaTesto"), QStringLiteral("CREA ARCHIVIO DA TESTO"));
    creaDaTesto->setToolTip(
        QStringLiteral("Costruisce un nuovo archivio da un file di testo delle estrazioni"));
    auto* spiegaCrea = new QLabel(
        QStringLiteral("Per chi comincia: crea l'archivio da un file di testo delle estrazioni."),
        this);
    spiegaCrea->setWordWrap(true);

    auto* titoloPercorso = new QLabel(QStringLiteral("Percorso archivio:"), this);
    titoloPercorso->setObjectName(QStringLiteral("LblTitoloPercorso"));
    etichettaArchivio_ = new QLabel(this);
    etichettaArchivio_->setObjectName(QStringLiteral("LblArchivio"));
    etichettaArchivio_->setFrameShape(QFrame::StyledPanel);
    etichettaArchivio_->setMinimumHeight(26);
    etichettaArchivio_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Why the last PROCEDI failed, in plain words; hidden until then.
    motivo_ = new QLabel(this);
    motivo_->setObjectName(QStringLiteral("LblMotivo"));
    motivo_->setWordWrap(true);
    motivo_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    motivo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    motivo_->hide();

    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("ProgressBar1"));
    barra_->setValue(0);

    auto* procedi = Pulsante(this, QStringLiteral("CmdProcedi"), QStringLiteral("PROCEDI"));
    auto* fine = Pulsante(this, QStringLiteral("CmdFine"), QStringLiteral("FINE"));
    procedi->setDefault(true);

    auto* griglia = new QGridLayout();
    griglia->addWidget(seleziona, 0, 0);
    griglia->addWidget(suggerimento, 0, 1);
    griglia->addWidget(aiuto, 0, 2);
    griglia->addWidget(creaDaTesto, 1, 0);
    griglia->addWidget(spiegaCrea, 1, 1, 1, 2);
    griglia->setColumnStretch(1, 1);
    griglia->setColumnMinimumWidth(0, 210);

    auto* pulsanti = new QHBoxLayout();
    pulsanti->addStretch(1);
    pulsanti->addWidget(procedi);
    pulsanti->addWidget(fine);
    procedi->setMinimumWidth(120);
    fine->setMinimumWidth(120);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addLayout(griglia);
    layout->addSpacing(6);
    layout->addWidget(titoloPercorso);
    layout->addWidget(etichettaArchivio_);
    layout->addWidget(motivo_);
    layout->addWidget(barra_);
    layout->addLayout(pulsanti);
    resize(640, 270);

    connect(seleziona, &QPushButton::clicked, this, &FinestraAvvio::SelezionaArchivio);
    connect(creaDaTesto, &QPushButton::clicked, this, &FinestraAvvio::CreaArchivioDaTesto);
    connect(procedi, &QPushButton::clicked, this, &FinestraAvvio::Procedi);
    connect(fine, &QPushButton::clicked, qApp, &QApplication::quit);
    connect(aiuto, &QPushButton::clicked, this, [] { FinestraAiuto::Apri(200); });
    // F1 opens the same page as the "?" button.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [] { FinestraAiuto::Apri(200); });
}

bool FinestraAvvio::Avvia(QString* errore) {
    // 1. The help is built in: every help button opens its topic in the help window.
    // 2. Settings database and its tables: without them the program cannot go on.
    if (!c_.impostazioni.ApriDatabaseImpostazioni(c_.cartellaProgramma, errore)) {
        return false;
    }
    // 3. The archive path.
    c_.impostazioni.LeggiParametro(QStringLiteral("PercorsoArchivio"), c_.percorsoArchivio);
    if (c_.percorsoArchivio.isEmpty() && !c_.archivioDemo.isEmpty() &&
        !QFileInfo::exists(c_.archivioDemo)) {
        // First run: a demo archive of made-up draws, so the program can be tried at once.
        CreaArchivioDaRighe(c_.archivioDemo,
                            GeneraArchivioDemo(EstrazioniDemoPredefinite, SemeDemoPredefinito),
                            QDateTime::currentDateTime(), nullptr);
    }
    if (c_.percorsoArchivio.isEmpty() && !c_.archivioDemo.isEmpty() &&
        QFileInfo::exists(c_.archivioDemo)) {
        // Nothing configured yet and a demo archive at hand: use it, as if chosen.
        QString etichetta;
        ApplicaSceltaArchivio(c_.impostazioni, c_.cartellaProgramma, c_.archivioDemo,
                              c_.percorsoArchivio, etichetta);
    }
    etichettaArchivio_->setText(c_.percorsoArchivio);
    // 4-5. The archive database; on failure the first-run prompt.
    if (!c_.archivioDb.ApriArchivio(c_.percorsoArchivio, nullptr)) {
        c_.dialoghi.Messaggio(
            this, Icona::Avviso, QStringLiteral("Selezionare Archivio"),
            QStringLiteral(
                "Attenzione, la prima volta è necessario configurare l'origine dell'archivio"));
        SelezionaArchivio();
    }
    // 6-8. The ordered parameter list and the web address found in it.
    c_.indirizzoInternet = IndirizzoDaElenco(c_.impostazioni.ElencoParametri(), QString());
    // 9-10. Caption and window.
    setWindowTitle(Contesto::TitoloAvvio());
    show();
    // 11. The first draw of the model list. 12. A failure here is reported; the window stays.
    QString iniziale;
    QString motivo;
    c_.impostazioni.LeggiParametro(QStringLiteral("EstrazioneIniziale"), iniziale, &motivo);
    c_.estrazioneIniziale = NumeroIniziale(iniziale);
    if (!motivo.isEmpty()) {
        c_.dialoghi.Messaggio(this, Icona::Critica, QStringLiteral("Anomalia"),
                              QStringLiteral("Errore nel passo \"lettura dei parametri di "
                                             "avvio\": ") +
                                  motivo);
    }
    return true;
}

void FinestraAvvio::RendiCorrente(const QString& percorso) {
    QString etichetta;
    if (ApplicaSceltaArchivio(c_.impostazioni, c_.cartellaProgramma,
                              QDir::toNativeSeparators(percorso), c_.percorsoArchivio, etichetta)) {
        etichettaArchivio_->setText(etichetta);
        return;
    }
    // The choice lives in the program folder: when it cannot be written there, the user is
    // told so rather than left wondering why nothing happened.
    c_.dialoghi.Messaggio(
        this, Icona::Avviso, QStringLiteral("Selezionare Archivio"),
        QStringLiteral("La scelta dell'archivio non può essere salvata: la cartella del "
                       "programma %1 non è scrivibile, quindi l'archivio resta quello di "
                       "prima.\n\nRendere scrivibile la cartella (oppure avviare il programma "
                       "con la variabile STROVEL_HOME impostata su una cartella scrivibile) e "
                       "ripetere la scelta.")
            .arg(QDir::toNativeSeparators(c_.cartellaProgramma)));
}

RichiestaFile FinestraAvvio::RichiestaArchivio(const QString& nomeFile,
                                               const QString& estensione) const {
    RichiestaFile r;
    r.cartella = c_.cartellaProgramma;
    r.nomeFile = nomeFile;
    r.filtro = QStringLiteral("File di archivio (*.Mdb)");
    r.estensione = estensione;
    // The settings database lives in the same folder with the same extension: it is no archive.
    r.escludi = {DatabaseImpostazioni::NomeFile()};
    return r;
}

void FinestraAvvio::SelezionaArchivio() {
    const auto scelto = c_.dialoghi.ApriFile(
        this, RichiestaArchivio(QStringLiteral("*.mdb"), QStringLiteral("Mdb")));
    if (!scelto) {
        return;
    }
    if (QFileInfo(*scelto) == QFileInfo(c_.impostazioni.Percorso())) {
        c_.dialoghi.Messaggio(this, Icona::Avviso, QStringLiteral("Selezionare Archivio"),
                              QStringLiteral("%1 è il database delle impostazioni del programma, "
                                             "non un archivio delle estrazioni: scegliere un "
                                             "altro file.")
                                  .arg(QDir::toNativeSeparators(*scelto)));
        return;
    }
    RendiCorrente(*scelto);
}

void FinestraAvvio::CreaArchivioDaTesto() {
    RichiestaFile testo;
    testo.cartella = c_.cartellaProgramma;
    testo.nomeFile = QStringLiteral("*.txt");
    testo.filtro = QStringLiteral("File di testo delle estrazioni (*.txt *.Txt)");
    testo.estensione = QStringLiteral("txt");
    const auto sorgente = c_.dialoghi.ApriFile(this, testo);
    if (!sorgente) {
        return;
    }
    const auto destinazione = c_.dialoghi.SalvaFile(
        this, RichiestaArchivio(QStringLiteral("Archivio.mdb"), QStringLiteral("mdb")));
    if (!destinazione) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString errore;
    const bool ok = strovel::CreaArchivioDaTesto(*sorgente, *destinazione, c_.adesso(), &errore);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        c_.dialoghi.Messaggio(this, Icona::Critica, QStringLiteral("Errore"), errore);
        return;
    }
    RendiCorrente(*destinazione);
    c_.dialoghi.Messaggio(this, Icona::Informazione, QStringLiteral("Archivio creato"),
                          QStringLiteral("L'archivio %1 è stato creato. Premere PROCEDI per "
                                         "caricarlo.")
                              .arg(QDir::toNativeSeparators(*destinazione)));
}

void FinestraAvvio::Procedi() {
    // The archive chosen in this session replaces the one opened at start-up, so that the
    // draws loaded and the table later edited are the same.
    QString motivoApertura;
    if (!c_.archivioDb.Aperto() ||
        QFileInfo(c_.archivioDb.Percorso()) != QFileInfo(c_.percorsoArchivio)) {
        if (c_.percorsoArchivio.isEmpty()) {
            motivoApertura = QStringLiteral("Nessun archivio è stato scelto: usare SELEZIONE "
                                            "ARCHIVIO oppure CREA ARCHIVIO DA TESTO.");
        } else {
            c_.archivioDb.ApriArchivio(c_.percorsoArchivio, &motivoApertura);
        }
    }
    const auto errore = CaricaArchivioAvvio(c_.archivioDb, c_.estrazioneIniziale, *c_.archivio,
                                            ProgressoSuBarra(barra_));
    if (!errore) {
        motivo_->hide();
        Q_EMIT Caricato();
        return;
    }
    // Nothing was loaded: the bar goes back to empty rather than stopping near the end.
    barra_->setValue(0);
    c_.dialoghi.Messaggio(this, Icona::Critica, QStringLiteral("Avviso"),
                          QStringLiteral("Attenzione, probabilmente è stato selezionato un "
                                         "altro archivio. Chiudere il programma e riavviarlo"));
    const bool nonAperto = errore->tipo == ErroreCaricamento::Tipo::ArchivioNonAperto;
    motivo_->setText(QStringLiteral("Motivo: ") +
                     (nonAperto && !motivoApertura.isEmpty() ? motivoApertura : errore->dettaglio));
    motivo_->show();
    if (errore->tipo == ErroreCaricamento::Tipo::EstrazioneIniziale) {
        OffriEstrazioneIniziale(errore->dettaglio);
    }
}

void FinestraAvvio::OffriEstrazioneIniziale(const QString& dettaglio) {
    // Neither a restart nor another archive mends a first draw outside the archive: the
    // program knows the fix and offers it.
    if (!c_.dialoghi.Domanda(this, QStringLiteral("Estrazione iniziale"),
                             dettaglio + QStringLiteral("\n\nRiportare EstrazioneIniziale a 1 "
                                                        "(tutto l'archivio) e caricare "
                                                        "l'archivio?"))) {
        return;
    }
    if (!c_.impostazioni.ScriviParametro(QStringLiteral("EstrazioneIniziale"),
                                         QStringLiteral("1"))) {
        c_.dialoghi.Messaggio(this, Icona::Avviso, QStringLiteral("Estrazione iniziale"),
                              QStringLiteral("Il valore 1 non può essere salvato nelle "
                                             "impostazioni: vale solo fino alla chiusura del "
                                             "programma."));
    }
    c_.estrazioneIniziale = 1;
    Procedi();
}

} // namespace strovel

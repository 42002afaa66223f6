// The archive window's list and exports tabs.

#include "archive/archivio_finestra.h"
#include "archive/calendario.h"
#include "archive/esportazioni.h"
#include "archive/modello_elenco.h"
#include "core/archivio.h"
#include "core/data_testo.h"
#include "storage/archivio_db.h"
#include "storage/file_sicuri.h"
#include "storage/impostazioni.h"
#include "storage/testo_qt.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/pulsanti.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// A line edit that empties itself on a double click (the web address box).
class CasellaIndirizzo : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { clear(); }
};

} // namespace

// --- Tab 1: list of draws and weekday calendar ---------------------------------------------------

QWidget* FinestraArchivio::CreaElenco() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* sopra = new QHBoxLayout();
    fgDB_ = new QTableView(pagina);
    fgDB_->setObjectName(QStringLiteral("FgDB"));
    modelloElenco_ = new ModelloElenco(*s_.archivio, fgDB_);
    fgDB_->setModel(modelloElenco_);
    fgDB_->setSelectionMode(QAbstractItemView::SingleSelection);
    fgDB_->verticalHeader()->setDefaultSectionSize(22);
    fgDB_->horizontalHeader()->setDefaultSectionSize(110);
    fgDB_->setColumnWidth(0, 90);
    connect(fgDB_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { modelloElenco_->Evidenzia(i.row()); });
    sopra->addWidget(fgDB_, 1);
    auto* pulsanti = new QVBoxLayout();
    auto* seleziona = CreaPulsante(pagina, "CmdSelezioneEstrazione", QStringLiteral("Seleziona"),
                                   QStringLiteral("Selezione estrazione"));
    auto* prima = CreaPulsante(pagina, "CmdPrimaEstrazione", QStringLiteral("|<"),
                               QStringLiteral("Vai alla prima estrazione"));
    auto* ultima = CreaPulsante(pagina, "CmdUltimaElenco", QStringLiteral(">|"),
                                QStringLiteral("Vai ultima estrazione"));
    connect(seleziona, &QPushButton::clicked, this, &FinestraArchivio::SelezionaDaElenco);
    connect(prima, &QPushButton::clicked, fgDB_, &QTableView::scrollToTop);
    connect(ultima, &QPushButton::clicked, fgDB_, &QTableView::scrollToBottom);
    label9_ = new QLabel(pagina);
    label9_->setObjectName(QStringLiteral("Label9"));
    label9_->setFrameShape(QFrame::StyledPanel);
    label9_->setAlignment(Qt::AlignCenter);
    pulsanti->addWidget(seleziona);
    pulsanti->addWidget(prima);
    pulsanti->addWidget(ultima);
    pulsanti->addWidget(new QLabel(QStringLiteral("Estrazioni"), pagina));
    pulsanti->addWidget(label9_);
    pulsanti->addStretch(1);
    sopra->addLayout(pulsanti);
    v->addLayout(sopra, 3);

    auto* gruppo = new QGroupBox(QStringLiteral("Calendario delle estrazioni"), pagina);
    auto* g = new QVBoxLayout(gruppo);
    auto* scelte = new QHBoxLayout();
    anni_ = new QComboBox(gruppo);
    anni_->setObjectName(QStringLiteral("ComboAnno"));
    for (int anno = 1939; anno <= s_.annoCorrente; ++anno) {
        anni_->addItem(QString::number(anno));
    }
    anni_->setCurrentIndex(anni_->count() - 1);
    sigla_ = new QCheckBox(QStringLiteral("Sigla giorno settimana"), gruppo);
    sigla_->setObjectName(QStringLiteral("ChSigla"));
    connect(anni_, &QComboBox::currentIndexChanged, this, &FinestraArchivio::CaricaCalendario);
    connect(sigla_, &QCheckBox::clicked, this, &FinestraArchivio::CaricaCalendario);
    scelte->addWidget(new QLabel(QStringLiteral("Anno"), gruppo));
    scelte->addWidget(anni_);
    scelte->addWidget(sigla_);
    scelte->addStretch(1);
    g->addLayout(scelte);
    g->addWidget(
        Nota(gruppo, QStringLiteral("1=(D) Domenica  2=(L) Lunedì   3=(M) Martedì  4=(m) "
                                    "Mercoledì  5=(G) Giovedì  6=(V) Venerdì  7=(S) Sabato")));
    fgCalendario_ = new GrigliaTabella(gruppo);
    fgCalendario_->setObjectName(QStringLiteral("FgCalendario"));
    fgCalendario_->verticalHeader()->setVisible(false);
    fgCalendario_->verticalHeader()->setDefaultSectionSize(22);
    connect(fgCalendario_, &GrigliaTabella::cellClicked, this, &FinestraArchivio::ClicCalendario);
    g->addWidget(fgCalendario_);
    v->addWidget(gruppo, 2);
    return pagina;
}

void FinestraArchivio::SelezionaDaElenco() {
    const int riga = fgDB_->currentIndex().row();
    if (riga < 0 || riga >= s_.archivio->TotEstrazioni) {
        return;
    }
    const int indice = riga + 1;
    MostraEstrazione(indice);
    const QString testoData =
        QString::fromStdString(s_.archivio->DateEstrazioni[static_cast<std::size_t>(indice)]);
    ImpostaCalendario(testoData);
    text1_->setText(testoData);
    schede_->setCurrentIndex(0);
}

void FinestraArchivio::CaricaCalendario() {
    const auto t = CalendarioAnno(*s_.db, anni_->currentText().toInt(), sigla_->isChecked());
    if (!t) {
        return; // a failing query leaves the grid as it was
    }
    calendarioMostrato_ = *t;
    MostraTabella(fgCalendario_, *t);
    fgCalendario_->setColumnHidden(0, true);
}

void FinestraArchivio::ClicCalendario(int riga, int colonna) {
    const auto giorno = DataDellaCella(calendarioMostrato_, static_cast<std::size_t>(riga),
                                       static_cast<std::size_t>(colonna));
    if (!giorno) {
        return;
    }
    const Archivio& a = *s_.archivio;
    for (int i = a.TotEstrazioni; i >= 1; --i) {
        if (a.DateEstrazioni[static_cast<std::size_t>(i)] == *giorno) {
            MostraEstrazione(i);
            ImpostaCalendario(Q(*giorno));
            text1_->setText(Q(*giorno));
            schede_->setCurrentIndex(0);
            return;
        }
    }
}

// --- Tab 2: exports and web address
// -----------------------------------------------------------------

QWidget* FinestraArchivio::CreaSalvataggi() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* esporta = new QGroupBox(QStringLiteral("Esportazioni"), pagina);
    auto* g = new QGridLayout(esporta);
    g->addWidget(
        Nota(esporta, QStringLiteral("Attenzione: questi due formati non prevedono i dati "
                                     "della ruota nazionale. Vengono salvate le estrazioni "
                                     "delle 10 ruote classiche.")),
        0, 0, 1, 3);
    auto* trindolo =
        CreaPulsante(esporta, "CmdTrindolo", QStringLiteral("SALVA IN FORMATO TRINDOLO"));
    auto* pelvano = CreaPulsante(esporta, "CmdPelvano",
                                 QStringLiteral("SALVA IN FORMATO PELVANO 3 (Dati.iii)"));
    auto* nazionale =
        CreaPulsante(esporta, "CmdNazionale", QStringLiteral("SALVA NAZIONALE FORMATO TESTO"));
    connect(trindolo, &QPushButton::clicked, this, &FinestraArchivio::SalvaTrindolo);
    connect(pelvano, &QPushButton::clicked, this, &FinestraArchivio::SalvaPelvano);
    connect(nazionale, &QPushButton::clicked, this, &FinestraArchivio::SalvaNazionale);
    g->addWidget(trindolo, 1, 0);
    g->addWidget(pelvano, 1, 1);
    g->addWidget(nazionale, 1, 2);
    percorsoDati_ = new QLabel(esporta);
    percorsoDati_->setObjectName(QStringLiteral("LblPercorsoDati"));
    percorsoDati_->setFrameShape(QFrame::StyledPanel);
    QString predefinito;
    s_.impostazioni->LeggiParametro(QStringLiteral("PercorsoDati.iii"), predefinito);
    percorsoDati_->setText(predefinito);
    auto* predefinita =
        CreaPulsante(esporta, "CmdRendePredefinita", QStringLiteral("RENDE PREDEFINITA"));
    connect(predefinita, &QPushButton::clicked, this, &FinestraArchivio::RendePredefinita);
    g->addWidget(percorsoDati_, 2, 0, 1, 2);
    g->addWidget(predefinita, 2, 2);
    g->addWidget(
        Nota(esporta, QStringLiteral("Attenzione, questo file deve essere obbligatoriamente "
                                     "salvato nella cartella C:/KVAR3/ .....")),
        3, 0, 1, 3);
    v->addWidget(esporta);

    auto* sito = new QGroupBox(QStringLiteral("Indirizzo Internet"), pagina);
    auto* h = new QGridLayout(sito);
    indirizzo_ = new CasellaIndirizzo(sito);
    indirizzo_->setObjectName(QStringLiteral("TxtIndirizzo"));
    auto* incolla = CreaPulsante(sito, "CmdIncollaIndirizzo", QStringLiteral("Incolla"),
                                 QStringLiteral("Incolla contenuto appunti"));
    connect(incolla, &QPushButton::clicked, this,
            [this] { indirizzo_->setText(QApplication::clipboard()->text()); });
    auto* predefinito2 =
        CreaPulsante(sito, "CmdRendePredefinito", QStringLiteral("RENDE PREDEFINITO"));
    connect(predefinito2, &QPushButton::clicked, this, &FinestraArchivio::RendePredefinito);
    h->addWidget(indirizzo_, 0, 0);
    h->addWidget(incolla, 0, 1);
    h->addWidget(predefinito2, 0, 2);
    h->addWidget(
        Nota(sito, QStringLiteral("Per modificare l'indirizzo internet predefinito, copiare "
                                  "l'indirizzo desiderato ed incollarlo in questa casella "
                                  "dopodichè usare il pulsante RENDE PREDEFINITO")),
        1, 0, 1, 3);
    v->addWidget(sito);
    v->addStretch(1);
    return pagina;
}

void FinestraArchivio::Esporta(const std::function<bool()>& scrivi) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (scrivi()) {
        s_.pb1.Completa();
    }
    QApplication::restoreOverrideCursor();
}

QStringList FinestraArchivio::FileProtetti() const {
    return {s_.db->Percorso(), s_.impostazioni->Percorso()};
}

void FinestraArchivio::DestinazioneRifiutata(const QString& motivo) {
    QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    s_.dialoghi->Messaggio(this, Icona::Critica, QStringLiteral("Esportazione"), motivo);
}

void FinestraArchivio::SalvaTrindolo() {
    Esporta([this] {
        const QString percorso = PercorsoTrindolo();
        const EsitoEsportazione esito =
            ScriviFileTesto(percorso, TestoTrindolo(*s_.archivio, s_.pb1), FileProtetti());
        if (esito.rifiutata) {
            DestinazioneRifiutata(esito.errore);
            return false;
        }
        if (!esito.ok) {
            QApplication::restoreOverrideCursor();
            QApplication::setOverrideCursor(Qt::ArrowCursor);
            s_.dialoghi->Messaggio(this, Icona::Nessuna, QApplication::applicationName(),
                                   QStringLiteral("Attenzione Trindolo non presente."));
            return false;
        }
        return true;
    });
}

void FinestraArchivio::SalvaPelvano() {
    Esporta([this] {
        RichiestaFile r;
        r.cartella = percorsoDati_->text().isEmpty()
                         ? s_.cartellaProgramma
                         : QFileInfo(percorsoDati_->text()).absolutePath();
        r.nomeFile = QStringLiteral("*.iii");
        r.filtro = QStringLiteral("File di archivio (*.iii)");
        r.estensione = QStringLiteral("iii");
        const auto scelto = s_.dialoghi->SalvaFile(this, r);
        if (!scelto) {
            return false; // a cancelled dialog ends silently
        }
        const EsitoEsportazione esito =
            ScriviPelvano(*s_.archivio, *scelto, FileProtetti(), s_.pb1);
        if (esito.rifiutata) {
            DestinazioneRifiutata(esito.errore);
        }
        if (!esito.ok) {
            return false; // a failed write ends silently; the old file is as it was
        }
        percorsoDati_->setText(*scelto);
        return true;
    });
}

void FinestraArchivio::SalvaNazionale() {
    Esporta([this] {
        RichiestaFile r;
        r.cartella = s_.cartellaProgramma;
        r.nomeFile = QStringLiteral("*.Txt");
        r.filtro = QStringLiteral("File di archivio (*.Txt)");
        r.estensione = QStringLiteral("Txt");
        const auto scelto = s_.dialoghi->SalvaFile(this, r);
        if (!scelto) {
            return false;
        }
        const EsitoEsportazione esito =
            ScriviFileTesto(*scelto, TestoNazionale(*s_.archivio, s_.pb1), FileProtetti());
        if (esito.rifiutata) {
            DestinazioneRifiutata(esito.errore);
        }
        return esito.ok;
    });
}

void FinestraArchivio::RendePredefinita() {
    if (s_.impostazioni->ScriviParametro(QStringLiteral("PercorsoDati.iii"),
                                         percorsoDati_->text())) {
        s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Salvataggio"),
                               QStringLiteral("Salvataggio effettuato"));
    }
}

void FinestraArchivio::RendePredefinito() {
    if (s_.impostazioni->ScriviParametro(QStringLiteral("IndirizzoInternet"), indirizzo_->text())) {
        if (s_.indirizzoInternet) {
            *s_.indirizzoInternet = indirizzo_->text();
        }
        lblIndirizzo_->setText(indirizzo_->text());
        s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Salvataggio"),
                               QStringLiteral("Salvataggio effettuato"));
    }
}

} // namespace strovel

#include "archive/archivio_finestra.h"

#include "archive/caselle_estrazione.h"
#include "archive/incolla.h"
#include "archive/modello_elenco.h"
#include "core/archivio.h"
#include "core/data_testo.h"
#include "core/intervallo.h"
#include "core/ruote.h"
#include "storage/archivio_db.h"
#include "storage/testo_qt.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/pulsanti.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// A label that reacts to a click (pAN_DC opens the index prompt).
class EtichettaCliccabile : public QLabel {
public:
    EtichettaCliccabile(std::function<void()> azione, QWidget* padre)
        : QLabel(padre), azione_(std::move(azione)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && azione_) {
            azione_();
        }
    }

private:
    std::function<void()> azione_;
};

QLabel* Valore(QWidget* padre, const char* nome) {
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(80);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QDate DataQt(const std::string& testo) {
    const auto d = LeggiData(testo);
    return d ? QDate(d->anno, d->mese, d->giorno) : QDate();
}

} // namespace

FinestraArchivio::FinestraArchivio(ServiziFinestra servizi, QWidget* padre)
    : QWidget(padre), s_(std::move(servizi)) {
    setObjectName(QStringLiteral("archivio"));
    setWindowTitle(QStringLiteral("Gestione archivio"));
    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SSTab1"));
    schede_->addTab(CreaGestione(), QStringLiteral("&Gestione estrazioni"));
    schede_->addTab(CreaElenco(), QStringLiteral("Elenco estrazioni"));
    schede_->addTab(CreaSalvataggi(), QStringLiteral("Salvataggi"));
    schede_->addTab(CreaAggiornamenti(), QStringLiteral("Aggiornamenti"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(schede_);

    // Opening: first tab, web address, status, light reload, the last draw, today.
    schede_->setCurrentIndex(0);
    const QString indirizzo = s_.indirizzoInternet ? *s_.indirizzoInternet : QString();
    lblIndirizzo_->setText(indirizzo);
    indirizzo_->setText(indirizzo);
    AggiornaStatoArchivio();
    RicaricaLeggera();
    MostraEstrazione(s_.archivio->TotEstrazioni);
    calendario_->setSelectedDate(s_.adesso().date());
    text1_->setText(s_.adesso().date().toString(QStringLiteral("dd/MM/yyyy")));
    CaricaCalendario();
    resize(1100, 720);
}

QWidget* FinestraArchivio::CreaGestione() {
    auto* pagina = new QWidget(this);
    auto* h = new QHBoxLayout(pagina);

    // The draw: index, date, progressives, boxes, scroll bar.
    auto* sinistra = new QVBoxLayout();
    auto* intestazione = new QGridLayout();
    pAN_DC_ = new EtichettaCliccabile([this] { ChiediIndice(); }, pagina);
    pAN_DC_->setObjectName(QStringLiteral("pAN_DC"));
    pAN_DC_->setFrameShape(QFrame::StyledPanel);
    pAN_DC_->setAlignment(Qt::AlignCenter);
    pAN_DC_->setMinimumWidth(70);
    pAN_DC_->setToolTip(QStringLiteral("Clic per scegliere l'indice dell'estrazione"));
    lblEstrazione_ = Valore(pagina, "LBLESTRAZIONE");
    mensile_ = Valore(pagina, "LblMensile");
    annuale_ = Valore(pagina, "LblAnnuale");
    intestazione->addWidget(new QLabel(QStringLiteral("Indice"), pagina), 0, 0);
    intestazione->addWidget(new QLabel(QStringLiteral("Data"), pagina), 0, 1);
    intestazione->addWidget(new QLabel(QStringLiteral("Mensile"), pagina), 0, 2);
    intestazione->addWidget(new QLabel(QStringLiteral("Annuale"), pagina), 0, 3);
    intestazione->addWidget(pAN_DC_, 1, 0);
    intestazione->addWidget(lblEstrazione_, 1, 1);
    intestazione->addWidget(mensile_, 1, 2);
    intestazione->addWidget(annuale_, 1, 3);
    sinistra->addLayout(intestazione);
    caselle_ = new CaselleEstrazione(pagina);
    sinistra->addWidget(caselle_);
    auto* navigazione = new QHBoxLayout();
    barra_ = new QScrollBar(Qt::Horizontal, pagina);
    barra_->setObjectName(QStringLiteral("HScrestrazione"));
    barra_->setMinimum(1);
    barra_->setMinimumWidth(160);
    connect(barra_, &QScrollBar::valueChanged, this, &FinestraArchivio::MostraEstrazione);
    auto* ultima = CreaPulsante(pagina, "CmdUltima", QStringLiteral(">|"),
                                QStringLiteral("Vai ultima estrazione"));
    auto* indice = CreaPulsante(pagina, "Command42", QStringLiteral("Indice"),
                                QStringLiteral("Ricerca per numero indice"));
    auto* perData = CreaPulsante(pagina, "Command59", QStringLiteral("Data"),
                                 QStringLiteral("Ricerca per data"));
    connect(ultima, &QPushButton::clicked, this,
            [this] { barra_->setValue(s_.archivio->TotEstrazioni); });
    connect(indice, &QPushButton::clicked, this, &FinestraArchivio::CercaIndiceModello);
    connect(perData, &QPushButton::clicked, this, &FinestraArchivio::CercaData);
    navigazione->addWidget(barra_, 1);
    navigazione->addWidget(ultima);
    navigazione->addWidget(indice);
    navigazione->addWidget(perData);
    sinistra->addLayout(navigazione);
    sinistra->addStretch(1);
    h->addLayout(sinistra);

    // Calendar, commands, status.
    auto* destra = new QVBoxLayout();
    calendario_ = new QCalendarWidget(pagina);
    calendario_->setObjectName(QStringLiteral("MonthView1"));
    calendario_->setGridVisible(true);
    calendario_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calendario_->setFirstDayOfWeek(Qt::Monday);
    calendario_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(calendario_, &QCalendarWidget::clicked, this, [this](QDate d) {
        text1_->setText(d.toString(QStringLiteral("dd/MM/yyyy")));
        text1_->setFocus();
    });
    destra->addWidget(calendario_);
    auto* dataScelta = new QHBoxLayout();
    text1_ = new QLineEdit(pagina);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    auto* oggi = CreaPulsante(pagina, "CmdOggi", QStringLiteral("Oggi"),
                              QStringLiteral("Imposta data odierna"));
    auto* imposta = CreaPulsante(pagina, "CmdImpostaData", QStringLiteral("Data estrazione"),
                                 QStringLiteral("Imposta data"));
    testoIncolla_ = new QLineEdit(pagina);
    testoIncolla_->setObjectName(QStringLiteral("TxtIncolla"));
    testoIncolla_->setPlaceholderText(QStringLiteral("testo incollato"));
    connect(oggi, &QPushButton::clicked, this, [this] {
        const QDate d = s_.adesso().date();
        calendario_->setSelectedDate(d);
        text1_->setText(d.toString(QStringLiteral("dd/MM/yyyy")));
    });
    connect(imposta, &QPushButton::clicked, this,
            [this] { ImpostaCalendario(lblEstrazione_->text()); });
    dataScelta->addWidget(new QLabel(QStringLiteral("Data selezionata"), pagina));
    dataScelta->addWidget(text1_);
    dataScelta->addWidget(oggi);
    dataScelta->addWidget(imposta);
    destra->addLayout(dataScelta);
    destra->addWidget(testoIncolla_);
    auto* nota =
        new QLabel(QStringLiteral("Attenzione: la data considerata è quella del calendario "
                                  "e riportata anche nella casella Data selezionata"),
                   pagina);
    nota->setWordWrap(true);
    destra->addWidget(nota);

    auto* comandi = new QGridLayout();
    const std::tuple<const char*, QString, void (FinestraArchivio::*)()> voci[] = {
        {"CmdSalva", QStringLiteral("SALVA ESTRAZIONE"), &FinestraArchivio::SalvaEstrazione},
        {"CmdModifica", QStringLiteral("MODIFICA ESTRAZIONE"),
         &FinestraArchivio::ModificaEstrazione},
        {"CmdElimina", QStringLiteral("ELIMINA ESTRAZIONE"), &FinestraArchivio::EliminaEstrazione},
        {"CmdAzzera", QStringLiteral("AZZERA GRID"), &FinestraArchivio::AzzeraGriglia},
    };
    int k = 0;
    for (const auto& [nome, testo, azione] : voci) {
        auto* b = CreaPulsante(pagina, nome, testo);
        connect(b, &QPushButton::clicked, this, azione);
        comandi->addWidget(b, k / 2, k % 2);
        ++k;
    }
    auto* incolla = CreaPulsante(pagina, "CmdIncolla", QStringLiteral("INCOLLA ESTRAZIONE"));
    connect(incolla, &QPushButton::clicked, this,
            [this] { IncollaEstrazione(QApplication::clipboard()->text()); });
    comandi->addWidget(incolla, 2, 0);
    destra->addLayout(comandi);

    auto* stato = new QGridLayout();
    lblAggiornato_ = Valore(pagina, "LBLAGGIORNATO");
    label2_ = Valore(pagina, "Label2");
    stato->addWidget(new QLabel(QStringLiteral("Dati aggiornati al"), pagina), 0, 0);
    stato->addWidget(lblAggiornato_, 0, 1);
    stato->addWidget(new QLabel(QStringLiteral("Num estraz"), pagina), 1, 0);
    stato->addWidget(label2_, 1, 1);
    destra->addLayout(stato);

    auto* sito = new QHBoxLayout();
    lblIndirizzo_ = new QLabel(pagina);
    lblIndirizzo_->setObjectName(QStringLiteral("LblIndirizzo"));
    auto* collega = CreaPulsante(pagina, "CmdCollega", QStringLiteral("COLLEGA AL SITO"));
    connect(collega, &QPushButton::clicked, this, [this] {
        if (s_.apriIndirizzo && s_.indirizzoInternet) {
            s_.apriIndirizzo(*s_.indirizzoInternet);
        }
    });
    sito->addWidget(lblIndirizzo_, 1);
    sito->addWidget(collega);
    destra->addLayout(sito);

    auto* aiuti = PulsantiAiuto(
        pagina, {{"CmDHelp", 320}, {"Command22", 330}, {"Command23", 340}, {"Command25", 350}});
    destra->addLayout(aiuti);
    destra->addStretch(1);
    h->addLayout(destra, 1);
    return pagina;
}

void FinestraArchivio::MostraEstrazione(int indice) {
    const Archivio& a = *s_.archivio;
    if (indice < 1 || indice > a.TotEstrazioni) {
        return;
    }
    corrente_ = indice;
    pAN_DC_->setText(QString::number(indice));
    lblEstrazione_->setText(
        QString::fromStdString(a.DateEstrazioni[static_cast<std::size_t>(indice)]));
    std::array<int, 55> numeri{};
    for (int w = 0; w < 11; ++w) {
        for (int p = 1; p <= 5; ++p) {
            numeri[static_cast<std::size_t>(w * 5 + p - 1)] = a.Estratti(indice, w, p);
        }
    }
    caselle_->Imposta(numeri);
    mensile_->setText(QString::number(a.ProgressivoMese[static_cast<std::size_t>(indice)]));
    annuale_->setText(QString::number(a.ProgressivoAnno[static_cast<std::size_t>(indice)]));
    if (barra_->value() != indice) {
        barra_->setValue(indice);
    }
}

void FinestraArchivio::ImpostaCalendario(const QString& testoData) {
    const QDate d = DataQt(S(testoData));
    if (d.isValid()) {
        calendario_->setSelectedDate(d);
    }
}

void FinestraArchivio::AzzeraGriglia() {
    caselle_->Azzera();
}

void FinestraArchivio::IncollaEstrazione(const QString& testo) {
    testoIncolla_->setText(testo);
    const std::vector<int> numeri = NumeriIncollati(S(testo));
    std::array<int, 55> valori{};
    for (std::size_t k = 0; k < numeri.size() && k < valori.size(); ++k) {
        valori[k] = numeri[k];
    }
    caselle_->Imposta(valori);
}

namespace {

RigaEstrazione RigaDalleCaselle(const CaselleEstrazione& c, const std::string& data) {
    RigaEstrazione r;
    r.data = data;
    for (int w = 0; w < 11; ++w) {
        r.ruote[static_cast<std::size_t>(w)] = S(c.TestoRuota(w));
    }
    return r;
}

const char* const DataGiaMemorizzata =
    "Attenzione probabilmente hai inserito una data già memorizzata...";

} // namespace

void FinestraArchivio::SalvaEstrazione() {
    const QDate d = calendario_->selectedDate();
    const QString corta = d.toString(QStringLiteral("dd/MM/yyyy"));
    if (!s_.dialoghi->Domanda(this, QStringLiteral("Salvataggio estrazione"),
                              QStringLiteral("Confermi il salvataggio dell'estrazione del ") +
                                  corta + QStringLiteral(" ?"))) {
        return;
    }
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    if (!s_.db->Aggiungi(RigaDalleCaselle(*caselle_, S(corta)), s_.adesso(), &errore, &causa)) {
        AnomaliaScrittura(causa, errore);
        return;
    }
    s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Salvataggio estrazione"),
                           QStringLiteral("Dati salvati correttamente. Ricarico archivio."));
    const int prima = s_.archivio->TotEstrazioni;
    Ricarica();
    if (s_.archivio->TotEstrazioni > prima) {
        barra_->setMaximum(s_.archivio->TotEstrazioni);
        barra_->setValue(s_.archivio->TotEstrazioni);
        MostraEstrazione(s_.archivio->TotEstrazioni);
    }
}

void FinestraArchivio::AnomaliaScrittura(CausaErrore causa, const QString& errore) {
    // The date message covers what a user usually does wrong; a file that is locked,
    // read-only, full or damaged, or an archive at its capacity, says so instead.
    const bool delFile = CausaDelFile(causa) && causa != CausaErrore::Altro;
    s_.dialoghi->Messaggio(
        this, Icona::Critica, QStringLiteral("Anomalia archivio"),
        delFile || causa == CausaErrore::Capienza ? errore : QString::fromUtf8(DataGiaMemorizzata));
}

void FinestraArchivio::ModificaEstrazione() {
    const int ricordato = corrente_;
    const QString giorno = lblEstrazione_->text();
    if (!s_.dialoghi->Domanda(this, QStringLiteral("Salvataggio estrazione"),
                              QStringLiteral("Confermi la modifica dell'estrazione del ") + giorno +
                                  QStringLiteral(" ?  La modifica è relativa agli estratti e viene "
                                                 "mantenuta la stessa data."))) {
        return;
    }
    if (s_.db->CercaData(giorno, nullptr) != EsitoRicerca::Trovata) {
        s_.dialoghi->Messaggio(this, Icona::Nessuna, QString(),
                               QStringLiteral("Elemento non trovato. Possibile anomalia"));
    } else {
        QString errore;
        CausaErrore causa = CausaErrore::Nessuna;
        if (!s_.db->Modifica(RigaDalleCaselle(*caselle_, S(giorno)), s_.adesso(), &errore,
                             &causa)) {
            AnomaliaScrittura(causa, errore);
            return;
        }
        s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Salvataggio estrazione"),
                               QStringLiteral("Modifica effettuata. Ricarico archivio."));
        Ricarica();
    }
    barra_->setValue(ricordato);
    MostraEstrazione(ricordato);
    ImpostaCalendario(giorno);
    fgImporta_->Svuota();
}

void FinestraArchivio::EliminaEstrazione() {
    const QString giorno = lblEstrazione_->text();
    if (!s_.dialoghi->Domanda(this, QStringLiteral("Eliminazione record"),
                              QStringLiteral("Attenzione: sarà eliminata l'estrazione del ") +
                                  giorno + QStringLiteral(".  Confermi ?"))) {
        return;
    }
    if (s_.db->CercaData(giorno, nullptr) != EsitoRicerca::Trovata) {
        return;
    }
    QString errore;
    if (!s_.db->Elimina(giorno, &errore)) {
        s_.dialoghi->Messaggio(this, Icona::Critica, QStringLiteral("Anomalia archivio"), errore);
        return;
    }
    s_.dialoghi->Messaggio(this, Icona::Informazione,
                           QStringLiteral("Sistemazione Archivio estrazioni"),
                           QStringLiteral("Estrazione cancellata. L'archivio verrà ricaricato."));
    Ricarica();
}

void FinestraArchivio::ChiediIndice() {
    const auto risposta =
        s_.dialoghi->Input(this, QStringLiteral("Indice estrazione"),
                           QStringLiteral("Digitare il numero indice"), QStringLiteral("3894"));
    if (!risposta) {
        return;
    }
    if (const auto k = IndiceDigitato(S(*risposta), 1, s_.archivio->TotEstrazioni)) {
        barra_->setValue(*k);
    }
}

void FinestraArchivio::CercaIndiceModello() {
    const auto risposta = s_.dialoghi->Input(
        this, QStringLiteral("Scelta estrazione"),
        QStringLiteral("Inserire il n° indice dell'archivio modello."), QString());
    if (!risposta) {
        return;
    }
    if (const auto k = IndiceDigitato(S(*risposta), 20, s_.archivio->NumEstrazioniAnalisi)) {
        barra_->setValue(*k);
    }
}

void FinestraArchivio::CercaData() {
    const auto risposta = s_.dialoghi->Input(this, QStringLiteral("Ricerca per data GG/MM/AAAA"),
                                             QStringLiteral("Data ?"), QString());
    if (!risposta) {
        return;
    }
    const auto k = CercaPosizioneData(*s_.archivio, S(*risposta), s_.archivio->NumEstrazioniAnalisi,
                                      LetturaPosizione::Modello);
    if (!k) {
        s_.dialoghi->Messaggio(this, Icona::Informazione, QStringLiteral("Cerca data"),
                               QStringLiteral("Data non trovata"));
        return;
    }
    // The draw found is the one of the model list's position k.
    barra_->setValue(s_.archivio->IndiceModello(*k));
}

// --- Reloads and status -------------------------------------------------------------------------

void FinestraArchivio::Ricarica() {
    const auto errore = CaricaArchivioExNovo(*s_.db, *s_.archivio, s_.pb1);
    s_.pb1.Completa();
    if (errore) {
        // The archive in memory stays as it was; the change is in the database.
        s_.dialoghi->Messaggio(this, Icona::Critica, QStringLiteral("Anomalia archivio"),
                               QStringLiteral("L'archivio non è stato ricaricato: ") +
                                   errore->dettaglio);
    }
    if (modelloElenco_) {
        modelloElenco_->Ricarica();
        fgDB_->scrollToBottom();
    }
    if (s_.dopoRicarica) {
        s_.dopoRicarica();
    }
    AggiornaStatoArchivio();
    fgImporta_->Svuota();
}

void FinestraArchivio::RicaricaLeggera() {
    if (CaricaTabellaArchivio(*s_.db, *s_.archivio)) {
        return; // the window shows what is in memory
    }
    const int r = s_.archivio->TotEstrazioni;
    modelloElenco_->Ricarica();
    fgDB_->scrollToBottom();
    label9_->setText(QString::number(r));
    barra_->setMaximum(r);
    barra_->setValue(r);
    ImpostaCalendario(
        QString::fromStdString(s_.archivio->DateEstrazioni[static_cast<std::size_t>(r)]));
}

void FinestraArchivio::AggiornaStatoArchivio() {
    const Archivio& a = *s_.archivio;
    lblAggiornato_->clear();
    label2_->clear();
    lblAggiornato_->setText(
        QString::fromStdString(a.DateEstrazioni[static_cast<std::size_t>(a.TotEstrazioni)]));
    label2_->setText(QString::number(a.TotEstrazioni));
    pAN_DC_->setText(QString::number(corrente_));
    barra_->setMaximum(std::max<int>(1, a.TotEstrazioni));
    barra_->setValue(a.TotEstrazioni);
    label9_->setText(QString::number(a.TotEstrazioni));
}

} // namespace strovel

#include "ui/selettore_intervallo.h"

#include "core/archivio.h"
#include "ui/dialoghi.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace strovel {

namespace {

ConfigurazioneBarra Barra(const QString& barra, const QString& etichetta, const QString& indice,
                          const QString& data, int minimo, Limite limiteIndice,
                          Limite limiteRicerca) {
    ConfigurazioneBarra c;
    c.nomeBarra = barra;
    c.nomeEtichetta = etichetta;
    c.nomeComandoIndice = indice;
    c.testoComandoIndice = QStringLiteral("Indice");
    c.nomeComandoData = data;
    c.testoComandoData = QStringLiteral("Data");
    c.minimoIndice = minimo;
    c.limiteIndice = limiteIndice;
    c.limiteRicerca = limiteRicerca;
    return c;
}

} // namespace

ConfigurazioneIntervallo ConfigurazionePer(FinestraIntervallo f, const QString& etichettaFine,
                                           const QString& etichettaInizio) {
    const Limite analisi = Limite::NumEstrazioniAnalisi;
    const Limite totale = Limite::TotEstrazioni;
    ConfigurazioneIntervallo c;
    switch (f) {
    case FinestraIntervallo::CicliStrovel:
    case FinestraIntervallo::AnalisiCicli:
    case FinestraIntervallo::AmbiCicli:
        c.fine = Barra(QStringLiteral("Hs2"), etichettaFine, QStringLiteral("Command61"),
                       QStringLiteral("Command62"), 20, analisi, analisi);
        break;
    case FinestraIntervallo::QuadratoMaltese:
        c.fine = Barra(QStringLiteral("hs1"), etichettaFine, QStringLiteral("Command42"),
                       QStringLiteral("Command42"), 20, analisi, analisi);
        break;
    case FinestraIntervallo::Archivio:
        c.fine = Barra(QStringLiteral("HScrestrazione"), etichettaFine, QStringLiteral("Command42"),
                       QStringLiteral("Command59"), 20, analisi, analisi);
        break;
    case FinestraIntervallo::MiniElenco:
        c.fine = Barra(QStringLiteral("hs1"), etichettaFine, QStringLiteral("Command42"),
                       QStringLiteral("Command42"), 1, analisi, analisi);
        break;
    case FinestraIntervallo::SequenzeRitardi:
    case FinestraIntervallo::AmboSomme:
        c.lettura = LetturaPosizione::Estrazione;
        c.conInizio = true;
        c.fine = Barra(QStringLiteral("HsFine"), etichettaFine, QStringLiteral("Command8"),
                       QStringLiteral("Command10"), 1, totale, totale);
        c.inizio = Barra(QStringLiteral("HsInizio"), etichettaInizio, QStringLiteral("Command61"),
                         QStringLiteral("Command62"), 1, totale, analisi);
        if (f == FinestraIntervallo::AmboSomme) {
            c.arretramentoInizio = ArretramentoAmboSomme;
            c.progressivoMese = true;
            c.inizio.estrazioneDiretta = true;
        } else {
            c.arretramentoInizio = ArretramentoSequenzeRitardi;
        }
        break;
    case FinestraIntervallo::AmbataDinamica:
    case FinestraIntervallo::CinquinaSpiona:
        c.lettura = LetturaPosizione::Estrazione;
        c.fine = Barra(QStringLiteral("HsFine"), etichettaFine, QStringLiteral("Command8"),
                       QStringLiteral("Command10"), 1, totale, totale);
        break;
    }
    return c;
}

ConfigurazioneIntervallo ConfigurazioneModello(const QString& nomeEtichetta) {
    return ConfigurazionePer(FinestraIntervallo::CicliStrovel, nomeEtichetta);
}

SelettoreIntervallo::SelettoreIntervallo(const Archivio& archivio, Dialoghi& dialoghi,
                                         ConfigurazioneIntervallo configurazione, QWidget* padre)
    : QWidget(padre), archivio_(archivio), dialoghi_(dialoghi), conf_(std::move(configurazione)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (conf_.conInizio) {
        layout->addWidget(CreaRiga(conf_.inizio, barraInizio_, etichettaInizio_, false));
    }
    layout->addWidget(CreaRiga(conf_.fine, barraFine_, etichettaFine_, true));
    connect(barraFine_, &QScrollBar::valueChanged, this, &SelettoreIntervallo::QuandoCambiaFine);
    if (barraInizio_) {
        connect(barraInizio_, &QScrollBar::valueChanged, this,
                &SelettoreIntervallo::QuandoCambiaInizio);
    }
    AggiornaArchivio();
    // Initial positions: the end at the latest draw, the start some draws before it.
    const int massimo = Massimo();
    ImpostaFine(massimo);
    QuandoCambiaFine(barraFine_->value());
    if (barraInizio_) {
        ImpostaInizio(InizioPredefinito(massimo, conf_.arretramentoInizio));
        QuandoCambiaInizio(barraInizio_->value());
    }
}

QWidget* SelettoreIntervallo::CreaRiga(const ConfigurazioneBarra& c, QScrollBar*& barra,
                                       QLabel*& etichetta, bool fine) {
    auto* riga = new QWidget(this);
    auto* layout = new QHBoxLayout(riga);
    layout->setContentsMargins(0, 0, 0, 0);
    barra = new QScrollBar(Qt::Horizontal, riga);
    barra->setObjectName(c.nomeBarra);
    barra->setMinimum(1);
    barra->setMinimumWidth(80);
    etichetta = new QLabel(riga);
    etichetta->setObjectName(c.nomeEtichetta);
    etichetta->setMinimumWidth(130);
    // The label keeps the width of its text; the bar gives way first.
    etichetta->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    etichetta->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(barra, 1);
    layout->addWidget(etichetta);
    if (!c.nomeComandoIndice.isEmpty()) {
        auto* b = new QPushButton(c.testoComandoIndice, riga);
        b->setAutoDefault(true);
        b->setObjectName(c.nomeComandoIndice);
        b->setToolTip(QStringLiteral("Ricerca per numero indice"));
        connect(b, &QPushButton::clicked, this, [this, fine] { ScegliIndice(fine); });
        layout->addWidget(b);
    }
    if (!c.nomeComandoData.isEmpty()) {
        auto* b = new QPushButton(c.testoComandoData, riga);
        b->setAutoDefault(true);
        b->setObjectName(c.nomeComandoData);
        b->setToolTip(QStringLiteral("Ricerca per data"));
        connect(b, &QPushButton::clicked, this, [this, fine] { CercaData(fine); });
        layout->addWidget(b);
    }
    return riga;
}

int SelettoreIntervallo::Massimo() const {
    // Positions read through the model list stay within it.
    return std::max(1, MassimoPosizioni(archivio_));
}

int SelettoreIntervallo::ValoreLimite(Limite limite) const {
    const int v =
        limite == Limite::TotEstrazioni ? archivio_.TotEstrazioni : archivio_.NumEstrazioniAnalisi;
    return conf_.lettura == LetturaPosizione::Modello ? std::min(v, Massimo()) : v;
}

void SelettoreIntervallo::AggiornaArchivio() {
    const int massimo = conf_.lettura == LetturaPosizione::Modello
                            ? Massimo()
                            : std::max<int>(1, archivio_.NumEstrazioniAnalisi);
    barraFine_->setMaximum(massimo);
    if (barraInizio_) {
        barraInizio_->setMaximum(massimo);
    }
}

void SelettoreIntervallo::Ricaricato() {
    AggiornaArchivio();
    QuandoCambiaFine(barraFine_->value());
    if (barraInizio_) {
        QuandoCambiaInizio(barraInizio_->value());
    }
}

void SelettoreIntervallo::ImpostaFine(int posizione) {
    // The archive may have grown since the last move: the new maximum first, or the value
    // would be clamped to the old one.
    AggiornaArchivio();
    barraFine_->setValue(posizione);
}

void SelettoreIntervallo::ImpostaInizio(int posizione) {
    AggiornaArchivio();
    if (barraInizio_) {
        barraInizio_->setValue(posizione);
    }
}

void SelettoreIntervallo::QuandoCambiaFine(int valore) {
    AggiornaArchivio();
    fine_ = valore;
    etichettaFine_->setText(QString::fromStdString(EtichettaPosizione(
        archivio_, valore, conf_.fine.estrazioneDiretta, conf_.progressivoMese)));
    if (barraInizio_ && fine_ < inizio_) {
        int inizio = inizio_;
        OrdinaIntervallo(inizio, fine_, true);
        barraInizio_->setValue(inizio);
    }
    Q_EMIT FineCambiata(fine_);
}

void SelettoreIntervallo::QuandoCambiaInizio(int valore) {
    inizio_ = valore;
    etichettaInizio_->setText(QString::fromStdString(EtichettaPosizione(
        archivio_, valore, conf_.inizio.estrazioneDiretta, conf_.progressivoMese)));
    if (inizio_ > fine_) {
        int fine = fine_;
        OrdinaIntervallo(inizio_, fine, false);
        barraFine_->setValue(fine);
    }
    Q_EMIT InizioCambiato(inizio_);
}

void SelettoreIntervallo::ScegliIndiceFine() {
    ScegliIndice(true);
}
void SelettoreIntervallo::ScegliIndiceInizio() {
    ScegliIndice(false);
}
void SelettoreIntervallo::CercaDataFine() {
    CercaData(true);
}
void SelettoreIntervallo::CercaDataInizio() {
    CercaData(false);
}

void SelettoreIntervallo::ScegliIndice(bool fine) {
    const ConfigurazioneBarra& c = fine ? conf_.fine : conf_.inizio;
    const auto risposta =
        dialoghi_.Input(this, QStringLiteral("Scelta estrazione"),
                        QStringLiteral("Inserire il n° indice dell'archivio modello."), QString());
    if (!risposta) {
        return;
    }
    const auto k =
        IndiceDigitato(risposta->toStdString(), c.minimoIndice, ValoreLimite(c.limiteIndice));
    if (!k) {
        return;
    }
    fine ? ImpostaFine(*k) : ImpostaInizio(*k);
}

void SelettoreIntervallo::CercaData(bool fine) {
    const ConfigurazioneBarra& c = fine ? conf_.fine : conf_.inizio;
    const QString titolo = conf_.lettura == LetturaPosizione::Modello
                               ? QStringLiteral("Ricerca per data GG/MM/AAAA")
                               : QString();
    const auto risposta = dialoghi_.Input(this, titolo, QStringLiteral("Data ?"), QString());
    if (!risposta) {
        return;
    }
    const auto k = CercaPosizioneData(archivio_, risposta->toStdString(),
                                      ValoreLimite(c.limiteRicerca), conf_.lettura);
    if (!k) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Cerca data"),
                            QStringLiteral("Data non trovata"));
        return;
    }
    fine ? ImpostaFine(*k) : ImpostaInizio(*k);
}

QLabel* CreaEtichettaSuccessive(const Archivio& archivio, SelettoreIntervallo* selettore,
                                QWidget* padre) {
    auto* etichetta = new QLabel(padre);
    etichetta->setObjectName(QStringLiteral("Label15"));
    etichetta->setToolTip(QStringLiteral("Estrazioni successive al riferimento"));
    etichetta->setMinimumWidth(40);
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->setFrameShape(QFrame::StyledPanel);
    auto aggiorna = [&archivio, etichetta](int posizione) {
        etichetta->setText(QString::number(archivio.NumEstrazioniAnalisi - posizione));
    };
    QObject::connect(selettore, &SelettoreIntervallo::FineCambiata, etichetta, aggiorna);
    aggiorna(selettore->Fine());
    return etichetta;
}

QLabel* CreaEtichettaConteggio(SelettoreIntervallo* selettore, QWidget* padre) {
    auto* etichetta = new QLabel(padre);
    etichetta->setObjectName(QStringLiteral("LblEstrazioni"));
    etichetta->setToolTip(QStringLiteral("Estrazioni nell'intervallo, inizio e fine comprese"));
    etichetta->setMinimumWidth(40);
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->setFrameShape(QFrame::StyledPanel);
    auto aggiorna = [selettore, etichetta] {
        etichetta->setText(QString::number(selettore->Fine() - selettore->Inizio() + 1));
    };
    QObject::connect(selettore, &SelettoreIntervallo::FineCambiata, etichetta, aggiorna);
    QObject::connect(selettore, &SelettoreIntervallo::InizioCambiato, etichetta, aggiorna);
    aggiorna();
    return etichetta;
}

} // namespace strovel

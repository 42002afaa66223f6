#include "methods/spia/cinquina_spiona_finestra.h"

#include "core/archivio.h"
#include "core/intervallo.h"
#include "core/ruote.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/pulsanti.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace strovel {

FinestraCinquinaSpiona::FinestraCinquinaSpiona(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "TerzineSpione", QStringLiteral("La cinquina spiona"), padre) {

    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* gruppo = new QGroupBox(QStringLiteral("Parametri"), sinistra);
    auto* g = new QGridLayout(gruppo);
    comboPres_ = CreaLista(gruppo, "ComboPres", liste_casi::Presenze);
    comboColpi_ = CreaLista(gruppo, "ComboColpi", liste_casi::Colpi);
    g->addWidget(EtichettaLista(gruppo, liste_casi::Presenze, comboPres_), 0, 0);
    g->addWidget(comboPres_, 1, 0);
    g->addWidget(EtichettaLista(gruppo, liste_casi::Colpi, comboColpi_), 0, 1);
    g->addWidget(comboColpi_, 1, 1);
    selezioni_ = std::make_unique<SelezioniMetodo>(CreaSelezioniMetodo(gruppo));
    g->addWidget(selezioni_->pannello, 2, 0, 1, 2);
    selettore_ = new SelettoreIntervallo(
        archivio_, dialoghi_,
        ConfigurazionePer(FinestraIntervallo::CinquinaSpiona, QStringLiteral("LblFine")), gruppo);
    g->addWidget(new QLabel(QStringLiteral("Estrazione delle spie (fine analisi)"), gruppo), 3, 0,
                 1, 2);
    g->addWidget(selettore_, 4, 0, 1, 2);
    colonna->addWidget(gruppo);

    auto* comandi = new QGroupBox(QStringLiteral("Comandi"), sinistra);
    auto* c = new QGridLayout(comandi);
    auto* elabora = CreaPulsante(comandi, "Command1", QStringLiteral("ELABORA"));
    auto* compagni =
        CreaPulsante(comandi, "Command2", QStringLiteral("Numeri compagni"),
                     QStringLiteral("I numeri usciti insieme al numero verificato nelle "
                                    "estrazioni vincenti"));
    connect(elabora, &QPushButton::clicked, this, &FinestraCinquinaSpiona::Elabora);
    connect(compagni, &QPushButton::clicked, this, &FinestraCinquinaSpiona::NumeriCompagni);
    label3_ = new QLabel(comandi);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setToolTip(QStringLiteral("Estrazioni dal caso più vecchio al più recente"));
    c->addWidget(elabora, 0, 0);
    c->addWidget(compagni, 0, 1);
    c->addWidget(
        CreaPulsanteFuoriCampione(comandi, QStringLiteral("Il primo numero della classifica a "
                                                          "una estrazione passata, giocato dopo "
                                                          "di essa")),
        1, 0);
    c->addWidget(CreaPulsanteProgressiva(comandi,
                                         QStringLiteral("Il primo numero della classifica ogni "
                                                        "tante estrazioni, giocato dopo ciascuna"),
                                         [this] { VerificaProgressiva(); }),
                 1, 1);
    c->addWidget(new QLabel(QStringLiteral("Arco dei casi:"), comandi), 2, 0);
    c->addWidget(label3_, 2, 1);
    lblAtteso_ = CreaNotaCaso(comandi, QStringLiteral("LblAtteso"),
                              QStringLiteral("Il CC che darebbe il caso: in media e per il "
                                             "migliore di 90 numeri"));
    c->addWidget(lblAtteso_, 3, 0, 1, 3);
    c->addLayout(PulsantiAiuto(comandi, {{"CmDHelp", 410}}), 0, 2);
    colonna->addWidget(comandi);
    colonna->addStretch(1);

    fg1_ = CreaGrigliaRisultati(this, QStringLiteral("Fg1"), IntestazioneCasiCinquina);
    fgE_ = CreaGrigliaRisultati(this, QStringLiteral("FgE"), IntestazioneNumeriCinquina);
    fgSort_ = CreaGrigliaRisultati(this, QStringLiteral("FgSort"), IntestazioneCompagni);
    // The summary of the cases: present, filled by no command of this window.
    fgStat2_ = CreaGrigliaRisultati(this, QStringLiteral("FgStat2"), IntestazioneRiepilogo);
    lblVerificato_ = new QLabel(QStringLiteral("Selezionare un numero per verificarlo"), this);
    lblVerificato_->setObjectName(QStringLiteral("LblVerificato"));
    connect(fgE_, &GrigliaTabella::cellClicked, this,
            [this](int riga, int) { VerificaRiga(riga); });

    auto* destra = new QSplitter(Qt::Vertical, this);
    destra->addWidget(fg1_);
    auto* sotto = new QWidget(destra);
    auto* s = new QGridLayout(sotto);
    s->setContentsMargins(0, 0, 0, 0);
    s->addWidget(lblVerificato_, 0, 0, 1, 3);
    s->addWidget(fgE_, 1, 0);
    s->addWidget(fgSort_, 1, 1);
    s->addWidget(fgStat2_, 1, 2);
    s->setColumnStretch(0, 3);
    s->setColumnStretch(1, 1);
    s->setColumnStretch(2, 1);
    destra->setStretchFactor(0, 1);
    destra->setStretchFactor(1, 2);

    Componi(sinistra, destra, nullptr, {1240, 780});
}

FinestraCinquinaSpiona::~FinestraCinquinaSpiona() = default;

ParametriCinquina FinestraCinquinaSpiona::LeggiParametri() const {
    ParametriCinquina p;
    p.rilevazione = selezioni_->Rilevazione();
    p.gioco = selezioni_->Gioco();
    p.posizioni = selezioni_->Posizioni();
    p.presenze = comboPres_->currentText().toInt();
    p.colpi = comboColpi_->currentText().toInt();
    p.fine = selettore_->Fine();
    return p;
}

void FinestraCinquinaSpiona::Elabora() {
    parametri_ = LeggiParametri();
    esito_ = ElaboraCinquina(archivio_, parametri_);
    verificato_ = 0;
    verifiche_.clear();
    MostraTabella(fg1_, TabellaCasiCinquina(archivio_, parametri_, esito_.casi));
    MostraTabella(fgE_, TabellaNumeriCinquina(archivio_, parametri_, esito_));
    MostraTabella(fgSort_, Tabella(IntestazioneCompagni));
    label3_->setText(QString::fromStdString(TestoSpan(esito_)));
    lblAtteso_->setText(esito_.casi.empty() ? QString()
                                            : QString::fromStdString(TestoCCAtteso(
                                                  AttesoCinquina(archivio_, parametri_, esito_))));
    lblVerificato_->setText(QStringLiteral("Selezionare un numero per verificarlo. ") +
                            CasiRilevatiSu());
}

QString FinestraCinquinaSpiona::CasiRilevatiSu() const {
    // The check of a number and its companions follow the cases ELABORA found: the selection
    // they were found on is said beside them, whatever the grids show now.
    return QString::fromStdString("Casi rilevati su: rilevazione " +
                                  DescriviSelezione(parametri_.rilevazione, parametri_.posizioni) +
                                  "; gioco " + DescriviRuote(parametri_.gioco) + ".");
}

void FinestraCinquinaSpiona::VerificaRiga(int riga) {
    const QString numero = fgE_->Testo(riga, 0);
    if (numero.isEmpty()) {
        return;
    }
    verificato_ = numero.toInt();
    verifiche_ = VerificaNumero(archivio_, parametri_, esito_.casi, verificato_);
    MostraTabella(fg1_, TabellaCasiCinquina(archivio_, parametri_, esito_.casi, &verifiche_));
    lblVerificato_->setText(QStringLiteral("Numero verificato: %1. ").arg(verificato_) +
                            CasiRilevatiSu());
}

void FinestraCinquinaSpiona::NumeriCompagni() {
    if (verificato_ == 0) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Numeri compagni"),
                            QStringLiteral("Selezionare prima un numero nella tabella dei numeri "
                                           "per verificarlo."));
        return;
    }
    MostraTabella(fgSort_, Compagni(archivio_, parametri_, esito_.casi, verifiche_, verificato_));
}

void FinestraCinquinaSpiona::VerificaFuoriCampione() {
    const ParametriCinquina p = LeggiParametri();
    FuoriCampioneDi(p.fine, AnalisiCinquina{p}, [](const FuoriCampioneCinquina& f, int e) {
        return TestoVerifica{TestoFuoriCampioneSpia(f, e)};
    });
}

void FinestraCinquinaSpiona::VerificaProgressiva() {
    ProgressivaDi(AnalisiCinquina{LeggiParametri()});
}

} // namespace strovel

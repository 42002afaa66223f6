#include "methods/maltese/maltese_finestra.h"

#include "core/archivio.h"
#include "core/intervallo.h"
#include "core/ruote.h"
#include "ui/dialoghi.h"
#include "ui/divisore_pannelli.h"
#include "ui/griglia.h"
#include "ui/menu_griglia.h"
#include "ui/pulsanti.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace strovel {

namespace {

// Per cinquina tab: the names of its ELABORA, verification and copy commands and its rule.
struct NomiScheda {
    const char* elabora;
    const char* verifica;
    const char* copia;
    const char* regola;
};
constexpr std::array<NomiScheda, 3> Nomi = {{
    {"Command4", "Command5", "Command9",
     "Moltiplicazione dei cinque estratti, Divisione per il prodotto dei loro Complementi 90: "
     "i decimali del Risultato, letti a coppie di cifre vicine, danno la Cinquina."},
    {"Command7", "Command6", "Command12",
     "Moltiplicazione dei primi tre estratti, Divisione per il prodotto degli ultimi due: i "
     "decimali del Risultato, letti a coppie di cifre vicine, danno la Cinquina."},
    {"Command10", "Command11", "Command24",
     "Moltiplicazione del primo estratto per il quinto (Moltiplicatore), Divisione per il "
     "Complemento 90 del terzo: i decimali del Risultato, letti a coppie di cifre vicine, danno "
     "la Cinquina."},
}};

QListWidget* CreaRiepilogo(QWidget* padre, const char* nome) {
    auto* l = new QListWidget(padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    l->setMaximumHeight(90);
    l->setMinimumWidth(150);
    return l;
}

const QString SuggerimentoCaso =
    QStringLiteral("I positivi che darebbe il caso con le stesse giocate");

QString Testo(const Confronto& c) {
    return c.casi > 0 ? QString::fromStdString(TestoConfronto(c)) : QString();
}

void Riempi(QListWidget* lista, const RiepilogoEsiti& r, int nonIncassabili = -1) {
    lista->clear();
    for (const std::string& riga : RigheRiepilogo(r, nonIncassabili)) {
        lista->addItem(QString::fromStdString(riga));
    }
}

} // namespace

FinestraQuadratoMaltese::FinestraQuadratoMaltese(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "Metodi_QuadratoMaltese", QStringLiteral("Il quadrato Maltese"),
                      padre) {

    // The parameters every tab reads, above the tabs.
    auto* parametri = new QGroupBox(QStringLiteral("Parametri"), this);
    auto* gp = new QGridLayout(parametri);
    combo1_ = new QComboBox(parametri);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    for (int w = 0; w < 11; ++w) {
        combo1_->addItem(QString::fromStdString(Sigla(w)));
    }
    combo3_ = CreaLista(parametri, "Combo3", liste_maltese::Casi);
    combo4_ = CreaLista(parametri, "Combo4", liste_maltese::Colpi);
    selettore_ = new SelettoreIntervallo(
        archivio_, dialoghi_,
        ConfigurazionePer(FinestraIntervallo::QuadratoMaltese, QStringLiteral("Label14")),
        parametri);
    gp->addWidget(new QLabel(QStringLiteral("Ruota"), parametri), 0, 0);
    gp->addWidget(combo1_, 1, 0);
    gp->addWidget(EtichettaLista(parametri, liste_maltese::Casi, combo3_), 0, 1);
    gp->addWidget(combo3_, 1, 1);
    gp->addWidget(EtichettaLista(parametri, liste_maltese::Colpi, combo4_), 0, 2);
    gp->addWidget(combo4_, 1, 2);
    gp->addWidget(new QLabel(QStringLiteral("Ultima estrazione dei casi"), parametri), 0, 3);
    // The button array Command42: the last draw here, the typed index and the date in the
    // selector.
    auto* ultima = CreaPulsante(parametri, "Command42", QStringLiteral("Ultima"),
                                QStringLiteral("Porta la barra all'ultima estrazione"));
    connect(ultima, &QPushButton::clicked, this,
            [this] { selettore_->ImpostaFine(archivio_.NumEstrazioniAnalisi); });
    auto* barra = new QHBoxLayout();
    barra->addWidget(selettore_);
    barra->addWidget(ultima);
    gp->addLayout(barra, 1, 3);
    auto* decimali =
        CreaPulsante(parametri, "Command3", QStringLiteral("VISUALIZZA NUMERI CON DECIMALI"));
    decimali->setMinimumWidth(decimali->sizeHint().width());
    connect(decimali, &QPushButton::clicked, this, &FinestraQuadratoMaltese::VisualizzaDecimali);
    gp->addWidget(decimali, 1, 4);
    gp->addLayout(PulsantiAiuto(parametri, {{"CmDHelp", 480}}), 1, 5);
    gp->setColumnStretch(6, 1);

    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SchedeMaltese"));
    schede_->addTab(CreaPrimaScheda(schede_), QStringLiteral("Versione semplificata per ambata"));
    for (int s = 0; s < 3; ++s) {
        schede_->addTab(CreaSchedaCinquina(schede_, s),
                        QStringLiteral("Cinquina per ambo e terno %1").arg(s + 1));
    }
    decimali->setEnabled(false);
    connect(schede_, &QTabWidget::currentChanged, decimali,
            [decimali](int scheda) { decimali->setEnabled(scheda > 0); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(parametri);
    layout->addWidget(schede_, 1);
    resize(1200, 760);
}

QWidget* FinestraQuadratoMaltese::CreaPrimaScheda(QWidget* padre) {
    auto* sinistra = new QWidget(padre);
    auto* v = new QVBoxLayout(sinistra);
    v->setContentsMargins(0, 0, 0, 0);
    auto* elabora = CreaPulsante(sinistra, "Command1", QStringLiteral("ELABORA"));
    connect(elabora, &QPushButton::clicked, this, &FinestraQuadratoMaltese::Elabora);
    auto* pulsanti = new QHBoxLayout();
    pulsanti->addWidget(elabora);
    pulsanti->addWidget(
        CreaPulsanteFuoriCampione(sinistra, QStringLiteral("I casi dopo una estrazione passata")));
    v->addLayout(pulsanti);

    // The legend beside the square it explains.
    auto* legenda = new QGroupBox(QStringLiteral("Disposizione estratti"), sinistra);
    auto* vl = new QVBoxLayout(legenda);
    vl->setSpacing(0);
    auto* colonne = new QLabel(QStringLiteral("1       2         3"), legenda);
    colonne->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    vl->addWidget(colonne);
    for (const char* regola :
         {"A1 = Antiquinto (5° estratto 1° estrazione",
          "A3 = Primo ultimo (1° estratto 2° estrazione",
          "C1 = Quinto ultimo (5° estratto 2° estrazione", "A2 = A1 - A3", "B1 = C1 - A1",
          "C2 = A2 x B1", "B2 = C2 - A2", "B3 = B1 + B2", "C3 = A3 + B3"}) {
        vl->addWidget(new QLabel(QString::fromUtf8(regola), legenda));
    }
    fgX_ = CreaGrigliaRisultati(sinistra, QStringLiteral("FgX"), " |1|2|3");
    fgX_->setFixedHeight(4 * fgX_->verticalHeader()->defaultSectionSize() + 8);
    auto* quadrato = new QHBoxLayout();
    quadrato->addWidget(legenda);
    quadrato->addWidget(fgX_, 0, Qt::AlignTop);
    v->addLayout(quadrato);
    list4_ = CreaRiepilogo(sinistra, "List4");
    list4_->setMaximumHeight(112); // five lines: the hits at colpo 1 too
    v->addWidget(list4_);
    v->addWidget(Nota(sinistra, QStringLiteral("1* = uscita al colpo 1, nell'estrazione da cui si "
                                               "ricava l'ambata: non incassabile.")));
    lblCaso_ = CreaNotaCaso(sinistra, QStringLiteral("LblCaso"), SuggerimentoCaso);
    v->addWidget(lblCaso_);
    v->addStretch(1);

    auto* destra = new QWidget(padre);
    auto* vd = new QVBoxLayout(destra);
    vd->setContentsMargins(0, 0, 0, 0);
    fg1_ = CreaGrigliaRisultati(destra, QStringLiteral("Fg1"), IntestazioneMaltese);
    auto* copia =
        CreaPulsante(destra, "Command8", QStringLiteral("Copia"), QStringLiteral("Copia tabella"));
    connect(copia, &QPushButton::clicked, this, [this] { CopiaTabella(fg1_); });
    auto* riga = new QHBoxLayout();
    riga->addStretch(1);
    riga->addWidget(copia);
    vd->addLayout(riga);
    vd->addWidget(fg1_, 1);
    connect(fg1_, &GrigliaTabella::cellClicked, this, [this](int r, int) { MostraQuadrato(r); });
    MostraTabella(fg1_, Tabella(IntestazioneMaltese));
    MostraTabella(fgX_, Tabella(" |1|2|3"));

    auto* divisore = new DivisorePannelli(sinistra, destra, padre);
    divisore->setObjectName(QStringLiteral("DivisoreMaltese"));
    return divisore;
}

QWidget* FinestraQuadratoMaltese::CreaSchedaCinquina(QWidget* padre, int s) {
    SchedaCinquina& scheda = cinquine_[static_cast<std::size_t>(s)];
    const NomiScheda& nomi = Nomi[static_cast<std::size_t>(s)];
    auto* w = new QWidget(padre);
    auto* v = new QVBoxLayout(w);

    auto* comandi = new QHBoxLayout();
    scheda.calcolatrice = new QRadioButton(QStringLiteral("Modalità calcolatrice"), w);
    scheda.calcolatrice->setObjectName(QStringLiteral("Calcolatrice%1").arg(s + 1));
    scheda.calcolatrice->setChecked(true);
    scheda.decimaliFissi = new QRadioButton(QStringLiteral("Modalità decimali fissi"), w);
    scheda.decimaliFissi->setObjectName(QStringLiteral("DecimaliFissi%1").arg(s + 1));
    scheda.cifre = new QLineEdit(QString::number(CifrePredefinite), w);
    scheda.cifre->setObjectName(QStringLiteral("Cifre%1").arg(s + 1));
    scheda.cifre->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}")), scheda.cifre));
    scheda.cifre->setMaximumWidth(50);
    comandi->addWidget(scheda.calcolatrice);
    comandi->addWidget(scheda.decimaliFissi);
    comandi->addWidget(new QLabel(QStringLiteral("Cifre"), w));
    comandi->addWidget(scheda.cifre);
    auto* elabora = CreaPulsante(w, nomi.elabora, QStringLiteral("ELABORA"));
    connect(elabora, &QPushButton::clicked, this, [this, s] { ElaboraCinquina(s); });
    auto* verifica = CreaPulsante(w, nomi.verifica, QStringLiteral("VERIFICA TERNO"),
                                  QStringLiteral("Verifica le cinquine per terno"));
    connect(verifica, &QPushButton::clicked, this, [this, s] { VerificaTerno(s); });
    comandi->addWidget(elabora);
    comandi->addWidget(verifica);
    comandi->addStretch(1);
    scheda.casi =
        CreaGrigliaRisultati(w, QStringLiteral("FgCinquina%1").arg(s + 1), IntestazioneCinquina);
    auto* copia =
        CreaPulsante(w, nomi.copia, QStringLiteral("Copia"), QStringLiteral("Copia tabella"));
    connect(copia, &QPushButton::clicked, this, [this, &scheda] { CopiaTabella(scheda.casi); });
    comandi->addWidget(copia);
    v->addLayout(comandi);
    v->addWidget(Nota(w, QString::fromUtf8(nomi.regola)));

    auto* divisore = new QSplitter(Qt::Vertical, w);
    divisore->setObjectName(QStringLiteral("DivisoreCinquina%1").arg(s + 1));
    divisore->addWidget(scheda.casi);
    auto* sotto = new QSplitter(Qt::Horizontal, divisore);
    auto* riepilogo = new QWidget(sotto);
    auto* vr = new QVBoxLayout(riepilogo);
    vr->setContentsMargins(0, 0, 0, 0);
    scheda.riepilogo = CreaRiepilogo(
        riepilogo, QStringLiteral("ListCinquina%1").arg(s + 1).toLatin1().constData());
    scheda.decimali = CreaGrigliaRisultati(sotto, QStringLiteral("FgDecimali%1").arg(s + 1),
                                           IntestazioneDecimali);
    scheda.caso = CreaNotaCaso(riepilogo, QStringLiteral("LblCaso%1").arg(s + 1), SuggerimentoCaso);
    vr->addWidget(scheda.riepilogo);
    vr->addWidget(scheda.caso);
    vr->addStretch(1);
    sotto->addWidget(riepilogo);
    sotto->addWidget(scheda.decimali);
    sotto->setStretchFactor(1, 1);
    divisore->addWidget(sotto);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 1);
    v->addWidget(divisore, 1);
    MostraTabella(scheda.casi, Tabella(IntestazioneCinquina));
    MostraTabella(scheda.decimali, Tabella(IntestazioneDecimali));
    return w;
}

void FinestraQuadratoMaltese::CopiaTabella(GrigliaTabella* griglia) {
    CopiaGriglia(griglia);
}

ParametriMaltese FinestraQuadratoMaltese::LeggiParametri() const {
    ParametriMaltese p;
    p.ruota = combo1_->currentIndex();
    p.casi = combo3_->currentText().toInt();
    p.colpi = combo4_->currentIndex() + 1;
    p.fine = selettore_->Fine();
    return p;
}

void FinestraQuadratoMaltese::Elabora() {
    list4_->clear();
    lblCaso_->clear();
    const ParametriMaltese p = LeggiParametri();
    casi_ = ElaboraMaltese(archivio_, p);
    MostraTabella(fg1_, TabellaMaltese(archivio_, p.ruota, casi_));
    if (!casi_.empty()) {
        MostraTabella(fgX_, TabellaQuadrato(casi_.back().quadrato));
        Riempi(list4_, RiassumiMaltese(casi_), NonIncassabili(casi_));
        lblCaso_->setText(Testo(ConfrontaMaltese(casi_)));
    }
}

void FinestraQuadratoMaltese::MostraQuadrato(int riga) {
    if (riga >= 0 && riga < static_cast<int>(casi_.size())) {
        MostraTabella(fgX_, TabellaQuadrato(casi_[static_cast<std::size_t>(riga)].quadrato));
    }
}

void FinestraQuadratoMaltese::ElaboraCinquina(int s) {
    SchedaCinquina& scheda = cinquine_[static_cast<std::size_t>(s)];
    const int cifre = scheda.cifre->text().toInt();
    if (cifre < CifreMinime) {
        dialoghi_.Messaggio(this, Icona::Avviso, QStringLiteral("Avviso"),
                            QString::fromUtf8(MessaggioCifre));
        return;
    }
    const ParametriMaltese base = LeggiParametri();
    ParametriCinquinaMaltese p;
    p.ruota = base.ruota;
    p.casi = base.casi;
    p.colpi = base.colpi;
    p.fine = base.fine;
    p.variante = s + 1;
    p.modalita = scheda.decimaliFissi->isChecked() ? ModalitaDecimali::DecimaliFissi
                                                   : ModalitaDecimali::Calcolatrice;
    p.cifre = cifre;
    // The latest draw has no next draw to tell whether it closes its month: from the 25th on,
    // the user says.
    const int ultima = archivio_.NumEstrazioniAnalisi;
    if (p.fine >= ultima && ChiedereUltima(archivio_.Data(archivio_.IndiceModello(ultima)))) {
        p.ultimaDelMese =
            dialoghi_.Domanda(this, QStringLiteral("Richiesta"), QString::fromUtf8(DomandaUltima));
    }
    scheda.dati = ElaboraCinquinaMaltese(archivio_, p);
    scheda.ruota = p.ruota;
    scheda.colpi = p.colpi;
    MostraCinquine(s);
    MostraTabella(scheda.decimali, Tabella(IntestazioneDecimali));
}

void FinestraQuadratoMaltese::VerificaTerno(int s) {
    SchedaCinquina& scheda = cinquine_[static_cast<std::size_t>(s)];
    if (scheda.dati.empty()) {
        return;
    }
    VerificaCinquine(archivio_, scheda.ruota, scheda.colpi, 3, scheda.dati);
    MostraCinquine(s);
}

void FinestraQuadratoMaltese::MostraCinquine(int s) {
    SchedaCinquina& scheda = cinquine_[static_cast<std::size_t>(s)];
    MostraTabella(scheda.casi, TabellaCinquina(archivio_, scheda.ruota, scheda.dati));
    Riempi(scheda.riepilogo, RiassumiCinquine(scheda.dati));
    scheda.caso->setText(Testo(ConfrontaCinquine(scheda.dati)));
}

void FinestraQuadratoMaltese::VisualizzaDecimali() {
    const int s = schede_->currentIndex() - 1;
    if (s < 0 || s > 2) {
        return;
    }
    SchedaCinquina& scheda = cinquine_[static_cast<std::size_t>(s)];
    MostraTabella(scheda.decimali, TabellaDecimali(scheda.dati));
}

void FinestraQuadratoMaltese::VerificaFuoriCampione() {
    const ParametriMaltese p = LeggiParametri();
    FuoriCampioneDi(p.fine - 1, UnAnnoPrima(archivio_, p.fine), AnalisiMaltese{p},
                    [](const auto& f, int riferimento) {
                        return TestoVerifica{
                            TestoVerificaDopo(riferimento, f.riepilogo, f.confronto)};
                    });
}

} // namespace strovel

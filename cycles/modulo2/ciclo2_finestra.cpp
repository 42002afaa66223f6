#include "cycles/modulo2/ciclo2_finestra.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "cycles/strovel/strovel_statistiche.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/pulsanti.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// Grids side by side (or one above the other) that share a tab page.
QSplitter* Affianca(QWidget* padre, std::initializer_list<QWidget*> parti,
                    Qt::Orientation verso = Qt::Horizontal) {
    auto* s = new QSplitter(verso, padre);
    for (QWidget* w : parti) {
        s->addWidget(w);
    }
    s->setChildrenCollapsible(false);
    return s;
}

} // namespace

FinestraCiclo2::FinestraCiclo2(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "Ciclo2", QStringLiteral("Strovel: Modulo 2"), padre),
      sessione_(*servizi.archivio), pb1_(servizi.pb1) {
    // The selection the cycles were counted on sits above the tabs: every tab shows grids
    // made from those counts.
    auto* destra = new QWidget(this);
    auto* v = new QVBoxLayout(destra);
    v->setContentsMargins(0, 0, 0, 0);
    lblRilevati_ = new QLabel(destra);
    lblRilevati_->setObjectName(QStringLiteral("LblRilevati"));
    lblRilevati_->setWordWrap(true);
    v->addWidget(lblRilevati_);
    QTabWidget* risultati = CreaRisultati();
    risultati->setUsesScrollButtons(true);
    v->addWidget(risultati, 1);
    Componi(CreaControlli(), destra, "DivisoreCiclo2", {1280, 820});
    for (GrigliaSelezione* g : {fgR_, fgPP_}) {
        connect(g, &GrigliaSelezione::SelezioneCambiata, this,
                &FinestraCiclo2::AggiornaDidascaliaRilevazione);
    }
}

QWidget* FinestraCiclo2::CreaControlli() {
    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);

    auto* parametri = new QGroupBox(QStringLiteral("Parametri"), sinistra);
    auto* g = new QGridLayout(parametri);
    cicli_ = CreaLista(parametri, "Combo_Cicli", liste_ciclo2::Cicli);
    durata_ = CreaLista(parametri, "Combo_Durata", liste_ciclo2::Durata);
    considera_ = CreaLista(parametri, "ComboConsidera", liste_ciclo2::Considera);
    salto_ = CreaLista(parametri, "ComboSalto", liste_ciclo2::Salto);
    colpi_ = CreaLista(parametri, "ComboColpi", liste_ciclo2::Colpi);
    retro_ = CreaLista(parametri, "ComboRetro", liste_ciclo2::Retro);
    colpi_->setToolTip(QStringLiteral("Estrazioni osservate dall'inizio di ogni ciclo"));
    namespace l = liste_ciclo2;
    const std::pair<const ListaValori&, QComboBox*> voci[] = {
        {l::Cicli, cicli_}, {l::Durata, durata_}, {l::Considera, considera_},
        {l::Salto, salto_}, {l::Colpi, colpi_},   {l::Retro, retro_}};
    int k = 0;
    for (const auto& [descrizione, lista] : voci) {
        g->addWidget(EtichettaLista(parametri, descrizione, lista), k / 3 * 2, k % 3);
        g->addWidget(lista, k / 3 * 2 + 1, k % 3);
        ++k;
    }
    selettore_ = new SelettoreIntervallo(
        archivio_, dialoghi_,
        ConfigurazionePer(FinestraIntervallo::AnalisiCicli, QStringLiteral("Label3")), parametri);
    label15_ = CreaEtichettaSuccessive(archivio_, selettore_, parametri);
    // The bar takes the whole width; the count of later draws sits beside its title.
    g->addWidget(new QLabel(QStringLiteral("Estrazione di riferimento"), parametri), 4, 0, 1, 2);
    g->addWidget(label15_, 4, 2, Qt::AlignRight);
    g->addWidget(selettore_, 5, 0, 1, 3);
    colonna->addWidget(parametri);

    // Positions and wheels: a green cell is selected.
    auto* selezioni = new QGroupBox(QStringLiteral("Selezioni"), sinistra);
    auto* s = new QGridLayout(selezioni);
    fgPP_ = CreaGrigliaPosizioni(selezioni, "FgPP");
    // No wheel chosen at opening, as in the Strovel module; every position chosen.
    fgR_ = CreaGrigliaRuote(selezioni, "FgR", 11);
    const auto [selTutti, desel] = PulsantiSelezione(selezioni, fgR_, "LblSelTutti", "LblDesel");
    fgPP_->setAccessibleName(QStringLiteral("Posizioni"));
    fgR_->setAccessibleName(QStringLiteral("Ruote"));
    auto* posizioni = new QLabel(QStringLiteral("Posizioni"), selezioni);
    posizioni->setBuddy(fgPP_);
    s->addWidget(posizioni, 0, 0);
    s->addWidget(fgPP_, 0, 1, 1, 2);
    s->addWidget(new QLabel(QStringLiteral("Ruote"), selezioni), 1, 0);
    s->addWidget(selTutti, 1, 1);
    s->addWidget(desel, 1, 2);
    s->addWidget(fgR_, 2, 0, 1, 3);
    colonna->addWidget(selezioni);

    auto* comandi = new QGroupBox(QStringLiteral("Comandi"), sinistra);
    auto* c = new QGridLayout(comandi);
    auto* rileva = CreaPulsante(comandi, "Command12", QStringLiteral("RILEVA CICLI"));
    connect(rileva, &QPushButton::clicked, this, &FinestraCiclo2::RilevaCicli_);
    c->addWidget(rileva, 0, 0, 1, 2);
    const std::tuple<const char*, const char*, void (FinestraCiclo2::*)()> verifiche[] = {
        {"Command16", "VERIFICA 1", &FinestraCiclo2::Verifica1},
        {"Command10", "VERIFICA 2", &FinestraCiclo2::Verifica2},
        {"Command17", "ULTIME PRESENZE", &FinestraCiclo2::UltimePresenze},
        {"Command11", "RITARDI", &FinestraCiclo2::Ritardi},
    };
    int i = 0;
    for (const auto& [nome, testo, azione] : verifiche) {
        auto* b = CreaPulsante(comandi, nome, QString::fromUtf8(testo));
        connect(b, &QPushButton::clicked, this, azione);
        c->addWidget(b, 1 + i / 2, i % 2);
        ++i;
    }
    chAmbata_ = new QCheckBox(QStringLiteral("Ambata"), comandi);
    chAmbi_ = new QCheckBox(QStringLiteral("Ambi"), comandi);
    chQuartina_ = new QCheckBox(QStringLiteral("Quartina"), comandi);
    auto* scelte = new QHBoxLayout();
    for (QCheckBox* ch : {chAmbata_, chAmbi_, chQuartina_}) {
        ch->setChecked(true);
        scelte->addWidget(ch);
    }
    chAmbata_->setObjectName(QStringLiteral("ChAmbata"));
    chAmbi_->setObjectName(QStringLiteral("ChAmbi"));
    chQuartina_->setObjectName(QStringLiteral("ChQuartina"));
    c->addLayout(scelte, 3, 0, 1, 2);
    c->addWidget(
        CreaPulsanteFuoriCampione(comandi, QStringLiteral("Il numero con più cicli a una "
                                                          "estrazione passata, verificato nei "
                                                          "cicli dopo di essa")),
        4, 0);
    c->addWidget(CreaPulsanteProgressiva(comandi,
                                         QStringLiteral("Il numero con più cicli ogni ciclo, "
                                                        "verificato nel ciclo dopo"),
                                         [this] { VerificaProgressiva(); }),
                 4, 1);
    // The help pages wrap to the panel's width; the times of the runs beside them.
    auto* aiuti = new QHBoxLayout();
    aiuti->addLayout(PulsantiAiuto(comandi, {{"CmDHelp", 270},
                                             {"CmDHelp2", 280},
                                             {"CmDHelp3", 290},
                                             {"CmDHelp4", 300},
                                             {"CmDHelp5", 310}}),
                     1);
    list1_ = new QListWidget(comandi);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Orari delle elaborazioni"));
    list1_->setToolTip(QStringLiteral("Orari delle elaborazioni"));
    list1_->setFixedSize(80, 52);
    aiuti->addWidget(list1_, 0, Qt::AlignTop);
    c->addLayout(aiuti, 5, 0, 1, 2);
    colonna->addWidget(comandi);
    colonna->addStretch(1);
    return sinistra;
}

QTabWidget* FinestraCiclo2::CreaRisultati() {
    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SchedeRisultati"));
    schede_->addTab(CreaSchedaFormazioni(), QStringLiteral("Formazioni classiche"));
    schede_->addTab(CreaSchedaSerie(), QStringLiteral("Serie e ambetti"));
    schede_->addTab(CreaSchedaAmbate(), QStringLiteral("Ambate + abbinamenti"));
    return schede_;
}

QWidget* FinestraCiclo2::CreaSchedaFormazioni() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    v->addLayout(RigaComandi(
        pagina, {{"Command22", QStringLiteral("ELABORA"),
                  QStringLiteral("Verifica nei cicli le previsioni scelte"), [this] { Elabora(); }},
                 {"CMD_CalcolaPresenzeNumeri", QStringLiteral("PRESENZE NUMERI"), QString(),
                  [this] { PresenzeNumeri(); }},
                 {"Command29", QStringLiteral("VERIFICA"),
                  QStringLiteral("Verifica le previsioni dopo il riferimento"),
                  [this] { VerificaPrevisioni(); }},
                 {"CmdGraficoPresenze", QStringLiteral("GRAFICO PRESENZE"),
                  QStringLiteral("Le presenze nei cicli del numero scelto nella tabella Numeri"),
                  [this] { GraficoPresenze(); }}}));
    lblGruppo_ = new QLabel(pagina);
    lblGruppo_->setObjectName(QStringLiteral("LblGruppo"));
    v->addWidget(lblGruppo_);

    fgCicli_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgCicli"), IntestazioneCicli2);
    fgMax_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgMax"), IntestazioneDistribuzione);
    fgMax_->setSelectionBehavior(QAbstractItemView::SelectItems);
    fgB1_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgB1"), IntestazioneNumeri);
    fgB2_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgB2"), IntestazioneNumeri);
    fgB3_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgB3"), IntestazioneNumeri);
    fgAA_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgAA"), IntestazioneVerificaInsiemi);
    fgStat_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgStat"), IntestazioneStatisticaInsiemi);
    fg1_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fg1"), IntestazioneEsitiCicli);
    fgStat2_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgStat2"), "|Val|Percentuale");
    Mostra(fgCicli_, TabellaCicli2({}));
    Mostra(fgStat_, TabellaStatisticaInsiemi({}));
    Mostra(fgStat2_, TabellaRiepilogoCicli({}));

    // The forecast grid: ten numbers and T per row; a click on the first cell toggles the row.
    fgH_ = new QTableWidget(10, 12, pagina);
    fgH_->setObjectName(QStringLiteral("FgH"));
    QStringList titoli{QStringLiteral(" ")};
    for (int n = 1; n <= 10; ++n) {
        titoli << QString::number(n);
    }
    titoli << QStringLiteral("T");
    fgH_->setHorizontalHeaderLabels(titoli);
    fgH_->verticalHeader()->setVisible(false);
    fgH_->horizontalHeader()->setDefaultSectionSize(34);
    for (int r = 0; r < 10; ++r) {
        auto* prima = new QTableWidgetItem(QString::number(r + 1));
        prima->setFlags(Qt::ItemIsEnabled);
        fgH_->setItem(r, 0, prima);
    }
    fgH_->setToolTip(QStringLiteral("Fino a dieci numeri e T (quanti devono uscire insieme) per "
                                    "riga; un clic sulla prima cella fa partecipare la riga"));
    connect(fgH_, &QTableWidget::cellClicked, this, [this](int r, int c) {
        if (c == 0) {
            ImpostaPartecipa(r, fgH_->item(r, 0)->background().style() == Qt::NoBrush);
        }
    });

    connect(fgMax_, &GrigliaTabella::cellClicked, this, &FinestraCiclo2::ScegliGruppo);
    connect(fgCicli_, &GrigliaTabella::cellClicked, this, [this](int r, int) { MostraCiclo(r); });

    auto* interne = new QTabWidget(pagina);
    interne->setObjectName(QStringLiteral("SchedeFormazioni"));
    interne->addTab(fgCicli_, QStringLiteral("Cicli"));
    interne->addTab(fgMax_, QStringLiteral("Distribuzione"));
    lblAtteso_ = CreaNota(pagina, "LblAtteso",
                          QStringLiteral("Il CC che darebbe il caso: in media e per il migliore "
                                         "di 90 numeri"));
    lblCaso_ = CreaNota(pagina, "LblCaso",
                        QStringLiteral("I cicli positivi che darebbero estrazioni a caso"));
    interne->addTab(Affianca(pagina, {Titolata(pagina, QStringLiteral("Numeri"),
                                               ConNota(pagina, fgB1_, lblAtteso_)),
                                      Titolata(pagina, QStringLiteral("Per cicli"), fgB2_),
                                      Titolata(pagina, QStringLiteral("Previsti"), fgB3_)}),
                    QStringLiteral("Presenze numeri"));
    interne->addTab(Affianca(pagina,
                             {Titolata(pagina, QStringLiteral("Previsione"), fgH_),
                              Titolata(pagina, QStringLiteral("Statistica"), fgStat_)},
                             Qt::Vertical),
                    QStringLiteral("Previsione"));
    interne->addTab(fgAA_, QStringLiteral("Verifica nei cicli"));
    interne->addTab(Affianca(pagina, {fg1_, ConNota(pagina, fgStat2_, lblCaso_)}, Qt::Vertical),
                    QStringLiteral("Esiti"));
    v->addWidget(interne, 1);
    return pagina;
}

QWidget* FinestraCiclo2::CreaSchedaSerie() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* opzioni = new QHBoxLayout();
    auto* gSorte = new QGroupBox(QStringLiteral("Sorte"), pagina);
    auto* hs = new QHBoxLayout(gSorte);
    sorte_ = CreaLista(gSorte, "ComboSorte", liste_ciclo2::Sorte);
    hs->addWidget(sorte_);
    auto* gScoperti = new QGroupBox(pagina);
    auto* hsc = new QHBoxLayout(gScoperti);
    scoperti_ = new QRadioButton(QStringLiteral("Scoperti"), gScoperti);
    scoperti_->setObjectName(QStringLiteral("OptScoperti"));
    scoperti_->setToolTip(
        QStringLiteral("Solo i numeri della serie non usciti nel ciclo più recente"));
    auto* tutti = new QRadioButton(QStringLiteral("Tutti"), gScoperti);
    tutti->setObjectName(QStringLiteral("OptTutti"));
    tutti->setChecked(true);
    hsc->addWidget(scoperti_);
    hsc->addWidget(tutti);
    opzioni->addWidget(gSorte);
    opzioni->addWidget(gScoperti);
    opzioni->addStretch(1);
    v->addLayout(opzioni);
    v->addLayout(RigaComandi(
        pagina,
        {{"Command3", QStringLiteral("Decine"), QString(), [this] { Serie(TipoClasse::Decina); }},
         {"Command19", QStringLiteral("Cadenze"), QString(),
          [this] { Serie(TipoClasse::Cadenza); }},
         {"Command20", QStringLiteral("Figure"), QString(), [this] { Serie(TipoClasse::Figura); }},
         {"Command7", QStringLiteral("VERIFICA SERIE"),
          QStringLiteral("Verifica nei cicli la serie scelta con un clic sulla sua colonna"),
          [this] { VerificaSerie(); }},
         {"Command4", QStringLiteral("VERIFICA AMBETTI"),
          QStringLiteral("Verifica nei cicli gli ambetti del gruppo scelto nella distribuzione"),
          [this] { VerificaAmbetti(); }}}));
    lblSerie_ = new QLabel(pagina);
    lblSerie_->setObjectName(QStringLiteral("LblSerie"));
    v->addWidget(lblSerie_);

    fgSerie_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgSerie"), IntestazioneSerie);
    fgSerie_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    connect(fgSerie_, &GrigliaTabella::cellClicked, this, [this](int, int c) { ScegliSerie(c); });
    // The column's title chooses the series as a cell of it does.
    connect(fgSerie_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FinestraCiclo2::ScegliSerie);
    fgN_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgN"), IntestazioneNumeriAmbetti);
    fg90_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fg90"), IntestazioneCoppie);
    fgB4_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgB4"), IntestazioneEsitiAmbetti);
    fg91_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fg91"), IntestazioneCoppie);
    fgY_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgY"), IntestazioneColpiAmbetto);
    connect(fg91_, &GrigliaTabella::cellClicked, this, [this](int r, int) { MostraAmbetto(r); });
    lblAmbetti_ = CreaNota(pagina, "LblAttesoAmbetti",
                           QStringLiteral("Gli esiti che darebbe il caso: in media e per la "
                                          "migliore di altrettante coppie"));
    auto* interne = new QTabWidget(pagina);
    interne->setObjectName(QStringLiteral("SchedeSerie"));
    interne->addTab(fgSerie_, QStringLiteral("Serie"));
    auto* elenchi = Affianca(pagina, {Titolata(pagina, QStringLiteral("Numeri"), fgN_),
                                      Titolata(pagina, QStringLiteral("Coppie"), fg90_),
                                      Titolata(pagina, QStringLiteral("Esiti"), fgB4_),
                                      Titolata(pagina, QStringLiteral("Migliori"),
                                               ConNota(pagina, fg91_, lblAmbetti_))});
    interne->addTab(Affianca(pagina, {elenchi, fgY_}, Qt::Vertical), QStringLiteral("Ambetti"));
    v->addWidget(interne, 1);
    return pagina;
}

QWidget* FinestraCiclo2::CreaSchedaAmbate() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* opzioni = new QHBoxLayout();
    auto* gAbb = new QGroupBox(QStringLiteral("Abbinamenti"), pagina);
    auto* ha = new QHBoxLayout(gAbb);
    abbinamenti_ = CreaLista(gAbb, "Comboss", liste_ciclo2::Abbinamenti);
    abbinamenti_->setToolTip(QStringLiteral("Abbinamenti da giocare con l'ambata"));
    ha->addWidget(abbinamenti_);
    opzioni->addWidget(gAbb);
    lblAmbata_ = new QLabel(pagina);
    lblAmbata_->setObjectName(QStringLiteral("LblAmbata"));
    opzioni->addWidget(lblAmbata_, 1);
    v->addLayout(opzioni);
    v->addLayout(RigaComandi(
        pagina,
        {{"Command23", QStringLiteral("AMBI"), QString(), [this] { Ambi(); }},
         {"Command24", QStringLiteral("ABBINAMENTI"), QString(), [this] { Abbinamenti_(); }},
         {"Command47", QStringLiteral("VERIFICA"),
          QStringLiteral("Ambata e abbinamenti in verifica dopo il riferimento"),
          [this] { VerificaAbbinamenti(); }},
         {"Cmd_Elimina", QStringLiteral("Elimina"), QStringLiteral("Elimina riga selezionata"),
          [this] { EliminaQuartina(); }}}));

    fgA1_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgA1"), IntestazioneNumeri);
    connect(fgA1_, &GrigliaTabella::cellClicked, this, [this](int r, int) { ScegliAmbata(r); });
    fgK1_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgK1"), IntestazioneAbbinamenti);
    fgK2_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgK2"), IntestazioneGiocoAbbinamenti);
    fgK90_ = CreaGrigliaRisultati(pagina, QStringLiteral("FGK90"), IntestazioneAbbinamenti);
    fgx_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fgx"), IntestazioneTerzine);
    fgAmbi_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgAmbi"), IntestazioneAmbi2);
    fgEl_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgEl"), IntestazioneAmbi2);
    fg13_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fg13"), IntestazioneQuartine);
    fgUU_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgUU"), IntestazioneVerifica);
    fgPres_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgPres"), IntestazionePresenze);
    fgRit_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgRit"), IntestazioneRitardi);
    fgE_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgE"), "Ruota|1|2|3|4|5");
    lblEstrazione_ = new QLabel(pagina);
    lblEstrazione_->setObjectName(QStringLiteral("Label2"));

    auto* interne = new QTabWidget(pagina);
    interne->setObjectName(QStringLiteral("SchedeAmbate"));
    // The candidates and the pairings above, the play and the triples below: on a small
    // screen every grid keeps the width of its columns.
    auto* candidati =
        Affianca(pagina, {Titolata(pagina, QStringLiteral("Ambate"), fgA1_),
                          Titolata(pagina, QStringLiteral("Abbinamenti"), fgK1_),
                          Titolata(pagina, QStringLiteral("Tutti i numeri"), fgK90_)});
    auto* gioco = Affianca(pagina, {Titolata(pagina, QStringLiteral("Gioco"), fgK2_),
                                    Titolata(pagina, QStringLiteral("Terzine"), fgx_)});
    interne->addTab(Affianca(pagina, {candidati, gioco}, Qt::Vertical), QStringLiteral("Ambate"));
    interne->addTab(Affianca(pagina, {Titolata(pagina, QStringLiteral("Per cicli"), fgAmbi_),
                                      Titolata(pagina, QStringLiteral("Per ritardo"), fgEl_)}),
                    QStringLiteral("Ambi"));
    interne->addTab(Affianca(pagina, {fg13_, fgUU_}, Qt::Vertical), QStringLiteral("Verifica"));
    auto* estrazione = new QWidget(pagina);
    auto* ve = new QVBoxLayout(estrazione);
    ve->setContentsMargins(0, 0, 0, 0);
    ve->addWidget(lblEstrazione_);
    ve->addWidget(fgE_, 1);
    interne->addTab(Affianca(pagina, {fgPres_, fgRit_, estrazione}),
                    QStringLiteral("Presenze e ritardi"));
    v->addWidget(interne, 1);
    return pagina;
}

void FinestraCiclo2::ImpostaPartecipa(int riga, bool partecipa) {
    fgH_->item(riga, 0)->setBackground(partecipa ? QBrush(ColoreQt(ColoreSelezione)) : QBrush());
}

void FinestraCiclo2::Mostra(GrigliaTabella* griglia, Tabella t) {
    MostraTabella(griglia, std::move(t));
}

void FinestraCiclo2::MostraInterna(GrigliaTabella* griglia) {
    // Every tab page on the way up to the window is brought to the front.
    QWidget* figlio = griglia;
    for (QWidget* p = griglia->parentWidget(); p != nullptr && p != this;
         figlio = p, p = p->parentWidget()) {
        if (auto* pila = qobject_cast<QStackedWidget*>(p)) {
            if (auto* schede = qobject_cast<QTabWidget*>(pila->parentWidget())) {
                schede->setCurrentWidget(figlio);
            }
        }
    }
}

} // namespace strovel

#include "cycles/ambi/ambi_cicli_finestra.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/pulsanti.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// Number n's cell in a two-column list of 45 rows: 1..45 down the first column, 46..90 down
/// the second; the selection grid lays its items row by row.
int Voce(int n) {
    return n <= 45 ? (n - 1) * 2 : (n - 46) * 2 + 1;
}

} // namespace

FinestraAmbiCicli::FinestraAmbiCicli(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "CicliAMbi", QStringLiteral("Gli ambi nei cicli"), padre),
      sessione_(*servizi.archivio), pb1_(servizi.pb1) {
    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SchedeRisultati"));
    schede_->setUsesScrollButtons(true);
    schede_->addTab(CreaSchedaAmbi(), QStringLiteral("Ambi nei cicli"));
    schede_->addTab(CreaSchedaVerifica(), QStringLiteral("Verifica ambi"));
    Componi(CreaControlli(), schede_, "DivisoreAmbiCicli", {1280, 820});
}

GrigliaSelezione* FinestraAmbiCicli::CreaNumeri(QWidget* padre, const char* nome) {
    auto* g = new GrigliaSelezione(padre);
    g->setObjectName(QString::fromLatin1(nome));
    QStringList voci;
    for (int r = 0; r < 45; ++r) {
        voci << QString::number(r + 1) << QString::number(r + 46);
    }
    g->Imposta(voci, 2);
    g->setColumnWidth(0, 34);
    g->setColumnWidth(1, 34);
    g->setFixedWidth(34 * 2 + 24);
    g->setMinimumHeight(160);
    return g;
}

QWidget* FinestraAmbiCicli::CreaControlli() {
    // The parameters with the reference bar across the top; below, the numbers beside the
    // wheels and the commands.
    auto* sinistra = new QWidget(this);
    auto* impila = new QVBoxLayout(sinistra);
    impila->setContentsMargins(0, 0, 0, 0);
    auto* colonne = new QHBoxLayout();

    // The numbers: the list, a whole class at once, all or none.
    auto* numeri = new QGroupBox(QStringLiteral("Numeri"), sinistra);
    auto* vn = new QVBoxLayout(numeri);
    fg90_ = CreaNumeri(numeri, "Fg90");
    vn->addWidget(fg90_, 1);
    combo2_ = new QComboBox(numeri);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->addItems({QStringLiteral("D"), QStringLiteral("C"), QStringLiteral("F")});
    combo2_->setToolTip(QStringLiteral("D decina, C cadenza, F figura"));
    combo1_ = CreaLista(numeri, "Combo1", liste_ambi_cicli::Classe);
    combo1_->setToolTip(QStringLiteral("Valore della classe, da 0 a 9"));
    auto* classe = new QGridLayout();
    classe->addWidget(new QLabel(QStringLiteral("Classe"), numeri), 0, 0);
    classe->addWidget(new QLabel(QStringLiteral("Valore"), numeri), 0, 1);
    classe->addWidget(combo2_, 1, 0);
    classe->addWidget(combo1_, 1, 1);
    vn->addLayout(classe);
    auto* formazioni = CreaPulsante(numeri, "LblFormazioni", QStringLiteral("Formazioni"),
                                    QStringLiteral("Seleziona i numeri della classe scelta"));
    connect(formazioni, &QPushButton::clicked, this, &FinestraAmbiCicli::Formazioni);
    vn->addWidget(formazioni);
    auto* tuttiN = CreaPulsante(numeri, "LblSelTuttiN", QStringLiteral("Seleziona tutti"));
    auto* nessunoN = CreaPulsante(numeri, "LblDeselN", QStringLiteral("Deseleziona"));
    connect(tuttiN, &QPushButton::clicked, fg90_, &GrigliaSelezione::SelezionaTutti);
    connect(nessunoN, &QPushButton::clicked, fg90_, &GrigliaSelezione::Deseleziona);
    vn->addWidget(tuttiN);
    vn->addWidget(nessunoN);
    colonne->addWidget(numeri);

    auto* destra = new QWidget(sinistra);
    auto* v = new QVBoxLayout(destra);
    v->setContentsMargins(0, 0, 0, 0);
    auto* parametri = new QGroupBox(QStringLiteral("Parametri"), sinistra);
    auto* g = new QGridLayout(parametri);
    cicli_ = CreaLista(parametri, "Combo_Cicli", liste_ambi_cicli::Cicli);
    durata_ = CreaLista(parametri, "Combo_Durata", liste_ambi_cicli::Durata);
    g->addWidget(EtichettaLista(parametri, liste_ambi_cicli::Cicli, cicli_), 0, 0);
    g->addWidget(EtichettaLista(parametri, liste_ambi_cicli::Durata, durata_), 0, 1);
    g->addWidget(cicli_, 1, 0);
    g->addWidget(durata_, 1, 1);
    selettore_ = new SelettoreIntervallo(
        archivio_, dialoghi_,
        ConfigurazionePer(FinestraIntervallo::AmbiCicli, QStringLiteral("Label3")), parametri);
    g->addWidget(new QLabel(QStringLiteral("Estrazione di riferimento"), parametri), 2, 0, 1, 2);
    g->addWidget(selettore_, 3, 0, 1, 2);
    check1_ = new QCheckBox(QStringLiteral("Ordine decrescente"), parametri);
    check1_->setObjectName(QStringLiteral("Check1"));
    g->addWidget(check1_, 4, 0, 1, 2);
    impila->addWidget(parametri);
    impila->addLayout(colonne, 1);

    auto* ruote = new QGroupBox(QStringLiteral("Ruote"), destra);
    auto* gr = new QGridLayout(ruote);
    fgR_ = CreaGrigliaRuote(ruote, "FgR", 6);
    fgR_->SelezionaTutti();
    const auto [tuttiR, nessunoR] = PulsantiSelezione(ruote, fgR_, "LblSelTutti", "LblDesel");
    gr->addWidget(fgR_, 0, 0, 1, 2);
    gr->addWidget(tuttiR, 1, 0);
    gr->addWidget(nessunoR, 1, 1);
    v->addWidget(ruote);

    auto* comandi = new QGroupBox(QStringLiteral("Comandi"), destra);
    auto* c = new QGridLayout(comandi);
    AggiungiComandi(
        comandi, c, 2,
        {
            {"Command1", QStringLiteral("ELABORA"), QString(), [this] { Elabora(); }},
            {"cMD_4", QStringLiteral("Elabora 2 ambi"), QStringLiteral("Elabora 2 ambi"),
             [this] { Gruppi(2); }},
            {"Cmd_33", QStringLiteral("Elabora 3 ambi"), QStringLiteral("Elabora 3 ambi"),
             [this] { Gruppi(3); }},
            {"Command22", QStringLiteral("Ultime negative"),
             QStringLiteral("Evidenzia ultime negative"), [this] { EvidenziaUltimeNegative(); }},
            {"Cmd_elimina", QStringLiteral("Elimina"), QStringLiteral("Elimina riga selezionata"),
             [this] { Elimina(); }},
            {"Cmd_adatta", QStringLiteral("Adatta"),
             QStringLiteral("Adatta le colonne al contenuto"), [this] { Adatta(); }},
            {"CmdGraficoPresenze", QStringLiteral("Grafico presenze"),
             QStringLiteral("Le uscite nei cicli dell'ambo selezionato"),
             [this] { GraficoPresenze(); }},
            {"CmdFuoriCampione", QStringLiteral("Verifica fuori campione"),
             QStringLiteral("L'ambo con più cicli a una estrazione passata, verificato nei cicli "
                            "dopo di essa"),
             [this] { VerificaFuoriCampione(); }},
            {"CmdProgressiva", QStringLiteral("Verifica progressiva"),
             QStringLiteral("L'ambo con più cicli ogni ciclo, verificato nel ciclo dopo"),
             [this] { VerificaProgressiva(); }},
        });
    c->addLayout(PulsantiAiuto(comandi, {{"CmDHelp", 420}, {"CmDHelp2", 440}, {"CmDHelp3", 450}}),
                 5, 0, 1, 2);
    list1_ = new QListWidget(comandi);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setMaximumHeight(60);
    c->addWidget(list1_, 6, 0, 1, 2);
    v->addWidget(comandi);
    v->addStretch(1);
    colonne->addWidget(destra, 1);
    return sinistra;
}

QWidget* FinestraAmbiCicli::CreaSchedaAmbi() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    fg2_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fg2"), IntestazioneCicliAmbi);
    fg1_ = CreaGrigliaRisultati(pagina, QStringLiteral("Fg1"), IntestazioneAmbiCicli);
    fg9_ = CreaGrigliaRisultati(pagina, QStringLiteral("FG9"), IntestazioneGruppiAmbi);
    fgRuote_ = CreaGrigliaRisultati(pagina, QStringLiteral("FgRuote"), IntestazioneRuoteAmbo);
    connect(fg1_, &GrigliaTabella::cellClicked, this, [this](int r, int) { MostraUscite(r); });
    auto* sopra = new QSplitter(Qt::Horizontal, pagina);
    // The cycles above the outcomes of the chosen ambo, beside the groups: on a small screen
    // each keeps the width its columns need.
    auto* cicli = new QSplitter(Qt::Vertical, pagina);
    cicli->addWidget(Titolata(pagina, QStringLiteral("Cicli"), fg2_));
    cicli->addWidget(Titolata(pagina, QStringLiteral("Uscite dell'ambo scelto"), fgRuote_));
    sopra->addWidget(cicli);
    lblCaso_ = CreaNota(pagina, "LblCaso",
                        QStringLiteral("I cicli che coprirebbero gruppi di ambi a caso"));
    lblAtteso_ = CreaNota(pagina, "LblAtteso", QStringLiteral("I cicli di ambi a caso"));
    sopra->addWidget(
        Titolata(pagina, QStringLiteral("Gruppi di ambi"), ConNota(pagina, fg9_, lblCaso_)));
    auto* tutto = new QSplitter(Qt::Vertical, pagina);
    tutto->addWidget(sopra);
    tutto->addWidget(Titolata(pagina, QStringLiteral("Ambi"), ConNota(pagina, fg1_, lblAtteso_)));
    // The ambo grid, the one a player reads most, gets half of the height.
    tutto->setStretchFactor(0, 1);
    tutto->setStretchFactor(1, 1);
    tutto->setSizes({50, 50});
    v->addWidget(tutto, 1);
    return pagina;
}

QWidget* FinestraAmbiCicli::CreaSchedaVerifica() {
    auto* pagina = new QWidget(this);
    auto* h = new QHBoxLayout(pagina);

    auto* elenchi = new QWidget(pagina);
    auto* ve = new QVBoxLayout(elenchi);
    ve->setContentsMargins(0, 0, 0, 0);
    fgA_ = new QTableWidget(15, 2, elenchi);
    fgA_->setObjectName(QStringLiteral("FgA"));
    fgA_->setHorizontalHeaderLabels({QStringLiteral("N1"), QStringLiteral("N2")});
    fgA_->horizontalHeader()->setDefaultSectionSize(40);
    fgA_->setFixedWidth(40 * 2 + 40);
    fgA_->setToolTip(QStringLiteral("Gli ambi da esaminare (al massimo 15)"));
    ve->addWidget(new QLabel(QStringLiteral("Ambi"), elenchi));
    ve->addWidget(fgA_, 1);
    fg95_ = CreaNumeri(elenchi, "Fg95");
    fg95_->setToolTip(QStringLiteral("Secondo elenco di numeri"));
    ve->addWidget(new QLabel(QStringLiteral("Secondo elenco"), elenchi));
    ve->addWidget(fg95_, 1);
    h->addWidget(elenchi);

    auto* destra = new QWidget(pagina);
    auto* v = new QVBoxLayout(destra);
    v->setContentsMargins(0, 0, 0, 0);
    auto* comandi = new QGridLayout();
    check2_ = new QCheckBox(QStringLiteral("Solo ruote"), destra);
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setToolTip(QStringLiteral("Ogni ambo contato ruota per ruota"));
    check3_ = new QCheckBox(QStringLiteral("Solo evidenziati"), destra);
    check3_->setObjectName(QStringLiteral("Check3"));
    check3_->setToolTip(QStringLiteral("Solo gli ambi evidenziati in rosso"));
    AggiungiComandi(
        destra, comandi, 3,
        {
            {"Command6", QStringLiteral("ELABORA"), QStringLiteral("Esamina gli ambi nei cicli"),
             [this] { ElaboraSecondo(); }},
            {"Cmd_2", QStringLiteral("2 AMBI"), QString(), [this] { GruppiSecondo(2); }},
            {"Cmd_3ambi", QStringLiteral("3 AMBI"), QString(), [this] { GruppiSecondo(3); }},
            {"Command19", QStringLiteral("CERCA MIGLIORI COPERTURE"), QString(),
             [this] { Coperture(); }},
            {"Command10", QStringLiteral("Capogioco"), QStringLiteral("Elabora capogioco"),
             [this] { Capogioco_(); }},
            {"Command20", QStringLiteral("Due elenchi"),
             QStringLiteral("ELABORA con gli ambi fra il primo e il secondo elenco"),
             [this] { ElaboraDueElenchi(); }},
        });
    comandi->addWidget(check2_, 2, 0);
    comandi->addWidget(check3_, 2, 1);
    v->addLayout(comandi);
    fg5_ = CreaGrigliaRisultati(destra, QStringLiteral("Fg5"), IntestazioneCicliAmbi);
    fg3_ = CreaGrigliaRisultati(destra, QStringLiteral("Fg3"), IntestazioneAmbiCicli);
    fg6_ = CreaGrigliaRisultati(destra, QStringLiteral("Fg6"), IntestazioneGruppiAmbi);
    fgX_ = CreaGrigliaRisultati(destra, QStringLiteral("FgX"), IntestazioneCapogioco);
    auto* sopra = new QSplitter(Qt::Horizontal, destra);
    sopra->addWidget(Titolata(destra, QStringLiteral("Cicli"), fg5_));
    sopra->addWidget(Titolata(destra, QStringLiteral("Ambi esaminati"), fg3_));
    auto* sotto = new QSplitter(Qt::Horizontal, destra);
    lblCasoSecondo_ = CreaNota(destra, "LblCasoSecondo",
                               QStringLiteral("Il migliore di altrettanti gruppi o ambi a caso"));
    sotto->addWidget(Titolata(destra, QStringLiteral("Gruppi e coperture"),
                              ConNota(destra, fg6_, lblCasoSecondo_)));
    sotto->addWidget(Titolata(destra, QStringLiteral("Capogioco"), fgX_));
    sotto->setStretchFactor(0, 2);
    sotto->setStretchFactor(1, 1);
    auto* tutto = new QSplitter(Qt::Vertical, destra);
    tutto->addWidget(sopra);
    tutto->addWidget(sotto);
    v->addWidget(tutto, 1);
    h->addWidget(destra, 1);
    return pagina;
}

void FinestraAmbiCicli::Mostra(GrigliaTabella* griglia, Tabella t) {
    MostraTabella(griglia, std::move(t));
}

void FinestraAmbiCicli::AggiungiOra() {
    list1_->addItem(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    list1_->scrollToBottom();
}

void FinestraAmbiCicli::Avviso(const QString& testo) {
    dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"), testo);
}

bool FinestraAmbiCicli::Elaborato() {
    if (!sessione_.Elaborato()) {
        Avviso(QStringLiteral("Eseguire prima ELABORA."));
    }
    return sessione_.Elaborato();
}

ParametriAmbiCicli FinestraAmbiCicli::LeggiParametri() const {
    ParametriAmbiCicli p;
    p.riferimento = archivio_.IndiceModello(selettore_->Fine());
    p.cicli = cicli_->currentText().toInt();
    p.durata = durata_->currentText().toInt();
    p.ruote = RuoteScelte(fgR_);
    return p;
}

NumeriScelti FinestraAmbiCicli::Scelti(const GrigliaSelezione* griglia) const {
    NumeriScelti s{};
    for (int n = 1; n <= 90; ++n) {
        s[static_cast<std::size_t>(n)] = griglia->Selezionata(Voce(n));
    }
    return s;
}

void FinestraAmbiCicli::Formazioni() {
    const NumeriScelti classe =
        Formazione(combo2_->currentText().at(0).toLatin1(), combo1_->currentText().toInt());
    // The class joins the numbers already chosen.
    for (int n = 1; n <= 90; ++n) {
        if (classe[static_cast<std::size_t>(n)]) {
            fg90_->ImpostaVoce(Voce(n), true);
        }
    }
}

} // namespace strovel

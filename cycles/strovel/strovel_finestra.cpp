#include "cycles/strovel/strovel_finestra.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/flusso_layout.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/pulsanti.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace strovel {

FinestraStrovel::FinestraStrovel(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "Strovel", QStringLiteral("Strovel"), padre),
      sessione_(*servizi.archivio), cartella_(servizi.cartellaProgramma), pb1_(servizi.pb1) {

    // The parameters, the wheels and the memories on the left; the commands in a bar above the
    // results they fill, wrapping to as many rows as the width needs.
    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(CreaParametri());
    colonna->addWidget(CreaRuote());
    colonna->addWidget(CreaMemorie());
    colonna->addStretch(1);

    // The grids scroll by themselves and the tab bar gets arrows when narrow, so the results
    // shrink with the window instead of scrolling sideways as a whole.
    auto* destra = new QWidget(this);
    auto* v = new QVBoxLayout(destra);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(CreaComandi());
    QTabWidget* risultati = CreaRisultati();
    risultati->setUsesScrollButtons(true);
    v->addWidget(risultati, 1);
    Componi(sinistra, destra, "DivisoreStrovel", {1280, 820});
    DipingiCiclo(durata_->currentText().toInt(), considera_->currentText().toInt());
}

QWidget* FinestraStrovel::CreaParametri() {
    auto* gruppo = new QGroupBox(QStringLiteral("Parametri"), this);
    auto* g = new QGridLayout(gruppo);
    cicli_ = CreaLista(gruppo, "Combo_Cicli", liste_strovel::Cicli);
    durata_ = CreaLista(gruppo, "Combo_Durata", liste_strovel::Durata);
    considera_ = CreaLista(gruppo, "ComboConsidera", liste_strovel::Considera);
    salto_ = CreaLista(gruppo, "ComboSalto", liste_strovel::Salto);
    colpi_ = CreaLista(gruppo, "ComboColpi", liste_strovel::Colpi);
    elenco_ = CreaLista(gruppo, "ComboElenco", liste_strovel::Elenco);
    retro_ = CreaLista(gruppo, "ComboRetro", liste_strovel::Retro);
    operatore_ = new QComboBox(gruppo);
    operatore_->setObjectName(QStringLiteral("ComboOP"));
    for (const auto voce : VociOperazione) {
        operatore_->addItem(QString::fromUtf8(voce.data(), static_cast<qsizetype>(voce.size())));
    }
    namespace l = liste_strovel;
    const std::pair<const ListaValori&, QComboBox*> voci[] = {
        {l::Cicli, cicli_}, {l::Durata, durata_}, {l::Considera, considera_}, {l::Salto, salto_},
        {l::Colpi, colpi_}, {l::Elenco, elenco_}, {l::Retro, retro_}};
    int k = 0;
    for (const auto& [descrizione, lista] : voci) {
        g->addWidget(EtichettaLista(gruppo, descrizione, lista), k / 4 * 2, k % 4);
        g->addWidget(lista, k / 4 * 2 + 1, k % 4);
        ++k;
    }
    g->addWidget(new QLabel(QStringLiteral("Operatore"), gruppo), 2, 3);
    g->addWidget(operatore_, 3, 3);
    connect(durata_, &QComboBox::currentIndexChanged, this, [this] {
        DipingiCiclo(durata_->currentText().toInt(), considera_->currentText().toInt());
    });
    connect(considera_, &QComboBox::currentIndexChanged, this, [this] {
        DipingiCiclo(durata_->currentText().toInt(), considera_->currentText().toInt());
    });

    stop_ = new QCheckBox(QStringLiteral("Stop riferimento"), gruppo);
    stop_->setObjectName(QStringLiteral("Ch_Stop"));
    perRitardo_ = new QCheckBox(QStringLiteral("Ritardo ambata"), gruppo);
    perRitardo_->setObjectName(QStringLiteral("Check1"));
    g->addWidget(stop_, 4, 0, 1, 2);
    g->addWidget(perRitardo_, 4, 2, 1, 2);

    // The reference draw: Hs2 with its label and the index and date commands.
    selettore_ = new SelettoreIntervallo(
        archivio_, dialoghi_,
        ConfigurazionePer(FinestraIntervallo::CicliStrovel, QStringLiteral("Label3")), gruppo);
    label15_ = CreaEtichettaSuccessive(archivio_, selettore_, gruppo);
    // The bar takes the whole width; the count of later draws sits beside its title.
    g->addWidget(new QLabel(QStringLiteral("Estrazione di riferimento"), gruppo), 5, 0, 1, 3);
    g->addWidget(label15_, 5, 3, Qt::AlignRight);
    g->addWidget(selettore_, 6, 0, 1, 4);

    fgCiclo_ = new QTableWidget(1, 60, gruppo);
    fgCiclo_->setObjectName(QStringLiteral("FgCiclo"));
    fgCiclo_->horizontalHeader()->setVisible(false);
    fgCiclo_->verticalHeader()->setVisible(false);
    fgCiclo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgCiclo_->setSelectionMode(QAbstractItemView::NoSelection);
    fgCiclo_->horizontalHeader()->setMinimumSectionSize(8);
    fgCiclo_->horizontalHeader()->setDefaultSectionSize(20);
    fgCiclo_->setFixedHeight(fgCiclo_->rowHeight(0) + 22);
    for (int c = 0; c < 60; ++c) {
        auto* item = new QTableWidgetItem(QString::number(c + 1));
        item->setTextAlignment(Qt::AlignCenter);
        QFont f = item->font();
        f.setPointSizeF(f.pointSizeF() * 0.75);
        item->setFont(f);
        fgCiclo_->setItem(0, c, item);
    }
    g->addWidget(fgCiclo_, 7, 0, 1, 4);
    return gruppo;
}

QWidget* FinestraStrovel::CreaRuote() {
    auto* gruppo = new QGroupBox(QStringLiteral("Ruote"), this);
    auto* g = new QGridLayout(gruppo);
    QStringList sigle;
    for (int r = 0; r < NumRuote; ++r) {
        sigle << QString::fromLatin1(SigleRuote[static_cast<std::size_t>(r)].data(), 2);
    }
    auto crea = [&](const char* nome, const char* titolo, int colonna, const char* tutti,
                    const char* nessuno) {
        auto* griglia = new GrigliaSelezione(gruppo);
        griglia->setObjectName(QString::fromLatin1(nome));
        griglia->Imposta(sigle, 11);
        griglia->horizontalHeader()->setDefaultSectionSize(30);
        for (int c = 0; c < 11; ++c) {
            griglia->setColumnWidth(c, 30);
        }
        griglia->AdattaAlContenuto();
        auto* selTutti = CreaPulsante(gruppo, tutti, QStringLiteral("Seleziona tutti"));
        auto* desel = CreaPulsante(gruppo, nessuno, QStringLiteral("Deseleziona"));
        selTutti->setFlat(true);
        desel->setFlat(true);
        connect(selTutti, &QPushButton::clicked, griglia, &GrigliaSelezione::SelezionaTutti);
        connect(desel, &QPushButton::clicked, griglia, &GrigliaSelezione::Deseleziona);
        g->addWidget(new QLabel(QString::fromLatin1(titolo), gruppo), colonna * 2, 0);
        g->addWidget(griglia, colonna * 2 + 1, 0, 1, 3);
        g->addWidget(selTutti, colonna * 2, 1);
        g->addWidget(desel, colonna * 2, 2);
        return griglia;
    };
    fgR_ = crea("FgR", "Rilevazione", 0, "LblSelTuttiR", "LblDeselR");
    fgG_ = crea("FgG", "Gioco", 1, "LblSelTuttiG", "LblDeselG");
    return gruppo;
}

QWidget* FinestraStrovel::CreaComandi() {
    auto* gruppo = new QGroupBox(QStringLiteral("Comandi"), this);
    auto* g = new FlussoLayout(gruppo);
    struct Voce {
        const char* nome;
        QString testo;
        QString suggerimento;
        void (FinestraStrovel::*azione)();
    };
    const Voce voci[] = {
        {"Command3", QStringLiteral("ELABORA"), QString(), &FinestraStrovel::Elabora},
        {"Command9", QStringLiteral("esamina tutte le ruote"), QString(),
         &FinestraStrovel::EsaminaTutte},
        {"Cmd_Previsioni1ruota", QStringLiteral("Prev 1 ruota"), QString(),
         &FinestraStrovel::PrevisioniUnaRuota_},
        {"Command2", QStringLiteral("P2"),
         QStringLiteral("Cicli positivi per ambata, ambo o quartina"), &FinestraStrovel::ContaP2},
        {"Command5", QStringLiteral("Previsioni"), QStringLiteral("Tabella delle previsioni"),
         &FinestraStrovel::TallyPrevisioni},
        {"Command24", QStringLiteral("Ritardi attuali"),
         QStringLiteral("Ritardi attuali e verifica dopo il riferimento"),
         &FinestraStrovel::RitardiCorrenti},
        {"Command4", QStringLiteral("VERIFICA"), QString(), &FinestraStrovel::RitardiCorrenti},
        {"Command1", QStringLiteral("STATISTICA"), QString(), &FinestraStrovel::Statistica},
        {"Command6", QStringLiteral("ACCOPPIAMENTI"), QString(), &FinestraStrovel::Accoppiamenti_},
        {"Cmd_elencoAccorpato", QStringLiteral("ELENCO ACORPATO"), QString(),
         &FinestraStrovel::ElencoAccorpato_},
        {"Command7", QStringLiteral("RIEPILOGO"), QString(), &FinestraStrovel::Riepilogo_},
        {"Command13", QStringLiteral("Evidenzia"), QStringLiteral("Evidenzia"),
         &FinestraStrovel::Evidenzia_},
        {"Command22", QStringLiteral("Ultime negative"),
         QStringLiteral("Evidenzia ultime negative"), &FinestraStrovel::EvidenziaUltimeNegative},
        {"Command11", QStringLiteral("RITARDI"), QString(), &FinestraStrovel::Ritardi},
        {"Command12", QStringLiteral("ULTIMI 5 RITARDI"), QString(),
         &FinestraStrovel::UltimiCinqueRitardi_},
        {"Command17", QStringLiteral("ULTIME PRESENZE"), QString(),
         &FinestraStrovel::UltimePresenze},
        {"Command18", QStringLiteral("Filtra"), QStringLiteral("Filtra numeri ambata"),
         &FinestraStrovel::FiltraAmbate_},
        {"CmdFuoriCampione", QStringLiteral("Verifica fuori campione"),
         QStringLiteral("La prima formula a una estrazione passata, verificata nei cicli dopo "
                        "di essa"),
         &FinestraStrovel::VerificaFuoriCampione},
        {"CmdProgressiva", QStringLiteral("Verifica progressiva"),
         QStringLiteral("La prima formula ogni ciclo, verificata nel ciclo dopo"),
         &FinestraStrovel::VerificaProgressiva},
    };
    for (const Voce& v : voci) {
        auto* b = CreaPulsante(gruppo, v.nome, v.testo, v.suggerimento);
        connect(b, &QPushButton::clicked, this, v.azione);
        g->addWidget(b);
    }
    return gruppo;
}

QWidget* FinestraStrovel::CreaMemorie() {
    auto* gruppo = new QGroupBox(QStringLiteral("Ritardi, memorie e guida"), this);
    auto* g = new QGridLayout(gruppo);
    g->setSpacing(4);
    optRilevazione_ = new QRadioButton(QStringLiteral("Rilevazione"), gruppo);
    optRilevazione_->setObjectName(QStringLiteral("OptRilevazione"));
    auto* optGioco = new QRadioButton(QStringLiteral("Gioco"), gruppo);
    optGioco->setObjectName(QStringLiteral("OptGioco"));
    optGioco->setChecked(true);
    auto* ritardi = new QHBoxLayout();
    ritardi->addWidget(new QLabel(QStringLiteral("Ultimi 5 ritardi su:"), gruppo));
    ritardi->addWidget(optRilevazione_);
    ritardi->addWidget(optGioco);
    ritardi->addStretch(1);
    g->addLayout(ritardi, 0, 0, 1, 2);

    // The memories: their title beside the ten buttons.
    auto* memo = new QHBoxLayout();
    memo->addWidget(new QLabel(QStringLiteral("Memorie:"), gruppo));
    for (int n = 0; n < 5; ++n) {
        auto* salva = CreaPulsante(gruppo, "", QStringLiteral("M%1").arg(n + 1),
                                   QStringLiteral("Memorizza i parametri (Memo%1.Txt)").arg(n));
        salva->setObjectName(QStringLiteral("Cmd_Memo%1").arg(n));
        auto* carica = CreaPulsante(gruppo, "", QStringLiteral("C%1").arg(n + 1),
                                    QStringLiteral("Carica i parametri (Memo%1.Txt)").arg(n));
        carica->setObjectName(QStringLiteral("Cmd_Load%1").arg(n));
        salva->setFixedWidth(34);
        carica->setFixedWidth(34);
        connect(salva, &QPushButton::clicked, this, [this, n] { SalvaPreset(n); });
        connect(carica, &QPushButton::clicked, this, [this, n] { CaricaPreset(n); });
        memo->addWidget(salva);
        memo->addWidget(carica);
    }
    memo->addStretch(1);
    g->addLayout(memo, 1, 0, 1, 2);

    // The help pages wrap to the width; the times of the runs beside them.
    g->addLayout(
        PulsantiAiuto(
            gruppo, {{"CmDHelp", 250}, {"Command19", 400}, {"Command20", 390}, {"Command21", 380}}),
        2, 0);
    list1_ = new QListWidget(gruppo);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Orari delle elaborazioni"));
    list1_->setToolTip(QStringLiteral("Orari delle elaborazioni"));
    list1_->setFixedSize(80, 52);
    g->addWidget(list1_, 2, 1, Qt::AlignTop);
    g->setColumnStretch(0, 1);
    return gruppo;
}

QTabWidget* FinestraStrovel::CreaRisultati() {
    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SchedeRisultati"));

    fgX_ = CreaGrigliaRisultati(this, QStringLiteral("FgX"), IntestazioneCicli);
    fgY_ = CreaGrigliaRisultati(this, QStringLiteral("FgY"), IntestazioneFormule);
    fg4_ = CreaGrigliaRisultati(this, QStringLiteral("Fg4"), IntestazionePrevisioni);
    // The companions' work grid has no header: each row is a number and its count, as the
    // tooltip and the screen reader's name say.
    fgS_ = CreaGrigliaRisultati(this, QStringLiteral("FgS"), nullptr);
    fgS_->setProperty("senzaIntestazione", true);
    fgS_->setToolTip(QStringLiteral("Numero e volte in cui accompagna l'ambata della prima "
                                    "formula"));
    fgE_ = CreaGrigliaRisultati(this, QStringLiteral("FgE"), "Ruota|1|2|3|4|5");
    fg1_ = CreaGrigliaRisultati(this, QStringLiteral("Fg1"), IntestazioneStatistica);
    fg2_ = CreaGrigliaRisultati(this, QStringLiteral("Fg2"), IntestazioneStatistica);
    const std::string doppia =
        std::string(IntestazioneStatistica) + "||||" + IntestazioneStatistica;
    fg3_ = CreaGrigliaRisultati(this, QStringLiteral("Fg3"), doppia.c_str());
    fg9_ = CreaGrigliaRisultati(this, QStringLiteral("Fg9"), IntestazioneAccorpato);
    fgSt1_ = CreaGrigliaRisultati(this, QStringLiteral("FgSt1"), "|Valore|Percentuale");
    fG7_ = CreaGrigliaRisultati(this, QStringLiteral("fG7"), "|Quant|Percento");
    fgTr_ = CreaGrigliaRisultati(this, QStringLiteral("FgTr"), "Elemento|Valore");
    fgC_ = CreaGrigliaRisultati(this, QStringLiteral("FgC"), IntestazioneAccoppiamenti);
    fg13_ = CreaGrigliaRisultati(this, QStringLiteral("Fg13"), IntestazioneQuartine);
    fgUU_ = CreaGrigliaRisultati(this, QStringLiteral("FgUU"), IntestazioneVerifica);
    fgRit_ = CreaGrigliaRisultati(this, QStringLiteral("FgRit"), IntestazioneRitardi);
    fg5R_ = CreaGrigliaRisultati(this, QStringLiteral("Fg5R"), IntestazioneUltimiRitardi);
    fgPres_ = CreaGrigliaRisultati(this, QStringLiteral("FgPres"), IntestazionePresenze);
    fgCiclo_->setToolTip(QStringLiteral("Forma del ciclo: in giallo la durata, in verde "
                                        "l'estrazione considerata"));
    // The summaries keep their row titles even when empty.
    Mostra(fgSt1_, TabellaRiepilogoStatistica({}, 0));
    Mostra(fG7_, Riepilogo({}));

    auto pagina = [this](const QString& titolo, QWidget* contenuto) {
        schede_->addTab(contenuto, titolo);
    };
    // Formulas: FgY on top; below it the tally, the cycles and the considered draw.
    {
        auto* p = new QSplitter(Qt::Vertical, schede_);
        lblCaso_ = CreaNota(p, "LblCaso",
                            QStringLiteral("La prima formula e il migliore di altrettante "
                                           "formule a caso negli stessi cicli"));
        p->addWidget(ConNota(p, fgY_, lblCaso_));
        auto* sotto = new QWidget(p);
        auto* h = new QHBoxLayout(sotto);
        h->setContentsMargins(0, 0, 0, 0);
        auto* colonnaCicli = new QVBoxLayout();
        colonnaCicli->addWidget(fgX_, 1);
        label2_ = new QLabel(sotto);
        label2_->setObjectName(QStringLiteral("Label2"));
        colonnaCicli->addWidget(label2_);
        colonnaCicli->addWidget(fgE_, 1);
        h->addLayout(colonnaCicli, 3);
        h->addWidget(fg4_, 1);
        h->addWidget(fgS_, 1);
        fg4_->setMinimumWidth(200);
        fgS_->setMaximumWidth(110);
        p->setStretchFactor(0, 3);
        p->setStretchFactor(1, 2);
        pagina(QStringLiteral("Formule"), p);
    }
    {
        auto* p = new QWidget(schede_);
        auto* g = new QGridLayout(p);
        g->addWidget(fg1_, 0, 0, 1, 3);
        g->addWidget(fgSt1_, 1, 0);
        g->addWidget(fG7_, 1, 1);
        g->addWidget(fgTr_, 1, 2);
        lblCasoStatistica_ = CreaNota(p, "LblCasoStatistica");
        g->addWidget(lblCasoStatistica_, 2, 0, 1, 3);
        g->setRowStretch(0, 3);
        g->setRowStretch(1, 2);
        pagina(QStringLiteral("Statistica"), p);
    }
    {
        auto* p = new QWidget(schede_);
        auto* g = new QGridLayout(p);
        g->addWidget(fgC_, 0, 0, 2, 1);
        g->addWidget(fg2_, 0, 1);
        g->addWidget(fg3_, 1, 1);
        g->addWidget(fg9_, 2, 0, 1, 2);
        lblCasoAccoppiamenti_ = CreaNota(p, "LblCasoAccoppiamenti");
        g->addWidget(lblCasoAccoppiamenti_, 3, 0, 1, 2);
        g->setColumnStretch(1, 3);
        pagina(QStringLiteral("Accoppiamenti"), p);
    }
    {
        auto* p = new QWidget(schede_);
        auto* v = new QVBoxLayout(p);
        auto* scelte = new QHBoxLayout();
        chAmbata_ = new QCheckBox(QStringLiteral("Ambata"), p);
        chAmbata_->setObjectName(QStringLiteral("ChAmbata"));
        chAmbi_ = new QCheckBox(QStringLiteral("Ambi"), p);
        chAmbi_->setObjectName(QStringLiteral("ChAmbi"));
        chQuartina_ = new QCheckBox(QStringLiteral("Quartina"), p);
        chQuartina_->setObjectName(QStringLiteral("ChQuartina"));
        chX_ = new QCheckBox(QStringLiteral("Svuota prima di spostare"), p);
        chX_->setObjectName(QStringLiteral("ChX"));
        for (QCheckBox* c : {chAmbata_, chAmbi_, chQuartina_}) {
            c->setChecked(true);
            scelte->addWidget(c);
        }
        scelte->addWidget(chX_);
        const std::pair<const char*, std::pair<QString, void (FinestraStrovel::*)()>> comandi[] = {
            {"Command14", {QStringLiteral("Sposta numero"), &FinestraStrovel::SpostaNumero}},
            {"Command23",
             {QStringLiteral("Elimina riga selezionata"), &FinestraStrovel::EliminaQuartina}},
            {"Command16", {QStringLiteral("VERIFICA"), &FinestraStrovel::VerificaQuartine_}},
            {"Command10", {QStringLiteral("VERIFICA 2"), &FinestraStrovel::Verifica2}},
        };
        for (const auto& [nome, voce] : comandi) {
            auto* b = CreaPulsante(p, nome, voce.first, voce.first);
            connect(b, &QPushButton::clicked, this, voce.second);
            scelte->addWidget(b);
        }
        scelte->addStretch(1);
        v->addLayout(scelte);
        v->addWidget(fg13_, 1);
        v->addWidget(fgUU_, 2);
        pagina(QStringLiteral("Verifica"), p);
    }
    {
        auto* p = new QWidget(schede_);
        auto* h = new QHBoxLayout(p);
        h->addWidget(fgRit_, 1);
        h->addWidget(fg5R_, 2);
        pagina(QStringLiteral("Ritardi"), p);
    }
    pagina(QStringLiteral("Presenze"), fgPres_);

    connect(fgX_, &GrigliaTabella::cellClicked, this, [this](int riga, int) { MostraCiclo(riga); });
    connect(fgC_, &GrigliaTabella::cellClicked, this, [this](int riga, int) {
        if (riga < 0 || riga >= sessione_.NumeroCoppie() || !sessione_.Eseguito()) {
            return;
        }
        // Fg2: the second formula; Fg3: the two side by side.
        const auto [seconda, affiancate] = sessione_.Coppia(riga);
        Mostra(fg2_, seconda);
        Mostra(fg3_, affiancate);
    });
    return schede_;
}

void FinestraStrovel::Mostra(GrigliaTabella* griglia, Tabella t) {
    MostraTabella(griglia, std::move(t));
}

void FinestraStrovel::DipingiCiclo(int durata, int considera) {
    for (int c = 0; c < 60; ++c) {
        QColor colore = Qt::white;
        if (c + 1 <= durata) {
            colore = QColor(255, 255, 0);
        }
        if (c + 1 == considera) {
            colore = QColor(0, 255, 0);
        }
        fgCiclo_->item(0, c)->setBackground(colore);
    }
}

} // namespace strovel

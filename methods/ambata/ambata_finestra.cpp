#include "methods/ambata/ambata_finestra.h"

#include "methods/ambata/ambata_atteso.h"

#include "core/archivio.h"
#include "core/intervallo.h"
#include "core/ruote.h"
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
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace strovel {

FinestraAmbataDinamica::FinestraAmbataDinamica(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "MetodoAmbata", QStringLiteral("L'ambata dinamica"), padre),
      impostazioni_(servizi.impostazioni),
      completo_(servizi.archivioCompleto != nullptr ? *servizi.archivioCompleto
                                                    : *servizi.archivio) {

    // Two columns of controls: the parameters and references beside the wheels and positions
    // (as tall as the eleven wheels); under both the end of the analysis and the commands.
    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* colonne = new QHBoxLayout();
    auto* parametri = new QVBoxLayout();
    parametri->addWidget(CreaIngressi());
    parametri->addWidget(CreaRiferimenti(), 1);
    colonne->addLayout(parametri);
    colonne->addWidget(selezioni_->pannello);
    colonna->addLayout(colonne);
    colonna->addWidget(CreaFineAnalisi());
    colonna->addWidget(CreaComandi());
    colonna->addStretch(1);

    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SchedeAmbata"));
    schede_->setUsesScrollButtons(true);
    fg1_ = CreaGrigliaRisultati(this, QStringLiteral("Fg1"), IntestazioneCasiAmbata);
    fgRif_ = CreaGrigliaRisultati(this, QStringLiteral("FgRif"), IntestazionePiano);
    fgE_ = CreaGrigliaRisultati(this, QStringLiteral("FgE"), IntestazioneMigliori);
    fgStat2_ = CreaGrigliaRisultati(this, QStringLiteral("FgStat2"), IntestazioneRiepilogo);
    MostraTabella(fgStat2_, TabellaRiepilogo({}));
    fgEvoluzione_ = CreaGrigliaRisultati(this, QStringLiteral("FgEvoluzione"), "Colpo|Estr");
    lblEvoluzione_ = new QLabel(this);
    lblEvoluzione_->setObjectName(QStringLiteral("LblEvoluzione"));
    {
        auto* pagina = new QSplitter(Qt::Vertical, schede_);
        pagina->addWidget(fg1_);
        auto* sotto = new QWidget(pagina);
        auto* g = new QGridLayout(sotto);
        g->setContentsMargins(0, 0, 0, 0);
        g->addWidget(new QLabel(QStringLiteral("Riepilogo"), sotto), 0, 0);
        g->addWidget(fgStat2_, 1, 0);
        lblCaso_ =
            CreaNotaCaso(sotto, QStringLiteral("LblCaso"),
                         QStringLiteral("I positivi che darebbe il caso con le stesse giocate"));
        g->addWidget(lblCaso_, 2, 0);
        g->addWidget(new QLabel(QStringLiteral("Piano dei colpi"), sotto), 0, 1);
        g->addWidget(fgRif_, 1, 1);
        g->addWidget(new QLabel(QStringLiteral("Migliori riferimenti"), sotto), 0, 2);
        g->addWidget(fgE_, 1, 2);
        lblMigliori_ = new QLabel(sotto);
        lblMigliori_->setObjectName(QStringLiteral("LblMigliori"));
        lblMigliori_->setWordWrap(true);
        g->addWidget(lblMigliori_, 2, 2);
        g->addWidget(lblEvoluzione_, 0, 3);
        g->addWidget(fgEvoluzione_, 1, 3);
        g->setColumnStretch(3, 2);
        pagina->setStretchFactor(0, 3);
        pagina->setStretchFactor(1, 2);
        schede_->addTab(pagina, QStringLiteral("Casi"));
    }
    schede_->addTab(CreaDatabase(), QStringLiteral("Database"));

    Componi(sinistra, schede_, nullptr, {1280, 800});
}

FinestraAmbataDinamica::~FinestraAmbataDinamica() = default;

QWidget* FinestraAmbataDinamica::CreaIngressi() {
    auto* gruppo = new QGroupBox(QStringLiteral("Parametri"), this);
    auto* g = new QGridLayout(gruppo);
    txtNumero_ = new QLineEdit(gruppo);
    txtNumero_->setObjectName(QStringLiteral("TxtNumero"));
    txtNumero_->setMaxLength(3);
    txtNumero_->setMaximumWidth(60);
    comboPres_ = CreaLista(gruppo, "ComboPres", liste_casi::Presenze);
    comboColpi_ = CreaLista(gruppo, "ComboColpi", liste_casi::Colpi);
    RotellaSoloConFuoco(comboPres_);
    RotellaSoloConFuoco(comboColpi_);
    check1_ = new QCheckBox(QStringLiteral("Utilizza somme"), gruppo);
    check1_->setObjectName(QStringLiteral("Check1"));
    g->addWidget(new QLabel(QStringLiteral("Numero spia"), gruppo), 0, 0);
    g->addWidget(txtNumero_, 1, 0);
    g->addWidget(EtichettaLista(gruppo, liste_casi::Presenze, comboPres_), 0, 1);
    g->addWidget(comboPres_, 1, 1);
    g->addWidget(EtichettaLista(gruppo, liste_casi::Colpi, comboColpi_), 0, 2);
    g->addWidget(comboColpi_, 1, 2);
    g->addWidget(check1_, 2, 0, 1, 3);
    selezioni_ = std::make_unique<SelezioniMetodo>(CreaSelezioniMetodo(this));
    return gruppo;
}

QWidget* FinestraAmbataDinamica::CreaFineAnalisi() {
    auto* gruppo = new QGroupBox(QStringLiteral("Fine analisi"), this);
    auto* g = new QVBoxLayout(gruppo);
    selettore_ = new SelettoreIntervallo(
        archivio_, dialoghi_,
        ConfigurazionePer(FinestraIntervallo::AmbataDinamica, QStringLiteral("LblFine")), gruppo);
    g->addWidget(selettore_);
    return gruppo;
}

QWidget* FinestraAmbataDinamica::CreaRiferimenti() {
    auto* gruppo = new QGroupBox(QStringLiteral("Riferimenti"), this);
    auto* g = new QGridLayout(gruppo);
    fGm_ = new GrigliaSelezione(gruppo);
    fGm_->setObjectName(QStringLiteral("fGm"));
    fGm_->setAccessibleName(QStringLiteral("Matrice: numero dei riferimenti"));
    fGm_->Imposta({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                   QStringLiteral("4"), QStringLiteral("5")},
                  5);
    for (int c = 0; c < 5; ++c) {
        fGm_->setColumnWidth(c, 30);
    }
    fGm_->AdattaAlContenuto();
    // The Matrice cell clicked last is the green one: the number of reference rows.
    connect(fGm_, &QTableWidget::cellClicked, this,
            [this](int, int colonna) { ImpostaMatrice(colonna + 1); });
    fgH_ = new QTableWidget(0, 4, gruppo);
    fgH_->setObjectName(QStringLiteral("FgH"));
    fgH_->setHorizontalHeaderLabels(
        {QStringLiteral("N"), QStringLiteral("Ruota"), QStringLiteral("PE"), QStringLiteral("R")});
    fgH_->verticalHeader()->setVisible(false);
    fgH_->setColumnHidden(3, true);
    fgH_->setColumnWidth(0, 30);
    fgH_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgH_->setSelectionMode(QAbstractItemView::SingleSelection);
    fgH_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgH_->setAccessibleName(QStringLiteral("Riferimenti"));
    fgH_->verticalHeader()->setDefaultSectionSize(24);
    fgH_->setMinimumHeight(5 * 24 + 28);
    g->addWidget(new QLabel(QStringLiteral("Matrice"), gruppo), 0, 0);
    g->addWidget(fGm_, 0, 1);
    g->addWidget(fgH_, 1, 0, 1, 2);
    ImpostaMatrice(1);
    return gruppo;
}

QWidget* FinestraAmbataDinamica::CreaComandi() {
    auto* gruppo = new QGroupBox(QStringLiteral("Comandi"), this);
    auto* g = new QGridLayout(gruppo);
    struct Voce {
        const char* nome;
        QString testo;
        void (FinestraAmbataDinamica::*azione)();
    };
    const Voce voci[] = {
        {"Command1", QStringLiteral("RILEVAZIONE"), &FinestraAmbataDinamica::Rilevazione},
        {"Command2", QStringLiteral("CONFIGURA"), &FinestraAmbataDinamica::Configura},
        {"Command3", QStringLiteral("ELABORA"), &FinestraAmbataDinamica::Elabora},
        {"Command4", QStringLiteral("MIGLIORI"), &FinestraAmbataDinamica::MiglioriRiferimenti},
        {"Command5", QStringLiteral("Visualizza evoluzione ambata"),
         &FinestraAmbataDinamica::VisualizzaEvoluzione},
        {"CmdFuoriCampione", QStringLiteral("Verifica fuori campione"),
         &FinestraAmbataDinamica::VerificaFuoriCampione},
        {"CmdProgressiva", QStringLiteral("Verifica progressiva"),
         &FinestraAmbataDinamica::VerificaProgressiva},
    };
    // Three columns, the help last.
    int k = 0;
    for (const Voce& v : voci) {
        auto* b = CreaPulsante(gruppo, v.nome, v.testo);
        connect(b, &QPushButton::clicked, this, v.azione);
        g->addWidget(b, k / 3, k % 3);
        ++k;
    }
    auto* aiuto = PulsantiAiuto(gruppo, {{"Command31", 370}});
    gruppo->findChild<QPushButton*>(QStringLiteral("Command31"))
        ->setToolTip(QStringLiteral("Apre la guida"));
    g->addLayout(aiuto, k / 3, k % 3, 1, 3 - k % 3);
    return gruppo;
}

void FinestraAmbataDinamica::ImpostaMatrice(int righe) {
    righe = std::clamp(righe, 1, MassimoRiferimenti);
    for (int j = 0; j < 5; ++j) {
        fGm_->ImpostaVoce(j, j == righe - 1);
    }
    std::vector<Riferimento> r = LeggiRiferimenti();
    strovel::ImpostaMatrice(r, righe);
    MostraRiferimenti(r);
}

void FinestraAmbataDinamica::MostraRiferimenti(const std::vector<Riferimento>& riferimenti) {
    fgH_->setRowCount(static_cast<int>(riferimenti.size()));
    for (int i = 0; i < static_cast<int>(riferimenti.size()); ++i) {
        const Riferimento& r = riferimenti[static_cast<std::size_t>(i)];
        auto* numero = new QTableWidgetItem(QString::number(i + 1));
        numero->setTextAlignment(Qt::AlignCenter);
        fgH_->setItem(i, 0, numero);
        auto* ruota = new QComboBox(fgH_);
        ruota->setObjectName(QStringLiteral("ComboRuota%1").arg(i + 1));
        for (int w = 0; w < NumRuote; ++w) {
            ruota->addItem(QString::fromStdString(Sigla(w)));
        }
        ruota->setCurrentIndex(r.ruota);
        ruota->setAccessibleName(QStringLiteral("Ruota del riferimento %1").arg(i + 1));
        auto* posizione = new QComboBox(fgH_);
        posizione->setObjectName(QStringLiteral("ComboPE%1").arg(i + 1));
        for (int p = 1; p <= 5; ++p) {
            posizione->addItem(QString::number(p));
        }
        posizione->setCurrentIndex(r.posizione - 1);
        posizione->setAccessibleName(QStringLiteral("Posizione del riferimento %1").arg(i + 1));
        // Scrolling the panel over a reference must not change it.
        RotellaSoloConFuoco(ruota);
        RotellaSoloConFuoco(posizione);
        fgH_->setCellWidget(i, 1, ruota);
        fgH_->setCellWidget(i, 2, posizione);
        fgH_->setItem(i, 3, new QTableWidgetItem(QString::number(r.ruota)));
    }
}

std::vector<Riferimento> FinestraAmbataDinamica::LeggiRiferimenti() const {
    std::vector<Riferimento> r;
    for (int i = 0; i < fgH_->rowCount(); ++i) {
        const auto* ruota = qobject_cast<QComboBox*>(fgH_->cellWidget(i, 1));
        const auto* posizione = qobject_cast<QComboBox*>(fgH_->cellWidget(i, 2));
        if (ruota != nullptr && posizione != nullptr) {
            r.push_back({ruota->currentIndex(), posizione->currentIndex() + 1});
        }
    }
    return r;
}

StatoAmbata FinestraAmbataDinamica::LeggiStato() const {
    StatoAmbata s;
    ParametriAmbata& p = s.parametri;
    s.spia = txtNumero_->text();
    p.spia = LeggiSpia(s.spia.toStdString());
    p.rilevazione = selezioni_->Rilevazione();
    p.gioco = selezioni_->Gioco();
    p.posizioni = selezioni_->Posizioni();
    p.presenze = comboPres_->currentText().toInt();
    p.colpi = comboColpi_->currentText().toInt();
    p.somme = check1_->isChecked();
    p.riferimenti = LeggiRiferimenti();
    p.fine = selettore_->Fine();
    s.matrice = 1;
    for (int j = 0; j < 5; ++j) {
        if (fGm_->Selezionata(j)) {
            s.matrice = j + 1;
        }
    }
    return s;
}

void FinestraAmbataDinamica::Avviso(const QString& testo, bool informazione) {
    dialoghi_.Messaggio(this, informazione ? Icona::Informazione : Icona::Avviso,
                        QStringLiteral("Avviso"), testo);
}

void FinestraAmbataDinamica::SvuotaRisultati() {
    giocate_ = {};
    MostraTabella(fgStat2_, TabellaRiepilogo({}));
    lblCaso_->clear();
    fgE_->Svuota();
    lblMigliori_->clear();
    fgEvoluzione_->Svuota();
    lblEvoluzione_->clear();
}

void FinestraAmbataDinamica::Rilevazione() {
    // New cases: nothing of the earlier ones stays beside them, not even after a refusal.
    SvuotaRisultati();
    const ParametriAmbata p = LeggiStato().parametri;
    if (!SpiaAmmessa(txtNumero_->text().toStdString())) {
        casi_.clear();
        fg1_->Svuota();
        Avviso(QString::fromUtf8(MessaggioSpia), false);
        return;
    }
    casi_ = RilevaCasi(archivio_, p);
    MostraTabella(fg1_, TabellaCasiAmbata(archivio_, casi_, p.colpi));
    if (!casi_.empty()) {
        schede_->setCurrentIndex(0);
    }
}

void FinestraAmbataDinamica::Configura() {
    const std::vector<Riferimento> r = LeggiRiferimenti();
    // The hidden column holds each row's wheel index.
    for (int i = 0; i < static_cast<int>(r.size()); ++i) {
        fgH_->setItem(i, 3,
                      new QTableWidgetItem(QString::number(r[static_cast<std::size_t>(i)].ruota)));
    }
    piano_ = PianoColpi(comboColpi_->currentText().toInt(), static_cast<int>(r.size()));
    MostraTabella(fgRif_, TabellaPiano(piano_, r));
}

void FinestraAmbataDinamica::Elabora() {
    ParametriAmbata p = LeggiStato().parametri;
    giocate_ = GiocaAmbate(archivio_, p, casi_, piano_);
    MostraTabella(fg1_, TabellaEsitiAmbata(archivio_, casi_, p.colpi, giocate_));
    if (!giocate_.completo) {
        Avviso(QString::fromUtf8(MessaggioConfigurazione));
        return;
    }
    MostraTabella(fgStat2_, TabellaRiepilogo(RiepilogoAmbata(archivio_, casi_, p.colpi, giocate_)));
    lblCaso_->setText(casi_.empty() ? QString()
                                    : QString::fromStdString(TestoConfronto(
                                          ConfrontaAmbata(archivio_, p, casi_, giocate_))));
    if (casi_.empty()) {
        // No percentage of no cases.
        Avviso(QString::fromUtf8(MessaggioConfigurazione));
    }
}

void FinestraAmbataDinamica::MiglioriRiferimenti() {
    const int riga = fgH_->currentRow();
    if (riga < 0) {
        Avviso(QStringLiteral("Selezionare la riga di riferimento da sostituire."));
        return;
    }
    const ParametriAmbata p = LeggiStato().parametri;
    const EsitoMigliori m = Migliori(archivio_, p, casi_, piano_, riga + 1);
    if (!m.completo) {
        Avviso(QString::fromUtf8(MessaggioConfigurazione));
        return;
    }
    MostraTabella(fgE_, TabellaMigliori(m, static_cast<int>(casi_.size())));
    // The top of the ranking beside what the best of as many random references reaches.
    const int primo = PrimoMigliori(m);
    const MiglioriACaso caso = MiglioriPerCaso(archivio_, p, casi_, riga + 1, primo);
    lblMigliori_->setText(
        casi_.empty() ? QString()
                      : QStringLiteral("Il migliore di 55 riferimenti a caso: %1 positivi; %2.")
                            .arg(QString::fromStdString(UnDecimale(caso.atteso)),
                                 QString::fromStdString(
                                     TestoProbabilitaMigliore(55, primo, caso.probabilita))));
}

void FinestraAmbataDinamica::VerificaFuoriCampione() {
    const int riga = fgH_->currentRow();
    if (riga < 0) {
        Avviso(QStringLiteral("Selezionare la riga di riferimento da sostituire."));
        return;
    }
    const ParametriAmbata p = LeggiStato().parametri;
    FuoriCampioneDi(p.fine, AnalisiAmbata{p, riga + 1},
                    [](const FuoriCampioneAmbata& f, int riferimento) {
                        return f.completo ? TestoVerifica{TestoFuoriCampione(f, riferimento)}
                                          : TestoVerifica{MessaggioConfigurazione, false};
                    });
}

void FinestraAmbataDinamica::VerificaProgressiva() {
    const int riga = fgH_->currentRow();
    if (riga < 0) {
        Avviso(QStringLiteral("Selezionare la riga di riferimento da sostituire."));
        return;
    }
    ProgressivaDi(AnalisiAmbata{LeggiStato().parametri, riga + 1});
}

void FinestraAmbataDinamica::VisualizzaEvoluzione() {
    const int riga = fg1_->currentRow();
    if (riga < 0 || riga >= static_cast<int>(casi_.size())) {
        Avviso(QStringLiteral("Selezionare un caso nella griglia dei casi."));
        return;
    }
    const ParametriAmbata p = LeggiStato().parametri;
    const Caso& caso = casi_[static_cast<std::size_t>(riga)];
    const GiocateAmbata g = GiocaAmbate(archivio_, p, {caso}, piano_);
    lblEvoluzione_->setText(QString::fromStdString(TitoloEvoluzione(riga + 1)));
    MostraTabella(fgEvoluzione_,
                  EvoluzioneAmbata(archivio_, p, caso, piano_,
                                   g.giocate.empty() ? Giocata{} : g.giocate.front()));
}

void FinestraAmbataDinamica::ImpostaStato(const StatoAmbata& s) {
    const ParametriAmbata& p = s.parametri;
    selettore_->ImpostaFine(p.fine);
    for (int w = 0; w < NumRuote; ++w) {
        selezioni_->rilevazione->ImpostaVoce(w, p.rilevazione[static_cast<std::size_t>(w)]);
        selezioni_->gioco->ImpostaVoce(w, p.gioco[static_cast<std::size_t>(w)]);
    }
    for (int q = 0; q < 5; ++q) {
        selezioni_->posizioni->ImpostaVoce(q, p.posizioni[static_cast<std::size_t>(q)]);
    }
    txtNumero_->setText(s.spia);
    comboPres_->setCurrentText(QString::number(p.presenze));
    comboColpi_->setCurrentText(QString::number(p.colpi));
    check1_->setChecked(p.somme);
    for (int j = 0; j < 5; ++j) {
        fGm_->ImpostaVoce(j, j == s.matrice - 1);
    }
    MostraRiferimenti(p.riferimenti);
}

} // namespace strovel

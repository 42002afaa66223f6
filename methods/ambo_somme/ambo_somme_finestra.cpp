#include "methods/ambo_somme/ambo_somme_finestra.h"

#include "core/archivio.h"
#include "core/intervallo.h"
#include "methods/ambo_somme/ambo_somme.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/ambo_somme/ambo_somme_tabelle.h"
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
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// A grid of the classes 1..90 in fifteen columns, all allowed, as large as its cells.
GrigliaSelezione* CreaClassi90(QWidget* padre, const char* nome) {
    auto* g = new GrigliaSelezione(padre);
    g->setObjectName(QString::fromLatin1(nome));
    QStringList voci;
    for (int n = 1; n <= 90; ++n) {
        voci << QString::number(n);
    }
    g->Imposta(voci, 15);
    for (int c = 0; c < 15; ++c) {
        g->setColumnWidth(c, 24);
    }
    g->SelezionaTutti();
    g->AdattaAlContenuto();
    return g;
}

/// A titled box holding a selection grid with its "Seleziona tutti" / "Deseleziona".
QGroupBox* ConSelezione(QWidget* padre, const QString& titolo, GrigliaSelezione*& griglia,
                        GrigliaSelezione* (*crea)(QWidget*, const char*), const char* nome,
                        const char* tutti, const char* nessuno) {
    auto* box = new QGroupBox(titolo, padre);
    auto* g = new QGridLayout(box);
    griglia = crea(box, nome);
    const auto [si, no] = PulsantiSelezione(box, griglia, tutti, nessuno);
    g->addWidget(griglia, 0, 0, 1, 3);
    g->addWidget(si, 1, 0);
    g->addWidget(no, 1, 1);
    g->setColumnStretch(2, 1);
    return box;
}

GrigliaSelezione* CreaFigure(QWidget* padre, const char* nome) {
    auto* g = new GrigliaSelezione(padre);
    g->setObjectName(QString::fromLatin1(nome));
    QStringList voci;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c <= 9; ++c) {
            voci << QString::number(c);
        }
    }
    g->Imposta(voci, 10);
    g->setVerticalHeaderLabels(
        {QStringLiteral("Decine"), QStringLiteral("Cadenze"), QStringLiteral("Figure")});
    g->verticalHeader()->setVisible(true);
    for (int c = 0; c < 10; ++c) {
        g->setColumnWidth(c, 22);
    }
    g->SelezionaTutti();
    g->AdattaAlContenuto();
    return g;
}

void Esclusive(QCheckBox* uno, QCheckBox* altro) {
    QObject::connect(uno, &QCheckBox::toggled, altro, [altro](bool on) {
        if (on) {
            altro->setChecked(false);
        }
    });
    QObject::connect(altro, &QCheckBox::toggled, uno, [uno](bool on) {
        if (on) {
            uno->setChecked(false);
        }
    });
}

} // namespace

QCheckBox* FinestraAmboSomme::Casella(QWidget* padre, const char* nome, const char* testo,
                                      bool spuntata) {
    auto* c = new QCheckBox(QString::fromUtf8(testo), padre);
    c->setObjectName(QString::fromLatin1(nome));
    c->setChecked(spuntata);
    return c;
}

FinestraAmboSomme::FinestraAmboSomme(const ServiziFinestra& servizi, QWidget* padre)
    : FinestraAnalisi(servizi, "AmboOltreFrm", QStringLiteral("Il metodo di Valdimo"), padre) {

    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* schede = new QTabWidget(sinistra);
    schede->setObjectName(QStringLiteral("SchedeAmbo"));
    schede->addTab(CreaRicerca(schede), QStringLiteral("Ricerca"));
    schede->addTab(CreaClassi(schede), QStringLiteral("Classi"));
    schede->addTab(CreaOpzioni(schede), QStringLiteral("Opzioni"));
    colonna->addWidget(schede);

    colonna->addStretch(1);

    // The results: the four commands above the cases, the summary and the plays' legend below.
    auto* risultati = new QWidget(this);
    auto* vr = new QVBoxLayout(risultati);
    vr->setContentsMargins(0, 0, 0, 0);
    auto* comandi = RigaComandi(
        risultati,
        {{"Command3", QStringLiteral("VERSIONE 1"), QStringLiteral("Terzina A1-B1-B2"),
          [this] { Esegui(VersioneAmbo::Versione1); }},
         {"Command5", QStringLiteral("VERSIONE 2"), QStringLiteral("Quartina A1-A2-B1-B2"),
          [this] { Esegui(VersioneAmbo::Versione2); }},
         {"Command7", QStringLiteral("VER 1 old"),
          QStringLiteral("Terzina A1-B1-B2, senza BA-VE Adiacenti e Ambi su ruota"),
          [this] { Esegui(VersioneAmbo::Ver1Old); }},
         {"Command11", QStringLiteral("VER 2 old"),
          QStringLiteral("Quartina A1-A2-B1-B2, senza BA-VE Adiacenti e Ambi su ruota"),
          [this] { Esegui(VersioneAmbo::Ver2Old); }}});
    comandi->addWidget(CreaPulsanteFuoriCampione(
        risultati, QStringLiteral("L'ultima versione eseguita sui soli casi dopo una estrazione")));
    comandi->addLayout(PulsantiAiuto(risultati, {{"Command31", 470}}));
    vr->addLayout(comandi);
    auto* destra = new QSplitter(Qt::Vertical, risultati);
    destra->setObjectName(QStringLiteral("DivisoreRisultati"));
    vr->addWidget(destra, 1);
    fg1_ = CreaGrigliaRisultati(destra, QStringLiteral("Fg1"), IntestazioneCasiSomme);
    auto* riepilogo = new QWidget(destra);
    auto* vRiepilogo = new QVBoxLayout(riepilogo);
    vRiepilogo->setContentsMargins(0, 0, 0, 0);
    fgX_ = CreaGrigliaRisultati(riepilogo, QStringLiteral("FgX"), IntestazioneRiepilogoSomme);
    lblCaso_ = CreaNotaCaso(riepilogo, QStringLiteral("LblCaso"),
                            QStringLiteral("I positivi che darebbe il caso con le stesse giocate"));
    vRiepilogo->addWidget(fgX_, 1);
    vRiepilogo->addWidget(lblCaso_);
    destra->addWidget(fg1_);
    destra->addWidget(riepilogo);
    // The summary's eight rows stay whole; the cases take the rest.
    fgX_->setMinimumHeight(8 * fgX_->verticalHeader()->defaultSectionSize() +
                           fgX_->horizontalHeader()->sizeHint().height() + 4);
    destra->setStretchFactor(0, 1);
    destra->setStretchFactor(1, 0);

    Componi(sinistra, risultati, "DivisoreAmbo", {1200, 760});
}

QWidget* FinestraAmboSomme::CreaRicerca(QWidget* padre) {
    auto* w = new QWidget(padre);
    auto* v = new QVBoxLayout(w);

    auto* intervallo = new QGroupBox(QStringLiteral("Intervallo di analisi"), w);
    auto* gi = new QVBoxLayout(intervallo);
    selettore_ = new SelettoreIntervallo(archivio_, dialoghi_,
                                         ConfigurazionePer(FinestraIntervallo::AmboSomme,
                                                           QStringLiteral("LblFine"),
                                                           QStringLiteral("LblInizio")),
                                         intervallo);
    gi->addWidget(selettore_);
    v->addWidget(intervallo);

    v->addWidget(CreaRuoteEPosizioni(w, 6, fgR_, fgp_));
    fgR_->SelezionaTutti();

    auto* gioco = new QGroupBox(QStringLiteral("Gioco"), w);
    auto* gg = new QGridLayout(gioco);
    comboC_ = CreaLista(gioco, "ComboC", liste_ambo_somme::Colpi);
    chIntervallo_ = Casella(gioco, "Ch_Intervallo", "Intervallo");
    chIntervallo_->setToolTip(QStringLiteral("Limita la ricerca ai casi più recenti"));
    comboNC_ = CreaLista(gioco, "ComboNC", liste_ambo_somme::Casi);
    gg->addWidget(EtichettaLista(gioco, liste_ambo_somme::Colpi, comboC_), 0, 0);
    gg->addWidget(comboC_, 0, 1);
    gg->addWidget(chIntervallo_, 1, 0);
    gg->addWidget(comboNC_, 1, 1);
    gg->addWidget(new QLabel(QStringLiteral("casi"), gioco), 1, 2);
    gg->setColumnStretch(3, 1);
    v->addWidget(gioco);

    // The plays of the versions, in the words of the results.
    auto* legenda = new QGroupBox(QStringLiteral("Giocate"), w);
    auto* gl = new QGridLayout(legenda);
    gl->addWidget(new QLabel(QStringLiteral("VERSIONE 1"), legenda), 0, 0);
    gl->addWidget(new QLabel(QStringLiteral("VERSIONE 2"), legenda), 0, 1);
    const char* uno[] = {"Ambata A1", "Ambi A1-B1 e A1-B2", "Terzina A1-B1-B2"};
    const char* due[] = {"Ambata A1", "Ambata A2", "Ambi A1-B1 e A1-B2 e A2-B1 e A2-B2",
                         "Quartina A1-A2-B1-B2"};
    for (int i = 0; i < 3; ++i) {
        gl->addWidget(new QLabel(QString::fromUtf8(uno[i]), legenda), i + 1, 0);
    }
    for (int i = 0; i < 4; ++i) {
        gl->addWidget(new QLabel(QString::fromUtf8(due[i]), legenda), i + 1, 1);
    }
    v->addWidget(legenda);
    v->addStretch(1);
    return w;
}

QWidget* FinestraAmboSomme::CreaClassi(QWidget* padre) {
    auto* w = new QWidget(padre);
    auto* v = new QVBoxLayout(w);
    v->addWidget(ConSelezione(w, QStringLiteral("Somme consentite"), fgS_, CreaClassi90, "FgS",
                              "LblSommeTutte", "LblSommeNessuna"));
    v->addWidget(ConSelezione(w, QStringLiteral("Differenze consentite"), fgD_, CreaClassi90, "FgD",
                              "LblDifferenzeTutte", "LblDifferenzeNessuna"));
    v->addWidget(ConSelezione(w, QStringLiteral("Decine, cadenze e figure"), fgF_, CreaFigure,
                              "FgF", "LblClassiTutte", "LblClassiNessuna"));
    v->addStretch(1);
    return w;
}

QWidget* FinestraAmboSomme::CreaOpzioni(QWidget* padre) {
    auto* w = new QWidget(padre);
    auto* v = new QVBoxLayout(w);

    auto* ordine = new QGroupBox(QStringLiteral("Ordine e posizioni"), w);
    auto* go = new QGridLayout(ordine);
    chNC_ = Casella(ordine, "Ch_NC", "R1 Numeri crescenti");
    chNd_ = Casella(ordine, "Ch_Nd", "R1 Numeri decrescenti");
    chX1_ = Casella(ordine, "Ch_X1", "R2 Numeri crescenti");
    chX2_ = Casella(ordine, "Ch_X2", "R2 Numeri decrescenti");
    Esclusive(chNC_, chNd_);
    Esclusive(chX1_, chX2_);
    chPE_ = Casella(ordine, "Ch_PE", "Posizione esatta");
    chPosAdi_ = Casella(ordine, "ChPosAdi", "Adiacenti 1° ruota");
    chPosAdi2_ = Casella(ordine, "ChPosAdi2", "Adiacenti 2° ruota");
    go->addWidget(chNC_, 0, 0);
    go->addWidget(chNd_, 1, 0);
    go->addWidget(chX1_, 0, 1);
    go->addWidget(chX2_, 1, 1);
    go->addWidget(chPE_, 2, 0);
    go->addWidget(chPosAdi_, 3, 0);
    go->addWidget(chPosAdi2_, 3, 1);
    v->addWidget(ordine);

    auto* relazioni = new QGroupBox(QStringLiteral("Ruote"), w);
    auto* gr = new QGridLayout(relazioni);
    for (std::size_t r = 0; r < chRuoteTipo_.size(); ++r) {
        auto* c = new QCheckBox(QString::fromUtf8(NomiRelazioni[r].data(),
                                                  static_cast<qsizetype>(NomiRelazioni[r].size())),
                                relazioni);
        c->setObjectName(QStringLiteral("Ch_RuoteTipo%1").arg(r));
        c->setChecked(r == 0);
        chRuoteTipo_[r] = c;
        gr->addWidget(c, static_cast<int>(r) / 3, static_cast<int>(r) % 3);
    }
    baVe_ = Casella(relazioni, "ChBaVe", "BA-VE Adiacenti");
    gr->addWidget(baVe_, 2, 1, 1, 2);
    v->addWidget(relazioni);

    auto* filtri = new QHBoxLayout();
    isotopia_ = new QGroupBox(QStringLiteral("Isotopia"), w);
    isotopia_->setObjectName(QStringLiteral("FrameIsotopia"));
    isotopia_->setCheckable(true);
    isotopia_->setChecked(false);
    isotopia_->setToolTip(QStringLiteral("L'ambo sulla 2° ruota nelle stesse posizioni"));
    auto* gi = new QVBoxLayout(isotopia_);
    gi->addWidget(new QLabel(QStringLiteral("Stesse posizioni"), isotopia_));
    filtri->addWidget(isotopia_);
    auto* distanza = new QGroupBox(QStringLiteral("Distanza"), w);
    auto* gd = new QVBoxLayout(distanza);
    distanzaMaggiore_ = Casella(distanza, "ChDistMagg", "Distanza maggiore");
    distanzaMinore_ = Casella(distanza, "ChDistMin", "Distanza minore");
    distanzaMaggiore_->setToolTip(QStringLiteral("Differenza da 45 a 89"));
    distanzaMinore_->setToolTip(QStringLiteral("Differenza da 1 a 45"));
    gd->addWidget(distanzaMaggiore_);
    gd->addWidget(distanzaMinore_);
    filtri->addWidget(distanza);
    v->addLayout(filtri);

    auto* gioco = new QGroupBox(QStringLiteral("Giocata"), w);
    auto* gg = new QGridLayout(gioco);
    ambata_ = Casella(gioco, "ChAmbata", "Ambata", true);
    ambiATutte_ = Casella(gioco, "ChAmbiTutte", "Ambi a tutte");
    ambiSuRuota_ = Casella(gioco, "ChAmbiRuota", "Ambi su ruota", true);
    tuttiINumeri_ = Casella(gioco, "ChTuttiNumeri", "Visualizza tutti i numeri", true);
    ambiSuRuota_->setToolTip(
        QStringLiteral("Tolto, un ambo vale anche con un numero su R1 e l'altro su R2"));
    gg->addWidget(ambata_, 0, 0);
    gg->addWidget(ambiATutte_, 0, 1);
    gg->addWidget(ambiSuRuota_, 1, 0);
    gg->addWidget(tuttiINumeri_, 2, 0, 1, 2);
    v->addWidget(gioco);
    v->addStretch(1);
    return w;
}

FiltroAmbo FinestraAmboSomme::LeggiFiltro() const {
    FiltroAmbo f = FiltroAmbo::Tutto();
    f.ruote = RuoteScelte(fgR_);
    f.posizioni = PosizioniScelte(fgp_);
    for (int n = 1; n <= 90; ++n) {
        f.somme[static_cast<std::size_t>(n)] = fgS_->Selezionata(n - 1);
        f.differenze[static_cast<std::size_t>(n)] = fgD_->Selezionata(n - 1);
    }
    for (std::size_t c = 0; c < 10; ++c) {
        const int i = static_cast<int>(c);
        f.decine[c] = fgF_->Selezionata(i);
        f.cadenze[c] = fgF_->Selezionata(10 + i);
        f.figure[c] = fgF_->Selezionata(20 + i);
    }
    const auto ordine = [](const QCheckBox* crescenti, const QCheckBox* decrescenti) {
        return crescenti->isChecked()     ? Ordine::Crescenti
               : decrescenti->isChecked() ? Ordine::Decrescenti
                                          : Ordine::Qualsiasi;
    };
    f.ordineR1 = ordine(chNC_, chNd_);
    f.ordineR2 = ordine(chX1_, chX2_);
    f.posizioneEsatta = chPE_->isChecked();
    f.adiacenti1 = chPosAdi_->isChecked();
    f.adiacenti2 = chPosAdi2_->isChecked();
    for (std::size_t r = 0; r < chRuoteTipo_.size(); ++r) {
        f.relazioni[r] = chRuoteTipo_[r]->isChecked();
    }
    f.baVeAdiacenti = baVe_->isChecked();
    f.isotopia = isotopia_->isChecked();
    f.distanzaMaggiore = distanzaMaggiore_->isChecked();
    f.distanzaMinore = distanzaMinore_->isChecked();
    f.massimoCasi = chIntervallo_->isChecked() ? comboNC_->currentText().toInt() : LimiteCasiAmbo;
    return f;
}

OpzioniGiocoAmbo FinestraAmboSomme::LeggiOpzioni(VersioneAmbo versione) const {
    OpzioniGiocoAmbo o;
    o.versione = versione;
    o.colpi = comboC_->currentText().toInt();
    o.ambata = ambata_->isChecked();
    o.ambiATutte = ambiATutte_->isChecked();
    o.ambiSuRuota = ambiSuRuota_->isChecked();
    return o;
}

void FinestraAmboSomme::Esegui(VersioneAmbo versione) {
    const FiltroAmbo f = LeggiFiltro();
    if (!Coerente(f)) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"),
                            QString::fromUtf8(MessaggioIncoerente));
        return;
    }
    versione_ = static_cast<int>(versione);
    const OpzioniGiocoAmbo o = LeggiOpzioni(versione);
    const std::vector<CasoAmbo> casi = CercaAmbi(archivio_, FiltroEffettivo(f, versione),
                                                 selettore_->Inizio(), selettore_->Fine());
    const std::vector<EsitoAmbo> esiti = GiocaAmbi(archivio_, casi, o);
    lblCaso_->setText(casi.empty()
                          ? QString()
                          : QString::fromStdString(TestoConfronto(ConfrontaAmbi(casi, esiti, o))));
    MostraTabella(fg1_, TabellaCasiSomme(archivio_, casi, esiti, o, tuttiINumeri_->isChecked()));
    MostraTabella(fgX_, TabellaRiepilogoSomme(RiassumiAmbo(esiti), versione));
}

void FinestraAmboSomme::VerificaFuoriCampione() {
    const FiltroAmbo f = LeggiFiltro();
    if (!Coerente(f)) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"),
                            QString::fromUtf8(MessaggioIncoerente));
        return;
    }
    const int fine = selettore_->Fine();
    // The check plays the version the user ran last (VERSIONE 1 before any run).
    const OpzioniGiocoAmbo o = LeggiOpzioni(static_cast<VersioneAmbo>(versione_));
    FuoriCampioneDi(fine, AnalisiAmboSomme{f, o, fine}, [](const auto& r, int e) {
        return TestoVerifica{TestoVerificaDopo(e, r.riepilogo, r.confronto)};
    });
}

} // namespace strovel

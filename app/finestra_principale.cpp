#include "app/finestra_principale.h"

#include "app/contesto.h"
#include "app/funzioni.h"
#include "app/modello_indici.h"
#include "core/archivio.h"
#include "core/colori.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/flusso_layout.h"
#include "ui/grafico.h"
#include "ui/griglia.h"
#include "ui/menu_griglia.h"
#include "ui/progresso_barra.h"
#include "ui/selettore_intervallo.h"

#include <QApplication>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

namespace strovel {

namespace {

QLabel* Etichetta(QWidget* padre, const QString& nome, const QString& suggerimento) {
    auto* l = new QLabel(padre);
    l->setObjectName(nome);
    l->setToolTip(suggerimento);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(86);
    l->setMinimumHeight(22);
    return l;
}

} // namespace

FinestraPrincipale::FinestraPrincipale(Contesto& contesto, QWidget* padre)
    : QMainWindow(padre), c_(contesto) {
    setObjectName(QStringLiteral("Strovel"));
    setWindowTitle(QStringLiteral("Strovel"));

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("AreaFinestre"));

    // The buttons span the whole width above the index; the range labels and the progress
    // bar sit in the status line at the bottom, so the child windows keep the height.
    setMenuWidget(CreaBarraPulsanti());
    setCentralWidget(area_);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addPermanentWidget(CreaStrisciaEtichette(), 1);
    // F1 anywhere in the program: the help of the window in front.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &FinestraPrincipale::AiutoContestuale);

    // 1. The last draw of the archive.
    c_.archivio->UltimaEstrazione = c_.archivio->TotEstrazioni;
    // 2. The wheel and attribute tables are built into the program.
    // 3. The draw index grid.
    auto* pannello = new QDockWidget(QStringLiteral("Indice estrazioni"), this);
    pannello->setObjectName(QStringLiteral("PannelloIndici"));
    pannello->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                          QDockWidget::DockWidgetClosable);
    grigliaIndici_ = new QTableView(pannello);
    grigliaIndici_->setObjectName(QStringLiteral("GrigliaIndici"));
    modelloIndici_ = new ModelloIndici(*c_.archivio, grigliaIndici_);
    grigliaIndici_->setModel(modelloIndici_);
    grigliaIndici_->verticalHeader()->setVisible(false);
    grigliaIndici_->verticalHeader()->setDefaultSectionSize(22);
    grigliaIndici_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grigliaIndici_->setAccessibleName(QStringLiteral("Indice delle estrazioni"));
    grigliaIndici_->setColumnWidth(0, 50);
    grigliaIndici_->setColumnWidth(1, 82);
    grigliaIndici_->setColumnWidth(2, 56);
    grigliaIndici_->setColumnWidth(3, 56);
    grigliaIndici_->setMinimumWidth(264);
    pannello->setWidget(grigliaIndici_);
    addDockWidget(Qt::LeftDockWidgetArea, pannello);
    // On a laptop screen the index starts closed, leaving its width to the child windows; the
    // "Indice estrazioni" button of the status line shows it again.
    indice_->setChecked(true);
    connect(indice_, &QToolButton::toggled, pannello, &QDockWidget::setVisible);
    connect(pannello, &QDockWidget::visibilityChanged, this,
            [this, pannello] { indice_->setChecked(!pannello->isHidden()); });
    AggiornaGrigliaIndici();
    // 4-5. Range labels.
    AggiornaEtichetteModello();
    // A right-click on a number in any grid draws its delays on every wheel over the whole
    // analysis range.
    // A window on some weekdays or months draws it over its own draws.
    ImpostaGraficoRitardi([this](QWidget* origine, int numero) {
        const Archivio* a = &ArchivioDi(origine);
        ApriGraficoRitardi(origine, *a, numero, [a] {
            SceltaGrafico s;
            s.ruote.fill(true);
            s.fine = a->NumEstrazioniAnalisi;
            return s;
        });
    });
    // The first size fills the screen's free room; main() shows the window maximised.
    if (const QScreen* schermo = screen(); schermo != nullptr) {
        const QRect libero = schermo->availableGeometry();
        resize(libero.size() * 9 / 10);
        if (libero.width() < 1600) {
            indice_->setChecked(false);
        }
    }
}

FinestraPrincipale::~FinestraPrincipale() {
    ImpostaGraficoRitardi(nullptr);
}

QWidget* FinestraPrincipale::CreaBarraPulsanti() {
    auto* barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("BarraPulsanti"));
    // The row wraps on a narrow screen instead of pushing "?" and FINE out of sight.
    auto* layout = new FlussoLayout(barra);
    layout->setContentsMargins(4, 4, 4, 4);
    for (const Funzione& f : Funzioni()) {
        auto* b = new QPushButton(QString::fromUtf8(f.didascalia), barra);
        b->setObjectName(QString::fromLatin1(f.pulsante));
        b->setToolTip(QString::fromUtf8(f.suggerimento));
        b->setAutoDefault(true);
        const QString tipo = QString::fromLatin1(f.tipo);
        connect(b, &QPushButton::clicked, this, [this, tipo] { ApriModulo(tipo); });
        layout->addWidget(b);
    }
    auto* filtro = new QPushButton(QStringLiteral("Giorni e mesi"), barra);
    filtro->setObjectName(QStringLiteral("CmdGiorniMesi"));
    filtro->setToolTip(QStringLiteral("Solo le estrazioni di alcuni giorni della settimana o "
                                      "mesi, nella finestra di analisi attiva"));
    filtro->setAutoDefault(true);
    connect(filtro, &QPushButton::clicked, this, &FinestraPrincipale::GiorniEMesi);
    layout->addWidget(filtro);
    auto* aiuto = new QPushButton(QStringLiteral("?"), barra);
    aiuto->setObjectName(QStringLiteral("CmDHelp"));
    aiuto->setToolTip(QStringLiteral("Help in linea"));
    aiuto->setFixedWidth(36);
    aiuto->setAccessibleName(QStringLiteral("Guida: Finestra principale"));
    aiuto->setAutoDefault(true);
    connect(aiuto, &QPushButton::clicked, this, [] { FinestraAiuto::Apri(220); });
    layout->addWidget(aiuto);
    auto* fine = new QPushButton(QStringLiteral("FINE"), barra);
    fine->setObjectName(QStringLiteral("Command45"));
    fine->setMinimumWidth(80);
    fine->setAutoDefault(true);
    connect(fine, &QPushButton::clicked, this, &FinestraPrincipale::Fine);
    layout->addWidget(fine);
    return barra;
}

ServiziFinestra FinestraPrincipale::Servizi() {
    ServiziFinestra s;
    s.archivio = c_.archivio.get();
    s.db = &c_.archivioDb;
    s.impostazioni = &c_.impostazioni;
    s.dialoghi = &c_.dialoghi;
    s.cartellaProgramma = c_.cartellaProgramma;
    s.pb1 = ProgressoSuBarra(pb1_);
    s.adesso = c_.adesso;
    s.indirizzoInternet = &c_.indirizzoInternet;
    s.apriIndirizzo = c_.apriIndirizzo;
    s.dopoRicarica = [this] { Ricaricato(); };
    return s;
}

void FinestraPrincipale::Ricaricato() {
    for (auto& [tipo, f] : filtri_) {
        *f.archivio = FiltraArchivio(*c_.archivio, f.filtro);
    }
    AggiornaEtichetteModello();
    AggiornaGrigliaIndici();
    // The open windows show the draw their next command will use.
    for (SelettoreIntervallo* selettore : area_->findChildren<SelettoreIntervallo*>()) {
        selettore->Ricaricato();
    }
}

void FinestraPrincipale::AiutoContestuale() {
    int argomento = 220;
    for (const auto& [tipo, finestra] : finestre_) {
        const Funzione* f = FunzioneDelTipo(tipo.toStdString());
        if (finestra != nullptr && finestra == area_->activeSubWindow() && f != nullptr &&
            f->aiuto > 0) {
            argomento = f->aiuto;
        }
    }
    FinestraAiuto::Apri(argomento);
}

QWidget* FinestraPrincipale::CreaStrisciaEtichette() {
    auto* striscia = new QWidget(this);
    striscia->setObjectName(QStringLiteral("StrisciaEtichette"));
    auto* g = new QHBoxLayout(striscia);
    g->setContentsMargins(4, 2, 4, 2);
    g->setSpacing(6);
    indice_ = new QToolButton(striscia);
    indice_->setObjectName(QStringLiteral("CmdIndice"));
    indice_->setText(QStringLiteral("Indice estrazioni"));
    indice_->setToolTip(QStringLiteral("Mostra o nasconde l'indice delle estrazioni"));
    indice_->setCheckable(true);
    g->addWidget(indice_);
    g->addStretch(1);
    // Each heading names the labels that follow it on the line, for the eye and the screen
    // reader alike.
    auto titolo = [striscia](const QString& t, std::initializer_list<QLabel*> etichette) {
        auto* l = new QLabel(t, striscia);
        for (QLabel* e : etichette) {
            e->setAccessibleName(t + QStringLiteral(": ") + e->toolTip());
        }
        l->setBuddy(*etichette.begin());
        return l;
    };
    auto* inizio = Etichetta(striscia, QStringLiteral("LblInizio"), QStringLiteral("Data inizio"));
    auto* inizioNE =
        Etichetta(striscia, QStringLiteral("Lbl_inizioNE"), QStringLiteral("Indice inizio"));
    auto* fine = Etichetta(striscia, QStringLiteral("LblFine"), QStringLiteral("Data fine"));
    auto* fineNE = Etichetta(striscia, QStringLiteral("Lbl_fineNE"), QStringLiteral("Indice fine"));
    g->addWidget(titolo(QStringLiteral("Inizio"), {inizio, inizioNE}));
    g->addWidget(inizio);
    g->addWidget(inizioNE);
    g->addSpacing(8);
    g->addWidget(titolo(QStringLiteral("Fine"), {fine, fineNE}));
    g->addWidget(fine);
    g->addWidget(fineNE);
    g->addSpacing(8);
    auto* ev = Etichetta(striscia, QStringLiteral("Lbl_Ev"),
                         QStringLiteral("Estrazioni archivio modello"));
    QPalette p = ev->palette();
    p.setColor(QPalette::Window, ColoreQt(ColoreVerdeScuro));
    p.setColor(QPalette::WindowText, Qt::white);
    ev->setPalette(p);
    ev->setAutoFillBackground(true);
    QFont grassetto = ev->font();
    grassetto.setBold(true);
    ev->setFont(grassetto);
    g->addWidget(titolo(QStringLiteral("N° estr"), {ev}));
    g->addWidget(ev);
    g->addSpacing(8);
    pb1_ = new QProgressBar(striscia);
    pb1_->setObjectName(QStringLiteral("pb1"));
    pb1_->setAccessibleName(QStringLiteral("Avanzamento"));
    pb1_->setValue(0);
    pb1_->setFixedWidth(260);
    g->addWidget(pb1_);
    return striscia;
}

void FinestraPrincipale::AggiornaEtichetteModello() {
    const Archivio& a = *c_.archivio;
    auto testo = [this](const char* nome, const QString& valore) {
        findChild<QLabel*>(QString::fromLatin1(nome))->setText(valore);
    };
    if (a.NumIndiciModello < 1) {
        return;
    }
    const auto primo = static_cast<std::size_t>(a.IndiciModello[1]);
    const auto ultimo =
        static_cast<std::size_t>(a.IndiciModello[static_cast<std::size_t>(a.NumIndiciModello)]);
    testo("LblInizio", QString::fromStdString(a.DateEstrazioni[primo]));
    testo("Lbl_inizioNE", QString::number(primo));
    testo("LblFine", QString::fromStdString(a.DateEstrazioni[ultimo]));
    testo("Lbl_fineNE", QString::number(ultimo));
    // The count comes from the two index labels' texts.
    const int inizio = findChild<QLabel*>(QStringLiteral("Lbl_inizioNE"))->text().toInt();
    const int fine = findChild<QLabel*>(QStringLiteral("Lbl_fineNE"))->text().toInt();
    testo("Lbl_Ev", QString::number(fine - inizio + 1));
}

void FinestraPrincipale::AggiornaGrigliaIndici() {
    modelloIndici_->Ricarica();
}

QMdiSubWindow* FinestraPrincipale::ApriFinestra(const QString& tipo,
                                                const std::function<QWidget*()>& crea) {
    auto it = finestre_.find(tipo);
    if (it == finestre_.end() || it->second == nullptr) {
        QWidget* finestra = crea();
        QMdiSubWindow* sotto = area_->addSubWindow(finestra);
        sotto->setObjectName(QStringLiteral("Finestra_") + tipo);
        sotto->setAttribute(Qt::WA_DeleteOnClose);
        // A new window opens inside the frame and no larger than it; maximised, like the window
        // in front, unless the player has restored that one to a smaller size.
        const QSize spazio = area_->viewport()->size();
        if (spazio.isValid() && !spazio.isEmpty()) {
            sotto->resize(sotto->sizeHint()
                              .boundedTo(spazio)
                              .expandedTo(sotto->minimumSizeHint())
                              .boundedTo(spazio));
            sotto->move(0, 0);
        }
        const QMdiSubWindow* davanti = area_->activeSubWindow();
        if (davanti == nullptr || davanti->isMaximized()) {
            sotto->setWindowState(sotto->windowState() | Qt::WindowMaximized);
        }
        it = finestre_.insert_or_assign(tipo, QPointer<QMdiSubWindow>(sotto)).first;
    }
    it->second->show();
    area_->setActiveSubWindow(it->second);
    it->second->raise();
    return it->second;
}

ServiziFinestra FinestraPrincipale::ServiziPer(const QString& tipo) {
    ServiziFinestra s = Servizi();
    if (const auto f = filtri_.find(tipo); f != filtri_.end()) {
        s.archivio = f->second.archivio.get();
        s.archivioCompleto = c_.archivio.get();
    }
    return s;
}

QMdiSubWindow* FinestraPrincipale::ApriModulo(const QString& tipo) {
    return ApriFinestra(tipo, [this, tipo] {
        QWidget* finestra = FunzioneDelTipo(tipo.toStdString())->crea(ServiziPer(tipo));
        const std::string filtro = DescriviFiltro(FiltroDi(tipo));
        if (!filtro.empty()) {
            finestra->setWindowTitle(finestra->windowTitle() + QStringLiteral(" - solo ") +
                                     QString::fromStdString(filtro));
        }
        return finestra;
    });
}

const Archivio& FinestraPrincipale::ArchivioDi(const QWidget* w) const {
    for (const auto& [tipo, f] : filtri_) {
        const auto finestra = finestre_.find(tipo);
        if (finestra != finestre_.end() && finestra->second != nullptr &&
            finestra->second->isAncestorOf(w)) {
            return *f.archivio;
        }
    }
    return *c_.archivio;
}

FiltroCalendario FinestraPrincipale::FiltroDi(const QString& tipo) const {
    const auto f = filtri_.find(tipo);
    return f == filtri_.end() ? FiltroCalendario{} : f->second.filtro;
}

void FinestraPrincipale::GiorniEMesi() {
    QMdiSubWindow* attiva = area_->activeSubWindow();
    QString tipo;
    for (const auto& [t, finestra] : finestre_) {
        if (finestra != nullptr && finestra == attiva) {
            tipo = t;
        }
    }
    const Funzione* funzione = FunzioneDelTipo(tipo.toStdString());
    if (funzione == nullptr || !funzione->analisi) {
        c_.dialoghi.Messaggio(this, Icona::Informazione, QStringLiteral("Giorni e mesi"),
                              QStringLiteral("Aprire prima la finestra di analisi a cui "
                                             "applicare il filtro."));
        return;
    }
    // The window may close while the dialog is open.
    const QPointer<QMdiSubWindow> finestra(attiva);
    auto scelto = c_.dialoghi.GiorniEMesi(this, FiltroDi(tipo));
    if (!scelto || scelto->Normalizzato() == FiltroDi(tipo).Normalizzato()) {
        return;
    }
    *scelto = scelto->Normalizzato();
    std::unique_ptr<Archivio> filtrato;
    if (scelto->Attivo()) {
        filtrato = std::make_unique<Archivio>(FiltraArchivio(*c_.archivio, *scelto));
        if (filtrato->TotEstrazioni == 0) {
            c_.dialoghi.Messaggio(this, Icona::Avviso, QStringLiteral("Giorni e mesi"),
                                  QStringLiteral("Nessuna estrazione nei giorni e mesi scelti."));
            return;
        }
    }
    // The window is made again on the new draws: the old one goes first, with the archive it
    // reads. It comes back as it was, maximized or at its place and size: the area maximizes
    // every window the user brings forward while the one in front is maximized, so the others
    // keep their state with it.
    const bool massimizzata = finestra != nullptr && finestra->isMaximized();
    const QRect geometria = finestra != nullptr ? finestra->geometry() : QRect();
    delete finestra;
    filtri_.erase(tipo);
    if (filtrato) {
        filtri_[tipo] = {*scelto, std::move(filtrato)};
    }
    QMdiSubWindow* nuova = ApriModulo(tipo);
    if (massimizzata) {
        nuova->showMaximized();
    } else if (geometria.isValid()) {
        nuova->showNormal();
        nuova->setGeometry(geometria);
    }
}

void FinestraPrincipale::Fine() {
    c_.ChiudiTutto();
    QApplication::quit();
}

} // namespace strovel

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
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace strovel {

namespace {

QLabel* Etichetta(QWidget* padre, const QString& nome, const QString& suggerimento) {
    auto* l = new QLabel(padre);
    l->setObjectName(nome);
    l->setToolTip(suggerimento);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(86);
    l->setMinimumHeight(24);
    return l;
}

} // namespace

FinestraPrincipale::FinestraPrincipale(Contesto& contesto, QWidget* padre)
    : QMainWindow(padre), c_(contesto) {
    setObjectName(QStringLiteral("Strovel"));
    setWindowTitle(QStringLiteral("Strovel"));

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("AreaFinestre"));

    auto* centrale = new QWidget(this);
    auto* layout = new QVBoxLayout(centrale);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(CreaBarraPulsanti());
    layout->addWidget(CreaStrisciaEtichette());
    layout->addWidget(area_, 1);
    setCentralWidget(centrale);
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
    pannello->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    grigliaIndici_ = new QTableView(pannello);
    grigliaIndici_->setObjectName(QStringLiteral("GrigliaIndici"));
    modelloIndici_ = new ModelloIndici(*c_.archivio, grigliaIndici_);
    grigliaIndici_->setModel(modelloIndici_);
    grigliaIndici_->verticalHeader()->setVisible(false);
    grigliaIndici_->verticalHeader()->setDefaultSectionSize(22);
    grigliaIndici_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grigliaIndici_->setColumnWidth(0, 60);
    grigliaIndici_->setColumnWidth(1, 90);
    grigliaIndici_->setColumnWidth(2, 70);
    grigliaIndici_->setColumnWidth(3, 70);
    grigliaIndici_->setMinimumWidth(310);
    pannello->setWidget(grigliaIndici_);
    addDockWidget(Qt::LeftDockWidgetArea, pannello);
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
    resize(1200, 760);
}

FinestraPrincipale::~FinestraPrincipale() {
    ImpostaGraficoRitardi(nullptr);
}

QWidget* FinestraPrincipale::CreaBarraPulsanti() {
    auto* barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("BarraPulsanti"));
    // The row wraps on a narrow screen instead of pushing "?" and FINE out of sight.
    auto* layout = new FlussoLayout(barra);
    for (const Funzione& f : Funzioni()) {
        auto* b = new QPushButton(QString::fromUtf8(f.didascalia), barra);
        b->setObjectName(QString::fromLatin1(f.pulsante));
        b->setToolTip(QString::fromUtf8(f.suggerimento));
        const QString tipo = QString::fromLatin1(f.tipo);
        connect(b, &QPushButton::clicked, this, [this, tipo] { ApriModulo(tipo); });
        layout->addWidget(b);
    }
    auto* filtro = new QPushButton(QStringLiteral("Giorni e mesi"), barra);
    filtro->setObjectName(QStringLiteral("CmdGiorniMesi"));
    filtro->setToolTip(QStringLiteral("Solo le estrazioni di alcuni giorni della settimana o "
                                      "mesi, nella finestra di analisi attiva"));
    connect(filtro, &QPushButton::clicked, this, &FinestraPrincipale::GiorniEMesi);
    layout->addWidget(filtro);
    auto* aiuto = new QPushButton(QStringLiteral("?"), barra);
    aiuto->setObjectName(QStringLiteral("CmDHelp"));
    aiuto->setToolTip(QStringLiteral("Help in linea"));
    aiuto->setFixedWidth(36);
    connect(aiuto, &QPushButton::clicked, this, [] { FinestraAiuto::Apri(220); });
    layout->addWidget(aiuto);
    auto* fine = new QPushButton(QStringLiteral("FINE"), barra);
    fine->setObjectName(QStringLiteral("Command45"));
    fine->setMinimumWidth(80);
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
    auto* g = new QGridLayout(striscia);
    g->setContentsMargins(0, 4, 0, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(2);
    auto titolo = [striscia](const QString& t) {
        auto* l = new QLabel(t, striscia);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    g->addWidget(titolo(QStringLiteral("Inizio")), 0, 0, 1, 2);
    g->addWidget(titolo(QStringLiteral("Fine")), 0, 2, 1, 2);
    g->addWidget(titolo(QStringLiteral("N° estr")), 0, 4);
    g->addWidget(Etichetta(striscia, QStringLiteral("LblInizio"), QStringLiteral("Data inizio")), 1,
                 0);
    g->addWidget(
        Etichetta(striscia, QStringLiteral("Lbl_inizioNE"), QStringLiteral("Indice inizio")), 1, 1);
    g->addWidget(Etichetta(striscia, QStringLiteral("LblFine"), QStringLiteral("Data fine")), 1, 2);
    g->addWidget(Etichetta(striscia, QStringLiteral("Lbl_fineNE"), QStringLiteral("Indice fine")),
                 1, 3);
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
    g->addWidget(ev, 1, 4);
    pb1_ = new QProgressBar(striscia);
    pb1_->setObjectName(QStringLiteral("pb1"));
    pb1_->setValue(0);
    pb1_->setMinimumWidth(260);
    g->addWidget(pb1_, 1, 6);
    g->setColumnStretch(5, 1);
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
        // A new window opens inside the frame and no larger than it.
        const QSize spazio = area_->viewport()->size();
        if (spazio.isValid() && !spazio.isEmpty()) {
            sotto->resize(sotto->sizeHint()
                              .boundedTo(spazio)
                              .expandedTo(sotto->minimumSizeHint())
                              .boundedTo(spazio));
            sotto->move(0, 0);
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

#include "ui/selezioni_metodo.h"

#include "core/lista_valori.h"
#include "core/ruote.h"
#include "core/tabella.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/menu_griglia.h"
#include "ui/pulsanti.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace strovel {

namespace {

template <std::size_t N> std::array<bool, N> Flag(const GrigliaSelezione* g) {
    std::array<bool, N> v{};
    for (std::size_t i = 0; i < N; ++i) {
        v[i] = g->Selezionata(static_cast<int>(i));
    }
    return v;
}

GrigliaSelezione* Lista(QWidget* padre, const char* nome, const QStringList& voci, int colonne) {
    auto* g = new GrigliaSelezione(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->Imposta(voci, colonne);
    for (int c = 0; c < g->columnCount(); ++c) {
        g->setColumnWidth(c, 34);
    }
    for (int r = 0; r < g->rowCount(); ++r) {
        g->setRowHeight(r, 20);
    }
    g->AdattaAlContenuto();
    return g;
}

} // namespace

GrigliaSelezione* CreaGrigliaRuote(QWidget* padre, const char* nome, int colonne) {
    auto* g = new GrigliaSelezione(padre);
    g->setObjectName(QString::fromLatin1(nome));
    QStringList sigle;
    for (int r = 0; r < NumRuote; ++r) {
        sigle << QString::fromStdString(Sigla(r));
    }
    g->Imposta(sigle, colonne);
    for (int c = 0; c < g->columnCount(); ++c) {
        g->setColumnWidth(c, 30);
    }
    g->AdattaAlContenuto();
    return g;
}

GrigliaSelezione* CreaGrigliaPosizioni(QWidget* padre, const char* nome) {
    auto* g = new GrigliaSelezione(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->Imposta({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                QStringLiteral("5")},
               5);
    g->SelezionaTutti();
    for (int c = 0; c < 5; ++c) {
        g->setColumnWidth(c, 30);
    }
    g->AdattaAlContenuto();
    return g;
}

std::pair<QPushButton*, QPushButton*> PulsantiSelezione(QWidget* padre, GrigliaSelezione* griglia,
                                                        const char* tutti, const char* nessuno) {
    auto* si = CreaPulsante(padre, tutti, QStringLiteral("Seleziona tutti"));
    auto* no = CreaPulsante(padre, nessuno, QStringLiteral("Deseleziona"));
    si->setFlat(true);
    no->setFlat(true);
    QObject::connect(si, &QPushButton::clicked, griglia, &GrigliaSelezione::SelezionaTutti);
    QObject::connect(no, &QPushButton::clicked, griglia, &GrigliaSelezione::Deseleziona);
    return {si, no};
}

std::array<bool, 11> RuoteScelte(const GrigliaSelezione* griglia) {
    return Flag<11>(griglia);
}

std::array<bool, 5> PosizioniScelte(const GrigliaSelezione* griglia) {
    return Flag<5>(griglia);
}

QWidget* Titolata(QWidget* padre, const QString& titolo, QWidget* contenuto) {
    auto* w = new QWidget(padre);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new QLabel(titolo, w));
    v->addWidget(contenuto, 1);
    return w;
}

QLabel* CreaNota(QWidget* padre, const char* nome, const QString& suggerimento) {
    auto* nota = new QLabel(padre);
    nota->setObjectName(QString::fromLatin1(nome));
    nota->setWordWrap(true);
    nota->setToolTip(suggerimento);
    return nota;
}

QWidget* ConNota(QWidget* padre, QWidget* contenuto, QLabel* nota) {
    auto* w = new QWidget(padre);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(contenuto, 1);
    v->addWidget(nota);
    return w;
}

std::array<bool, 11> SelezioniMetodo::Rilevazione() const {
    return Flag<11>(rilevazione);
}
std::array<bool, 11> SelezioniMetodo::Gioco() const {
    return Flag<11>(gioco);
}
std::array<bool, 5> SelezioniMetodo::Posizioni() const {
    return Flag<5>(posizioni);
}

SelezioniMetodo CreaSelezioniMetodo(QWidget* padre) {
    SelezioniMetodo s;
    auto* gruppo = new QGroupBox(QStringLiteral("Ruote e posizioni"), padre);
    s.pannello = gruppo;
    QStringList sigle;
    for (int r = 0; r < NumRuote; ++r) {
        sigle << QString::fromStdString(Sigla(r));
    }
    s.rilevazione = Lista(gruppo, "FgR", sigle, 1);
    s.gioco = Lista(gruppo, "FgG", sigle, 1);
    s.posizioni = Lista(gruppo, "Fgp",
                        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                         QStringLiteral("4"), QStringLiteral("5")},
                        5);
    s.posizioni->setFixedWidth(5 * 28 + 4);
    for (int c = 0; c < 5; ++c) {
        s.posizioni->setColumnWidth(c, 28);
    }
    auto* tutti = CreaPulsante(gruppo, "LblSelTutti", QStringLiteral("Seleziona tutti"));
    auto* nessuno = CreaPulsante(gruppo, "LblDesel", QStringLiteral("Deseleziona"));
    for (GrigliaSelezione* g : {s.rilevazione, s.gioco}) {
        QObject::connect(tutti, &QPushButton::clicked, g, &GrigliaSelezione::SelezionaTutti);
        QObject::connect(nessuno, &QPushButton::clicked, g, &GrigliaSelezione::Deseleziona);
    }
    s.rilevazione->setAccessibleName(QStringLiteral("Ruote di rilevazione"));
    s.gioco->setAccessibleName(QStringLiteral("Ruote di gioco"));
    s.posizioni->setAccessibleName(QStringLiteral("Posizioni"));
    // The two wheel columns, and beside them the buttons and the positions, so the group is no
    // taller than the eleven wheels.
    auto* g = new QGridLayout(gruppo);
    g->addWidget(new QLabel(QStringLiteral("Rilevazione"), gruppo), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Gioco"), gruppo), 0, 1);
    g->addWidget(s.rilevazione, 1, 0, 6, 1);
    g->addWidget(s.gioco, 1, 1, 6, 1);
    g->addWidget(tutti, 1, 2);
    g->addWidget(nessuno, 2, 2);
    g->addWidget(new QLabel(QStringLiteral("Posizioni"), gruppo), 3, 2);
    g->addWidget(s.posizioni, 4, 2);
    g->setRowStretch(5, 1);
    return s;
}

namespace {

/// Leaves a wheel event to the list's parents while the list has no focus.
class RotellaAlPadre : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Wheel && !static_cast<QWidget*>(oggetto)->hasFocus()) {
            evento->ignore();
            return true;
        }
        return false;
    }
};

} // namespace

void RotellaSoloConFuoco(QComboBox* lista) {
    lista->setFocusPolicy(Qt::StrongFocus);
    lista->installEventFilter(new RotellaAlPadre(lista));
}

QComboBox* CreaLista(QWidget* padre, const char* nome, const ListaValori& lista) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nome));
    for (const int v : lista.Voci()) {
        c->addItem(QString::number(v));
    }
    c->setCurrentIndex(lista.IndicePredefinito());
    if (lista.didascalia != nullptr) {
        c->setAccessibleName(QString::fromUtf8(lista.didascalia));
    }
    c->setMaxVisibleItems(20);
    c->setMaximumWidth(100);
    return c;
}

QLabel* EtichettaLista(QWidget* padre, const ListaValori& lista, QComboBox* elenco) {
    auto* etichetta = new QLabel(QString::fromUtf8(lista.didascalia), padre);
    etichetta->setBuddy(elenco);
    return etichetta;
}

GrigliaTabella* CreaGrigliaRisultati(QWidget* padre, const QString& nome,
                                     const char* intestazione) {
    auto* g = new GrigliaTabella(padre);
    g->setObjectName(nome);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(22);
    AggiungiMenuGriglia(g);
    if (intestazione != nullptr) {
        MostraTabella(g, Tabella(intestazione));
    } else {
        g->horizontalHeader()->setVisible(false);
    }
    return g;
}

QGroupBox* CreaRuoteEPosizioni(QWidget* padre, int colonne, GrigliaSelezione*& ruote,
                               GrigliaSelezione*& posizioni) {
    auto* box = new QGroupBox(QStringLiteral("Ruote e posizioni"), padre);
    auto* g = new QGridLayout(box);
    ruote = CreaGrigliaRuote(box, "FgR", colonne);
    posizioni = CreaGrigliaPosizioni(box, "Fgp");
    const auto [tutti, nessuno] = PulsantiSelezione(box, ruote, "LblSelTutti", "LblDesel");
    g->addWidget(new QLabel(QStringLiteral("Ruote"), box), 0, 0);
    g->addWidget(tutti, 0, 1);
    g->addWidget(nessuno, 0, 2);
    g->addWidget(ruote, 1, 0, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Posizioni"), box), 2, 0);
    g->addWidget(posizioni, 3, 0, 1, 3);
    return box;
}

} // namespace strovel

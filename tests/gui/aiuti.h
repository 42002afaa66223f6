#pragma once
// Helpers of the window tests: find a control by name, click it, type into it.

#include "ui/aiuto.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QBrush>
#include <QElapsedTimer>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

namespace strovel::test {

/// The child of `radice` named `nome`; fails the test when there is none.
template <typename T = QWidget> T* Trova(QWidget* radice, const QString& nome) {
    T* w = radice->findChild<T*>(nome);
    EXPECT_NE(w, nullptr) << "controllo non trovato: " << nome.toStdString();
    return w;
}

inline void Clicca(QWidget* radice, const QString& nome) {
    auto* b = Trova<QAbstractButton>(radice, nome);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << nome.toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
}

/// The text of the label named `nome`.
inline QString Etichetta(QWidget* radice, const QString& nome) {
    auto* l = Trova<QLabel>(radice, nome);
    return l ? l->text() : QString();
}

/// The index of cell (riga, colonna) of any grid.
inline QModelIndex Indice(const QAbstractItemView* g, int riga, int colonna) {
    return g->model()->index(riga, colonna);
}

/// The text of cell (riga, colonna) of the grid named `griglia`; empty when there is none.
inline QString Cella(QWidget* radice, const QString& griglia, int riga, int colonna) {
    auto* g = Trova<QAbstractItemView>(radice, griglia);
    return g ? Indice(g, riga, colonna).data().toString() : QString();
}

/// The background of a cell; an invalid colour when the cell has none of its own.
inline QColor Sfondo(const QAbstractItemView* g, int riga, int colonna) {
    const QVariant v = Indice(g, riga, colonna).data(Qt::BackgroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

/// The text colour of a cell; an invalid colour when the cell has none of its own.
inline QColor ColoreTesto(const QAbstractItemView* g, int riga, int colonna) {
    const QVariant v = Indice(g, riga, colonna).data(Qt::ForegroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

inline bool Grassetto(const QAbstractItemView* g, int riga, int colonna) {
    const QVariant v = Indice(g, riga, colonna).data(Qt::FontRole);
    return v.isValid() && v.value<QFont>().bold();
}

/// The centre of a cell in the grid's viewport, scrolled into view first.
inline QPoint CentroCella(QAbstractItemView* g, int riga, int colonna) {
    g->scrollTo(Indice(g, riga, colonna));
    return g->visualRect(Indice(g, riga, colonna)).center();
}

/// Clicks a cell of any grid with the mouse.
inline void CliccaCella(QAbstractItemView* g, int riga, int colonna) {
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CentroCella(g, riga, colonna));
}

/// The header texts of the grid named `griglia`.
inline QStringList Intestazioni(QWidget* radice, const QString& griglia) {
    QStringList t;
    auto* g = Trova<QAbstractItemView>(radice, griglia);
    for (int c = 0; g && c < g->model()->columnCount(); ++c) {
        t << g->model()->headerData(c, Qt::Horizontal).toString();
    }
    return t;
}

/// Processes events until `condizione` holds or `ms` pass; whether it held.
inline bool AttendiFinche(const std::function<bool()>& condizione, int ms = 5000) {
    QElapsedTimer orologio;
    orologio.start();
    while (!condizione()) {
        if (orologio.elapsed() > ms) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

/// Every top-level widget of class T.
template <typename T> int ContaFinestre() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<T*>(w) != nullptr) {
            ++n;
        }
    }
    return n;
}

/// The topic the help window shows now (0 when no help window is open); unlike
/// FinestraAiuto::Apri it changes nothing.
inline int ArgomentoAiutoAperto() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* aiuto = qobject_cast<FinestraAiuto*>(w); aiuto && aiuto->isVisible()) {
            return aiuto->Argomento();
        }
    }
    return 0;
}

/// The visible controls under `radice` that overlap a visible sibling control: a control left
/// out of its layout, or two laid in the same cell. Each pair as "name1 / name2".
/// The captions of `radice`'s labels, buttons, check boxes and frames that `attese` lists but
/// the window does not show (on any of its tabs): empty when every caption is in place.
inline QStringList DidascalieMancanti(QWidget* radice, const QStringList& attese) {
    QStringList presenti;
    for (const QLabel* l : radice->findChildren<QLabel*>()) {
        presenti << l->text();
    }
    for (const QAbstractButton* b : radice->findChildren<QAbstractButton*>()) {
        presenti << b->text();
    }
    for (const QGroupBox* g : radice->findChildren<QGroupBox*>()) {
        presenti << g->title();
    }
    QStringList mancanti;
    for (const QString& a : attese) {
        if (!presenti.contains(a)) {
            mancanti << a;
        }
    }
    return mancanti;
}

/// The visible selection grids under `radice` with a cell a player can neither see nor scroll
/// to: cut off by the grid itself (its cells wider or taller than it, with no scroll bar to
/// reach them) or by a frame around it (up to the nearest scrolling area or window).
inline QStringList CelleFuoriVista(QWidget* radice) {
    QStringList trovate;
    for (auto* g : radice->findChildren<GrigliaSelezione*>()) {
        if (!g->isVisible()) {
            continue;
        }
        const QSize vista = g->viewport()->size();
        const bool larga = g->horizontalHeader()->length() > vista.width() &&
                           g->horizontalScrollBar()->maximum() == 0;
        const bool alta = g->verticalHeader()->length() > vista.height() &&
                          g->verticalScrollBar()->maximum() == 0;
        bool tagliata = false;
        QRect r(QPoint(0, 0), g->size());
        for (QWidget* w = g; !w->isWindow() && w->parentWidget() != nullptr;
             w = w->parentWidget()) {
            QWidget* padre = w->parentWidget();
            r.translate(w->pos());
            if (!padre->rect().contains(r)) {
                tagliata = true;
                break;
            }
            auto* area = qobject_cast<QAbstractScrollArea*>(padre->parentWidget());
            if (area != nullptr && area->viewport() == padre) {
                break;
            }
        }
        if (larga || alta || tagliata) {
            trovate << g->objectName();
        }
    }
    return trovate;
}

inline QStringList Sovrapposizioni(QWidget* radice) {
    auto controllo = [](const QWidget* w) { return w->isVisible() && !w->isWindow(); };
    auto nome = [](const QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    QStringList trovate;
    QList<QWidget*> tutti = radice->findChildren<QWidget*>();
    tutti.prepend(radice);
    for (QWidget* padre : tutti) {
        // Qt's own composite widgets lay their parts as they like (the tab bar's arrows lie
        // one on the other, a grid's headers on its frame): only the program's layouts count.
        if (padre->inherits("QTabBar") || padre->inherits("QAbstractScrollArea") ||
            padre->inherits("QComboBox") || padre->inherits("QAbstractSpinBox") ||
            padre->inherits("QSplitter") || padre->inherits("QTabWidget") ||
            padre->inherits("QStackedWidget") || padre->inherits("QMdiSubWindow")) {
            continue;
        }
        QList<QWidget*> figli;
        for (QObject* o : padre->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && controllo(w)) {
                figli << w;
            }
        }
        for (int i = 0; i < figli.size(); ++i) {
            for (int j = i + 1; j < figli.size(); ++j) {
                if (figli[i]->geometry().intersects(figli[j]->geometry())) {
                    trovate << nome(figli[i]) + QStringLiteral(" / ") + nome(figli[j]);
                }
            }
        }
    }
    return trovate;
}

} // namespace strovel::test

// Every window opened from the main window on a 1366x768 laptop, maximised inside it: every
// control in sight on every tab and reachable with Tab, every grid with its header and first
// rows, every selection grid whole, and every grid, input and help button named for a screen
// reader.

#include "app/contesto.h"
#include "app/finestra_principale.h"
#include "app/funzioni.h"
#include "tests/gui/aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace strovel {
namespace {

QString Nome(const QWidget* w) {
    const QString testo = w->property("text").toString();
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName()) +
           (testo.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(testo));
}

/// Whether `w` is part of one of Qt's composite widgets (a combo's list, a grid's editor, a tab
/// bar's arrows), which the composite lays out and scrolls itself.
bool ParteDiUnComposto(const QWidget* w, const QWidget* radice) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != radice; p = p->parentWidget()) {
        if (p->inherits("QAbstractItemView") || p->inherits("QComboBox") ||
            p->inherits("QAbstractSpinBox") || p->inherits("QTabBar") ||
            p->inherits("QCalendarWidget") || p->inherits("QScrollBar")) {
            return true;
        }
    }
    return w->inherits("QScrollBar") || w->inherits("QSplitterHandle");
}

bool Controllo(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return !l->text().isEmpty();
    }
    return w->inherits("QAbstractButton") || w->inherits("QComboBox") || w->inherits("QLineEdit") ||
           w->inherits("QAbstractSpinBox") || w->inherits("QAbstractItemView") ||
           w->inherits("QProgressBar");
}

/// Whether a screen reader has a name for `w`: its own, or the label that introduces it.
bool HaNome(const QWidget* w, const QWidget* radice) {
    if (!w->accessibleName().isEmpty()) {
        return true;
    }
    for (const QLabel* l : radice->findChildren<QLabel*>()) {
        if (l->buddy() == w) {
            return true;
        }
    }
    return false;
}

/// What a player on this window cannot see or a screen reader cannot name.
QStringList Difetti(QWidget* finestra) {
    QStringList difetti;
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->isVisible() || !Controllo(w) || ParteDiUnComposto(w, finestra)) {
            continue;
        }
        // Wholly inside every widget around it, up to the window: not cut by an edge nor
        // hidden in a scrolled panel.
        QRect r = w->rect();
        const QWidget* figlio = w;
        for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
            r.translate(figlio->pos());
            if (!p->rect().contains(r)) {
                difetti << QStringLiteral("fuori vista: ") + Nome(w);
                break;
            }
            if (p == finestra) {
                break;
            }
            figlio = p;
        }
        if (!w->inherits("QLabel") && !w->inherits("QProgressBar") &&
            (w->focusPolicy() & Qt::TabFocus) == 0) {
            difetti << QStringLiteral("non raggiungibile con Tab: ") + Nome(w);
        }
        if (auto* g = qobject_cast<QTableView*>(w)) {
            if (!HaNome(g, finestra)) {
                difetti << QStringLiteral("griglia senza nome: ") + Nome(w);
            }
            if (qobject_cast<GrigliaSelezione*>(g) != nullptr) {
                // Every column of a selection grid in sight; its rows too, unless it is a long
                // list that scrolls (the 90 numbers in two columns).
                const bool righe = g->verticalHeader()->length() <= g->viewport()->height() ||
                                   (g->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
                                    g->verticalScrollBar()->maximum() > 0);
                if (g->horizontalHeader()->length() > g->viewport()->width() || !righe) {
                    difetti << QStringLiteral("selezione tagliata: ") + Nome(w);
                }
            } else if (qobject_cast<GrigliaTabella*>(g) != nullptr) {
                if (!g->horizontalHeader()->isVisible() &&
                    !g->property("senzaIntestazione").toBool()) {
                    difetti << QStringLiteral("griglia senza intestazione: ") + Nome(w);
                }
                if (g->viewport()->height() < 3 * g->verticalHeader()->defaultSectionSize()) {
                    difetti << QStringLiteral("griglia senza righe in vista: ") + Nome(w);
                }
            }
        } else if ((w->inherits("QComboBox") || w->inherits("QLineEdit") ||
                    w->inherits("QAbstractSpinBox")) &&
                   !HaNome(w, finestra)) {
            difetti << QStringLiteral("campo senza nome: ") + Nome(w);
        } else if (w->toolTip() == QStringLiteral("Help in linea") &&
                   w->accessibleName().isEmpty()) {
            difetti << QStringLiteral("aiuto senza nome: ") + Nome(w);
        }
    }
    return difetti;
}

class Schermo : public ::testing::Test {
protected:
    DialoghiScriptati dialoghi;
    Contesto contesto{dialoghi};
    std::unique_ptr<FinestraPrincipale> principale;

    void SetUp() override {
        contesto.archivio = test::ArchivioCasuale(400, 7);
        principale = std::make_unique<FinestraPrincipale>(contesto);
        principale->show();
    }

    /// Every window, maximised in a main window of `schermo`, on every tab.
    QStringList DifettiDiOgniFinestra(QSize schermo) {
        principale->resize(schermo);
        QApplication::processEvents();
        QStringList difetti;
        for (const Funzione& funzione : Funzioni()) {
            // The windows reuse the button names of the main window: the bar's is the one.
            test::Clicca(principale->menuWidget(), QString::fromLatin1(funzione.pulsante));
            auto* sotto = test::Trova<QMdiSubWindow>(
                principale.get(), QStringLiteral("Finestra_") + QLatin1String(funzione.tipo));
            sotto->showMaximized();
            QApplication::processEvents();
            const QString finestra = QString::fromUtf8(funzione.didascalia) + QStringLiteral(": ");
            for (const QString& d : Difetti(sotto->widget())) {
                difetti << finestra + d;
            }
            for (QTabWidget* schede : sotto->widget()->findChildren<QTabWidget*>()) {
                for (int i = 0; i < schede->count(); ++i) {
                    schede->setCurrentIndex(i);
                    QApplication::processEvents();
                    for (const QString& d : Difetti(sotto->widget())) {
                        difetti << finestra + d;
                    }
                }
                schede->setCurrentIndex(0);
            }
        }
        difetti.removeDuplicates();
        return difetti;
    }
};

// A 1366x768 screen less a desktop panel and the main window's title bar.
TEST_F(Schermo, OgniFinestraSuUnPortatile) {
    const QStringList difetti = DifettiDiOgniFinestra(QSize(1366, 700));
    EXPECT_TRUE(difetti.isEmpty()) << difetti.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Schermo, OgniFinestraSuUnGrandeSchermo) {
    const QStringList difetti = DifettiDiOgniFinestra(QSize(1920, 1012));
    EXPECT_TRUE(difetti.isEmpty()) << difetti.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Schermo, DallaTastiera) {
    // Enter on a focused button runs it: the Strovel module opens.
    auto* pulsante =
        test::Trova<QPushButton>(principale->menuWidget(), QStringLiteral("Command10"));
    pulsante->setFocus();
    QTest::keyClick(pulsante, Qt::Key_Return);
    auto* sotto = test::Trova<QMdiSubWindow>(principale.get(), QStringLiteral("Finestra_Strovel"));
    ASSERT_NE(sotto, nullptr);
    // A selection grid takes the focus; Space toggles the cell the arrows reached, and a
    // screen reader hears its state.
    auto* ruote = test::Trova<GrigliaSelezione>(sotto, QStringLiteral("FgR"));
    ASSERT_NE(ruote->focusPolicy(), Qt::NoFocus);
    ruote->setFocus();
    ruote->setCurrentCell(0, 0);
    QTest::keyClick(ruote, Qt::Key_Right);
    QTest::keyClick(ruote, Qt::Key_Space);
    EXPECT_FALSE(ruote->Selezionata(0));
    EXPECT_TRUE(ruote->Selezionata(1));
    EXPECT_EQ(ruote->item(0, 1)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("CA, selezionata"));
    QTest::keyClick(ruote, Qt::Key_Return);
    EXPECT_EQ(ruote->item(0, 1)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("CA, non selezionata"));
    // The boxes of a draw say their wheel and position: the seventh is Cagliari's second.
    test::Clicca(principale->menuWidget(), QStringLiteral("Command1"));
    EXPECT_EQ(test::Trova<QWidget>(principale.get(), QStringLiteral("txtin7"))->accessibleName(),
              QStringLiteral("Cagliari, 2° estratto"));
    // A help button says which page it opens.
    EXPECT_EQ(test::Trova<QPushButton>(sotto, QStringLiteral("Command19"))->accessibleName(),
              QStringLiteral("Guida: Ritardi e presenze"));
}

} // namespace
} // namespace strovel

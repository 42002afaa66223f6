#pragma once
// Helpers of the window tests: find a control by name, click it, type into it.

#include "ui/aiuto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

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

} // namespace strovel::test

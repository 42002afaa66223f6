#pragma once
// Buttons as the windows create them: named for tests, with caption and tooltip, the row of
// help buttons each opening its topic, and the wrapped notes beside them.

#include <QString>

#include <initializer_list>
#include <utility>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace strovel {

QPushButton* CreaPulsante(QWidget* padre, const char* nome, const QString& testo,
                          const QString& suggerimento = QString());

/// One "? topic" button per (name, topic), tooltip "Help in linea".
QHBoxLayout* PulsantiAiuto(QWidget* padre,
                           std::initializer_list<std::pair<const char*, int>> argomenti);

/// A label of explanatory text that wraps to the width it is given.
QLabel* Nota(QWidget* padre, const QString& testo);

} // namespace strovel

#pragma once
// Buttons as the windows create them: named for tests, with caption and tooltip, and the row
// of help buttons each opening its topic.

#include <QString>

#include <initializer_list>
#include <utility>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace strovel {

QPushButton* CreaPulsante(QWidget* padre, const char* nome, const QString& testo,
                          const QString& suggerimento = QString());

/// One "? topic" button per (name, topic), tooltip "Help in linea".
QHBoxLayout* PulsantiAiuto(QWidget* padre,
                           std::initializer_list<std::pair<const char*, int>> argomenti);

} // namespace strovel

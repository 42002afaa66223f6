#pragma once
// Buttons as the windows create them: named for tests, with caption and tooltip, the row of
// help buttons each opening its topic, and the wrapped notes beside them.

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace strovel {

QPushButton* CreaPulsante(QWidget* padre, const char* nome, const QString& testo,
                          const QString& suggerimento = QString());

/// A command button: its name, caption, tooltip and what a click does.
struct VoceComando {
    const char* nome;
    QString testo;
    QString suggerimento;
    std::function<void()> azione;
};
/// The buttons laid row by row in `colonne` columns of `griglia`, from row 0.
void AggiungiComandi(QWidget* padre, QGridLayout* griglia, int colonne,
                     std::initializer_list<VoceComando> voci);
/// The buttons side by side, then a stretch.
QHBoxLayout* RigaComandi(QWidget* padre, std::initializer_list<VoceComando> voci);

/// One help button per (name, topic), tooltip "Help in linea", captioned and named for a screen
/// reader by its page's title; the row wraps when narrow.
QLayout* PulsantiAiuto(QWidget* padre,
                       std::initializer_list<std::pair<const char*, int>> argomenti);

/// A label of explanatory text that wraps to the width it is given.
QLabel* Nota(QWidget* padre, const QString& testo);

} // namespace strovel

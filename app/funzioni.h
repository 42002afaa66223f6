#pragma once
// Every window of the program, described once: the main window builds its buttons from this
// table and opens a window's help topic with F1; the screenshot helper and the tests go
// through it. Each analysis names its strovel-cli command, so that window and command are
// known to be the same analysis.

#include "ui/servizi.h"

#include <string_view>
#include <vector>

class QWidget;

namespace strovel {

struct Funzione {
    const char* pulsante;     ///< objectName of its button in the main window
    const char* didascalia;   ///< the button's caption
    const char* suggerimento; ///< the button's tooltip
    const char* tipo;         ///< the kind of its sub-window, named "Finestra_" + tipo
    int aiuto;                ///< its help topic (0: none)
    bool analisi;             ///< it chooses draws: "Giorni e mesi" applies to it
    const char* comando;      ///< its strovel-cli command, or nullptr
    QWidget* (*crea)(const ServiziFinestra&);
};

/// The windows in the order of the main window's buttons.
const std::vector<Funzione>& Funzioni();
/// The window of kind `tipo`, or nullptr.
const Funzione* FunzioneDelTipo(std::string_view tipo);

} // namespace strovel

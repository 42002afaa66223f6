#pragma once
// Qt's own texts (the buttons and labels of file dialogs and input boxes) in Italian.

namespace strovel {

/// Installs Qt's Italian translations on the running application. False when they are not
/// installed on this system (the dialogs then keep Qt's English texts).
bool CaricaTraduzioniQt();

} // namespace strovel

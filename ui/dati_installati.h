#pragma once
// Where the program's data files are: installed beside it, or in the source tree when the
// program runs from its build folder.

#include <QString>

namespace strovel {

/// The folder `nome` of the installed data (share/strovel2026/`nome` beside the executable's
/// bin folder) when it exists, else `altrimenti`.
QString CartellaDati(const QString& nome, const QString& altrimenti);

} // namespace strovel

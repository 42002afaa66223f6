#pragma once
// The table of strovel-cli's commands (one file per command, listed in comandi.h). Runs one command
// line: the program's and each command's --help, --version, the manual page and the bash
// completion made from the same table, Italian messages for wrong usage.

#include <QStringList>
#include <QTextStream>

#include <memory>
#include <vector>

namespace strovel::cli {

class Comando;

/// Every command, in the order the help lists them.
const std::vector<std::unique_ptr<Comando>>& Comandi();

/// Runs `argomenti` (without the program name). Results go to `uscita`, Italian error messages
/// to `errori`; the result is the exit code (0 done, 1 failed, 2 wrong usage).
int Esegui(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori);

} // namespace strovel::cli

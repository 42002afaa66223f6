#pragma once
// The commands of strovel-cli. Each takes its arguments (after the command name), writes
// results to `uscita` and Italian error messages to `errori`, and returns the exit code.

#include <QStringList>
#include <QTextStream>

namespace strovel::cli {

int Esegui(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori);

} // namespace strovel::cli

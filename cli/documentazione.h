#pragma once
// The manual page and the bash completion of strovel-cli, both made from the table of commands
// that drives --help, so that neither can say anything the program does not do.

#include <QString>

namespace strovel::cli {

/// strovel-cli(1) in troff (man) format, for version `versione`.
QString PaginaManuale(const QString& versione);
/// A bash completion script: the commands, each command's options, the values of options that
/// take one of a few words, and files where a file is expected.
QString CompletamentoBash();

} // namespace strovel::cli

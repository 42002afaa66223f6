#pragma once
// Options the method commands share, with the same words everywhere.

#include "cli/comando.h"

namespace strovel::cli {

/// Wheels of detection and of play, positions, presences and colpi, in the order the windows
/// of the dynamic ambata and of the spy quintet show them.
QList<QCommandLineOption> OpzioniCasi();
/// "--fine E": the last draw of the analysis, the latest by default.
QCommandLineOption OpzioneFine();
/// A Lotto number 1..90 from option `nome`; false after saying why.
bool NumeroLotto(const Chiamata& c, const QString& nome, int& numero);

} // namespace strovel::cli

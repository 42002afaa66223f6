#pragma once
// The program folder: where the settings database and the files beside the program live.

#include <QString>

namespace strovel {

/// In order: the folder named by STROVEL_HOME; else the executable's folder when it is
/// writable (a portable install); else the user's data folder. The folder is created when
/// missing. Returns an absolute path without a trailing separator.
QString CartellaProgramma(const QString& cartellaEseguibile);

/// Writes "PercorsoDatabase.txt" in `cartella`: the path in double quotes, then CR LF.
bool ScriviPercorsoDatabase(const QString& cartella, const QString& percorsoArchivio);

} // namespace strovel

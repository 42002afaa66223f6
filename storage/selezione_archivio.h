#pragma once
// What happens once the user has picked an archive database in the file dialog.

#include <QString>

namespace strovel {

class DatabaseImpostazioni;

/// Rewrites "PercorsoDatabase.txt" in the program folder, makes `scelto` the current archive
/// path, stores it as parameter "PercorsoArchivio" (nothing is written when that row is
/// missing) and sets `etichetta` to "Database: " followed by the path. When the text file
/// cannot be written the operation ends there, silently: the result is false and neither the
/// path, nor the parameter, nor the label change.
bool ApplicaSceltaArchivio(DatabaseImpostazioni& impostazioni, const QString& cartellaProgramma,
                           const QString& scelto, QString& percorsoCorrente, QString& etichetta);

} // namespace strovel

#pragma once
// Files the user names: text archives read in (bounded in size and kind) and export files
// written out (never over a database, never half-written).

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace strovel {

/// The largest text file read in: the same bound as a web download.
inline constexpr qint64 DimensioneMassimaIngresso = 64LL << 20;

/// Reads the whole of a text file chosen by the user. Refuses, with an Italian reason in
/// `errore`, a missing file, a folder, a device, pipe or socket, a file larger than `limite`
/// and a file that cannot be read.
bool LeggiFileIngresso(const QString& percorso, QByteArray& contenuto, QString* errore,
                       qint64 limite = DimensioneMassimaIngresso);

/// True when the file at `percorso` begins with the header of an SQLite database.
bool FileSqlite(const QString& percorso);

/// Checks that an export may write `percorso`: refused when it is a folder, a device, one of
/// the files in `protetti` (the open archive, the settings database) or any SQLite database.
/// True when it may; otherwise false with the reason in `errore`.
bool DestinazioneAmmessa(const QString& percorso, const QStringList& protetti, QString* errore);

/// Writes `contenuto` as the whole of `percorso`: a temporary file beside the target is
/// written, every write and the close are checked, and only then it replaces the target, so
/// a failed export leaves the old file as it was. The destination is checked first
/// (DestinazioneAmmessa). `rifiutata` tells a refused destination from a failed write.
bool ScriviFileSicuro(const QString& percorso, const QByteArray& contenuto,
                      const QStringList& protetti, QString* errore, bool* rifiutata = nullptr);

} // namespace strovel

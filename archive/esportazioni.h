#pragma once
// Exports of the archive in memory to other programs' archive formats and to a Nazionale-only
// text file. The foreign formats carry the ten classic wheels only.

#include "core/progresso.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace strovel {

class Archivio;

/// How an export ended. A refused destination (a database, a folder, a device) was never
/// touched; a failed write left the old file as it was.
struct EsitoEsportazione {
    bool ok = false;
    bool rifiutata = false;
    QString errore; ///< Italian reason when not ok
};

/// Export 1: one quoted line per draw (100 digits of numbers, year, month, day, monthly and
/// annual progressive numbers), CR LF.
QByteArray TestoTrindolo(const Archivio& a, const Progresso& progresso = {});

/// Export 2 written into `percorso`: record i (110 bytes) for draw i, at offset (i - 1) * 110,
/// without truncating the file, so the records of an older, longer file stay. The old file
/// is read, the records are laid over it and the whole is written as by ScriviFileTesto.
EsitoEsportazione ScriviPelvano(const Archivio& a, const QString& percorso,
                                const QStringList& protetti = {}, const Progresso& progresso = {});
/// The 110-byte record of draw i.
QByteArray RecordPelvano(const Archivio& a, int i);

/// Export 3: "00000-" and the five Nazionale numbers "00", CR LF, for every draw whose first
/// Nazionale number is 1..90.
QByteArray TestoNazionale(const Archivio& a, const Progresso& progresso = {});

/// The fixed path of export 1: C:\KVAR3\DATI32.III on Windows; elsewhere
/// drive_c/KVAR3/DATI32.III under the Wine prefix ($WINEPREFIX, default ~/.wine).
QString PercorsoTrindolo();

/// Writes `contenuto` as the whole of `percorso`, through a temporary file that replaces it
/// only when complete. Never writes over one of `protetti` (the open archive, the settings
/// database) or over any SQLite database. Not ok when the file cannot be written (for export
/// 1: the folder of the other program is missing).
EsitoEsportazione ScriviFileTesto(const QString& percorso, const QByteArray& contenuto,
                                  const QStringList& protetti = {});

} // namespace strovel

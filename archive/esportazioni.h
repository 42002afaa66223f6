#pragma once
// Exports of the archive in memory to other programs' archive formats and to a Nazionale-only
// text file. The foreign formats carry the ten classic wheels only.

#include <QByteArray>
#include <QString>

#include <functional>

namespace strovel {

class Archivio;

/// Progress every tenth draw: (maximum, value).
using ProgressoEsportazione = std::function<void(int, int)>;

/// Export 1: one quoted line per draw (100 digits of numbers, year, month, day, monthly and
/// annual progressive numbers), CR LF.
QByteArray TestoTrindolo(const Archivio& a, const ProgressoEsportazione& progresso = {});

/// Export 2 written into `percorso`: record i (110 bytes) for draw i, at offset (i - 1) * 110,
/// without truncating the file, so the records of an older, longer file stay.
bool ScriviPelvano(const Archivio& a, const QString& percorso,
                   const ProgressoEsportazione& progresso = {});
/// The 110-byte record of draw i.
QByteArray RecordPelvano(const Archivio& a, int i);

/// Export 3: "00000-" and the five Nazionale numbers "00", CR LF, for every draw whose first
/// Nazionale number is 1..90.
QByteArray TestoNazionale(const Archivio& a, const ProgressoEsportazione& progresso = {});

/// The fixed path of export 1: C:\KVAR3\DATI32.III on Windows; elsewhere
/// drive_c/KVAR3/DATI32.III under the Wine prefix ($WINEPREFIX, default ~/.wine).
QString PercorsoTrindolo();

/// Writes `contenuto` to `percorso`, creating or truncating it. False when the file cannot be
/// created or written (for export 1: the folder of the other program is missing).
bool ScriviFileTesto(const QString& percorso, const QByteArray& contenuto);

} // namespace strovel

#pragma once
// A new archive database built from a text archive of draws, in either format the program
// reads: the fixed-column update text or the tab-separated historical text.

#include "core/riga_estrazione.h"
#include "storage/testo_storico.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace strovel {

enum class FormatoTesto { Colonne, Storico };

/// Tab-separated when the first non-blank line holds a tab, fixed-column otherwise.
FormatoTesto RiconosciFormato(const QByteArray& contenuto);

/// Every draw of a text archive, checked strictly (dates, wheel texts, no date twice), in
/// date order. On a bad line returns false with the line and the reason.
bool LeggiArchivioTesto(const QByteArray& contenuto, std::vector<RigaEstrazione>& righe,
                        ErroreTesto* errore);

/// Writes a new archive at `percorso` holding `righe`, all in one transaction. The file must
/// not exist; on any failure no file is left behind.
bool CreaArchivioDaRighe(const QString& percorso, const std::vector<RigaEstrazione>& righe,
                         const QDateTime& adesso, QString* errore);

/// Reads the text archive at `percorsoTesto` and writes a new archive at `percorsoArchivio`.
/// The Italian message names the file and, for a bad line, the line.
bool CreaArchivioDaTesto(const QString& percorsoTesto, const QString& percorsoArchivio,
                         const QDateTime& adesso, QString* errore);

} // namespace strovel

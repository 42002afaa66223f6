#pragma once
// SQLite's failures told in Italian: what happened to the database file and what the user can
// do about it. SQLite's own English texts never reach the user.

#include <QString>

class QSqlError;

namespace strovel {

/// What went wrong with a database, as far as the user is concerned.
enum class CausaErrore {
    Nessuna,
    InUso,         ///< another program holds the file locked
    SolaLettura,   ///< the file or its folder cannot be written
    DiscoPieno,    ///< no room left on the disk
    Danneggiato,   ///< the file is a damaged database
    NonUnDatabase, ///< the file is not a database at all
    NonApribile,   ///< missing file or folder, or no permission
    ErroreDisco,   ///< the system reported a read or write error
    DataDuplicata, ///< a draw of that date is already stored
    DataNonValida, ///< a date that does not convert
    NonPresente,   ///< the draw to change or delete is not stored
    Capienza,      ///< the archive would pass its 9,999 draws
    Altro,
};

/// Which of the program's two databases a message is about: the archive of draws the user
/// chose, or the settings database DbStrovel.mdb in the program folder.
enum class QualeDatabase { Archivio, Impostazioni };

/// The cause of an SQLite failure from its result code (extended codes are reduced to their
/// primary code). A constraint failure on the date index reads as DataDuplicata.
CausaErrore CausaSqlite(int codice, const QString& testoMotore = {});
/// The cause carried by a Qt Sql error (its native code is SQLite's result code).
CausaErrore CausaSqlite(const QSqlError& errore);

/// The Italian sentence for `causa` on the database file `percorso` (the file name is only
/// named where it helps the user find it); `quale` names the database and gives the advice that
/// fits it.
QString MessaggioCausa(CausaErrore causa, const QString& percorso,
                       QualeDatabase quale = QualeDatabase::Archivio);

/// True for the causes that come from the file or the disk rather than from one draw: a
/// message about them never names a draw.
bool CausaDelFile(CausaErrore causa);

} // namespace strovel

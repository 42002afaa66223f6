#pragma once
// Loading the archive database into the Archivio held in memory.
//
// Every load first reads and checks all rows; only when they are all good is the Archivio
// rewritten, so a failed load leaves the previous archive in memory as it was.

#include "core/archivio.h"
#include "core/progresso.h"

#include <QString>

#include <functional>
#include <optional>

namespace strovel {

class DatabaseArchivio;

struct ErroreCaricamento {
    enum class Tipo {
        ArchivioNonAperto,  ///< the archive database could not be opened or read
        TabellaMancante,    ///< no table EstrazioniLotto
        NonUnArchivio,      ///< the table is there but the load query fails on it
        ArchivioVuoto,      ///< no draw in the table
        TroppeEstrazioni,   ///< more than 9,999 draws
        DataNonValida,      ///< a stored date that does not convert
        EstrazioneIniziale, ///< "EstrazioneIniziale" below 1 or past the last draw
    };
    Tipo tipo;
    /// Italian description of what went wrong, for logs and the command line.
    QString dettaglio;
};

/// Start-up load: draws, dates, progressive numbers, NumEstrazioniAnalisi and the model list
/// from `estrazioneIniziale`. Progress maximum R + 1, value r before each row.
std::optional<ErroreCaricamento> CaricaArchivioAvvio(const DatabaseArchivio& db,
                                                     int estrazioneIniziale, Archivio& archivio,
                                                     const Progresso& progresso = {});

/// Full reload after a change: as the start-up load, plus UltimaEstrazione, with the identity
/// model list. Progress maximum R + 1, value r at every 50th row.
std::optional<ErroreCaricamento> CaricaArchivioExNovo(const DatabaseArchivio& db,
                                                      Archivio& archivio,
                                                      const Progresso& progresso = {});

/// Light reload: only draws, dates and TotEstrazioni; progressive numbers, the model list
/// and its counters stay as they were.
std::optional<ErroreCaricamento> CaricaTabellaArchivio(const DatabaseArchivio& db,
                                                       Archivio& archivio);

} // namespace strovel

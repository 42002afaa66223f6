#pragma once
// The stored configurations of the dynamic ambata: table Ambatadinamica of the settings
// database, one row per name. Values are kept as the window shows them.

#include "storage/errori_sqlite.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace strovel {

struct ConfigurazioneAmbata {
    QString denominazione;
    qint64 estrazione = 0; ///< as stored: a value past int is kept, so it can be refused
    QString ruotericavo;   ///< 11 flags "0"/"1", BA..NZ
    QString ruotegioco;    ///< 11 flags
    QString posizioni;     ///< 5 flags
    QString numerospia;    ///< as typed
    QString presenze;      ///< as the list shows it
    QString colpi;         ///< as the list shows it
    QString matrice;       ///< 5 flags, "1" for the number of references
    QString utilizzasomme; ///< "1" on, "0" off
    QStringList righe;     ///< Riga1..Riga5: wheel code and position, "BA3"; only existing rows
    friend bool operator==(const ConfigurazioneAmbata&, const ConfigurazioneAmbata&) = default;
};

/// The query that lists the stored configurations, ordered by name.
QString QueryElencoAmbata();

/// Appends a configuration in one transaction. Fails, storing nothing, when the name is
/// already stored or the database refuses a value; `errore` gets the reason in Italian and
/// `causa` its kind (CausaDelFile() when the settings database itself is in use, read-only,
/// damaged or on a full disk).
bool SalvaConfigurazioneAmbata(const QSqlDatabase& db, const ConfigurazioneAmbata& c,
                               QString* errore, CausaErrore* causa = nullptr);

/// Every stored configuration, by name; nothing when the table cannot be read.
std::optional<QList<ConfigurazioneAmbata>> ElencoConfigurazioniAmbata(const QSqlDatabase& db,
                                                                      QString* errore);

enum class EsitoEliminazione { Eliminata, NonTrovata, Errore };
/// Deletes the configuration stored under `nome` (the key), in one transaction; on Errore,
/// `errore` and `causa` as for SalvaConfigurazioneAmbata.
EsitoEliminazione EliminaConfigurazioneAmbata(const QSqlDatabase& db, const QString& nome,
                                              QString* errore, CausaErrore* causa = nullptr);

} // namespace strovel

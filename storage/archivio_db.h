#pragma once
// The archive database: table EstrazioniLotto (one row per draw), its date index
// "primarykey" and the view Query_AAMMGG. Dates are stored as yyyy-mm-dd and travel as
// dd/mm/yyyy text everywhere else; the conversion happens here.

#include "core/riga_estrazione.h"
#include "storage/connessione.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace strovel {

/// One change to the archive, for writes that go together in one transaction.
struct ModificaArchivio {
    enum class Tipo { Aggiungi, Modifica, Elimina };
    Tipo tipo = Tipo::Aggiungi;
    /// For Elimina only the date is read. Modifica rewrites the eleven wheels of that date.
    RigaEstrazione riga;
};

enum class EsitoRicerca { Trovata, NonTrovata, Errore };

class DatabaseArchivio {
public:
    /// The load query, joined from its two texts, as the program writes it.
    static QString QueryCaricamento();

    /// Creates an empty archive at `percorso` (which must not exist) with its table, index and
    /// view, recording the program's password.
    static bool CreaArchivio(const QString& percorso, QString* errore);

    /// Opens the archive database with the program's connect text. The table is not required
    /// here: a database without it fails at the load.
    bool ApriArchivio(const QString& percorso, QString* errore, CausaErrore* causa = nullptr);
    void Chiudi() { connessione_.Chiudi(); }
    bool Aperto() const { return connessione_.Aperta(); }
    QSqlDatabase Db() const { return connessione_.Db(); }
    const QString& Percorso() const { return connessione_.Percorso(); }
    bool HaTabellaEstrazioni() const;

    /// Seeks the row whose date equals `testoData` (dd/mm/yyyy). A text that is not a date is
    /// an Errore with its reason in `errore`.
    EsitoRicerca CercaData(const QString& testoData, RigaEstrazione* riga,
                           QString* errore = nullptr) const;
    /// The stored text of wheel `ruota` (0..10) of the draw of `testoData`; empty result and
    /// false when the draw is not there.
    bool LeggiRuota(const QString& testoData, int ruota, QString& testo) const;

    /// Each of these is one committed transaction; on failure nothing is written, `errore`
    /// says in Italian why (naming the date only when that draw is the cause) and `causa`
    /// tells the kind of failure. A change that would take the archive past Archivio::Capacita
    /// draws is refused before anything is written. `adesso` fills datareg/orareg.
    bool Aggiungi(const RigaEstrazione& riga, const QDateTime& adesso, QString* errore,
                  CausaErrore* causa = nullptr);
    bool Modifica(const RigaEstrazione& riga, const QDateTime& adesso, QString* errore,
                  CausaErrore* causa = nullptr);
    bool Elimina(const QString& testoData, QString* errore, CausaErrore* causa = nullptr);
    bool Applica(const std::vector<ModificaArchivio>& modifiche, const QDateTime& adesso,
                 QString* errore, CausaErrore* causa = nullptr);

    /// Number of rows of EstrazioniLotto, or -1 when the table cannot be read (`causa` then
    /// says why: a missing table reads as Altro).
    int NumeroRighe(CausaErrore* causa = nullptr) const;
    /// Dates (dd/mm/yyyy) of the first and the last draw; false when there is none.
    bool Estremi(QString& prima, QString& ultima) const;

    /// Every draw's eleven stored wheel texts by its stored date (yyyy-mm-dd), read in one
    /// query; nothing when the table cannot be read.
    std::optional<QHash<QString, std::array<QString, 11>>> RuotePerData() const;

    /// One row of the view Query_AAMMGG: year, month, day and the stored date.
    struct GiornoEstrazione {
        int anno = 0;
        int mese = 0;
        int giorno = 0;
        QString dataIso;
    };
    /// The draws of year `anno` from Query_AAMMGG, by month; nothing when the view cannot be
    /// read.
    std::optional<std::vector<GiornoEstrazione>> GiorniDellAnno(int anno) const;

private:
    Connessione connessione_;
};

} // namespace strovel

#pragma once
// One SQLite database file opened through Qt Sql, with the program's password rule.
//
// The password of the connect text works as a desktop database password: a database created
// by the program records it, opening it with another password fails, and a database that
// records none opens with any. It guards against opening the wrong file by accident; it does
// not encrypt anything.

#include "storage/errori_sqlite.h"

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

namespace strovel {

/// The connect text every database of the program is opened with: ";pwd=" and the password.
QString TestoConnessione();

/// A query text of the program made runnable by SQLite: every column qualified by the name of
/// one of the program's tables is quoted, since "To" is a keyword there
/// ("EstrazioniLotto.To" becomes EstrazioniLotto."To"). Nothing else changes.
QString PerSqlite(const QString& sql);

/// The SQLite handle under a QSQLITE connection, for the few reads where going through
/// QVariant per value costs too much (the archive load); nullptr for any other driver.
sqlite3* ManigliaSqlite(const QSqlDatabase& db);

/// How long a statement waits for a lock held by another program before it gives up: 5 s,
/// or the milliseconds in STROVEL_ATTESA_BLOCCO_MS (scripts and tests shorten it).
int AttesaBloccoMs();

class Connessione {
public:
    /// `quale` names the database in the messages of its failures.
    explicit Connessione(QualeDatabase quale = QualeDatabase::Archivio) : quale_(quale) {}
    ~Connessione();
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    /// Opens an existing database file and runs SQLite's quick check on it. Fails, with an
    /// Italian reason in `errore` and its cause in `causa`, when the file is missing, is not a
    /// database, is damaged, records another password, or stays locked by another program
    /// for longer than AttesaBloccoMs().
    bool Apri(const QString& percorso, const QString& testoConnessione, QString* errore,
              CausaErrore* causa = nullptr);
    /// Creates a new database file that records the connect text's password. Fails when the
    /// file already exists.
    bool Crea(const QString& percorso, const QString& testoConnessione, QString* errore);
    void Chiudi();

    bool Aperta() const { return !nome_.isEmpty(); }
    QSqlDatabase Db() const;
    const QString& Percorso() const { return percorso_; }

private:
    bool Connetti(const QString& percorso, QString* errore, CausaErrore* causa);

    QualeDatabase quale_;
    QString nome_;
    QString percorso_;
};

} // namespace strovel

#include "storage/impostazioni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace strovel {

namespace {

// The seven tables no command reads or writes still exist with a key and a data column.
const char* const SchemaImpostazioni[] = {
    "CREATE TABLE ParametriProgramma (Parametro TEXT NOT NULL COLLATE NOCASE, Valore1 TEXT, "
    "Valore2 TEXT)",
    "CREATE UNIQUE INDEX PrimaryKey ON ParametriProgramma (Parametro COLLATE NOCASE)",
    "CREATE TABLE Salvataggi (Id INTEGER PRIMARY KEY, Dati TEXT)",
    "CREATE TABLE Giocate (Id INTEGER PRIMARY KEY, Dati TEXT)",
    "CREATE TABLE Impostazioni (Id INTEGER PRIMARY KEY, Dati TEXT)",
    "CREATE TABLE Matrix (Id INTEGER PRIMARY KEY, Dati TEXT)",
    "CREATE TABLE Matrix_composizione (Id INTEGER PRIMARY KEY, Dati TEXT)",
    "CREATE TABLE Ambatadinamica (Denominazione TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, "
    "Estrazione INTEGER, Ruotericavo TEXT, Ruotegioco TEXT, Posizioni TEXT, Numerospia TEXT, "
    "Presenze TEXT, Colpi TEXT, Matrice TEXT, Utilizzasomme TEXT, Riga1 TEXT, Riga2 TEXT, "
    "Riga3 TEXT, Riga4 TEXT, Riga5 TEXT)",
    "CREATE TABLE Configurazioni (Id INTEGER PRIMARY KEY, Dati TEXT)",
    "CREATE TABLE Confignumeri (Id INTEGER PRIMARY KEY, Dati TEXT)",
};

struct ParametroIniziale {
    const char* nome;
    const char* valore;
};
const ParametroIniziale ParametriIniziali[] = {
    {"PercorsoArchivio", ""},
    {"EstrazioneIniziale", "1"},
    {"IndirizzoInternet", "https://www.strovel.it"},
    {"PercorsoDati.iii", ""},
};

} // namespace

QStringList TabelleImpostazioni() {
    return {QStringLiteral("ParametriProgramma"),
            QStringLiteral("Salvataggi"),
            QStringLiteral("Giocate"),
            QStringLiteral("Impostazioni"),
            QStringLiteral("Matrix"),
            QStringLiteral("Matrix_composizione"),
            QStringLiteral("Ambatadinamica"),
            QStringLiteral("Configurazioni"),
            QStringLiteral("Confignumeri")};
}

QString IndirizzoDaElenco(const QList<Parametro>& elenco, const QString& predefinito) {
    QString indirizzo = predefinito;
    for (const Parametro& p : elenco) {
        if (p.parametro == QStringLiteral("IndirizzoInternet")) {
            indirizzo = p.valore1;
        }
    }
    return indirizzo;
}

int NumeroIniziale(const QString& testo) {
    qsizetype pos = 0;
    while (pos < testo.size() && testo[pos].isSpace()) {
        ++pos;
    }
    bool negativo = false;
    if (pos < testo.size() && (testo[pos] == QLatin1Char('-') || testo[pos] == QLatin1Char('+'))) {
        negativo = testo[pos] == QLatin1Char('-');
        ++pos;
    }
    long long valore = 0;
    while (pos < testo.size() && testo[pos].isDigit() && valore < 1000000) {
        valore = valore * 10 + testo[pos].digitValue();
        ++pos;
    }
    return static_cast<int>(negativo ? -valore : valore);
}

bool DatabaseImpostazioni::CreaNuovo(const QString& percorso, QString* errore) {
    // Built under a temporary name and renamed at the end, so that a failure never leaves a
    // half-made settings database behind.
    const QString temporaneo = percorso + QStringLiteral(".nuovo");
    QFile::remove(temporaneo);
    {
        Connessione c(QualeDatabase::Impostazioni);
        if (!c.Crea(temporaneo, TestoConnessione(), errore)) {
            if (errore) {
                errore->replace(temporaneo, percorso);
            }
            return false;
        }
        QSqlDatabase db = c.Db();
        db.transaction();
        QSqlQuery q(db);
        bool ok = true;
        for (const char* sql : SchemaImpostazioni) {
            ok = ok && q.exec(QString::fromLatin1(sql));
        }
        for (const ParametroIniziale& p : ParametriIniziali) {
            ok = ok && q.prepare(QStringLiteral(
                           "INSERT INTO ParametriProgramma (Parametro, Valore1, Valore2) "
                           "VALUES (?, ?, '')"));
            if (ok) {
                q.addBindValue(QString::fromUtf8(p.nome));
                q.addBindValue(QString::fromUtf8(p.valore));
                ok = q.exec();
            }
        }
        ok = ok && db.commit();
        if (!ok) {
            if (errore) {
                // Named by its real path: the temporary file is of no use to the user.
                *errore = QStringLiteral("Impossibile creare il database delle impostazioni. ") +
                          MessaggioCausa(CausaSqlite(q.lastError()), percorso,
                                         QualeDatabase::Impostazioni);
            }
            db.rollback();
            q = QSqlQuery();
            db = QSqlDatabase();
            c.Chiudi();
            QFile::remove(temporaneo);
            return false;
        }
    }
    // An empty file in the way (see ApriDatabaseImpostazioni) gives way to the new database.
    if (const QFileInfo vecchio(percorso); vecchio.isFile() && vecchio.size() == 0) {
        QFile::remove(percorso);
    }
    if (!QFile::rename(temporaneo, percorso)) {
        QFile::remove(temporaneo);
        if (errore) {
            *errore = QStringLiteral("Impossibile creare il file %1.").arg(percorso);
        }
        return false;
    }
    return true;
}

bool DatabaseImpostazioni::ApriDatabaseImpostazioni(const QString& cartellaProgramma,
                                                    QString* errore) {
    percorso_ = QDir(cartellaProgramma).filePath(NomeFile());
    // A file of zero bytes holds no settings to keep (a copy cut short, a file made by hand):
    // it is made anew like a missing one, instead of stopping the start-up on missing tables.
    const QFileInfo info(percorso_);
    const bool vuoto = info.isFile() && info.size() == 0;
    if ((!info.exists() || vuoto) && !CreaNuovo(percorso_, errore)) {
        return false;
    }
    if (!connessione_.Apri(percorso_, TestoConnessione(), errore)) {
        return false;
    }
    const QStringList presenti = connessione_.Db().tables();
    for (const QString& tabella : TabelleImpostazioni()) {
        if (!presenti.contains(tabella, Qt::CaseInsensitive)) {
            if (errore) {
                *errore = QStringLiteral("Nel database delle impostazioni manca la tabella %1.")
                              .arg(tabella);
            }
            connessione_.Chiudi();
            return false;
        }
    }
    return true;
}

bool DatabaseImpostazioni::LeggiParametro(const QString& nome, QString& valore,
                                          QString* errore) const {
    QSqlQuery q(connessione_.Db());
    const bool ok = q.prepare(QStringLiteral(
        "SELECT Valore1 FROM ParametriProgramma WHERE Parametro = ? COLLATE NOCASE"));
    q.addBindValue(nome);
    if (!ok || !q.exec()) {
        if (errore) {
            *errore = QStringLiteral("Lettura del parametro %1 non riuscita. %2")
                          .arg(nome, MessaggioCausa(CausaSqlite(q.lastError()), percorso_,
                                                    QualeDatabase::Impostazioni));
        }
        return false;
    }
    if (!q.next()) {
        return false;
    }
    valore = q.value(0).toString();
    return true;
}

bool DatabaseImpostazioni::ScriviParametro(const QString& nome, const QString& valore) {
    QSqlDatabase db = connessione_.Db();
    if (!db.transaction()) {
        return false;
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "UPDATE ParametriProgramma SET Valore1 = ? WHERE Parametro = ? COLLATE NOCASE"));
    q.addBindValue(valore);
    q.addBindValue(nome);
    if (!q.exec() || q.numRowsAffected() != 1 || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

QList<Parametro> DatabaseImpostazioni::ElencoParametri() const {
    QList<Parametro> elenco;
    QSqlQuery q(connessione_.Db());
    q.setForwardOnly(true);
    if (!q.exec(PerSqlite(
            QStringLiteral("SELECT ParametriProgramma.Parametro, ParametriProgramma.Valore1, "
                           "ParametriProgramma.Valore2 ") +
            QStringLiteral("From ParametriProgramma ORDER BY ParametriProgramma.Parametro")))) {
        return elenco;
    }
    while (q.next()) {
        elenco.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    }
    return elenco;
}

} // namespace strovel

#include "storage/connessione.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace strovel {

namespace {

// The one place where the program's database password is written.
const QString PasswordProgramma = QStringLiteral("Strovel#2026");

const QString TabellaProtezione = QStringLiteral("StrovelProtezione");

QString Password(const QString& testoConnessione) {
    const QString chiave = QStringLiteral("pwd=");
    for (const QString& parte : testoConnessione.split(QLatin1Char(';'))) {
        if (parte.startsWith(chiave, Qt::CaseInsensitive)) {
            return parte.mid(chiave.size());
        }
    }
    return {};
}

QString Impronta(const QString& password) {
    const QByteArray dati = QByteArrayLiteral("strovel:") + password.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(dati, QCryptographicHash::Sha256).toHex());
}

QString NuovoNome() {
    static std::atomic<int> contatore{0};
    return QStringLiteral("strovel_%1").arg(++contatore);
}

} // namespace

QString PerSqlite(const QString& sql) {
    static const QRegularExpression qualificata(QStringLiteral(
        "\\b(EstrazioniLotto|ParametriProgramma|Ambatadinamica)\\.([A-Za-z_][A-Za-z0-9_]*)\\b"));
    QString risultato = sql;
    risultato.replace(qualificata, QStringLiteral("\\1.\"\\2\""));
    return risultato;
}

sqlite3* ManigliaSqlite(const QSqlDatabase& db) {
    if (!db.isOpen() || db.driver() == nullptr) {
        return nullptr;
    }
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(v.constData());
}

int AttesaBloccoMs() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("STROVEL_ATTESA_BLOCCO_MS", &ok);
    return ok && ms >= 0 ? ms : 5000;
}

QString TestoConnessione() {
    return QStringLiteral(";pwd=") + PasswordProgramma;
}

Connessione::~Connessione() {
    Chiudi();
}

QSqlDatabase Connessione::Db() const {
    return QSqlDatabase::database(nome_, false);
}

void Connessione::Chiudi() {
    if (nome_.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(nome_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome_);
    nome_.clear();
    percorso_.clear();
}

bool Connessione::Connetti(const QString& percorso, QString* errore, CausaErrore* causa) {
    Chiudi();
    const QString nome = NuovoNome();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(AttesaBloccoMs()));
        if (!db.open()) {
            CausaErrore c = CausaSqlite(db.lastError());
            if (c == CausaErrore::Nessuna || c == CausaErrore::Altro) {
                c = CausaErrore::NonApribile;
            }
            if (errore) {
                *errore = MessaggioCausa(c, percorso, quale_);
            }
            if (causa) {
                *causa = c;
            }
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nome);
            return false;
        }
    }
    nome_ = nome;
    percorso_ = percorso;
    return true;
}

bool Connessione::Apri(const QString& percorso, const QString& testoConnessione, QString* errore,
                       CausaErrore* causa) {
    auto fallisci = [&](CausaErrore c, const QString& testo) {
        if (errore) {
            *errore = testo;
        }
        if (causa) {
            *causa = c;
        }
        Chiudi();
        return false;
    };
    const QFileInfo info(percorso);
    if (percorso.isEmpty() || !info.isFile() || !info.isReadable()) {
        return fallisci(CausaErrore::NonApribile,
                        QStringLiteral("Il database %1 non esiste o non è leggibile.")
                            .arg(QDir::toNativeSeparators(percorso)));
    }
    if (!Connetti(percorso, errore, causa)) {
        return false;
    }
    {
        QSqlQuery q(Db());
        // SQLite reads the file header only at the first statement: a file that is not a
        // database, or that another program keeps locked, fails here. The quick check then
        // reads every page, so a damaged archive is refused before anything reads or writes it.
        if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
            CausaErrore c = CausaSqlite(q.lastError());
            if (c == CausaErrore::Nessuna || c == CausaErrore::Altro) {
                c = CausaErrore::NonUnDatabase;
            }
            q = QSqlQuery();
            return fallisci(c, MessaggioCausa(c, percorso, quale_));
        }
        if (!q.next() || q.value(0).toString() != QStringLiteral("ok")) {
            q = QSqlQuery();
            return fallisci(CausaErrore::Danneggiato,
                            MessaggioCausa(CausaErrore::Danneggiato, percorso, quale_));
        }
    }
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = '") +
                TabellaProtezione + QStringLiteral("'"))) {
        const CausaErrore c = CausaSqlite(q.lastError());
        q = QSqlQuery();
        return fallisci(c, MessaggioCausa(c, percorso, quale_));
    }
    const bool protetto = q.next();
    if (protetto) {
        q.exec(QStringLiteral("SELECT Impronta FROM ") + TabellaProtezione);
        const bool ok = q.next() && q.value(0).toString() == Impronta(Password(testoConnessione));
        if (!ok) {
            q = QSqlQuery();
            return fallisci(CausaErrore::Altro,
                            QStringLiteral("Password non valida per il database %1.")
                                .arg(QDir::toNativeSeparators(percorso)));
        }
    }
    return true;
}

bool Connessione::Crea(const QString& percorso, const QString& testoConnessione, QString* errore) {
    if (QFileInfo::exists(percorso)) {
        if (errore) {
            *errore = QStringLiteral("Il file %1 esiste già.").arg(percorso);
        }
        return false;
    }
    if (!Connetti(percorso, errore, nullptr)) {
        return false;
    }
    QSqlQuery q(Db());
    const bool ok = q.exec(QStringLiteral("CREATE TABLE ") + TabellaProtezione +
                           QStringLiteral(" (Impronta TEXT NOT NULL)")) &&
                    q.prepare(QStringLiteral("INSERT INTO ") + TabellaProtezione +
                              QStringLiteral(" (Impronta) VALUES (?)"));
    if (ok) {
        q.addBindValue(Impronta(Password(testoConnessione)));
    }
    if (!ok || !q.exec()) {
        if (errore) {
            CausaErrore c = CausaSqlite(q.lastError());
            if (c == CausaErrore::Nessuna || c == CausaErrore::Altro) {
                c = CausaErrore::NonApribile;
            }
            *errore = QStringLiteral("Impossibile creare il database. ") +
                      MessaggioCausa(c, percorso, quale_);
        }
        q = QSqlQuery();
        Chiudi();
        QFile::remove(percorso);
        return false;
    }
    return true;
}

} // namespace strovel

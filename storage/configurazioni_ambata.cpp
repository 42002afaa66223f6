#include "storage/configurazioni_ambata.h"

#include "storage/connessione.h"
#include "storage/errori_sqlite.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace strovel {

QString QueryElencoAmbata() {
    return QStringLiteral("SELECT Ambatadinamica.Denominazione, Ambatadinamica.Estrazione, "
                          "Ambatadinamica.Ruotericavo, Ambatadinamica.Ruotegioco, ") +
           QStringLiteral("Ambatadinamica.Posizioni, Ambatadinamica.Numerospia, "
                          "Ambatadinamica.Presenze, Ambatadinamica.Colpi, "
                          "Ambatadinamica.Matrice, ") +
           QStringLiteral("Ambatadinamica.Utilizzasomme, Ambatadinamica.Riga1, "
                          "Ambatadinamica.Riga2, Ambatadinamica.Riga3, Ambatadinamica.Riga4, "
                          "Ambatadinamica.Riga5 ") +
           QStringLiteral("FROM Ambatadinamica ") +
           QStringLiteral("ORDER BY Ambatadinamica.Denominazione");
}

namespace {

/// The reason of a database failure in Italian words, never the engine's English text; its
/// kind in `causa`.
QString Italiano(const QSqlDatabase& db, const QSqlError& e, CausaErrore* causa = nullptr) {
    const CausaErrore c = CausaSqlite(e);
    if (causa != nullptr) {
        *causa = c;
    }
    // The table's constraints are about the row, not about dates of draws.
    if (c == CausaErrore::DataDuplicata) {
        return QStringLiteral("una configurazione con lo stesso nome è già salvata.");
    }
    if (c == CausaErrore::DataNonValida) {
        return QStringLiteral("la tabella Ambatadinamica non accetta uno dei valori.");
    }
    return MessaggioCausa(c, db.databaseName(), QualeDatabase::Impostazioni);
}

bool Fallito(QSqlDatabase db, const QSqlError& e, QString* errore, CausaErrore* causa) {
    const QString testo = Italiano(db, e, causa);
    if (errore != nullptr) {
        *errore = testo;
    }
    db.rollback();
    return false;
}

} // namespace

bool SalvaConfigurazioneAmbata(const QSqlDatabase& db, const ConfigurazioneAmbata& c,
                               QString* errore, CausaErrore* causa) {
    QSqlDatabase d = db;
    if (!d.transaction()) {
        return Fallito(d, d.lastError(), errore, causa);
    }
    QSqlQuery q(d);
    q.prepare(QStringLiteral(
        "INSERT INTO Ambatadinamica (Denominazione, Estrazione, Ruotericavo, Ruotegioco, "
        "Posizioni, Numerospia, Presenze, Colpi, Matrice, Utilizzasomme, Riga1, Riga2, Riga3, "
        "Riga4, Riga5) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : {QVariant(c.denominazione), QVariant(c.estrazione),
                              QVariant(c.ruotericavo), QVariant(c.ruotegioco),
                              QVariant(c.posizioni), QVariant(c.numerospia), QVariant(c.presenze),
                              QVariant(c.colpi), QVariant(c.matrice), QVariant(c.utilizzasomme)}) {
        q.addBindValue(v);
    }
    for (int i = 0; i < 5; ++i) {
        q.addBindValue(i < c.righe.size() ? QVariant(c.righe[i])
                                          : QVariant(QMetaType::fromType<QString>()));
    }
    if (!q.exec()) {
        return Fallito(d, q.lastError(), errore, causa);
    }
    if (!d.commit()) {
        return Fallito(d, d.lastError(), errore, causa);
    }
    return true;
}

std::optional<QList<ConfigurazioneAmbata>> ElencoConfigurazioniAmbata(const QSqlDatabase& db,
                                                                      QString* errore) {
    QSqlQuery q(db);
    if (!q.exec(PerSqlite(QueryElencoAmbata()))) {
        if (errore != nullptr) {
            *errore = Italiano(db, q.lastError());
        }
        return std::nullopt;
    }
    QList<ConfigurazioneAmbata> elenco;
    while (q.next()) {
        ConfigurazioneAmbata c;
        c.denominazione = q.value(0).toString();
        c.estrazione = q.value(1).toLongLong();
        c.ruotericavo = q.value(2).toString();
        c.ruotegioco = q.value(3).toString();
        c.posizioni = q.value(4).toString();
        c.numerospia = q.value(5).toString();
        c.presenze = q.value(6).toString();
        c.colpi = q.value(7).toString();
        c.matrice = q.value(8).toString();
        c.utilizzasomme = q.value(9).toString();
        for (int i = 10; i < 15; ++i) {
            if (!q.value(i).isNull()) {
                c.righe << q.value(i).toString();
            }
        }
        elenco << c;
    }
    return elenco;
}

EsitoEliminazione EliminaConfigurazioneAmbata(const QSqlDatabase& db, const QString& nome,
                                              QString* errore, CausaErrore* causa) {
    QSqlDatabase d = db;
    if (!d.transaction()) {
        Fallito(d, d.lastError(), errore, causa);
        return EsitoEliminazione::Errore;
    }
    QSqlQuery q(d);
    q.prepare(QStringLiteral("DELETE FROM Ambatadinamica WHERE Denominazione = ?"));
    q.addBindValue(nome);
    if (!q.exec()) {
        Fallito(d, q.lastError(), errore, causa);
        return EsitoEliminazione::Errore;
    }
    const int tolte = q.numRowsAffected();
    if (!d.commit()) {
        Fallito(d, d.lastError(), errore, causa);
        return EsitoEliminazione::Errore;
    }
    return tolte > 0 ? EsitoEliminazione::Eliminata : EsitoEliminazione::NonTrovata;
}

} // namespace strovel

#include "storage/archivio_db.h"

#include "core/archivio.h"
#include "core/data_testo.h"
#include "core/ruote.h"
#include "storage/testo_qt.h"

#include <QFile>
#include <QThread>

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cstdio>

namespace strovel {

namespace {

const char* const SchemaArchivio[] = {
    "CREATE TABLE EstrazioniLotto (DataEstrazione TEXT NOT NULL CHECK (DataEstrazione GLOB "
    "'[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'), Ba TEXT, Ca TEXT, Fi TEXT, Ge TEXT, Mi TEXT, "
    "Na TEXT, Pa TEXT, Ro TEXT, \"To\" TEXT, Ve TEXT, Nz TEXT, datareg TEXT, orareg TEXT)",
    "CREATE UNIQUE INDEX primarykey ON EstrazioniLotto (DataEstrazione)",
    "CREATE VIEW Query_AAMMGG AS SELECT CAST(substr(DataEstrazione, 1, 4) AS INTEGER) AS A, "
    "CAST(substr(DataEstrazione, 6, 2) AS INTEGER) AS M, CAST(substr(DataEstrazione, 9, 2) AS "
    "INTEGER) AS G, DataEstrazione FROM EstrazioniLotto",
};

QString ColonneRuoteSql() {
    QString s;
    for (int r = 0; r < NumRuote; ++r) {
        s += QStringLiteral(", \"") + Q(ColonneRuote[static_cast<std::size_t>(r)]) +
             QLatin1Char('"');
    }
    return s;
}

/// The stored date of a dd/mm/yyyy text, or an empty text with the reason in `errore`.
QString Iso(const QString& testoData, QString* errore) {
    const auto d = LeggiData(S(testoData));
    if (!d) {
        if (errore) {
            *errore = QStringLiteral("\"%1\" non è una data valida.").arg(testoData);
        }
        return {};
    }
    return Q(TestoIso(*d));
}

/// Crash tests of the command line stop here, with the transaction open, when asked to.
void PausaPerTest() {
    const int ms = qEnvironmentVariableIntValue("STROVEL_TEST_PAUSA_COMMIT_MS");
    if (ms > 0) {
        std::fputs("transazione aperta\n", stderr);
        std::fflush(stderr);
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

QString Motivo(const QSqlQuery& q, const QString& percorso) {
    return MessaggioCausa(CausaSqlite(q.lastError()), percorso);
}

} // namespace

QString DatabaseArchivio::QueryCaricamento() {
    return QStringLiteral(
               "SELECT EstrazioniLotto.DataEstrazione, EstrazioniLotto.Ba, EstrazioniLotto.Ca, "
               "EstrazioniLotto.Fi, EstrazioniLotto.Ge, EstrazioniLotto.Mi, EstrazioniLotto.Na, "
               "EstrazioniLotto.Pa, EstrazioniLotto.Ro, EstrazioniLotto.To, EstrazioniLotto.Ve, "
               "EstrazioniLotto.Nz ") +
           QStringLiteral("From EstrazioniLotto ORDER BY EstrazioniLotto.DataEstrazione");
}

bool DatabaseArchivio::CreaArchivio(const QString& percorso, QString* errore) {
    Connessione c;
    if (!c.Crea(percorso, TestoConnessione(), errore)) {
        return false;
    }
    QSqlDatabase db = c.Db();
    QSqlQuery q(db);
    bool ok = db.transaction();
    for (const char* sql : SchemaArchivio) {
        ok = ok && q.exec(QString::fromLatin1(sql));
    }
    ok = ok && db.commit();
    if (!ok) {
        if (errore) {
            *errore = QStringLiteral("Impossibile creare l'archivio. %1").arg(Motivo(q, percorso));
        }
        db.rollback();
        q = QSqlQuery();
        db = QSqlDatabase();
        c.Chiudi();
        QFile::remove(percorso);
        return false;
    }
    return true;
}

bool DatabaseArchivio::ApriArchivio(const QString& percorso, QString* errore, CausaErrore* causa) {
    return connessione_.Apri(percorso, TestoConnessione(), errore, causa);
}

bool DatabaseArchivio::HaTabellaEstrazioni() const {
    return Aperto() &&
           Db().tables().contains(QStringLiteral("EstrazioniLotto"), Qt::CaseInsensitive);
}

int DatabaseArchivio::NumeroRighe(CausaErrore* causa) const {
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM EstrazioniLotto")) || !q.next()) {
        if (causa) {
            *causa = CausaSqlite(q.lastError());
        }
        return -1;
    }
    return q.value(0).toInt();
}

std::optional<QHash<QString, std::array<QString, 11>>> DatabaseArchivio::RuotePerData() const {
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, \"To\", Ve, "
                               "Nz FROM EstrazioniLotto"))) {
        return std::nullopt;
    }
    QHash<QString, std::array<QString, 11>> ruote;
    while (q.next()) {
        std::array<QString, 11> w;
        for (int r = 0; r < 11; ++r) {
            w[static_cast<std::size_t>(r)] = q.value(r + 1).toString();
        }
        ruote.insert(q.value(0).toString(), std::move(w));
    }
    return ruote;
}

std::optional<std::vector<DatabaseArchivio::GiornoEstrazione>>
DatabaseArchivio::GiorniDellAnno(int anno) const {
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("SELECT Query_AAMMGG.A, Query_AAMMGG.M, Query_AAMMGG.G, "
                             "Query_AAMMGG.DataEstrazione FROM Query_AAMMGG WHERE "
                             "Query_AAMMGG.A = ? ORDER BY Query_AAMMGG.A, Query_AAMMGG.M"));
    q.addBindValue(anno);
    if (!q.exec()) {
        return std::nullopt;
    }
    std::vector<GiornoEstrazione> giorni;
    while (q.next()) {
        giorni.push_back(
            {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toString()});
    }
    return giorni;
}

bool DatabaseArchivio::Estremi(QString& prima, QString& ultima) const {
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral(
            "SELECT min(DataEstrazione), max(DataEstrazione) FROM EstrazioniLotto")) ||
        !q.next()) {
        return false;
    }
    const auto p = LeggiDataIso(S(q.value(0).toString()));
    const auto u = LeggiDataIso(S(q.value(1).toString()));
    if (!p || !u) {
        return false;
    }
    prima = Q(TestoData(*p));
    ultima = Q(TestoData(*u));
    return true;
}

EsitoRicerca DatabaseArchivio::CercaData(const QString& testoData, RigaEstrazione* riga,
                                         QString* errore) const {
    const QString iso = Iso(testoData, errore);
    if (iso.isEmpty()) {
        return EsitoRicerca::Errore;
    }
    QSqlQuery q(Db());
    q.prepare(
        QStringLiteral("SELECT DataEstrazione") + ColonneRuoteSql() +
        QStringLiteral(" FROM EstrazioniLotto INDEXED BY primarykey WHERE DataEstrazione = ?"));
    q.addBindValue(iso);
    if (!q.exec()) {
        if (errore) {
            *errore =
                QStringLiteral("Lettura dell'archivio non riuscita. %1").arg(Motivo(q, Percorso()));
        }
        return EsitoRicerca::Errore;
    }
    if (!q.next()) {
        return EsitoRicerca::NonTrovata;
    }
    if (riga) {
        const auto d = LeggiDataIso(S(q.value(0).toString()));
        riga->data = d ? TestoData(*d) : S(testoData);
        for (int r = 0; r < NumRuote; ++r) {
            riga->ruote[static_cast<std::size_t>(r)] = S(q.value(r + 1).toString());
        }
    }
    return EsitoRicerca::Trovata;
}

bool DatabaseArchivio::LeggiRuota(const QString& testoData, int ruota, QString& testo) const {
    RigaEstrazione riga;
    if (ruota < 0 || ruota >= NumRuote || CercaData(testoData, &riga) != EsitoRicerca::Trovata) {
        testo.clear();
        return false;
    }
    testo = Q(riga.ruote[static_cast<std::size_t>(ruota)]);
    return true;
}

bool DatabaseArchivio::Aggiungi(const RigaEstrazione& riga, const QDateTime& adesso,
                                QString* errore, CausaErrore* causa) {
    return Applica({{ModificaArchivio::Tipo::Aggiungi, riga}}, adesso, errore, causa);
}

bool DatabaseArchivio::Modifica(const RigaEstrazione& riga, const QDateTime& adesso,
                                QString* errore, CausaErrore* causa) {
    return Applica({{ModificaArchivio::Tipo::Modifica, riga}}, adesso, errore, causa);
}

bool DatabaseArchivio::Elimina(const QString& testoData, QString* errore, CausaErrore* causa) {
    ModificaArchivio m{ModificaArchivio::Tipo::Elimina, {}};
    m.riga.data = S(testoData);
    return Applica({m}, QDateTime::currentDateTime(), errore, causa);
}

bool DatabaseArchivio::Applica(const std::vector<ModificaArchivio>& modifiche,
                               const QDateTime& adesso, QString* errore, CausaErrore* causa) {
    CausaErrore perche = CausaErrore::Nessuna;
    QString motivo;
    QString dataInErrore;
    auto fallisci = [&](bool aperta) {
        if (aperta) {
            QSqlQuery(Db()).exec(QStringLiteral("ROLLBACK"));
        }
        if (causa) {
            *causa = perche;
        }
        if (errore) {
            if (motivo.isEmpty()) {
                motivo = MessaggioCausa(perche, Percorso());
            }
            // A draw is named only when it is the cause; a locked, read-only or full file is
            // no draw's fault.
            *errore =
                dataInErrore.isEmpty() || CausaDelFile(perche)
                    ? QStringLiteral("Scrittura nell'archivio non riuscita. ") + motivo
                    : QStringLiteral("Estrazione del %1 non salvata: %2").arg(dataInErrore, motivo);
        }
        return false;
    };
    if (!Aperto()) {
        perche = CausaErrore::NonApribile;
        motivo = QStringLiteral("L'archivio non è aperto.");
        return fallisci(false);
    }
    QSqlDatabase db = Db();
    // IMMEDIATE takes the write lock at once: a second writer waits here for the first one
    // instead of failing halfway between reading and writing.
    QSqlQuery inizio(db);
    if (!inizio.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        perche = CausaSqlite(inizio.lastError());
        return fallisci(false);
    }

    // The capacity of the archive in memory holds for the database too.
    long long aggiunte = 0;
    for (const ModificaArchivio& m : modifiche) {
        aggiunte += m.tipo == ModificaArchivio::Tipo::Aggiungi  ? 1
                    : m.tipo == ModificaArchivio::Tipo::Elimina ? -1
                                                                : 0;
    }
    if (aggiunte > 0) {
        const int presenti = NumeroRighe(&perche);
        if (presenti < 0) {
            return fallisci(true);
        }
        if (presenti + aggiunte > Archivio::Capacita) {
            perche = CausaErrore::Capienza;
            const int liberi = std::max(0, Archivio::Capacita - presenti);
            motivo = QStringLiteral("l'archivio può contenere al massimo %1 estrazioni: ne "
                                    "contiene %2, quindi ne possono entrare ancora %3, e "
                                    "l'operazione ne aggiungerebbe %4. Nessuna estrazione è "
                                    "stata scritta.")
                         .arg(Archivio::Capacita)
                         .arg(presenti)
                         .arg(liberi)
                         .arg(aggiunte);
            return fallisci(true);
        }
    }

    const QString datareg = adesso.date().toString(Qt::ISODate);
    const QString orareg = adesso.time().toString(QStringLiteral("HH:mm:ss"));

    QSqlQuery aggiungi(db);
    QSqlQuery modifica(db);
    QSqlQuery elimina(db);
    QString segnaposti;
    QString assegnazioni;
    for (int r = 0; r < NumRuote; ++r) {
        segnaposti += QStringLiteral(", ?");
        assegnazioni += QStringLiteral("\"") + Q(ColonneRuote[static_cast<std::size_t>(r)]) +
                        QStringLiteral("\" = ?, ");
    }
    const bool preparate =
        aggiungi.prepare(QStringLiteral("INSERT INTO EstrazioniLotto (DataEstrazione") +
                         ColonneRuoteSql() + QStringLiteral(", datareg, orareg) VALUES (?") +
                         segnaposti + QStringLiteral(", ?, ?)")) &&
        modifica.prepare(QStringLiteral("UPDATE EstrazioniLotto SET ") + assegnazioni +
                         QStringLiteral("datareg = ?, orareg = ? WHERE DataEstrazione = ?")) &&
        elimina.prepare(QStringLiteral("DELETE FROM EstrazioniLotto WHERE DataEstrazione = ?"));
    if (!preparate) {
        perche = CausaErrore::Altro;
        motivo = QStringLiteral("la tabella EstrazioniLotto non ha le colonne di un archivio di "
                                "estrazioni.");
        return fallisci(true);
    }

    for (const ModificaArchivio& m : modifiche) {
        const QString testoData = Q(m.riga.data);
        const QString iso = Iso(testoData, &motivo);
        if (iso.isEmpty()) {
            dataInErrore = testoData;
            perche = CausaErrore::DataNonValida;
            return fallisci(true);
        }
        QSqlQuery* q = nullptr;
        switch (m.tipo) {
        case ModificaArchivio::Tipo::Aggiungi:
            q = &aggiungi;
            q->addBindValue(iso);
            for (const std::string& ruota : m.riga.ruote) {
                q->addBindValue(Q(ruota));
            }
            q->addBindValue(datareg);
            q->addBindValue(orareg);
            break;
        case ModificaArchivio::Tipo::Modifica:
            q = &modifica;
            for (const std::string& ruota : m.riga.ruote) {
                q->addBindValue(Q(ruota));
            }
            q->addBindValue(datareg);
            q->addBindValue(orareg);
            q->addBindValue(iso);
            break;
        case ModificaArchivio::Tipo::Elimina:
            q = &elimina;
            q->addBindValue(iso);
            break;
        }
        if (!q->exec()) {
            dataInErrore = testoData;
            perche = CausaSqlite(q->lastError());
            return fallisci(true);
        }
        if (m.tipo != ModificaArchivio::Tipo::Aggiungi && q->numRowsAffected() != 1) {
            dataInErrore = testoData;
            perche = CausaErrore::NonPresente;
            return fallisci(true);
        }
    }
    PausaPerTest();
    QSqlQuery fine(db);
    if (!fine.exec(QStringLiteral("COMMIT"))) {
        perche = CausaSqlite(fine.lastError());
        return fallisci(true);
    }
    return true;
}

} // namespace strovel

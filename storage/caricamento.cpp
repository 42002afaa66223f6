#include "storage/caricamento.h"

#include "core/data_testo.h"
#include "core/decodifica.h"
#include "core/ruote.h"
#include "storage/archivio_db.h"

#include "storage/connessione.h"
#include "storage/errori_sqlite.h"
#include "storage/testo_qt.h"

#include <sqlite3.h>

#include <array>
#include <string>
#include <vector>

namespace strovel {

namespace {

using Tipo = ErroreCaricamento::Tipo;

/// The rows of the load query, decoded and checked, not yet in the Archivio.
struct RigheLette {
    std::vector<std::string> date;
    std::vector<std::array<std::int16_t, 55>> numeri;
};

/// A column of the current row as text (an SQL NULL reads as an empty text).
std::string_view Colonna(sqlite3_stmt* st, int c) {
    const auto* testo = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
    return testo ? std::string_view(testo, static_cast<std::size_t>(sqlite3_column_bytes(st, c)))
                 : std::string_view();
}

/// Finalizes a statement when leaving the scope.
struct Istruzione {
    sqlite3_stmt* st = nullptr;
    ~Istruzione() { sqlite3_finalize(st); }
};

/// Reads every row of the load query; `ogniRiga(r)` runs before row r is decoded.
std::optional<ErroreCaricamento> Leggi(const DatabaseArchivio& db, RigheLette& righe, int* totale,
                                       const std::function<void(int)>& massimo,
                                       const std::function<void(int)>& ogniRiga) {
    if (!db.Aperto()) {
        return ErroreCaricamento{Tipo::ArchivioNonAperto,
                                 QStringLiteral("L'archivio non è aperto.")};
    }
    CausaErrore causa = CausaErrore::Nessuna;
    const int conteggio = db.NumeroRighe(&causa);
    if (conteggio < 0) {
        // Locked, damaged or unreadable files say so; only a readable database without the
        // table is "not an archive".
        if (causa != CausaErrore::Altro && causa != CausaErrore::Nessuna) {
            return ErroreCaricamento{Tipo::ArchivioNonAperto, MessaggioCausa(causa, db.Percorso())};
        }
        if (!db.HaTabellaEstrazioni()) {
            return ErroreCaricamento{
                Tipo::TabellaMancante,
                QStringLiteral("Nel database manca la tabella EstrazioniLotto.")};
        }
        return ErroreCaricamento{Tipo::NonUnArchivio,
                                 QStringLiteral("La tabella EstrazioniLotto non è leggibile.")};
    }
    if (conteggio > Archivio::Capacita) {
        return ErroreCaricamento{
            Tipo::TroppeEstrazioni,
            QStringLiteral("L'archivio contiene %1 estrazioni: il massimo è %2.")
                .arg(conteggio)
                .arg(Archivio::Capacita)};
    }
    if (massimo) {
        massimo(conteggio + 1);
    }
    // The rows are read straight from SQLite: through QSqlQuery every value would become a
    // QVariant and a UTF-16 string, which triples the time of the start-up load.
    sqlite3* maniglia = ManigliaSqlite(db.Db());
    Istruzione q;
    const QByteArray sql = PerSqlite(DatabaseArchivio::QueryCaricamento()).toUtf8();
    if (maniglia == nullptr ||
        sqlite3_prepare_v2(maniglia, sql.constData(), static_cast<int>(sql.size()), &q.st,
                           nullptr) != SQLITE_OK ||
        sqlite3_column_count(q.st) != 12) {
        return ErroreCaricamento{
            Tipo::NonUnArchivio,
            QStringLiteral("La tabella EstrazioniLotto non ha le colonne di un "
                           "archivio di estrazioni.")};
    }
    righe.date.reserve(static_cast<std::size_t>(conteggio));
    righe.numeri.reserve(static_cast<std::size_t>(conteggio));
    int r = 0;
    int passo = SQLITE_ROW;
    while ((passo = sqlite3_step(q.st)) == SQLITE_ROW) {
        ++r;
        if (r > Archivio::Capacita) {
            return ErroreCaricamento{Tipo::TroppeEstrazioni,
                                     QStringLiteral("L'archivio contiene più di %1 estrazioni.")
                                         .arg(Archivio::Capacita)};
        }
        if (ogniRiga) {
            ogniRiga(r);
        }
        const std::string_view iso = Colonna(q.st, 0);
        const auto data = LeggiDataIso(iso);
        if (!data) {
            return ErroreCaricamento{Tipo::DataNonValida,
                                     QStringLiteral("La data \"%1\" della riga %2 non è una data "
                                                    "valida.")
                                         .arg(Q(iso))
                                         .arg(r)};
        }
        righe.date.push_back(TestoData(*data));
        std::array<std::int16_t, 55>& numeri = righe.numeri.emplace_back();
        for (int w = 0; w < NumRuote; ++w) {
            // Only the first 14 characters are ever looked at.
            const auto cinque = DecodificaRuota(Colonna(q.st, w + 1).substr(0, 14));
            std::copy(cinque.begin(), cinque.end(), numeri.begin() + 5 * w);
        }
    }
    if (passo != SQLITE_DONE) {
        return ErroreCaricamento{Tipo::ArchivioNonAperto,
                                 QStringLiteral("Lettura della tabella EstrazioniLotto non "
                                                "riuscita. ") +
                                     MessaggioCausa(CausaSqlite(passo), db.Percorso())};
    }
    if (r == 0) {
        return ErroreCaricamento{Tipo::ArchivioVuoto,
                                 QStringLiteral("L'archivio non contiene estrazioni.")};
    }
    *totale = r;
    return std::nullopt;
}

/// Writes the checked rows into Estratti, DateEstrazioni and TotEstrazioni.
void Trasferisci(const RigheLette& righe, int totale, Archivio& archivio) {
    archivio.Estratti.Azzera();
    for (int i = 1; i <= totale; ++i) {
        const auto& numeri = righe.numeri[static_cast<std::size_t>(i - 1)];
        for (int w = 0; w < NumRuote; ++w) {
            for (int p = 1; p <= NumPosizioni; ++p) {
                archivio.Estratti(i, w, p) = numeri[static_cast<std::size_t>(5 * w + p - 1)];
            }
        }
        archivio.DateEstrazioni[static_cast<std::size_t>(i)] =
            righe.date[static_cast<std::size_t>(i - 1)];
    }
    archivio.TotEstrazioni = static_cast<std::int16_t>(totale);
    archivio.CostruisciPresenze();
}

} // namespace

std::optional<ErroreCaricamento> CaricaArchivioAvvio(const DatabaseArchivio& db,
                                                     int estrazioneIniziale, Archivio& archivio,
                                                     const Progresso& progresso) {
    RigheLette righe;
    int totale = 0;
    if (auto errore = Leggi(db, righe, &totale, progresso.massimo, progresso.valore)) {
        return errore;
    }
    if (estrazioneIniziale < 1 || estrazioneIniziale > totale) {
        return ErroreCaricamento{
            Tipo::EstrazioneIniziale,
            QStringLiteral("Il parametro EstrazioneIniziale delle impostazioni vale %1, ma deve "
                           "essere un numero tra 1 e %2 (le estrazioni dell'archivio): è la prima "
                           "estrazione dell'archivio modello.")
                .arg(estrazioneIniziale)
                .arg(totale)};
    }
    Trasferisci(righe, totale, archivio);
    archivio.CalcolaProgressivi();
    archivio.NumEstrazioniAnalisi = archivio.TotEstrazioni;
    archivio.ModelloDaEstrazioneIniziale(estrazioneIniziale);
    return std::nullopt;
}

std::optional<ErroreCaricamento>
CaricaArchivioExNovo(const DatabaseArchivio& db, Archivio& archivio, const Progresso& progresso) {
    RigheLette righe;
    int totale = 0;
    std::function<void(int)> ogniCinquanta;
    if (progresso.valore) {
        ogniCinquanta = [&progresso](int r) {
            if (r % 50 == 0) {
                progresso.valore(r);
            }
        };
    }
    if (auto errore = Leggi(db, righe, &totale, progresso.massimo, ogniCinquanta)) {
        return errore;
    }
    Trasferisci(righe, totale, archivio);
    archivio.UltimaEstrazione = archivio.TotEstrazioni;
    archivio.CalcolaProgressivi();
    archivio.NumEstrazioniAnalisi = archivio.TotEstrazioni;
    archivio.ModelloIdentita();
    return std::nullopt;
}

std::optional<ErroreCaricamento> CaricaTabellaArchivio(const DatabaseArchivio& db,
                                                       Archivio& archivio) {
    RigheLette righe;
    int totale = 0;
    if (auto errore = Leggi(db, righe, &totale, {}, {})) {
        return errore;
    }
    Trasferisci(righe, totale, archivio);
    return std::nullopt;
}

} // namespace strovel

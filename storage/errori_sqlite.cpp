#include "storage/errori_sqlite.h"

#include <QDir>
#include <QSqlError>

#include <sqlite3.h>

namespace strovel {

CausaErrore CausaSqlite(int codice, const QString& testoMotore) {
    switch (codice & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return CausaErrore::Nessuna;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return CausaErrore::InUso;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return CausaErrore::SolaLettura;
    case SQLITE_FULL:
        return CausaErrore::DiscoPieno;
    case SQLITE_CORRUPT:
        return CausaErrore::Danneggiato;
    case SQLITE_NOTADB:
        return CausaErrore::NonUnDatabase;
    case SQLITE_CANTOPEN:
        return CausaErrore::NonApribile;
    case SQLITE_IOERR:
        return CausaErrore::ErroreDisco;
    case SQLITE_CONSTRAINT:
        return testoMotore.contains(QStringLiteral("UNIQUE")) ? CausaErrore::DataDuplicata
                                                              : CausaErrore::DataNonValida;
    default:
        return CausaErrore::Altro;
    }
}

CausaErrore CausaSqlite(const QSqlError& errore) {
    if (errore.type() == QSqlError::NoError) {
        return CausaErrore::Nessuna;
    }
    bool ok = false;
    const int codice = errore.nativeErrorCode().toInt(&ok);
    return ok ? CausaSqlite(codice, errore.databaseText()) : CausaErrore::Altro;
}

QString MessaggioCausa(CausaErrore causa, const QString& percorso, QualeDatabase quale) {
    const QString file = QDir::toNativeSeparators(percorso);
    const bool impostazioni = quale == QualeDatabase::Impostazioni;
    switch (causa) {
    case CausaErrore::Nessuna:
        return {};
    case CausaErrore::InUso:
        if (impostazioni) {
            return QStringLiteral("Il database delle impostazioni %1 è in uso da un altro "
                                  "programma (forse un'altra copia di Strovel 2026). Chiudere "
                                  "l'altro programma e riprovare.")
                .arg(file);
        }
        return QStringLiteral("L'archivio %1 è in uso da un altro programma. Chiudere l'altro "
                              "programma (o attendere che finisca) e riprovare.")
            .arg(file);
    case CausaErrore::SolaLettura:
        if (impostazioni) {
            return QStringLiteral("Il database delle impostazioni %1 è in sola lettura: non si "
                                  "può scrivere. Controllare i permessi del file e della "
                                  "cartella del programma.")
                .arg(file);
        }
        return QStringLiteral("Il file %1 è in sola lettura: non si può scrivere. Controllare i "
                              "permessi del file e della sua cartella.")
            .arg(file);
    case CausaErrore::DiscoPieno:
        return QStringLiteral("Il disco è pieno: non c'è spazio per scrivere in %1. Liberare "
                              "spazio e riprovare.")
            .arg(file);
    case CausaErrore::Danneggiato:
        if (impostazioni) {
            return QStringLiteral("Il database delle impostazioni %1 è danneggiato: non viene "
                                  "letto né modificato. Ripristinarne una copia di sicurezza, "
                                  "oppure spostarlo altrove: al prossimo avvio il programma ne "
                                  "crea uno nuovo (l'archivio delle estrazioni non cambia; vanno "
                                  "scelti di nuovo l'archivio e le impostazioni, e le "
                                  "configurazioni salvate dell'ambata dinamica restano nel file "
                                  "spostato).")
                .arg(file);
        }
        return QStringLiteral("Il file %1 è un database danneggiato: non viene letto né "
                              "modificato. Ripristinare una copia di sicurezza o ricreare "
                              "l'archivio da un file di testo delle estrazioni.")
            .arg(file);
    case CausaErrore::NonUnDatabase:
        if (impostazioni) {
            return QStringLiteral("Il file %1 non è un database delle impostazioni. Spostarlo "
                                  "altrove: al prossimo avvio il programma ne crea uno nuovo.")
                .arg(file);
        }
        return QStringLiteral("Il file %1 non è un database.").arg(file);
    case CausaErrore::NonApribile:
        return QStringLiteral("Impossibile aprire %1: il file o la sua cartella non esistono, "
                              "oppure mancano i permessi.")
            .arg(file);
    case CausaErrore::ErroreDisco:
        return QStringLiteral("Errore di lettura o scrittura del disco sul file %1. Controllare "
                              "il disco e riprovare.")
            .arg(file);
    case CausaErrore::DataDuplicata:
        return QStringLiteral("la data è già presente nell'archivio.");
    case CausaErrore::DataNonValida:
        return QStringLiteral("la data non è valida.");
    case CausaErrore::NonPresente:
        return QStringLiteral("l'estrazione non è presente nell'archivio.");
    case CausaErrore::Capienza:
        return QStringLiteral("l'archivio è pieno.");
    case CausaErrore::Altro:
        break;
    }
    return QStringLiteral("Operazione non riuscita sul database %1: la sua struttura non è "
                          "quella attesa dal programma.")
        .arg(file);
}

bool CausaDelFile(CausaErrore causa) {
    switch (causa) {
    case CausaErrore::InUso:
    case CausaErrore::SolaLettura:
    case CausaErrore::DiscoPieno:
    case CausaErrore::Danneggiato:
    case CausaErrore::NonUnDatabase:
    case CausaErrore::NonApribile:
    case CausaErrore::ErroreDisco:
    case CausaErrore::Altro:
        return true;
    default:
        return false;
    }
}

} // namespace strovel

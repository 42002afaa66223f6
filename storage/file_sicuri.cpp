#include "storage/file_sicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace strovel {

namespace {

bool Fallisci(QString* errore, const QString& motivo) {
    if (errore) {
        *errore = motivo;
    }
    return false;
}

QString Nome(const QString& percorso) {
    return QDir::toNativeSeparators(percorso);
}

} // namespace

bool LeggiFileIngresso(const QString& percorso, QByteArray& contenuto, QString* errore,
                       qint64 limite) {
    contenuto.clear();
    if (percorso.isEmpty()) {
        return Fallisci(errore, QStringLiteral("Nessun file indicato."));
    }
    const QFileInfo info(percorso);
    if (!info.exists()) {
        return Fallisci(errore, QStringLiteral("Il file %1 non esiste.").arg(Nome(percorso)));
    }
    if (info.isDir()) {
        return Fallisci(
            errore, QStringLiteral("%1 è una cartella, non un file di testo.").arg(Nome(percorso)));
    }
    // Devices, pipes and sockets never end (/dev/zero) or block: only plain files are read.
    if (!info.isFile()) {
        return Fallisci(errore,
                        QStringLiteral("%1 non è un file normale (dispositivo, pipe o socket): "
                                       "non viene letto.")
                            .arg(Nome(percorso)));
    }
    auto troppoGrande = [&](qint64 dimensione) {
        return Fallisci(errore, QStringLiteral("Il file %1 è troppo grande (%2 MB): il massimo è "
                                               "%3 MB.")
                                    .arg(Nome(percorso))
                                    .arg((dimensione + (1 << 20) - 1) >> 20)
                                    .arg(limite >> 20));
    };
    if (info.size() > limite) {
        return troppoGrande(info.size());
    }
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fallisci(errore, QStringLiteral("Impossibile leggere il file %1: mancano i "
                                               "permessi di lettura.")
                                    .arg(Nome(percorso)));
    }
    // A file that grows while it is read is still bounded.
    contenuto = file.read(limite + 1);
    if (file.error() != QFileDevice::NoError) {
        contenuto.clear();
        return Fallisci(errore,
                        QStringLiteral("Errore di lettura del file %1.").arg(Nome(percorso)));
    }
    if (contenuto.size() > limite) {
        contenuto.clear();
        return troppoGrande(limite + 1);
    }
    return true;
}

bool FileSqlite(const QString& percorso) {
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    static const QByteArray intestazione("SQLite format 3\0", 16);
    return file.read(16) == intestazione;
}

bool DestinazioneAmmessa(const QString& percorso, const QStringList& protetti, QString* errore) {
    if (percorso.isEmpty()) {
        return Fallisci(errore, QStringLiteral("Nessun file indicato."));
    }
    const QFileInfo info(percorso);
    if (info.isDir()) {
        return Fallisci(errore,
                        QStringLiteral("%1 è una cartella, non un file.").arg(Nome(percorso)));
    }
    if (info.exists() && !info.isFile()) {
        return Fallisci(errore, QStringLiteral("%1 non è un file normale (dispositivo, pipe o "
                                               "socket): l'esportazione non vi scrive.")
                                    .arg(Nome(percorso)));
    }
    if (!info.exists()) {
        return true;
    }
    const QString canonico = info.canonicalFilePath();
    for (const QString& protetto : protetti) {
        if (!protetto.isEmpty() && QFileInfo(protetto).canonicalFilePath() == canonico) {
            return Fallisci(errore,
                            QStringLiteral("Il file %1 è un database in uso dal programma "
                                           "(l'archivio delle estrazioni o le impostazioni): "
                                           "l'esportazione non lo sovrascrive. Scegliere un altro "
                                           "file.")
                                .arg(Nome(percorso)));
        }
    }
    if (FileSqlite(percorso)) {
        return Fallisci(errore, QStringLiteral("Il file %1 è un database (forse un archivio delle "
                                               "estrazioni): l'esportazione non lo sovrascrive. "
                                               "Scegliere un altro file.")
                                    .arg(Nome(percorso)));
    }
    return true;
}

bool ScriviFileSicuro(const QString& percorso, const QByteArray& contenuto,
                      const QStringList& protetti, QString* errore, bool* rifiutata) {
    if (rifiutata) {
        *rifiutata = false;
    }
    if (!DestinazioneAmmessa(percorso, protetti, errore)) {
        if (rifiutata) {
            *rifiutata = true;
        }
        return false;
    }
    const QString cartella = QFileInfo(percorso).absolutePath();
    if (!QFileInfo(cartella).isDir()) {
        return Fallisci(errore, QStringLiteral("La cartella %1 non esiste.").arg(Nome(cartella)));
    }
    QSaveFile file(percorso);
    // Unbuffered: QSaveFile checks the writes it sees, but a buffered tail written while it
    // closes could fail unnoticed and an empty file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Fallisci(errore, QStringLiteral("Impossibile scrivere il file %1: la cartella %2 "
                                               "o il file non sono scrivibili.")
                                    .arg(Nome(percorso), Nome(cartella)));
    }
    // Every write is checked, then commit() closes and renames.
    if (file.write(contenuto) != contenuto.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || !file.commit()) {
        file.cancelWriting();
        return Fallisci(errore, QStringLiteral("Scrittura del file %1 non riuscita (disco pieno "
                                               "o non scrivibile): il file precedente è rimasto "
                                               "com'era.")
                                    .arg(Nome(percorso)));
    }
    return true;
}

} // namespace strovel

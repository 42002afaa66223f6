#include "storage/cartella_programma.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace strovel {

QString CartellaProgramma(const QString& cartellaEseguibile) {
    QString cartella = qEnvironmentVariable("STROVEL_HOME");
    if (cartella.isEmpty()) {
        const QFileInfo eseguibile(cartellaEseguibile);
        if (!cartellaEseguibile.isEmpty() && eseguibile.isDir() && eseguibile.isWritable()) {
            cartella = cartellaEseguibile;
        } else {
            cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        }
    }
    QDir().mkpath(cartella);
    return QDir::cleanPath(QFileInfo(cartella).absoluteFilePath());
}

bool ScriviPercorsoDatabase(const QString& cartella, const QString& percorsoArchivio) {
    QSaveFile file(QDir(cartella).filePath(QStringLiteral("PercorsoDatabase.txt")));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QString riga = QLatin1Char('"') + percorsoArchivio + QStringLiteral("\"\r\n");
    file.write(riga.toLocal8Bit());
    return file.commit();
}

} // namespace strovel

#include "storage/preset.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace strovel {

QString PercorsoPreset(const QString& cartellaProgramma, int numero) {
    return QDir(cartellaProgramma).filePath(QStringLiteral("Memo%1.Txt").arg(numero));
}

bool ScriviPreset(const QString& percorso, const std::vector<int>& valori) {
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (int v : valori) {
        file.write(QByteArray::number(v) + "\r\n");
    }
    return file.commit();
}

std::vector<int> LeggiPreset(const QString& percorso, int massimo) {
    std::vector<int> valori;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        return valori;
    }
    while (!file.atEnd() && static_cast<int>(valori.size()) < massimo) {
        bool ok = false;
        const int v = file.readLine().trimmed().toInt(&ok);
        if (!ok) {
            break;
        }
        valori.push_back(v);
    }
    return valori;
}

} // namespace strovel

#include "ui/dati_installati.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace strovel {

QString CartellaDati(const QString& nome, const QString& altrimenti) {
    const QString installata = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/../share/strovel2026/") + nome);
    return QFileInfo(installata).isDir() ? installata : altrimenti;
}

} // namespace strovel

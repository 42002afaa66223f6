#include "ui/traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace strovel {

bool CaricaTraduzioniQt() {
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    return QCoreApplication::installTranslator(traduttore);
}

} // namespace strovel

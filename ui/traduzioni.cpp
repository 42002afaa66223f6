#include "ui/traduzioni.h"

#include "ui/dati_installati.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace strovel {

bool CaricaTraduzioniQt() {
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    // The translations installed with the program, else Qt's own.
    const QString cartella = CartellaDati(QStringLiteral("translations"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), cartella)) {
        delete traduttore;
        return false;
    }
    return QCoreApplication::installTranslator(traduttore);
}

} // namespace strovel

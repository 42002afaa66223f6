// strovel: the desktop program.

#include "app/contesto.h"
#include "app/finestra_avvio.h"
#include "app/finestra_principale.h"
#include "storage/cartella_programma.h"
#include "ui/dialoghi.h"
#include "ui/menu_griglia.h"
#include "ui/traduzioni.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QUrl>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strovel2026"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    strovel::CaricaTraduzioniQt();

    strovel::DialoghiQt dialoghi;
    strovel::ImpostaDialoghiGriglie(&dialoghi);
    strovel::Contesto contesto(dialoghi);
    contesto.cartellaProgramma = strovel::CartellaProgramma(QApplication::applicationDirPath());
    // The demo archive used while no archive is configured, made on the first run.
    contesto.archivioDemo = qEnvironmentVariable("STROVEL_ARCHIVIO_DEMO");
    if (contesto.archivioDemo.isEmpty()) {
        contesto.archivioDemo =
            QDir(contesto.cartellaProgramma).filePath(QStringLiteral("ArchivioDemo.mdb"));
    }
    contesto.apriIndirizzo = [](const QString& indirizzo) {
        QDesktopServices::openUrl(QUrl::fromUserInput(indirizzo));
    };

    QPointer<strovel::FinestraAvvio> avvio = new strovel::FinestraAvvio(contesto);
    QString errore;
    if (!avvio->Avvia(&errore)) {
        // Without the settings database the program cannot start.
        dialoghi.Messaggio(nullptr, strovel::Icona::Critica, strovel::Contesto::TitoloAvvio(),
                           errore);
        delete avvio;
        return 1;
    }
    std::unique_ptr<strovel::FinestraPrincipale> principale;
    QObject::connect(avvio, &strovel::FinestraAvvio::Caricato, [&] {
        principale = std::make_unique<strovel::FinestraPrincipale>(contesto);
        principale->showMaximized();
        avvio->deleteLater();
    });
    const int codice = QApplication::exec();
    delete avvio;
    principale.reset();
    contesto.ChiudiTutto();
    return codice;
}

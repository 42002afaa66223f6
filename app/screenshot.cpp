// strovel-screenshot CARTELLA: opens every window built so far on a demo archive and saves a
// PNG of each in CARTELLA, so anyone can look at what a user sees.

#include "app/contesto.h"
#include "app/finestra_avvio.h"
#include "app/finestra_principale.h"
#include "core/demo.h"
#include "cycles/strovel_window.h"
#include "storage/crea_archivio.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

bool Salva(QWidget* w, const QString& cartella, const QString& nome) {
    w->show();
    for (int k = 0; k < 5; ++k) {
        QApplication::processEvents();
    }
    const QString percorso = QDir(cartella).filePath(nome + QStringLiteral(".png"));
    const bool ok = w->grab().save(percorso);
    std::printf("%s %s\n", ok ? "salvato" : "ERRORE", percorso.toUtf8().constData());
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strovel2026"));
    if (argc < 2) {
        std::fprintf(stderr, "Uso: strovel-screenshot CARTELLA\n");
        return 2;
    }
    const QString uscita = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(uscita);

    QTemporaryDir casa;
    const QString demo = casa.filePath(QStringLiteral("ArchivioDemo.mdb"));
    QString errore;
    if (!strovel::CreaArchivioDaRighe(
            demo,
            strovel::GeneraArchivioDemo(strovel::EstrazioniDemoPredefinite,
                                        strovel::SemeDemoPredefinito),
            QDateTime::currentDateTime(), &errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return 1;
    }
    strovel::DialoghiScriptati dialoghi;
    strovel::Contesto contesto(dialoghi);
    contesto.cartellaProgramma = casa.path();
    contesto.archivioDemo = demo;

    bool ok = true;
    auto* avvio = new strovel::FinestraAvvio(contesto);
    if (!avvio->Avvia(&errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return 1;
    }
    ok &= Salva(avvio, uscita, QStringLiteral("01_avvio"));
    strovel::FinestraPrincipale* principale = nullptr;
    QObject::connect(avvio, &strovel::FinestraAvvio::Caricato,
                     [&] { principale = new strovel::FinestraPrincipale(contesto); });
    avvio->Procedi();
    if (principale == nullptr) {
        std::fprintf(stderr, "Caricamento dell'archivio dimostrativo non riuscito\n");
        return 1;
    }
    delete avvio;
    principale->resize(1680, 1050);
    ok &= Salva(principale, uscita, QStringLiteral("02_principale"));

    // The Strovel cycle window after a run on every wheel.
    principale->findChild<QPushButton*>(QStringLiteral("Command10"))->click();
    auto* strovel = principale->findChild<strovel::FinestraStrovel*>();
    principale->findChild<QMdiSubWindow*>()->showMaximized();
    for (const char* nome : {"LblSelTuttiR", "LblSelTuttiG"}) {
        strovel->findChild<QPushButton*>(QString::fromLatin1(nome))->click();
    }
    strovel->Elabora();
    ok &= Salva(principale, uscita, QStringLiteral("04_strovel"));
    strovel->findChild<QTableWidget*>(QStringLiteral("FgY"))->setCurrentCell(0, 1);
    strovel->Statistica();
    ok &= Salva(principale, uscita, QStringLiteral("05_strovel_statistica"));
    auto* aiuto = strovel::FinestraAiuto::Apri(220);
    ok &= Salva(aiuto, uscita, QStringLiteral("03_aiuto"));
    delete principale;
    return ok ? 0 : 1;
}

// strovel: the desktop program. The windows come next; until then it says so and which
// command-line tools already work.

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strovel2026"));
    QMessageBox::information(
        nullptr, QStringLiteral("Strovel 2026: Versione ") + QStringLiteral(STROVEL_VERSIONE),
        QStringLiteral("Le finestre del programma non sono ancora disponibili in questa versione.\n"
                       "Gli archivi si creano e si consultano con strovel-cli "
                       "(crea-archivio, info, demo-archivio)."));
    return 0;
}

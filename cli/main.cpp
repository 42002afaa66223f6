// strovel-cli: scripting and batch access to the archive databases.

#include "cli/registro.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Strovel2026"));
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    const int codice = strovel::cli::Esegui(QCoreApplication::arguments().mid(1), uscita, errori);
    uscita.flush();
    errori.flush();
    return codice;
}

// Writes the seed corpus of every fuzz target, cut from the real text archives:
//   strovel-fuzz-semi CARTELLA_DATI CARTELLA_CORPUS
// gives CARTELLA_CORPUS/<target>/seme-NNN.

#include "tests/fuzz/bersagli.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() != 3) {
        std::fputs("Uso: strovel-fuzz-semi CARTELLA_DATI CARTELLA_CORPUS\n", stderr);
        return 2;
    }
    for (const auto& voce : strovel::fuzz::Bersagli()) {
        const QString nome = QString::fromLatin1(voce.nome);
        QDir cartella(argomenti[2]);
        cartella.mkpath(nome);
        int k = 0;
        for (const QByteArray& seme : strovel::fuzz::SemiDaiDatiReali(nome, argomenti[1])) {
            QFile f(cartella.filePath(
                nome + QStringLiteral("/seme-%1").arg(++k, 3, 10, QLatin1Char('0'))));
            if (!f.open(QIODevice::WriteOnly) || f.write(seme) != seme.size()) {
                std::fputs("Impossibile scrivere il corpus.\n", stderr);
                return 1;
            }
        }
    }
    return 0;
}

// Golden cases of the grid commands: tests/data/<command>/<case>/ holds "argomenti" (the
// archive to run on, then one argument per line) and "atteso.tsv" (the output, byte for
// byte). One test runs every case of every command.
//
// The archive line is "demo N SEED" (a demo archive made with demo-archivio) or "reale" (the
// real archive built from ../shared/data; such a case is skipped when the data are absent).

#include "tests/cli/cli_aiuti.h"

#include <QDir>
#include <QDirIterator>

namespace strovel {
namespace {

using test::Cli;
using test::Esito;

TEST(CasiCli, OgniCasoDiOgniComando) {
    const QDir radice(qEnvironmentVariable("STROVEL_DATI_TEST"));
    QTemporaryDir cartella;
    int eseguiti = 0;
    for (const QString& comando :
         {QStringLiteral("cicli"), QStringLiteral("ambata-dinamica"),
          QStringLiteral("cinquina-spiona"), QStringLiteral("cicli2"), QStringLiteral("cicli-ambi"),
          QStringLiteral("ritardi"), QStringLiteral("maltese"), QStringLiteral("ambo-somme")}) {
        QDirIterator casi(radice.filePath(comando), QDir::Dirs | QDir::NoDotAndDotDot);
        while (casi.hasNext()) {
            const QString caso = casi.next();
            SCOPED_TRACE(caso.toStdString());
            QStringList righe =
                QString::fromUtf8(test::LeggiFile(caso + QStringLiteral("/argomenti")))
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            ASSERT_FALSE(righe.isEmpty());
            const QStringList archivio = righe.takeFirst().split(QLatin1Char(' '));
            const QString percorso =
                cartella.filePath(archivio.join(QLatin1Char('_')) + QStringLiteral(".mdb"));
            if (!QFileInfo::exists(percorso)) {
                if (archivio[0] == QStringLiteral("reale")) {
                    const auto testo = test::DatiReali(QStringLiteral("archivio.txt"));
                    if (!testo) {
                        continue;
                    }
                    ASSERT_EQ(Cli({QStringLiteral("crea-archivio"), percorso,
                                   QStringLiteral("--da"), *testo})
                                  .codice,
                              0);
                } else {
                    ASSERT_EQ(archivio.size(), 3);
                    ASSERT_EQ(Cli({QStringLiteral("demo-archivio"), percorso,
                                   QStringLiteral("--estrazioni"), archivio[1],
                                   QStringLiteral("--seme"), archivio[2]})
                                  .codice,
                              0);
                }
            }
            const Esito e = Cli(QStringList{comando, percorso} + righe);
            ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
            EXPECT_EQ(e.uscita.toUtf8(), test::LeggiFile(caso + QStringLiteral("/atteso.tsv")));
            ++eseguiti;
        }
    }
    EXPECT_GE(eseguiti, 6);
}

} // namespace
} // namespace strovel

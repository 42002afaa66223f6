#pragma once
// strovel-cli run as a separate process, as scripts use it.

#include "tests/support/supporto.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace strovel::test {

struct Esito {
    int codice = -1;
    QString uscita;
    QString errori;
};

/// Runs strovel-cli with `argomenti`; `ambiente` adds variables to the environment.
inline Esito Cli(const QStringList& argomenti, const QProcessEnvironment& ambiente = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(ambiente);
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("STROVEL_CLI"), argomenti);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

/// The words of `riga`, split at the spaces: the options of a command line.
inline QStringList Parole(const char* riga) {
    return QString::fromUtf8(riga).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

/// The fixed-column update text of `righe`, one record per line, each ending in " pr".
inline QByteArray TestoColonne(const std::vector<RigaEstrazione>& righe) {
    QByteArray t;
    for (const RigaEstrazione& r : righe) {
        std::string s = r.data;
        for (const std::string& w : r.ruote) {
            s += " " + w;
        }
        t += QByteArray::fromStdString(s) + " pr\r\n";
    }
    return t;
}

/// A demo archive of `estrazioni` draws at `percorso` (demo-archivio); fails the test otherwise.
inline void CreaDemo(const QString& percorso, int estrazioni) {
    const Esito e = Cli({QStringLiteral("demo-archivio"), percorso, QStringLiteral("--estrazioni"),
                         QString::number(estrazioni)});
    ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
}

class StrovelCli : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    QString File(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }
    /// strovel-cli `comando` on the file `archivio` of the test folder, then `opzioni` (split
    /// at the spaces) and `altri` as they are.
    Esito Esegui(const char* comando, const char* archivio, const char* opzioni = "",
                 const QStringList& altri = {}) const {
        return Cli(QStringList{QString::fromLatin1(comando), File(archivio)} + Parole(opzioni) +
                   altri);
    }
};

} // namespace strovel::test

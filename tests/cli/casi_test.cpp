// Golden cases of the analysis commands: tests/data/<command>/<case>/ holds "argomenti" (the
// archive to run on, then one argument per line) and "atteso.tsv" (the output, byte for byte).
// Every case found there is a test of its own, named <command>/<case>.
//
// The archive line is "demo N SEED" (a demo archive made with demo-archivio) or "reale" (the
// real archive built from ../shared/data; such a case is skipped when the data are absent).
//
// STROVEL_RIGENERA=1 writes each command's output into its atteso.tsv instead of comparing:
// review the changes with git diff before committing them.

#include "tests/cli/cli_aiuti.h"

#include <QDir>
#include <QDirIterator>

#include <cctype>
#include <map>

namespace strovel {
namespace {

using test::Cli;
using test::Esito;

struct CasoCli {
    QString comando;
    QString cartella;
};

void PrintTo(const CasoCli& c, std::ostream* os) {
    *os << c.cartella.toStdString();
}

std::vector<CasoCli> CasiTrovati() {
    std::vector<CasoCli> casi;
    const QDir radice(qEnvironmentVariable("STROVEL_DATI_TEST"));
    QStringList comandi = radice.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& comando : comandi) {
        const QDir cartella(radice.filePath(comando));
        for (const QString& caso :
             cartella.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (QFileInfo::exists(cartella.filePath(caso + QStringLiteral("/argomenti")))) {
                casi.push_back({comando, cartella.filePath(caso)});
            }
        }
    }
    return casi;
}

/// The archive a case runs on, made once for every case that names it; empty when it needs the
/// real draws and they are absent.
QString Archivio(const QStringList& descrizione) {
    static QTemporaryDir cartella;
    static std::map<QString, QString> fatti;
    const QString chiave = descrizione.join(QLatin1Char('_'));
    if (const auto f = fatti.find(chiave); f != fatti.end()) {
        return f->second;
    }
    const QString percorso = cartella.filePath(chiave + QStringLiteral(".mdb"));
    Esito e;
    if (descrizione.value(0) == QStringLiteral("reale")) {
        const auto testo = test::DatiReali(QStringLiteral("archivio.txt"));
        if (!testo) {
            return {};
        }
        e = Cli({QStringLiteral("crea-archivio"), percorso, QStringLiteral("--da"), *testo});
    } else {
        EXPECT_EQ(descrizione.size(), 3);
        e = Cli({QStringLiteral("demo-archivio"), percorso, QStringLiteral("--estrazioni"),
                 descrizione.value(1), QStringLiteral("--seme"), descrizione.value(2)});
    }
    EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
    fatti[chiave] = percorso;
    return percorso;
}

class CasiCli : public ::testing::TestWithParam<CasoCli> {};

TEST_P(CasiCli, UscitaAttesa) {
    const CasoCli& caso = GetParam();
    QStringList righe =
        QString::fromUtf8(test::LeggiFile(caso.cartella + QStringLiteral("/argomenti")))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(righe.isEmpty());
    const QString archivio = Archivio(righe.takeFirst().split(QLatin1Char(' ')));
    if (archivio.isEmpty()) {
        GTEST_SKIP() << "dati reali assenti";
    }
    const Esito e = Cli(QStringList{caso.comando, archivio} + righe);
    ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
    const QString atteso = caso.cartella + QStringLiteral("/atteso.tsv");
    if (qEnvironmentVariable("STROVEL_RIGENERA") == QStringLiteral("1")) {
        QFile f(atteso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(e.uscita.toUtf8());
        return;
    }
    EXPECT_EQ(e.uscita.toStdString(), test::LeggiFile(atteso).toStdString());
}

std::string NomeCaso(const ::testing::TestParamInfo<CasoCli>& info) {
    std::string nome =
        (info.param.comando + QLatin1Char('_') + QFileInfo(info.param.cartella).fileName())
            .toStdString();
    for (char& c : nome) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return nome;
}

INSTANTIATE_TEST_SUITE_P(Comandi, CasiCli, ::testing::ValuesIn(CasiTrovati()), NomeCaso);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CasiCli);

TEST(CasiCliTrovati, OgniComandoDAnalisiHaISuoiCasi) {
    std::map<QString, int> perComando;
    for (const CasoCli& c : CasiTrovati()) {
        ++perComando[c.comando];
    }
    for (const char* comando : {"cicli", "cicli2", "cicli-ambi", "ambata-dinamica",
                                "cinquina-spiona", "ritardi", "maltese", "ambo-somme"}) {
        EXPECT_GE(perComando[QString::fromLatin1(comando)], 3) << comando;
    }
}

} // namespace
} // namespace strovel

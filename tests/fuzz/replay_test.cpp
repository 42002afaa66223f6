// The fuzz targets replayed as ordinary tests: the seeds cut from the real archives, the
// hand-made seeds and every crash the fuzzer ever found (tests/data/fuzz/<target>/).

#include "tests/fuzz/bersagli.h"
#include "tests/support/supporto.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace strovel {
namespace {

void Rigioca(const fuzz::VoceBersaglio& voce, const QByteArray& dati, const QString& origine) {
    const auto rotto = voce.funzione(reinterpret_cast<const std::uint8_t*>(dati.constData()),
                                     static_cast<std::size_t>(dati.size()));
    EXPECT_FALSE(rotto.has_value())
        << voce.nome << " su " << origine.toStdString() << ": " << rotto.value_or(std::string());
}

TEST(Fuzz, CorpusSalvatoECrashTrovati) {
    const QString radice = qEnvironmentVariable("STROVEL_DATI_TEST") + QStringLiteral("/fuzz");
    int casi = 0;
    for (const auto& voce : fuzz::Bersagli()) {
        QDirIterator it(radice + QLatin1Char('/') + QString::fromLatin1(voce.nome), QDir::Files);
        while (it.hasNext()) {
            const QString file = it.next();
            Rigioca(voce, test::LeggiFile(file), file);
            ++casi;
        }
    }
    EXPECT_GE(casi, 10);
}

TEST(Fuzz, SemiDaiDatiReali) {
    STROVEL_RICHIEDE_DATI_REALI(archivio, QStringLiteral("archivio.txt"));
    const QString cartella = QFileInfo(*archivio).absolutePath();
    for (const auto& voce : fuzz::Bersagli()) {
        const auto semi = fuzz::SemiDaiDatiReali(QString::fromLatin1(voce.nome), cartella);
        EXPECT_GE(semi.size(), 20u) << voce.nome;
        for (const QByteArray& seme : semi) {
            Rigioca(voce, seme, QStringLiteral("seme dai dati reali"));
        }
    }
}

} // namespace
} // namespace strovel

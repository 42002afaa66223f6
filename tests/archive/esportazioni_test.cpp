#include "archive/esportazioni.h"
#include "core/archivio.h"
#include "core/data_testo.h"
#include "tests/support/supporto.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// 105 draws of 2023 on Tuesdays, Thursdays and Saturdays from 03/01/2023; the numbers follow
/// a fixed rule and the Nazionale is missing on every fourth draw. The expected files in
/// tests/data/esportazioni were written by hand from the same rule.
std::unique_ptr<Archivio> Archivio2023() {
    auto a = std::make_unique<Archivio>();
    auto giorno = NumeroGiorno(Data{3, 1, 2023});
    int i = 0;
    while (i < 105) {
        const Data d = DataDaNumeroGiorno(giorno++);
        const int g = GiornoSettimana(d);
        if (g != 2 && g != 4 && g != 6) {
            continue;
        }
        ++i;
        a->DateEstrazioni[static_cast<std::size_t>(i)] = TestoData(d);
        for (int w = 0; w < 11; ++w) {
            for (int p = 1; p <= 5; ++p) {
                a->Estratti(i, w, p) = static_cast<std::int16_t>(
                    w == 10 && i % 4 == 0 ? 0 : (i * 7 + w * 11 + p * 13) % 90 + 1);
            }
        }
    }
    a->TotEstrazioni = 105;
    a->CalcolaProgressivi();
    a->ModelloIdentita();
    return a;
}

QString DatoTest(const char* nome) {
    return QDir(qEnvironmentVariable("STROVEL_DATI_TEST"))
        .filePath(QStringLiteral("esportazioni/") + QString::fromLatin1(nome));
}

TEST(Esportazioni, TrindoloByteByByte) {
    const auto a = Archivio2023();
    int massimo = 0;
    std::vector<int> avanzamento;
    const QByteArray testo = TestoTrindolo(
        *a, Progresso{[&](int m) { massimo = m; }, [&](int v) { avanzamento.push_back(v); }, {}});
    EXPECT_EQ(testo, test::LeggiFile(DatoTest("atteso_trindolo.txt")));
    // 3 January 2023, first of its month and year, ends in 2301030101.
    EXPECT_TRUE(testo.startsWith("\"") && testo.left(112).endsWith("2301030101\""));
    // From the 100th draw of a year on the annual progressive has three digits.
    const QList<QByteArray> righe = testo.split('\n');
    EXPECT_EQ(righe[98].size() + 1, righe[104].size()); // 99th against 105th
    // The maximum once, the value at every tenth draw.
    EXPECT_EQ(massimo, 105);
    ASSERT_EQ(avanzamento.size(), 10u);
    EXPECT_EQ(avanzamento.front(), 10);
    EXPECT_EQ(avanzamento.back(), 100);
}

TEST(Esportazioni, PelvanoSenzaTroncareUnFilePiuLungo) {
    const auto a = Archivio2023();
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("Dati.iii"));
    ASSERT_TRUE(QFile::copy(DatoTest("vecchio.iii"), percorso));
    QFile(percorso).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(ScriviPelvano(*a, percorso).ok);
    EXPECT_EQ(test::LeggiFile(percorso), test::LeggiFile(DatoTest("atteso_pelvano.iii")));
    // Draw 1: day 3, month 1, year 23, progressives 1 and 1.
    const QByteArray r = RecordPelvano(*a, 1);
    ASSERT_EQ(r.size(), 110);
    EXPECT_EQ(r.left(6), QByteArray("\x03\x00\x01\x00\x17\x00", 6));
    EXPECT_EQ(r.mid(106), QByteArray("\x01\x00\x01\x00", 4));
    // A new file holds exactly the archive.
    const QString nuovo = cartella.filePath(QStringLiteral("nuovo.iii"));
    ASSERT_TRUE(ScriviPelvano(*a, nuovo).ok);
    EXPECT_EQ(QFileInfo(nuovo).size(), 105 * 110);
}

TEST(Esportazioni, NazionaleSoloLeEstrazioniConNumeri) {
    const auto a = Archivio2023();
    const QByteArray testo = TestoNazionale(*a);
    EXPECT_EQ(testo, test::LeggiFile(DatoTest("atteso_nazionale.txt")));
    EXPECT_FALSE(testo.contains("00004-"));
    EXPECT_TRUE(testo.startsWith("00001-"));
}

TEST(Esportazioni, PercorsoFissoEFileNonScrivibile) {
    qputenv("WINEPREFIX", "/tmp/prefisso");
    EXPECT_EQ(PercorsoTrindolo(), QStringLiteral("/tmp/prefisso/drive_c/KVAR3/DATI32.III"));
    qunsetenv("WINEPREFIX");
    EXPECT_TRUE(PercorsoTrindolo().endsWith(QStringLiteral(".wine/drive_c/KVAR3/DATI32.III")));
    QTemporaryDir cartella;
    const auto esito = ScriviFileTesto(cartella.filePath(QStringLiteral("manca/DATI32.III")), "x");
    EXPECT_FALSE(esito.ok);
    EXPECT_FALSE(esito.rifiutata);
    EXPECT_TRUE(esito.errore.contains(QStringLiteral("non esiste"))) << esito.errore.toStdString();
}

TEST(Esportazioni, MaiSopraUnDatabaseUnaCartellaOUnDispositivo) {
    const auto a = Archivio2023();
    QTemporaryDir cartella;
    // Any SQLite file is refused, whatever its name, and stays byte for byte as it was.
    const QString archivio = cartella.filePath(QStringLiteral("archivio.txt"));
    test::CreaArchivio(archivio, {test::Riga("03/01/2023")});
    const QByteArray prima = test::LeggiFile(archivio);
    for (const EsitoEsportazione& e :
         {ScriviFileTesto(archivio, TestoNazionale(*a)), ScriviPelvano(*a, archivio)}) {
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.rifiutata);
        EXPECT_TRUE(e.errore.contains(QStringLiteral("è un database"))) << e.errore.toStdString();
    }
    EXPECT_EQ(test::LeggiFile(archivio), prima);
    // The open archive and the settings database are refused by path too.
    const QString testo = cartella.filePath(QStringLiteral("impostazioni.mdb"));
    test::ScriviFile(testo, "non un database");
    const auto protetto = ScriviFileTesto(testo, "x", {QStringLiteral("/altro"), testo});
    EXPECT_TRUE(protetto.rifiutata);
    EXPECT_EQ(test::LeggiFile(testo), QByteArray("non un database"));
    // Folders and devices are refused by kind.
    EXPECT_TRUE(ScriviFileTesto(cartella.path(), "x").rifiutata);
    EXPECT_TRUE(ScriviFileTesto(QStringLiteral("/dev/null"), "x").rifiutata);
    // An ordinary old file is replaced whole, with no temporary file left beside it.
    const QString naz = cartella.filePath(QStringLiteral("naz.txt"));
    test::ScriviFile(naz, QByteArray(5000, 'x'));
    ASSERT_TRUE(ScriviFileTesto(naz, TestoNazionale(*a)).ok);
    EXPECT_EQ(test::LeggiFile(naz), TestoNazionale(*a));
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files).size(), 3);
}

} // namespace
} // namespace strovel

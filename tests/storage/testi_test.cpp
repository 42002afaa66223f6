#include "storage/crea_archivio.h"
#include "storage/testo_aggiornamento.h"
#include "storage/testo_storico.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// A fixed-column record of 178 characters for `data`, wheels from test::Riga.
QByteArray Record(const std::string& data, int base = 1, const char* coda = " pr") {
    const RigaEstrazione r = test::Riga(data, base);
    std::string s = data;
    for (const std::string& ruota : r.ruote) {
        s += " " + ruota;
    }
    return QByteArray::fromStdString(s) + coda;
}

TEST(PrimoRecord, LunghezzaEsattaEPrMinuscolo) {
    const QByteArray buono = Record("03/01/2023");
    ASSERT_EQ(buono.size(), 178);
    EXPECT_TRUE(PrimoRecordValido(QString::fromLatin1(buono)));
    EXPECT_FALSE(PrimoRecordValido(QString::fromLatin1(Record("03/01/2023", 1, "pr"))));   // 177
    EXPECT_FALSE(PrimoRecordValido(QString::fromLatin1(Record("03/01/2023", 1, "  pr")))); // 179
    EXPECT_FALSE(PrimoRecordValido(QString::fromLatin1(Record("03/01/2023", 1, " PR"))));
    EXPECT_FALSE(PrimoRecordValido(QString::fromLatin1(Record("03/01/2023", 1, " pR"))));
    EXPECT_FALSE(PrimoRecordValido(QString()));
}

TEST(Record, FineRigaEVirgolaChiudonoUnRecord) {
    const QByteArray testo = "uno\r\ndue\nt,re\r\rquattro";
    const auto r = DividiRecord(testo);
    ASSERT_EQ(r.size(), 6);
    EXPECT_EQ(r[0].testo, QStringLiteral("uno"));
    EXPECT_EQ(r[1].testo, QStringLiteral("due"));
    EXPECT_EQ(r[2].testo, QStringLiteral("t"));
    EXPECT_EQ(r[3].testo, QStringLiteral("re"));
    EXPECT_EQ(r[3].riga, 3);
    EXPECT_EQ(r[4].testo, QString());
    EXPECT_EQ(r[5].testo, QStringLiteral("quattro"));
    EXPECT_EQ(r[5].riga, 5);
    EXPECT_EQ(DividiRecord("a\r\n").size(), 1);
    EXPECT_TRUE(DividiRecord("").isEmpty());
}

TEST(RigheAggiornamento, BlocchiComeTestoERigheVuoteScartate) {
    QByteArray file = "\r\n" + Record("03/01/2023") + "\r\n\r\n" + Record("05/01/2023", 7) + "\r\n";
    // A short line keeps what it has: a short Bari block and empty later cells.
    file += "07/01/2023 1-2-3\r\n";
    const auto righe = CaricaRigheAggiornamento(file);
    ASSERT_EQ(righe.size(), 3u);
    EXPECT_EQ(righe[0].data, QStringLiteral("03/01/2023"));
    EXPECT_EQ(righe[0].riga, 2);
    EXPECT_EQ(righe[1].ruote[10], QString::fromStdString(test::Riga("05/01/2023", 7).ruote[10]));
    EXPECT_EQ(righe[2].ruote[0], QStringLiteral("1-2-3"));
    EXPECT_TRUE(righe[2].ruote[1].isEmpty());
    // Blocks are not parsed: anything is kept as it stands.
    QByteArray strano = Record("03/01/2023");
    strano.replace(11, 14, "ab-cd-ef-gh-ij");
    EXPECT_EQ(CaricaRigheAggiornamento(strano)[0].ruote[0], QStringLiteral("ab-cd-ef-gh-ij"));
}

TEST(Storico, RaggruppaPerDataERuoteMancantiAZero) {
    const QByteArray testo = "2023/01/05\tBA\t1\t2\t3\t4\t5\r\n"
                             "2023/01/03\tRM\t90\t7\t12\t45\t60\n"
                             "\n"
                             "2023/01/03\tRN\t8\t58\t84\t21\t39\n";
    std::vector<RigaEstrazione> righe;
    ErroreTesto e;
    ASSERT_TRUE(LeggiStorico(testo, righe, &e)) << e.motivo.toStdString();
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].data, "03/01/2023");
    EXPECT_EQ(righe[0].ruote[7], "90-07-12-45-60");
    EXPECT_EQ(righe[0].ruote[10], "08-58-84-21-39");
    EXPECT_EQ(righe[0].ruote[0], "00-00-00-00-00");
    EXPECT_EQ(righe[1].data, "05/01/2023");
    EXPECT_EQ(righe[1].ruote[0], "01-02-03-04-05");
}

TEST(Storico, SigleDelProgrammaAccettate) {
    // RO and NZ, the program's own codes, stand for Roma and Nazionale as RM and RN do.
    std::vector<RigaEstrazione> righe;
    ErroreTesto e;
    ASSERT_TRUE(
        LeggiStorico("2023/01/03\tRO\t1\t2\t3\t4\t5\n2023/01/03\tNZ\t6\t7\t8\t9\t10\n", righe, &e))
        << e.motivo.toStdString();
    EXPECT_EQ(righe.at(0).ruote[7], "01-02-03-04-05");
    EXPECT_EQ(righe.at(0).ruote[8], "00-00-00-00-00");
    EXPECT_EQ(righe.at(0).ruote[10], "06-07-08-09-10");
}

TEST(Storico, RigheErrateIndicanoLaRiga) {
    struct Caso {
        QByteArray testo;
        int riga;
        const char* parola;
    };
    const Caso casi[] = {
        {"2023/01/05\tBA\t1\t2\t3\t4\n", 1, "7 campi"},
        {"2023/01/05\tBA\t1\t2\t3\t4\t5\n2023/02/30\tBA\t1\t2\t3\t4\t5\n", 2, "2023/02/30"},
        {"2023/01/05\tXX\t1\t2\t3\t4\t5\n", 1, "XX"},
        {"2023/01/05\tBA\t1\t2\t3\t4\t91\n", 1, "91"},
        {"2023/01/05\tBA\t1\t2\t3\t4\tx\n", 1, "\"x\""},
        {"2023/01/05\tBA\t1\t2\t3\t4\t4\n", 1, "due volte"},
        {"2023/01/05\tBA\t1\t2\t3\t4\t5\n\n2023/01/05\tBA\t6\t7\t8\t9\t10\n", 3, "compare due"},
    };
    for (const Caso& c : casi) {
        std::vector<RigaEstrazione> righe;
        ErroreTesto e;
        EXPECT_FALSE(LeggiStorico(c.testo, righe, &e)) << c.parola;
        EXPECT_EQ(e.riga, c.riga) << c.parola;
        EXPECT_TRUE(e.motivo.contains(QString::fromUtf8(c.parola))) << e.motivo.toStdString();
    }
}

TEST(ArchivioTesto, FormatoRiconosciutoEControlliSevere) {
    EXPECT_EQ(RiconosciFormato("\n\n2023/01/05\tBA\t1\t2\t3\t4\t5\n"), FormatoTesto::Storico);
    EXPECT_EQ(RiconosciFormato(Record("03/01/2023")), FormatoTesto::Colonne);

    struct Caso {
        QByteArray testo;
        int riga;
        const char* parola;
    };
    QByteArray numeroFuori = Record("05/01/2023");
    numeroFuori.replace(11, 2, "91");
    QByteArray binario = Record("03/01/2023") + "\r\n";
    binario.append('\0');
    const Caso casi[] = {
        {Record("03/01/2023") + "\r\n" + Record("31/02/2023"), 2, "31/02/2023"},
        {Record("03/01/2023") + "\r\n" + Record("03/01/2023"), 2, "due volte"},
        {Record("03/01/2023") + "\r\n07/01/2023 01-02-03", 2, "14 caratteri"},
        {Record("03/01/2023") + "\r\n" + numeroFuori, 2, "1-90"},
        {Record("03/01/2023").replace(20, 1, ","), 1, "ruota"},
        {binario, 2, "non è un testo"},
        {"\r\n\r\n", 1, "non contiene"},
    };
    for (const Caso& c : casi) {
        std::vector<RigaEstrazione> righe;
        ErroreTesto e;
        EXPECT_FALSE(LeggiArchivioTesto(c.testo, righe, &e)) << c.parola;
        EXPECT_EQ(e.riga, c.riga) << c.parola;
        EXPECT_TRUE(e.motivo.contains(QString::fromUtf8(c.parola))) << e.motivo.toStdString();
    }
    // Out of order lines come back in date order.
    std::vector<RigaEstrazione> righe;
    ASSERT_TRUE(LeggiArchivioTesto(Record("05/01/2023", 5) + "\n" + Record("03/01/2023", 3), righe,
                                   nullptr));
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0], test::Riga("03/01/2023", 3));
}

} // namespace
} // namespace strovel

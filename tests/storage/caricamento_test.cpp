#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "tests/support/supporto.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace strovel {
namespace {

using Tipo = ErroreCaricamento::Tipo;

class Caricamento : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    QString percorso;
    DatabaseArchivio db;
    Archivio archivio;

    void Crea(const std::vector<RigaEstrazione>& righe) {
        percorso = cartella.filePath(QStringLiteral("archivio.mdb"));
        test::CreaArchivio(percorso, righe);
        ASSERT_TRUE(db.ApriArchivio(percorso, nullptr));
    }
    void Esegui(const QString& sql) {
        QSqlQuery q(db.Db());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
};

TEST_F(Caricamento, AvvioConEstrazioneIniziale) {
    Crea(test::RigheConsecutive(1000));
    std::vector<int> valori;
    int massimo = 0;
    Progresso avanzamento{[&](int m) { massimo = m; }, [&](int v) { valori.push_back(v); }, {}};
    ASSERT_FALSE(CaricaArchivioAvvio(db, 101, archivio, avanzamento).has_value());
    EXPECT_EQ(archivio.TotEstrazioni, 1000);
    EXPECT_EQ(archivio.NumEstrazioniAnalisi, 1000);
    EXPECT_EQ(archivio.UltimaEstrazione, 0); // set when the main window opens
    EXPECT_EQ(archivio.NumIndiciModello, 900);
    EXPECT_EQ(archivio.IndiciModello[1], 101);
    EXPECT_EQ(archivio.IndiciModello[900], 1000);
    EXPECT_EQ(archivio.DateEstrazioni[1], "01/01/2000");
    EXPECT_EQ(archivio.DateEstrazioni[1000], "26/09/2002");
    EXPECT_EQ(archivio.ProgressivoMese[32], 1);  // 01/02/2000
    EXPECT_EQ(archivio.ProgressivoAnno[367], 1); // 01/01/2001
    EXPECT_EQ(archivio.ProgressivoAnno[366], 366);
    // Progress: maximum R + 1, then every row.
    EXPECT_EQ(massimo, 1001);
    ASSERT_EQ(valori.size(), 1000u);
    EXPECT_EQ(valori.front(), 1);
    EXPECT_EQ(valori.back(), 1000);
    // Every number decoded where the text puts it.
    const RigaEstrazione attesa = test::RigheConsecutive(1000)[499];
    for (int r = 0; r < 11; ++r) {
        for (int p = 1; p <= 5; ++p) {
            EXPECT_EQ(archivio.Estratti(500, r, p),
                      std::stoi(attesa.ruote[static_cast<std::size_t>(r)].substr(3 * (p - 1), 2)));
        }
    }
    EXPECT_TRUE(archivio.Presente(500, 0, archivio.Estratti(500, 0, 3)));
}

TEST_F(Caricamento, RicaricaCompletaRiportaIlModelloAllIntero) {
    Crea(test::RigheConsecutive(4000));
    ASSERT_FALSE(CaricaArchivioAvvio(db, 101, archivio).has_value());
    std::vector<int> valori;
    Progresso p{[](int) {}, [&](int v) { valori.push_back(v); }, {}};
    ASSERT_FALSE(CaricaArchivioExNovo(db, archivio, p).has_value());
    EXPECT_EQ(archivio.TotEstrazioni, 4000);
    EXPECT_EQ(archivio.UltimaEstrazione, 4000);
    EXPECT_EQ(archivio.NumIndiciModello, 4000);
    EXPECT_EQ(archivio.IndiciModello[1], 1);
    EXPECT_EQ(archivio.IndiciModello[4000], 4000);
    ASSERT_EQ(valori.size(), 80u); // every 50th row
    EXPECT_EQ(valori.front(), 50);
    EXPECT_EQ(valori.back(), 4000);
}

TEST_F(Caricamento, RicaricaLeggeraNonToccaProgressiviNeModello) {
    Crea(test::RigheConsecutive(30));
    ASSERT_FALSE(CaricaArchivioAvvio(db, 5, archivio).has_value());
    // Another program adds a row.
    QString errore;
    ASSERT_TRUE(db.Aggiungi(test::Riga("15/03/2000", 7), test::Adesso(), &errore));
    ASSERT_FALSE(CaricaTabellaArchivio(db, archivio).has_value());
    EXPECT_EQ(archivio.TotEstrazioni, 31);
    EXPECT_EQ(archivio.DateEstrazioni[31], "15/03/2000");
    EXPECT_EQ(archivio.Estratti(31, 0, 1), 7);
    EXPECT_EQ(archivio.ProgressivoAnno[31], 0);
    EXPECT_EQ(archivio.ProgressivoMese[31], 0);
    EXPECT_EQ(archivio.NumIndiciModello, 26);
    EXPECT_EQ(archivio.NumEstrazioniAnalisi, 30);
}

TEST_F(Caricamento, TestiDiRuotaMalformatiDannoZero) {
    Crea(test::RigheConsecutive(2));
    Esegui(QStringLiteral("UPDATE EstrazioniLotto SET Ba = '5-18-33-71-90', Nz = '----', "
                          "Ca = NULL WHERE DataEstrazione = '2000-01-02'"));
    ASSERT_FALSE(CaricaArchivioAvvio(db, 1, archivio).has_value());
    const int attesi[5] = {5, 8, 3, 1, 0};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(archivio.Estratti(2, 0, p), attesi[p - 1]);
        EXPECT_EQ(archivio.Estratti(2, 10, p), 0);
        EXPECT_EQ(archivio.Estratti(2, 1, p), 0);
    }
}

/// A previous good archive stays in memory, untouched, after every kind of failed load.
class CaricamentoFallito : public Caricamento {
protected:
    Archivio precedente;
    void SetUp() override {
        QTemporaryDir buono;
        DatabaseArchivio dbBuono;
        const QString p = buono.filePath(QStringLiteral("buono.mdb"));
        test::CreaArchivio(p, test::RigheConsecutive(20));
        ASSERT_TRUE(dbBuono.ApriArchivio(p, nullptr));
        ASSERT_FALSE(CaricaArchivioAvvio(dbBuono, 1, archivio).has_value());
        ASSERT_FALSE(CaricaArchivioAvvio(dbBuono, 1, precedente).has_value());
    }
    void AttendiFallimento(Tipo atteso, int estrazioneIniziale = 1) {
        // The start draw of the model list matters only to the start-up load.
        const int varianti = atteso == Tipo::EstrazioneIniziale ? 1 : 3;
        for (int variante = 0; variante < varianti; ++variante) {
            std::optional<ErroreCaricamento> e;
            if (variante == 0) {
                e = CaricaArchivioAvvio(db, estrazioneIniziale, archivio);
            } else if (variante == 1) {
                e = CaricaArchivioExNovo(db, archivio);
            } else {
                e = CaricaTabellaArchivio(db, archivio);
            }
            ASSERT_TRUE(e.has_value()) << variante;
            EXPECT_EQ(e->tipo, atteso) << variante << ' ' << e->dettaglio.toStdString();
            EXPECT_FALSE(e->dettaglio.isEmpty());
            EXPECT_EQ(archivio.TotEstrazioni, 20);
            EXPECT_EQ(archivio.DateEstrazioni, precedente.DateEstrazioni);
            EXPECT_EQ(archivio.Estratti.Dati(), precedente.Estratti.Dati());
            EXPECT_EQ(archivio.IndiciModello, precedente.IndiciModello);
        }
    }
};

TEST_F(CaricamentoFallito, ArchivioNonAperto) {
    EXPECT_FALSE(db.ApriArchivio(cartella.filePath(QStringLiteral("manca.mdb")), nullptr));
    AttendiFallimento(Tipo::ArchivioNonAperto);
}

TEST_F(CaricamentoFallito, TabellaMancante) {
    Crea(test::RigheConsecutive(3));
    Esegui(QStringLiteral("DROP VIEW Query_AAMMGG"));
    Esegui(QStringLiteral("DROP TABLE EstrazioniLotto"));
    AttendiFallimento(Tipo::TabellaMancante);
}

TEST_F(CaricamentoFallito, NonUnArchivio) {
    Crea(test::RigheConsecutive(3));
    Esegui(QStringLiteral("DROP VIEW Query_AAMMGG"));
    Esegui(QStringLiteral("DROP TABLE EstrazioniLotto"));
    Esegui(QStringLiteral("CREATE TABLE EstrazioniLotto (DataEstrazione TEXT, Altro TEXT)"));
    Esegui(QStringLiteral("INSERT INTO EstrazioniLotto VALUES ('2000-01-01', 'x')"));
    AttendiFallimento(Tipo::NonUnArchivio);
}

TEST_F(CaricamentoFallito, ArchivioVuoto) {
    Crea(test::RigheConsecutive(3));
    Esegui(QStringLiteral("DELETE FROM EstrazioniLotto"));
    AttendiFallimento(Tipo::ArchivioVuoto);
}

TEST_F(CaricamentoFallito, TroppeEstrazioni) {
    Crea(test::RigheConsecutive(1));
    // 10,000 rows, one more than the archive holds.
    Esegui(QStringLiteral("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k "
                          "< 9999) INSERT INTO EstrazioniLotto (DataEstrazione, Ba) SELECT "
                          "date('2000-01-01', '+' || k || ' days'), '01-02-03-04-05' FROM n"));
    AttendiFallimento(Tipo::TroppeEstrazioni);
}

TEST_F(CaricamentoFallito, DataNonValida) {
    Crea(test::RigheConsecutive(3));
    // Written by another program that ignored the column's check.
    Esegui(QStringLiteral("PRAGMA ignore_check_constraints = ON"));
    Esegui(QStringLiteral("UPDATE EstrazioniLotto SET DataEstrazione = '2000-02-31' WHERE "
                          "DataEstrazione = '2000-01-02'"));
    AttendiFallimento(Tipo::DataNonValida);
}

TEST_F(CaricamentoFallito, EstrazioneInizialeZeroOOltreLArchivio) {
    Crea(test::RigheConsecutive(3));
    AttendiFallimento(Tipo::EstrazioneIniziale, 0);
    AttendiFallimento(Tipo::EstrazioneIniziale, 4);
}

TEST_F(Caricamento, CapacitaPienaSiCarica) {
    Crea(test::RigheConsecutive(9999));
    ASSERT_FALSE(CaricaArchivioExNovo(db, archivio).has_value());
    EXPECT_EQ(archivio.TotEstrazioni, 9999);
    EXPECT_EQ(archivio.IndiciModello[9999], 9999);
}

} // namespace
} // namespace strovel

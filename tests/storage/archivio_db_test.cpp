#include "storage/archivio_db.h"
#include "tests/support/supporto.h"

#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace strovel {
namespace {

class ArchivioDb : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    QString percorso;
    DatabaseArchivio db;
    void SetUp() override {
        percorso = cartella.filePath(QStringLiteral("archivio.mdb"));
        test::CreaArchivio(percorso, {test::Riga("03/01/2023", 1), test::Riga("05/01/2023", 2),
                                      test::Riga("07/01/2023", 3)});
        QString errore;
        ASSERT_TRUE(db.ApriArchivio(percorso, &errore)) << errore.toStdString();
    }
    int Righe() const { return db.NumeroRighe(); }
};

TEST_F(ArchivioDb, SchemaIndiceEVista) {
    QSqlQuery q(db.Db());
    ASSERT_TRUE(q.exec(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'EstrazioniLotto'")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("primarykey"));
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT A, M, G, DataEstrazione FROM Query_AAMMGG ORDER BY "
                                      "DataEstrazione")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2023);
    EXPECT_EQ(q.value(1).toInt(), 1);
    EXPECT_EQ(q.value(2).toInt(), 3);
    EXPECT_EQ(q.value(3).toString(), QStringLiteral("2023-01-03"));
    // The load query runs as written, qualified column names included.
    ASSERT_TRUE(q.exec(PerSqlite(DatabaseArchivio::QueryCaricamento())));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("01-02-03-04-05"));
    QString prima;
    QString ultima;
    ASSERT_TRUE(db.Estremi(prima, ultima));
    EXPECT_EQ(prima, QStringLiteral("03/01/2023"));
    EXPECT_EQ(ultima, QStringLiteral("07/01/2023"));
}

TEST_F(ArchivioDb, RicercaPerDataELetturaDiUnaRuota) {
    RigaEstrazione riga;
    EXPECT_EQ(db.CercaData(QStringLiteral("05/01/2023"), &riga), EsitoRicerca::Trovata);
    EXPECT_EQ(riga, test::Riga("05/01/2023", 2));
    EXPECT_EQ(db.CercaData(QStringLiteral("04/01/2023"), &riga), EsitoRicerca::NonTrovata);
    QString errore;
    EXPECT_EQ(db.CercaData(QStringLiteral("31/02/2023"), &riga, &errore), EsitoRicerca::Errore);
    EXPECT_TRUE(errore.contains(QStringLiteral("31/02/2023")));
    QString testo;
    ASSERT_TRUE(db.LeggiRuota(QStringLiteral("07/01/2023"), 10, testo));
    EXPECT_EQ(testo, QString::fromStdString(test::Riga("07/01/2023", 3).ruote[10]));
    EXPECT_FALSE(db.LeggiRuota(QStringLiteral("08/01/2023"), 0, testo));
    EXPECT_TRUE(testo.isEmpty());
}

TEST_F(ArchivioDb, AggiungiModificaElimina) {
    QString errore;
    RigaEstrazione nuova = test::Riga("10/01/2023", 40);
    ASSERT_TRUE(db.Aggiungi(nuova, test::Adesso(), &errore)) << errore.toStdString();
    EXPECT_EQ(Righe(), 4);

    nuova.ruote[4] = "90-89-88-87-86";
    ASSERT_TRUE(db.Modifica(nuova, test::Adesso(), &errore));
    RigaEstrazione letta;
    ASSERT_EQ(db.CercaData(QStringLiteral("10/01/2023"), &letta), EsitoRicerca::Trovata);
    EXPECT_EQ(letta, nuova);
    QSqlQuery q(db.Db());
    ASSERT_TRUE(q.exec(QStringLiteral(
        "SELECT datareg, orareg FROM EstrazioniLotto WHERE DataEstrazione = '2023-01-10'")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("2026-01-02"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("10:30:00"));

    ASSERT_TRUE(db.Elimina(QStringLiteral("05/01/2023"), &errore));
    EXPECT_EQ(Righe(), 3);
    EXPECT_EQ(db.CercaData(QStringLiteral("05/01/2023"), nullptr), EsitoRicerca::NonTrovata);
}

TEST_F(ArchivioDb, ScrittureRifiutateNonCambianoNulla) {
    QString errore;
    EXPECT_FALSE(db.Aggiungi(test::Riga("03/01/2023", 9), test::Adesso(), &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("03/01/2023")));
    EXPECT_TRUE(errore.contains(QStringLiteral("già presente")));
    EXPECT_FALSE(db.Modifica(test::Riga("04/01/2023", 9), test::Adesso(), &errore));
    EXPECT_FALSE(db.Elimina(QStringLiteral("04/01/2023"), &errore));
    EXPECT_FALSE(db.Aggiungi(test::Riga("2023-01-04", 9), test::Adesso(), &errore));

    // A batch whose last change fails leaves none of the earlier ones written.
    std::vector<ModificaArchivio> lotto = {
        {ModificaArchivio::Tipo::Aggiungi, test::Riga("12/01/2023", 50)},
        {ModificaArchivio::Tipo::Modifica, test::Riga("03/01/2023", 60)},
        {ModificaArchivio::Tipo::Elimina, test::Riga("05/01/2023")},
        {ModificaArchivio::Tipo::Aggiungi, test::Riga("32/01/2023", 50)},
    };
    EXPECT_FALSE(db.Applica(lotto, test::Adesso(), &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("32/01/2023")));
    EXPECT_EQ(Righe(), 3);
    RigaEstrazione letta;
    ASSERT_EQ(db.CercaData(QStringLiteral("03/01/2023"), &letta), EsitoRicerca::Trovata);
    EXPECT_EQ(letta, test::Riga("03/01/2023", 1));
    EXPECT_EQ(db.CercaData(QStringLiteral("05/01/2023"), nullptr), EsitoRicerca::Trovata);

    lotto.pop_back();
    ASSERT_TRUE(db.Applica(lotto, test::Adesso(), &errore)) << errore.toStdString();
    EXPECT_EQ(Righe(), 3);
    ASSERT_EQ(db.CercaData(QStringLiteral("03/01/2023"), &letta), EsitoRicerca::Trovata);
    EXPECT_EQ(letta, test::Riga("03/01/2023", 60));
}

TEST(ArchivioDbCreazione, NonSovrascriveUnFileEsistente) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("esiste.mdb"));
    test::ScriviFile(percorso, "contenuto");
    QString errore;
    EXPECT_FALSE(DatabaseArchivio::CreaArchivio(percorso, &errore));
    EXPECT_EQ(test::LeggiFile(percorso), QByteArray("contenuto"));
}

} // namespace
} // namespace strovel

namespace strovel {
namespace {

TEST(PerSqlite, SoloLeColonneQualificateVengonoCitate) {
    EXPECT_EQ(PerSqlite(QStringLiteral("SELECT EstrazioniLotto.To, EstrazioniLotto.Ba FROM "
                                       "EstrazioniLotto WHERE x = 'PercorsoDati.iii'")),
              QStringLiteral("SELECT EstrazioniLotto.\"To\", EstrazioniLotto.\"Ba\" FROM "
                             "EstrazioniLotto WHERE x = 'PercorsoDati.iii'"));
}

} // namespace
} // namespace strovel

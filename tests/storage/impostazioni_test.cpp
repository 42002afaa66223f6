#include "storage/cartella_programma.h"
#include "storage/connessione.h"
#include "storage/impostazioni.h"
#include "tests/support/supporto.h"

#include <QDir>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace strovel {
namespace {

class Impostazioni : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    DatabaseImpostazioni db;
    void SetUp() override {
        QString errore;
        ASSERT_TRUE(db.ApriDatabaseImpostazioni(cartella.path(), &errore)) << errore.toStdString();
    }
};

TEST_F(Impostazioni, CreatoConLeNoveTabelleEIParametriIniziali) {
    EXPECT_TRUE(QFileInfo::exists(QDir(cartella.path()).filePath(QStringLiteral("DbStrovel.mdb"))));
    const QStringList tabelle = db.Db().tables();
    for (const QString& t : TabelleImpostazioni()) {
        EXPECT_TRUE(tabelle.contains(t)) << t.toStdString();
    }
    QString valore = QStringLiteral("x");
    ASSERT_TRUE(db.LeggiParametro(QStringLiteral("PercorsoArchivio"), valore));
    EXPECT_TRUE(valore.isEmpty());
    ASSERT_TRUE(db.LeggiParametro(QStringLiteral("EstrazioneIniziale"), valore));
    EXPECT_EQ(valore, QStringLiteral("1"));
    ASSERT_TRUE(db.LeggiParametro(QStringLiteral("PercorsoDati.iii"), valore));
    ASSERT_TRUE(db.LeggiParametro(QStringLiteral("IndirizzoInternet"), valore));
    EXPECT_TRUE(valore.startsWith(QStringLiteral("http")));
    // No leftover of the creation.
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("DbStrovel.mdb")});
}

TEST_F(Impostazioni, RicercaSenzaRiguardoAlleMaiuscole) {
    ASSERT_TRUE(
        db.ScriviParametro(QStringLiteral("percorsoarchivio"), QStringLiteral("D:\\dati\\a.mdb")));
    for (const char* nome : {"PercorsoArchivio", "percorsoarchivio", "PERCORSOARCHIVIO"}) {
        QString valore;
        ASSERT_TRUE(db.LeggiParametro(QString::fromLatin1(nome), valore)) << nome;
        EXPECT_EQ(valore, QStringLiteral("D:\\dati\\a.mdb")) << nome;
    }
    // Still one row: the write updated the row stored as "PercorsoArchivio".
    const auto elenco = db.ElencoParametri();
    EXPECT_EQ(std::count_if(elenco.begin(), elenco.end(),
                            [](const Parametro& p) {
                                return p.parametro.compare(QStringLiteral("percorsoarchivio"),
                                                           Qt::CaseInsensitive) == 0;
                            }),
              1);
}

TEST_F(Impostazioni, ParametroAssenteLasciaIlValoreENonVieneInserito) {
    QString valore = QStringLiteral("invariato");
    EXPECT_FALSE(db.LeggiParametro(QStringLiteral("NonEsiste"), valore));
    EXPECT_EQ(valore, QStringLiteral("invariato"));
    EXPECT_FALSE(db.ScriviParametro(QStringLiteral("NonEsiste"), QStringLiteral("1")));
    EXPECT_FALSE(db.LeggiParametro(QStringLiteral("NonEsiste"), valore));
    EXPECT_EQ(db.ElencoParametri().size(), 4);
}

TEST_F(Impostazioni, ElencoOrdinatoEScansioneEsattaDellIndirizzo) {
    QStringList nomi;
    for (const Parametro& p : db.ElencoParametri()) {
        nomi << p.parametro;
    }
    EXPECT_EQ(nomi, (QStringList{
                        QStringLiteral("EstrazioneIniziale"), QStringLiteral("IndirizzoInternet"),
                        QStringLiteral("PercorsoArchivio"), QStringLiteral("PercorsoDati.iii")}));

    // The scan compares names exactly and the last match wins.
    const QList<Parametro> righe = {
        {QStringLiteral("IndirizzoInternet"), QStringLiteral("http://primo"), {}},
        {QStringLiteral("Indirizzointernet"), QStringLiteral("http://minuscolo"), {}},
        {QStringLiteral("IndirizzoInternet"), QStringLiteral("http://secondo"), {}},
    };
    EXPECT_EQ(IndirizzoDaElenco(righe, {}), QStringLiteral("http://secondo"));
    EXPECT_EQ(IndirizzoDaElenco({righe[1]}, QStringLiteral("nessuno")), QStringLiteral("nessuno"));
}

TEST(NumeroIniziale, NumeroDecimaleIniziale) {
    EXPECT_EQ(NumeroIniziale(QStringLiteral("101")), 101);
    EXPECT_EQ(NumeroIniziale(QStringLiteral(" 12abc")), 12);
    EXPECT_EQ(NumeroIniziale(QStringLiteral("abc")), 0);
    EXPECT_EQ(NumeroIniziale(QString()), 0);
    EXPECT_EQ(NumeroIniziale(QStringLiteral("-3")), -3);
}

TEST(ImpostazioniApertura, TabellaMancanteOPasswordDiversaFallisce) {
    QTemporaryDir cartella;
    {
        DatabaseImpostazioni db;
        ASSERT_TRUE(db.ApriDatabaseImpostazioni(cartella.path(), nullptr));
        QSqlQuery q(db.Db());
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE Confignumeri")));
    }
    DatabaseImpostazioni db;
    QString errore;
    EXPECT_FALSE(db.ApriDatabaseImpostazioni(cartella.path(), &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("Confignumeri")));
}

TEST(ImpostazioniApertura, FileVuotoRicreatoDanneggiatoConIlConsiglioGiusto) {
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("DbStrovel.mdb"));
    // Zero bytes: made anew, as a missing file is.
    test::ScriviFile(file, QByteArray());
    {
        DatabaseImpostazioni db;
        QString errore;
        ASSERT_TRUE(db.ApriDatabaseImpostazioni(cartella.path(), &errore)) << errore.toStdString();
        QString valore;
        EXPECT_TRUE(db.LeggiParametro(QStringLiteral("EstrazioneIniziale"), valore));
    }
    // Damaged: named as the settings database, with no advice about the archive of draws.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(4096));
    f.write(QByteArray(4096, '\x5a'));
    f.close();
    DatabaseImpostazioni db;
    QString errore;
    EXPECT_FALSE(db.ApriDatabaseImpostazioni(cartella.path(), &errore));
    EXPECT_TRUE(errore.startsWith(QStringLiteral("Il database delle impostazioni")))
        << errore.toStdString();
    EXPECT_TRUE(errore.contains(QStringLiteral("ne crea uno nuovo"))) << errore.toStdString();
}

TEST(Password, RegistrataControllataOAssente) {
    QTemporaryDir cartella;
    const QString protetto = cartella.filePath(QStringLiteral("protetto.mdb"));
    const QString libero = cartella.filePath(QStringLiteral("libero.mdb"));
    {
        Connessione c;
        ASSERT_TRUE(c.Crea(protetto, QStringLiteral(";pwd=segreta"), nullptr));
    }
    {
        // A database that records no password: a plain SQLite file.
        Connessione c;
        ASSERT_TRUE(c.Crea(libero, QStringLiteral(";pwd=x"), nullptr));
        QSqlQuery q(c.Db());
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE StrovelProtezione")));
    }
    Connessione c;
    QString errore;
    EXPECT_TRUE(c.Apri(protetto, QStringLiteral(";pwd=segreta"), &errore));
    EXPECT_TRUE(c.Apri(protetto, QStringLiteral(";PWD=segreta"), &errore));
    EXPECT_FALSE(c.Apri(protetto, QStringLiteral(";pwd=altra"), &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("Password")));
    EXPECT_FALSE(c.Apri(protetto, QString(), &errore));
    EXPECT_TRUE(c.Apri(libero, QStringLiteral(";pwd=qualsiasi"), &errore));
    EXPECT_TRUE(c.Apri(libero, QString(), &errore));
    // The program's own databases open with the program's connect text.
    QTemporaryDir altra;
    {
        DatabaseImpostazioni db;
        ASSERT_TRUE(db.ApriDatabaseImpostazioni(altra.path(), nullptr));
    }
    EXPECT_FALSE(c.Apri(QDir(altra.path()).filePath(QStringLiteral("DbStrovel.mdb")),
                        QStringLiteral(";pwd=sbagliata"), nullptr));
}

TEST(Connessione, FileMancanteONonDatabase) {
    QTemporaryDir cartella;
    Connessione c;
    QString errore;
    EXPECT_FALSE(
        c.Apri(cartella.filePath(QStringLiteral("manca.mdb")), TestoConnessione(), &errore));
    EXPECT_FALSE(QFileInfo::exists(cartella.filePath(QStringLiteral("manca.mdb"))));
    const QString testo = cartella.filePath(QStringLiteral("testo.mdb"));
    test::ScriviFile(testo, QByteArray(4096, 'x'));
    EXPECT_FALSE(c.Apri(testo, TestoConnessione(), &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("non è un database")));
    EXPECT_EQ(test::LeggiFile(testo), QByteArray(4096, 'x'));
}

TEST(CartellaProgramma, VariabileDambienteOCartellaDellEseguibile) {
    QTemporaryDir cartella;
    const QString casa = cartella.filePath(QStringLiteral("casa"));
    qputenv("STROVEL_HOME", casa.toUtf8());
    EXPECT_EQ(CartellaProgramma(QStringLiteral("/usr/bin")), casa);
    EXPECT_TRUE(QFileInfo(casa).isDir());
    qunsetenv("STROVEL_HOME");
    EXPECT_EQ(CartellaProgramma(cartella.path()), QDir::cleanPath(cartella.path()));
}

} // namespace
} // namespace strovel

#include "storage/selezione_archivio.h"

namespace strovel {
namespace {

TEST(ImpostazioniChiuse, ScritturaSenzaDatabaseNonRiesce) {
    DatabaseImpostazioni chiuso;
    EXPECT_FALSE(chiuso.ScriviParametro(QStringLiteral("EstrazioneIniziale"), QStringLiteral("1")));
}

TEST_F(Impostazioni, SceltaDellArchivio) {
    QString corrente;
    QString etichetta;
    const QString scelto = QStringLiteral("D:\\dati\\archivio.mdb");
    ASSERT_TRUE(ApplicaSceltaArchivio(db, cartella.path(), scelto, corrente, etichetta));
    EXPECT_EQ(corrente, scelto);
    EXPECT_EQ(etichetta, QStringLiteral("Database: D:\\dati\\archivio.mdb"));
    QString valore;
    ASSERT_TRUE(db.LeggiParametro(QStringLiteral("PercorsoArchivio"), valore));
    EXPECT_EQ(valore, scelto);
    EXPECT_EQ(test::LeggiFile(cartella.filePath(QStringLiteral("PercorsoDatabase.txt"))),
              QByteArray("\"D:\\dati\\archivio.mdb\"\r\n"));
}

TEST_F(Impostazioni, SceltaSenzaRigaDelParametro) {
    QSqlQuery q(db.Db());
    ASSERT_TRUE(q.exec(
        QStringLiteral("DELETE FROM ParametriProgramma WHERE Parametro = 'PercorsoArchivio'")));
    QString corrente;
    QString etichetta;
    ASSERT_TRUE(ApplicaSceltaArchivio(db, cartella.path(), QStringLiteral("/tmp/a.mdb"), corrente,
                                      etichetta));
    EXPECT_EQ(etichetta, QStringLiteral("Database: /tmp/a.mdb"));
    QString valore = QStringLiteral("vuoto");
    EXPECT_FALSE(db.LeggiParametro(QStringLiteral("PercorsoArchivio"), valore));
    EXPECT_EQ(valore, QStringLiteral("vuoto"));
}

TEST_F(Impostazioni, SceltaConCartellaNonScrivibileNonCambiaNulla) {
    QString corrente = QStringLiteral("prima");
    QString etichetta = QStringLiteral("etichetta");
    EXPECT_FALSE(ApplicaSceltaArchivio(db, cartella.filePath(QStringLiteral("manca/ancora")),
                                       QStringLiteral("/tmp/a.mdb"), corrente, etichetta));
    EXPECT_EQ(corrente, QStringLiteral("prima"));
    EXPECT_EQ(etichetta, QStringLiteral("etichetta"));
    QString valore;
    ASSERT_TRUE(db.LeggiParametro(QStringLiteral("PercorsoArchivio"), valore));
    EXPECT_TRUE(valore.isEmpty());
}

} // namespace
} // namespace strovel

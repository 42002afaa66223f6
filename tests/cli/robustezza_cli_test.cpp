// strovel-cli against bad files, wrong targets, the archive's capacity, locks, damage, kills
// and two writers at once: the archive is always exactly the old one or the new one.

#include "core/archivio.h"
#include "tests/cli/cli_aiuti.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QThread>

#include <random>

namespace strovel {
namespace {

using test::Cli;
using test::Esito;
using test::StrovelCli;
using test::TestoColonne;

QStringList Aggiorna(const QString& archivio, const QString& file) {
    return {QStringLiteral("aggiorna"), archivio, QStringLiteral("--da"), file};
}

QProcessEnvironment Attesa(int ms) {
    QProcessEnvironment env;
    env.insert(QStringLiteral("STROVEL_ATTESA_BLOCCO_MS"), QString::number(ms));
    return env;
}

TEST_F(StrovelCli, RecordMalformatiSaltatiSalvoRichiesta) {
    auto righe = test::RigheConsecutive(5);
    test::CreaArchivio(File("a.mdb"), {righe[0], righe[1]});
    righe[3].ruote[2] = "05-18-33-71-91"; // 91 is no Lotto number
    test::ScriviFile(File("agg.txt"), TestoColonne(righe));
    Esito e = Cli(Aggiorna(File("a.mdb"), File("agg.txt")));
    ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
    EXPECT_EQ(e.errori, QStringLiteral("Estrazione del 04/01/2000 non scritta, record "
                                       "malformato: Firenze: la ruota \"05-18-33-71-91\" "
                                       "contiene un numero fuori dall'intervallo 1-90\n"));
    EXPECT_TRUE(e.uscita.contains(QStringLiteral("Record malformato del 04/01/2000 (riga 4)")));
    EXPECT_TRUE(e.uscita.endsWith(QStringLiteral("Estrazioni aggiunte: 2, modificate: 0\n")));
    e = Cli(Aggiorna(File("a.mdb"), File("agg.txt")) << QStringLiteral("--anche-malformati"));
    ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
    EXPECT_TRUE(e.errori.isEmpty());
    EXPECT_TRUE(e.uscita.endsWith(QStringLiteral("Estrazioni aggiunte: 1, modificate: 0\n")));
    // A date that is no date stops the check: nothing is written and the exit code says so.
    righe[4].data = "31/02/2000";
    test::ScriviFile(File("agg.txt"), TestoColonne(righe));
    const QString prima = test::ImprontaArchivio(File("a.mdb"));
    e = Cli(Aggiorna(File("a.mdb"), File("agg.txt")) << QStringLiteral("--anche-malformati"));
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.errori, QStringLiteral("Attenzione qualcosa è andato strorto nella procedura "
                                       "Controllo estrazioni mancanti (la data \"31/02/2000\" "
                                       "della riga 5 non è valida)\n"));
    EXPECT_EQ(test::ImprontaArchivio(File("a.mdb")), prima);
}

TEST_F(StrovelCli, EsportazioneMaiSopraUnArchivioEMaiAMeta) {
    test::CreaDemo(File("d.mdb"), 10);
    test::CreaDemo(File("altro.dat"), 10);
    const QByteArray archivio = test::LeggiFile(File("d.mdb"));
    const QByteArray altro = test::LeggiFile(File("altro.dat"));
    for (const char* destinazione : {"d.mdb", "altro.dat"}) {
        for (const char* formato : {"trindolo", "pelvano", "nazionale"}) {
            const Esito e =
                Cli({QStringLiteral("esporta"), File("d.mdb"), QStringLiteral("--formato"),
                     QString::fromLatin1(formato), QStringLiteral("--a"), File(destinazione)});
            EXPECT_EQ(e.codice, 1) << formato;
            EXPECT_TRUE(e.errori.contains(QStringLiteral("non lo sovrascrive")))
                << e.errori.toStdString();
        }
    }
    EXPECT_EQ(test::LeggiFile(File("d.mdb")), archivio);
    EXPECT_EQ(test::LeggiFile(File("altro.dat")), altro);

    // A full disk (no byte may be written): the old export stays whole and the command fails.
    test::ScriviFile(File("vecchio.txt"), "vecchia esportazione\r\n");
    const QString cli = qEnvironmentVariable("STROVEL_CLI");
    QProcess p;
    p.start(QStringLiteral("/bin/bash"),
            {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 0; exec \"$@\""),
             QStringLiteral("bash"), cli, QStringLiteral("esporta"), File("d.mdb"),
             QStringLiteral("--formato"), QStringLiteral("nazionale"), QStringLiteral("--a"),
             File("vecchio.txt")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(errori.contains(QStringLiteral("il file precedente è rimasto com'era")))
        << errori.toStdString();
    EXPECT_EQ(test::LeggiFile(File("vecchio.txt")), QByteArray("vecchia esportazione\r\n"));
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files).size(), 3); // no temporary left
}

TEST_F(StrovelCli, CapienzaRispettataDaAggiorna) {
    test::CreaDemo(File("pieno.mdb"), Archivio::Capacita - 1);
    const QString prima = test::ImprontaArchivio(File("pieno.mdb"));
    test::ScriviFile(File("agg.txt"), TestoColonne(test::RigheConsecutive(3)));
    const Esito e = Cli(Aggiorna(File("pieno.mdb"), File("agg.txt")));
    EXPECT_EQ(e.codice, 1);
    EXPECT_TRUE(e.errori.contains(QStringLiteral("ne contiene 9998, quindi ne possono entrare "
                                                 "ancora 1")))
        << e.errori.toStdString();
    EXPECT_EQ(test::ImprontaArchivio(File("pieno.mdb")), prima);
    EXPECT_EQ(Cli({QStringLiteral("info"), File("pieno.mdb")}).codice, 0);
}

TEST_F(StrovelCli, FileDiIngressoRifiutatiSubito) {
    test::CreaArchivio(File("a.mdb"), test::RigheConsecutive(3));
    {
        QFile grande(File("grande.txt"));
        ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
        ASSERT_TRUE(grande.resize((64LL << 20) + 1));
    }
    const struct {
        QString file;
        QString motivo;
    } casi[] = {{QStringLiteral("/dev/zero"), QStringLiteral("non è un file normale")},
                {cartella.path(), QStringLiteral("è una cartella")},
                {File("grande.txt"), QStringLiteral("troppo grande")}};
    for (const auto& c : casi) {
        const Esito agg = Cli(Aggiorna(File("a.mdb"), c.file));
        EXPECT_EQ(agg.codice, 1);
        EXPECT_TRUE(agg.errori.contains(c.motivo)) << agg.errori.toStdString();
        const Esito crea =
            Cli({QStringLiteral("crea-archivio"), File("b.mdb"), QStringLiteral("--da"), c.file});
        EXPECT_EQ(crea.codice, 1);
        EXPECT_TRUE(crea.errori.contains(c.motivo)) << crea.errori.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(File("b.mdb")));
    // A byte-order mark is no reason to refuse a text archive.
    test::ScriviFile(File("bom.txt"), "\xEF\xBB\xBF" + TestoColonne(test::RigheConsecutive(4)));
    EXPECT_EQ(Cli(Aggiorna(File("a.mdb"), File("bom.txt"))).codice, 0);
    EXPECT_EQ(Cli({QStringLiteral("crea-archivio"), File("b.mdb"), QStringLiteral("--da"),
                   File("bom.txt")})
                  .codice,
              0);
}

TEST_F(StrovelCli, ArchivioBloccatoIllegibileODanneggiatoMaiScritto) {
    test::CreaArchivio(File("a.mdb"), test::RigheConsecutive(600));
    test::ScriviFile(File("agg.txt"), TestoColonne(test::RigheConsecutive(601)));
    {
        // Another program writing: every command waits a little, then says so.
        QSqlDatabase altro =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
        altro.setDatabaseName(File("a.mdb"));
        ASSERT_TRUE(altro.open());
        QSqlQuery q(altro);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        for (const QStringList& comando : {QStringList{QStringLiteral("info"), File("a.mdb")},
                                           Aggiorna(File("a.mdb"), File("agg.txt"))}) {
            const Esito e = Cli(comando, Attesa(300));
            EXPECT_EQ(e.codice, 1);
            EXPECT_TRUE(e.errori.contains(QStringLiteral("è in uso da un altro programma")))
                << e.errori.toStdString();
            EXPECT_FALSE(e.errori.contains(QStringLiteral("non è un database")));
        }
        q.exec(QStringLiteral("ROLLBACK"));
        // A row the other program wrote with an impossible date: an analysis says why and
        // prints nothing.
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON")));
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE EstrazioniLotto SET DataEstrazione = "
                                          "'2000-02-31' WHERE DataEstrazione = '2000-01-02'")));
        q = QSqlQuery();
        altro.close();
        altro = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("altro"));
        const Esito e =
            Cli({QStringLiteral("ritardi"), File("a.mdb"), QStringLiteral("--periodo")});
        EXPECT_EQ(e.codice, 1);
        EXPECT_TRUE(e.errori.contains(QStringLiteral("non caricato"))) << e.errori.toStdString();
        EXPECT_TRUE(e.uscita.isEmpty()) << e.uscita.toStdString();
    }
    test::DanneggiaFile(File("a.mdb"));
    const QByteArray danneggiato = test::LeggiFile(File("a.mdb"));
    for (const QStringList& comando : {QStringList{QStringLiteral("info"), File("a.mdb")},
                                       Aggiorna(File("a.mdb"), File("agg.txt"))}) {
        const Esito e = Cli(comando);
        EXPECT_EQ(e.codice, 1);
        EXPECT_TRUE(e.errori.contains(QStringLiteral("database danneggiato")))
            << e.errori.toStdString();
        EXPECT_TRUE(e.uscita.isEmpty()) << e.uscita.toStdString();
    }
    EXPECT_EQ(test::LeggiFile(File("a.mdb")), danneggiato);
}

TEST_F(StrovelCli, SitoIrraggiungibileInItaliano) {
    test::CreaArchivio(File("a.mdb"), test::RigheConsecutive(3));
    QTcpServer chiuso;
    chiuso.listen(QHostAddress::LocalHost);
    const quint16 porta = chiuso.serverPort();
    chiuso.close();
    const Esito e = Cli(Aggiorna(File("a.mdb"), QStringLiteral("http://127.0.0.1:%1/").arg(porta)));
    EXPECT_EQ(e.codice, 1);
    EXPECT_TRUE(e.errori.contains(QStringLiteral("non è raggiungibile (connessione rifiutata)")))
        << e.errori.toStdString();
    EXPECT_FALSE(e.errori.contains(QStringLiteral("refused")));
}

TEST_F(StrovelCli, UccisoInUnMomentoQualsiasiVecchioONuovo) {
    const auto righe = test::RigheConsecutive(1500);
    test::CreaArchivio(File("vecchio.mdb"),
                       std::vector<RigaEstrazione>(righe.begin(), righe.begin() + 100));
    test::CreaArchivio(File("nuovo.mdb"), righe);
    const QString vecchio = test::ImprontaArchivio(File("vecchio.mdb"));
    const QString nuovo = test::ImprontaArchivio(File("nuovo.mdb"));
    test::ScriviFile(File("agg.txt"), TestoColonne(righe));
    // How long a whole update takes here, to spread the kills over it.
    ASSERT_TRUE(QFile::copy(File("vecchio.mdb"), File("a.mdb")));
    QElapsedTimer orologio;
    orologio.start();
    ASSERT_EQ(Cli(Aggiorna(File("a.mdb"), File("agg.txt"))).codice, 0);
    const int durata = static_cast<int>(orologio.elapsed());
    ASSERT_EQ(test::ImprontaArchivio(File("a.mdb")), nuovo);

    std::mt19937 caso(20261206);
    std::uniform_int_distribution<int> momento(0, durata);
    for (int k = 0; k < 8; ++k) {
        QFile::remove(File("a.mdb"));
        QFile::remove(File("a.mdb-journal"));
        ASSERT_TRUE(QFile::copy(File("vecchio.mdb"), File("a.mdb")));
        QProcess p;
        p.start(qEnvironmentVariable("STROVEL_CLI"), Aggiorna(File("a.mdb"), File("agg.txt")));
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(momento(caso)));
        p.kill();
        p.waitForFinished();
        const QString dopo = test::ImprontaArchivio(File("a.mdb"));
        EXPECT_TRUE(dopo == vecchio || dopo == nuovo)
            << "colpo " << k << ": " << dopo.toStdString();
    }
}

TEST_F(StrovelCli, DueAggiornamentiInsieme) {
    const auto righe = test::RigheConsecutive(500);
    test::CreaArchivio(File("a.mdb"),
                       std::vector<RigaEstrazione>(righe.begin(), righe.begin() + 100));
    test::CreaArchivio(File("atteso.mdb"), righe);
    test::ScriviFile(File("primo.txt"), TestoColonne(std::vector<RigaEstrazione>(
                                            righe.begin() + 100, righe.begin() + 300)));
    test::ScriviFile(File("secondo.txt"),
                     TestoColonne(std::vector<RigaEstrazione>(righe.begin() + 300, righe.end())));
    // Different draws at once: the second writer waits for the first, both land.
    QProcess uno;
    QProcess due;
    uno.start(qEnvironmentVariable("STROVEL_CLI"), Aggiorna(File("a.mdb"), File("primo.txt")));
    due.start(qEnvironmentVariable("STROVEL_CLI"), Aggiorna(File("a.mdb"), File("secondo.txt")));
    ASSERT_TRUE(uno.waitForFinished(120000) && due.waitForFinished(120000));
    EXPECT_EQ(uno.exitCode(), 0) << uno.readAllStandardError().toStdString();
    EXPECT_EQ(due.exitCode(), 0) << due.readAllStandardError().toStdString();
    EXPECT_EQ(test::ImprontaArchivio(File("a.mdb")), test::ImprontaArchivio(File("atteso.mdb")));

    // The same draws at once: whichever comes second adds nothing or is refused whole.
    ASSERT_TRUE(QFile::remove(File("a.mdb")));
    test::CreaArchivio(File("a.mdb"),
                       std::vector<RigaEstrazione>(righe.begin(), righe.begin() + 100));
    uno.start(qEnvironmentVariable("STROVEL_CLI"), Aggiorna(File("a.mdb"), File("primo.txt")));
    due.start(qEnvironmentVariable("STROVEL_CLI"), Aggiorna(File("a.mdb"), File("primo.txt")));
    ASSERT_TRUE(uno.waitForFinished(120000) && due.waitForFinished(120000));
    EXPECT_EQ(uno.exitCode() + due.exitCode() <= 1, true);
    for (QProcess* p : {&uno, &due}) {
        const QString errori = QString::fromUtf8(p->readAllStandardError());
        EXPECT_TRUE(errori.isEmpty() || errori.contains(QStringLiteral("già presente")))
            << errori.toStdString();
    }
    test::CreaArchivio(File("atteso300.mdb"),
                       std::vector<RigaEstrazione>(righe.begin(), righe.begin() + 300));
    EXPECT_EQ(test::ImprontaArchivio(File("a.mdb")), test::ImprontaArchivio(File("atteso300.mdb")));
}

} // namespace
} // namespace strovel

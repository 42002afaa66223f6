// strovel-cli run as a separate process, as scripts use it.

#include "tests/cli/cli_aiuti.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace strovel {
namespace {

using test::Cli;
using test::Esito;
using test::StrovelCli;
using test::TestoColonne;

TEST_F(StrovelCli, DemoEInfo) {
    const Esito demo = Esegui("demo-archivio", "demo.mdb");
    ASSERT_EQ(demo.codice, 0) << demo.errori.toStdString();
    const Esito info = Esegui("info", "demo.mdb");
    ASSERT_EQ(info.codice, 0) << info.errori.toStdString();
    EXPECT_EQ(info.uscita,
              QStringLiteral("estrazioni\t2000\nprima\t23/03/2013\nultima\t30/12/2025\n"));

    // Same arguments, same file content.
    ASSERT_EQ(Esegui("demo-archivio", "demo2.mdb").codice, 0);
    EXPECT_EQ(test::LeggiFile(File("demo.mdb")), test::LeggiFile(File("demo2.mdb")));

    ASSERT_EQ(Esegui("demo-archivio", "piccolo.mdb", "--estrazioni 3 --seme 9").codice, 0);
    EXPECT_TRUE(Esegui("info", "piccolo.mdb")
                    .uscita.startsWith(QStringLiteral("estrazioni\t3\nprima\t25/12/2025\n")));
}

TEST_F(StrovelCli, CreaArchivioRifiutaDiSovrascrivere) {
    test::ScriviFile(File("storico.txt"), "2023/01/05\tBA\t1\t2\t3\t4\t5\n");
    const Esito ok = Esegui("crea-archivio", "a.mdb", "--da", {File("storico.txt")});
    ASSERT_EQ(ok.codice, 0) << ok.errori.toStdString();
    EXPECT_EQ(Esegui("info", "a.mdb").uscita,
              QStringLiteral("estrazioni\t1\nprima\t05/01/2023\nultima\t05/01/2023\n"));
    const QByteArray prima = test::LeggiFile(File("a.mdb"));
    const Esito di_nuovo = Esegui("crea-archivio", "a.mdb", "--da", {File("storico.txt")});
    EXPECT_NE(di_nuovo.codice, 0);
    EXPECT_TRUE(di_nuovo.errori.contains(QStringLiteral("esiste già")));
    EXPECT_EQ(test::LeggiFile(File("a.mdb")), prima);
}

TEST_F(StrovelCli, IngressoErratoMessaggioItalianoENessunFile) {
    test::ScriviFile(File("cattivo.txt"),
                     "2023/01/05\tBA\t1\t2\t3\t4\t5\n2023/13/05\tBA\t1\t2\t3\t4\t5\n");
    const Esito e = Esegui("crea-archivio", "b.mdb", "--da", {File("cattivo.txt")});
    EXPECT_NE(e.codice, 0);
    EXPECT_TRUE(e.errori.contains(File("cattivo.txt"))) << e.errori.toStdString();
    EXPECT_TRUE(e.errori.contains(QStringLiteral("riga 2")));
    EXPECT_TRUE(e.uscita.isEmpty());
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("cattivo.txt")});

    const Esito manca = Esegui("crea-archivio", "c.mdb", "--da", {File("manca.txt")});
    EXPECT_NE(manca.codice, 0);
    EXPECT_TRUE(manca.errori.contains(QStringLiteral("non esiste"))) << manca.errori.toStdString();

    EXPECT_NE(Esegui("info", "manca.mdb").codice, 0);
    EXPECT_FALSE(QFileInfo::exists(File("manca.mdb")));
    EXPECT_NE(Cli({QStringLiteral("sconosciuto")}).codice, 0);
    EXPECT_NE(Esegui("demo-archivio", "d.mdb", "--estrazioni 0").codice, 0);
    EXPECT_NE(Esegui("demo-archivio", "d.mdb", "--estrazioni 10000").codice, 0);
    EXPECT_EQ(Esegui("demo-archivio", "uno.mdb", "--estrazioni 1").codice, 0);
    // A command without its required option is a usage error: code 2, what is missing and the
    // command's usage line.
    const Esito uso = Esegui("crea-archivio", "e.mdb");
    EXPECT_EQ(uso.codice, 2);
    EXPECT_TRUE(uso.errori.startsWith(
        QStringLiteral("Manca l'opzione obbligatoria --da.\nUso:\n  strovel-cli crea-archivio")))
        << uso.errori.toStdString();
    EXPECT_TRUE(Cli({QStringLiteral("info")})
                    .errori.startsWith(QStringLiteral("Manca l'argomento ARCHIVIO.mdb.")));
    EXPECT_EQ(Esegui("aggiorna", "e.mdb").codice, 2);
    EXPECT_EQ(Esegui("esporta", "e.mdb").codice, 2);
}

TEST_F(StrovelCli, ArchivioRealeDaTesto) {
    STROVEL_RICHIEDE_DATI_REALI(colonne, QStringLiteral("archivio.txt"));
    const Esito e = Esegui("crea-archivio", "reale.mdb", "--da", {*colonne});
    ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
    EXPECT_EQ(Esegui("info", "reale.mdb").uscita,
              QStringLiteral("estrazioni\t7236\nprima\t07/01/1939\nultima\t30/12/2025\n"));
}

TEST_F(StrovelCli, CicliOpzioniDellaFinestra) {
    // The printed list itself is checked byte for byte by the cases in tests/data/cicli.
    test::CreaDemo(File("demo.mdb"), 600);
    const Esito minuscole = Esegui("cicli", "demo.mdb", "--rilevazione BA,ca --gioco TU");
    ASSERT_EQ(minuscole.codice, 0) << minuscole.errori.toStdString();
    EXPECT_EQ(minuscole.uscita,
              Esegui("cicli", "demo.mdb", "--rilevazione BA,CA --gioco TU").uscita);
    EXPECT_NE(Esegui("cicli", "demo.mdb", "--operatore Q").codice, 0);
    EXPECT_NE(Esegui("cicli", "demo.mdb", "--durata 61").codice, 0);
    // Only the items the window offers: the list length goes 20, 30, ..., 100.
    const Esito elenco = Esegui("cicli", "demo.mdb", "--elenco 25");
    EXPECT_EQ(elenco.codice, 2);
    EXPECT_EQ(elenco.errori,
              QStringLiteral("Valore non valido per --elenco: 25 (20, 30, ..., 100).\n"));
    EXPECT_EQ(Esegui("cicli", "demo.mdb", "--elenco 100 --considera 100").codice, 0);
    const Esito ruota = Esegui("cicli", "demo.mdb", "--gioco BA,XX");
    EXPECT_NE(ruota.codice, 0);
    EXPECT_TRUE(ruota.errori.contains(QStringLiteral("XX")));
}

TEST_F(StrovelCli, AggiornaDaFile) {
    auto righe = test::RigheConsecutive(12);
    test::CreaArchivio(File("a.mdb"),
                       std::vector<RigaEstrazione>(righe.begin(), righe.begin() + 10));
    righe[3].ruote[2] = "11-22-33-44-55";
    test::ScriviFile(File("agg.txt"), TestoColonne(righe));
    Esito e = Esegui("aggiorna", "a.mdb", "--da", {File("agg.txt")});
    ASSERT_EQ(e.codice, 0) << e.errori.toStdString();
    EXPECT_EQ(e.uscita, QStringLiteral("Manca estrazione del: 12/01/2000\n"
                                       "Manca estrazione del: 11/01/2000\n"
                                       "Errori Estrazione del 04/01/2000\n"
                                       "Aggiunta estrazione del11/01/2000\n"
                                       "Aggiunta estrazione del12/01/2000\n"
                                       "aggiunti N° 2 record\n"
                                       "Estrazioni aggiunte: 2, modificate: 0\n"));
    e = Esegui("aggiorna", "a.mdb", "--da", {File("agg.txt"), QStringLiteral("--correggi")});
    ASSERT_EQ(e.codice, 0);
    EXPECT_TRUE(e.uscita.endsWith(QStringLiteral("Modificata estrazione del04/01/2000\n"
                                                 "Estrazioni aggiunte: 0, modificate: 1\n")));
    // The first-record rule: a first line of 177 characters is refused.
    QByteArray corto = TestoColonne(righe);
    corto.remove(175, 1);
    test::ScriviFile(File("corto.txt"), corto);
    e = Esegui("aggiorna", "a.mdb", "--da", {File("corto.txt")});
    EXPECT_NE(e.codice, 0);
    EXPECT_EQ(e.errori,
              QStringLiteral("Attenzione, sembra che il file non sia del formato corretto\n"));
}

TEST_F(StrovelCli, InterruzioneDuranteLaTransazioneNonCambiaLArchivio) {
    auto righe = test::RigheConsecutive(400);
    test::CreaArchivio(File("a.mdb"),
                       std::vector<RigaEstrazione>(righe.begin(), righe.begin() + 100));
    test::ScriviFile(File("agg.txt"), TestoColonne(righe));
    const QByteArray prima = test::LeggiFile(File("a.mdb"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("STROVEL_TEST_PAUSA_COMMIT_MS"), QStringLiteral("20000"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(qEnvironmentVariable("STROVEL_CLI"),
            {QStringLiteral("aggiorna"), File("a.mdb"), QStringLiteral("--da"), File("agg.txt")});
    // Wait until the rows are written but not committed, then kill the process.
    QByteArray errori;
    while (!errori.contains("transazione aperta") && p.waitForReadyRead(20000)) {
        errori += p.readAll();
    }
    ASSERT_TRUE(errori.contains("transazione aperta"));
    p.kill();
    p.waitForFinished();
    const Esito info = Esegui("info", "a.mdb");
    ASSERT_EQ(info.codice, 0) << info.errori.toStdString();
    EXPECT_TRUE(info.uscita.startsWith(QStringLiteral("estrazioni\t100\n")));
    // Once the rollback journal has been replayed the file is as it was.
    EXPECT_EQ(test::LeggiFile(File("a.mdb")), prima);
}

TEST_F(StrovelCli, EsportaNeiTreFormati) {
    test::CreaDemo(File("d.mdb"), 30);
    for (const char* formato : {"trindolo", "pelvano", "nazionale"}) {
        const Esito e =
            Esegui("esporta", "d.mdb", "--formato",
                   {QString::fromLatin1(formato), QStringLiteral("--a"), File(formato)});
        ASSERT_EQ(e.codice, 0) << formato << e.errori.toStdString();
    }
    EXPECT_EQ(QFileInfo(File("pelvano")).size(), 30 * 110);
    EXPECT_EQ(test::LeggiFile(File("trindolo")).count('\n'), 30);
    EXPECT_EQ(test::LeggiFile(File("nazionale")).count('\n'), 30);
    EXPECT_NE(Esegui("esporta", "d.mdb", "--formato altro --a", {File("x")}).codice, 0);
}

TEST_F(StrovelCli, AiutoVersioneEUsoInItaliano) {
    const Esito aiuto = Cli({QStringLiteral("--help")});
    EXPECT_EQ(aiuto.codice, 0);
    // Every command of the table, with its usage line.
    for (const char* comando :
         {"crea-archivio", "info", "demo-archivio", "aggiorna", "esporta", "cicli"}) {
        EXPECT_TRUE(aiuto.uscita.contains(
            QStringLiteral("strovel-cli %1 ARCHIVIO.mdb").arg(QString::fromLatin1(comando))))
            << comando;
    }
    const Esito cicli = Cli({QStringLiteral("cicli"), QStringLiteral("--help")});
    EXPECT_EQ(cicli.codice, 0);
    EXPECT_TRUE(cicli.uscita.contains(QStringLiteral("--elenco E\n      Elenco: 20, 30, ..., "
                                                     "100.")))
        << cicli.uscita.toStdString();
    EXPECT_TRUE(cicli.uscita.contains(QStringLiteral("--ritardo-ambata")));
    EXPECT_TRUE(
        Cli({QStringLiteral("--version")}).uscita.startsWith(QStringLiteral("strovel-cli ")));

    const Esito sconosciuta = Esegui("info", "a.mdb", "--pippo");
    EXPECT_EQ(sconosciuta.codice, 2);
    EXPECT_EQ(sconosciuta.errori, QStringLiteral("Opzione sconosciuta: --pippo\n"));
    const Esito senzaValore = Esegui("aggiorna", "a.mdb", "--da");
    EXPECT_EQ(senzaValore.codice, 2);
    EXPECT_EQ(senzaValore.errori, QStringLiteral("L'opzione --da richiede un valore.\n"));
    EXPECT_EQ(Cli({QStringLiteral("info")}).codice, 2); // no archive named
}

TEST_F(StrovelCli, CompletamentoEManualeDallaTabella) {
    // The completion strovel-cli writes, loaded into bash: after "cicli-ambi --griglia" it offers
    // that command's grids (another command's --griglia takes other words), after "--" the
    // command's options.
    test::ScriviFile(File("completamento.bash"),
                     Cli({QStringLiteral("--completamento-bash")}).uscita.toUtf8());
    // Completed in a folder holding an archive and a text file.
    QDir().mkpath(File("lavoro"));
    test::ScriviFile(File("lavoro/a.mdb"), "");
    test::ScriviFile(File("lavoro/note.txt"), "");
    const auto completa = [&](const QString& parole, int indice) {
        QProcess bash;
        bash.setWorkingDirectory(File("lavoro"));
        bash.start(QStringLiteral("bash"),
                   {QStringLiteral("-c"),
                    QStringLiteral("source /usr/share/bash-completion/bash_completion; source "
                                   "'%1'; COMP_WORDS=(%2); COMP_CWORD=%3; "
                                   "COMP_LINE=\"${COMP_WORDS[*]}\"; COMP_POINT=${#COMP_LINE}; "
                                   "_strovel_cli; echo \"${COMPREPLY[*]}\"")
                        .arg(File("completamento.bash"), parole)
                        .arg(indice)});
        EXPECT_TRUE(bash.waitForFinished(30000));
        // The words offered, in alphabetical order (bash lists files as the folder has them).
        QStringList offerte = QString::fromUtf8(bash.readAllStandardOutput())
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& o : offerte) {
            o = o.trimmed();
        }
        offerte.sort();
        return offerte.join(QLatin1Char(' '));
    };
    if (!QFileInfo::exists(QStringLiteral("/usr/share/bash-completion/bash_completion"))) {
        GTEST_SKIP() << "bash-completion assente";
    }
    EXPECT_EQ(completa(QStringLiteral("strovel-cli cicli-ambi a.mdb --griglia ''"), 4),
              QStringLiteral("ambi cicli gruppi2 gruppi3"));
    EXPECT_EQ(completa(QStringLiteral("strovel-cli cicli2 a.mdb --griglia ''"), 4),
              QStringLiteral("cicli distribuzione numeri"));
    EXPECT_EQ(completa(QStringLiteral("strovel-cli esporta a.mdb --for"), 3),
              QStringLiteral("--formato"));
    EXPECT_EQ(completa(QStringLiteral("strovel-cli ambata"), 1), QStringLiteral("ambata-dinamica"));
    // Archives where an archive goes, any file after --da, nothing after a number's option.
    EXPECT_EQ(completa(QStringLiteral("strovel-cli info ''"), 2), QStringLiteral("a.mdb"));
    EXPECT_EQ(completa(QStringLiteral("strovel-cli aggiorna a.mdb --da ''"), 4),
              QStringLiteral("a.mdb note.txt"));
    EXPECT_EQ(completa(QStringLiteral("strovel-cli cicli a.mdb --durata ''"), 4), QString());

    // The manual page: every command has its section, and man reads it without a warning.
    const QString manuale = Cli({QStringLiteral("--manuale")}).uscita;
    EXPECT_TRUE(manuale.contains(QStringLiteral(".SS ambo\\-somme\n")));
    test::ScriviFile(File("strovel-cli.1"), manuale.toUtf8());
    QProcess man;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("MANPAGER"), QStringLiteral("cat"));
    man.setProcessEnvironment(ambiente);
    man.start(QStringLiteral("man"),
              {QStringLiteral("--warnings"), QStringLiteral("-l"), File("strovel-cli.1")});
    ASSERT_TRUE(man.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(man.readAllStandardError()), QString());
    const QString letto = QString::fromUtf8(man.readAllStandardOutput());
    EXPECT_TRUE(letto.contains(QStringLiteral("CODICI DI USCITA")));
    // An option with what it does, as --help says it.
    EXPECT_TRUE(letto.contains(QStringLiteral("Elenco: 20, 30, ..., 100."))) << letto.toStdString();
}

} // namespace
} // namespace strovel

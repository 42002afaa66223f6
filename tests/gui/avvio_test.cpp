#include "app/contesto.h"
#include "app/finestra_avvio.h"
#include "app/finestra_principale.h"
#include "tests/gui/aiuti.h"
#include "tests/support/supporto.h"
#include "ui/dialoghi.h"
#include "ui/traduzioni.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <memory>

namespace strovel {
namespace {

using Tipo = DialoghiScriptati::Tipo;

class Avvio : public ::testing::Test {
protected:
    QTemporaryDir casa;
    DialoghiScriptati dialoghi;
    std::unique_ptr<Contesto> contesto;
    std::unique_ptr<FinestraAvvio> avvio;

    void SetUp() override {
        contesto = std::make_unique<Contesto>(dialoghi);
        contesto->cartellaProgramma = casa.path();
        contesto->adesso = [] { return test::Adesso(); };
    }
    void TearDown() override {
        avvio.reset();
        contesto->ChiudiTutto();
    }
    /// Settings with the given archive path and first draw, written before the start-up.
    void Impostazioni(const QString& percorso, const QString& iniziale) {
        DatabaseImpostazioni db;
        ASSERT_TRUE(db.ApriDatabaseImpostazioni(casa.path(), nullptr));
        ASSERT_TRUE(db.ScriviParametro(QStringLiteral("PercorsoArchivio"), percorso));
        ASSERT_TRUE(db.ScriviParametro(QStringLiteral("EstrazioneIniziale"), iniziale));
    }
    QString Archivio(int estrazioni) {
        const QString p = casa.filePath(QStringLiteral("archivio.mdb"));
        test::CreaArchivio(p, test::RigheConsecutive(estrazioni));
        return p;
    }
    void Avvia() {
        avvio = std::make_unique<FinestraAvvio>(*contesto);
        QString errore;
        ASSERT_TRUE(avvio->Avvia(&errore)) << errore.toStdString();
    }
    QString Testo(QWidget* radice, const char* nome) {
        return test::Etichetta(radice, QString::fromLatin1(nome));
    }
};

TEST_F(Avvio, PrimoAvvioSenzaArchivio) {
    Avvia();
    EXPECT_EQ(avvio->windowTitle(), QStringLiteral("Strovel 2026: Versione 1.0.0"));
    const auto& mostrati = dialoghi.Mostrati();
    ASSERT_EQ(mostrati.size(), 2u);
    EXPECT_EQ(mostrati[0].tipo, Tipo::Messaggio);
    EXPECT_EQ(mostrati[0].icona, Icona::Avviso);
    EXPECT_EQ(mostrati[0].titolo, QStringLiteral("Selezionare Archivio"));
    EXPECT_EQ(mostrati[0].testo, QStringLiteral("Attenzione, la prima volta è necessario "
                                                "configurare l'origine dell'archivio"));
    EXPECT_EQ(mostrati[1].tipo, Tipo::ApriFile);
    EXPECT_EQ(mostrati[1].file.cartella, casa.path());
    EXPECT_EQ(mostrati[1].file.nomeFile, QStringLiteral("*.mdb"));
    EXPECT_EQ(mostrati[1].file.filtro, QStringLiteral("File di archivio (*.Mdb)"));
    EXPECT_EQ(mostrati[1].file.estensione, QStringLiteral("Mdb"));
    // The dialog was cancelled: nothing changes.
    EXPECT_TRUE(Testo(avvio.get(), "LblArchivio").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(casa.filePath(QStringLiteral("PercorsoDatabase.txt"))));

    dialoghi.Azzera();
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 0);
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].icona, Icona::Critica);
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Avviso"));
    EXPECT_EQ(dialoghi.Messaggi()[0].testo,
              QStringLiteral("Attenzione, probabilmente è stato selezionato un altro archivio. "
                             "Chiudere il programma e riavviarlo"));
    EXPECT_TRUE(avvio->isVisible());
}

TEST_F(Avvio, SceltaDellArchivioPoiProcedi) {
    const QString percorso = Archivio(50);
    dialoghi.Rispondi(percorso); // the first-run file dialog
    Avvia();
    EXPECT_EQ(Testo(avvio.get(), "LblArchivio"), QStringLiteral("Database: ") + percorso);
    EXPECT_EQ(test::LeggiFile(casa.filePath(QStringLiteral("PercorsoDatabase.txt"))),
              (QLatin1Char('"') + percorso + QStringLiteral("\"\r\n")).toLocal8Bit());
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 1);
    EXPECT_EQ(contesto->archivio->TotEstrazioni, 50);
    // The progress bar went through every draw.
    auto* barra = test::Trova<QProgressBar>(avvio.get(), QStringLiteral("ProgressBar1"));
    EXPECT_EQ(barra->maximum(), 51);
    EXPECT_EQ(barra->value(), 50);
    // The choice is remembered for the next start.
    QString salvato;
    contesto->impostazioni.LeggiParametro(QStringLiteral("PercorsoArchivio"), salvato);
    EXPECT_EQ(salvato, percorso);
}

TEST_F(Avvio, SelezioneArchivioAnnullataNonCambiaNulla) {
    const QString percorso = Archivio(30);
    Impostazioni(percorso, QStringLiteral("1"));
    Avvia();
    EXPECT_TRUE(dialoghi.Mostrati().empty());
    EXPECT_EQ(Testo(avvio.get(), "LblArchivio"), percorso);
    test::Clicca(avvio.get(), QStringLiteral("CmdSelezioneArchivio"));
    EXPECT_EQ(Testo(avvio.get(), "LblArchivio"), percorso);
    EXPECT_EQ(contesto->percorsoArchivio, percorso);
}

/// The main window after PROCEDI on a 1,000-draw archive.
class AvvioConArchivio : public Avvio, public ::testing::WithParamInterface<const char*> {};

TEST_P(AvvioConArchivio, EtichetteDellArchivioModello) {
    Impostazioni(Archivio(1000), QString::fromLatin1(GetParam()));
    Avvia();
    std::unique_ptr<FinestraPrincipale> principale;
    QObject::connect(avvio.get(), &FinestraAvvio::Caricato,
                     [&] { principale = std::make_unique<FinestraPrincipale>(*contesto); });
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    ASSERT_NE(principale, nullptr);
    const bool daUno = QByteArray(GetParam()) == "1";
    EXPECT_EQ(Testo(principale.get(), "Lbl_inizioNE"),
              daUno ? QStringLiteral("1") : QStringLiteral("101"));
    EXPECT_EQ(Testo(principale.get(), "Lbl_fineNE"), QStringLiteral("1000"));
    EXPECT_EQ(Testo(principale.get(), "Lbl_Ev"),
              daUno ? QStringLiteral("1000") : QStringLiteral("900"));
    EXPECT_EQ(Testo(principale.get(), "LblInizio"),
              daUno ? QStringLiteral("01/01/2000") : QStringLiteral("10/04/2000"));
    EXPECT_EQ(Testo(principale.get(), "LblFine"), QStringLiteral("26/09/2002"));
    EXPECT_EQ(contesto->archivio->UltimaEstrazione, 1000);
    EXPECT_EQ(contesto->archivio->NumEstrazioniAnalisi, 1000);
}

INSTANTIATE_TEST_SUITE_P(EstrazioneIniziale, AvvioConArchivio, ::testing::Values("1", "101"));

TEST_F(Avvio, EstrazioneInizialeZeroFaFallireProcedi) {
    Impostazioni(Archivio(20), QStringLiteral("abc"));
    Avvia();
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 0);
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Avviso"));
    // After the message, the reason in plain words and the offer to mend it (declined here).
    auto* motivo = test::Trova<QLabel>(avvio.get(), QStringLiteral("LblMotivo"));
    EXPECT_TRUE(motivo->isVisible());
    // Laid out under the archive path, not over it.
    auto* percorso = test::Trova<QLabel>(avvio.get(), QStringLiteral("LblArchivio"));
    EXPECT_GT(motivo->geometry().top(), percorso->geometry().bottom());
    EXPECT_TRUE(motivo->text().contains(QStringLiteral("EstrazioneIniziale delle impostazioni "
                                                       "vale 0")))
        << motivo->text().toStdString();
    EXPECT_EQ(dialoghi.Mostrati().back().tipo, Tipo::Domanda);
    EXPECT_TRUE(dialoghi.Mostrati().back().testo.contains(QStringLiteral("Riportare")));
    // Nothing was loaded: the bar does not stop near the end as if almost done.
    EXPECT_EQ(test::Trova<QProgressBar>(avvio.get(), QStringLiteral("ProgressBar1"))->value(), 0);
}

TEST_F(Avvio, EstrazioneInizialeOltreLArchivioRiportataAUno) {
    Impostazioni(Archivio(20), QStringLiteral("21"));
    Avvia();
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    dialoghi.RispondiSi();
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 1);
    EXPECT_EQ(contesto->archivio->NumIndiciModello, 20);
    QString salvato;
    contesto->impostazioni.LeggiParametro(QStringLiteral("EstrazioneIniziale"), salvato);
    EXPECT_EQ(salvato, QStringLiteral("1"));
    EXPECT_FALSE(test::Trova<QLabel>(avvio.get(), QStringLiteral("LblMotivo"))->isVisible());
}

TEST_F(Avvio, ArchivioInUsoDettoNelMotivo) {
    const QString percorso = Archivio(20);
    Impostazioni(percorso, QStringLiteral("1"));
    Avvia();
    contesto->archivioDb.Chiudi();
    qputenv("STROVEL_ATTESA_BLOCCO_MS", "200");
    {
        QSqlDatabase altro =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
        altro.setDatabaseName(percorso);
        ASSERT_TRUE(altro.open());
        QSqlQuery q(altro);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
        q.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("altro"));
    qunsetenv("STROVEL_ATTESA_BLOCCO_MS");
    EXPECT_EQ(dialoghi.Messaggi().back().titolo, QStringLiteral("Avviso"));
    EXPECT_TRUE(test::Trova<QLabel>(avvio.get(), QStringLiteral("LblMotivo"))
                    ->text()
                    .contains(QStringLiteral("in uso da un altro programma")));
    // Once the other program has finished, PROCEDI goes through.
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 1);
}

TEST_F(Avvio, LaSceltaNonOffreNeAccettaLeImpostazioni) {
    const QString percorso = Archivio(20);
    Impostazioni(percorso, QStringLiteral("1"));
    Avvia();
    dialoghi.Azzera();
    dialoghi.Rispondi(casa.filePath(QStringLiteral("DbStrovel.mdb")));
    test::Clicca(avvio.get(), QStringLiteral("CmdSelezioneArchivio"));
    ASSERT_FALSE(dialoghi.Mostrati().empty());
    EXPECT_EQ(dialoghi.Mostrati().front().file.escludi,
              QStringList{QStringLiteral("DbStrovel.mdb")});
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_TRUE(
        dialoghi.Messaggi()[0].testo.contains(QStringLiteral("database delle impostazioni")));
    EXPECT_EQ(contesto->percorsoArchivio, percorso);
}

TEST(Traduzioni, DialoghiDiQtInItaliano) {
    ASSERT_TRUE(CaricaTraduzioniQt()) << "manca il pacchetto qt6-translations-l10n";
    QDialogButtonBox pulsanti(QDialogButtonBox::Open | QDialogButtonBox::Save |
                              QDialogButtonBox::Cancel);
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
              QStringLiteral("Annulla"));
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Open)->text().remove(QLatin1Char('&')),
              QStringLiteral("Apri"));
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')),
              QStringLiteral("Salva"));
}

TEST_F(Avvio, SceltaNonSalvabileDettaAllUtente) {
    Impostazioni(QString(), QStringLiteral("1"));
    // The program folder cannot take the choice: its text file is held by a folder.
    QDir(casa.path()).mkdir(QStringLiteral("PercorsoDatabase.txt"));
    Avvia();
    dialoghi.Azzera();
    dialoghi.Rispondi(casa.filePath(QStringLiteral("scelto.mdb")));
    test::Clicca(avvio.get(), QStringLiteral("CmdSelezioneArchivio"));
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_TRUE(dialoghi.Messaggi()[0].testo.contains(QStringLiteral("non può essere salvata")));
    EXPECT_TRUE(Testo(avvio.get(), "LblArchivio").isEmpty());
}

TEST_F(Avvio, ParametriIlleggibiliAnomalia) {
    Impostazioni(Archivio(20), QStringLiteral("1"));
    {
        DatabaseImpostazioni db;
        ASSERT_TRUE(db.ApriDatabaseImpostazioni(casa.path(), nullptr));
        QSqlQuery q(db.Db());
        ASSERT_TRUE(q.exec(
            QStringLiteral("ALTER TABLE ParametriProgramma RENAME COLUMN Valore1 TO Altro")));
    }
    Avvia();
    const auto messaggi = dialoghi.Messaggi();
    ASSERT_FALSE(messaggi.empty());
    EXPECT_EQ(messaggi.back().titolo, QStringLiteral("Anomalia"));
    EXPECT_EQ(messaggi.back().icona, Icona::Critica);
    EXPECT_TRUE(messaggi.back().testo.contains(QStringLiteral("EstrazioneIniziale")));
    EXPECT_TRUE(avvio->isVisible());
}

TEST_F(Avvio, CreaArchivioDaTestoERendeCorrente) {
    Impostazioni(Archivio(10), QStringLiteral("1"));
    Avvia();
    const QString testo = casa.filePath(QStringLiteral("estrazioni.txt"));
    test::ScriviFile(testo, "2023/01/05\tBA\t1\t2\t3\t4\t5\n2023/01/07\tRN\t6\t7\t8\t9\t10\n");
    const QString nuovo = casa.filePath(QStringLiteral("nuovo.mdb"));
    dialoghi.Rispondi(testo);
    dialoghi.Rispondi(nuovo);
    test::Clicca(avvio.get(), QStringLiteral("CmdCreaDaTesto"));
    // The text file is looked for in the program's folder first.
    EXPECT_EQ(dialoghi.Mostrati().front().file.cartella, casa.path());
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].icona, Icona::Informazione);
    EXPECT_EQ(Testo(avvio.get(), "LblArchivio"), QStringLiteral("Database: ") + nuovo);
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 1);
    // The new archive, not the one opened at start-up, is the one in memory and in use.
    EXPECT_EQ(contesto->archivio->TotEstrazioni, 2);
    EXPECT_EQ(contesto->archivioDb.Percorso(), nuovo);
}

TEST_F(Avvio, CreaArchivioDaTestoErratoNonCreaNulla) {
    Impostazioni(Archivio(10), QStringLiteral("1"));
    Avvia();
    const QString testo = casa.filePath(QStringLiteral("cattivo.txt"));
    test::ScriviFile(testo, "2023/01/05\tBA\t1\t2\t3\t4\t5\n2023/01/07\tXX\t6\t7\t8\t9\t10\n");
    const QString nuovo = casa.filePath(QStringLiteral("nuovo.mdb"));
    dialoghi.Rispondi(testo);
    dialoghi.Rispondi(nuovo);
    test::Clicca(avvio.get(), QStringLiteral("CmdCreaDaTesto"));
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].icona, Icona::Critica);
    EXPECT_TRUE(dialoghi.Messaggi()[0].testo.contains(QStringLiteral("riga 2")));
    EXPECT_FALSE(QFileInfo::exists(nuovo));
    EXPECT_EQ(contesto->percorsoArchivio, casa.filePath(QStringLiteral("archivio.mdb")));
}

TEST_F(Avvio, ArchivioDimostrativoQuandoNienteConfigurato) {
    // On the first run the demo archive is made, then used as if chosen.
    const QString demo = casa.filePath(QStringLiteral("ArchivioDemo.mdb"));
    contesto->archivioDemo = demo;
    Avvia();
    EXPECT_TRUE(QFileInfo::exists(demo));
    EXPECT_TRUE(dialoghi.Mostrati().empty());
    EXPECT_EQ(contesto->percorsoArchivio, demo);
    QSignalSpy caricato(avvio.get(), &FinestraAvvio::Caricato);
    test::Clicca(avvio.get(), QStringLiteral("CmdProcedi"));
    EXPECT_EQ(caricato.count(), 1);
}

} // namespace
} // namespace strovel

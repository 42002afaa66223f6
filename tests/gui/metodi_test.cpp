// The dynamic ambata and spy quintet windows driven through their controls, compared with the
// computations they show.

#include "core/archivio.h"
#include "core/filtro_calendario.h"
#include "core/intervallo.h"
#include "methods/ambata/ambata_atteso.h"
#include "methods/ambata/ambata_finestra.h"
#include "methods/spia/cinquina_spiona_finestra.h"
#include "storage/impostazioni.h"
#include "tests/gui/aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace strovel {
namespace {

class Metodi : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    std::unique_ptr<Archivio> archivio = test::ArchivioCasuale(500, 31);
    DatabaseImpostazioni impostazioni;
    DialoghiScriptati dialoghi;

    ServiziFinestra Servizi() {
        EXPECT_TRUE(impostazioni.Aperto() ||
                    impostazioni.ApriDatabaseImpostazioni(cartella.path(), nullptr));
        ServiziFinestra s;
        s.archivio = archivio.get();
        s.impostazioni = &impostazioni;
        s.dialoghi = &dialoghi;
        s.cartellaProgramma = cartella.path();
        return s;
    }
    static void ClickCella(QWidget* w, const char* griglia, int riga, int colonna) {
        auto* g = test::Trova<QAbstractItemView>(w, QString::fromLatin1(griglia));
        ASSERT_TRUE(test::Indice(g, riga, colonna).isValid());
        test::CliccaCella(g, riga, colonna);
    }
    static void SelezionaTutto(QWidget* w) {
        test::Clicca(w, QStringLiteral("LblSelTutti"));
        for (int p = 0; p < 5; ++p) {
            ClickCella(w, "Fgp", 0, p);
        }
    }
};

TEST_F(Metodi, AmbataDinamicaDaiControlli) {
    FinestraAmbataDinamica w(Servizi());
    w.show();
    // One reference row BA at position 1 by default; Matrice 3 adds CA1 and FI1.
    auto* fgH = test::Trova<QTableWidget>(&w, QStringLiteral("FgH"));
    EXPECT_EQ(fgH->rowCount(), 1);
    EXPECT_TRUE(fgH->isColumnHidden(3)); // the wheel index column
    ClickCella(&w, "fGm", 0, 4);
    EXPECT_EQ(fgH->rowCount(), 5);
    EXPECT_EQ(w.LeggiStato().matrice, 5);
    ClickCella(&w, "fGm", 0, 2);
    ASSERT_EQ(fgH->rowCount(), 3);
    EXPECT_EQ(qobject_cast<QComboBox*>(fgH->cellWidget(2, 1))->currentText(), QStringLiteral("FI"));
    // The wheel over a list without focus scrolls the panel, not the choice.
    for (QComboBox* lista : {qobject_cast<QComboBox*>(fgH->cellWidget(2, 1)),
                             test::Trova<QComboBox>(&w, QStringLiteral("ComboPres"))}) {
        const int prima = lista->currentIndex();
        QWheelEvent rotella(QPointF(5, 5), lista->mapToGlobal(QPointF(5, 5)), QPoint(),
                            QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                            false);
        QApplication::sendEvent(lista, &rotella);
        EXPECT_EQ(lista->currentIndex(), prima) << lista->objectName().toStdString();
        // Once clicked (with the focus) the list takes the wheel.
        w.activateWindow();
        lista->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(lista->hasFocus());
        QApplication::sendEvent(lista, &rotella);
        EXPECT_NE(lista->currentIndex(), prima) << lista->objectName().toStdString();
        lista->setCurrentIndex(prima);
    }
    EXPECT_TRUE(test::Trova<GrigliaSelezione>(&w, QStringLiteral("fGm"))->Selezionata(2));
    EXPECT_FALSE(test::Trova<GrigliaSelezione>(&w, QStringLiteral("fGm"))->Selezionata(0));
    qobject_cast<QComboBox*>(fgH->cellWidget(1, 2))->setCurrentIndex(3); // CA4

    test::Trova<QLineEdit>(&w, QStringLiteral("TxtNumero"))->setText(QStringLiteral("27"));
    SelezionaTutto(&w);
    test::Trova<QCheckBox>(&w, QStringLiteral("Check1"))->setChecked(true);
    // ELABORA before CONFIGURA: no plan, the message, nothing classified.
    test::Clicca(&w, QStringLiteral("Command1"));
    test::Clicca(&w, QStringLiteral("Command3"));
    ASSERT_FALSE(dialoghi.Messaggi().empty());
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Attenzione ! manca una configurazione."));
    EXPECT_EQ(dialoghi.Messaggi().back().icona, Icona::Informazione);
    EXPECT_EQ(dialoghi.Messaggi().back().titolo, QStringLiteral("Avviso"));
    test::Clicca(&w, QStringLiteral("Command2"));
    EXPECT_EQ(test::Cella(&w, QStringLiteral("FgRif"), 4, 1), QStringLiteral("2"));
    EXPECT_EQ(test::Cella(&w, QStringLiteral("FgRif"), 4, 3), QStringLiteral("CA"));
    EXPECT_EQ(test::Cella(&w, QStringLiteral("FgRif"), 4, 4), QStringLiteral("4"));
    test::Clicca(&w, QStringLiteral("Command3"));

    // What the window shows is the computation on the same inputs.
    ParametriAmbata p;
    p.spia = 27;
    p.rilevazione.fill(true);
    p.gioco.fill(true);
    p.posizioni.fill(true);
    p.somme = true;
    p.riferimenti = {{0, 1}, {1, 4}, {2, 1}};
    p.fine = archivio->TotEstrazioni;
    const auto casi = RilevaCasi(*archivio, p);
    const auto g = GiocaAmbate(*archivio, p, casi, PianoColpi(9, 3));
    const Tabella atteso = TabellaEsitiAmbata(*archivio, casi, 9, g);
    auto* fg1 = test::Trova<GrigliaTabella>(&w, QStringLiteral("Fg1"));
    ASSERT_EQ(fg1->rowCount(), 9);
    EXPECT_EQ(fg1->Dati().Tsv(), atteso.Tsv());
    EXPECT_GE(test::Trova<GrigliaTabella>(&w, QStringLiteral("FgStat2"))->PermilleBarra(1, 2), 0);
    // Beside it, what chance gives the same plays.
    EXPECT_EQ(test::Etichetta(&w, QStringLiteral("LblCaso")).toStdString(),
              TestoConfronto(ConfrontaAmbata(*archivio, p, casi, g)));

    // MIGLIORI on the second reference row.
    fgH->selectRow(1);
    test::Clicca(&w, QStringLiteral("Command4"));
    EXPECT_EQ(test::Trova<GrigliaTabella>(&w, QStringLiteral("FgE"))->rowCount(), 55);
    const int primo = PrimoMigliori(Migliori(*archivio, p, casi, PianoColpi(9, 3), 2));
    const MiglioriACaso caso = MiglioriPerCaso(*archivio, p, casi, 2, primo);
    EXPECT_EQ(test::Etichetta(&w, QStringLiteral("LblMigliori")).toStdString(),
              "Il migliore di 55 riferimenti a caso: " + UnDecimale(caso.atteso) + " positivi; " +
                  TestoProbabilitaMigliore(55, primo, caso.probabilita) + ".");

    // Out of sample: MIGLIORI on row 2 as of the draw the user gives (a year back proposed),
    // its choice verified after it.
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("350"));
    test::Clicca(&w, QStringLiteral("CmdFuoriCampione"));
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    EXPECT_EQ(dialoghi.Mostrati()[0].proposta,
              QString::number(UnAnnoPrima(*archivio, archivio->TotEstrazioni)));
    EXPECT_EQ(dialoghi.Mostrati()[1].titolo, QStringLiteral("Verifica fuori campione"));
    EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
              TestoFuoriCampione(FuoriCampione(*archivio, p, 2, 350), 350));
    dialoghi.Rispondi(QStringLiteral("9999"));
    test::Clicca(&w, QStringLiteral("CmdFuoriCampione"));
    EXPECT_TRUE(dialoghi.Messaggi().back().testo.startsWith(QStringLiteral("Indice non valido")));

    // The evolution of case 2.
    fg1->selectRow(1);
    test::Clicca(&w, QStringLiteral("Command5"));
    EXPECT_EQ(test::Etichetta(&w, QStringLiteral("LblEvoluzione")),
              QStringLiteral("RIFERIMENTO: RIGA 2"));
    EXPECT_EQ(test::Trova<GrigliaTabella>(&w, QStringLiteral("FgEvoluzione"))->rowCount(),
              g.giocate[1].giocati);

    test::Clicca(&w, QStringLiteral("Command31"));
    EXPECT_EQ(test::ArgomentoAiutoAperto(), 370);
}

TEST_F(Metodi, AmbataDinamicaConfigurazioniSalvate) {
    FinestraAmbataDinamica w(Servizi());
    w.show();
    test::Trova<QLineEdit>(&w, QStringLiteral("TxtNumero"))->setText(QStringLiteral("5"));
    SelezionaTutto(&w);
    test::Trova<QComboBox>(&w, QStringLiteral("ComboColpi"))->setCurrentText(QStringLiteral("4"));
    ClickCella(&w, "fGm", 0, 1);
    test::Trova<QScrollBar>(&w, QStringLiteral("HsFine"))->setValue(400);
    auto* nome = test::Trova<QLineEdit>(&w, QStringLiteral("Txt_Denominazione"));
    nome->setText(QStringLiteral("Cinque"));
    // A spy that could never be loaded is not saved: the message says why.
    auto* spia = test::Trova<QLineEdit>(&w, QStringLiteral("TxtNumero"));
    for (const char* testo : {"abc", "0", "91", "1e5", ""}) {
        spia->setText(QString::fromLatin1(testo));
        test::Clicca(&w, QStringLiteral("CmdSalva"));
        EXPECT_TRUE(dialoghi.Messaggi().back().testo.startsWith(QString::fromUtf8(MessaggioSpia)))
            << testo;
    }
    spia->setText(QStringLiteral("5"));
    test::Clicca(&w, QStringLiteral("CmdSalva"));
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Salvataggio effettuato, ricaricare l'elenco."));
    EXPECT_EQ(dialoghi.Messaggi().back().titolo, QStringLiteral("Salvataggio"));
    // The same name again is refused, nothing stored.
    test::Clicca(&w, QStringLiteral("CmdSalva"));
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Attenzione ! la configurazione non è stata salvata. Controllare i "
                             "dati inseriti."));
    test::Clicca(&w, QStringLiteral("CmdElenco"));
    auto* memo = test::Trova<GrigliaTabella>(&w, QStringLiteral("FgMemo"));
    ASSERT_EQ(memo->rowCount(), 1);
    EXPECT_EQ(memo->Testo(0, 1), QStringLiteral("400"));
    EXPECT_EQ(memo->Testo(0, 8), QStringLiteral("01000"));

    // Another window loads it: the controls follow and RILEVAZIONE and CONFIGURA run.
    FinestraAmbataDinamica altra(Servizi());
    altra.show();
    test::Clicca(&altra, QStringLiteral("CmdElenco"));
    ClickCella(&altra, "FgMemo", 0, 0);
    EXPECT_EQ(test::Trova<QScrollBar>(&altra, QStringLiteral("HsFine"))->value(), 400);
    EXPECT_EQ(test::Trova<QLineEdit>(&altra, QStringLiteral("TxtNumero"))->text(),
              QStringLiteral("5"));
    EXPECT_EQ(test::Trova<QTableWidget>(&altra, QStringLiteral("FgH"))->rowCount(), 2);
    EXPECT_EQ(test::Trova<GrigliaSelezione>(&altra, QStringLiteral("fGm"))->Selezione(),
              (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(test::Trova<GrigliaTabella>(&altra, QStringLiteral("FgRif"))->rowCount(), 4);
    EXPECT_EQ(test::Trova<GrigliaTabella>(&altra, QStringLiteral("Fg1"))->rowCount(), 9);
    EXPECT_LE(test::Cella(&altra, QStringLiteral("Fg1"), 0, 1).toInt(), 400);

    // RILEVAZIONE with a spy out of range refuses, and leaves no result of the earlier cases.
    test::Clicca(&altra, QStringLiteral("Command3"));
    ASSERT_NE(test::Trova<GrigliaTabella>(&altra, QStringLiteral("FgStat2"))->Dati().Tsv(),
              TabellaRiepilogo({}).Tsv());
    test::Trova<QLineEdit>(&altra, QStringLiteral("TxtNumero"))->setText(QStringLiteral("91"));
    test::Clicca(&altra, QStringLiteral("Command1"));
    EXPECT_EQ(dialoghi.Messaggi().back().testo, QString::fromUtf8(MessaggioSpia));
    EXPECT_EQ(test::Trova<GrigliaTabella>(&altra, QStringLiteral("Fg1"))->rowCount(), 0);
    EXPECT_EQ(test::Trova<GrigliaTabella>(&altra, QStringLiteral("FgStat2"))->Dati().Tsv(),
              TabellaRiepilogo({}).Tsv());
    EXPECT_TRUE(test::Etichetta(&altra, QStringLiteral("LblCaso")).isEmpty());

    // A window filtered by "Giorni e mesi" stores its draw as the whole archive numbers it: the
    // same draw loads in a window without the filter, and back in the filtered one.
    FiltroCalendario sabato;
    sabato.giorni[5] = true;
    Archivio filtrato = FiltraArchivio(*archivio, sabato);
    ServiziFinestra sf = Servizi();
    sf.archivio = &filtrato;
    sf.archivioCompleto = archivio.get();
    FinestraAmbataDinamica filtrata(sf);
    filtrata.show();
    test::Trova<QLineEdit>(&filtrata, QStringLiteral("TxtNumero"))->setText(QStringLiteral("5"));
    SelezionaTutto(&filtrata);
    test::Trova<QScrollBar>(&filtrata, QStringLiteral("HsFine"))->setValue(40);
    test::Trova<QLineEdit>(&filtrata, QStringLiteral("Txt_Denominazione"))
        ->setText(QStringLiteral("Sabato"));
    test::Clicca(&filtrata, QStringLiteral("CmdSalva"));
    const int intera = StessaEstrazione(filtrato, 40, *archivio);
    ASSERT_GT(intera, 40);
    test::Clicca(&altra, QStringLiteral("CmdElenco"));
    ASSERT_EQ(test::Cella(&altra, QStringLiteral("FgMemo"), 1, 0), QStringLiteral("Sabato"));
    EXPECT_EQ(test::Cella(&altra, QStringLiteral("FgMemo"), 1, 1), QString::number(intera));
    ClickCella(&altra, "FgMemo", 1, 0);
    EXPECT_EQ(test::Trova<QScrollBar>(&altra, QStringLiteral("HsFine"))->value(), intera);
    test::Clicca(&filtrata, QStringLiteral("CmdElenco"));
    ClickCella(&filtrata, "FgMemo", 1, 0);
    EXPECT_EQ(test::Trova<QScrollBar>(&filtrata, QStringLiteral("HsFine"))->value(), 40);
    // Draw 400 is a Sunday: the filtered window says it does not hold it.
    ClickCella(&filtrata, "FgMemo", 0, 0);
    EXPECT_TRUE(dialoghi.Messaggi().back().testo.contains(QStringLiteral("Giorni e mesi")));

    // ELIMINA asks, and on No keeps the row.
    memo = test::Trova<GrigliaTabella>(&altra, QStringLiteral("FgMemo"));
    memo->selectRow(0);
    dialoghi.Rispondi(std::nullopt);
    test::Clicca(&altra, QStringLiteral("CmdElimina"));
    EXPECT_EQ(dialoghi.Mostrati().back().titolo, QStringLiteral("Cancellazione record"));
    EXPECT_EQ(dialoghi.Mostrati().back().testo,
              QStringLiteral("Confermi la cancellazione della configurazione Cinque ?"));
    EXPECT_EQ(memo->rowCount(), 2);

    // The settings database read-only, then in use by another program: the messages say so.
    const auto ultimo = [this] { return dialoghi.Messaggi().back().testo; };
    QSqlQuery(impostazioni.Db()).exec(QStringLiteral("PRAGMA query_only = ON"));
    nome->setText(QStringLiteral("Sei"));
    test::Clicca(&w, QStringLiteral("CmdSalva"));
    EXPECT_TRUE(ultimo().startsWith(QStringLiteral("Attenzione ! la configurazione non è stata "
                                                   "salvata. Il database delle impostazioni")) &&
                ultimo().contains(QStringLiteral("sola lettura")))
        << ultimo().toStdString();
    dialoghi.RispondiSi();
    memo->selectRow(0);
    test::Clicca(&altra, QStringLiteral("CmdElimina"));
    EXPECT_TRUE(ultimo().startsWith(QStringLiteral("Attenzione ! la configurazione non è stata "
                                                   "eliminata. Il database delle impostazioni")))
        << ultimo().toStdString();
    EXPECT_EQ(memo->rowCount(), 2);
    QSqlQuery(impostazioni.Db()).exec(QStringLiteral("PRAGMA query_only = OFF"));
    {
        QSqlDatabase altro =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
        altro.setDatabaseName(impostazioni.Percorso());
        ASSERT_TRUE(altro.open());
        QSqlQuery blocco(altro);
        ASSERT_TRUE(blocco.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QSqlQuery(impostazioni.Db()).exec(QStringLiteral("PRAGMA busy_timeout = 200"));
        test::Clicca(&altra, QStringLiteral("CmdElenco"));
        EXPECT_TRUE(ultimo().startsWith(QStringLiteral("L'elenco delle configurazioni non può "
                                                       "essere letto: Il database delle "
                                                       "impostazioni")) &&
                    ultimo().contains(QStringLiteral("è in uso")))
            << ultimo().toStdString();
        blocco.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("altro"));

    dialoghi.RispondiSi();
    memo->selectRow(0);
    test::Clicca(&altra, QStringLiteral("CmdElimina"));
    ASSERT_EQ(memo->rowCount(), 1);
    EXPECT_EQ(memo->Testo(0, 0), QStringLiteral("Sabato"));
}

TEST_F(Metodi, CinquinaSpionaDaiControlli) {
    FinestraCinquinaSpiona w(Servizi());
    w.show();
    ClickCella(&w, "FgR", 0, 0); // BA
    test::Clicca(&w, QStringLiteral("LblSelTutti"));
    test::Clicca(&w, QStringLiteral("LblDesel"));
    ClickCella(&w, "FgR", 0, 0);
    for (const int r : {0, 1, 2}) {
        ClickCella(&w, "FgG", r, 0);
    }
    for (int p = 0; p < 5; ++p) {
        ClickCella(&w, "Fgp", 0, p);
    }
    test::Trova<QComboBox>(&w, QStringLiteral("ComboPres"))->setCurrentText(QStringLiteral("30"));
    test::Clicca(&w, QStringLiteral("Command1"));

    ParametriCinquina p;
    p.rilevazione[0] = true;
    p.gioco = {true, true, true};
    p.posizioni.fill(true);
    p.presenze = 30;
    p.fine = archivio->TotEstrazioni;
    const EsitoCinquina e = ElaboraCinquina(*archivio, p);
    const Tabella numeri = TabellaNumeriCinquina(*archivio, p, e);
    auto* fgE = test::Trova<GrigliaTabella>(&w, QStringLiteral("FgE"));
    ASSERT_EQ(fgE->rowCount(), 90);
    EXPECT_EQ(fgE->Dati().Tsv(), numeri.Tsv());
    EXPECT_EQ(test::Etichetta(&w, QStringLiteral("Label3")), QString::number(e.span));
    EXPECT_EQ(test::Etichetta(&w, QStringLiteral("LblAtteso")).toStdString(),
              TestoCCAtteso(AttesoCinquina(*archivio, p, e)));
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("420"));
    test::Clicca(&w, QStringLiteral("CmdFuoriCampione"));
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
              TestoFuoriCampioneSpia(FuoriCampioneSpia(*archivio, p, 420), 420));
    // "Verifica progressiva": the first reference and the step asked (a year back and the colpi
    // offered), every choice in a window of its own.
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("300"));
    dialoghi.Rispondi(QStringLiteral("20"));
    test::Clicca(&w, QStringLiteral("CmdProgressiva"));
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    EXPECT_EQ(dialoghi.Mostrati()[0].proposta,
              QString::number(UnAnnoPrima(*archivio, archivio->TotEstrazioni)));
    EXPECT_EQ(dialoghi.Mostrati()[1].proposta, QString::number(p.colpi));
    const EsitoProgressivo attesa = VerificaProgressiva(AnalisiCinquina{p}, *archivio, 300, 20);
    ASSERT_GT(attesa.passi.size(), 3u);
    auto* progressiva = test::Trova<QWidget>(&w, QStringLiteral("Progressiva"));
    EXPECT_EQ(
        test::Trova<GrigliaTabella>(progressiva, QStringLiteral("FgProgressiva"))->Dati().Tsv(),
        TabellaProgressiva(attesa).Tsv());
    EXPECT_EQ(test::Etichetta(progressiva, QStringLiteral("LblProgressiva")).toStdString(),
              TestoProgressiva(attesa));
    // A step of 0: the message, no test run.
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("300"));
    dialoghi.Rispondi(QStringLiteral("0"));
    test::Clicca(&w, QStringLiteral("CmdProgressiva"));
    EXPECT_EQ(dialoghi.Messaggi().back().testo, QStringLiteral("Passo non valido: da 1 a 500."));
    EXPECT_EQ(test::Trova<GrigliaTabella>(&w, QStringLiteral("Fg1"))->rowCount(),
              static_cast<int>(e.casi.size()));
    EXPECT_EQ(test::Trova<GrigliaTabella>(&w, QStringLiteral("FgStat2"))->rowCount(), 0);
    // The numbers lie under the line that names the verified number, not over it.
    EXPECT_GT(fgE->geometry().top(),
              test::Trova<QLabel>(&w, QStringLiteral("LblVerificato"))->geometry().bottom());

    // Companions before any number was verified: a message.
    test::Clicca(&w, QStringLiteral("Command2"));
    EXPECT_EQ(dialoghi.Messaggi().back().titolo, QStringLiteral("Numeri compagni"));
    // Selecting the first row verifies its number, on the cases ELABORA found: with the wheels
    // changed since, the label says which.
    test::Clicca(&w, QStringLiteral("LblSelTutti"));
    ClickCella(&w, "FgE", 0, 0);
    const int n = fgE->Testo(0, 0).toInt();
    EXPECT_EQ(test::Etichetta(&w, QStringLiteral("LblVerificato")),
              QStringLiteral("Numero verificato: %1. Casi rilevati su: rilevazione BA, tutte le "
                             "posizioni; gioco BA CA FI.")
                  .arg(n));
    const auto v = VerificaNumero(*archivio, p, e.casi, n);
    EXPECT_EQ(test::Trova<GrigliaTabella>(&w, QStringLiteral("Fg1"))->Dati().Tsv(),
              TabellaCasiCinquina(*archivio, p, e.casi, &v).Tsv());
    test::Clicca(&w, QStringLiteral("Command2"));
    EXPECT_GT(test::Trova<GrigliaTabella>(&w, QStringLiteral("FgSort"))->rowCount(), 0);
    test::Clicca(&w, QStringLiteral("CmDHelp"));
    EXPECT_EQ(test::ArgomentoAiutoAperto(), 410);
}

} // namespace
} // namespace strovel

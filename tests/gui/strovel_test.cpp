#include "core/archivio.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_finestra.h"
#include "cycles/strovel/strovel_statistiche.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "tests/gui/aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/griglia_selezione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>

namespace strovel {
namespace {

class Strovel : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    std::unique_ptr<Archivio> archivio = test::ArchivioCasuale(600, 21);
    DialoghiScriptati dialoghi;
    std::vector<int> avanzamento;
    std::unique_ptr<FinestraStrovel> w;

    void SetUp() override {
        ServiziFinestra s;
        s.archivio = archivio.get();
        s.dialoghi = &dialoghi;
        s.cartellaProgramma = cartella.path();
        s.pb1 = Progresso{[](int) {}, [this](int v) { avanzamento.push_back(v); }, {}};
        w = std::make_unique<FinestraStrovel>(s);
        w->show();
    }
    template <typename T = QWidget> T* Trova(const char* nome) {
        return test::Trova<T>(w.get(), QString::fromLatin1(nome));
    }
    GrigliaTabella* Griglia(const char* nome) { return Trova<GrigliaTabella>(nome); }
    void Clicca(const char* nome) { test::Clicca(w.get(), QString::fromLatin1(nome)); }
    /// A click on cell (0, r) of a wheel grid.
    void ClickRuota(const char* griglia, int r) {
        auto* g = Trova<GrigliaSelezione>(griglia);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(0, r)).center());
    }
    QString Cella(const char* griglia, int riga, int colonna) {
        return test::Cella(w.get(), QString::fromLatin1(griglia), riga, colonna);
    }
    void SelezionaRiga(const char* griglia, int riga) {
        auto* g = Griglia(griglia);
        g->setCurrentCell(riga, 1);
    }
};

TEST_F(Strovel, RiferimentoEFormaDelCiclo) {
    // The reference bar spans the archive; the label beside it counts the draws after it.
    EXPECT_EQ(Trova<QScrollBar>("Hs2")->maximum(), 600);
    EXPECT_EQ(Trova<QLabel>("Label3")->text().left(4), QStringLiteral("600 "));
    EXPECT_EQ(Trova<QLabel>("Label15")->text(), QStringLiteral("0"));
    Trova<QScrollBar>("Hs2")->setValue(590);
    EXPECT_EQ(Trova<QLabel>("Label15")->text(), QStringLiteral("10"));
    // The cycle shape: 18 yellow cells, the 18th green.
    EXPECT_EQ(test::Sfondo(Trova<QTableWidget>("FgCiclo"), 0, 0), QColor(255, 255, 0));
    EXPECT_EQ(test::Sfondo(Trova<QTableWidget>("FgCiclo"), 0, 17), QColor(0, 255, 0));
    EXPECT_EQ(test::Sfondo(Trova<QTableWidget>("FgCiclo"), 0, 18), QColor(255, 255, 255));
}

TEST_F(Strovel, SenzaRuoteMessaggioMaCicliPosati) {
    Clicca("Command3");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Avviso"));
    EXPECT_EQ(dialoghi.Messaggi()[0].testo,
              QStringLiteral("Attenzione si deve selezionare almeno una ruota di rilevazione ed "
                             "una su cui giocare"));
    EXPECT_EQ(Griglia("FgX")->rowCount(), 15);
    EXPECT_EQ(Griglia("FgY")->rowCount(), 0);
}

TEST_F(Strovel, ElaboraDaCapoAFondo) {
    ClickRuota("FgR", 0);
    ClickRuota("FgR", 3);
    ClickRuota("FgG", 5);
    Trova<QComboBox>("ComboConsidera")->setCurrentIndex(24); // 25 > Durata 18
    Trova<QScrollBar>("Hs2")->setValue(580);
    Clicca("Command3");
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    EXPECT_EQ(Trova<QComboBox>("ComboConsidera")->currentText(), QStringLiteral("18"));
    // The progress bar went through every fixed value.
    ASSERT_EQ(avanzamento.size(), 90u);
    EXPECT_EQ(avanzamento.back(), 89);
    // FgY is the computation's list, cell by cell.
    ParametriStrovel p = w->LeggiParametri();
    EXPECT_EQ(p.riferimento, 580);
    const auto atteso = ElaboraStrovel(*archivio, p);
    const Tabella t = TabellaFormule(atteso.formule);
    ASSERT_EQ(Griglia("FgY")->rowCount(), 30);
    EXPECT_EQ(Griglia("FgY")->Dati().Tsv(), t.Tsv());
    EXPECT_GE(Griglia("Fg4")->rowCount(), 1);
    EXPECT_EQ(Griglia("FgS")->rowCount(), 90);
    EXPECT_EQ(Trova<QListWidget>("List1")->count(), 1);
    // The first cycle is shown; a click shows another one.
    EXPECT_EQ(Griglia("FgE")->rowCount(), 11);
    test::CliccaCella(Griglia("FgX"), 2, 0);
    const int considerata = Cella("FgX", 2, 5).toInt();
    EXPECT_EQ(Trova<QLabel>("Label2")->text(),
              QStringLiteral("%1 del %2").arg(considerata).arg(Cella("FgX", 2, 6)));
    EXPECT_EQ(Cella("FgE", 3, 0), QStringLiteral("GE"));
    EXPECT_EQ(Cella("FgE", 3, 2).toInt(), archivio->Estratti(considerata, 3, 2));

    // Every command once, on the first formula.
    SelezionaRiga("FgY", 0);
    auto* schede = Trova<QTabWidget>("SchedeRisultati");
    schede->setCurrentIndex(0);
    Clicca("Command1");
    EXPECT_EQ(schede->currentIndex(), 1); // the statistics tab comes to the front
    EXPECT_EQ(Griglia("Fg1")->rowCount(), 15);
    EXPECT_EQ(Cella("FgSt1", 0, 0), QStringLiteral("N° Cicli"));
    EXPECT_EQ(Cella("FgSt1", 0, 2), QStringLiteral("100.0"));
    schede->setCurrentIndex(0);
    Clicca("Command7");
    EXPECT_EQ(schede->currentIndex(), 1);
    EXPECT_EQ(Cella("fG7", 5, 1), QStringLiteral("15"));
    schede->setCurrentIndex(0);
    Clicca("Command13");
    EXPECT_EQ(schede->currentIndex(), 1);
    EXPECT_EQ(Cella("FgTr", 4, 0), QStringLiteral("Risultato"));
    Clicca("Command6");
    EXPECT_EQ(Griglia("FgC")->rowCount(), 30 * 29 / 2);
    EXPECT_TRUE(test::Etichetta(w.get(), QStringLiteral("LblCasoAccoppiamenti"))
                    .startsWith(QStringLiteral("Per caso, la coppia migliore su 40 archivi")));
    SelezionaRiga("FgC", 0);
    Clicca("Cmd_elencoAccorpato");
    EXPECT_EQ(Griglia("Fg9")->rowCount(), 30);
    // A new ELABORA empties what the earlier run's commands left: pairs, merged list, summaries.
    Clicca("Command3");
    EXPECT_EQ(Griglia("FgC")->rowCount(), 0);
    EXPECT_TRUE(test::Etichetta(w.get(), QStringLiteral("LblCasoAccoppiamenti")).isEmpty());
    EXPECT_EQ(Griglia("Fg9")->rowCount(), 0);
    EXPECT_EQ(Griglia("FgSt1")->Dati().Tsv(), TabellaRiepilogoStatistica({}, 0).Tsv());
    EXPECT_EQ(Griglia("fG7")->Dati().Tsv(), Riepilogo({}).Tsv());
    SelezionaRiga("FgY", 0);
    dialoghi.Rispondi(QStringLiteral("abc"));
    Clicca("Command22");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].testo,
              QStringLiteral("Attenzione valore inserito non coerente."));
    EXPECT_EQ(dialoghi.Messaggi()[0].icona, Icona::Critica);
    EXPECT_EQ(dialoghi.Mostrati()[0].titolo,
              QStringLiteral("Inserimento esiti negativi consecutivi"));
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("1"));
    Clicca("Command22");
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    for (const char* nome :
         {"Cmd_Previsioni1ruota", "Command2", "Command5", "Command24", "Command4"}) {
        Clicca(nome);
    }
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    EXPECT_EQ(Cella("FgY", 0, 12).toStdString(), t.righe[0][12].testo);
    SelezionaRiga("FgY", 0);
    Clicca("Command14");
    EXPECT_EQ(Griglia("Fg13")->rowCount(), 1);
    Clicca("Command14"); // already there
    EXPECT_EQ(Griglia("Fg13")->rowCount(), 1);
    EXPECT_GE(Griglia("FgUU")->rowCount(), 0);
    Clicca("Command10"); // one play wheel: allowed
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    ClickRuota("FgG", 6);
    Clicca("Command10");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].testo,
              QStringLiteral("Attenzione questa analisi può essere effettuata su una sola ruota"));
    SelezionaRiga("Fg13", 0);
    Clicca("Command23");
    EXPECT_EQ(Griglia("Fg13")->rowCount(), 0);
    Clicca("Command11");
    EXPECT_GE(Griglia("FgRit")->rowCount(), 1);
    Clicca("Command12");
    EXPECT_EQ(Griglia("Fg5R")->rowCount(), 90);
    Clicca("Command17");
    EXPECT_GE(Griglia("FgPres")->rowCount(), 1);
    Clicca("Command18");
    EXPECT_LE(Griglia("FgPres")->rowCount(), 30);
    Clicca("Command9");
    EXPECT_EQ(Trova<QComboBox>("ComboOP")->currentIndex(), 5);
    EXPECT_EQ(Griglia("FgY")->rowCount(), 30);
}

TEST_F(Strovel, MemorieDeiParametri) {
    Trova<QComboBox>("Combo_Cicli")->setCurrentIndex(19);   // 20
    Trova<QComboBox>("Combo_Durata")->setCurrentIndex(9);   // 10
    Trova<QComboBox>("ComboConsidera")->setCurrentIndex(4); // 5
    Trova<QComboBox>("ComboColpi")->setCurrentIndex(11);    // 12
    Trova<QComboBox>("ComboOP")->setCurrentIndex(2);        // X
    Trova<QComboBox>("ComboSalto")->setCurrentIndex(3);
    Clicca("Cmd_Memo2");
    EXPECT_EQ(test::LeggiFile(cartella.filePath(QStringLiteral("Memo2.Txt"))),
              QByteArray("19\r\n9\r\n4\r\n11\r\n2\r\n"));
    for (const char* nome :
         {"Combo_Cicli", "Combo_Durata", "ComboConsidera", "ComboColpi", "ComboOP"}) {
        Trova<QComboBox>(nome)->setCurrentIndex(0);
    }
    Trova<QComboBox>("ComboSalto")->setCurrentIndex(7);
    Clicca("Cmd_Load2");
    EXPECT_EQ(Trova<QComboBox>("Combo_Cicli")->currentText(), QStringLiteral("20"));
    EXPECT_EQ(Trova<QComboBox>("Combo_Durata")->currentText(), QStringLiteral("10"));
    EXPECT_EQ(Trova<QComboBox>("ComboConsidera")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(Trova<QComboBox>("ComboColpi")->currentText(), QStringLiteral("12"));
    EXPECT_EQ(Trova<QComboBox>("ComboOP")->currentText(), QStringLiteral("X Moltiplica"));
    EXPECT_EQ(Trova<QComboBox>("ComboSalto")->currentText(), QStringLiteral("7")); // not saved
    // A missing file changes nothing; a damaged one only up to its first bad line.
    Clicca("Cmd_Load4");
    EXPECT_EQ(Trova<QComboBox>("Combo_Cicli")->currentText(), QStringLiteral("20"));
    test::ScriviFile(cartella.filePath(QStringLiteral("Memo3.Txt")), "0\r\nxx\r\n0\r\n");
    Clicca("Cmd_Load3");
    EXPECT_EQ(Trova<QComboBox>("Combo_Cicli")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Trova<QComboBox>("Combo_Durata")->currentText(), QStringLiteral("10"));
}

TEST_F(Strovel, PagineDiAiuto) {
    const std::pair<const char*, int> pulsanti[] = {
        {"CmDHelp", 250}, {"Command19", 400}, {"Command20", 390}, {"Command21", 380}};
    for (const auto& [nome, argomento] : pulsanti) {
        EXPECT_TRUE(EsisteArgomento(argomento)) << argomento;
        Clicca(nome);
        EXPECT_EQ(test::ArgomentoAiutoAperto(), argomento) << nome;
    }
    FinestraAiuto::Apri(380)->close();
}

} // namespace
} // namespace strovel

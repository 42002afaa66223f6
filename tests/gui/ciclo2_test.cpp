// The second cycle window driven through its controls, compared with the computations it shows.

#include "core/archivio.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "storage/impostazioni.h"
#include "tests/gui/finestra_di_prova.h"
#include "tests/support/archivio_casuale.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/griglia_selezione.h"

#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace strovel {
namespace {

class Ciclo2Finestra : public test::FinestraDiProva<FinestraCiclo2> {
protected:
    Ciclo2Finestra() : FinestraDiProva(500, 17) {}
};

TEST_F(Ciclo2Finestra, LayoutEComandiPrimaDeiCicli) {
    // Every control in its own place, at the window's default size and on a small screen.
    EXPECT_EQ(test::Sovrapposizioni(w.get()), QStringList());
    w->resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(test::Sovrapposizioni(w.get()), QStringList());
    EXPECT_EQ(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgMax"))->selectionBehavior(),
              QAbstractItemView::SelectItems); // a click chooses one cell, not the cycle
    // No wheel at opening, as in the Strovel module; every position.
    EXPECT_EQ(w->LeggiParametri().ruote, (std::array<bool, 11>{}));
    EXPECT_EQ(w->LeggiParametri().posizioni, (std::array<bool, 5>{true, true, true, true, true}));
    // Before the cycles are laid the commands only say so.
    test::Clicca(w.get(), QStringLiteral("Command22"));
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("Eseguire prima RILEVA CICLI."));
}

TEST_F(Ciclo2Finestra, RilevaGruppoEdElabora) {
    // Only Bari and Cagliari, positions 1 and 2.
    test::Clicca(w.get(), QStringLiteral("LblDesel"));
    Click("FgR", 0, 0);
    Click("FgR", 0, 1);
    Click("FgPP", 0, 2);
    Click("FgPP", 0, 3);
    Click("FgPP", 0, 4);
    test::Trova<QComboBox>(w.get(), QStringLiteral("ComboColpi"))
        ->setCurrentText(QStringLiteral("12"));
    test::Trova<QComboBox>(w.get(), QStringLiteral("ComboConsidera"))
        ->setCurrentText(QStringLiteral("40"));
    const ParametriCiclo2 p = w->LeggiParametri();
    EXPECT_EQ(p.riferimento, 500);
    EXPECT_EQ(p.ruote, (std::array<bool, 11>{true, true}));
    EXPECT_EQ(p.posizioni, (std::array<bool, 5>{true, true}));
    test::Clicca(w.get(), QStringLiteral("Command12"));
    // Considera above Durata is lowered to it.
    EXPECT_EQ(test::Trova<QComboBox>(w.get(), QStringLiteral("ComboConsidera"))->currentText(),
              QStringLiteral("18"));
    const Rilevazione r = RilevaCicli(*archivio, p);
    ASSERT_EQ(Righe("FgCicli"), 15);
    // A title on every column: the cycle's four, then the number each column counts.
    const QStringList titoli = test::Intestazioni(w.get(), QStringLiteral("FgCicli"));
    ASSERT_EQ(titoli.size(), 94);
    EXPECT_EQ(titoli[4], QStringLiteral("1"));
    EXPECT_EQ(titoli[93], QStringLiteral("90"));
    EXPECT_TRUE(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgCicli"))
                    ->horizontalHeader()
                    ->isVisibleTo(w.get()));
    // The selection the presences were counted on, and a word when it changes after.
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblRilevati")),
              QStringLiteral("Cicli rilevati su: BA CA, posizioni 1 2"));
    Click("FgPP", 0, 2);
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblRilevati")),
              QStringLiteral("Cicli rilevati su: BA CA, posizioni 1 2 (gli altri comandi usano "
                             "la selezione attuale: BA CA, posizioni 1 2 3)"));
    Click("FgPP", 0, 2);
    EXPECT_EQ(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgCicli"))->Dati().Tsv(),
              TabellaCicli2(r).Tsv());
    EXPECT_EQ(Cella("FgCicli", 0, 3), QStringLiteral("494"));
    EXPECT_EQ(Righe("FgB1"), 90);

    // The distribution click keeps the group and says which it is.
    const int colonna = 4 + 1;
    Click("FgMax", 2, colonna);
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblGruppo")),
              QStringLiteral("Ciclo N° 3 Numeri con 1 presenze"));
    EXPECT_EQ(w->Sessione().Gruppo(), NumeriConPresenze(r, 2, 1));
    EXPECT_EQ(Righe("FgA1"), static_cast<int>(NumeriConPresenze(r, 2, 1).size()));

    // A forecast row: three numbers, T 2, taking part after a click on its first cell.
    auto* fgH = test::Trova<QTableWidget>(w.get(), QStringLiteral("FgH"));
    const char* numeri[] = {"5", "17", "44"};
    for (int c = 0; c < 3; ++c) {
        fgH->setItem(1, 1 + c, new QTableWidgetItem(QString::fromLatin1(numeri[c])));
    }
    fgH->setItem(1, 11, new QTableWidgetItem(QStringLiteral("2")));
    test::Clicca(w.get(), QStringLiteral("Command22"));
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("Attenzione ! nessuna previsione scelta: fare clic "
                                                "sulla prima cella di una riga per farla "
                                                "partecipare."));
    Click("FgH", 1, 0);
    // PRESENZE NUMERI alone reads the taking-part row too.
    test::Clicca(w.get(), QStringLiteral("CMD_CalcolaPresenzeNumeri"));
    EXPECT_EQ(Righe("FgB3"), 3);
    test::Clicca(w.get(), QStringLiteral("Command22"));
    // The set verified is the taking-part row (row 2 of FgH); every cycle has its rows.
    EXPECT_EQ(Righe("Fg1"), 15);
    ASSERT_GE(Righe("FgAA"), 15);
    for (int i = 0; i < Righe("FgAA"); ++i) {
        const QString riga = Cella("FgAA", i, 12);
        EXPECT_TRUE(riga.isEmpty() || riga == QStringLiteral("2")) << i;
    }
    EXPECT_EQ(Cella("FgB3", 0, 0), QStringLiteral("5"));
    // A second click takes the row out again.
    Click("FgH", 1, 0);
    test::Clicca(w.get(), QStringLiteral("CMD_CalcolaPresenzeNumeri"));
    EXPECT_EQ(Righe("FgB2"), 90);
    EXPECT_EQ(Righe("FgB3"), 0);

    // The cycle row click shows the first draw of the cycle.
    Click("FgCicli", 0, 0);
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("Label2")),
              QStringLiteral("483 del ") + QString::fromStdString(archivio->Data(483)));
    ASSERT_EQ(Righe("FgE"), 11);
    EXPECT_EQ(Cella("FgE", 10, 5).toInt(), archivio->Estratti(483, 10, 5));
}

TEST_F(Ciclo2Finestra, SerieAmbettiAmbiEVerifiche) {
    Clicca("LblSelTutti");
    test::Clicca(w.get(), QStringLiteral("Command12"));
    test::Clicca(w.get(), QStringLiteral("Command7"));
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione ! scegliere una serie con un clic sulla sua colonna."));
    test::Clicca(w.get(), QStringLiteral("Command19"));
    ASSERT_EQ(Righe("FgSerie"), 15);
    // The column's title chooses the series as its cells do.
    auto* serie = test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgSerie"));
    QTest::mouseClick(serie->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(serie->horizontalHeader()->sectionViewportPosition(4 + 7) + 4, 4));
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblSerie")),
              QStringLiteral("Serie scelta: Cadenza 7"));
    // The chosen series shows as a whole column, even from one of its cells.
    Click("FgSerie", 2, 4 + 3);
    EXPECT_TRUE(serie->selectionModel()->isColumnSelected(4 + 3));
    test::Trova<QRadioButton>(w.get(), QStringLiteral("OptScoperti"))->setChecked(true);
    test::Clicca(w.get(), QStringLiteral("Command7"));

    test::Clicca(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione ! scegliere nella distribuzione un gruppo di almeno 2 "
                             "numeri."));
    // The first class of cycle 1 with at least two numbers.
    int classe = 4;
    while (classe < 14 && !Cella("FgMax", 0, classe).contains(QLatin1Char('-'))) {
        ++classe;
    }
    Click("FgMax", 0, classe);
    test::Clicca(w.get(), QStringLiteral("Command4"));
    const int coppie =
        static_cast<int>(w->Sessione().Gruppo().size() * (w->Sessione().Gruppo().size() - 1) / 2);
    ASSERT_GT(coppie, 0);
    EXPECT_EQ(Righe("Fg90"), coppie);
    EXPECT_EQ(Righe("Fg91"), coppie);
    EXPECT_EQ(Righe("FgB4"), coppie);
    // Under the best pairs, what the best of as many random pairs reaches.
    int migliore = 0;
    for (int riga = 0; riga < coppie; ++riga) {
        migliore = std::max(migliore, Cella("FgB4", riga, 1).toInt());
    }
    const Rilevazione r = RilevaCicli(*archivio, w->LeggiParametri());
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblAttesoAmbetti")).toStdString(),
              TestoAttesoAmbetti(AttesoAmbetti(*archivio, r, coppie, migliore), coppie));

    test::Clicca(w.get(), QStringLiteral("Command23"));
    EXPECT_GT(Righe("FgAmbi"), 0);
    EXPECT_EQ(Righe("FgAmbi"), Righe("FgEl"));

    Click("FgA1", 1, 0);
    const int ambata = Cella("FgA1", 1, 0).toInt();
    test::Clicca(w.get(), QStringLiteral("Command24"));
    EXPECT_EQ(w->Sessione().Ambata(), ambata);
    EXPECT_EQ(Righe("FgK2"), 2);
    EXPECT_EQ(Righe("FGK90"), 89);
    test::Clicca(w.get(), QStringLiteral("Command47"));
    ASSERT_EQ(Righe("Fg13"), 10);
    EXPECT_EQ(Cella("Fg13", 0, 1).toInt(), ambata);
    test::Clicca(w.get(), QStringLiteral("Command10"));
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione questa analisi può essere effettuata su una sola ruota"));
    auto* fg13 = test::Trova<GrigliaTabella>(w.get(), QStringLiteral("Fg13"));
    fg13->setCurrentCell(0, 0);
    test::Clicca(w.get(), QStringLiteral("Cmd_Elimina"));
    EXPECT_EQ(Righe("Fg13"), 9);

    test::Clicca(w.get(), QStringLiteral("Command17"));
    EXPECT_GT(Righe("FgPres"), 0);
    test::Clicca(w.get(), QStringLiteral("Command11"));
    EXPECT_GT(Righe("FgRit"), 0);
}

TEST_F(Ciclo2Finestra, PagineDiAiuto) {
    const std::pair<const char*, int> pulsanti[] = {{"CmDHelp", 270},
                                                    {"CmDHelp2", 280},
                                                    {"CmDHelp3", 290},
                                                    {"CmDHelp4", 300},
                                                    {"CmDHelp5", 310}};
    for (const auto& [nome, argomento] : pulsanti) {
        EXPECT_TRUE(EsisteArgomento(argomento)) << argomento;
        test::Clicca(w.get(), QString::fromLatin1(nome));
        EXPECT_EQ(test::ArgomentoAiutoAperto(), argomento) << nome;
    }
    FinestraAiuto::Apri(270)->close();
}

} // namespace
} // namespace strovel

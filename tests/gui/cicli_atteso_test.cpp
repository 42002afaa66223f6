// The cycle windows beside chance: the notes under their rankings and summaries, "Verifica
// fuori campione" and the charts of the presences per cycle, compared with the computations.

#include "core/archivio.h"
#include "core/intervallo.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/ambi/ambi_cicli_finestra.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/strovel/strovel_atteso.h"
#include "cycles/strovel/strovel_finestra.h"
#include "tests/gui/finestra_di_prova.h"
#include "ui/grafico.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QValueAxis>

#include <cmath>

#include <algorithm>

namespace strovel {
namespace {

QString Nota(QWidget* w, const char* nome) {
    return test::Etichetta(w, QString::fromLatin1(nome));
}

/// The bars of a chart's first series, left to right.
std::vector<int> Barre(FinestraGrafico* g) {
    std::vector<int> barre;
    auto* serie = qobject_cast<QBarSeries*>(g->Grafico()->series().value(0));
    if (serie != nullptr && !serie->barSets().isEmpty()) {
        for (int i = 0; i < serie->barSets()[0]->count(); ++i) {
            barre.push_back(static_cast<int>(serie->barSets()[0]->at(i)));
        }
    }
    return barre;
}

/// The bars a chart of `serie` shows: the oldest cycle on the left.
std::vector<int> Attese(const std::vector<PresenzaCiclo>& serie) {
    std::vector<int> barre;
    for (auto c = serie.rbegin(); c != serie.rend(); ++c) {
        barre.push_back(c->presenze);
    }
    return barre;
}

class StrovelCaso : public test::FinestraDiProva<FinestraStrovel> {
protected:
    StrovelCaso() : FinestraDiProva(600, 31) {}
};

TEST_F(StrovelCaso, NoteEVerificaFuoriCampione) {
    Clicca("LblSelTuttiR");
    Clicca("LblSelTuttiG");
    Clicca("Command3");
    const EsitoStrovel& e = w->UltimoEsito();
    const auto caso = ConfrontaFormule(*archivio, e);
    ASSERT_TRUE(caso);
    EXPECT_EQ(Nota(w.get(), "LblCaso").toStdString(), TestoCasoFormule(*caso));
    auto* fgY = test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgY"));
    fgY->setCurrentCell(2, 1);
    Clicca("Command1");
    EXPECT_EQ(Nota(w.get(), "LblCasoStatistica").toStdString(),
              TestoConfronto(ConfrontaStatistica(
                  *archivio, e.parametri, *e.formule[2].formula,
                  StatisticaFormula(*archivio, e.parametri, e.cicli, e.formule[2]))));
    // A new run leaves no note of the earlier STATISTICA.
    Clicca("Command3");
    EXPECT_EQ(Nota(w.get(), "LblCasoStatistica"), QString());
    // "esamina tutte le ruote" weighs six times the formulas, and the check follows that mode.
    Clicca("Command9");
    EXPECT_NE(Nota(w.get(), "LblCaso").indexOf(QStringLiteral("Il migliore di 326700 formule")),
              -1);
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("400"));
    Clicca("CmdFuoriCampione");
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    EXPECT_EQ(dialoghi.Mostrati()[0].proposta, QString::number(UnAnnoPrima(*archivio, 600)));
    EXPECT_EQ(dialoghi.Mostrati()[1].titolo, QStringLiteral("Verifica fuori campione"));
    EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
              TestoFuoriCampioneStrovel(
                  VerificaFuoriCampione(*archivio, w->LeggiParametri(), true, 400), 400));
}

class Ciclo2Caso : public test::FinestraDiProva<FinestraCiclo2> {
protected:
    Ciclo2Caso() : FinestraDiProva(500, 32) {}
};

TEST_F(Ciclo2Caso, NoteGraficoEVerificaFuoriCampione) {
    // Before RILEVA CICLI the chart has nothing to show.
    EXPECT_EQ(w->GraficoPresenze(), nullptr);
    Clicca("LblSelTutti");
    Clicca("Command12");
    const Rilevazione r = RilevaCicli(*archivio, w->LeggiParametri());
    EXPECT_EQ(Nota(w.get(), "LblAtteso").toStdString(),
              TestoAttesoNumeri(AttesoNumeri(*archivio, r)));
    // The number of FgB1's current row, bar by bar; a new laying redraws it.
    EXPECT_EQ(w->GraficoPresenze(), nullptr);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("Selezionare un numero nella tabella Numeri."));
    auto* fgB1 = test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgB1"));
    fgB1->setCurrentCell(6, 1);
    Clicca("CmdGraficoPresenze");
    auto* g = w->findChild<FinestraGrafico*>(QStringLiteral("GraficoPresenze"));
    ASSERT_NE(g, nullptr);
    const int n = fgB1->Testo(6, 0).toInt();
    EXPECT_EQ(Barre(g), Attese(PresenzeNeiCicli(r, n)));
    EXPECT_EQ(g->Grafico()->title(), QStringLiteral("Presenze del %1 nei cicli").arg(n));
    // The tallest bar fits under the top of the axis.
    const std::vector<int> barre = Barre(g);
    auto* asse = qobject_cast<QValueAxis*>(g->Grafico()->axes(Qt::Vertical).value(0));
    ASSERT_NE(asse, nullptr);
    ASSERT_GT(*std::max_element(barre.begin(), barre.end()), 1);
    EXPECT_GE(asse->max(), *std::max_element(barre.begin(), barre.end()));
    // Counts are marked on whole numbers only, so no two labels read the same.
    EXPECT_EQ(asse->tickType(), QValueAxis::TicksDynamic);
    EXPECT_EQ(asse->tickAnchor(), 0);
    EXPECT_GE(asse->tickInterval(), 1);
    EXPECT_EQ(asse->tickInterval(), std::round(asse->tickInterval()));
    EXPECT_EQ(std::fmod(asse->max(), asse->tickInterval()), 0);
    test::Trova<QComboBox>(w.get(), QStringLiteral("Combo_Cicli"))
        ->setCurrentText(QStringLiteral("9"));
    Clicca("Command12");
    EXPECT_EQ(Barre(g).size(), 9u);
    EXPECT_EQ(Barre(g), Attese(PresenzeNeiCicli(RilevaCicli(*archivio, w->LeggiParametri()), n)));

    // ELABORA on one forecast row: the note under the outcomes.
    auto* fgH = test::Trova<QTableWidget>(w.get(), QStringLiteral("FgH"));
    const char* numeri[] = {"5", "17", "44"};
    for (int c = 0; c < 3; ++c) {
        fgH->setItem(0, 1 + c, new QTableWidgetItem(QString::fromLatin1(numeri[c])));
    }
    fgH->setItem(0, 11, new QTableWidgetItem(QStringLiteral("2")));
    Click("FgH", 0, 0);
    Clicca("Command22");
    const std::vector<InsiemePrevisione> insiemi = {{1, {5, 17, 44}, 2}};
    const Rilevazione r9 = RilevaCicli(*archivio, w->LeggiParametri());
    EXPECT_EQ(Nota(w.get(), "LblCaso").toStdString(),
              TestoConfronto(ConfrontaVerifica(*archivio, r9, insiemi,
                                               VerificaNeiCicli(*archivio, r9, insiemi))));

    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("300"));
    Clicca("CmdFuoriCampione");
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
              TestoFuoriCampione(VerificaFuoriCampione(*archivio, w->LeggiParametri(), 300), 300));
}

class AmbiCicliCaso : public test::FinestraDiProva<FinestraAmbiCicli> {
protected:
    AmbiCicliCaso() : FinestraDiProva(500, 33) {}
};

TEST_F(AmbiCicliCaso, NoteGraficoEVerificaFuoriCampione) {
    // Without numbers the check says so, as ELABORA does.
    dialoghi.Rispondi(QStringLiteral("300"));
    Clicca("CmdFuoriCampione");
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri."));
    EXPECT_EQ(w->GraficoPresenze(), nullptr);

    test::Trova<QComboBox>(w.get(), QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("2"));
    Clicca("LblFormazioni"); // 20..29
    Clicca("Command1");
    const ParametriAmbiCicli p = w->LeggiParametri();
    NumeriScelti scelti = Formazione('D', 2);
    const ElaborazioneAmbi e = ContaAmbi(*archivio, p, AmbiDi(scelti));
    EXPECT_EQ(Nota(w.get(), "LblAtteso").toStdString(),
              TestoAttesoCicli(AttesoAmbi(*archivio, e), "per ambo"));
    Clicca("Cmd_33");
    ElaborazioneAmbi ordinata = e; // "Ordine decrescente" is ticked
    OrdinaPerCC(ordinata.ambi);
    const int primo = PrimoGruppo(MiglioriGruppi(ordinata.ambi, 3));
    ASSERT_GT(primo, 0);
    EXPECT_EQ(Nota(w.get(), "LblCaso").toStdString(),
              TestoAttesoCicli(AttesoGruppi(*archivio, e, 3, primo), "per gruppo di 3 ambi"));

    // The chart of row 4's ambo keeps to that ambo when a new ELABORA sorts the rows.
    Click("Fg1", 4, 1);
    Clicca("CmdGraficoPresenze");
    auto* g = w->findChild<FinestraGrafico*>(QStringLiteral("GraficoPresenze"));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(Barre(g), Attese(PresenzeNeiCicli(e, 4)));
    EXPECT_EQ(
        g->Grafico()->title(),
        QStringLiteral("Uscite dell'ambo %1-%2 nei cicli").arg(e.ambi[4].n1).arg(e.ambi[4].n2));
    test::Trova<QCheckBox>(w.get(), QStringLiteral("Check1"))->setChecked(true);
    test::Trova<QComboBox>(w.get(), QStringLiteral("Combo_Durata"))
        ->setCurrentText(QStringLiteral("10"));
    Clicca("Command1");
    const ElaborazioneAmbi e10 = ContaAmbi(*archivio, w->LeggiParametri(), AmbiDi(scelti));
    EXPECT_EQ(Barre(g), Attese(PresenzeNeiCicli(e10, 4)));

    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("300"));
    Clicca("CmdFuoriCampione");
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
              TestoFuoriCampione(
                  VerificaFuoriCampione(*archivio, w->LeggiParametri(), AmbiDi(scelti), 300), 300));
}

} // namespace
} // namespace strovel

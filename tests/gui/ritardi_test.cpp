// The delay sequences window driven through its controls.

#include "core/archivio.h"
#include "core/serie_numeri.h"
#include "methods/ritardi/ritardi_finestra.h"
#include "methods/ritardi/ritardi_sequenza.h"
#include "storage/impostazioni.h"
#include "tests/gui/finestra_di_prova.h"
#include "tests/support/archivio_casuale.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/grafico.h"
#include "ui/griglia_selezione.h"
#include "ui/menu_griglia.h"
#include "ui/selettore_intervallo.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QValueAxis>

namespace strovel {
namespace {

class RitardiFinestra : public test::FinestraDiProva<FinestraRitardiSequenza> {
protected:
    RitardiFinestra() : FinestraDiProva(800, 5) {}
    GrigliaTabella* Fg2() { return test::Trova<GrigliaTabella>(w.get(), QStringLiteral("Fg2")); }
};

TEST_F(RitardiFinestra, ApreSceglieEScandisce) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Sequenza dei ritardi"));
    ParametriSequenza p = w->LeggiParametri();
    EXPECT_EQ(p.ruote, (std::array<bool, 11>{true}));
    EXPECT_EQ(p.posizioni, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(p.fine, 800);
    EXPECT_EQ(p.inizio, 800 - 359);
    EXPECT_EQ(test::Sovrapposizioni(w.get()), QStringList());

    // TxtPres takes digits and commas only; the digits before the comma count.
    auto* pres = test::Trova<QLineEdit>(w.get(), QStringLiteral("TxtPres"));
    QStringList etichette;
    for (const QLabel* l : w->findChildren<QLabel*>()) {
        etichette << l->text();
    }
    EXPECT_TRUE(etichette.contains(QStringLiteral("Presenze")));
    QTest::keyClicks(pres, QStringLiteral("1x2,7"));
    EXPECT_EQ(pres->text(), QStringLiteral("12,7"));
    EXPECT_EQ(w->LeggiK(), 12);
    Clicca("SequenzaPresenze");
    ASSERT_EQ(Fg2()->rowCount(), 90);
    const auto attese = SequenzaPresenze(*archivio, p, 12);
    EXPECT_EQ(Fg2()->columnCount(), 7 + 12);
    EXPECT_EQ(Fg2()->Dati().Tsv(), TabellaSequenze(attese).Tsv());
    EXPECT_EQ(test::Intestazioni(w.get(), QStringLiteral("Fg2")).mid(6, 3),
              (QStringList{QStringLiteral("URIT"), QStringLiteral("1"), QStringLiteral("2")}));

    // A click on delay column 3 sums the first three delays into URIT; the title turns orange.
    test::CliccaCella(Fg2(), 0, 9);
    const auto& d = attese[0].ritardi;
    EXPECT_EQ(Fg2()->Testo(0, 6).toInt(), d[0] + d[1] + d[2]);
    EXPECT_EQ(
        Fg2()->model()->headerData(9, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
        QColor(255, 128, 0));
    EXPECT_EQ(test::Sfondo(Fg2(), 0, 0), QColor(240, 240, 240));
    // A click on a summary column changes nothing.
    test::CliccaCella(Fg2(), 0, 2);
    EXPECT_EQ(Fg2()->Testo(0, 6).toInt(), d[0] + d[1] + d[2]);

    Clicca("LblCrescenti");
    Tabella t = TabellaSequenze(attese);
    EvidenziaAndamento(t, Andamento::Crescenti);
    for (int c = 7; c < Fg2()->columnCount(); ++c) {
        EXPECT_EQ(test::Sfondo(Fg2(), 4, c) == QColor(128, 255, 128),
                  t.righe[4][static_cast<std::size_t>(c)].stile.sfondo == ColoreVerdeChiaro)
            << c;
    }

    // PERIODO on every wheel over the range; the main window's bar runs up to 90.
    Clicca("LblSelTutti");
    avanzamento.clear();
    Clicca("SequenzaPeriodo");
    EXPECT_EQ(massimo, 90);
    ASSERT_GE(avanzamento.size(), 80u);
    EXPECT_TRUE(std::is_sorted(avanzamento.begin(), avanzamento.end()));
    EXPECT_EQ(avanzamento.back(), 90);
    p = w->LeggiParametri();
    EXPECT_EQ(Fg2()->Testo(0, 4).toInt(), p.fine - p.inizio + 1);
    EXPECT_EQ(Fg2()->Testo(0, 1).toInt(), SequenzaPeriodo(*archivio, p)[0].presenze);
}

TEST_F(RitardiFinestra, UltimeNEstrazioniEAiuto) {
    // The count of draws in the range follows both bars: the last 360 at opening.
    const auto conteggio = [&] {
        return test::Etichetta(w.get(), QStringLiteral("LblEstrazioni"));
    };
    EXPECT_EQ(conteggio(), QStringLiteral("360"));
    auto* ultime = test::Trova<QLineEdit>(w.get(), QStringLiteral("Txt_Ultime"));
    ultime->setText(QStringLiteral("500"));
    QTest::keyClick(ultime, Qt::Key_Return);
    EXPECT_EQ(w->LeggiParametri().inizio, 301);
    EXPECT_EQ(conteggio(), QStringLiteral("500"));
    // 800 - 750 is not above 100, and 0 draws is no range: refused with the bounds.
    for (const char* testo : {"750", "0", "99999"}) {
        ultime->setText(QString::fromLatin1(testo));
        QTest::keyClick(ultime, Qt::Key_Return);
        EXPECT_EQ(w->LeggiParametri().inizio, 301) << testo;
        EXPECT_TRUE(UltimoMessaggio().contains(QStringLiteral("da 1 a 699"))) << testo;
    }
    Clicca("CmDHelp");
    EXPECT_EQ(test::ArgomentoAiutoAperto(), 360);
    FinestraAiuto::Apri(360)->close();
}

TEST_F(RitardiFinestra, GraficiSeguonoLeScelte) {
    // Without a chosen number, a message; with one, the delay history over the range and
    // wheels, redrawn when the range changes.
    EXPECT_EQ(w->GraficoRitardi(), nullptr);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("Selezionare un numero nella griglia."));
    Clicca("SequenzaPeriodo");
    Click("Fg2", 26, 0);
    ASSERT_EQ(Cella("Fg2", 26, 0), QStringLiteral("27"));
    Clicca("CmdGraficoRitardi");
    auto* g = w->findChild<FinestraGrafico*>(QStringLiteral("GraficoRitardi"));
    ASSERT_NE(g, nullptr);
    const auto linea = [&] { return qobject_cast<QLineSeries*>(g->Grafico()->series().value(0)); };
    ASSERT_NE(linea(), nullptr);
    ParametriSequenza p = w->LeggiParametri();
    auto attesi = StoriaRitardo(*archivio, 27, p.ruote, p.inizio, p.fine);
    ASSERT_EQ(linea()->count(), static_cast<int>(attesi.size()));
    EXPECT_EQ(linea()->at(10), QPointF(attesi[10].estrazione, attesi[10].ritardo));
    // Both axes hold every point: the delays from 0, the draws of the range.
    const auto assi = g->Grafico()->axes();
    ASSERT_EQ(assi.size(), 2);
    auto* x = qobject_cast<QValueAxis*>(assi[0]);
    auto* y = qobject_cast<QValueAxis*>(assi[1]);
    ASSERT_TRUE(x && y);
    EXPECT_EQ(y->min(), 0);
    EXPECT_GE(y->max(), std::max_element(attesi.begin(), attesi.end(), [](auto& u, auto& v) {
                            return u.ritardo < v.ritardo;
                        })->ritardo);
    EXPECT_EQ(x->min(), p.inizio);
    EXPECT_EQ(x->max(), p.fine);
    EXPECT_EQ(g->Grafico()->title(), QStringLiteral("Ritardi del 27 su BA, estrazioni 441 - 800"));
    w->findChild<SelettoreIntervallo*>()->ImpostaInizio(700);
    EXPECT_EQ(linea()->count(), 101);
    Clicca("LblSelTutti");
    EXPECT_TRUE(g->Grafico()->title().contains(QStringLiteral("tutte le ruote")));

    // The frequencies, one bar per number.
    Clicca("CmdGraficoFrequenze");
    auto* f = w->findChild<FinestraGrafico*>(QStringLiteral("GraficoFrequenze"));
    ASSERT_NE(f, nullptr);
    auto* barre = qobject_cast<QBarSeries*>(f->Grafico()->series().value(0));
    ASSERT_NE(barre, nullptr);
    ASSERT_EQ(barre->barSets().size(), 1);
    p = w->LeggiParametri();
    const auto frequenze = Frequenze(*archivio, p.ruote, p.posizioni, p.inizio, p.fine);
    ASSERT_EQ(barre->barSets()[0]->count(), 90);
    EXPECT_EQ(barre->barSets()[0]->at(44), frequenze[45]);

    // Its button saves it as PNG where the user says.
    ImpostaDialoghiGriglie(&dialoghi);
    const QString png = cartella.filePath(QStringLiteral("grafico.png"));
    dialoghi.Rispondi(png);
    test::Clicca(f, QStringLiteral("CmdSalvaGrafico"));
    EXPECT_FALSE(QImage(png).isNull());
    ImpostaDialoghiGriglie(nullptr);
}

} // namespace
} // namespace strovel

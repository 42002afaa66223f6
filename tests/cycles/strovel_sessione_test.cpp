// The Strovel session: what the window keeps between commands and the tables it shows.

#include "core/archivio.h"
#include "cycles/strovel/strovel_sessione.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

class Sessione : public ::testing::Test {
protected:
    std::unique_ptr<Archivio> a = test::ArchivioCasuale(500, 17);
    SessioneStrovel s{*a};
    ParametriStrovel p;

    void SetUp() override {
        p.riferimento = 480;
        p.cicli = 12;
        p.elenco = 20;
        p.rilevazione.fill(true);
        p.gioco[2] = true;
        ASSERT_TRUE(s.Accogli(ElaboraStrovel(*a, p)));
    }
    std::vector<EsitoCiclo> Esiti(int riga) const {
        return StatisticaFormula(*a, s.Esito().parametri, s.Esito().cicli,
                                 s.Esito().formule[static_cast<std::size_t>(riga)]);
    }
};

TEST_F(Sessione, RunSenzaRuoteNonTenutoERunNuovoAzzeraLeListe) {
    EXPECT_TRUE(s.Eseguito());
    s.AggiungiQuartina(0, false);
    s.Accoppia();
    ASSERT_TRUE(s.HaQuartine());
    ASSERT_GT(s.NumeroCoppie(), 0);
    ParametriStrovel senza = p;
    senza.gioco.fill(false);
    EXPECT_FALSE(s.Accogli(ElaboraStrovel(*a, senza)));
    EXPECT_TRUE(s.HaQuartine()); // the run kept is still the earlier one
    ASSERT_TRUE(s.Accogli(ElaboraStrovel(*a, p)));
    EXPECT_FALSE(s.HaQuartine());
    EXPECT_EQ(s.NumeroCoppie(), 0);
    EXPECT_FALSE(s.FormulaValida(-1));
    EXPECT_FALSE(s.FormulaValida(20));
    EXPECT_TRUE(s.FormulaValida(0));
}

TEST_F(Sessione, CompagniEdEstrattiDelCiclo) {
    // FgS: row n - 1 holds n and how often it came out with the first formula's ambata.
    const auto compagni = ConteggiCompagni(*a, s.Esito().parametri, s.Esito().cicli,
                                           *s.Esito().formule.front().formula);
    const Tabella fgS = s.Compagni();
    ASSERT_EQ(fgS.righe.size(), 90u);
    int somma = 0;
    for (int n = 1; n <= 90; ++n) {
        const auto& riga = fgS.righe[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(riga[0].testo, std::to_string(n));
        EXPECT_EQ(riga[1].testo, std::to_string(compagni[static_cast<std::size_t>(n)])) << n;
        somma += compagni[static_cast<std::size_t>(n)];
    }
    EXPECT_GT(somma, 0);
    // FgE: the 55 numbers of a draw, wheel by wheel.
    const Tabella fgE = s.EstrattiCiclo(300);
    ASSERT_EQ(fgE.righe.size(), 11u);
    EXPECT_EQ(fgE.righe[4][0].testo, "MI");
    EXPECT_EQ(fgE.righe[4][3].testo, std::to_string(a->Estratti(300, 4, 3)));
    EXPECT_EQ(s.DidascaliaCiclo(300), "300 del " + a->DateEstrazioni[300]);
}

TEST_F(Sessione, UltimeNegativeSegnaLeFormuleGiuste) {
    int totale = 0;
    for (const int n : {1, 2, 3}) {
        const Tabella fg1 = s.UltimeNegative(n);
        int ultima = -1;
        int segnate = 0;
        for (int r = 0; r < 20; ++r) {
            if (!s.FormulaValida(r)) {
                continue;
            }
            ultima = r;
            const bool attesa = UltimeNegative(Esiti(r), n);
            EXPECT_EQ(s.Esito().formule[static_cast<std::size_t>(r)].negativaEvidenziata, attesa)
                << "formula " << r + 1 << ", " << n << " negative";
            segnate += attesa ? 1 : 0;
        }
        // Fg1 shows the statistics of the last formula examined.
        EXPECT_EQ(fg1.Tsv(), TabellaStatistica(*a, Esiti(ultima)).Tsv());
        // The marks reach the formula list: a red row for each.
        int rosse = 0;
        for (const auto& riga : s.Formule().righe) {
            rosse += riga[1].stile.sfondo == ColoreRosso ? 1 : 0;
        }
        EXPECT_EQ(rosse, segnate);
        totale += segnate;
    }
    EXPECT_GT(totale, 0) << "no formula ends with negative cycles: the marks go untested";
}

TEST_F(Sessione, CoppieAffiancateEAccorpate) {
    s.Accoppia();
    ASSERT_EQ(s.NumeroCoppie(), 190);
    const int k = 25; // a pair in the middle of the list
    const Tabella coppie = s.Accoppia();
    const int i = std::stoi(coppie.righe[k][1].testo);
    const int j = std::stoi(coppie.righe[k][2].testo);
    const Tabella sx = TabellaStatistica(*a, Esiti(i - 1));
    const Tabella dx = TabellaStatistica(*a, Esiti(j - 1));
    const auto [fg2, fg3] = s.Coppia(k);
    EXPECT_EQ(fg2.Tsv(), dx.Tsv());
    // Fg3: the first formula in columns 0..13, three empty ones, the second from column 17.
    ASSERT_EQ(fg3.righe.size(), sx.righe.size());
    for (std::size_t r = 0; r < fg3.righe.size(); ++r) {
        for (std::size_t c = 0; c < 14; ++c) {
            EXPECT_EQ(fg3.righe[r][c], sx.righe[r][c]);
            EXPECT_EQ(fg3.righe[r][c + 17], dx.righe[r][c]);
        }
        for (std::size_t c = 14; c < 17; ++c) {
            EXPECT_TRUE(fg3.righe[r][c].testo.empty());
        }
    }
    EXPECT_EQ(s.Accorpato(k).Tsv(), ElencoAccorpato(*a, Esiti(i - 1), i, Esiti(j - 1), j).Tsv());
    // Every pair's ambo count: the cycles where either formula made an ambo, the second
    // companion (AB2) included; and, for pair k, its quartina count.
    int conAmbo2 = 0;
    for (const auto& riga : coppie.righe) {
        const auto ei = Esiti(std::stoi(riga[1].testo) - 1);
        const auto ej = Esiti(std::stoi(riga[2].testo) - 1);
        int ambo = 0;
        int quartina = 0;
        for (std::size_t c = 0; c < ei.size(); ++c) {
            ambo += (ei[c].ambo1 || ei[c].ambo2 || ej[c].ambo1 || ej[c].ambo2) ? 1 : 0;
            quartina += (ei[c].quartina >= 2 || ej[c].quartina >= 2) ? 1 : 0;
            conAmbo2 += (ei[c].ambo2 && !ei[c].ambo1) ? 1 : 0;
        }
        ASSERT_EQ(riga[5].testo, std::to_string(ambo)) << riga[1].testo << "-" << riga[2].testo;
        ASSERT_EQ(riga[6].testo, std::to_string(quartina)) << riga[1].testo << "-" << riga[2].testo;
    }
    EXPECT_GT(conAmbo2, 0) << "no cycle tests the second companion";
}

TEST_F(Sessione, QuartineEPresenze) {
    s.AggiungiQuartina(0, false);
    s.AggiungiQuartina(1, false);
    EXPECT_EQ(s.Quartine().righe.size(), 2u);
    s.AggiungiQuartina(2, true); // "azzera" first
    EXPECT_EQ(s.Quartine().righe.size(), 1u);
    EXPECT_FALSE(s.EliminaQuartina(1));
    EXPECT_TRUE(s.EliminaQuartina(0));
    EXPECT_FALSE(s.HaQuartine());
    // Filtra counts the presences when they were not counted yet, and marks the formulas.
    const Tabella filtro = s.Filtra(480, 10);
    EXPECT_EQ(filtro.Tsv(), FiltraAmbate(ContaPresenze(*a, 480, 10), s.Esito().formule).Tsv());
    EXPECT_EQ(s.UltimePresenze(480, 10).Tsv(), TabellaPresenze(ContaPresenze(*a, 480, 10)).Tsv());
    // ULTIME PRESENZE after a run marks every formula whose ambata came out on its play wheel.
    const auto presenze = ContaPresenze(*a, 480, 3);
    s.UltimePresenze(480, 3);
    int segnate = 0;
    for (const RigaFormula& r : s.Esito().formule) {
        if (!r.formula || !r.numeri[0]) {
            continue;
        }
        const int q = presenze[static_cast<std::size_t>(*r.numeri[0])]
                              [static_cast<std::size_t>(r.formula->r2)];
        EXPECT_EQ(r.presenze.value_or(0), q);
        segnate += q > 0 ? 1 : 0;
    }
    EXPECT_GT(segnate, 0);
}

} // namespace
} // namespace strovel

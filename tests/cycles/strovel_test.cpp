#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "tests/oracoli/strovel_oracolo.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <random>

namespace strovel {
namespace {

ParametriStrovel Tutte(int riferimento) {
    ParametriStrovel p;
    p.riferimento = riferimento;
    p.rilevazione.fill(true);
    p.gioco.fill(true);
    return p;
}

/// A cycle as (start, end, considered draw, first colpo).
std::array<int, 4> Posizione(const Ciclo& c) {
    return {c.inizio, c.fine, c.considerata, c.inizioGioco};
}

TEST(CicliStrovel, PosizioniConSaltoZeroEDue) {
    auto c = CostruisciCicli(1000, 15, 18, 18, 0);
    ASSERT_EQ(c.size(), 15u);
    EXPECT_EQ(Posizione(c[0]), (std::array{983, 1000, 1000, 1001}));
    EXPECT_EQ(Posizione(c[1]), (std::array{965, 982, 982, 983}));
    // Salto does not enter the considered draw.
    c = CostruisciCicli(1000, 15, 10, 10, 2);
    EXPECT_EQ(Posizione(c[0]), (std::array{989, 998, 1000, 999}));
    EXPECT_EQ(Posizione(c[1]), (std::array{977, 986, 988, 987}));

    c = CostruisciCicli(1000, 3, 18, 5, 0);
    EXPECT_EQ(c[0].considerata, 987); // the 5th draw of 983..1000
    EXPECT_EQ(c[2].numero, 3);
}

TEST(CicliStrovel, RiferimentoTroppoPrestoSiFermaPulito) {
    const auto c = CostruisciCicli(30, 15, 18, 18, 0);
    ASSERT_EQ(c.size(), 1u); // the second cycle would start at draw -5
    EXPECT_EQ(c[0].inizio, 13);
    EXPECT_TRUE(CostruisciCicli(17, 15, 18, 18, 0).empty());
    EXPECT_EQ(CostruisciCicli(18, 15, 18, 18, 0).size(), 1u);
    EXPECT_EQ(CostruisciCicli(36, 15, 18, 18, 0).size(), 2u);
}

TEST(CicliStrovel, AmbataDellaFormula) {
    auto a = test::ArchivioCasuale(50, 1);
    const int n = a->Estratti(40, 3, 2);
    EXPECT_EQ(AmbataStrovel(*a, {3, 2, 0, Operazione::Moltiplicazione, 0}, 40), 90);
    EXPECT_EQ(AmbataStrovel(*a, {3, 2, 0, Operazione::Somma, 0}, 40), n);
    EXPECT_EQ(AmbataStrovel(*a, {3, 2, 0, Operazione::Sottrazione, 0}, 40), n);
    a->Estratti(40, 3, 2) = 40;
    EXPECT_EQ(AmbataStrovel(*a, {3, 2, 40, Operazione::Sottrazione, 0}, 40), 90);
    EXPECT_EQ(AmbataStrovel(*a, {3, 2, 5, Operazione::SommaFigura, 0}, 40), 49); // 40+5+4
    // A wheel not drawn (zeros) still gives an ambata.
    EXPECT_EQ(AmbataStrovel(*a, {10, 1, 7, Operazione::Somma, 0}, 3), 7);
}

TEST(ListaFormule, ParitaAlTaglioVinceLUltima) {
    ListaFormule l(3);
    const FormulaStrovel a{0, 1, 1, Operazione::Somma, 0};
    const FormulaStrovel b{0, 1, 2, Operazione::Somma, 0};
    const FormulaStrovel c{0, 1, 3, Operazione::Somma, 0};
    const FormulaStrovel d{0, 1, 4, Operazione::Somma, 0};
    const FormulaStrovel e{0, 1, 5, Operazione::Somma, 0};
    l.Proponi(a, 2);
    l.Proponi(b, 2);
    l.Proponi(c, 2);
    l.Proponi(d, 2); // tied at the cut-off: replaces c
    l.Proponi(e, 1); // fewer hits than the last row: left out
    const auto& r = l.Righe();
    EXPECT_EQ(r[0].formula, a);
    EXPECT_EQ(r[1].formula, b);
    EXPECT_EQ(r[2].formula, d);
    l.Proponi(e, 3);
    EXPECT_EQ(l.Righe()[0].formula, e);
    EXPECT_EQ(l.Righe()[1].formula, a);
    EXPECT_EQ(l.Righe()[2].formula, b);
}

TEST(ElaboraStrovel, ConsideraAbbassataEMancanzaDiRuote) {
    auto a = test::ArchivioCasuale(300, 2);
    ParametriStrovel p = Tutte(300);
    p.considera = 25;
    p.durata = 18;
    auto e = ElaboraStrovel(*a, p);
    EXPECT_EQ(e.parametri.considera, 18);
    EXPECT_FALSE(e.mancanoRuote);
    p.gioco.fill(false);
    e = ElaboraStrovel(*a, p);
    EXPECT_TRUE(e.mancanoRuote);
    EXPECT_EQ(e.cicli.size(), 15u); // the cycles are laid all the same
    EXPECT_TRUE(e.formule.empty());
}

TEST(ElaboraStrovel, StopRiferimentoEscludeLeEstrazioniSuccessive) {
    auto a = test::ArchivioCasuale(400, 3);
    ParametriStrovel p = Tutte(380);
    p.elenco = 100;
    p.stop = true;
    const auto conStop = ElaboraStrovel(*a, p);
    // The most recent cycle's play window starts after ref: never a hit, always negative.
    for (const RigaFormula& r : conStop.formule) {
        ASSERT_TRUE(r.formula);
        EXPECT_LE(r.p1, 14);
        EXPECT_LE(*r.p2, 14);
    }
    // Without the stop it is judged on the draws after ref, which exist.
    p.stop = false;
    const auto senza = ElaboraStrovel(*a, p);
    EXPECT_GT(senza.formule[0].p1, conStop.formule[0].p1);
}

/// Runs the fast computation and the oracle and compares every column.
void Confronta(const Archivio& a, const ParametriStrovel& p, bool tutte, bool perRitardo) {
    const EsitoStrovel veloce =
        tutte ? EsaminaTutteLeOperazioni(a, p, perRitardo) : ElaboraStrovel(a, p, perRitardo);
    const EsitoStrovel lento = tutte ? oracolo::EsaminaTutteLeOperazioni(a, p, perRitardo)
                                     : oracolo::ElaboraStrovel(a, p, perRitardo);
    ASSERT_EQ(veloce.formule.size(), lento.formule.size());
    for (std::size_t r = 0; r < veloce.formule.size(); ++r) {
        ASSERT_EQ(veloce.formule[r], lento.formule[r]) << "riga " << r;
    }
    EXPECT_EQ(TabellaFormule(veloce.formule).Tsv(), TabellaFormule(lento.formule).Tsv());
    EXPECT_EQ(veloce.previsioni, lento.previsioni);
    EXPECT_EQ(veloce.cicli.size(), lento.cicli.size());
}

TEST(StrovelControOracolo, ValoriCheNonSonoNumeriDelLotto) {
    // Texts like "99" or "-5" decode to values outside 1..90: they never hit and, as the
    // considered number, count as no number.
    auto a = test::ArchivioCasuale(200, 9);
    for (int i = 150; i <= 200; i += 3) {
        a->Estratti(i, 0, 1) = 99;
        a->Estratti(i, 1, 2) = -5;
        a->Estratti(i, 2, 3) = 0;
    }
    a->CostruisciPresenze();
    for (const char op : {'+', '-', 'X', 'V'}) {
        ParametriStrovel p = Tutte(195);
        p.cicli = 8;
        p.durata = 5;
        p.considera = 5;
        p.operazione = static_cast<Operazione>(op);
        Confronta(*a, p, false, false);
    }
}

TEST(StrovelControOracolo, ArchiviCasuali) {
    std::mt19937 gen(77);
    for (int prova = 0; prova < 6; ++prova) {
        SCOPED_TRACE(prova);
        const int n = 150 + static_cast<int>(gen() % 250);
        auto a = test::ArchivioCasuale(n, gen());
        ParametriStrovel p;
        p.riferimento = n - static_cast<int>(gen() % 20);
        p.cicli = 1 + static_cast<int>(gen() % 20);
        p.durata = 1 + static_cast<int>(gen() % 20);
        p.considera = 1 + static_cast<int>(gen() % 25);
        p.salto = static_cast<int>(gen() % 4);
        p.colpi = 1 + static_cast<int>(gen() % 18);
        p.elenco = 20 + 10 * static_cast<int>(gen() % 9);
        p.operazione = *OperazioneDaVoce(VociOperazione[gen() % 6]);
        p.stop = gen() % 2 == 0;
        for (int r = 0; r < 11; ++r) {
            p.rilevazione[static_cast<std::size_t>(r)] = gen() % 3 == 0;
            p.gioco[static_cast<std::size_t>(r)] = gen() % 3 == 0;
        }
        p.rilevazione[gen() % 11] = true;
        p.gioco[gen() % 11] = true;
        Confronta(*a, p, prova == 5, prova % 2 == 1);
    }
}

} // namespace
} // namespace strovel

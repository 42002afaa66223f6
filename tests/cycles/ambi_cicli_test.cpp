// The ambo cycle module: ELABORA and the groups of ambi against their line-by-line oracles, and
// on archives set by hand the rules a player relies on.

#include "core/archivio.h"
#include "cycles/ambi/ambi_cicli.h"
#include "cycles/ambi/ambi_cicli_sessione.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/ciclo2_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <random>

namespace strovel {
namespace {

using test::ArchivioPiatto;
using test::Metti;

oracolo::Griglia Testi(const Tabella& t, bool intestazione = true, std::size_t da = 0) {
    oracolo::Griglia g;
    if (intestazione) {
        g.push_back(t.intestazioni);
    }
    for (const auto& riga : t.righe) {
        std::vector<std::string> testi;
        for (std::size_t c = da; c < riga.size(); ++c) {
            testi.push_back(riga[c].testo);
        }
        g.push_back(testi);
    }
    return g;
}

ParametriAmbiCicli Parametri(int riferimento, int cicli, int durata,
                             std::array<bool, 11> ruote = test::TutteLeRuote) {
    ParametriAmbiCicli p;
    p.riferimento = riferimento;
    p.cicli = cicli;
    p.durata = durata;
    p.ruote = ruote;
    return p;
}

void Confronta(const Archivio& a, const ParametriAmbiCicli& p, const NumeriScelti& scelti,
               bool decrescente) {
    ElaborazioneAmbi e = ContaAmbi(a, p, AmbiDi(scelti));
    if (decrescente) {
        OrdinaPerCC(e.ambi);
    }
    const oracolo::Griglia fg1 = oracolo::ElaboraAmbiCicli(a, p.riferimento, p.cicli, p.durata,
                                                           p.ruote, scelti, decrescente);
    ASSERT_EQ(Testi(TabellaAmbiCicli(e, true)), fg1);
    for (int membri : {2, 3}) {
        SCOPED_TRACE(membri);
        ASSERT_EQ(Testi(TabellaGruppi(e.ambi, MiglioriGruppi(e.ambi, membri)), false, 1),
                  oracolo::GruppiAmbiCicli(fg1, membri));
    }
}

TEST(AmbiCicliOracolo, ArchiviCasuali) {
    for (std::uint64_t seme : {5u, 6u, 7u}) {
        const auto a = test::ArchivioCasuale(600, seme);
        std::mt19937 gen(static_cast<unsigned>(seme));
        auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
        for (int prova = 0; prova < 5; ++prova) {
            SCOPED_TRACE("seme " + std::to_string(seme) + " prova " + std::to_string(prova));
            std::array<bool, 11> ruote{};
            for (bool& r : ruote) {
                r = tra(0, 3) > 0;
            }
            // Few numbers and short cycles give many ties at the cut-off of the groups.
            NumeriScelti scelti{};
            const int quanti = tra(2, 14);
            for (int k = 0; k < quanti; ++k) {
                scelti[static_cast<std::size_t>(tra(1, 90))] = true;
            }
            const int ref = prova == 0 ? tra(1, 80) : tra(300, a->TotEstrazioni);
            Confronta(*a, Parametri(ref, tra(1, 100), tra(1, 20), ruote), scelti, prova % 2 == 1);
        }
    }
}

TEST(AmbiCicliOracolo, ArchivioReale) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    NumeriScelti scelti{};
    for (int n = 3; n <= 90; n += 5) {
        scelti[static_cast<std::size_t>(n)] = true;
    }
    Confronta(*a, Parametri(a->TotEstrazioni, 100, 18), scelti, true);
    Confronta(*a, Parametri(a->TotEstrazioni - 500, 40, 9, test::SoloRuote({0, 4, 9})), scelti,
              false);
}

TEST(AmbiCicli, CicliEConteggi) {
    auto a = ArchivioPiatto(1000);
    // Durata 18, 15 cycles, ref 1000: cycle 1 is 983..1000, cycle 15 731..748.
    const auto cicli = CicliConsecutivi(1000, 15, 18);
    ASSERT_EQ(cicli.size(), 15u);
    EXPECT_EQ(cicli[0], (CicloAmbi{1, 983, 1000}));
    EXPECT_EQ(cicli[14], (CicloAmbi{15, 731, 748}));
    // Fewer cycles fit than requested: the missing cycles' columns stay empty.
    EXPECT_EQ(CicliConsecutivi(40, 15, 18).size(), 2u);

    // The same ambo on two wheels of one draw counts 2 there.
    Metti(*a, 990, 0, {7, 9, 1, 2, 3});
    Metti(*a, 990, 10, {9, 7, 4, 5, 6});
    Metti(*a, 35, 3, {7, 9, 4, 5, 6});
    a->CostruisciPresenze();
    NumeriScelti due{};
    due[7] = due[9] = true;
    ElaborazioneAmbi e = ContaAmbi(*a, Parametri(1000, 15, 18), AmbiDi(due));
    ASSERT_EQ(e.ambi.size(), 1u);
    EXPECT_EQ(e.ambi[0].volte[0], 2);
    EXPECT_EQ(e.ambi[0].cc, 1);
    EXPECT_EQ(e.ambi[0].np, 2);
    e = ContaAmbi(*a, Parametri(40, 15, 18), AmbiDi(due));
    const Tabella fg1 = TabellaAmbiCicli(e, true);
    ASSERT_EQ(fg1.Colonne(), 5 + 15);
    EXPECT_EQ(fg1.intestazioni[5], "1");
    EXPECT_EQ(fg1.righe[0][5].testo, "1"); // cycle 1 is 23..40, cycle 2 5..22
    EXPECT_EQ(fg1.righe[0][5 + 1].testo, "");
    EXPECT_EQ(fg1.righe[0][5 + 2].testo, "");
    // No wheel: everything 0.
    e = ContaAmbi(*a, Parametri(1000, 15, 18, {}), AmbiDi(due));
    EXPECT_EQ(e.ambi[0].cc + e.ambi[0].np, 0);
    // Counted wheel by wheel, an ambo has a row per selected wheel.
    e = ContaAmbi(*a, Parametri(1000, 15, 18, test::SoloRuote({0, 3, 10})), AmbiDi(due), true);
    ASSERT_EQ(e.ambi.size(), 3u);
    EXPECT_EQ(e.ambi[0].np, 1);
    EXPECT_EQ(e.ambi[1].np, 0);
    EXPECT_EQ(TabellaAmbiCicli(e, false).righe[2][5].testo, "NZ");
}

TEST(AmbiCicli, ElenchiEFormazioni) {
    NumeriScelti primo{}, secondo{};
    primo[5] = true;
    secondo[5] = secondo[3] = secondo[80] = true;
    EXPECT_EQ(AmbiFraElenchi(primo, secondo), (std::vector<std::pair<int, int>>{{3, 5}, {5, 80}}));
    const NumeriScelti decina = Formazione('D', 0);
    EXPECT_TRUE(decina[90]);
    EXPECT_TRUE(decina[9]);
    EXPECT_FALSE(decina[10]);
    EXPECT_EQ(AmbiDi(Formazione('C', 5)).size(), 36u);
    EXPECT_EQ(AmbiDi(Formazione('F', 0)).size(), 0u);
}

/// An ambo row with the given cycles out (1-based) among `cicli`.
AmboNeiCicli Ambo(int n1, int n2, std::initializer_list<int> usciti, int cicli = 10) {
    AmboNeiCicli r;
    r.n1 = n1;
    r.n2 = n2;
    r.volte.assign(static_cast<std::size_t>(cicli), 0);
    for (int c : usciti) {
        r.volte[static_cast<std::size_t>(c - 1)] = 1;
        ++r.cc;
        ++r.np;
    }
    return r;
}

TEST(AmbiCicli, GruppiLimitiEParita) {
    // Three rows covering {1,2}, {3}, {1,2}: the pairs cover 3, 2 and 3 cycles; the list has
    // 200 rows, so all three fit.
    std::vector<AmboNeiCicli> ambi = {Ambo(1, 2, {1, 2}), Ambo(1, 3, {3}), Ambo(2, 3, {1, 2})};
    const auto g = MiglioriGruppi(ambi, 2);
    ASSERT_EQ(g.size(), 200u);
    ASSERT_TRUE(g[0] && g[1] && g[2]);
    EXPECT_FALSE(g[3]);
    // Equal counts keep the order met: (0,1) and (1,2) cover 3, then (0,2) covers 2.
    EXPECT_EQ(g[0]->righe, (std::array<int, 3>{0, 1, -1}));
    EXPECT_EQ(g[1]->righe, (std::array<int, 3>{1, 2, -1}));
    EXPECT_EQ(g[2]->cc, 2);

    // Only the first 150 rows (pairs) or 60 (triples) are used.
    std::vector<AmboNeiCicli> molti;
    for (int i = 0; i < 160; ++i) {
        molti.push_back(Ambo(1, 2, {i < 150 ? 1 : 2}));
    }
    const auto coppie = MiglioriGruppi(molti, 2);
    EXPECT_EQ(coppie[0]->cc, 1);
    // Among 11,175 equal pairs the first 199 keep their rows and the cut-off row holds the
    // last one met.
    EXPECT_EQ(coppie[0]->righe, (std::array<int, 3>{0, 1, -1}));
    EXPECT_EQ(coppie[198]->righe, (std::array<int, 3>{1, 51, -1}));
    EXPECT_EQ(coppie[199]->righe, (std::array<int, 3>{148, 149, -1}));
    molti[60] = Ambo(5, 6, {9});
    EXPECT_EQ(MiglioriGruppi(molti, 3)[0]->cc, 1);
    molti[59] = Ambo(5, 6, {8});
    EXPECT_EQ(MiglioriGruppi(molti, 3)[0]->cc, 2);

    const Tabella fg9 = TabellaGruppi(ambi, g);
    EXPECT_EQ(fg9.righe.size(), 200u);
    EXPECT_EQ(fg9.righe[0][3].testo, "1");
    EXPECT_EQ(fg9.righe[0][7].testo, "3");
    EXPECT_EQ(fg9.righe[3][7].testo, "");
}

TEST(AmbiCicli, CopertureNegativeECapogioco) {
    std::vector<AmboNeiCicli> ambi = {Ambo(1, 2, {1, 2}), Ambo(1, 3, {3, 4, 5}),
                                      Ambo(2, 3, {1, 2, 3}), Ambo(4, 5, {6})};
    EXPECT_EQ(MiglioriCoperture(ambi), (std::vector<std::pair<int, int>>{{1, 3}, {0, 5}, {3, 6}}));
    // Cycles past the 64th count as well as the first ones.
    const std::vector<AmboNeiCicli> lunghi = {
        Ambo(1, 2, {70, 71, 72}, 100), Ambo(1, 3, {70, 71, 72, 5}, 100), Ambo(2, 3, {80, 90}, 100)};
    EXPECT_EQ(MiglioriCoperture(lunghi), (std::vector<std::pair<int, int>>{{1, 4}, {2, 6}}));
    EXPECT_EQ(MiglioriGruppi(lunghi, 2)[0]->cc, 6);
    const Tabella fg6 = TabellaCoperture(lunghi, MiglioriCoperture(lunghi));
    ASSERT_EQ(fg6.righe.size(), 2u);
    EXPECT_EQ(fg6.righe[0][0].testo, "1");
    EXPECT_EQ(fg6.righe[0][2].testo, "3");
    EXPECT_EQ(fg6.righe[1][1].testo, "2");
    EXPECT_EQ(fg6.righe[1][7].testo, "6");
    // The last negative cycles: cycles 1..n all 0, the oldest laid cycle never counted.
    EXPECT_TRUE(UltimeNegative(ambi[3], 5, 10));
    EXPECT_FALSE(UltimeNegative(ambi[3], 6, 10));
    EXPECT_FALSE(UltimeNegative(ambi[3], 5, 5));
    EXPECT_FALSE(UltimeNegative(ambi[3], 0, 10));

    auto a = ArchivioPiatto(100);
    Metti(*a, 95, 2, {1, 2, 3, 4, 5});
    Metti(*a, 96, 2, {3, 40, 41, 42, 43});
    a->CostruisciPresenze();
    ElaborazioneAmbi e = ContaAmbi(*a, Parametri(100, 3, 10), {{1, 3}, {2, 3}, {4, 9}});
    const std::vector<Capogioco> capi = Capigioco(*a, e);
    ASSERT_EQ(capi.size(), 5u);
    EXPECT_EQ(capi[0].numero, 3);
    EXPECT_EQ(capi[0].ambi, 2);
    EXPECT_EQ(capi[0].cc, 1);
    EXPECT_EQ(capi[0].np, 2);
    const Tabella uscite = TabellaUsciteAmbo(*a, e, 0);
    ASSERT_EQ(uscite.righe.size(), 1u);
    EXPECT_EQ(uscite.righe[0][1].testo, "95");
    EXPECT_EQ(uscite.righe[0][3].testo, "FI");
}

TEST(AmbiCicli, Sessione) {
    auto a = ArchivioPiatto(200);
    Metti(*a, 150, 0, {1, 2, 3, 4, 5});
    a->CostruisciPresenze();
    SessioneAmbiCicli s(*a);
    NumeriScelti scelti{};
    scelti[1] = true;
    EXPECT_EQ(s.Elabora(Parametri(200, 10, 10), scelti, false),
              "Attenzione ! bisogna selezionare almeno 2 numeri.");
    EXPECT_FALSE(s.Elaborato());
    EXPECT_EQ(s.ElaboraDueElenchi(Parametri(200, 10, 10), {}, scelti, false),
              "Attenzione ! bisogna selezionare almeno un numero nel primo elenco.");
    scelti[2] = scelti[81] = scelti[82] = true;
    ASSERT_EQ(s.Elabora(Parametri(200, 10, 10), scelti, true), "");
    // By CC: 81-82 (10 cycles) first, then 1-2 (cycle 6), then the rest in order.
    ASSERT_EQ(s.Ambi().ambi.size(), 6u);
    EXPECT_EQ(s.Ambi().ambi[0].n1, 81);
    EXPECT_EQ(s.Ambi().ambi[1].n1, 1);
    EXPECT_EQ(s.Evidenzia(5), 5); // 1-2 came out in cycle 6 only; 1-81 .. 2-82 never
    EXPECT_TRUE(s.TabellaAmbi().righe[1][0].stile.sfondo == ColoreRosso);
    EXPECT_FALSE(s.TabellaAmbi().righe[0][0].stile.sfondo.has_value());

    // The second tab: the highlighted ambi, or typed ones, or the first rows.
    ASSERT_EQ(s.ElaboraSecondo(Parametri(200, 5, 20), {}, false, true), "");
    EXPECT_EQ(s.AmbiInEsame().size(), 5u);
    EXPECT_EQ(s.ElaboraSecondo(Parametri(200, 5, 20), {{3, 3}}, false, false),
              "Attenzione ! ambo non valido: 3-3 (due numeri diversi da 1 a 90).");
    ASSERT_EQ(s.ElaboraSecondo(Parametri(200, 5, 20), {{5, 1}, {1, 5}}, true, false), "");
    EXPECT_EQ(s.AmbiInEsame(), (std::vector<std::pair<int, int>>{{1, 5}}));
    EXPECT_EQ(s.Secondo().ambi.size(), 11u); // one row per wheel
    EXPECT_EQ(s.AmbiSecondo().righe[0][3].testo, "1");
    EXPECT_EQ(s.Capigioco_().righe.size(), 2u);

    // Deleting a row removes it from the groups and its highlight with it.
    ASSERT_TRUE(s.Elimina(1));
    EXPECT_FALSE(s.Elimina(5));
    EXPECT_EQ(s.Ambi().ambi.size(), 5u);
    EXPECT_EQ(std::count(s.Evidenziati().begin(), s.Evidenziati().end(), true), 4);
    EXPECT_EQ(s.Coperture(true).righe.size(), 0u);
    EXPECT_EQ(s.Coperture(false).righe.size(), 1u);
}

} // namespace
} // namespace strovel

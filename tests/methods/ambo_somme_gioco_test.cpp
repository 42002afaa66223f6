// The play of the ambo by sums and differences: the four versions and the play options on
// hand-made draws, the mask play against the plain one, and the two grids.

#include "core/archivio.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/ambo_somme/ambo_somme_tabelle.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/ambo_somme_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace strovel {
namespace {

using test::ArchivioPiatto;
using test::Metti;
using V = VersioneAmbo;

/// A case found in draw 10 on Bari and Cagliari giving A1 10, A2 20, B1 30, B2 40.
CasoAmbo Caso(int estrazione = 10) {
    CasoAmbo c;
    c.estrazione = estrazione;
    c.r1 = 0;
    c.r2 = 1;
    c.a1 = 10;
    c.a2 = 20;
    c.b1 = 30;
    c.b2 = 40;
    return c;
}

OpzioniGiocoAmbo Opzioni(V v, bool ambata = true) {
    OpzioniGiocoAmbo o;
    o.versione = v;
    o.ambata = ambata;
    return o;
}

TEST(GiocoAmbo, AmbataEAmbiPerVersione) {
    auto a = ArchivioPiatto(40);
    Metti(*a, 13, 1, {1, 2, 10, 3, 4});  // A1 on Cagliari at colpo 3
    Metti(*a, 14, 1, {20, 30, 1, 2, 3}); // A2-B1 on Cagliari at colpo 4
    Metti(*a, 15, 0, {1, 30, 2, 40, 3}); // B1-B2 on Bari at colpo 5
    Metti(*a, 16, 4, {10, 30, 1, 2, 3}); // A1-B1 on Milano at colpo 6
    a->CostruisciPresenze();

    EsitoAmbo e = GiocaAmbo(*a, Caso(), Opzioni(V::Versione1));
    EXPECT_EQ(e.colpo, 3);
    EXPECT_EQ(e.estrazione, 13);
    EXPECT_EQ(e.fineA, 13);
    EXPECT_TRUE(e.ambata);
    EXPECT_FALSE(e.ambiIn);
    EXPECT_EQ(e.ambate, (std::vector<VincitaAmbo>{{"CA", {10}}}));
    EXPECT_EQ(e.classe, Classe::Positivo);

    // Without the ambata: version 1 does not play A2, so its first hit is B1-B2, an ambo in
    // three but not one of the ambi of A1; version 2 wins the ambo A2-B1 a colpo earlier.
    e = GiocaAmbo(*a, Caso(), Opzioni(V::Versione1, false));
    EXPECT_EQ(e.colpo, 5);
    EXPECT_TRUE(e.ambiIn);
    EXPECT_FALSE(e.ambi);
    EXPECT_FALSE(e.ambata);
    EXPECT_EQ(TestoVincite(e.ambiUsciti), "BA - 30 40");
    e = GiocaAmbo(*a, Caso(), Opzioni(V::Ver2Old, false));
    EXPECT_EQ(e.colpo, 4);
    EXPECT_TRUE(e.ambi);
    EXPECT_EQ(TestoVincite(e.ambiUsciti), "CA - 20 30");

    // "Ambi a tutte": the ambo A1-B1 on Milano wins; the ambata is never played there.
    Metti(*a, 13, 1, {1, 2, 3, 4, 5});
    Metti(*a, 14, 1, {1, 2, 3, 4, 5});
    Metti(*a, 15, 0, {1, 2, 3, 4, 5});
    Metti(*a, 12, 4, {10, 1, 2, 3, 4});
    a->CostruisciPresenze();
    OpzioniGiocoAmbo o = Opzioni(V::Versione1);
    EXPECT_EQ(GiocaAmbo(*a, Caso(), o).colpo, 0);
    o.ambiATutte = true;
    e = GiocaAmbo(*a, Caso(), o);
    EXPECT_EQ(e.colpo, 6);
    EXPECT_TRUE(e.ambi);
    EXPECT_FALSE(e.ambata);
    EXPECT_EQ(TestoVincite(e.ambiUsciti), "MI - 10 30");
}

TEST(GiocoAmbo, AmbataA2TerniQuaterneEAmbiFraLeRuote) {
    auto a = ArchivioPiatto(40);
    Metti(*a, 11, 0, {20, 1, 2, 3, 4}); // A2 on Bari
    a->CostruisciPresenze();
    EXPECT_EQ(GiocaAmbo(*a, Caso(), Opzioni(V::Versione1)).colpo, 0);
    EsitoAmbo e = GiocaAmbo(*a, Caso(), Opzioni(V::Versione2));
    EXPECT_EQ(e.colpo, 1);
    EXPECT_EQ(TestoVincite(e.ambate), "BA - 20");

    Metti(*a, 11, 1, {40, 30, 20, 10, 1}); // all four on Cagliari
    a->CostruisciPresenze();
    e = GiocaAmbo(*a, Caso(), Opzioni(V::Versione2));
    EXPECT_TRUE(e.ambata && e.ambi && e.ambiIn && e.terni && e.quaterne);
    EXPECT_EQ(TestoVincite(e.ambate), "BA - 20  CA - 10 20");
    EXPECT_EQ(TestoVincite(e.terniPiu), "CA - 10 20 30 40");
    e = GiocaAmbo(*a, Caso(), Opzioni(V::Versione1));
    EXPECT_TRUE(e.terni);
    EXPECT_FALSE(e.quaterne);
    EXPECT_EQ(TestoVincite(e.terniPiu), "CA - 10 30 40");

    // B1 on Bari and B2 on Cagliari: an ambo between the two wheels only without "Ambi su
    // ruota", and never in the old versions.
    Metti(*a, 11, 0, {30, 1, 2, 3, 4});
    Metti(*a, 11, 1, {1, 2, 3, 4, 40});
    a->CostruisciPresenze();
    OpzioniGiocoAmbo o = Opzioni(V::Versione1, false);
    EXPECT_EQ(GiocaAmbo(*a, Caso(), o).colpo, 0);
    o.ambiSuRuota = false;
    e = GiocaAmbo(*a, Caso(), o);
    EXPECT_EQ(e.colpo, 1);
    EXPECT_EQ(TestoVincite(e.ambiUsciti), "BA+CA - 30 40");
    o.versione = V::Ver1Old;
    EXPECT_EQ(GiocaAmbo(*a, Caso(), o).colpo, 0);
}

TEST(GiocoAmbo, CasiInCorsoENumeriRipetuti) {
    auto a = ArchivioPiatto(20);
    OpzioniGiocoAmbo o = Opzioni(V::Versione1);
    // Colpi 9: the case of draw 11 ends exactly at the last draw; those of 12 and 20 run on.
    EXPECT_EQ(GiocaAmbo(*a, Caso(11), o).classe, Classe::Negativo);
    EsitoAmbo e = GiocaAmbo(*a, Caso(12), o);
    EXPECT_EQ(e.classe, Classe::InGioco);
    EXPECT_EQ(e.fineA, 20);
    e = GiocaAmbo(*a, Caso(20), o);
    EXPECT_EQ(e.classe, Classe::InGioco);
    EXPECT_EQ(e.colpo, 0);

    // A1 equal to B1 is played once, and is no ambo with itself.
    CasoAmbo c = Caso();
    c.b1 = c.a1;
    EXPECT_EQ(NumeriGiocati(c, V::Versione1), (std::vector<int>{10, 40}));
    EXPECT_EQ(NumeriGiocati(Caso(), V::Versione2), (std::vector<int>{10, 20, 30, 40}));
    Metti(*a, 11, 0, {10, 1, 2, 3, 4});
    a->CostruisciPresenze();
    e = GiocaAmbo(*a, c, o);
    EXPECT_TRUE(e.ambata);
    EXPECT_FALSE(e.ambi || e.ambiIn);

    // The old versions never take Bari and Venezia as adjacent.
    FiltroAmbo f;
    f.baVeAdiacenti = true;
    EXPECT_TRUE(FiltroEffettivo(f, V::Versione2).baVeAdiacenti);
    EXPECT_FALSE(FiltroEffettivo(f, V::Ver2Old).baVeAdiacenti);
}

TEST(GiocoAmboOracolo, ArchiviCasualiEReale) {
    const auto a = test::ArchivioCasuale(1200, 31);
    std::mt19937 gen(31);
    auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
    const auto casi = CercaAmbi(*a, FiltroAmbo::Tutto(), 1, a->TotEstrazioni);
    ASSERT_GT(casi.size(), 300u);
    for (const CasoAmbo& c : casi) {
        OpzioniGiocoAmbo o;
        o.versione = static_cast<V>(tra(0, 3));
        o.colpi = tra(1, 60);
        o.ambata = tra(0, 2) > 0;
        o.ambiATutte = tra(0, 2) == 0;
        o.ambiSuRuota = tra(0, 1) == 0;
        ASSERT_EQ(GiocaAmbo(*a, c, o), oracolo::GiocaAmbo(*a, c, o)) << c.estrazione;
    }
    const Archivio* reale = test::ArchivioReale();
    if (reale == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    for (const CasoAmbo& c : CercaAmbi(*reale, FiltroAmbo::Tutto(), 1, reale->TotEstrazioni)) {
        const OpzioniGiocoAmbo o = Opzioni(V::Versione2, false);
        ASSERT_EQ(GiocaAmbo(*reale, c, o), oracolo::GiocaAmbo(*reale, c, o)) << c.estrazione;
    }
}

TEST(GiocoAmbo, GriglieDeiCasiEDelRiepilogo) {
    auto a = ArchivioPiatto(30);
    // 40-70 in draws 1 and 10 on Bari and Cagliari: A1 50, A2 80, B1 20, B2 30.
    Metti(*a, 10, 0, {40, 1, 70, 2, 3});
    Metti(*a, 10, 1, {4, 70, 5, 40, 6});
    Metti(*a, 1, 0, {40, 1, 70, 2, 3});
    Metti(*a, 1, 1, {4, 70, 5, 40, 6});
    Metti(*a, 12, 1, {1, 2, 3, 4, 50}); // A1 at colpo 2 of the case of draw 10
    a->CostruisciPresenze();
    FiltroAmbo f = FiltroAmbo::Tutto();
    f.ruote = test::SoloRuote({0, 1});
    const auto casi = CercaAmbi(*a, f, 1, 30);
    ASSERT_EQ(casi.size(), 2u);
    const OpzioniGiocoAmbo o = Opzioni(V::Versione1);
    std::vector<EsitoAmbo> esiti;
    for (const CasoAmbo& c : casi) {
        esiti.push_back(GiocaAmbo(*a, c, o));
    }
    Tabella t = TabellaCasiSomme(*a, casi, esiti, o, true);
    ASSERT_EQ(t.Colonne(), 32);
    ASSERT_EQ(t.righe.size(), 2u);
    const auto testi = [&](int r, int da, int n) {
        std::vector<std::string> v;
        for (int c = da; c < da + n; ++c) {
            v.push_back(t.righe[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)].testo);
        }
        return v;
    };
    EXPECT_EQ(testi(0, 0, 9),
              (std::vector<std::string>{"1", "10", a->Data(10), "9", "11", "19", "12", "0", "BA"}));
    EXPECT_EQ(testi(0, 9, 5), (std::vector<std::string>{"40", "1", "70", "2", "3"}));
    EXPECT_EQ(testi(0, 14, 9),
              (std::vector<std::string>{"10", a->Data(10), "1", "CA", "4", "70", "5", "40", "6"}));
    EXPECT_EQ(testi(0, 23, 9),
              (std::vector<std::string>{"50", "80", "20", "30", "", "2", "CA - 50", "", ""}));
    EXPECT_EQ(t.righe[0][0].stile.sfondo, ColorePositivo);
    EXPECT_EQ(t.righe[0][9].stile.sfondo, ColoreAmbo);
    EXPECT_FALSE(t.righe[0][10].stile.sfondo.has_value());
    EXPECT_EQ(t.righe[0][24].stile.testo, ColoreNonGiocato);
    EXPECT_EQ(t.righe[1][ColonnaDep].testo, ""); // the oldest case
    EXPECT_EQ(t.righe[1][0].stile.sfondo, std::nullopt);
    // Without "Visualizza tutti i numeri" only the ambo shows.
    t = TabellaCasiSomme(*a, casi, esiti, o, false);
    EXPECT_EQ(testi(0, 9, 5), (std::vector<std::string>{"40", "", "70", "", ""}));

    const RiepilogoAmbo r = RiassumiAmbo(esiti);
    EXPECT_EQ(r, (RiepilogoAmbo{{2, 1, 1, 0}, 1, 0, 0, 0, 0}));
    const Tabella uno = TabellaRiepilogoSomme(r, V::Versione1);
    const Tabella due = TabellaRiepilogoSomme(r, V::Ver2Old);
    std::vector<std::string> titoli;
    for (const auto& riga : uno.righe) {
        titoli.push_back(riga[0].testo);
    }
    EXPECT_EQ(titoli, (std::vector<std::string>{"Ambate", "Ambi", "Ambi in 3", "Terni", "Positivi",
                                                "Negativi", "In corso"}));
    ASSERT_EQ(due.righe.size(), 8u);
    EXPECT_EQ(due.righe[2][0].testo, "Ambi in 4");
    EXPECT_EQ(due.righe[4][0].testo, "Quaterne");
    EXPECT_EQ(uno.righe[0][2].testo, "50.0");
    EXPECT_EQ(uno.righe[5][1].testo, "1");
    EXPECT_EQ(TabellaRiepilogoSomme(RiepilogoAmbo{}, V::Versione1).righe[0][2].testo, "");
}

TEST(GiocoAmbo, ProbabilitaDelCaso) {
    const CasoAmbo c = Caso(); // four different numbers
    const double s0 = ProbabilitaSottoinsieme(3, 0), s1 = ProbabilitaSottoinsieme(3, 1);
    // Version 1 on one wheel misses when A1 stays out and at most one of B1, B2 comes.
    const double m = s0 + 2 * s1;
    EXPECT_NEAR(ProbabilitaEstrazioneAmbo(c, Opzioni(V::Versione1)), 1 - m * m, 1e-12);
    // Without the ambata: fewer than two of the three on each wheel.
    const double senza = 1 - ProbabilitaEstrazione(3, 2);
    EXPECT_NEAR(ProbabilitaEstrazioneAmbo(c, Opzioni(V::Versione1, false)), 1 - senza * senza,
                1e-12);
    // Between the two wheels: the union of what they bring out holds at most one number.
    OpzioniGiocoAmbo o = Opzioni(V::Versione1, false);
    o.ambiSuRuota = false;
    const double unione = s0 * s0 + 3 * ((s0 + s1) * (s0 + s1) - s0 * s0);
    EXPECT_NEAR(ProbabilitaEstrazioneAmbo(c, o), 1 - unione, 1e-12);
    o.versione = V::Ver1Old; // the old versions never play between the wheels
    EXPECT_NEAR(ProbabilitaEstrazioneAmbo(c, o), 1 - senza * senza, 1e-12);
    // Every wheel for the ambi: nine more wheels must stay below an ambo.
    o = Opzioni(V::Versione2, false);
    o.ambiATutte = true;
    const double quattro = 1 - ProbabilitaEstrazione(4, 2);
    EXPECT_NEAR(ProbabilitaEstrazioneAmbo(c, o), 1 - std::pow(quattro, 11), 1e-12);

    // On a random archive the plays hit as often as the formula says (three standard errors).
    const auto a = test::ArchivioCasuale(3000, 5);
    const auto casi = CercaAmbi(*a, FiltroAmbo::Tutto(), 1, a->TotEstrazioni - 60);
    for (const V v : {V::Versione1, V::Versione2}) {
        o = Opzioni(v);
        o.colpi = 3;
        o.ambiATutte = v == V::Versione2;
        std::vector<EsitoAmbo> esiti;
        for (const CasoAmbo& caso : casi) {
            esiti.push_back(GiocaAmbo(*a, caso, o));
        }
        const Confronto conf = ConfrontaAmbi(casi, esiti, o);
        const int n = static_cast<int>(casi.size());
        const double p = conf.attesi / n;
        EXPECT_NEAR(static_cast<double>(conf.positivi) / n, p, 3 * std::sqrt(p * (1 - p) / n))
            << static_cast<int>(v);
        EXPECT_EQ(conf.positivi, RiassumiAmbo(esiti).positivi);
    }
}

} // namespace
} // namespace strovel

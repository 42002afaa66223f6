// The ambo by sums and differences: the search against the loops of its description, and the
// rules a player relies on.

#include "core/archivio.h"
#include "methods/ambo_somme/ambo_somme.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/ambo_somme_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <random>

namespace strovel {
namespace {

using test::ArchivioPiatto;
using test::Metti;

TEST(AmboSommeOracolo, ArchiviCasualiEReale) {
    const auto a = test::ArchivioCasuale(1500, 77);
    std::mt19937 gen(77);
    auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
    for (int prova = 0; prova < 20; ++prova) {
        SCOPED_TRACE(prova);
        FiltroAmbo f = FiltroAmbo::Tutto();
        for (bool& r : f.ruote) {
            r = tra(0, 5) > 0;
        }
        for (bool& q : f.posizioni) {
            q = tra(0, 5) > 0;
        }
        for (int n = 1; n <= 90; ++n) {
            f.somme[static_cast<std::size_t>(n)] = tra(0, 4) > 0;
            f.differenze[static_cast<std::size_t>(n)] = tra(0, 4) > 0;
        }
        f.decine[static_cast<std::size_t>(tra(0, 9))] = prova % 3 != 0;
        f.figure[static_cast<std::size_t>(tra(0, 9))] = prova % 4 != 0;
        f.ordineR1 = static_cast<Ordine>(tra(0, 2));
        f.ordineR2 = static_cast<Ordine>(tra(0, 2));
        f.posizioneEsatta = tra(0, 2) == 0;
        f.adiacenti1 = tra(0, 3) == 0;
        f.adiacenti2 = tra(0, 3) == 0;
        for (bool& r : f.relazioni) {
            r = tra(0, 2) == 0;
        }
        f.baVeAdiacenti = tra(0, 1) == 0;
        f.isotopia = tra(0, 3) == 0;
        f.distanzaMaggiore = tra(0, 2) == 0;
        f.distanzaMinore = tra(0, 2) == 0;
        f.massimoCasi = tra(0, 1) == 0 ? tra(0, 40) : LimiteCasiAmbo;
        const int fine = tra(1, a->TotEstrazioni);
        const int inizio = tra(1, fine);
        ASSERT_EQ(CercaAmbi(*a, f, inizio, fine), oracolo::CercaAmbi(*a, f, inizio, fine));
    }
    const Archivio* reale = test::ArchivioReale();
    if (reale == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    const FiltroAmbo tutto = FiltroAmbo::Tutto();
    ASSERT_EQ(CercaAmbi(*reale, tutto, 1, reale->TotEstrazioni),
              oracolo::CercaAmbi(*reale, tutto, 1, reale->TotEstrazioni));
}

TEST(AmboSomme, CasiEDerivati) {
    auto a = ArchivioPiatto(20);
    // Draw 10: 45-90 on Bari (positions 2, 4) and on Cagliari (90 at 1, 45 at 5).
    Metti(*a, 10, 0, {1, 45, 2, 90, 3});
    Metti(*a, 10, 1, {90, 4, 5, 6, 45});
    a->CostruisciPresenze();
    FiltroAmbo f = FiltroAmbo::Tutto();
    f.ruote = test::SoloRuote({0, 1});
    std::vector<CasoAmbo> casi = CercaAmbi(*a, f, 1, 20);
    // Bari and Cagliari also share nothing else (86..90 against 81..85).
    ASSERT_EQ(casi.size(), 1u);
    EXPECT_EQ(casi[0], (CasoAmbo{10, 0, 2, 4, 45, 90, 1, 1, 5, 90, 45, 90, 90, 45, 45}));
    // R1 decreasing refuses 45 then 90; exact position refuses 90-45 on R2 after 45-90.
    f.ordineR1 = Ordine::Decrescenti;
    EXPECT_TRUE(CercaAmbi(*a, f, 1, 20).empty());
    f.ordineR1 = Ordine::Qualsiasi;
    f.posizioneEsatta = true;
    EXPECT_TRUE(CercaAmbi(*a, f, 1, 20).empty());
    f.posizioneEsatta = false;
    // A sum or a difference not allowed, a class not allowed, a range after the draw.
    f.somme[45] = false;
    EXPECT_TRUE(CercaAmbi(*a, f, 1, 20).empty());
    f.somme[45] = true;
    f.figure[9] = false; // 45 and 90 have digital root 9
    EXPECT_TRUE(CercaAmbi(*a, f, 1, 20).empty());
    f.figure[9] = true;
    EXPECT_TRUE(CercaAmbi(*a, f, 11, 20).empty());
    EXPECT_TRUE(CercaAmbi(*a, f, 20, 1).empty());
    // Adjacent positions: 2-4 on Bari are not consecutive.
    f.adiacenti1 = true;
    EXPECT_TRUE(CercaAmbi(*a, f, 1, 20).empty());
}

TEST(AmboSomme, CoerenzaERelazioni) {
    FiltroAmbo f;
    f.posizioneEsatta = true;
    f.ordineR1 = Ordine::Crescenti;
    f.ordineR2 = Ordine::Decrescenti;
    EXPECT_FALSE(Coerente(f));
    f.ordineR2 = Ordine::Crescenti;
    EXPECT_TRUE(Coerente(f));
    f.ordineR1 = Ordine::Decrescenti;
    EXPECT_FALSE(Coerente(f));
    f.posizioneEsatta = false;
    EXPECT_TRUE(Coerente(f));

    using R = RelazioneRuote;
    const auto conta = [](R r, bool baVe) {
        int n = 0;
        for (int w1 = 0; w1 < 11; ++w1) {
            for (int w2 = w1 + 1; w2 < 11; ++w2) {
                n += InRelazione(r, w1, w2, baVe) ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_EQ(conta(R::Tutte, false), 55);
    EXPECT_EQ(conta(R::Gemelle, false), 5);
    EXPECT_EQ(conta(R::Diametrali, false), 5);
    EXPECT_EQ(conta(R::Adiacenti, false), 9);
    EXPECT_EQ(conta(R::Adiacenti, true), 10);
    EXPECT_EQ(conta(R::GMTV, false), 6);
    EXPECT_EQ(conta(R::CFRZ, false), 6);
    EXPECT_EQ(conta(R::BNP, false), 3);
    EXPECT_TRUE(InRelazione(R::Gemelle, 7, 6, false));    // PA-RO
    EXPECT_TRUE(InRelazione(R::Diametrali, 3, 8, false)); // GE-TO
    EXPECT_FALSE(InRelazione(R::Adiacenti, 9, 10, true)); // VE-NZ
    EXPECT_TRUE(InRelazione(R::Adiacenti, 9, 0, true));
    EXPECT_TRUE(InRelazione(R::CFRZ, 10, 1, false));
}

} // namespace
} // namespace strovel

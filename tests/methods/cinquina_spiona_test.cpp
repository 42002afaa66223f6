#include "methods/spia/cinquina_spiona.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/metodi_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace strovel {
namespace {

using test::Metti;

ParametriCinquina Parametri(const Archivio& a) {
    ParametriCinquina p;
    p.rilevazione = test::TutteLeRuote;
    p.gioco = test::TutteLeRuote;
    p.posizioni = test::TutteLePosizioni;
    p.fine = a.TotEstrazioni;
    return p;
}

/// The FgE row of number n.
const std::vector<Cella>& RigaDi(const Tabella& t, int n) {
    for (const auto& r : t.righe) {
        if (r[0].testo == std::to_string(n)) {
            return r;
        }
    }
    throw std::runtime_error("numero assente");
}

void ConfrontaConOracolo(const Archivio& a, const ParametriCinquina& p) {
    const EsitoCinquina e = ElaboraCinquina(a, p);
    const auto o = oracolo::CinquinaSpiona(a, p);
    ASSERT_EQ(static_cast<int>(e.casi.size()), o.casi);
    EXPECT_EQ(e.span, o.span);
    const Tabella t = TabellaNumeriCinquina(a, p, e);
    ASSERT_EQ(t.righe.size(), 90u);
    for (int n = 1; n <= 90; ++n) {
        const auto& r = RigaDi(t, n);
        const auto& atteso = o.numeri[static_cast<std::size_t>(n)];
        ASSERT_EQ(r[1].testo, atteso[0]) << "CC di " << n;
        ASSERT_EQ(r[2].testo, atteso[1]) << "Pres di " << n;
        ASSERT_EQ(r[3].testo, atteso[2]) << "Delta di " << n;
    }
    // Sorted on "Pres", largest first, ties in number order.
    for (std::size_t i = 1; i < t.righe.size(); ++i) {
        const int x = std::stoi(t.righe[i - 1][2].testo);
        const int y = std::stoi(t.righe[i][2].testo);
        ASSERT_GE(x, y);
        if (x == y) {
            ASSERT_LT(std::stoi(t.righe[i - 1][0].testo), std::stoi(t.righe[i][0].testo));
        }
    }
    // Verifying a number gives a hit in exactly its "CC" cases.
    for (const int n : {1, 45, 90}) {
        const auto v = VerificaNumero(a, p, e.casi, n);
        const auto colpiti =
            std::count_if(v.begin(), v.end(), [](const Giocata& g) { return g.colpo != 0; });
        EXPECT_EQ(std::to_string(colpiti), RigaDi(t, n)[1].testo) << n;
    }
}

TEST(CinquinaSpiona, UgualeAllOracoloSuArchiviCasuali) {
    for (const std::uint64_t seme : {4u, 5u}) {
        const auto a = test::ArchivioCasuale(600, seme);
        for (int caso = 0; caso < 6; ++caso) {
            ParametriCinquina p = Parametri(*a);
            p.fine = a->TotEstrazioni - caso * 7;
            p.presenze = 1 + caso * 19;
            p.colpi = 1 + caso * 3;
            p.rilevazione = caso % 2 == 0 ? test::TutteLeRuote : test::SoloRuote({0, 10});
            p.gioco = caso % 3 == 0 ? test::TutteLeRuote : test::SoloRuote({2, 4, 10});
            p.posizioni = {true, caso != 1, true, caso != 3, true};
            ConfrontaConOracolo(*a, p);
        }
    }
}

TEST(CinquinaSpiona, CCAttesoPerCaso) {
    // What chance gives the ranking: the mean "CC" over the 90 numbers agrees with it on random
    // draws, and the best of 90 is the expected maximum.
    const auto a = test::ArchivioCasuale(3000, 61);
    ParametriCinquina p;
    p.rilevazione = test::SoloRuote({0, 1, 2, 3});
    p.gioco = test::SoloRuote({4, 5});
    p.posizioni = test::TutteLePosizioni;
    p.presenze = 100;
    p.colpi = 7;
    p.fine = a->TotEstrazioni - 3;
    const EsitoCinquina e = ElaboraCinquina(*a, p);
    ASSERT_GT(e.casi.size(), 50u);
    const CCAtteso c = AttesoCinquina(*a, p, e);
    double somma = 0;
    for (const Caso& k : e.casi) {
        somma += 1 - std::pow(85.0 / 90, 2 * std::min(7, a->TotEstrazioni - k.estrazione));
    }
    EXPECT_NEAR(c.medio, somma, 1e-9);
    const int n = static_cast<int>(e.casi.size());
    EXPECT_NEAR(c.migliore, MassimoAtteso(90, n, somma / n), 1e-9);
    double cc = 0;
    for (int x = 1; x <= 90; ++x) {
        cc += e.casiCon[static_cast<std::size_t>(x)];
    }
    EXPECT_NEAR(cc / 90, c.medio, 0.15 * c.medio);
    EXPECT_EQ(AttesoCinquina(*a, p, EsitoCinquina{}).migliore, 0);
    // The ranking's top CC, and how often the best of 90 random numbers reaches it.
    EXPECT_EQ(c.primo, *std::max_element(e.casiCon.begin(), e.casiCon.end()));
    EXPECT_NEAR(c.probabilitaMigliore,
                ProbabilitaMigliore(90, std::vector<double>(e.casi.size(), somma / n), c.primo),
                1e-12);
    EXPECT_EQ(TestoCCAtteso({3.24, 6.81, 9, 0.123}),
              "CC per caso: 3.2 per numero, 6.8 il migliore di 90; probabilità che il migliore di "
              "90 a caso arrivi ad almeno 9: 12.3%");
}

TEST(CinquinaSpiona, FuoriCampioneNonGuardaAvanti) {
    auto a = test::ArchivioCasuale(1200, 71);
    ParametriCinquina p;
    p.rilevazione = test::SoloRuote({0, 1});
    p.gioco = test::SoloRuote({0, 1, 2});
    p.posizioni = test::TutteLePosizioni;
    p.presenze = 40;
    p.colpi = 9;
    p.fine = a->TotEstrazioni;
    const int e = 900;
    const FuoriCampioneCinquina f = FuoriCampioneSpia(*a, p, e);
    // The number chosen is the top of ELABORA's ranking on the archive as it stood at e.
    ParametriCinquina dentro = p;
    dentro.fine = e;
    const EsitoCinquina esito = ElaboraCinquina(a->FinoA(e), dentro);
    ASSERT_TRUE(f.scelta);
    EXPECT_EQ(f.scelta->presenze, *std::max_element(esito.presenze.begin(), esito.presenze.end()));
    EXPECT_EQ(esito.presenze[static_cast<std::size_t>(f.scelta->numero)], f.scelta->presenze);
    // Played after e only: one case, counted once.
    const auto v = VerificaNumero(*a, p, {Caso{e, 0, {}}}, f.scelta->numero);
    EXPECT_EQ(f.giocata.colpo, v[0].colpo);
    EXPECT_EQ(f.colpiGiocati, 9);
    EXPECT_EQ(f.riepilogo, (RiepilogoEsiti{1, v[0].colpo > 0 ? 1 : 0, v[0].colpo > 0 ? 0 : 1, 0}));
    EXPECT_NEAR(f.confronto.attesi, 1 - std::pow(85.0 / 90, 27), 1e-12);
    // Near the end the play is still running: in play, not negative.
    const FuoriCampioneCinquina fine = FuoriCampioneSpia(*a, p, a->TotEstrazioni - 3);
    if (fine.giocata.colpo == 0) {
        EXPECT_EQ(fine.riepilogo.inGioco, 1);
        EXPECT_EQ(fine.riepilogo.negativi, 0);
    }
    // Later draws change the play, never the choice, wherever the reference falls (the newest
    // cases at the reference have their colpi after it).
    for (int riferimento = 700; riferimento <= 1100; riferimento += 50) {
        const FuoriCampioneCinquina prima = FuoriCampioneSpia(*a, p, riferimento);
        auto cambiato = test::ArchivioCasuale(1200, 71);
        test::CambiaDopo(*cambiato, *test::ArchivioCasuale(1200, 72 + riferimento), riferimento);
        const FuoriCampioneCinquina dopo = FuoriCampioneSpia(*cambiato, p, riferimento);
        ASSERT_TRUE(prima.scelta && dopo.scelta) << riferimento;
        EXPECT_EQ(dopo.scelta->numero, prima.scelta->numero) << riferimento;
        EXPECT_EQ(dopo.scelta->presenze, prima.scelta->presenze) << riferimento;
    }
}

TEST(CinquinaSpiona, UgualeAllOracoloSullArchivioReale) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    ParametriCinquina p = Parametri(*a);
    p.presenze = 100;
    p.colpi = 20;
    ConfrontaConOracolo(*a, p);
    p.rilevazione = test::SoloRuote({0});
    p.gioco = test::SoloRuote({0, 7});
    p.fine = 5000;
    ConfrontaConOracolo(*a, p);
}

TEST(CinquinaSpiona, CasiPresenzeEVerifica) {
    auto a = test::ArchivioPiatto(40);
    Metti(*a, 40, 1, {11, 12, 13, 14, 15}); // draw E on CA: the spies
    Metti(*a, 30, 1, {11, 12, 60, 61, 62}); // two spies together: a case
    Metti(*a, 25, 1, {13, 63, 64, 65, 66}); // a single spy: no case
    Metti(*a, 20, 3, {14, 15, 67, 68, 69}); // on GE: not a detection wheel
    Metti(*a, 31, 1, {70, 71, 72, 73, 74});
    Metti(*a, 32, 1, {70, 75, 76, 77, 78}); // 70 twice in the case's window
    Metti(*a, 32, 4, {75, 1, 2, 3, 4});     // 75 on CA and MI in the same draw
    a->CostruisciPresenze();
    ParametriCinquina p = Parametri(*a);
    p.rilevazione = test::SoloRuote({1});
    p.gioco = test::SoloRuote({1, 4});
    p.colpi = 3;
    const EsitoCinquina e = ElaboraCinquina(*a, p);
    ASSERT_EQ(e.casi.size(), 2u); // draw E itself on CA, then draw 30 on CA
    EXPECT_EQ(e.casi[0], (Caso{40, 1, {true, true, true, true, true}}));
    EXPECT_EQ(e.casi[1], (Caso{30, 1, {true, true, false, false, false}}));
    EXPECT_EQ(e.span, 11);
    EXPECT_EQ(TestoSpan(e), "11");
    EXPECT_EQ(e.presenze[70], 2);
    EXPECT_EQ(e.casiCon[70], 1);
    EXPECT_EQ(e.presenze[81], 3); // MI of draw 31, CA and MI of draw 33
    const auto v = VerificaNumero(*a, p, e.casi, 75);
    EXPECT_EQ(v[0].colpo, 0); // draw E is the last: its window is in the future
    EXPECT_EQ(v[1].colpo, 2);
    const Tabella casi = TabellaCasiCinquina(*a, p, e.casi, &v);
    ASSERT_EQ(casi.intestazioni.size(), 15u);
    EXPECT_EQ(casi.intestazioni.back(), "");
    EXPECT_EQ(casi.righe[1][12].testo, "2");
    EXPECT_EQ(casi.righe[1][13].testo, "CM");
    EXPECT_EQ(casi.righe[0][12].testo, "");
    EXPECT_EQ(casi.righe[1][7].stile.sfondo, ColoreCellaCaso);
    EXPECT_EQ(casi.righe[1][9].stile.sfondo, std::nullopt);
    // Companions of 75 in draw 32 on CA and MI.
    const Tabella compagni = Compagni(*a, p, e.casi, v, 75);
    ASSERT_EQ(compagni.righe.size(), 8u);
    EXPECT_EQ(compagni.righe[0][0].testo, "1");
    EXPECT_EQ(compagni.righe[0][1].testo, "1");

    // A single selected position can never give two spies.
    p.posizioni = {true, false, false, false, false};
    EXPECT_TRUE(ElaboraCinquina(*a, p).casi.empty());
}

TEST(CinquinaSpiona, IlPrimoCasoNellaPrimaEstrazione) {
    // The oldest case in draw 1: the span and its frequencies start there.
    auto a = test::ArchivioPiatto(10);
    Metti(*a, 10, 0, {11, 12, 13, 14, 15});
    Metti(*a, 1, 0, {11, 12, 60, 61, 62});
    a->CostruisciPresenze();
    ParametriCinquina p = Parametri(*a);
    p.rilevazione = test::SoloRuote({0});
    p.gioco = test::SoloRuote({0});
    const EsitoCinquina e = ElaboraCinquina(*a, p);
    ASSERT_EQ(e.casi.size(), 2u);
    EXPECT_EQ(e.span, 10);
    EXPECT_EQ(e.frequenza[11], 2);
    EXPECT_EQ(e.frequenza[60], 1);
}

TEST(CinquinaSpiona, DeltaBarreEGiaUsciti) {
    auto a = test::ArchivioPiatto(60);
    Metti(*a, 50, 0, {11, 12, 13, 14, 15});
    Metti(*a, 51, 0, {11, 40, 41, 42, 43}); // after the newest case: 11 is its own number
    Metti(*a, 40, 0, {11, 12, 44, 45, 46});
    a->CostruisciPresenze();
    ParametriCinquina p = Parametri(*a);
    p.rilevazione = test::SoloRuote({0});
    p.gioco = test::SoloRuote({0});
    p.fine = 50;
    p.colpi = 2;
    const EsitoCinquina e = ElaboraCinquina(*a, p);
    ASSERT_EQ(e.casi.size(), 2u);
    EXPECT_EQ(e.span, 11);
    // 86 came out in every draw of the span but 40 and 50: f = 9, W = 1, S = 11.
    // 9 - (11/18 - 11/9) = 9.6111 -> "9.6"; 11 came out twice: 2 - (11/18 - 11/2) = 6.888.
    EXPECT_EQ(DeltaStatistico(e, 86), "9.6");
    EXPECT_EQ(DeltaStatistico(e, 11), "6.9");
    EXPECT_EQ(DeltaStatistico(e, 70), ""); // never out in the span
    const Tabella t = TabellaNumeriCinquina(*a, p, e);
    EXPECT_EQ(RigaDi(t, 70)[3].testo, "");
    EXPECT_FALSE(RigaDi(t, 70)[3].stile.barra.has_value());
    // The largest value has the full bar.
    int massimo = 0;
    for (const auto& r : t.righe) {
        if (r[3].stile.barra) {
            massimo = std::max(massimo, r[3].stile.barra->permille);
        }
    }
    EXPECT_EQ(massimo, 1000);
    EXPECT_EQ(RigaDi(t, 40)[0].stile.sfondo, ColoreArancioChiaro);    // out after the newest case
    EXPECT_EQ(RigaDi(t, 11)[0].stile.sfondo, ColoreGiaUscitoNelCaso); // and one of its five
    EXPECT_EQ(RigaDi(t, 12)[0].stile.sfondo, ColoreNumeroCinquina);
    EXPECT_EQ(RigaDi(t, 12)[0].stile.testo, ColoreTestoNumeroCinquina);

    // No play wheel: W = 0, every delta empty, no bar, nothing stops.
    p.gioco = Ruote{};
    const EsitoCinquina senza = ElaboraCinquina(*a, p);
    const Tabella vuota = TabellaNumeriCinquina(*a, p, senza);
    for (const auto& r : vuota.righe) {
        ASSERT_EQ(r[3].testo, "");
        ASSERT_FALSE(r[3].stile.barra.has_value());
    }
}

} // namespace
} // namespace strovel

// The cinquina tabs of the Maltese square: the division as a calculator and with fixed decimals,
// the cinquina read from the digits, the three variants, the month-end cases and their play.

#include "core/archivio.h"
#include "methods/maltese/maltese_cinquina.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace strovel {
namespace {

using M = ModalitaDecimali;

TEST(CinquinaMaltese, DivisioneECifre) {
    // A calculator shows Cifre digits in all and rounds the last; fixed decimals cut.
    EXPECT_EQ(Dividi(1, 3, M::Calcolatrice, 6), (Divisione{"0", "33333"}));
    EXPECT_EQ(Dividi(1, 3, M::DecimaliFissi, 6), (Divisione{"0", "333333"}));
    EXPECT_EQ(Dividi(2, 3, M::Calcolatrice, 6), (Divisione{"0", "66667"}));
    EXPECT_EQ(Dividi(2, 3, M::DecimaliFissi, 6), (Divisione{"0", "666666"}));
    EXPECT_EQ(Dividi(999999, 1000000, M::Calcolatrice, 6), (Divisione{"1", "00000"}));
    // The rounding carries through every nine, the whole part's too.
    EXPECT_EQ(Dividi(9999999, 1000000, M::Calcolatrice, 6), (Divisione{"10", "00000"}));
    EXPECT_EQ(Dividi(68040, 5005, M::Calcolatrice, 10), (Divisione{"13", "59440559"}));
    EXPECT_EQ(Dividi(68040, 5005, M::DecimaliFissi, 10).decimali, "5944055944");
    EXPECT_EQ(Dividi(1234567, 1, M::Calcolatrice, 6), (Divisione{"1234567", ""}));
    EXPECT_EQ(Dividi(10, 4, M::DecimaliFissi, 6).Testo(), "2,500000");
    EXPECT_EQ(Dividi(1234567, 1, M::Calcolatrice, 6).Testo(), "1234567");

    // Overlapping pairs, 00 is 90, above 90 fuori 90, repeats skipped, five at most.
    EXPECT_EQ(CinquinaDaiDecimali("0917453"), (std::vector<int>{9, 1, 17, 74, 45}));
    EXPECT_EQ(CinquinaDaiDecimali("121212"), (std::vector<int>{12, 21}));
    EXPECT_EQ(CinquinaDaiDecimali("000"), (std::vector<int>{90}));
    EXPECT_TRUE(CinquinaDaiDecimali("7").empty());
    EXPECT_EQ(Complemento90(20), 70);
    EXPECT_EQ(Complemento90(90), 90);

    EXPECT_TRUE(ChiedereUltima("25/12/2025"));
    EXPECT_FALSE(ChiedereUltima("24/12/2025"));
}

TEST(CinquinaMaltese, TreVarianti) {
    const std::array<int, 5> n = {42, 81, 20, 77, 65};
    const LavoroDecimale uno = CalcolaCinquina(n, 1, M::Calcolatrice, 10);
    EXPECT_EQ(uno.prodotto, 340540200);
    EXPECT_EQ(uno.divisori, (std::vector<int>{48, 9, 70, 13, 25}));
    EXPECT_EQ(uno.divisore, 9828000);
    EXPECT_EQ(uno.risultato.Testo(), "34,65000000");
    const LavoroDecimale due = CalcolaCinquina(n, 2, M::Calcolatrice, 10);
    EXPECT_EQ(due.prodotto, 68040);
    EXPECT_EQ(due.divisore, 5005);
    EXPECT_EQ(due.cinquina, (std::vector<int>{59, 4, 44, 40, 5}));
    const LavoroDecimale tre = CalcolaCinquina(n, 3, M::DecimaliFissi, 6);
    EXPECT_EQ(tre.fattori, (std::vector<int>{42, 65}));
    EXPECT_EQ(tre.divisori, (std::vector<int>{70}));
    EXPECT_EQ(tre.risultato.Testo(), "39,000000");
    EXPECT_EQ(tre.cinquina, (std::vector<int>{90}));
}

/// Thirty draws, ten a month from January 1950: the months end at draws 10 and 20; draw 30,
/// the latest, falls on the 28th.
std::unique_ptr<Archivio> TreMesi() {
    auto a = test::ArchivioPiatto(30);
    for (int i = 1; i <= 30; ++i) {
        const int giorno = (i - 1) % 10 * 3 + 1, mese = (i - 1) / 10 + 1;
        a->DateEstrazioni[static_cast<std::size_t>(i)] = (giorno < 10 ? "0" : "") +
                                                         std::to_string(giorno) + "/0" +
                                                         std::to_string(mese) + "/1950";
    }
    a->CalcolaProgressivi();
    return a;
}

TEST(CinquinaMaltese, CasiAFineMeseEGioco) {
    auto a = TreMesi();
    EXPECT_EQ(CasiFineMese(*a, 30, 10, false), (std::vector<int>{20, 10}));
    EXPECT_EQ(CasiFineMese(*a, 30, 10, true), (std::vector<int>{30, 20, 10}));
    EXPECT_EQ(CasiFineMese(*a, 19, 10, true), (std::vector<int>{10}));
    EXPECT_EQ(CasiFineMese(*a, 30, 1, false), (std::vector<int>{20}));

    // Bari's 86..90 in draw 10 give, in variant 2, 86 x 87 x 88 : 89 x 90.
    ParametriCinquinaMaltese p;
    p.variante = 2;
    p.colpi = 5;
    p.fine = 19;
    const LavoroDecimale lavoro = CalcolaCinquina({86, 87, 88, 89, 90}, 2, M::Calcolatrice, 10);
    ASSERT_EQ(lavoro.cinquina.size(), 5u);
    const int x = lavoro.cinquina[3], y = lavoro.cinquina[1], z = lavoro.cinquina[4];
    std::vector<int> altri; // numbers outside the cinquina
    for (int n = 1; altri.size() < 3; ++n) {
        if (std::find(lavoro.cinquina.begin(), lavoro.cinquina.end(), n) == lavoro.cinquina.end()) {
            altri.push_back(n);
        }
    }
    test::Metti(*a, 13, 0, {altri[0], x, altri[1], y, altri[2]}); // an ambo at colpo 3
    test::Metti(*a, 15, 0, {z, x, altri[1], y, altri[2]});        // a terno at colpo 5
    a->CostruisciPresenze();
    std::vector<CasoCinquina> casi = ElaboraCinquinaMaltese(*a, p);
    ASSERT_EQ(casi.size(), 1u);
    EXPECT_EQ(casi[0].estrazione, 10);
    EXPECT_EQ(casi[0].lavoro, lavoro);
    EXPECT_EQ(casi[0].colpo, 3);
    EXPECT_EQ(casi[0].esito, 13);
    EXPECT_EQ(casi[0].presi, (std::vector<int>{std::min(x, y), std::max(x, y)}));
    VerificaCinquine(*a, 0, 5, 3, casi);
    EXPECT_EQ(casi[0].colpo, 5);
    EXPECT_EQ(casi[0].presi.size(), 3u);
    VerificaCinquine(*a, 0, 4, 3, casi); // the terno comes one colpo too late
    EXPECT_EQ(casi[0].colpo, 0);
    EXPECT_EQ(casi[0].esito, 0);
    EXPECT_TRUE(casi[0].presi.empty());
    EXPECT_FALSE(casi[0].inGioco);

    // The latest draw as a case: nothing after it, so it is still in play; a wheel without
    // numbers gives no case.
    p.fine = 30;
    p.ultimaDelMese = true;
    casi = ElaboraCinquinaMaltese(*a, p);
    ASSERT_EQ(casi.size(), 3u);
    EXPECT_TRUE(casi[0].inGioco);
    EXPECT_FALSE(casi[1].inGioco); // draw 20: colpi 21..25
    EXPECT_EQ(RiassumiCinquine(casi), (RiepilogoEsiti{3, 1, 1, 1}));
    test::Metti(*a, 20, 10, {0, 0, 0, 0, 0});
    p.ruota = 10;
    EXPECT_EQ(ElaboraCinquinaMaltese(*a, p).size(), 2u);

    // The grids.
    p.ruota = 0;
    p.ultimaDelMese = false;
    casi = ElaboraCinquinaMaltese(*a, p);
    const Tabella t = TabellaCinquina(*a, 0, casi);
    ASSERT_EQ(t.Colonne(), 18);
    ASSERT_EQ(t.righe.size(), 2u);
    EXPECT_EQ(t.righe[1][15].testo, "3");
    EXPECT_EQ(t.righe[1][16].testo, a->Data(13));
    EXPECT_EQ(t.righe[1][17].testo,
              "Ambo " + std::to_string(std::min(x, y)) + "-" + std::to_string(std::max(x, y)));
    EXPECT_EQ(t.righe[1][13].stile.sfondo, ColoreArancio); // x came out
    EXPECT_EQ(t.righe[1][0].stile.sfondo, ColoreSelezione);
    const Tabella d = TabellaDecimali(casi);
    EXPECT_EQ(d.righe[1][1].testo, "86 x 87 x 88");
    EXPECT_EQ(d.righe[1][3].testo, "89 x 90 = 8010");
    EXPECT_EQ(d.righe[1][4].testo, "658416 : 8010");
    EXPECT_EQ(d.righe[1][5].testo, lavoro.risultato.Testo());
}

TEST(CinquinaMaltese, GiocoSoloDopoIlCaso) {
    // On many months of a random archive: a hit lies in the colpi after the case, never in the
    // case's own draw, and shows the numbers that made it.
    const auto a = test::ArchivioCasuale(4000, 13);
    for (int variante = 1; variante <= 3; ++variante) {
        for (const int sorte : {2, 3}) {
            ParametriCinquinaMaltese p;
            p.variante = variante;
            p.casi = 500;
            p.colpi = 8;
            p.fine = a->NumEstrazioniAnalisi;
            auto casi = ElaboraCinquinaMaltese(*a, p);
            ASSERT_GT(casi.size(), 100u);
            VerificaCinquine(*a, 0, p.colpi, sorte, casi);
            int positivi = 0;
            for (const CasoCinquina& c : casi) {
                ASSERT_EQ(c.presi.empty(), c.colpo == 0) << c.estrazione;
                if (c.colpo > 0) {
                    ++positivi;
                    ASSERT_LE(c.colpo, p.colpi);
                    ASSERT_EQ(c.esito, a->IndiceModello(c.posizione + c.colpo));
                    ASSERT_GE(static_cast<int>(c.presi.size()), sorte);
                }
            }
            EXPECT_TRUE(sorte == 3 || positivi > 0) << variante; // terni are rare
            // Chance for the same plays: the cinquina's size, the sorte, the colpi held.
            const Confronto conf = ConfrontaCinquine(casi);
            EXPECT_EQ(conf.positivi, positivi);
            double atteso = 0;
            for (const CasoCinquina& c : casi) {
                EXPECT_EQ(c.colpiGiocati, std::min(p.colpi, a->NumEstrazioniAnalisi - c.posizione));
                atteso += ProbabilitaGioco(static_cast<int>(c.lavoro.cinquina.size()), sorte, 1,
                                           c.colpiGiocati);
            }
            EXPECT_NEAR(conf.attesi, atteso, 1e-9);
            EXPECT_NEAR(positivi, conf.attesi, 4 * std::sqrt(conf.attesi) + 1);
        }
    }
}

} // namespace
} // namespace strovel

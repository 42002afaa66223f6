// What chance gives: the formulas against exact enumeration on small draws, and against a
// simulation of random plays on the real archive.

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <span>
#include <vector>

namespace strovel {
namespace {

TEST(Probabilita, FormuleControEnumerazione) {
    // Every draw of 3 numbers out of 10: how often do at least s of the numbers 1..g come out?
    for (int g = 1; g <= 4; ++g) {
        for (int s = 1; s <= g; ++s) {
            int buone = 0, tutte = 0;
            for (int a = 1; a <= 10; ++a) {
                for (int b = a + 1; b <= 10; ++b) {
                    for (int c = b + 1; c <= 10; ++c) {
                        ++tutte;
                        buone += (a <= g) + (b <= g) + (c <= g) >= s ? 1 : 0;
                    }
                }
            }
            EXPECT_NEAR(ProbabilitaEstrazione(g, s, 10, 3), static_cast<double>(buone) / tutte,
                        1e-12)
                << g << " " << s;
        }
    }
    EXPECT_EQ(ProbabilitaEstrazione(2, 3), 0);
    // The exact subsets of four numbers add up to one, and those of two or more to the ambo.
    double tutti = 0, ambo = 0;
    for (int k = 0; k <= 4; ++k) {
        const double c = k == 0 || k == 4 ? 1 : (k == 2 ? 6 : 4); // C(4, k)
        tutti += c * ProbabilitaSottoinsieme(4, k);
        ambo += k >= 2 ? c * ProbabilitaSottoinsieme(4, k) : 0;
    }
    EXPECT_NEAR(tutti, 1, 1e-12);
    EXPECT_NEAR(ambo, ProbabilitaEstrazione(4, 2), 1e-12);
    // The Lotto's own values: an ambata 5/90, an ambo secco 2/801.
    EXPECT_NEAR(ProbabilitaEstrazione(1, 1), 1.0 / 18, 1e-15);
    EXPECT_NEAR(ProbabilitaEstrazione(2, 2), 2.0 / 801, 1e-15);
    EXPECT_NEAR(ProbabilitaGioco(1, 1, 2, 9), 1 - std::pow(85.0 / 90, 18), 1e-12);

    // Three cases of probability 0.2, 0.5, 0.7: every outcome enumerated.
    const std::vector<double> p = {0.2, 0.5, 0.7};
    std::vector<double> esatta(4, 0);
    for (int m = 0; m < 8; ++m) {
        double pr = 1;
        int k = 0;
        for (int i = 0; i < 3; ++i) {
            const bool si = ((m >> i) & 1) != 0;
            pr *= si ? p[static_cast<std::size_t>(i)] : 1 - p[static_cast<std::size_t>(i)];
            k += si ? 1 : 0;
        }
        esatta[static_cast<std::size_t>(k)] += pr;
    }
    for (int k = 0; k <= 3; ++k) {
        double coda = 0;
        for (int j = k; j <= 3; ++j) {
            coda += esatta[static_cast<std::size_t>(j)];
        }
        const Confronto c = ConfrontaConIlCaso(p, k);
        EXPECT_NEAR(c.coda, coda, 1e-12) << k;
        EXPECT_NEAR(c.attesi, 1.4, 1e-12);
        EXPECT_NEAR(c.percentuale, 1.4 * 100 / 3, 1e-9);
    }
    EXPECT_EQ(ConfrontaConIlCaso({}, 0).coda, 1);

    // The best of two series of two fair trials: max of two Bin(2, 1/2), enumerated.
    double atteso = 0;
    const double bin[] = {0.25, 0.5, 0.25};
    for (int x = 0; x <= 2; ++x) {
        for (int y = 0; y <= 2; ++y) {
            atteso += bin[x] * bin[y] * std::max(x, y);
        }
    }
    EXPECT_NEAR(MassimoAtteso(2, 2, 0.5), atteso, 1e-12);
    EXPECT_NEAR(MassimoAtteso(1, 40, 0.1), 4.0, 1e-9); // one series: its mean
    EXPECT_NEAR(MassimoAtteso(7, 5, 1.0), 5.0, 1e-12);
    EXPECT_EQ(MassimoAtteso(7, 5, 0.0), 0.0);

    EXPECT_EQ(UnDecimale(12.345), "12.3");
    EXPECT_EQ(UnDecimale(0.05), "0.1");
    Confronto c;
    c.attesi = 12.34;
    c.percentuale = 45.67;
    c.coda = 0.0031;
    c.positivi = 20;
    EXPECT_EQ(TestoConfronto(c), "Per puro caso: 12.3 positivi attesi (45.7%). Trovarne almeno 20 "
                                 "per puro caso: 0.3%: raro per puro caso.");
    Confronto uno;
    uno.attesi = 1;
    uno.percentuale = 10;
    uno.positivi = 1;
    uno.coda = 0.65;
    EXPECT_EQ(TestoConfronto(uno), "Per puro caso: 1.0 positivo atteso (10.0%). Trovarne almeno 1 "
                                   "per puro caso: 65.0%: nessun vantaggio sul caso.");
    EXPECT_EQ(TestoVerificaDopo(1000, {40, 10, 28, 2}, c),
              "Dopo l'estrazione 1000: 40 casi, 10 positivi (25.0%), 2 in gioco.\n" +
                  TestoConfronto(c));
    EXPECT_EQ(TestoVerificaDopo(7, {}, c),
              "Nessun caso dopo l'estrazione 7: niente da verificare.");
    EXPECT_EQ(RigheAtteso(c),
              (std::vector<std::vector<std::string>>{{"Atteso per caso", "12.3", "45.7"},
                                                     {"Probabilità", "", "0.3"}}));
}

TEST(Probabilita, CombinazioniEMassimoConProveDiverse) {
    // Every draw of 3 numbers out of 90 at the watched positions: the subsets weighed by the
    // enumeration give the hypergeometric tail, with or without a condition on one number.
    for (int g = 1; g <= 6; ++g) {
        for (int s = 1; s <= std::min(g, 3); ++s) {
            EXPECT_NEAR(
                ProbabilitaCombinazioni(
                    g, [&](std::span<const int> u) { return static_cast<int>(u.size()) >= s; }, 3),
                ProbabilitaEstrazione(g, s, 90, 3), 1e-12)
                << g << " " << s;
        }
    }
    // Number 0 alone, or any two of four: P(0 out) + P(0 not out, two of the other three).
    const double ambataOAmbo = ProbabilitaCombinazioni(
        4, [](std::span<const int> u) { return (!u.empty() && u.front() == 0) || u.size() >= 2; });
    const double senzaZero = ProbabilitaEstrazione(3, 2, 89, 5) * (1 - ProbabilitaEstrazione(1, 1));
    EXPECT_NEAR(ambataOAmbo, ProbabilitaEstrazione(1, 1) + senzaZero, 1e-12);
    EXPECT_NEAR(ProbabilitaCombinazioni(0, [](std::span<const int> u) { return u.empty(); }), 1,
                1e-12);
    EXPECT_NEAR(Combinazioni(90, 5), 43949268, 1e-3);
    EXPECT_EQ(Combinazioni(3, 4), 0);

    // Two trials of 0.5 and 0.2, the best of two such series: the count is 0, 1, 2 with
    // 0.4, 0.5, 0.1; the best reaches 1 with 1 - 0.4^2 and 2 with 1 - 0.9^2.
    EXPECT_NEAR(MassimoAtteso(2.0, {0.5, 0.2}), (1 - 0.16) + (1 - 0.81), 1e-12);
    EXPECT_NEAR(MassimoAtteso(1.0, {0.5, 0.2, 0.9}), 1.6, 1e-12);
    // Many random series: a certain trial counts once for each, the best of a million fair
    // coins reaches every count of a short series.
    EXPECT_NEAR(MassimoAtteso(1e6, {1.0, 0.5, 0.5}), 3.0, 1e-9);
    EXPECT_EQ(MassimoAtteso(5.0, {}), 0);
    // Groups of series: two groups of one series each are one group of two; a certain series
    // beside an impossible one gives its count.
    EXPECT_NEAR(MassimoAtteso({{1, {0.5, 0.2}}, {1, {0.5, 0.2}}}), MassimoAtteso(2.0, {0.5, 0.2}),
                1e-12);
    EXPECT_NEAR(MassimoAtteso({{3, {1.0, 1.0}}, {1000, {0.0, 0.0, 0.0}}}), 2, 1e-12);
    EXPECT_NEAR(MassimoAtteso({{1, {0.3}}, {1, {0.6}}}), 1 - 0.7 * 0.4, 1e-12);
    // The best of those series reaching a count: 1 - (1 - P(one reaches it))^n, and 1 at 0.
    EXPECT_NEAR(ProbabilitaMigliore(2.0, {0.5, 0.2}, 1), 1 - 0.16, 1e-12);
    EXPECT_NEAR(ProbabilitaMigliore(2.0, {0.5, 0.2}, 2), 1 - 0.81, 1e-12);
    EXPECT_EQ(ProbabilitaMigliore(2.0, {0.5, 0.2}, 3), 0);
    EXPECT_EQ(ProbabilitaMigliore(2.0, {0.5, 0.2}, 0), 1);
    EXPECT_NEAR(ProbabilitaMigliore({{1, {0.3}}, {2, {0.6}}}, 1), 1 - 0.7 * 0.4 * 0.4, 1e-12);
    // One series: the tail of its count.
    EXPECT_NEAR(ProbabilitaMigliore(1.0, {0.5, 0.2, 0.9}, 2),
                ConfrontaConIlCaso({0.5, 0.2, 0.9}, 2).coda, 1e-12);
    // Four drawn among 89 (a draw whose other number is known): the same enumeration.
    EXPECT_NEAR(ProbabilitaCombinazioni(
                    3, [](std::span<const int> u) { return !u.empty(); }, 4, 89),
                ProbabilitaEstrazione(3, 1, 89, 4), 1e-12);
}

TEST(Probabilita, SimulazioneSullArchivioReale) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    // Random plays (numbers, wheel, first draw) over 9 colpi: the share that hits lies within
    // three standard errors of the formula.
    std::mt19937 gen(2026);
    const int prove = 20000, colpi = 9;
    auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
    for (const auto& [giocati, sorte] : {std::pair{1, 1}, std::pair{3, 2}}) {
        int positivi = 0;
        for (int i = 0; i < prove; ++i) {
            std::vector<int> numeri;
            while (static_cast<int>(numeri.size()) < giocati) {
                const int n = tra(1, 90);
                if (std::find(numeri.begin(), numeri.end(), n) == numeri.end()) {
                    numeri.push_back(n);
                }
            }
            const int ruota = tra(0, 9); // Nazionale starts late
            const int inizio = tra(1, a->TotEstrazioni - colpi);
            for (int k = inizio + 1; k <= inizio + colpi; ++k) {
                const auto presi = std::count_if(numeri.begin(), numeri.end(),
                                                 [&](int n) { return a->Presente(k, ruota, n); });
                if (presi >= sorte) {
                    ++positivi;
                    break;
                }
            }
        }
        const double p = ProbabilitaGioco(giocati, sorte, 1, colpi);
        const double errore = std::sqrt(p * (1 - p) / prove);
        EXPECT_NEAR(static_cast<double>(positivi) / prove, p, 3 * errore) << giocati << sorte;
    }
}

} // namespace
} // namespace strovel

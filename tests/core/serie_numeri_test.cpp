// The series the charts draw: delays draw by draw, and frequencies over a range.

#include "core/archivio.h"
#include "core/insieme90.h"
#include "core/serie_numeri.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <numeric>

namespace strovel {
namespace {

TEST(SerieNumeri, StoriaDelRitardo) {
    const auto a = test::ArchivioCasuale(600, 8);
    std::array<bool, 11> ruote{};
    ruote[3] = true;
    // On one wheel, where the number has come out before, the same delay the delay scans give.
    for (const int n : {1, 45, 90}) {
        const auto punti = StoriaRitardo(*a, n, ruote, 200, 600);
        ASSERT_EQ(punti.size(), 401u);
        for (const PuntoRitardo& p : punti) {
            const int r = Ritardo(*a, p.estrazione, 3, n);
            ASSERT_EQ(p.ritardo, r < 0 ? p.estrazione : r) << n << " " << p.estrazione;
        }
    }
    // On two wheels: out on either counts.
    ruote[5] = true;
    const auto punti = StoriaRitardo(*a, 7, ruote, 1, 600);
    ASSERT_EQ(punti.size(), 600u);
    EXPECT_EQ(punti.front().estrazione, 1);
    EXPECT_EQ(StoriaRitardo(*a, 7, ruote, -5, 600).size(), 600u);
    for (const PuntoRitardo& p : punti) {
        const int r3 = Ritardo(*a, p.estrazione, 3, 7), r5 = Ritardo(*a, p.estrazione, 5, 7);
        const int atteso = r3 < 0 ? r5 : (r5 < 0 ? r3 : std::min(r3, r5));
        ASSERT_EQ(p.ritardo, atteso < 0 ? p.estrazione : atteso) << p.estrazione;
    }
    EXPECT_TRUE(StoriaRitardo(*a, 91, ruote, 1, 600).empty());
    EXPECT_TRUE(StoriaRitardo(*a, 7, ruote, 300, 200).empty());
    EXPECT_EQ(StoriaRitardo(*a, 7, ruote, 590, 9999).size(), 11u);
}

TEST(SerieNumeri, Frequenze) {
    const auto a = test::ArchivioCasuale(300, 4);
    std::array<bool, 11> ruote{};
    ruote[0] = ruote[9] = true;
    std::array<bool, 5> posizioni{true, false, true, false, false};
    const auto f = Frequenze(*a, ruote, posizioni, 101, 300);
    EXPECT_EQ(f[0], 0);
    EXPECT_EQ(std::accumulate(f.begin(), f.end(), 0), 200 * 2 * 2);
    int diSette = 0;
    for (int k = 101; k <= 300; ++k) {
        for (const int w : {0, 9}) {
            diSette += (a->Estratti(k, w, 1) == 7) + (a->Estratti(k, w, 3) == 7);
        }
    }
    EXPECT_EQ(f[7], diSette);
    // Nazionale has no numbers in the first third of this archive.
    ruote = {};
    ruote[10] = true;
    const auto nz = Frequenze(*a, ruote, {true, true, true, true, true}, 1, 100);
    EXPECT_EQ(std::accumulate(nz.begin(), nz.end(), 0), 0);
}

} // namespace
} // namespace strovel

#include "core/archivio.h"
#include "core/presenze.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <memory>

namespace strovel {
namespace {

TEST(Presenze, ContateSulleUltimeEstrazioni) {
    const auto a = test::ArchivioCasuale(100, 3);
    const Presenze p = ContaPresenze(*a, 100, 2); // draws 98, 99, 100
    int totale = 0;
    for (int n = 1; n <= 90; ++n) {
        for (int w = 0; w < 11; ++w) {
            int atteso = 0;
            for (int k = 98; k <= 100; ++k) {
                for (int q = 1; q <= 5; ++q) {
                    atteso += a->Estratti(k, w, q) == n ? 1 : 0;
                }
            }
            EXPECT_EQ(p[static_cast<std::size_t>(n)][static_cast<std::size_t>(w)], atteso);
            totale += atteso;
        }
    }
    EXPECT_GT(totale, 0);
    // Past the archive's end nothing is counted twice or read out of range.
    EXPECT_EQ(ContaPresenze(*a, 105, 7), ContaPresenze(*a, 100, 2));
}

TEST(Presenze, UltimiRitardiDiUnNumero) {
    auto archivio = std::make_unique<Archivio>(); // about 3 MB: not on the stack
    Archivio& a = *archivio;
    a.TotEstrazioni = 20;
    // Number 7 on Bari at draws 20 - 3, 20 - 3 - 5 and (on two wheels) 20 - 3 - 5 - 1.
    a.Estratti(17, 0, 1) = 7;
    a.Estratti(12, 0, 2) = 7;
    a.Estratti(11, 0, 3) = 7;
    a.Estratti(11, 4, 3) = 7;
    a.CostruisciPresenze();
    std::array<bool, 11> ruote{};
    ruote[0] = true;
    ruote[4] = true;
    const UltimiRitardi u = CalcolaUltimiRitardi(a, 20, ruote, 7);
    ASSERT_EQ(u.trovati, 3);
    EXPECT_EQ(u.ritardi[0], 3);
    EXPECT_EQ(u.ritardi[1], 4);
    EXPECT_EQ(u.ritardi[2], 0);
    EXPECT_FALSE(u.piuRuote[0] || u.piuRuote[1]);
    EXPECT_TRUE(u.piuRuote[2]);
    // Only the chosen wheels count.
    ruote[0] = false;
    EXPECT_EQ(CalcolaUltimiRitardi(a, 20, ruote, 7).trovati, 1);
    EXPECT_EQ(CalcolaUltimiRitardi(a, 20, ruote, 7).ritardi[0], 9);
}

} // namespace
} // namespace strovel

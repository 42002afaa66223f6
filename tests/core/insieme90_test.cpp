#include "core/archivio.h"
#include "core/insieme90.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

TEST(Insieme90, SoloINumeriDelLotto) {
    Insieme90 s;
    for (const int n : {0, 1, 64, 65, 90, 91, -3}) {
        s.Aggiungi(n);
    }
    EXPECT_EQ(s.Numeri(), 4);
    EXPECT_TRUE(s.Contiene(1) && s.Contiene(64) && s.Contiene(65) && s.Contiene(90));
    EXPECT_FALSE(s.Contiene(0) || s.Contiene(91) || s.Contiene(2) || s.Contiene(66));
    Insieme90 t;
    t.Aggiungi(64);
    t.Aggiungi(90);
    t.Aggiungi(7);
    EXPECT_EQ(s.ComuniCon(t), 2);
    t |= s;
    EXPECT_EQ(t.Numeri(), 5);
}

TEST(Insieme90, RegolaDelPositivo) {
    Insieme90 uscita;
    for (const int n : {5, 18, 33, 71, 90}) {
        uscita.Aggiungi(n);
    }
    Insieme90 quartina;
    for (const int n : {12, 33, 44, 55}) {
        quartina.Aggiungi(n);
    }
    EXPECT_FALSE(Positivo(uscita, 12, quartina)); // one member only
    EXPECT_TRUE(Positivo(uscita, 90, quartina));  // the ambata
    quartina.Aggiungi(71);
    EXPECT_TRUE(Positivo(uscita, 12, quartina)); // two members together
    Insieme90 ripetuta;
    ripetuta.Aggiungi(33);
    ripetuta.Aggiungi(33); // a repeated number is one member
    EXPECT_FALSE(Positivo(uscita, 12, ripetuta));
}

TEST(Insieme90, UscitaERitardoDallArchivio) {
    const auto a = test::ArchivioCasuale(200, 9);
    for (int k = 1; k <= 200; k += 37) {
        for (int r = 0; r < 11; ++r) {
            const Insieme90 u = Uscita(*a, k, r);
            for (int p = 1; p <= 5; ++p) {
                EXPECT_TRUE(u.Contiene(a->Estratti(k, r, p)) || a->Estratti(k, r, p) == 0);
            }
            EXPECT_LE(u.Numeri(), 5);
        }
    }
    // The delay counts back from the reference to the last draw that holds the number.
    const int n = a->Estratti(150, 3, 2);
    ASSERT_GE(n, 1);
    EXPECT_EQ(Ritardo(*a, 150, 3, n), 0);
    int atteso = -1;
    for (int k = 180; k >= 1; --k) {
        if (Uscita(*a, k, 3).Contiene(n)) {
            atteso = 180 - k;
            break;
        }
    }
    EXPECT_EQ(Ritardo(*a, 180, 3, n), atteso);
    EXPECT_EQ(Ritardo(*a, 180, 3, 0), -1);
    EXPECT_EQ(Ritardo(*a, 180, 3, 91), -1);
}

} // namespace
} // namespace strovel

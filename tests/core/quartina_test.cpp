#include "core/quartina.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace strovel {
namespace {

Insieme90 Estratti(std::initializer_list<int> numeri) {
    Insieme90 s;
    for (const int n : numeri) {
        s.Aggiungi(n);
    }
    return s;
}

TEST(Quartina, AmbataEAmbi) {
    const auto c = Controlla(Estratti({12, 40, 7, 81, 3}), {12, 40, 60, 70});
    EXPECT_TRUE(c.positivo && c.ambata && c.ambo1);
    EXPECT_FALSE(c.ambo2);
    EXPECT_EQ(c.usciti, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(c.insieme, 2);

    const auto secondo = Controlla(Estratti({12, 40, 60, 81, 3}), {12, 50, 60, 70});
    EXPECT_TRUE(secondo.ambo2 && !secondo.ambo1);
}

TEST(Quartina, DueCompagniSenzaAmbata) {
    // Three members together without the ambata: positive, no ambo, three counted.
    const auto c = Controlla(Estratti({40, 60, 70, 1, 2}), {12, 40, 60, 70});
    EXPECT_TRUE(c.positivo);
    EXPECT_FALSE(c.ambata || c.ambo1 || c.ambo2);
    EXPECT_EQ(c.insieme, 3);
    // One companion only: negative, and a lone member is not "together".
    const auto uno = Controlla(Estratti({40, 1, 2, 3, 4}), {12, 40, 60, 70});
    EXPECT_FALSE(uno.positivo);
    EXPECT_EQ(uno.insieme, 0);
    EXPECT_TRUE(uno.usciti[1]);
    // All four.
    EXPECT_EQ(Controlla(Estratti({12, 40, 60, 70, 5}), {12, 40, 60, 70}).insieme, 4);
}

TEST(Quartina, NumeriRipetutiOMancanti) {
    // A companion equal to the ambata makes no ambo and is one member, not two.
    const auto c = Controlla(Estratti({12, 1, 2, 3, 4}), {12, 12, 0, 0});
    EXPECT_TRUE(c.positivo && c.ambata);
    EXPECT_FALSE(c.ambo1 || c.ambo2);
    EXPECT_EQ(c.insieme, 0);
    EXPECT_EQ(Membri({12, 12, 0, 90}).Numeri(), 2);
    EXPECT_FALSE(Controlla(Estratti({1, 2, 3, 4, 5}), {0, 0, 0, 0}).positivo);
}

TEST(Quartina, NumeriContatiDallaScelta) {
    const Quartina q{{10, 20, 30, 40}, 3};
    EXPECT_EQ(NumeriContati(q, {}).Numeri(), 4);
    const Insieme90 ambi = NumeriContati(q, {false, true, false});
    EXPECT_TRUE(ambi.Contiene(20) && ambi.Contiene(30));
    EXPECT_FALSE(ambi.Contiene(10) || ambi.Contiene(40));
    const Insieme90 estremi = NumeriContati(q, {true, false, true});
    EXPECT_TRUE(estremi.Contiene(10) && estremi.Contiene(40));
    EXPECT_EQ(estremi.Numeri(), 2);
    EXPECT_EQ(NumeriContati(Quartina{{0, 0, 0, 0}, 1}, {}).Numeri(), 0);
}

} // namespace
} // namespace strovel

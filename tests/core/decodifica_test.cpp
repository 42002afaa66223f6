#include "core/decodifica.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

using Cinque = std::array<std::int16_t, 5>;

TEST(Decodifica, PosizioniFisse) {
    EXPECT_EQ(DecodificaRuota("05-18-33-71-90"), (Cinque{5, 18, 33, 71, 90}));
    // A one-digit first number shifts every later piece: the separators are never looked at.
    EXPECT_EQ(DecodificaRuota("5-18-33-71-90"), (Cinque{5, 8, 3, 1, 0}));
    EXPECT_EQ(DecodificaRuota("----"), (Cinque{0, 0, 0, 0, 0}));
    EXPECT_EQ(DecodificaRuota(""), (Cinque{0, 0, 0, 0, 0}));
    EXPECT_EQ(DecodificaRuota("00-00-00-00-00"), (Cinque{0, 0, 0, 0, 0}));
    EXPECT_EQ(DecodificaRuota("05/18/33/71/90"), (Cinque{5, 18, 33, 71, 90}));
    EXPECT_EQ(DecodificaRuota("05-18-33-71-90 e poi altro"), (Cinque{5, 18, 33, 71, 90}));
    EXPECT_EQ(DecodificaRuota("05-18"), (Cinque{5, 18, 0, 0, 0}));
    EXPECT_EQ(DecodificaRuota("99-xx- 7-7 -+4"), (Cinque{99, 0, 7, 7, 4}));
}

TEST(Decodifica, PezzoLettoDallInizio) {
    EXPECT_EQ(LeggiNumero("12"), 12);
    EXPECT_EQ(LeggiNumero(" 7"), 7);
    EXPECT_EQ(LeggiNumero("7 "), 7);
    EXPECT_EQ(LeggiNumero("1 2"), 12); // blanks are ignored
    EXPECT_EQ(LeggiNumero("-5"), -5);
    EXPECT_EQ(LeggiNumero("+5"), 5);
    EXPECT_EQ(LeggiNumero("5-"), 5);
    EXPECT_EQ(LeggiNumero("a1"), 0);
    EXPECT_EQ(LeggiNumero("-"), 0);
    EXPECT_EQ(LeggiNumero(""), 0);
}

} // namespace
} // namespace strovel

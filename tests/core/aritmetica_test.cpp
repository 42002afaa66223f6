#include "core/aritmetica.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

TEST(Attributi, TabelleAiBordiDeiGruppi) {
    EXPECT_EQ(TabDecina[9], 0);
    EXPECT_EQ(TabDecina[10], 1);
    EXPECT_EQ(TabDecina[89], 8);
    EXPECT_EQ(TabDecina[90], 0);
    EXPECT_EQ(TabCadenza[90], 0);
    EXPECT_EQ(TabCadenza[87], 7);
    EXPECT_EQ(TabFigura[18], 9);
    EXPECT_EQ(TabFigura[19], 1);
    EXPECT_EQ(TabFigura[90], 9);
    EXPECT_EQ(TabVertibile[5], 50);
    EXPECT_EQ(TabVertibile[90], 9);
    EXPECT_EQ(TabVertibile[10], 1);
    EXPECT_EQ(TabVertibile[33], 33);
    EXPECT_EQ(TabVertibile[19], 91); // not reduced: the operation reduces the result
    EXPECT_EQ(TabVertibile[89], 98);
    EXPECT_EQ(TabDecina[0] + TabCadenza[0] + TabFigura[0] + TabVertibile[0], 0);
}

TEST(Attributi, OgniFiguraEOgniDecinaHannoLaGiustaNumerosita) {
    int figure[10] = {};
    int decine[9] = {};
    for (int n = 1; n <= 90; ++n) {
        ++figure[TabFigura[static_cast<std::size_t>(n)]];
        ++decine[TabDecina[static_cast<std::size_t>(n)]];
    }
    for (int f = 1; f <= 9; ++f) {
        EXPECT_EQ(figure[f], 10) << f;
    }
    EXPECT_EQ(decine[0], 10); // 1..9 and 90
    for (int d = 1; d <= 8; ++d) {
        EXPECT_EQ(decine[d], 10) << d;
    }
}

TEST(Aritmetica, RiduzioneFuori90) {
    EXPECT_EQ(Fuori90(90), 90);
    EXPECT_EQ(Fuori90(180), 90);
    EXPECT_EQ(Fuori90(91), 1);
    EXPECT_EQ(Fuori90(1), 1);
    EXPECT_EQ(Fuori90(178), 88);
    EXPECT_EQ(Fuori90(8100), 90);
}

TEST(Aritmetica, OperazioniDerivate) {
    EXPECT_EQ(Deriva(Operazione::Somma, 45, 45), 90);
    EXPECT_EQ(Deriva(Operazione::Somma, 89, 2), 1);
    EXPECT_EQ(Deriva(Operazione::Sottrazione, 7, 7), 90);
    EXPECT_EQ(Deriva(Operazione::Sottrazione, 3, 88), 85);
    EXPECT_EQ(Deriva(Operazione::Moltiplicazione, 9, 10), 90);
    EXPECT_EQ(Deriva(Operazione::Moltiplicazione, 90, 90), 90);
    EXPECT_EQ(Deriva(Operazione::Moltiplicazione, 13, 7), 1);
    EXPECT_EQ(Deriva(Operazione::SommaFigura, 90, 90), 9);
    EXPECT_EQ(Deriva(Operazione::SommaVertibile, 89, 1), 8);
    // The attribute is always taken of the first operand.
    EXPECT_EQ(Deriva(Operazione::SommaCadenza, 17, 3), 27);
    EXPECT_EQ(Deriva(Operazione::SommaCadenza, 3, 17), 23);
}

TEST(Aritmetica, OgniRisultatoStaTra1e90) {
    for (const auto voce : VociOperazione) {
        const Operazione op = *OperazioneDaVoce(voce);
        for (int x = 1; x <= 90; ++x) {
            for (int y = 1; y <= 90; ++y) {
                const int n = Deriva(op, x, y);
                ASSERT_TRUE(n >= 1 && n <= 90) << voce << ' ' << x << ' ' << y;
            }
        }
    }
}

TEST(Aritmetica, NomiEFormule) {
    struct Caso {
        std::string_view voce;
        std::string_view nome;
        int x, y;
        std::string formula;
    };
    const Caso casi[] = {
        {"+ Somma", "Somma", 12, 34, "12 + 34"},
        {"- Sottrae", "Sottrazione", 3, 88, "ABS (3 - 88)"},
        {"X Moltiplica", "Moltiplicazione", 9, 10, "9 X 10"},
        {"F Somma + Figura", "Somma + Figura", 90, 90, "90 + 90 +9"},
        {"F Somma + Figura", "Somma + Figura", 1, 90, "1 + 90 +1"}, // the first number too
        {"C Somma + Cadenza", "Somma + Cadenza", 17, 3, "17 + 3 +7"},
        {"V Somma + Vertibile", "Somma + Vertibile", 89, 1, "89 + 1 +98"},
    };
    for (const Caso& c : casi) {
        const auto op = OperazioneDaVoce(c.voce);
        ASSERT_TRUE(op.has_value()) << c.voce;
        EXPECT_EQ(NomeOperazione(*op), c.nome);
        EXPECT_EQ(TestoFormula(*op, c.x, c.y), c.formula);
    }
    EXPECT_FALSE(OperazioneDaVoce("").has_value());
    EXPECT_FALSE(OperazioneDaVoce("x minuscolo").has_value());
}

TEST(Aritmetica, SommaProgressivaEClassiDiAmbo) {
    EXPECT_EQ(SommaProgressiva(80, 25), 15);
    EXPECT_EQ(SommaProgressiva(45, 45), 90);
    EXPECT_EQ(ClasseSomma(45, 45), 90);
    EXPECT_EQ(ClasseSomma(60, 70), 40);
    EXPECT_EQ(ClasseDifferenza(3, 88), 85);
    EXPECT_EQ(ClasseDifferenza(88, 3), 85);
    EXPECT_EQ(ClasseDifferenza(1, 90), 89);
}

} // namespace
} // namespace strovel

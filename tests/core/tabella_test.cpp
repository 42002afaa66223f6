#include "core/tabella.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

TEST(Tabella, IntestazioneDivisaAllaBarraConGliSpazi) {
    const Tabella t("N°   |Estr     ||Esito");
    ASSERT_EQ(t.Colonne(), 4);
    EXPECT_EQ(t.intestazioni[0], "N°   ");
    EXPECT_EQ(t.intestazioni[1], "Estr     ");
    EXPECT_EQ(t.intestazioni[2], "");
    EXPECT_EQ(DividiIntestazione(""), std::vector<std::string>{""});
    EXPECT_EQ(DividiIntestazione("|"), (std::vector<std::string>{"", ""}));
}

TEST(Tabella, RigheSempreDellaLarghezzaDellIntestazione) {
    Tabella t("A|B|C");
    t.AggiungiRiga({"1", "2", "3", "4"});
    t.AggiungiRiga({"x"});
    ASSERT_EQ(t.righe.size(), 2u);
    EXPECT_EQ(t.righe[0].size(), 3u);
    EXPECT_EQ(t.righe[1][0].testo, "x");
    EXPECT_EQ(t.righe[1][2].testo, "");
}

TEST(Tabella, TsvECsv) {
    Tabella t("Data|Nota");
    t.AggiungiRiga({"03/01/2023", "uno, \"due\""});
    t.AggiungiRiga({"05/01/2023", "a\tb\nc"});
    EXPECT_EQ(t.Tsv(), "Data\tNota\n03/01/2023\tuno, \"due\"\n05/01/2023\ta b c\n");
    EXPECT_EQ(t.Csv(), "Data,Nota\n03/01/2023,\"uno, \"\"due\"\"\"\n05/01/2023,\"a\tb\nc\"\n");
}

} // namespace
} // namespace strovel

#include "core/formato.h"

namespace strovel {
namespace {

TEST(Decimale, ArrotondamentoSulQuozienteEsatto) {
    EXPECT_EQ(Decimale(41, 20), "2.1"); // 2.05 rounds up, not down as a double would
    EXPECT_EQ(Decimale(16, 5), "3.2");
    EXPECT_EQ(Decimale(0, 4), "0.0");
    EXPECT_EQ(Decimale(0, 4, false), ".0");
    EXPECT_EQ(Decimale(2, 3, false), ".7");
    EXPECT_EQ(Decimale(1500, 15), "100.0");
    EXPECT_EQ(Decimale(1, 3), "0.3");
    EXPECT_EQ(Decimale(-41, 20), "-2.1");
    EXPECT_EQ(Decimale(5, 0), "");
}

} // namespace
} // namespace strovel

#include "core/lista_valori.h"

namespace strovel {
namespace {

TEST(ListaValori, VociAmmesseEDescrizione) {
    constexpr ListaValori elenco{20, 100, 10, 30};
    EXPECT_EQ(elenco.Voci(), (std::vector<int>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(elenco.Ammesso(20) && elenco.Ammesso(100) && elenco.Ammesso(30));
    EXPECT_FALSE(elenco.Ammesso(25) || elenco.Ammesso(10) || elenco.Ammesso(110));
    EXPECT_EQ(elenco.IndicePredefinito(), 1);
    EXPECT_EQ(elenco.Descrizione(), "20, 30, ..., 100");
    EXPECT_EQ((ListaValori{1, 50, 1, 15}).Descrizione(), "da 1 a 50");
}

} // namespace
} // namespace strovel

#include "core/archivio.h"
#include "core/colori.h"
#include "core/ruote.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

TEST(IndiceRuota, MaiuscoloSulTestoDelChiamanteEPrimiDueCaratteri) {
    Archivio a;
    a.RuotaCorrente = 3;
    std::string codice = "ba";
    a.IndiceRuota(codice);
    EXPECT_EQ(a.RuotaCorrente, 0);
    EXPECT_EQ(codice, "BA");

    codice = "Nz";
    a.IndiceRuota(codice);
    EXPECT_EQ(a.RuotaCorrente, 10);

    codice = "Venezia";
    a.IndiceRuota(codice);
    EXPECT_EQ(a.RuotaCorrente, 9);
    EXPECT_EQ(codice, "VENEZIA");

    codice = "NAPOLI";
    a.IndiceRuota(codice);
    EXPECT_EQ(a.RuotaCorrente, 5);
}

TEST(IndiceRuota, CodiceSconosciutoLasciaLaRuotaCorrente) {
    Archivio a;
    a.RuotaCorrente = 7;
    for (std::string codice : {"TU", "tu", "XX", "", "B", "AB"}) {
        a.IndiceRuota(codice);
        EXPECT_EQ(a.RuotaCorrente, 7) << codice;
    }
}

TEST(Ruote, TabelleDiNomi) {
    EXPECT_EQ(SigleRuote[7], "RO");
    EXPECT_EQ(SigleRuote[10], "NZ");
    EXPECT_EQ(SigleRuote[11], "TU");
    EXPECT_EQ(InizialiRuote[10], "Z");
    EXPECT_EQ(ColonneRuote[8], "To");
    for (int r = 0; r < NumRuote; ++r) {
        std::string codice(SigleRuote[static_cast<std::size_t>(r)]);
        EXPECT_EQ(CercaRuota(codice), r);
    }
}

TEST(Colori, RossoNelByteBasso) {
    EXPECT_EQ(ColoreVerdeScuro.Valore(), 128u * 256u);
    EXPECT_EQ(ColoreRossoChiaro.Valore(), 255u + 128u * 256u + 128u * 65536u);
    EXPECT_EQ(ColoreArancioChiaro.Valore(), 255u + 192u * 256u + 128u * 65536u);
    EXPECT_EQ(ColoreArancio.Valore(), 255u + 128u * 256u);
}

} // namespace
} // namespace strovel

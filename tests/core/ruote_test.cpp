#include "core/archivio.h"
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

} // namespace
} // namespace strovel

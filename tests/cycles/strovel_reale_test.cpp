// The fast Strovel search against its line-by-line oracle on the real archive.

#include "core/archivio.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "tests/oracoli/strovel_oracolo.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

struct Caso {
    const char* nome;
    int arretra; ///< ref = last draw - arretra
    int cicli, durata, considera, salto, colpi, elenco;
    char op;
    const char* rilevazione; ///< 11 flags BA..NZ
    const char* gioco;
    bool stop;
    bool tutte;
    bool perRitardo;
};

std::array<bool, 11> Ruote(const char* flag) {
    std::array<bool, 11> r{};
    for (std::size_t w = 0; w < 11; ++w) {
        r[w] = flag[w] == '1';
    }
    return r;
}

class StrovelReale : public ::testing::TestWithParam<Caso> {};

TEST_P(StrovelReale, StessaListaDellOracolo) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    const Caso& c = GetParam();
    ParametriStrovel p;
    p.riferimento = a->TotEstrazioni - c.arretra;
    p.cicli = c.cicli;
    p.durata = c.durata;
    p.considera = c.considera;
    p.salto = c.salto;
    p.colpi = c.colpi;
    p.elenco = c.elenco;
    p.operazione = static_cast<Operazione>(c.op);
    p.rilevazione = Ruote(c.rilevazione);
    p.gioco = Ruote(c.gioco);
    p.stop = c.stop;
    const EsitoStrovel veloce = c.tutte ? EsaminaTutteLeOperazioni(*a, p, c.perRitardo)
                                        : ElaboraStrovel(*a, p, c.perRitardo);
    const EsitoStrovel lento = c.tutte ? oracolo::EsaminaTutteLeOperazioni(*a, p, c.perRitardo)
                                       : oracolo::ElaboraStrovel(*a, p, c.perRitardo);
    EXPECT_EQ(TabellaFormule(veloce.formule).Tsv(), TabellaFormule(lento.formule).Tsv());
    EXPECT_TRUE(veloce.formule == lento.formule);
    EXPECT_EQ(TabellaPrevisioniStrovel(veloce.previsioni).Tsv(),
              TabellaPrevisioniStrovel(lento.previsioni).Tsv());
    // A real search finds formulas.
    ASSERT_FALSE(veloce.formule.empty());
    EXPECT_TRUE(veloce.formule.front().formula.has_value());
}

const char* const TutteLeRuote = "11111111111";

INSTANTIATE_TEST_SUITE_P(
    Parametri, StrovelReale,
    ::testing::Values(Caso{"somma_ultima", 0, 15, 18, 18, 0, 9, 30, '+', TutteLeRuote, TutteLeRuote,
                           false, false, false},
                      Caso{"sottrae_passato_stop", 200, 20, 10, 7, 0, 6, 40, '-', "10100000001",
                           "01010101010", true, false, false},
                      Caso{"moltiplica_salto", 50, 12, 9, 9, 2, 9, 20, 'X', "11000000000",
                           "00110000000", false, false, true},
                      Caso{"figura_stop_ultima", 0, 15, 18, 18, 0, 9, 30, 'F', "00001110000",
                           "00000001110", true, false, false},
                      Caso{"cadenza_salto3", 1000, 25, 12, 20, 3, 12, 50, 'C', "10000000000",
                           "11111111111", false, false, false},
                      Caso{"vertibile_passato", 3000, 10, 6, 6, 0, 18, 100, 'V', "00000000011",
                           "00000000011", false, false, true},
                      Caso{"tutte_operazioni", 5, 15, 18, 18, 0, 9, 30, '+', "10010010010",
                           "01001001001", false, true, false}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

} // namespace
} // namespace strovel

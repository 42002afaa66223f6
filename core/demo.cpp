#include "core/demo.h"

#include "core/data_testo.h"
#include "core/ruote.h"

#include <algorithm>

namespace strovel {

namespace {

// splitmix64: small, fast and identical everywhere (the standard distributions are not).
class Generatore {
public:
    explicit Generatore(std::uint64_t seme) : stato_(seme) {}
    std::uint64_t Prossimo() {
        std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /// Uniform in 0..n-1 (n small: the modulo bias is below 1e-17).
    int Sotto(int n) { return static_cast<int>(Prossimo() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t stato_;
};

bool GiornoDiEstrazione(const Data& d) {
    const int g = GiornoSettimana(d);
    return g == 2 || g == 4 || g == 6;
}

} // namespace

std::vector<RigaEstrazione> GeneraArchivioDemo(int estrazioni, std::uint64_t seme) {
    estrazioni = std::clamp(estrazioni, 0, 9999);
    // Dates first, walking back from the last draw day.
    std::vector<Data> date;
    date.reserve(static_cast<std::size_t>(estrazioni));
    std::int64_t giorno = NumeroGiorno(Data{30, 12, 2025});
    while (static_cast<int>(date.size()) < estrazioni) {
        const Data d = DataDaNumeroGiorno(giorno--);
        if (GiornoDiEstrazione(d)) {
            date.push_back(d);
        }
    }
    std::reverse(date.begin(), date.end());

    Generatore gen(seme);
    std::vector<RigaEstrazione> righe;
    righe.reserve(date.size());
    for (const Data& d : date) {
        RigaEstrazione riga;
        riga.data = TestoData(d);
        for (int r = 0; r < NumRuote; ++r) {
            // Partial Fisher-Yates over 1..90: five different numbers in drawn order.
            std::array<std::int16_t, 90> urna{};
            for (int n = 0; n < 90; ++n) {
                urna[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(n + 1);
            }
            std::array<std::int16_t, 5> numeri{};
            for (int p = 0; p < 5; ++p) {
                const int j = p + gen.Sotto(90 - p);
                std::swap(urna[static_cast<std::size_t>(p)], urna[static_cast<std::size_t>(j)]);
                numeri[static_cast<std::size_t>(p)] = urna[static_cast<std::size_t>(p)];
            }
            riga.ruote[static_cast<std::size_t>(r)] = TestoRuota(numeri);
        }
        righe.push_back(std::move(riga));
    }
    return righe;
}

} // namespace strovel

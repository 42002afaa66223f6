#include "core/estrazioni_casuali.h"

#include "core/archivio.h"

#include <algorithm>
#include <array>

namespace strovel {

void EstraiACaso(Archivio& a, int d, int w, std::mt19937_64& gen) {
    std::uniform_int_distribution<int> numero(1, 90);
    std::array<int, 5> presi{};
    for (int q = 0; q < 5; ++q) {
        int n = 0;
        do {
            n = numero(gen);
        } while (std::find(presi.begin(), presi.begin() + q, n) != presi.begin() + q);
        presi[static_cast<std::size_t>(q)] = n;
        a.Estratti(d, w, q + 1) = static_cast<std::int16_t>(n);
    }
}

} // namespace strovel

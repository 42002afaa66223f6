#include "core/serie_numeri.h"

#include "core/archivio.h"

#include <algorithm>

namespace strovel {

std::vector<PuntoRitardo> StoriaRitardo(const Archivio& a, int numero,
                                        const std::array<bool, 11>& ruote, int inizio, int fine) {
    std::vector<PuntoRitardo> punti;
    fine = std::min<int>(fine, a.TotEstrazioni);
    inizio = std::max(inizio, 1);
    if (numero < 1 || numero > 90 || inizio > fine) {
        return punti;
    }
    punti.reserve(static_cast<std::size_t>(fine - inizio + 1));
    // The delay runs from the first draw so that the range's first point is already true.
    int ritardo = 0;
    for (int k = 1; k <= fine; ++k) {
        bool uscito = false;
        for (int w = 0; w < 11 && !uscito; ++w) {
            uscito = ruote[static_cast<std::size_t>(w)] && a.Presente(k, w, numero);
        }
        ritardo = uscito ? 0 : ritardo + 1;
        if (k >= inizio) {
            punti.push_back({k, ritardo});
        }
    }
    return punti;
}

std::array<int, 91> Frequenze(const Archivio& a, const std::array<bool, 11>& ruote,
                              const std::array<bool, 5>& posizioni, int inizio, int fine) {
    std::array<int, 91> f{};
    fine = std::min<int>(fine, a.TotEstrazioni);
    for (int k = std::max(inizio, 1); k <= fine; ++k) {
        for (int w = 0; w < 11; ++w) {
            if (!ruote[static_cast<std::size_t>(w)]) {
                continue;
            }
            for (int p = 1; p <= 5; ++p) {
                const int n = a.Estratti(k, w, p);
                if (posizioni[static_cast<std::size_t>(p - 1)] && n >= 1 && n <= 90) {
                    ++f[static_cast<std::size_t>(n)];
                }
            }
        }
    }
    return f;
}

} // namespace strovel

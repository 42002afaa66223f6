#include "core/presenze.h"

#include "core/archivio.h"
#include "core/ruote.h"

#include <algorithm>

namespace strovel {

Presenze ContaPresenze(const Archivio& a, int riferimento, int retro) {
    Presenze conteggi{};
    for (int k = riferimento; k >= riferimento - retro && k >= 1; --k) {
        if (k > a.TotEstrazioni) {
            continue;
        }
        for (int w = 0; w < NumRuote; ++w) {
            for (int p = 1; p <= 5; ++p) {
                const int n = a.Estratti(k, w, p);
                if (n >= 1 && n <= 90) {
                    ++conteggi[static_cast<std::size_t>(n)][static_cast<std::size_t>(w)];
                }
            }
        }
    }
    return conteggi;
}

UltimiRitardi CalcolaUltimiRitardi(const Archivio& a, int riferimento,
                                   const std::array<bool, 11>& ruote, int numero) {
    UltimiRitardi u;
    int d = -1;
    for (int k = std::min<int>(riferimento, a.TotEstrazioni); k >= 1 && u.trovati < 5; --k) {
        ++d;
        int volte = 0;
        for (int w = 0; w < NumRuote; ++w) {
            if (!ruote[static_cast<std::size_t>(w)]) {
                continue;
            }
            for (int p = 1; p <= 5; ++p) {
                volte += a.Estratti(k, w, p) == numero ? 1 : 0;
            }
        }
        if (volte == 0) {
            continue;
        }
        const auto j = static_cast<std::size_t>(u.trovati);
        u.ritardi[j] = d;
        u.piuRuote[j] = volte > 1;
        ++u.trovati;
        d = -1;
    }
    return u;
}

} // namespace strovel

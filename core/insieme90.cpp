#include "core/insieme90.h"

#include "core/archivio.h"

#include <algorithm>

namespace strovel {

Insieme90 Uscita(const Archivio& a, int k, int r) {
    const auto m = a.Maschera(k, r);
    return Insieme90{m[0], m[1] & ((std::uint64_t{1} << 26) - 1)};
}

int Ritardo(const Archivio& a, int riferimento, int r, int n) {
    if (n < 1 || n > 90) {
        return -1;
    }
    for (int k = std::min<int>(riferimento, a.TotEstrazioni); k >= 1; --k) {
        if (a.Presente(k, r, n)) {
            return riferimento - k;
        }
    }
    return -1;
}

} // namespace strovel

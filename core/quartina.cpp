#include "core/quartina.h"

namespace strovel {

Insieme90 Membri(const std::array<int, 4>& numeri) {
    Insieme90 s;
    for (const int n : numeri) {
        s.Aggiungi(n);
    }
    return s;
}

ControlloQuartina Controlla(const Insieme90& uscita, const std::array<int, 4>& numeri) {
    ControlloQuartina c;
    const Insieme90 membri = Membri(numeri);
    c.positivo = Positivo(uscita, numeri[0], membri);
    for (std::size_t j = 0; j < 4; ++j) {
        c.usciti[j] = uscita.Contiene(numeri[j]);
    }
    c.ambata = c.usciti[0];
    c.ambo1 = c.usciti[0] && c.usciti[1] && numeri[1] != numeri[0];
    c.ambo2 = c.usciti[0] && c.usciti[2] && numeri[2] != numeri[0];
    const int insieme = uscita.ComuniCon(membri);
    c.insieme = insieme >= 2 ? insieme : 0;
    return c;
}

Insieme90 NumeriContati(const Quartina& q, const SceltaVerifica& scelta) {
    Insieme90 s;
    if (scelta.ambata) {
        s.Aggiungi(q.numeri[0]);
    }
    if (scelta.ambi) {
        s.Aggiungi(q.numeri[1]);
        s.Aggiungi(q.numeri[2]);
    }
    if (scelta.quartina) {
        s.Aggiungi(q.numeri[3]);
    }
    return s;
}

} // namespace strovel

#include "tests/oracoli/ritardi_oracolo.h"

#include "core/archivio.h"

namespace strovel::oracolo {

std::vector<SequenzaNumero> Sequenze(const Archivio& a, const ParametriSequenza& p, int k,
                                     bool periodo) {
    std::vector<SequenzaNumero> tutte;
    for (int n = 1; n <= 90; ++n) {
        SequenzaNumero s;
        s.numero = n;
        int d = -1;
        const int fondo = periodo ? p.inizio : 1;
        for (int i = p.fine; i >= fondo; --i) {
            s.esaminate = s.esaminate + 1;
            d = d + 1;
            bool presente = false;
            for (int w = 0; w < 11; ++w) {
                for (int q = 1; q <= 5; ++q) {
                    if (p.ruote[static_cast<std::size_t>(w)] &&
                        p.posizioni[static_cast<std::size_t>(q - 1)] && a.Estratti(i, w, q) == n) {
                        presente = true;
                    }
                }
            }
            if (presente) {
                s.presenze = s.presenze + 1;
                s.ritardi.push_back(d);
                if (d > s.rmax) {
                    s.rmax = d;
                }
                d = -1;
                if (!periodo && s.presenze == k) {
                    break;
                }
            }
        }
        if (periodo) {
            s.esaminate = p.fine - p.inizio + 1;
        }
        tutte.push_back(s);
    }
    return tutte;
}

} // namespace strovel::oracolo

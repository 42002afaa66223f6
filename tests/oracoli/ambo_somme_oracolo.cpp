#include "tests/oracoli/ambo_somme_oracolo.h"

#include "core/archivio.h"
#include "core/aritmetica.h"

#include <cstdlib>

namespace strovel::oracolo {

namespace {

bool Ordine_(Ordine o, int x, int y) {
    if (o == Ordine::Crescenti) {
        return x < y;
    }
    if (o == Ordine::Decrescenti) {
        return x > y;
    }
    return true;
}

} // namespace

std::vector<CasoAmbo> CercaAmbi(const Archivio& a, const FiltroAmbo& f, int inizio, int fine) {
    std::vector<CasoAmbo> casi;
    if (!Coerente(f)) {
        return casi;
    }
    for (int k = fine; k >= inizio; --k) {
        for (int w = 0; w <= 9; ++w) {
            if (!f.ruote[static_cast<std::size_t>(w)]) {
                continue;
            }
            for (int p1 = 1; p1 <= 5; ++p1) {
                for (int p2 = p1 + 1; p2 <= 5; ++p2) {
                    if (!f.posizioni[static_cast<std::size_t>(p1 - 1)] ||
                        !f.posizioni[static_cast<std::size_t>(p2 - 1)] ||
                        (f.adiacenti1 && p2 != p1 + 1)) {
                        continue;
                    }
                    const int x = a.Estratti(k, w, p1), y = a.Estratti(k, w, p2);
                    if (x == 0 || y == 0 || !Ordine_(f.ordineR1, x, y)) {
                        continue;
                    }
                    const int s = Fuori90(x + y), d = std::abs(x - y);
                    if (!f.somme[static_cast<std::size_t>(s)] ||
                        !f.differenze[static_cast<std::size_t>(d)]) {
                        continue;
                    }
                    bool classi = true;
                    for (int n : {x, y}) {
                        classi = classi &&
                                 f.decine[static_cast<std::size_t>(
                                     TabDecina[static_cast<std::size_t>(n)])] &&
                                 f.cadenze[static_cast<std::size_t>(
                                     TabCadenza[static_cast<std::size_t>(n)])] &&
                                 f.figure[static_cast<std::size_t>(
                                     TabFigura[static_cast<std::size_t>(n)])];
                    }
                    if (!classi) {
                        continue;
                    }
                    for (int w2 = w + 1; w2 <= 10; ++w2) {
                        bool relazione = false;
                        for (std::size_t r = 0; r < 7; ++r) {
                            relazione = relazione || (f.relazioni[r] &&
                                                      InRelazione(static_cast<RelazioneRuote>(r), w,
                                                                  w2, f.baVeAdiacenti));
                        }
                        if (!f.ruote[static_cast<std::size_t>(w2)] || !relazione) {
                            continue;
                        }
                        for (int q1 = 1; q1 <= 5; ++q1) {
                            for (int q2 = q1 + 1; q2 <= 5; ++q2) {
                                if (!f.posizioni[static_cast<std::size_t>(q1 - 1)] ||
                                    !f.posizioni[static_cast<std::size_t>(q2 - 1)] ||
                                    (f.adiacenti2 && q2 != q1 + 1)) {
                                    continue;
                                }
                                const int c = a.Estratti(k, w2, q1), dd = a.Estratti(k, w2, q2);
                                const bool dentro = (c == x || c == y) && (dd == x || dd == y);
                                if (!dentro || (f.posizioneEsatta && c != x) ||
                                    !Ordine_(f.ordineR2, c, dd)) {
                                    continue;
                                }
                                casi.push_back({k, w, p1, p2, x, y, w2, q1, q2, c, dd,
                                                Fuori90(2 * std::max(x, y)),
                                                Fuori90(2 * std::min(x, y)), Fuori90(c + dd),
                                                std::abs(c - dd)});
                            }
                        }
                    }
                }
            }
        }
    }
    return casi;
}

} // namespace strovel::oracolo

#include "tests/oracoli/ambo_somme_oracolo.h"

#include "core/archivio.h"
#include "core/aritmetica.h"
#include "core/ruote.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>

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
                    if (f.distanzaMaggiore != f.distanzaMinore &&
                        ((f.distanzaMaggiore && d < 45) || (f.distanzaMinore && d > 45))) {
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
                                    (f.adiacenti2 && q2 != q1 + 1) ||
                                    (f.isotopia && (q1 != p1 || q2 != p2))) {
                                    continue;
                                }
                                const int c = a.Estratti(k, w2, q1), dd = a.Estratti(k, w2, q2);
                                const bool dentro = (c == x || c == y) && (dd == x || dd == y);
                                if (!dentro || (f.posizioneEsatta && c != x) ||
                                    !Ordine_(f.ordineR2, c, dd)) {
                                    continue;
                                }
                                if (static_cast<int>(casi.size()) == f.massimoCasi) {
                                    return casi;
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

EsitoAmbo GiocaAmbo(const Archivio& a, const CasoAmbo& c, const OpzioniGiocoAmbo& o) {
    const bool quattro =
        o.versione == VersioneAmbo::Versione2 || o.versione == VersioneAmbo::Ver2Old;
    const bool old = o.versione == VersioneAmbo::Ver1Old || o.versione == VersioneAmbo::Ver2Old;
    std::set<int> giocati = {c.a1, c.b1, c.b2};
    std::set<int> ambate = {c.a1};
    if (quattro) {
        giocati.insert(c.a2);
        ambate.insert(c.a2);
    }
    EsitoAmbo e;
    e.fineA = std::min(c.estrazione + o.colpi, static_cast<int>(a.TotEstrazioni));
    e.colpiGiocati = e.fineA - c.estrazione;
    for (int colpo = 1; colpo <= o.colpi; ++colpo) {
        const int k = c.estrazione + colpo;
        if (k > a.TotEstrazioni) {
            break;
        }
        // Each place: its name, its numbers, whether the ambata plays there.
        std::vector<std::tuple<std::string, std::set<int>, bool>> luoghi;
        for (int w = 0; w <= 10; ++w) {
            if (w == c.r1 || w == c.r2 || o.ambiATutte) {
                std::set<int> usciti;
                for (int p = 1; p <= 5; ++p) {
                    usciti.insert(a.Estratti(k, w, p));
                }
                luoghi.emplace_back(Sigla(w), usciti, w == c.r1 || w == c.r2);
            }
        }
        if (!o.ambiSuRuota && !old) {
            std::set<int> usciti;
            for (int p = 1; p <= 5; ++p) {
                usciti.insert(a.Estratti(k, c.r1, p));
                usciti.insert(a.Estratti(k, c.r2, p));
            }
            luoghi.emplace_back(Sigla(c.r1) + "+" + Sigla(c.r2), usciti, false);
        }
        for (const auto& [nome, usciti, conAmbata] : luoghi) {
            std::vector<int> presi, ambatePrese;
            for (int n : giocati) {
                if (usciti.count(n) != 0) {
                    presi.push_back(n);
                }
            }
            for (int n : ambate) {
                if (usciti.count(n) != 0) {
                    ambatePrese.push_back(n);
                }
            }
            if (o.ambata && conAmbata && !ambatePrese.empty()) {
                e.ambata = true;
                e.ambate.push_back({nome, ambatePrese});
            }
            if (presi.size() >= 2) {
                e.ambiIn = true;
                const auto esce = [&](int x, int y) {
                    return x != y && usciti.count(x) != 0 && usciti.count(y) != 0;
                };
                e.ambi = e.ambi || esce(c.a1, c.b1) || esce(c.a1, c.b2) ||
                         (quattro && (esce(c.a2, c.b1) || esce(c.a2, c.b2)));
                e.terni = e.terni || presi.size() >= 3;
                e.quaterne = e.quaterne || presi.size() >= 4;
                (presi.size() == 2 ? e.ambiUsciti : e.terniPiu).push_back({nome, presi});
            }
        }
        if (e.ambata || e.ambiIn) {
            e.colpo = colpo;
            e.estrazione = k;
            e.fineA = k;
            break;
        }
    }
    if (e.colpo != 0) {
        e.classe = Classe::Positivo;
    } else if (c.estrazione + o.colpi > a.TotEstrazioni) {
        e.classe = Classe::InGioco;
    }
    return e;
}

} // namespace strovel::oracolo

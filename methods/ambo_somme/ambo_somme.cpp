#include "methods/ambo_somme/ambo_somme.h"

#include "core/archivio.h"
#include "core/aritmetica.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace strovel {

namespace {

enum Ruota { BA, CA, FI, GE, MI, NA, PA, RO, TO, VE, NZ };

bool Coppia(int w1, int w2, std::initializer_list<std::pair<int, int>> coppie) {
    return std::any_of(coppie.begin(), coppie.end(), [&](const auto& c) {
        return (c.first == w1 && c.second == w2) || (c.first == w2 && c.second == w1);
    });
}

bool Gruppo(int w1, int w2, std::initializer_list<int> gruppo) {
    auto dentro = [&](int w) { return std::find(gruppo.begin(), gruppo.end(), w) != gruppo.end(); };
    return w1 != w2 && dentro(w1) && dentro(w2);
}

bool Ordinato(Ordine o, int x, int y) {
    return o == Ordine::Qualsiasi || (o == Ordine::Crescenti ? x < y : x > y);
}

} // namespace

bool InRelazione(RelazioneRuote r, int w1, int w2, bool baVeAdiacenti) {
    switch (r) {
    case RelazioneRuote::Tutte:
        return w1 != w2;
    case RelazioneRuote::Gemelle:
        return Coppia(w1, w2, {{BA, CA}, {FI, GE}, {MI, NA}, {PA, RO}, {TO, VE}});
    case RelazioneRuote::Diametrali:
        return Coppia(w1, w2, {{BA, NA}, {CA, PA}, {FI, RO}, {GE, TO}, {MI, VE}});
    case RelazioneRuote::Adiacenti:
        return (std::max(w1, w2) <= VE && std::abs(w1 - w2) == 1) ||
               (baVeAdiacenti && Coppia(w1, w2, {{VE, BA}}));
    case RelazioneRuote::GMTV:
        return Gruppo(w1, w2, {GE, MI, TO, VE});
    case RelazioneRuote::CFRZ:
        return Gruppo(w1, w2, {CA, FI, RO, NZ});
    case RelazioneRuote::BNP:
        return Gruppo(w1, w2, {BA, NA, PA});
    }
    return false;
}

FiltroAmbo FiltroAmbo::Tutto() {
    FiltroAmbo f;
    f.ruote.fill(true);
    f.posizioni.fill(true);
    f.somme.fill(true);
    f.differenze.fill(true);
    f.decine.fill(true);
    f.cadenze.fill(true);
    f.figure.fill(true);
    return f;
}

bool DistanzaAmmessa(int d, bool maggiore, bool minore) {
    if (maggiore == minore) {
        return true;
    }
    return maggiore ? d >= 45 : d <= 45;
}

bool Coerente(const FiltroAmbo& f) {
    if (!f.posizioneEsatta) {
        return true;
    }
    return !((f.ordineR1 == Ordine::Crescenti && f.ordineR2 == Ordine::Decrescenti) ||
             (f.ordineR1 == Ordine::Decrescenti && f.ordineR2 == Ordine::Crescenti));
}

namespace {

/// An ambo laid on one wheel of a draw: its positions and numbers in draw order.
struct Posato {
    int ruota, p1, p2, x, y;
};

bool Classi(const FiltroAmbo& f, int n) {
    const auto i = static_cast<std::size_t>(n);
    return f.decine[static_cast<std::size_t>(TabDecina[i])] &&
           f.cadenze[static_cast<std::size_t>(TabCadenza[i])] &&
           f.figure[static_cast<std::size_t>(TabFigura[i])];
}

bool Relazione(const FiltroAmbo& f, int w1, int w2) {
    for (std::size_t r = 0; r < f.relazioni.size(); ++r) {
        if (f.relazioni[r] &&
            InRelazione(static_cast<RelazioneRuote>(r), w1, w2, f.baVeAdiacenti)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<CasoAmbo> CercaAmbi(const Archivio& a, const FiltroAmbo& f, int inizio, int fine) {
    std::vector<CasoAmbo> casi;
    if (!Coerente(f)) {
        return casi;
    }
    // The pairs of positions allowed, p1 < p2; adjacency is a rule of each wheel's role.
    std::vector<std::pair<int, int>> coppie;
    for (int p1 = 1; p1 <= 5; ++p1) {
        for (int p2 = p1 + 1; p2 <= 5; ++p2) {
            if (f.posizioni[static_cast<std::size_t>(p1 - 1)] &&
                f.posizioni[static_cast<std::size_t>(p2 - 1)]) {
                coppie.emplace_back(p1, p2);
            }
        }
    }
    // Per draw: the ambi of every wheel, chained by their key min * 91 + max without any
    // allocation; only an ambo seen on two wheels is looked at closely.
    struct Voce {
        Posato posato;
        int prossima;
    };
    std::vector<int> testa(91 * 91, -1);
    std::vector<Voce> voci;
    std::vector<int> chiavi;
    std::vector<CasoAmbo> diQuesta;
    const auto limite = static_cast<std::size_t>(std::max(f.massimoCasi, 0));
    for (int k = std::min<int>(fine, a.TotEstrazioni);
         k >= std::max(inizio, 1) && casi.size() < limite; --k) {
        voci.clear();
        chiavi.clear();
        for (int w = 0; w < 11; ++w) {
            if (!f.ruote[static_cast<std::size_t>(w)]) {
                continue;
            }
            for (const auto& [p1, p2] : coppie) {
                const int x = a.Estratti(k, w, p1), y = a.Estratti(k, w, p2);
                if (x < 1 || x > 90 || y < 1 || y > 90) {
                    continue;
                }
                const auto chiave = static_cast<std::size_t>(std::min(x, y) * 91 + std::max(x, y));
                if (testa[chiave] < 0) {
                    chiavi.push_back(static_cast<int>(chiave));
                }
                voci.push_back({{w, p1, p2, x, y}, testa[chiave]});
                testa[chiave] = static_cast<int>(voci.size()) - 1;
            }
        }
        diQuesta.clear();
        for (const int chiave : chiavi) {
            const int prima = testa[static_cast<std::size_t>(chiave)];
            testa[static_cast<std::size_t>(chiave)] = -1;
            if (voci[static_cast<std::size_t>(prima)].prossima < 0) {
                continue; // on one wheel only
            }
            for (int i = prima; i >= 0; i = voci[static_cast<std::size_t>(i)].prossima) {
                const Posato& uno = voci[static_cast<std::size_t>(i)].posato;
                const bool comeR1 = uno.ruota <= 9 && (!f.adiacenti1 || uno.p2 == uno.p1 + 1);
                if (!comeR1 || !Ordinato(f.ordineR1, uno.x, uno.y)) {
                    continue;
                }
                const int s = ClasseSomma(uno.x, uno.y), d = ClasseDifferenza(uno.x, uno.y);
                if (!f.somme[static_cast<std::size_t>(s)] ||
                    !f.differenze[static_cast<std::size_t>(d)] ||
                    !DistanzaAmmessa(d, f.distanzaMaggiore, f.distanzaMinore) ||
                    !Classi(f, uno.x) || !Classi(f, uno.y)) {
                    continue;
                }
                for (int j = prima; j >= 0; j = voci[static_cast<std::size_t>(j)].prossima) {
                    const Posato& due = voci[static_cast<std::size_t>(j)].posato;
                    if (due.ruota <= uno.ruota || (f.adiacenti2 && due.p2 != due.p1 + 1) ||
                        (f.isotopia && (due.p1 != uno.p1 || due.p2 != uno.p2)) ||
                        !Relazione(f, uno.ruota, due.ruota) ||
                        (f.posizioneEsatta && due.x != uno.x) ||
                        !Ordinato(f.ordineR2, due.x, due.y)) {
                        continue;
                    }
                    CasoAmbo c{k,         uno.ruota, uno.p1, uno.p2, uno.x, uno.y,
                               due.ruota, due.p1,    due.p2, due.x,  due.y};
                    c.a1 = Fuori90(2 * std::max(c.a, c.b));
                    c.a2 = Fuori90(2 * std::min(c.a, c.b));
                    c.b1 = Fuori90(c.c + c.d);
                    c.b2 = Distanza(c.c, c.d);
                    diQuesta.push_back(c);
                }
            }
        }
        // The order of the loops: R1, its positions, R2, its positions.
        std::sort(diQuesta.begin(), diQuesta.end(), [](const CasoAmbo& x, const CasoAmbo& y) {
            return std::tie(x.r1, x.p1, x.p2, x.r2, x.q1, x.q2) <
                   std::tie(y.r1, y.p1, y.p2, y.r2, y.q1, y.q2);
        });
        const std::size_t presi = std::min(limite - casi.size(), diQuesta.size());
        casi.insert(casi.end(), diQuesta.begin(),
                    diQuesta.begin() + static_cast<std::ptrdiff_t>(presi));
    }
    return casi;
}

} // namespace strovel

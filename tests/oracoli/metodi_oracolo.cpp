#include "tests/oracoli/metodi_oracolo.h"

#include "core/archivio.h"
#include "core/formato.h"
#include "core/ruote.h"

namespace strovel::oracolo {

AmbataOracolo AmbataDinamica(const Archivio& a, const ParametriAmbata& p) {
    AmbataOracolo o;
    // RILEVAZIONE
    struct Riga {
        int k, w;
    };
    std::vector<Riga> casi;
    for (int k = p.fine; k >= 1; --k) {
        for (int w = 0; w <= 10; ++w) {
            if (!p.rilevazione[w]) {
                continue;
            }
            for (int pos = 1; pos <= 5; ++pos) {
                if (p.posizioni[pos - 1] && a.Estratti(k, w, pos) == p.spia) {
                    casi.push_back({k, w});
                    break;
                }
            }
        }
        if (static_cast<int>(casi.size()) >= p.presenze) {
            break;
        }
    }
    // CONFIGURA
    const int r = static_cast<int>(p.riferimenti.size());
    std::vector<int> rif(p.colpi + 1);
    for (int c = 1; c <= p.colpi; ++c) {
        rif[c] = ((c - 1) % r) + 1;
    }
    // ELABORA
    const int L = a.NumEstrazioniAnalisi;
    int numero = 0;
    for (const Riga& caso : casi) {
        std::vector<std::string> t(35);
        const int k = caso.k;
        t[0] = std::to_string(++numero);
        t[1] = std::to_string(k);
        t[2] = a.DateEstrazioni[k];
        t[3] = std::to_string(k + 1);
        t[4] = std::to_string(k + p.colpi);
        t[5] = std::string(SigleRuote[caso.w]);
        t[6] = std::to_string(caso.w);
        for (int pos = 1; pos <= 5; ++pos) {
            t[6 + pos] = std::to_string(a.Estratti(k, caso.w, pos));
        }
        int ambata = 0;
        bool vinto = false;
        for (int c = 1; k + c <= p.fine && c <= p.colpi && !vinto; ++c) {
            const Riferimento& x = p.riferimenti[rif[c] - 1];
            const int m = a.Estratti(k + c - 1, x.ruota, x.posizione);
            if (!p.somme || c == 1) {
                ambata = m;
            } else {
                ambata = (ambata + m) % 90;
                if (ambata == 0) {
                    ambata = 90;
                }
            }
            t[12 + c] = std::to_string(ambata);
            for (int w = 0; w <= 10; ++w) {
                if (!p.gioco[w]) {
                    continue;
                }
                for (int pos = 1; pos <= 5; ++pos) {
                    if (a.Estratti(k + c, w, pos) == ambata && ambata != 0) {
                        t[12] = std::to_string(c);
                        t[33] = std::to_string(ambata);
                        t[34] += " " + std::string(SigleRuote[w]);
                        vinto = true;
                        break;
                    }
                }
            }
        }
        ++o.casi;
        if (!t[12].empty()) {
            ++o.positivi;
        } else if (k + 1 <= L && k + p.colpi >= L) {
            ++o.inGioco;
        }
        o.righe.push_back(t);
    }
    o.negativi = o.casi - o.positivi - o.inGioco;
    return o;
}

CinquinaOracolo CinquinaSpiona(const Archivio& a, const ParametriCinquina& p) {
    CinquinaOracolo o;
    const int E = p.fine;
    std::vector<bool> spia(100, false);
    for (int w = 0; w <= 10; ++w) {
        for (int pos = 1; pos <= 5; ++pos) {
            if (p.rilevazione[w] && p.posizioni[pos - 1] && a.Estratti(E, w, pos) > 0) {
                spia[a.Estratti(E, w, pos)] = true;
            }
        }
    }
    std::vector<int> estr;
    for (int k = E; k >= 1; --k) {
        for (int w = 0; w <= 10; ++w) {
            if (!p.rilevazione[w]) {
                continue;
            }
            int conta = 0;
            for (int pos = 1; pos <= 5; ++pos) {
                if (p.posizioni[pos - 1] && spia[a.Estratti(k, w, pos)]) {
                    ++conta;
                }
            }
            if (conta >= 2) {
                estr.push_back(k);
            }
        }
        if (static_cast<int>(estr.size()) >= p.presenze) {
            break;
        }
    }
    o.casi = static_cast<int>(estr.size());
    std::vector<int> pres(100, 0), cc(100, 0), f(100, 0);
    for (const int k : estr) {
        for (int d = k + 1; d <= k + p.colpi; ++d) {
            if (d > a.TotEstrazioni) {
                continue;
            }
            for (int w = 0; w <= 10; ++w) {
                for (int pos = 1; pos <= 5; ++pos) {
                    if (p.gioco[w]) {
                        ++pres[a.Estratti(d, w, pos)];
                    }
                }
            }
        }
    }
    for (int n = 1; n <= 90; ++n) {
        for (const int k : estr) {
            bool trovato = false;
            for (int d = k + 1; d <= k + p.colpi && d <= a.TotEstrazioni && !trovato; ++d) {
                for (int w = 0; w <= 10 && !trovato; ++w) {
                    for (int pos = 1; pos <= 5; ++pos) {
                        if (p.gioco[w] && a.Estratti(d, w, pos) == n) {
                            trovato = true;
                            break;
                        }
                    }
                }
            }
            cc[n] += trovato ? 1 : 0;
        }
    }
    int W = 0;
    for (int w = 0; w <= 10; ++w) {
        W += p.gioco[w] ? 1 : 0;
    }
    if (!estr.empty()) {
        o.span = estr.front() - estr.back() + 1;
        for (int d = estr.back(); d <= estr.front(); ++d) {
            for (int w = 0; w <= 10; ++w) {
                for (int pos = 1; pos <= 5; ++pos) {
                    if (p.gioco[w]) {
                        ++f[a.Estratti(d, w, pos)];
                    }
                }
            }
        }
    }
    o.numeri.resize(91);
    const std::int64_t S = o.span;
    for (int n = 1; n <= 90; ++n) {
        std::string delta;
        if (f[n] > 0 && W > 0) {
            // X = S / (18 W); value = f - (X - S / f), over the common denominator 18 W f.
            const std::int64_t den = std::int64_t{18} * W * f[n];
            const std::int64_t x = S * f[n];    // X over den
            const std::int64_t sf = S * 18 * W; // S / f over den
            const std::int64_t valore = std::int64_t{f[n]} * den - (x - sf);
            delta = Decimale(valore, den, false);
        }
        o.numeri[n] = {std::to_string(cc[n]), std::to_string(pres[n]), delta};
    }
    return o;
}

} // namespace strovel::oracolo

#include "tests/oracoli/ciclo2_oracolo.h"

#include "core/archivio.h"
#include "core/ruote.h"

#include <algorithm>
#include <cstdio>

namespace strovel::oracolo {

namespace {

int Valore(const std::string& cella) {
    return cella.empty() ? 0 : std::stoi(cella);
}

std::string DueCifre(int n) {
    char t[8];
    std::snprintf(t, sizeof t, "%02d", n);
    return t;
}

/// The number at (k, w, p), 0 past the table's end.
int Numero(const Archivio& a, int k, int w, int p) {
    return k >= 0 && k < TabellaEstratti::Estrazioni ? a.Estratti(k, w, p) : 0;
}

} // namespace

GriglieRilevazione RilevaCicli2(const Archivio& a, const ParametriCiclo2& p) {
    GriglieRilevazione g;
    // FgCicli: the header, then a row per cycle.
    std::vector<std::string> testata = {"N C", "Inizio ", "Fine   ", "Gioco "};
    for (int n = 1; n <= 90; ++n) {
        testata.push_back(std::to_string(n));
    }
    g.fgCicli.push_back(testata);
    const int S = p.salto, D = p.durata, C = p.cicli, G = p.colpi;
    int c = 0;
    for (int i = p.riferimento; i >= 1; i -= S + D) {
        c = c + 1;
        if (c > C) {
            break;
        }
        const int inizio = i - S - D + 1;
        if (inizio < 1) {
            break;
        }
        std::vector<std::string> riga(94);
        riga[0] = std::to_string(c);
        riga[1] = std::to_string(inizio);
        riga[2] = std::to_string(i - S);
        riga[3] = std::to_string(inizio + G - 1);
        g.fgCicli.push_back(riga);
    }
    // The presence count.
    std::vector<std::array<int, 100>> tabella(101);
    for (auto& r : tabella) {
        r.fill(0);
    }
    for (std::size_t r = 1; r < g.fgCicli.size(); ++r) {
        for (int k = Valore(g.fgCicli[r][1]); k <= Valore(g.fgCicli[r][3]); ++k) {
            for (int w = 0; w < 11; ++w) {
                for (int q = 1; q <= 5; ++q) {
                    if (p.ruote[static_cast<std::size_t>(w)] &&
                        p.posizioni[static_cast<std::size_t>(q - 1)]) {
                        tabella[r][static_cast<std::size_t>(Numero(a, k, w, q))] += 1;
                    }
                }
            }
        }
    }
    int M = 0;
    for (std::size_t r = 1; r < g.fgCicli.size(); ++r) {
        for (int n = 1; n <= 90; ++n) {
            const int v = tabella[r][static_cast<std::size_t>(n)];
            M = std::max(M, v);
            if (v > 0) {
                g.fgCicli[r][static_cast<std::size_t>(3 + n)] = std::to_string(v);
            }
        }
    }
    // The distribution.
    std::vector<std::string> testataMax = {"N C", "Inizio ", "Fine ", "Gioco"};
    for (int v = 0; v <= M; ++v) {
        testataMax.push_back(std::to_string(v));
    }
    g.fgMax.push_back(testataMax);
    for (std::size_t r = 1; r < g.fgCicli.size(); ++r) {
        std::vector<std::string> riga(static_cast<std::size_t>(M + 5));
        std::copy_n(g.fgCicli[r].begin(), 4, riga.begin());
        for (int n = 1; n <= 90; ++n) {
            const int v = Valore(g.fgCicli[r][static_cast<std::size_t>(3 + n)]);
            std::string& cella = riga[static_cast<std::size_t>(4 + v)];
            cella = cella.empty() ? DueCifre(n) : cella + "-" + DueCifre(n);
        }
        g.fgMax.push_back(riga);
    }
    // The per-number summary.
    g.fgB1.push_back({"N° ", "CC ", "N° E "});
    for (int n = 1; n <= 90; ++n) {
        int cc = 0, ne = 0;
        for (std::size_t r = 1; r < g.fgCicli.size(); ++r) {
            const int v = Valore(g.fgCicli[r][static_cast<std::size_t>(3 + n)]);
            cc += v > 0 ? 1 : 0;
            ne += v;
        }
        g.fgB1.push_back({std::to_string(n), std::to_string(cc), std::to_string(ne)});
    }
    return g;
}

GriglieElabora Elabora2(const Archivio& a, const ParametriCiclo2& p, const Griglia& fgCicli,
                        const std::vector<InsiemePrevisione>& insiemi) {
    GriglieElabora g;
    g.fgAA.push_back({"N° C", "Inizio", "Fine  ", "Gioco ", "Colpo", "Ruota", "N1  ", "N2  ",
                      "N3  ", "N4  ", "N5  ", "QN", "Prev"});
    int stat[11][6] = {};
    for (std::size_t c = 1; c < fgCicli.size() && c <= 100; ++c) {
        g.fgAA.push_back(std::vector<std::string>(13));
        std::copy_n(fgCicli[c].begin(), 4, g.fgAA.back().begin());
        bool colpito = false;
        const int inizio = Valore(fgCicli[c][1]);
        for (int k = inizio; k <= Valore(fgCicli[c][3]) && !colpito; ++k) {
            for (const InsiemePrevisione& h : insiemi) {
                for (int w = 0; w < 11; ++w) {
                    if (!p.ruote[static_cast<std::size_t>(w)]) {
                        continue;
                    }
                    int q = 0;
                    for (int pos = 1; pos <= 5; ++pos) {
                        const int n = Numero(a, k, w, pos);
                        if (p.posizioni[static_cast<std::size_t>(pos - 1)] &&
                            std::find(h.numeri.begin(), h.numeri.end(), n) != h.numeri.end()) {
                            ++q;
                        }
                    }
                    if (q >= h.t) {
                        if (colpito) {
                            g.fgAA.push_back(std::vector<std::string>(13));
                            std::copy_n(fgCicli[c].begin(), 4, g.fgAA.back().begin());
                        }
                        auto& riga = g.fgAA.back();
                        riga[4] = std::to_string(k - inizio + 1);
                        riga[5] = Sigla(w);
                        for (int pos = 1; pos <= 5; ++pos) {
                            riga[static_cast<std::size_t>(5 + pos)] =
                                std::to_string(Numero(a, k, w, pos));
                        }
                        riga[11] = std::to_string(q);
                        riga[12] = std::to_string(h.riga);
                        colpito = true;
                        stat[h.numeri.size()][q] += 1;
                    }
                }
            }
        }
    }
    g.fgStat.push_back({" ", "1", "2", "3", "4", "5"});
    for (int s = 1; s <= 10; ++s) {
        std::vector<std::string> riga = {std::to_string(s)};
        for (int q = 1; q <= 5; ++q) {
            riga.push_back(stat[s][q] > 0 ? std::to_string(stat[s][q]) : std::string());
        }
        g.fgStat.push_back(riga);
    }
    return g;
}

std::vector<AmboContato> AmbiCicli2(const Archivio& a, const ParametriCiclo2& p,
                                    const Griglia& fgCicli, const std::vector<int>& numeri) {
    std::vector<AmboContato> ambi;
    std::vector<int> ordinati = numeri;
    std::sort(ordinati.begin(), ordinati.end());
    for (std::size_t i = 0; i < ordinati.size(); ++i) {
        for (std::size_t j = i + 1; j < ordinati.size(); ++j) {
            AmboContato ambo{ordinati[i], ordinati[j], 0, 0};
            for (std::size_t c = 1; c < fgCicli.size(); ++c) {
                int volte = 0;
                for (int k = Valore(fgCicli[c][1]); k <= Valore(fgCicli[c][3]); ++k) {
                    for (int w = 0; w < 11; ++w) {
                        int trovati = 0;
                        for (int pos = 1; pos <= 5; ++pos) {
                            const int n = Numero(a, k, w, pos);
                            if (p.ruote[static_cast<std::size_t>(w)] &&
                                p.posizioni[static_cast<std::size_t>(pos - 1)] &&
                                (n == ambo.n1 || n == ambo.n2)) {
                                ++trovati;
                            }
                        }
                        volte += trovati == 2 ? 1 : 0;
                    }
                }
                ambo.cc += volte > 0 ? 1 : 0;
                ambo.ne += volte;
            }
            ambi.push_back(ambo);
        }
    }
    return ambi;
}

} // namespace strovel::oracolo

namespace strovel::oracolo {

Griglia ElaboraAmbiCicli(const Archivio& a, int riferimento, int cicli, int durata,
                         const std::array<bool, 11>& ruote, const std::array<bool, 91>& scelti,
                         bool decrescente) {
    // Fg2: NC, Inizio, Fine.
    std::vector<std::array<int, 3>> fg2;
    int c = 0;
    for (int i = riferimento; i >= 1; i -= durata) {
        if (i - durata + 1 < 1) {
            break;
        }
        c = c + 1;
        fg2.push_back({c, i - durata + 1, i});
        if (c >= cicli) {
            break;
        }
    }
    Griglia fg1;
    std::vector<std::string> testata = {"  ", "N1 ", "N2 ", "CC", "NP"};
    for (int k = 1; k <= cicli; ++k) {
        testata.push_back(std::to_string(k));
    }
    fg1.push_back(testata);
    int prog = 0;
    for (int x = 1; x <= 89; ++x) {
        for (int y = x + 1; y <= 90; ++y) {
            if (!scelti[static_cast<std::size_t>(x)] || !scelti[static_cast<std::size_t>(y)]) {
                continue;
            }
            std::vector<int> celle(static_cast<std::size_t>(cicli) + 1, 0);
            for (const auto& [nc, inizio, fine] : fg2) {
                for (int k = inizio; k <= fine; ++k) {
                    for (int w = 0; w < 11; ++w) {
                        if (!ruote[static_cast<std::size_t>(w)]) {
                            continue;
                        }
                        int quanti = 0;
                        for (int p = 1; p <= 5; ++p) {
                            const int n = Numero(a, k, w, p);
                            quanti += n == x || n == y ? 1 : 0;
                        }
                        if (quanti == 2) {
                            celle[static_cast<std::size_t>(nc)] += 1;
                        }
                    }
                }
            }
            std::vector<std::string> riga = {std::to_string(++prog), std::to_string(x),
                                             std::to_string(y)};
            int cc = 0, np = 0;
            for (int k = 1; k <= cicli; ++k) {
                cc += celle[static_cast<std::size_t>(k)] > 0 ? 1 : 0;
                np += celle[static_cast<std::size_t>(k)];
            }
            riga.push_back(std::to_string(cc));
            riga.push_back(std::to_string(np));
            for (int k = 1; k <= cicli; ++k) {
                const int v = celle[static_cast<std::size_t>(k)];
                riga.push_back(v > 0 ? std::to_string(v) : std::string());
            }
            fg1.push_back(riga);
        }
    }
    if (decrescente) {
        std::stable_sort(fg1.begin() + 1, fg1.end(), [](const auto& r, const auto& s) {
            return std::stoi(r[3]) > std::stoi(s[3]);
        });
    }
    return fg1;
}

Griglia GruppiAmbiCicli(const Griglia& fg1, int membri) {
    struct Riga {
        std::vector<std::string> celle = std::vector<std::string>(7);
        int cc = 0; ///< column 7, an empty cell counting 0
    };
    std::vector<Riga> fg9(200);
    const int righe = static_cast<int>(fg1.size()) - 1;
    const int L = righe <= (membri == 2 ? 150 : 60) ? righe : (membri == 2 ? 150 : 60);
    const std::size_t colonne = fg1.front().size();
    auto coperti = [&](std::initializer_list<int> gruppo) {
        int n = 0;
        for (std::size_t c = 5; c < colonne; ++c) {
            bool uno = false;
            for (int r : gruppo) {
                uno = uno || Valore(fg1[static_cast<std::size_t>(r)][c]) > 0;
            }
            n += uno ? 1 : 0;
        }
        return n;
    };
    auto proponi = [&](std::initializer_list<int> gruppo, int conta) {
        if (conta >= fg9.back().cc) {
            Riga& ultima = fg9.back();
            std::size_t k = 0;
            for (int r : gruppo) {
                ultima.celle[2 * k] = fg1[static_cast<std::size_t>(r)][1];
                ultima.celle[2 * k + 1] = fg1[static_cast<std::size_t>(r)][2];
                ++k;
            }
            ultima.celle[6] = std::to_string(conta);
            ultima.cc = conta;
            std::stable_sort(fg9.begin(), fg9.end(),
                             [](const Riga& x, const Riga& y) { return x.cc > y.cc; });
        }
    };
    for (int r1 = 1; r1 <= L; ++r1) {
        for (int r2 = r1 + 1; r2 <= L; ++r2) {
            if (membri == 2) {
                proponi({r1, r2}, coperti({r1, r2}));
                continue;
            }
            for (int r3 = r2 + 1; r3 <= L; ++r3) {
                proponi({r1, r2, r3}, coperti({r1, r2, r3}));
            }
        }
    }
    Griglia g;
    for (const Riga& r : fg9) {
        g.push_back(r.celle);
    }
    return g;
}

} // namespace strovel::oracolo

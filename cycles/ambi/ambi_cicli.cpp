#include "cycles/ambi/ambi_cicli.h"

#include "core/archivio.h"
#include "core/aritmetica.h"
#include "core/ruote.h"
#include "cycles/cicli.h"

#include <algorithm>
#include <bit>

namespace strovel {

std::vector<CicloAmbi> CicliConsecutivi(int riferimento, int cicli, int durata) {
    std::vector<CicloAmbi> risultato;
    for (const Ciclo& c : CostruisciCicli(riferimento, cicli, durata, durata, 0)) {
        risultato.push_back({c.numero, c.inizio, c.fine});
    }
    return risultato;
}

std::array<std::uint64_t, 2> AmboNeiCicli::Copertura() const {
    std::array<std::uint64_t, 2> bit{};
    for (std::size_t c = 0; c < volte.size() && c < 128; ++c) {
        if (volte[c] > 0) {
            bit[c / 64] |= std::uint64_t{1} << (c % 64);
        }
    }
    return bit;
}

std::vector<PresenzaCiclo> PresenzeNeiCicli(const ElaborazioneAmbi& e, int riga) {
    std::vector<PresenzaCiclo> serie;
    if (riga < 0 || riga >= static_cast<int>(e.ambi.size())) {
        return serie;
    }
    const AmboNeiCicli& ambo = e.ambi[static_cast<std::size_t>(riga)];
    for (std::size_t c = 0; c < e.cicli.size() && c < ambo.volte.size(); ++c) {
        serie.push_back({e.cicli[c].numero, e.cicli[c].inizio, ambo.volte[c]});
    }
    return serie;
}

std::vector<std::pair<int, int>> AmbiDi(const NumeriScelti& scelti) {
    std::vector<std::pair<int, int>> ambi;
    for (int x = 1; x <= 89; ++x) {
        for (int y = x + 1; y <= 90; ++y) {
            if (scelti[static_cast<std::size_t>(x)] && scelti[static_cast<std::size_t>(y)]) {
                ambi.emplace_back(x, y);
            }
        }
    }
    return ambi;
}

std::vector<std::pair<int, int>> AmbiFraElenchi(const NumeriScelti& primo,
                                                const NumeriScelti& secondo) {
    std::vector<std::pair<int, int>> ambi;
    for (int x = 1; x <= 89; ++x) {
        for (int y = x + 1; y <= 90; ++y) {
            const auto ix = static_cast<std::size_t>(x), iy = static_cast<std::size_t>(y);
            if ((primo[ix] && secondo[iy]) || (primo[iy] && secondo[ix])) {
                ambi.emplace_back(x, y);
            }
        }
    }
    return ambi;
}

ElaborazioneAmbi ContaAmbi(const Archivio& a, const ParametriAmbiCicli& p,
                           const std::vector<std::pair<int, int>>& ambi, bool perRuota,
                           const Progresso& progresso) {
    ElaborazioneAmbi e;
    e.parametri = p;
    e.cicli = CicliConsecutivi(p.riferimento, p.cicli, p.durata);
    std::vector<int> ruote;
    for (int w = 0; w < NumRuote; ++w) {
        if (p.ruote[static_cast<std::size_t>(w)]) {
            ruote.push_back(w);
        }
    }
    // Row of each ambo in a 91 x 91 table (-1: not asked), and the numbers that matter.
    std::vector<int> riga(91 * 91, -1);
    std::array<bool, 91> coinvolto{};
    const std::size_t perAmbo = perRuota ? ruote.size() : 1;
    for (const auto& [x, y] : ambi) {
        const auto idx = static_cast<std::size_t>(std::min(x, y) * 91 + std::max(x, y));
        if (riga[idx] >= 0) {
            continue;
        }
        riga[idx] = static_cast<int>(e.ambi.size());
        for (std::size_t k = 0; k < perAmbo; ++k) {
            AmboNeiCicli r;
            r.n1 = std::min(x, y);
            r.n2 = std::max(x, y);
            r.volte.assign(static_cast<std::size_t>(std::max(p.cicli, 0)), 0);
            r.ruota = perRuota ? ruote[k] : -1;
            r.ordine = static_cast<int>(e.ambi.size()) + 1;
            e.ambi.push_back(std::move(r));
        }
        coinvolto[static_cast<std::size_t>(x)] = coinvolto[static_cast<std::size_t>(y)] = true;
    }
    // The bar runs 0..89 over the cycles.
    progresso.Massimo(89);
    for (std::size_t c = 0; c < e.cicli.size(); ++c) {
        progresso.Valore(static_cast<int>((c + 1) * 89 / e.cicli.size()));
        for (int k = e.cicli[c].inizio; k <= std::min<int>(e.cicli[c].fine, a.TotEstrazioni); ++k) {
            for (std::size_t iw = 0; iw < ruote.size(); ++iw) {
                std::array<int, 5> usciti{};
                int quanti = 0;
                for (int q = 1; q <= 5; ++q) {
                    const int n = a.Estratti(k, ruote[iw], q);
                    if (n >= 1 && n <= 90 && coinvolto[static_cast<std::size_t>(n)]) {
                        usciti[static_cast<std::size_t>(quanti++)] = n;
                    }
                }
                for (int i = 0; i < quanti; ++i) {
                    for (int j = i + 1; j < quanti; ++j) {
                        const int x = std::min(usciti[static_cast<std::size_t>(i)],
                                               usciti[static_cast<std::size_t>(j)]);
                        const int y = std::max(usciti[static_cast<std::size_t>(i)],
                                               usciti[static_cast<std::size_t>(j)]);
                        const int r = riga[static_cast<std::size_t>(x * 91 + y)];
                        if (r >= 0) {
                            ++e.ambi[static_cast<std::size_t>(r) + (perRuota ? iw : 0)].volte[c];
                        }
                    }
                }
            }
        }
    }
    for (AmboNeiCicli& r : e.ambi) {
        for (const std::int16_t v : r.volte) {
            r.cc += v > 0 ? 1 : 0;
            r.np += v;
        }
    }
    progresso.Completa();
    return e;
}

void OrdinaPerCC(std::vector<AmboNeiCicli>& ambi) {
    std::stable_sort(ambi.begin(), ambi.end(),
                     [](const AmboNeiCicli& x, const AmboNeiCicli& y) { return x.cc > y.cc; });
}

NumeriScelti Formazione(char tipo, int valore) {
    const TabellaAttributo& t = tipo == 'C' ? TabCadenza : tipo == 'F' ? TabFigura : TabDecina;
    NumeriScelti scelti{};
    for (int n = 1; n <= 90; ++n) {
        scelti[static_cast<std::size_t>(n)] = t[static_cast<std::size_t>(n)] == valore;
    }
    return scelti;
}

// --- Groups ------------------------------------------------------------------------------------

std::vector<std::optional<GruppoAmbi>> MiglioriGruppi(const std::vector<AmboNeiCicli>& ambi,
                                                      int membri, const Progresso& progresso) {
    const int L = std::min(static_cast<int>(ambi.size()), LimiteGruppi(membri));
    std::vector<std::array<std::uint64_t, 2>> copertura;
    for (int r = 0; r < L; ++r) {
        copertura.push_back(ambi[static_cast<std::size_t>(r)].Copertura());
    }
    std::vector<std::optional<GruppoAmbi>> lista(RigheGruppi);
    auto soglia = [&] { return lista.back() ? lista.back()->cc : 0; };
    // The new group replaces the last row; the stable re-sort then puts it after every row
    // with at least its count.
    auto proponi = [&](const GruppoAmbi& g) {
        if (g.cc < soglia()) {
            return;
        }
        lista.pop_back();
        const auto dove = std::find_if(lista.begin(), lista.end(),
                                       [&](const auto& x) { return (x ? x->cc : 0) < g.cc; });
        lista.insert(dove, g);
    };
    auto conta = [](const std::array<std::uint64_t, 2>& m) {
        return std::popcount(m[0]) + std::popcount(m[1]);
    };
    progresso.Massimo(std::max(L - 1, 0));
    for (int r1 = 0; r1 < L; ++r1) {
        progresso.Valore(r1);
        const auto& c1 = copertura[static_cast<std::size_t>(r1)];
        for (int r2 = r1 + 1; r2 < L; ++r2) {
            const auto& c2 = copertura[static_cast<std::size_t>(r2)];
            const std::array<std::uint64_t, 2> due{c1[0] | c2[0], c1[1] | c2[1]};
            if (membri == 2) {
                proponi({{r1, r2, -1}, conta(due)});
                continue;
            }
            for (int r3 = r2 + 1; r3 < L; ++r3) {
                const auto& c3 = copertura[static_cast<std::size_t>(r3)];
                proponi({{r1, r2, r3}, conta({due[0] | c3[0], due[1] | c3[1]})});
            }
        }
    }
    progresso.Completa();
    return lista;
}

std::vector<std::pair<int, int>> MiglioriCoperture(const std::vector<AmboNeiCicli>& ambi) {
    std::vector<std::pair<int, int>> passi;
    std::array<std::uint64_t, 2> coperti{};
    auto conta = [](const std::array<std::uint64_t, 2>& m) {
        return std::popcount(m[0]) + std::popcount(m[1]);
    };
    while (true) {
        int migliore = -1, guadagno = 0;
        for (std::size_t r = 0; r < ambi.size(); ++r) {
            const auto c = ambi[r].Copertura();
            const int nuovi = conta({c[0] & ~coperti[0], c[1] & ~coperti[1]});
            if (nuovi > guadagno) {
                guadagno = nuovi;
                migliore = static_cast<int>(r);
            }
        }
        if (migliore < 0) {
            return passi;
        }
        const auto c = ambi[static_cast<std::size_t>(migliore)].Copertura();
        coperti = {coperti[0] | c[0], coperti[1] | c[1]};
        passi.emplace_back(migliore, conta(coperti));
    }
}

// --- Highlighting, capogioco ---------------------------------------------------------------------

bool UltimeNegative(const AmboNeiCicli& ambo, int n, int cicliPosati) {
    // The oldest laid cycle is never counted, as the last row of a cycle list.
    const int contati = std::min(n, cicliPosati - 1);
    int negativi = 0;
    for (int c = 0; c < contati && c < static_cast<int>(ambo.volte.size()); ++c) {
        negativi += ambo.volte[static_cast<std::size_t>(c)] == 0 ? 1 : 0;
    }
    return n >= 1 && negativi >= n;
}

std::vector<Capogioco> Capigioco(const Archivio& a, const ElaborazioneAmbi& e) {
    std::array<Capogioco, 91> tutti{};
    // An ambo counted on each wheel has several rows; it holds its numbers once.
    std::vector<bool> visto(91 * 91, false);
    for (const AmboNeiCicli& r : e.ambi) {
        const auto idx = static_cast<std::size_t>(r.n1 * 91 + r.n2);
        if (!visto[idx]) {
            visto[idx] = true;
            ++tutti[static_cast<std::size_t>(r.n1)].ambi;
            ++tutti[static_cast<std::size_t>(r.n2)].ambi;
        }
    }
    std::vector<Capogioco> capi;
    for (int n = 1; n <= 90; ++n) {
        Capogioco& g = tutti[static_cast<std::size_t>(n)];
        if (g.ambi == 0) {
            continue;
        }
        g.numero = n;
        for (const CicloAmbi& c : e.cicli) {
            int volte = 0;
            for (int k = c.inizio; k <= std::min<int>(c.fine, a.TotEstrazioni); ++k) {
                for (int w = 0; w < NumRuote; ++w) {
                    volte += e.parametri.ruote[static_cast<std::size_t>(w)] && a.Presente(k, w, n)
                                 ? 1
                                 : 0;
                }
            }
            g.cc += volte > 0 ? 1 : 0;
            g.np += volte;
        }
        capi.push_back(g);
    }
    std::stable_sort(capi.begin(), capi.end(), [](const Capogioco& x, const Capogioco& y) {
        return x.ambi != y.ambi ? x.ambi > y.ambi : x.cc > y.cc;
    });
    return capi;
}

// --- Grids ---------------------------------------------------------------------------------------

Tabella TabellaCicliAmbi(const Archivio& a, const std::vector<CicloAmbi>& cicli) {
    Tabella t(IntestazioneCicliAmbi);
    for (const CicloAmbi& c : cicli) {
        t.AggiungiRiga({"", std::to_string(c.numero), std::to_string(c.inizio), a.Data(c.inizio),
                        std::to_string(c.fine), a.Data(c.fine)});
    }
    return t;
}

Tabella TabellaAmbiCicli(const ElaborazioneAmbi& e, bool conCicli) {
    Tabella t(IntestazioneAmbiCicli);
    const int colonne = conCicli ? e.parametri.cicli : 0;
    if (conCicli) {
        t.intestazioni.pop_back(); // the cycle columns follow NP directly
        for (int c = 1; c <= colonne; ++c) {
            t.intestazioni.push_back(std::to_string(c));
        }
    }
    for (const AmboNeiCicli& r : e.ambi) {
        auto& riga =
            t.AggiungiRiga({std::to_string(r.ordine), std::to_string(r.n1), std::to_string(r.n2),
                            std::to_string(r.cc), std::to_string(r.np)});
        if (!conCicli && r.ruota >= 0) {
            riga[5].testo = Sigla(r.ruota);
        }
        for (int c = 0; c < colonne && c < static_cast<int>(r.volte.size()); ++c) {
            const int v = r.volte[static_cast<std::size_t>(c)];
            riga[static_cast<std::size_t>(5 + c)].testo = v > 0 ? std::to_string(v) : "";
        }
    }
    return t;
}

namespace {

void ScriviAmbo(std::vector<Cella>& riga, std::size_t colonna, const AmboNeiCicli& r) {
    riga[colonna].testo = std::to_string(r.n1);
    riga[colonna + 1].testo = std::to_string(r.n2);
}

} // namespace

Tabella TabellaGruppi(const std::vector<AmboNeiCicli>& ambi,
                      const std::vector<std::optional<GruppoAmbi>>& gruppi) {
    Tabella t(IntestazioneGruppiAmbi);
    int prog = 0;
    for (const auto& g : gruppi) {
        auto& riga = t.AggiungiRiga();
        ++prog;
        if (!g) {
            continue;
        }
        riga[0].testo = std::to_string(prog);
        for (std::size_t m = 0; m < 3; ++m) {
            if (g->righe[m] >= 0) {
                ScriviAmbo(riga, 1 + 2 * m, ambi[static_cast<std::size_t>(g->righe[m])]);
            }
        }
        riga[7].testo = std::to_string(g->cc);
    }
    return t;
}

Tabella TabellaCoperture(const std::vector<AmboNeiCicli>& ambi,
                         const std::vector<std::pair<int, int>>& passi) {
    Tabella t(IntestazioneGruppiAmbi);
    int prog = 0;
    for (const auto& [r, cc] : passi) {
        auto& riga = t.AggiungiRiga({std::to_string(++prog)});
        ScriviAmbo(riga, 1, ambi[static_cast<std::size_t>(r)]);
        riga[7].testo = std::to_string(cc);
    }
    return t;
}

Tabella TabellaCapigioco(const std::vector<Capogioco>& capi) {
    Tabella t(IntestazioneCapogioco);
    for (const Capogioco& g : capi) {
        t.AggiungiRiga({std::to_string(g.numero), std::to_string(g.ambi), std::to_string(g.cc),
                        std::to_string(g.np)});
    }
    return t;
}

Tabella TabellaUsciteAmbo(const Archivio& a, const ElaborazioneAmbi& e, int riga) {
    Tabella t(IntestazioneRuoteAmbo);
    if (riga < 0 || riga >= static_cast<int>(e.ambi.size())) {
        return t;
    }
    const AmboNeiCicli& r = e.ambi[static_cast<std::size_t>(riga)];
    int prog = 0;
    for (const CicloAmbi& c : e.cicli) {
        for (int k = c.fine; k >= c.inizio; --k) {
            std::string ruote;
            for (int w = 0; w < NumRuote && k <= a.TotEstrazioni; ++w) {
                const bool contata =
                    r.ruota >= 0 ? w == r.ruota : e.parametri.ruote[static_cast<std::size_t>(w)];
                if (contata && a.Presente(k, w, r.n1) && a.Presente(k, w, r.n2)) {
                    ruote += (ruote.empty() ? "" : " ") + Sigla(w);
                }
            }
            if (!ruote.empty()) {
                t.AggiungiRiga({std::to_string(++prog), std::to_string(k), a.Data(k), ruote});
            }
        }
    }
    return t;
}

int PrimoGruppo(const std::vector<std::optional<GruppoAmbi>>& gruppi) {
    int primo = 0;
    for (const auto& g : gruppi) {
        primo = g ? std::max(primo, g->cc) : primo;
    }
    return primo;
}

} // namespace strovel

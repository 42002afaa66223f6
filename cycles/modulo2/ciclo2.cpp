#include "cycles/modulo2/ciclo2.h"

#include "core/archivio.h"
#include "core/aritmetica.h"
#include "core/ruote.h"
#include "cycles/cicli.h"

#include <algorithm>

namespace strovel {

namespace {

/// The numbers of draw k on wheel w at the selected positions.
Insieme90 UscitaPosizioni(const Archivio& a, int k, int w, const std::array<bool, 5>& posizioni) {
    Insieme90 s;
    for (int p = 1; p <= 5; ++p) {
        if (posizioni[static_cast<std::size_t>(p - 1)]) {
            s.Aggiungi(a.Estratti(k, w, p));
        }
    }
    return s;
}

bool Ruota(const ParametriCiclo2& p, int w) {
    return p.ruote[static_cast<std::size_t>(w)];
}

/// Calls f(k, w, uscita) for every draw of cycle c's window and every selected wheel.
template <typename F>
void PerOgniUscita(const Archivio& a, const Rilevazione& r, const CicloOsservato& c, F&& f) {
    const int ultima = UltimaOsservata(c, r.totEstrazioni);
    for (int k = c.inizio; k <= ultima; ++k) {
        for (int w = 0; w < NumRuote; ++w) {
            if (Ruota(r.parametri, w)) {
                f(k, w, UscitaPosizioni(a, k, w, r.parametri.posizioni));
            }
        }
    }
}

} // namespace

int UltimaOsservata(const CicloOsservato& c, int totEstrazioni) {
    return std::min(c.gioco, totEstrazioni);
}

Rilevazione RilevaCicli(const Archivio& a, const ParametriCiclo2& p) {
    Rilevazione r;
    r.parametri = p;
    r.parametri.considera = std::min(p.considera, p.durata);
    r.totEstrazioni = a.TotEstrazioni;
    for (const Ciclo& c : CostruisciCicli(p.riferimento, p.cicli, p.durata, p.durata, p.salto)) {
        r.cicli.push_back({c.numero, c.inizio, c.fine, c.inizio + p.colpi - 1});
    }
    r.presenze.assign(r.cicli.size(), PresenzeCiclo{});
    for (std::size_t i = 0; i < r.cicli.size(); ++i) {
        PresenzeCiclo& conta = r.presenze[i];
        const int ultima = UltimaOsservata(r.cicli[i], r.totEstrazioni);
        for (int k = r.cicli[i].inizio; k <= ultima; ++k) {
            for (int w = 0; w < NumRuote; ++w) {
                if (!Ruota(p, w)) {
                    continue;
                }
                for (int q = 1; q <= 5; ++q) {
                    const int n = a.Estratti(k, w, q);
                    if (p.posizioni[static_cast<std::size_t>(q - 1)] && n >= 1 && n <= 90) {
                        ++conta[static_cast<std::size_t>(n)];
                    }
                }
            }
        }
        for (int n = 1; n <= 90; ++n) {
            r.massimo = std::max<int>(r.massimo, conta[static_cast<std::size_t>(n)]);
        }
    }
    return r;
}

std::vector<PresenzaCiclo> PresenzeNeiCicli(const Rilevazione& r, int numero) {
    std::vector<PresenzaCiclo> serie;
    if (numero < 1 || numero > 90) {
        return serie;
    }
    for (std::size_t c = 0; c < r.cicli.size() && c < r.presenze.size(); ++c) {
        serie.push_back({r.cicli[c].numero, r.cicli[c].inizio,
                         r.presenze[c][static_cast<std::size_t>(numero)]});
    }
    return serie;
}

std::vector<int> NumeriConPresenze(const Rilevazione& r, int riga, int volte) {
    std::vector<int> numeri;
    if (riga < 0 || riga >= static_cast<int>(r.presenze.size())) {
        return numeri;
    }
    for (int n = 1; n <= 90; ++n) {
        if (r.presenze[static_cast<std::size_t>(riga)][static_cast<std::size_t>(n)] == volte) {
            numeri.push_back(n);
        }
    }
    return numeri;
}

std::string DidascaliaGruppo(const Rilevazione& r, int riga, int volte) {
    return "Ciclo N° " + std::to_string(r.cicli[static_cast<std::size_t>(riga)].numero) +
           " Numeri con " + std::to_string(volte) + " presenze";
}

std::vector<PresenzeNumero> RiepilogoNumeri(const Rilevazione& r, const std::vector<int>& numeri) {
    std::vector<PresenzeNumero> righe;
    for (int n : numeri) {
        PresenzeNumero riga{n, 0, 0};
        for (const PresenzeCiclo& conta : r.presenze) {
            const int v = conta[static_cast<std::size_t>(n)];
            riga.cc += v > 0 ? 1 : 0;
            riga.ne += v;
        }
        righe.push_back(riga);
    }
    return righe;
}

std::vector<PresenzeNumero> RiepilogoNumeri(const Rilevazione& r) {
    return RiepilogoNumeri(r, NumeriInEsame({}));
}

void OrdinaPerCicli(std::vector<PresenzeNumero>& righe) {
    std::stable_sort(righe.begin(), righe.end(),
                     [](const PresenzeNumero& x, const PresenzeNumero& y) {
                         return x.cc != y.cc ? x.cc > y.cc : x.ne > y.ne;
                     });
}

// --- ELABORA ---------------------------------------------------------------------------------

VerificaInsiemi VerificaNeiCicli(const Archivio& a, const Rilevazione& r,
                                 const std::vector<InsiemePrevisione>& insiemi) {
    VerificaInsiemi v;
    std::vector<Insieme90> insiemiBit;
    for (const InsiemePrevisione& s : insiemi) {
        Insieme90 b;
        for (int n : s.numeri) {
            b.Aggiungi(n);
        }
        insiemiBit.push_back(b);
    }
    const std::size_t quanti = std::min<std::size_t>(r.cicli.size(), 100);
    for (std::size_t c = 0; c < quanti; ++c) {
        VerificaCiclo vc{r.cicli[c], {}};
        const int ultima = UltimaOsservata(vc.ciclo, r.totEstrazioni);
        for (int k = vc.ciclo.inizio; k <= ultima && !vc.Positivo(); ++k) {
            for (std::size_t h = 0; h < insiemi.size(); ++h) {
                for (int w = 0; w < NumRuote; ++w) {
                    if (!Ruota(r.parametri, w)) {
                        continue;
                    }
                    const int q =
                        UscitaPosizioni(a, k, w, r.parametri.posizioni).ComuniCon(insiemiBit[h]);
                    if (q >= insiemi[h].t && q > 0) {
                        vc.colpi.push_back({k - vc.ciclo.inizio + 1, k, w, q, insiemi[h].riga});
                        const int s = std::min<int>(insiemiBit[h].Numeri(), 10);
                        ++v.statistica[static_cast<std::size_t>(s)][static_cast<std::size_t>(q)];
                    }
                }
            }
        }
        v.cicli.push_back(std::move(vc));
    }
    return v;
}

int EsitoCiclo2::Migliore() const {
    return *std::max_element(q.begin(), q.end());
}

std::vector<EsitoCiclo2> EsitiPerCiclo(const VerificaInsiemi& v) {
    std::vector<EsitoCiclo2> esiti;
    for (const VerificaCiclo& c : v.cicli) {
        EsitoCiclo2 e{c.ciclo, 0, {}};
        for (const ColpoInsieme& h : c.colpi) {
            e.colpo = h.colpo;
            int& migliore = e.q[static_cast<std::size_t>(h.ruota)];
            migliore = std::max(migliore, h.q);
        }
        esiti.push_back(e);
    }
    return esiti;
}

// --- Series ----------------------------------------------------------------------------------

namespace {

const TabellaAttributo& Tavola(TipoClasse tipo) {
    switch (tipo) {
    case TipoClasse::Cadenza:
        return TabCadenza;
    case TipoClasse::Figura:
        return TabFigura;
    case TipoClasse::Decina:
        break;
    }
    return TabDecina;
}

} // namespace

std::vector<int> NumeriClasse(TipoClasse tipo, int classe) {
    std::vector<int> numeri;
    const TabellaAttributo& t = Tavola(tipo);
    for (int n = 1; n <= 90; ++n) {
        if (t[static_cast<std::size_t>(n)] == classe) {
            numeri.push_back(n);
        }
    }
    return numeri;
}

std::vector<std::array<int, 10>> ContaSerie(const Archivio& a, const Rilevazione& r,
                                            TipoClasse tipo, int sorte) {
    const TabellaAttributo& t = Tavola(tipo);
    std::vector<std::array<int, 10>> volte(r.cicli.size());
    for (std::size_t c = 0; c < r.cicli.size(); ++c) {
        PerOgniUscita(a, r, r.cicli[c], [&](int k, int w, const Insieme90&) {
            // The counters belong to one wheel of one draw.
            std::array<int, 10> conta{};
            for (int q = 1; q <= 5; ++q) {
                const int n = a.Estratti(k, w, q);
                if (r.parametri.posizioni[static_cast<std::size_t>(q - 1)] && n >= 1 && n <= 90) {
                    ++conta[static_cast<std::size_t>(t[static_cast<std::size_t>(n)])];
                }
            }
            for (std::size_t cl = 0; cl < 10; ++cl) {
                volte[c][cl] += conta[cl] >= sorte ? 1 : 0;
            }
        });
    }
    return volte;
}

std::vector<int> NumeriSerie(const Rilevazione& r, TipoClasse tipo, int classe, bool soloScoperti) {
    std::vector<int> numeri = NumeriClasse(tipo, classe);
    if (soloScoperti && !r.presenze.empty()) {
        std::erase_if(numeri,
                      [&](int n) { return r.presenze.front()[static_cast<std::size_t>(n)] > 0; });
    }
    return numeri;
}

// --- Ambi, pairings, ambetti -----------------------------------------------------------------

std::vector<int> NumeriInEsame(const std::vector<int>& gruppo) {
    if (!gruppo.empty()) {
        return gruppo;
    }
    std::vector<int> tutti(90);
    for (int n = 1; n <= 90; ++n) {
        tutti[static_cast<std::size_t>(n - 1)] = n;
    }
    return tutti;
}

namespace {

/// Index of ambo (x, y), x < y, in a 91 x 91 table.
constexpr std::size_t Indice(int x, int y) {
    return static_cast<std::size_t>(x) * 91 + static_cast<std::size_t>(y);
}

/// The numbers of `uscita` that are in `scelti`, increasing.
int Scelti(const Insieme90& uscita, const std::array<bool, 91>& scelti, std::array<int, 5>& out) {
    int quanti = 0;
    for (int n = 1; n <= 90 && quanti < 5; ++n) {
        if (scelti[static_cast<std::size_t>(n)] && uscita.Contiene(n)) {
            out[static_cast<std::size_t>(quanti++)] = n;
        }
    }
    return quanti;
}

std::array<bool, 91> Segna(const std::vector<int>& numeri) {
    std::array<bool, 91> scelti{};
    for (int n : numeri) {
        if (n >= 1 && n <= 90) {
            scelti[static_cast<std::size_t>(n)] = true;
        }
    }
    return scelti;
}

} // namespace

std::vector<AmboCiclo> AmbiNeiCicli(const Archivio& a, const Rilevazione& r,
                                    const std::vector<int>& numeri) {
    const std::array<bool, 91> scelti = Segna(numeri);
    std::vector<int> ne(91 * 91, 0), cc(91 * 91, 0), ultimoCiclo(91 * 91, -1);
    for (std::size_t c = 0; c < r.cicli.size(); ++c) {
        PerOgniUscita(a, r, r.cicli[c], [&](int, int, const Insieme90& u) {
            std::array<int, 5> m{};
            const int quanti = Scelti(u, scelti, m);
            for (int i = 0; i < quanti; ++i) {
                for (int j = i + 1; j < quanti; ++j) {
                    const std::size_t x =
                        Indice(m[static_cast<std::size_t>(i)], m[static_cast<std::size_t>(j)]);
                    ++ne[x];
                    if (ultimoCiclo[x] != static_cast<int>(c)) {
                        ultimoCiclo[x] = static_cast<int>(c);
                        ++cc[x];
                    }
                }
            }
        });
    }
    std::vector<AmboCiclo> ambi;
    for (int x = 1; x <= 89; ++x) {
        for (int y = x + 1; y <= 90; ++y) {
            if (scelti[static_cast<std::size_t>(x)] && scelti[static_cast<std::size_t>(y)] &&
                cc[Indice(x, y)] > 0) {
                ambi.push_back({x, y, cc[Indice(x, y)], ne[Indice(x, y)], -1, -1});
            }
        }
    }
    // Current delays: one backward scan from ref fills every ambo's last outcome.
    std::vector<int> rit(91 * 91, -1), ruota(91 * 91, -1);
    std::size_t mancanti = ambi.size();
    for (int k = std::min<int>(r.parametri.riferimento, a.TotEstrazioni); k >= 1 && mancanti > 0;
         --k) {
        for (int w = 0; w < NumRuote; ++w) {
            if (!Ruota(r.parametri, w)) {
                continue;
            }
            std::array<int, 5> m{};
            const int quanti = Scelti(UscitaPosizioni(a, k, w, r.parametri.posizioni), scelti, m);
            for (int i = 0; i < quanti; ++i) {
                for (int j = i + 1; j < quanti; ++j) {
                    const std::size_t x =
                        Indice(m[static_cast<std::size_t>(i)], m[static_cast<std::size_t>(j)]);
                    if (rit[x] < 0) {
                        rit[x] = r.parametri.riferimento - k;
                        ruota[x] = w;
                        if (cc[x] > 0) {
                            --mancanti;
                        }
                    }
                }
            }
        }
    }
    for (AmboCiclo& ambo : ambi) {
        ambo.rit = rit[Indice(ambo.n1, ambo.n2)];
        ambo.ruota = ruota[Indice(ambo.n1, ambo.n2)];
    }
    std::stable_sort(ambi.begin(), ambi.end(),
                     [](const AmboCiclo& x, const AmboCiclo& y) { return x.cc > y.cc; });
    return ambi;
}

std::vector<AmboCiclo> OrdinaPerRitardo(std::vector<AmboCiclo> ambi) {
    auto chiave = [](const AmboCiclo& x) { return x.rit < 0 ? 1 << 30 : x.rit; };
    std::stable_sort(ambi.begin(), ambi.end(),
                     [&](const AmboCiclo& x, const AmboCiclo& y) { return chiave(x) > chiave(y); });
    return ambi;
}

Abbinamenti CalcolaAbbinamenti(const Archivio& a, const Rilevazione& r, int ambata) {
    Abbinamenti ab;
    ab.ambata = ambata;
    // Per cycle, the ambi out in its window among all numbers: 91 x 91 flags reused per cycle.
    std::vector<std::vector<bool>> ambiCiclo(r.cicli.size());
    for (std::size_t c = 0; c < r.cicli.size(); ++c) {
        std::vector<bool>& uscitiInsieme = ambiCiclo[c];
        uscitiInsieme.assign(91 * 91, false);
        PerOgniUscita(a, r, r.cicli[c], [&](int, int, const Insieme90& u) {
            std::array<int, 5> m{};
            int quanti = 0;
            for (int n = 1; n <= 90 && quanti < 5; ++n) {
                if (u.Contiene(n)) {
                    m[static_cast<std::size_t>(quanti++)] = n;
                }
            }
            for (int i = 0; i < quanti; ++i) {
                for (int j = i + 1; j < quanti; ++j) {
                    uscitiInsieme[Indice(m[static_cast<std::size_t>(i)],
                                         m[static_cast<std::size_t>(j)])] = true;
                }
            }
        });
    }
    auto insieme = [&](std::size_t c, int x, int y) {
        return x != y && ambiCiclo[c][x < y ? Indice(x, y) : Indice(y, x)];
    };
    for (int n = 1; n <= 90; ++n) {
        for (std::size_t c = 0; c < r.cicli.size(); ++c) {
            ab.volte[static_cast<std::size_t>(n)] += insieme(c, ambata, n) ? 1 : 0;
        }
        if (ab.volte[static_cast<std::size_t>(n)] > 0) {
            ab.classifica.emplace_back(n, ab.volte[static_cast<std::size_t>(n)]);
        }
    }
    std::stable_sort(ab.classifica.begin(), ab.classifica.end(),
                     [](const auto& x, const auto& y) { return x.second > y.second; });
    const std::size_t primi = std::min<std::size_t>(ab.classifica.size(), 5);
    for (std::size_t i = 0; i < primi; ++i) {
        for (std::size_t j = i + 1; j < primi; ++j) {
            Abbinamenti::Terzina t{ambata, ab.classifica[i].first, ab.classifica[j].first, 0};
            for (std::size_t c = 0; c < r.cicli.size(); ++c) {
                t.cc += insieme(c, t.n1, t.n2) || insieme(c, t.n1, t.n3) || insieme(c, t.n2, t.n3)
                            ? 1
                            : 0;
            }
            ab.terzine.push_back(t);
        }
    }
    std::stable_sort(ab.terzine.begin(), ab.terzine.end(),
                     [](const auto& x, const auto& y) { return x.cc > y.cc; });
    return ab;
}

namespace {

int Precedente(int n) {
    return n == 1 ? 90 : n - 1;
}
int Successivo(int n) {
    return n == 90 ? 1 : n + 1;
}

/// `uscita` holds x and a number of {y - 1, y, y + 1} other than x.
bool ConVicino(const Insieme90& uscita, int x, int y) {
    if (!uscita.Contiene(x)) {
        return false;
    }
    for (int v : {Precedente(y), y, Successivo(y)}) {
        if (v != x && uscita.Contiene(v)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool Ambetto(const Insieme90& uscita, int n1, int n2) {
    return ConVicino(uscita, n1, n2) || ConVicino(uscita, n2, n1);
}

std::vector<EsitoAmbetto> VerificaAmbetti(const Archivio& a, const Rilevazione& r,
                                          const std::vector<int>& numeri) {
    std::vector<EsitoAmbetto> esiti;
    const auto m = numeri.size();
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = i + 1; j < m; ++j) {
            esiti.push_back({numeri[i], numeri[j], 0, {}});
        }
    }
    // Pair (i, j), i < j, sits at i * (2m - i - 1) / 2 + (j - i - 1).
    auto coppia = [m](std::size_t i, std::size_t j) {
        if (i > j) {
            std::swap(i, j);
        }
        return i * (2 * m - i - 1) / 2 + (j - i - 1);
    };
    std::array<int, 91> posizione;
    posizione.fill(-1);
    for (std::size_t i = 0; i < m; ++i) {
        if (numeri[i] >= 1 && numeri[i] <= 90) {
            posizione[static_cast<std::size_t>(numeri[i])] = static_cast<int>(i);
        }
    }
    for (const CicloOsservato& c : r.cicli) {
        std::vector<bool> fatto(esiti.size(), false);
        PerOgniUscita(a, r, c, [&](int k, int w, const Insieme90& u) {
            // An ambetto needs one of its two numbers out: only those pairs are checked.
            for (int x = 1; x <= 90; ++x) {
                const int i = posizione[static_cast<std::size_t>(x)];
                if (i < 0 || !u.Contiene(x)) {
                    continue;
                }
                for (std::size_t j = 0; j < m; ++j) {
                    if (j == static_cast<std::size_t>(i)) {
                        continue;
                    }
                    const std::size_t e = coppia(static_cast<std::size_t>(i), j);
                    if (!fatto[e] && Ambetto(u, esiti[e].n1, esiti[e].n2)) {
                        fatto[e] = true;
                        ++esiti[e].esiti;
                        esiti[e].colpi.push_back({c, k - c.inizio + 1, k, w});
                    }
                }
            }
        });
    }
    return esiti;
}

std::vector<std::pair<int, int>> RitardiNumeri(const Archivio& a, int riferimento,
                                               const std::array<bool, 11>& ruote,
                                               const std::vector<int>& numeri) {
    std::vector<std::pair<int, int>> ritardi;
    for (int n : numeri) {
        for (int w = 0; w < NumRuote; ++w) {
            if (ruote[static_cast<std::size_t>(w)]) {
                ritardi.emplace_back(Ritardo(a, riferimento, w, n), w);
            }
        }
    }
    return ritardi;
}

} // namespace strovel

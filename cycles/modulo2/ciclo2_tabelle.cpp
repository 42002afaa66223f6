#include "cycles/modulo2/ciclo2_tabelle.h"

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/ruote.h"

#include <algorithm>
#include <cstdio>

namespace strovel {

namespace {

std::string DueCifre(int n) {
    char testo[8];
    std::snprintf(testo, sizeof testo, "%02d", n);
    return testo;
}

std::string SeNonZero(int n) {
    return n != 0 ? std::to_string(n) : std::string();
}

std::vector<std::string> ColonneCiclo(const CicloOsservato& c) {
    return {std::to_string(c.numero), std::to_string(c.inizio), std::to_string(c.fine),
            std::to_string(c.gioco)};
}

void Intesta(Tabella& t, int da, int a) {
    for (int i = da; i <= a; ++i) {
        t.intestazioni.push_back(std::to_string(i));
    }
}

} // namespace

Tabella TabellaCicli2(const Rilevazione& r) {
    Tabella t(IntestazioneCicli2);
    Intesta(t, 1, 90);
    for (std::size_t c = 0; c < r.cicli.size(); ++c) {
        auto& riga = t.AggiungiRiga(ColonneCiclo(r.cicli[c]));
        for (int n = 1; n <= 90; ++n) {
            riga[static_cast<std::size_t>(3 + n)].testo =
                SeNonZero(r.presenze[c][static_cast<std::size_t>(n)]);
        }
    }
    return t;
}

Tabella TabellaDistribuzione(const Rilevazione& r) {
    Tabella t(IntestazioneDistribuzione);
    Intesta(t, 0, r.massimo);
    for (std::size_t c = 0; c < r.cicli.size(); ++c) {
        auto& riga = t.AggiungiRiga(ColonneCiclo(r.cicli[c]));
        for (int n = 1; n <= 90; ++n) {
            std::string& cella =
                riga[static_cast<std::size_t>(4 + r.presenze[c][static_cast<std::size_t>(n)])]
                    .testo;
            cella += cella.empty() ? DueCifre(n) : "-" + DueCifre(n);
        }
    }
    return t;
}

Tabella TabellaNumeri(const std::vector<PresenzeNumero>& righe) {
    Tabella t(IntestazioneNumeri);
    for (const PresenzeNumero& r : righe) {
        t.AggiungiRiga({std::to_string(r.numero), std::to_string(r.cc), std::to_string(r.ne)});
    }
    return t;
}

Tabella TabellaVerificaInsiemi(const Archivio& a, const VerificaInsiemi& v,
                               const std::vector<InsiemePrevisione>& insiemi) {
    Tabella t(IntestazioneVerificaInsiemi);
    for (const VerificaCiclo& c : v.cicli) {
        if (!c.Positivo()) {
            t.AggiungiRiga(ColonneCiclo(c.ciclo));
            continue;
        }
        for (const ColpoInsieme& h : c.colpi) {
            auto& riga = t.AggiungiRiga(ColonneCiclo(c.ciclo));
            riga[0].stile.sfondo = ColoreSelezione;
            riga[4].testo = std::to_string(h.colpo);
            riga[5].testo = Sigla(h.ruota);
            riga[5].stile.sfondo = ColoreArancioChiaro;
            riga[5].stile.grassetto = true;
            const auto insieme = std::find_if(insiemi.begin(), insiemi.end(),
                                              [&](const auto& s) { return s.riga == h.riga; });
            for (int p = 1; p <= 5; ++p) {
                const int n = a.Estratti(h.estrazione, h.ruota, p);
                Cella& cella = riga[static_cast<std::size_t>(5 + p)];
                cella.testo = std::to_string(n);
                if (insieme != insiemi.end() &&
                    std::find(insieme->numeri.begin(), insieme->numeri.end(), n) !=
                        insieme->numeri.end()) {
                    cella.stile.sfondo = ColoreSelezione;
                }
            }
            riga[11].testo = std::to_string(h.q);
            riga[11].stile.sfondo = ColoreArancioChiaro;
            riga[11].stile.grassetto = h.q > 1;
            if (h.q > 2) {
                riga[11].stile.testo = ColoreRosso;
            }
            riga[12].testo = std::to_string(h.riga);
        }
    }
    return t;
}

Tabella TabellaStatisticaInsiemi(const VerificaInsiemi& v) {
    Tabella t(IntestazioneStatisticaInsiemi);
    for (int s = 1; s <= 10; ++s) {
        auto& riga = t.AggiungiRiga({std::to_string(s)});
        for (int q = 1; q <= 5; ++q) {
            riga[static_cast<std::size_t>(q)].testo =
                SeNonZero(v.statistica[static_cast<std::size_t>(s)][static_cast<std::size_t>(q)]);
        }
    }
    return t;
}

Tabella TabellaEsitiCicli(const std::vector<EsitoCiclo2>& esiti) {
    Tabella t(IntestazioneEsitiCicli);
    for (const EsitoCiclo2& e : esiti) {
        auto& riga = t.AggiungiRiga(ColonneCiclo(e.ciclo));
        if (e.colpo == 0) {
            riga[0].stile.segno = Segno::CicloNegativo;
            riga[0].stile.sfondo = ColoreRossoChiaro;
            continue;
        }
        riga[4].testo = std::to_string(e.colpo);
        for (std::size_t w = 0; w < 11; ++w) {
            riga[5 + w].testo = SeNonZero(e.q[w]);
            if (e.q[w] > 0) {
                riga[5 + w].stile.sfondo = ColoreVerdeChiaro;
            }
        }
        riga[16].testo = NomeSorte(e.Migliore());
    }
    return t;
}

Tabella TabellaRiepilogoCicli(const std::vector<EsitoCiclo2>& esiti) {
    RiepilogoEsiti r;
    r.casi = static_cast<int>(esiti.size());
    r.positivi = static_cast<int>(
        std::count_if(esiti.begin(), esiti.end(), [](const auto& e) { return e.colpo > 0; }));
    r.negativi = r.casi - r.positivi;
    return TabellaRiepilogo(r, "N° Cicli", false);
}

Tabella TabellaSerie(const Rilevazione& r, const std::vector<std::array<int, 10>>& volte) {
    Tabella t(IntestazioneSerie);
    for (std::size_t c = 0; c < r.cicli.size() && c < volte.size(); ++c) {
        auto& riga = t.AggiungiRiga(ColonneCiclo(r.cicli[c]));
        for (std::size_t cl = 0; cl < 10; ++cl) {
            riga[4 + cl].testo = SeNonZero(volte[c][cl]);
        }
    }
    return t;
}

Tabella TabellaAmbi2(const std::vector<AmboCiclo>& ambi) {
    Tabella t(IntestazioneAmbi2);
    int prog = 0;
    for (const AmboCiclo& a : ambi) {
        t.AggiungiRiga({std::to_string(++prog), std::to_string(a.n1), std::to_string(a.n2),
                        std::to_string(a.cc), std::to_string(a.ne),
                        a.rit >= 0 ? std::to_string(a.rit) : std::string(),
                        a.ruota >= 0 ? Sigla(a.ruota) : std::string()});
    }
    return t;
}

Tabella TabellaAbbinamenti90(const Abbinamenti& ab) {
    Tabella t(IntestazioneAbbinamenti);
    for (int n = 1; n <= 90; ++n) {
        if (n != ab.ambata) {
            t.AggiungiRiga(
                {std::to_string(n), std::to_string(ab.volte[static_cast<std::size_t>(n)])});
        }
    }
    return t;
}

Tabella TabellaClassificaAbbinamenti(const Abbinamenti& ab) {
    Tabella t(IntestazioneAbbinamenti);
    for (const auto& [n, volte] : ab.classifica) {
        t.AggiungiRiga({std::to_string(n), std::to_string(volte)});
    }
    return t;
}

Tabella TabellaGiocoAbbinamenti(const Abbinamenti& ab, int quanti) {
    Tabella t(IntestazioneGiocoAbbinamenti);
    const std::size_t n =
        std::min<std::size_t>(ab.classifica.size(), static_cast<std::size_t>(std::max(quanti, 0)));
    for (std::size_t i = 0; i < n; ++i) {
        t.AggiungiRiga({std::to_string(ab.ambata), std::to_string(ab.classifica[i].first),
                        std::to_string(ab.classifica[i].second)});
    }
    return t;
}

Tabella TabellaTerzine(const Abbinamenti& ab) {
    Tabella t(IntestazioneTerzine);
    for (const auto& z : ab.terzine) {
        t.AggiungiRiga({std::to_string(z.n1), std::to_string(z.n2), std::to_string(z.n3),
                        std::to_string(z.cc)});
    }
    return t;
}

Tabella TabellaNumeriAmbetti(const std::vector<int>& numeri) {
    Tabella t(IntestazioneNumeriAmbetti);
    int prog = 0;
    for (int n : numeri) {
        t.AggiungiRiga({std::to_string(++prog), std::to_string(n)});
    }
    return t;
}

Tabella TabellaCoppie(const std::vector<EsitoAmbetto>& esiti) {
    Tabella t(IntestazioneCoppie);
    int prog = 0;
    for (const EsitoAmbetto& e : esiti) {
        t.AggiungiRiga({std::to_string(++prog), DueCifre(e.n1) + "-" + DueCifre(e.n2),
                        std::to_string(e.n1), std::to_string(e.n2)});
    }
    return t;
}

std::vector<EsitoAmbetto> OrdinaAmbetti(std::vector<EsitoAmbetto> esiti) {
    std::stable_sort(esiti.begin(), esiti.end(),
                     [](const auto& x, const auto& y) { return x.esiti > y.esiti; });
    return esiti;
}

Tabella TabellaEsitiAmbetti(const std::vector<EsitoAmbetto>& esiti) {
    Tabella t(IntestazioneEsitiAmbetti);
    int prog = 0;
    for (const EsitoAmbetto& e : esiti) {
        t.AggiungiRiga({std::to_string(++prog), std::to_string(e.esiti)});
    }
    return t;
}

Tabella TabellaColpiAmbetto(const Archivio& a, const EsitoAmbetto& e) {
    Tabella t(IntestazioneColpiAmbetto);
    for (const auto& c : e.colpi) {
        t.AggiungiRiga({std::to_string(c.ciclo.numero), std::to_string(c.ciclo.inizio),
                        a.Data(c.ciclo.inizio), std::to_string(c.ciclo.fine), a.Data(c.ciclo.fine),
                        std::to_string(c.ciclo.gioco), a.Data(c.ciclo.gioco),
                        std::to_string(c.colpo), Sigla(c.ruota), std::to_string(e.n1),
                        std::to_string(e.n2)});
    }
    return t;
}

} // namespace strovel

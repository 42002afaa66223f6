#include "methods/spia/cinquina_spiona.h"

#include "core/archivio.h"
#include "core/formato.h"
#include "core/insieme90.h"
#include "core/probabilita.h"
#include "core/ruote.h"

#include <algorithm>
#include <numeric>

namespace strovel {

namespace {

/// The numbers drawn in draw k on the play wheels, every presence counted.
template <class Azione>
void PerOgniEstratto(const Archivio& a, const Ruote& gioco, int k, Azione&& azione) {
    if (k < 1 || k > a.TotEstrazioni) {
        return;
    }
    for (int w = 0; w < NumRuote; ++w) {
        if (!gioco[static_cast<std::size_t>(w)]) {
            continue;
        }
        for (int pos = 1; pos <= 5; ++pos) {
            const int n = a.Estratti(k, w, pos);
            if (n >= 1 && n <= 90) {
                azione(n);
            }
        }
    }
}

Insieme90 UscitaSuRuote(const Archivio& a, const Ruote& gioco, int k) {
    Insieme90 s;
    if (k < 1 || k > a.TotEstrazioni) {
        return s;
    }
    for (int w = 0; w < NumRuote; ++w) {
        if (gioco[static_cast<std::size_t>(w)]) {
            s |= Uscita(a, k, w);
        }
    }
    return s;
}

} // namespace

EsitoCinquina ElaboraCinquina(const Archivio& a, const ParametriCinquina& p) {
    EsitoCinquina e;
    const int fine = std::min<int>(p.fine, a.TotEstrazioni);
    e.ruoteGioco = static_cast<int>(std::count(p.gioco.begin(), p.gioco.end(), true));
    if (fine < 1) {
        return e;
    }
    for (int w = 0; w < NumRuote; ++w) {
        for (int pos = 1; pos <= 5; ++pos) {
            const int n = a.Estratti(fine, w, pos);
            if (p.rilevazione[static_cast<std::size_t>(w)] &&
                p.posizioni[static_cast<std::size_t>(pos - 1)] && n >= 1 && n <= 90) {
                e.spie[static_cast<std::size_t>(n)] = true;
            }
        }
    }
    for (int k = fine; k >= 1 && p.presenze >= 1; --k) {
        for (int w = 0; w < NumRuote; ++w) {
            if (!p.rilevazione[static_cast<std::size_t>(w)]) {
                continue;
            }
            Caso c{k, w, {}};
            int spie = 0;
            for (int pos = 1; pos <= 5; ++pos) {
                const int n = a.Estratti(k, w, pos);
                const auto i = static_cast<std::size_t>(pos - 1);
                if (p.posizioni[i] && n >= 1 && n <= 90 && e.spie[static_cast<std::size_t>(n)]) {
                    c.segnati[i] = true;
                    ++spie;
                }
            }
            if (spie >= 2) {
                e.casi.push_back(c);
            }
        }
        if (static_cast<int>(e.casi.size()) >= p.presenze) {
            break;
        }
    }
    for (const Caso& c : e.casi) {
        Insieme90 giaContato;
        for (int d = c.estrazione + 1; d <= c.estrazione + p.colpi; ++d) {
            PerOgniEstratto(a, p.gioco, d,
                            [&](int n) { ++e.presenze[static_cast<std::size_t>(n)]; });
            const Insieme90 uscita = UscitaSuRuote(a, p.gioco, d);
            for (int n = 1; n <= 90; ++n) {
                if (uscita.Contiene(n) && !giaContato.Contiene(n)) {
                    ++e.casiCon[static_cast<std::size_t>(n)];
                }
            }
            giaContato |= uscita;
        }
    }
    if (!e.casi.empty()) {
        const int nuovo = e.casi.front().estrazione;
        const int vecchio = e.casi.back().estrazione;
        e.span = nuovo - vecchio + 1;
        for (int d = vecchio; d <= nuovo; ++d) {
            PerOgniEstratto(a, p.gioco, d,
                            [&](int n) { ++e.frequenza[static_cast<std::size_t>(n)]; });
        }
    }
    return e;
}

namespace {

/// Delta of n as the exact fraction num / den, den > 0; nothing when undefined.
std::optional<std::pair<std::int64_t, std::int64_t>> Delta(const EsitoCinquina& e, int n) {
    const std::int64_t f = e.frequenza[static_cast<std::size_t>(n)];
    const std::int64_t w = e.ruoteGioco;
    const std::int64_t s = e.span;
    if (f == 0 || w == 0) {
        return std::nullopt;
    }
    // f - (S / 18W - S / f) = (18 W f^2 - S f + 18 W S) / (18 W f)
    return std::pair{18 * w * f * f - s * f + 18 * w * s, 18 * w * f};
}

} // namespace

std::string DeltaStatistico(const EsitoCinquina& e, int n) {
    const auto d = Delta(e, n);
    return d ? Decimale(d->first, d->second, false) : std::string();
}

Tabella TabellaNumeriCinquina(const Archivio& a, const ParametriCinquina& p,
                              const EsitoCinquina& e) {
    Tabella t(IntestazioneNumeriCinquina);
    double massimo = 0;
    for (int n = 1; n <= 90; ++n) {
        if (const auto d = Delta(e, n)) {
            massimo = std::max(massimo, static_cast<double>(d->first) / d->second);
        }
    }
    // The numbers already out after the newest case, and those among its own five.
    Insieme90 giaUsciti;
    Insieme90 delCaso;
    if (!e.casi.empty()) {
        const Caso& c = e.casi.front();
        for (int d = c.estrazione + 1; d <= c.estrazione + p.colpi; ++d) {
            giaUsciti |= UscitaSuRuote(a, p.gioco, d);
        }
        for (int pos = 1; pos <= 5; ++pos) {
            delCaso.Aggiungi(a.Estratti(c.estrazione, c.ruota, pos));
        }
    }
    for (int n = 1; n <= 90; ++n) {
        const auto i = static_cast<std::size_t>(n);
        auto& riga = t.AggiungiRiga({std::to_string(n), std::to_string(e.casiCon[i]),
                                     std::to_string(e.presenze[i]), DeltaStatistico(e, n)});
        riga[0].stile.sfondo = ColoreNumeroCinquina;
        riga[0].stile.testo = ColoreTestoNumeroCinquina;
        riga[0].stile.grassetto = true;
        if (giaUsciti.Contiene(n)) {
            riga[0].stile.sfondo =
                delCaso.Contiene(n) ? ColoreGiaUscitoNelCaso : ColoreArancioChiaro;
        }
        const auto d = Delta(e, n);
        if (d && massimo > 0) {
            const double valore = static_cast<double>(d->first) / d->second;
            const int permille = static_cast<int>(std::clamp(valore / massimo, 0.0, 1.0) * 1000);
            riga[3].stile.barra = Barra{permille, ColoreBarraDelta};
        }
    }
    std::stable_sort(t.righe.begin(), t.righe.end(),
                     [&e](const std::vector<Cella>& x, const std::vector<Cella>& y) {
                         return e.presenze[static_cast<std::size_t>(std::stoi(x[0].testo))] >
                                e.presenze[static_cast<std::size_t>(std::stoi(y[0].testo))];
                     });
    return t;
}

std::vector<Giocata> VerificaNumero(const Archivio& a, const ParametriCinquina& p,
                                    const std::vector<Caso>& casi, int n) {
    std::vector<Giocata> verifiche;
    for (const Caso& c : casi) {
        Giocata g;
        Gioca(
            a, c.estrazione, p.colpi, c.estrazione + p.colpi, p.gioco,
            [n](int) { return std::optional<int>(n); }, g);
        verifiche.push_back(g);
    }
    return verifiche;
}

Tabella TabellaCasiCinquina(const Archivio& a, const ParametriCinquina& p,
                            const std::vector<Caso>& casi, const std::vector<Giocata>* verifiche) {
    Tabella t(IntestazioneCasiCinquina);
    AggiungiCasi(t, a, casi, p.colpi);
    if (verifiche == nullptr) {
        return t;
    }
    for (std::size_t i = 0; i < casi.size() && i < verifiche->size(); ++i) {
        const Giocata& g = (*verifiche)[i];
        if (g.colpo == 0) {
            continue;
        }
        auto& riga = t.righe[i];
        riga[12].testo = std::to_string(g.colpo);
        for (std::size_t w = 0; w < g.vincenti.size(); ++w) {
            if (g.vincenti[w]) {
                riga[13].testo += std::string(InizialiRuote[w]);
            }
        }
    }
    return t;
}

Tabella Compagni(const Archivio& a, const ParametriCinquina& p, const std::vector<Caso>& casi,
                 const std::vector<Giocata>& verifiche, int n) {
    std::array<int, 91> volte{};
    for (std::size_t i = 0; i < casi.size() && i < verifiche.size(); ++i) {
        if (verifiche[i].colpo == 0) {
            continue;
        }
        PerOgniEstratto(a, p.gioco, casi[i].estrazione + verifiche[i].colpo, [&](int m) {
            if (m != n) {
                ++volte[static_cast<std::size_t>(m)];
            }
        });
    }
    std::vector<int> numeri;
    for (int m = 1; m <= 90; ++m) {
        if (volte[static_cast<std::size_t>(m)] > 0) {
            numeri.push_back(m);
        }
    }
    std::stable_sort(numeri.begin(), numeri.end(), [&volte](int x, int y) {
        return volte[static_cast<std::size_t>(x)] > volte[static_cast<std::size_t>(y)];
    });
    Tabella t(IntestazioneCompagni);
    for (const int m : numeri) {
        t.AggiungiRiga({std::to_string(m), std::to_string(volte[static_cast<std::size_t>(m)])});
    }
    return t;
}

std::string TestoSpan(const EsitoCinquina& e) {
    return std::to_string(e.span);
}

CCAtteso AttesoCinquina(const Archivio& a, const ParametriCinquina& p, const EsitoCinquina& e) {
    CCAtteso c;
    if (e.casi.empty()) {
        return c;
    }
    // A play wheel not drawn in a colpo (the Nazionale before it existed) is no trial.
    for (const Caso& k : e.casi) {
        c.medio += ProbabilitaGioco(
            1, 1, ProveEstratte(a, p.gioco, k.estrazione + 1, k.estrazione + p.colpi), 1);
    }
    const int n = static_cast<int>(e.casi.size());
    c.migliore = MassimoAtteso(90, n, c.medio / n);
    c.primo = *std::max_element(e.casiCon.begin() + 1, e.casiCon.end());
    c.probabilitaMigliore = ProbabilitaMigliore(
        90, std::vector<double>(static_cast<std::size_t>(n), c.medio / n), c.primo);
    return c;
}

std::optional<SceltaCinquina> AnalisiCinquina::Scegli(const Archivio& allora, int riferimento,
                                                      Esito&) const {
    ParametriCinquina dentro = p;
    dentro.fine = riferimento;
    const EsitoCinquina e = ElaboraCinquina(allora, dentro);
    if (e.casi.empty()) {
        return std::nullopt;
    }
    SceltaCinquina s;
    for (int n = 1; n <= 90; ++n) {
        if (e.presenze[static_cast<std::size_t>(n)] > s.presenze || s.numero == 0) {
            s.numero = n;
            s.presenze = e.presenze[static_cast<std::size_t>(n)];
        }
    }
    // No number came out in the colpi of any case (the newest cases have no colpi yet at E):
    // nothing to offer.
    if (s.presenze == 0) {
        return std::nullopt;
    }
    return s;
}

void AnalisiCinquina::Verifica(const Archivio& tutto, int riferimento, const SceltaCinquina& s,
                               Esito& f) const {
    const int numero = s.numero;
    Gioca(
        tutto, riferimento, p.colpi, tutto.TotEstrazioni, p.gioco,
        [numero](int) -> std::optional<int> { return numero; }, f.giocata);
    f.colpiGiocati = std::clamp(tutto.TotEstrazioni - riferimento, 0, p.colpi);
    if (f.colpiGiocati == 0) {
        return; // no draw after the reference yet: no case
    }
    const bool uscito = f.giocata.colpo != 0;
    f.riepilogo = Riassumi({uscito                     ? Classe::Positivo
                            : f.colpiGiocati < p.colpi ? Classe::InGioco
                                                       : Classe::Negativo});
    const int prove = ProveEstratte(tutto, p.gioco, riferimento + 1, riferimento + p.colpi);
    f.confronto = ConfrontaConIlCaso({ProbabilitaGioco(1, 1, prove, 1)}, f.riepilogo.positivi);
}

std::string TestoFuoriCampioneSpia(const FuoriCampioneCinquina& f, int riferimento) {
    if (!f.scelta) {
        return "Nessun numero da scegliere all'estrazione " + std::to_string(riferimento) +
               ": nessun caso, o nessun numero uscito nei colpi dei casi.";
    }
    std::string testo = "Scelto all'estrazione " + std::to_string(riferimento) + ": il " +
                        std::to_string(f.scelta->numero) + " (Pres " +
                        std::to_string(f.scelta->presenze) + ").\n";
    if (f.riepilogo.casi == 0) {
        return testo + NienteDaVerificare(riferimento);
    }
    testo += "Giocato come ambata dopo: ";
    if (f.giocata.colpo > 0) {
        testo += "uscito al colpo " + std::to_string(f.giocata.colpo) + " su";
        for (int w = 0; w < 11; ++w) {
            testo += f.giocata.vincenti[static_cast<std::size_t>(w)] ? " " + Sigla(w) : "";
        }
        testo += ".";
    } else {
        testo += "non uscito in " + std::to_string(f.colpiGiocati) + " colpi.";
    }
    return testo + "\n" + TestoConfronto(f.confronto);
}

std::string TestoCCAtteso(const CCAtteso& c) {
    return "CC per caso: " + UnDecimale(c.medio) + " per numero, " + UnDecimale(c.migliore) +
           " il migliore di 90; " + TestoProbabilitaMigliore(90, c.primo, c.probabilitaMigliore);
}

} // namespace strovel

#include "cycles/modulo2/ciclo2_atteso.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "cycles/strovel/strovel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

namespace strovel {

namespace {

/// The wheel-draws of a cycle's observation window that the archive holds and that were drawn.
int Prove(const Archivio& a, const ParametriCiclo2& p, const CicloOsservato& c) {
    return ProveEstratte(a, p.ruote, c.inizio, UltimaOsservata(c, a.TotEstrazioni));
}

} // namespace

double ProbabilitaInsiemi(const ParametriCiclo2& p, const std::vector<InsiemePrevisione>& insiemi) {
    // The played numbers fall into classes by the sets they belong to (bit h: set h); what wins
    // depends only on how many numbers of each class come out, so the draws are weighed class
    // by class (a multivariate hypergeometric) instead of number by number.
    std::vector<std::uint64_t> firme;
    std::vector<int> quanti;
    int giocati = 0;
    for (int n = 1; n <= 90; ++n) {
        std::uint64_t firma = 0;
        for (std::size_t h = 0; h < insiemi.size() && h < 64; ++h) {
            const auto& v = insiemi[h].numeri;
            firma |= std::find(v.begin(), v.end(), n) != v.end() ? std::uint64_t{1} << h : 0;
        }
        if (firma == 0) {
            continue;
        }
        ++giocati;
        const auto dove = std::find(firme.begin(), firme.end(), firma);
        if (dove == firme.end()) {
            firme.push_back(firma);
            quanti.push_back(1);
        } else {
            ++quanti[static_cast<std::size_t>(dove - firme.begin())];
        }
    }
    const int estratti = Scelte(p.posizioni);
    const std::size_t nInsiemi = std::min<std::size_t>(insiemi.size(), 64);
    std::vector<int> presi(nInsiemi, 0);
    double probabilita = 0;
    const auto visita = [&](const auto& self, std::size_t k, int usati, double peso) -> void {
        if (k == firme.size()) {
            for (std::size_t h = 0; h < nInsiemi; ++h) {
                if (presi[h] > 0 && presi[h] >= insiemi[h].t) {
                    probabilita += peso * Combinazioni(90 - giocati, estratti - usati) /
                                   Combinazioni(90, estratti);
                    return;
                }
            }
            return;
        }
        for (int x = 0; x <= std::min(quanti[k], estratti - usati); ++x) {
            for (std::size_t h = 0; h < nInsiemi; ++h) {
                presi[h] += (firme[k] >> h & 1u) != 0 ? x : 0;
            }
            self(self, k + 1, usati + x, peso * Combinazioni(quanti[k], x));
            for (std::size_t h = 0; h < nInsiemi; ++h) {
                presi[h] -= (firme[k] >> h & 1u) != 0 ? x : 0;
            }
        }
    };
    visita(visita, 0, 0, 1.0);
    return probabilita;
}

Confronto ConfrontaVerifica(const Archivio& a, const Rilevazione& r,
                            const std::vector<InsiemePrevisione>& insiemi,
                            const VerificaInsiemi& v) {
    const double q = ProbabilitaInsiemi(r.parametri, insiemi);
    std::vector<double> probabilita;
    int positivi = 0;
    for (const VerificaCiclo& c : v.cicli) {
        probabilita.push_back(1 - std::pow(1 - q, Prove(a, r.parametri, c.ciclo)));
        positivi += c.Positivo() ? 1 : 0;
    }
    return ConfrontaConIlCaso(probabilita, positivi);
}

CCAttesoCicli AttesoNumeri(const Archivio& a, const Rilevazione& r) {
    const double q = ProbabilitaEstrazione(1, 1, 90, Scelte(r.parametri.posizioni));
    std::vector<double> probabilita;
    for (const CicloOsservato& c : r.cicli) {
        probabilita.push_back(1 - std::pow(1 - q, Prove(a, r.parametri, c)));
    }
    CCAttesoCicli atteso;
    for (const double p : probabilita) {
        atteso.medio += p;
    }
    atteso.migliore = MassimoAtteso(90.0, probabilita);
    for (const PresenzeNumero& n : RiepilogoNumeri(r)) {
        atteso.primo = std::max(atteso.primo, n.cc);
    }
    atteso.probabilitaMigliore = ProbabilitaMigliore(90.0, probabilita, atteso.primo);
    return atteso;
}

std::string TestoAttesoNumeri(const CCAttesoCicli& c) {
    return "CC per caso: " + UnDecimale(c.medio) + " per numero, " + UnDecimale(c.migliore) +
           " il migliore di 90; " + TestoProbabilitaMigliore(90, c.primo, c.probabilitaMigliore);
}

CCAttesoCicli AttesoAmbetti(const Archivio& a, const Rilevazione& r, int coppie, int primo) {
    CCAttesoCicli atteso;
    if (coppie < 1 || r.cicli.empty()) {
        return atteso;
    }
    const double q = ProbabilitaAmbetto(Scelte(r.parametri.posizioni));
    std::vector<double> probabilita;
    for (const CicloOsservato& c : r.cicli) {
        probabilita.push_back(1 - std::pow(1 - q, Prove(a, r.parametri, c)));
        atteso.medio += probabilita.back();
    }
    atteso.migliore = MassimoAtteso(static_cast<double>(coppie), probabilita);
    atteso.primo = primo;
    atteso.probabilitaMigliore =
        ProbabilitaMigliore(static_cast<double>(coppie), probabilita, primo);
    return atteso;
}

double ProbabilitaAmbetto(int estratti) {
    // Played: x, y and their neighbours x - 1, x + 1, y - 1, y + 1 (indices 0..5). An ambetto
    // is x with one of y's three, or y with one of x's three.
    return ProbabilitaCombinazioni(
        6,
        [](std::span<const int> u) {
            const auto c = [&](int i) { return std::find(u.begin(), u.end(), i) != u.end(); };
            return (c(0) && (c(1) || c(4) || c(5))) || (c(1) && (c(2) || c(3)));
        },
        estratti);
}

std::string TestoAttesoAmbetti(const CCAttesoCicli& c, int coppie) {
    return "Esiti per caso: " + UnDecimale(c.medio) + " per coppia, " + UnDecimale(c.migliore) +
           " la migliore di " + std::to_string(coppie) + "; " +
           TestoProbabilitaMigliore(coppie, c.primo, c.probabilitaMigliore);
}

std::vector<CicloOsservato> CicliDopo(const Archivio& a, const ParametriCiclo2& p,
                                      int riferimento) {
    std::vector<CicloOsservato> dopo;
    for (const Ciclo& c : CostruisciCicli(a.TotEstrazioni, std::numeric_limits<int>::max(),
                                          p.durata, p.durata, p.salto)) {
        if (c.inizio > riferimento) {
            dopo.push_back({c.numero, c.inizio, c.fine, c.inizio + p.colpi - 1});
        }
    }
    return dopo;
}

std::optional<SceltaCiclo2> AnalisiCiclo2::Scegli(const Archivio& allora, int riferimento,
                                                  Esito&) const {
    ParametriCiclo2 q = p;
    q.riferimento = riferimento;
    const Rilevazione r = RilevaCicli(allora, q);
    std::vector<PresenzeNumero> numeri = RiepilogoNumeri(r);
    OrdinaPerCicli(numeri);
    if (numeri.empty() || numeri.front().cc == 0) {
        return std::nullopt;
    }
    return SceltaCiclo2{numeri.front().numero, numeri.front().cc, static_cast<int>(r.cicli.size())};
}

void AnalisiCiclo2::Verifica(const Archivio& tutto, int riferimento, const SceltaCiclo2& s,
                             Esito& f) const {
    f.cicli = CicliDopo(tutto, p, riferimento);
    if (soloPrimoCaso) {
        SoloIlPrimo(f.cicli, [](const CicloOsservato& c) { return c.inizio; });
        f.primoCaso = f.cicli.empty() ? 0 : f.cicli.front().inizio;
    }
    const double q = ProbabilitaEstrazione(1, 1, 90, Scelte(p.posizioni));
    std::vector<double> probabilita;
    std::vector<Classe> classi;
    for (const CicloOsservato& c : f.cicli) {
        const int ultima = UltimaOsservata(c, tutto.TotEstrazioni);
        bool uscito = false;
        for (int k = c.inizio; k <= ultima && !uscito; ++k) {
            for (int w = 0; w < NumRuote && !uscito; ++w) {
                for (int pos = 1; pos <= 5 && !uscito; ++pos) {
                    uscito = p.ruote[static_cast<std::size_t>(w)] &&
                             p.posizioni[static_cast<std::size_t>(pos - 1)] &&
                             tutto.Estratti(k, w, pos) == s.numero;
                }
            }
        }
        classi.push_back(uscito                          ? Classe::Positivo
                         : c.gioco > tutto.TotEstrazioni ? Classe::InGioco
                                                         : Classe::Negativo);
        probabilita.push_back(1 - std::pow(1 - q, Prove(tutto, p, c)));
    }
    f.riepilogo = Riassumi(classi);
    f.confronto = ConfrontaConIlCaso(probabilita, f.riepilogo.positivi);
}

std::string TestoFuoriCampione(const FuoriCampioneCiclo2& f, int riferimento) {
    if (!f.scelta) {
        return "Nessun numero uscito nei cicli fino all'estrazione " + std::to_string(riferimento) +
               ".";
    }
    return "Scelto all'estrazione " + std::to_string(riferimento) + ": il " +
           std::to_string(f.scelta->numero) + " (" + std::to_string(f.scelta->cc) + " cicli su " +
           std::to_string(f.scelta->cicliDentro) + ").\n" +
           TestoVerificaDopo(riferimento, f.riepilogo, f.confronto);
}

} // namespace strovel

#include "core/probabilita.h"

#include "core/formato.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace strovel {

namespace {

/// The distribution of the number of hits of independent trials with their own probabilities.
std::vector<double> Distribuzione(const std::vector<double>& probabilita) {
    std::vector<double> d(probabilita.size() + 1, 0);
    d[0] = 1;
    for (std::size_t i = 0; i < probabilita.size(); ++i) {
        const double p = std::clamp(probabilita[i], 0.0, 1.0);
        for (std::size_t k = i + 1; k >= 1; --k) {
            d[k] = d[k] * (1 - p) + d[k - 1] * p;
        }
        d[0] *= 1 - p;
    }
    return d;
}

} // namespace

double Combinazioni(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    double c = 1;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
    }
    return c;
}

double ProbabilitaEstrazione(int giocati, int sorte, int totale, int estratti) {
    if (giocati < sorte || sorte < 1 || giocati > totale || estratti > totale) {
        return 0;
    }
    const double tutte = Combinazioni(totale, estratti);
    double p = 0;
    for (int k = sorte; k <= std::min(giocati, estratti); ++k) {
        p += Combinazioni(giocati, k) * Combinazioni(totale - giocati, estratti - k) / tutte;
    }
    return p;
}

double ProbabilitaSottoinsieme(int giocati, int presi, int estratti) {
    if (presi < 0 || presi > giocati || giocati > 90) {
        return 0;
    }
    return Combinazioni(90 - giocati, estratti - presi) / Combinazioni(90, estratti);
}

double ProbabilitaCombinazioni(int giocati, const std::function<bool(std::span<const int>)>& vince,
                               int estratti) {
    giocati = std::clamp(giocati, 0, 90);
    estratti = std::clamp(estratti, 0, 5);
    // Every subset of at most `estratti` indices, in lexicographic order.
    std::array<int, 5> usciti{};
    double p = 0;
    const auto visita = [&](const auto& self, int quanti, int da) -> void {
        const std::span<const int> s(usciti.data(), static_cast<std::size_t>(quanti));
        if (vince(s)) {
            p += ProbabilitaSottoinsieme(giocati, quanti, estratti);
        }
        if (quanti == estratti) {
            return;
        }
        for (int i = da; i < giocati; ++i) {
            usciti[static_cast<std::size_t>(quanti)] = i;
            self(self, quanti + 1, i + 1);
        }
    };
    visita(visita, 0, 0);
    return p;
}

double ProbabilitaGioco(int giocati, int sorte, int ruote, int colpi) {
    const double p = ProbabilitaEstrazione(giocati, sorte);
    return 1 - std::pow(1 - p, std::max(0, ruote) * std::max(0, colpi));
}

Confronto ConfrontaConIlCaso(const std::vector<double>& probabilita, int positivi) {
    Confronto c;
    c.casi = static_cast<int>(probabilita.size());
    c.positivi = positivi;
    for (const double p : probabilita) {
        c.attesi += p;
    }
    c.percentuale = c.casi > 0 ? c.attesi * 100 / c.casi : 0;
    const std::vector<double> d = Distribuzione(probabilita);
    c.coda = 0;
    for (std::size_t k = static_cast<std::size_t>(std::max(positivi, 0)); k < d.size(); ++k) {
        c.coda += d[k];
    }
    c.coda = std::min(1.0, c.coda);
    return c;
}

double MassimoAtteso(int quanti, int prove, double p) {
    return MassimoAtteso(quanti,
                         std::vector<double>(static_cast<std::size_t>(std::max(0, prove)), p));
}

double MassimoAtteso(double quanti, const std::vector<double>& probabilita) {
    if (quanti < 1 || probabilita.empty()) {
        return 0;
    }
    // E[max] = sum over k >= 1 of P(max >= k) = 1 - (1 - P(count >= k))^quanti; the tails are
    // summed from the top so that tiny ones keep their digits.
    const std::vector<double> d = Distribuzione(probabilita);
    double atteso = 0, coda = 0;
    for (std::size_t k = d.size() - 1; k >= 1; --k) {
        coda = std::min(1.0, coda + d[k]);
        atteso += coda >= 1 ? 1 : -std::expm1(quanti * std::log1p(-coda));
    }
    return atteso;
}

std::vector<std::vector<std::string>> RigheAtteso(const Confronto& c) {
    return {{"Atteso per caso", UnDecimale(c.attesi), UnDecimale(c.percentuale)},
            {"Probabilità", "", UnDecimale(c.coda * 100)}};
}

std::string TestoConfronto(const Confronto& c) {
    return "Atteso per caso " + UnDecimale(c.attesi) + " (" + UnDecimale(c.percentuale) + "%), " +
           TestoCoda(c.coda);
}

std::string TestoVerificaDopo(int riferimento, int casi, int positivi, int inGioco,
                              const Confronto& c) {
    std::string testo = "Dopo l'estrazione " + std::to_string(riferimento) + ": " +
                        std::to_string(casi) + " casi, " + std::to_string(positivi) + " positivi";
    if (casi > 0) {
        testo += " (" + Decimale(std::int64_t{positivi} * 100, casi) + "%)";
    }
    testo += ", " + std::to_string(inGioco) + " in gioco.";
    if (casi > 0) {
        testo += "\n" + TestoConfronto(c);
    }
    return testo;
}

std::string UnDecimale(double x) {
    return Decimale(std::llround(x * 1000), 1000);
}

std::string TestoCoda(double coda) {
    return "p = " + UnDecimale(coda * 100) + "%";
}

} // namespace strovel

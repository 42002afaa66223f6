#include "core/probabilita.h"

#include "core/formato.h"

#include <algorithm>
#include <cmath>

namespace strovel {

namespace {

/// Binomial coefficient as a double (exact for the sizes of a Lotto draw).
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

} // namespace

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

double ProbabilitaSottoinsieme(int giocati, int presi) {
    if (presi < 0 || presi > giocati || giocati > 90) {
        return 0;
    }
    return Combinazioni(90 - giocati, 5 - presi) / Combinazioni(90, 5);
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
    // The distribution of the count, one case at a time.
    std::vector<double> d(probabilita.size() + 1, 0);
    d[0] = 1;
    for (std::size_t i = 0; i < probabilita.size(); ++i) {
        const double p = std::clamp(probabilita[i], 0.0, 1.0);
        for (std::size_t k = i + 1; k >= 1; --k) {
            d[k] = d[k] * (1 - p) + d[k - 1] * p;
        }
        d[0] *= 1 - p;
    }
    c.coda = 0;
    for (std::size_t k = static_cast<std::size_t>(std::max(positivi, 0)); k < d.size(); ++k) {
        c.coda += d[k];
    }
    c.coda = std::min(1.0, c.coda);
    return c;
}

double MassimoAtteso(int quanti, int prove, double p) {
    if (quanti < 1 || prove < 1) {
        return 0;
    }
    // E[max] = sum over k >= 1 of P(max >= k) = sum of 1 - F(k - 1)^quanti.
    std::vector<double> f(static_cast<std::size_t>(prove) + 1);
    double pmf = std::pow(1 - p, prove), cumulata = 0;
    for (int k = 0; k <= prove; ++k) {
        cumulata += pmf;
        f[static_cast<std::size_t>(k)] = std::min(1.0, cumulata);
        pmf = p >= 1 ? 0 : pmf * (prove - k) / (k + 1) * p / (1 - p);
    }
    double atteso = 0;
    for (int k = 1; k <= prove; ++k) {
        atteso += 1 - std::pow(f[static_cast<std::size_t>(k - 1)], quanti);
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

#include "core/probabilita.h"

#include "core/esiti.h"
#include "core/formato.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace strovel {

namespace {

/// The distribution of the number of hits of independent trials with their own probabilities.
/// Only the counts that still carry mass are updated: on thousands of trials the mass lies in a
/// band a few hundred counts wide, and the ends below 1e-40 are dropped (far below any digit the
/// program prints).
std::vector<double> Distribuzione(const std::vector<double>& probabilita) {
    constexpr double Trascurabile = 1e-40;
    std::vector<double> d(probabilita.size() + 1, 0);
    d[0] = 1;
    std::size_t basso = 0; // d is 0 outside basso..alto
    std::size_t alto = 0;
    for (const double grezza : probabilita) {
        const double p = std::clamp(grezza, 0.0, 1.0);
        ++alto;
        for (std::size_t k = alto; k > basso; --k) {
            d[k] = d[k] * (1 - p) + d[k - 1] * p;
        }
        d[basso] *= 1 - p;
        while (alto > basso && d[alto] < Trascurabile) {
            d[alto--] = 0;
        }
        while (basso < alto && d[basso] < Trascurabile) {
            d[basso++] = 0;
        }
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

double ProbabilitaSottoinsieme(int giocati, int presi, int estratti, int totale) {
    if (presi < 0 || presi > giocati || giocati > totale) {
        return 0;
    }
    return Combinazioni(totale - giocati, estratti - presi) / Combinazioni(totale, estratti);
}

double ProbabilitaCombinazioni(int giocati, const std::function<bool(std::span<const int>)>& vince,
                               int estratti, int totale) {
    giocati = std::clamp(giocati, 0, totale);
    estratti = std::clamp(estratti, 0, 5);
    // Every subset of at most `estratti` indices, in lexicographic order.
    std::array<int, 5> usciti{};
    double p = 0;
    const auto visita = [&](const auto& self, int quanti, int da) -> void {
        const std::span<const int> s(usciti.data(), static_cast<std::size_t>(quanti));
        if (vince(s)) {
            p += ProbabilitaSottoinsieme(giocati, quanti, estratti, totale);
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
    return MassimoAtteso(std::vector<SerieUguali>{{quanti, probabilita}});
}

namespace {

/// P(max >= k) for k = 0, 1, ...: 1 - prod over groups of (1 - P(count >= k))^n, the series
/// being independent; the tails are summed from the top so that tiny ones keep their digits.
std::vector<double> CodeDelMassimo(const std::vector<SerieUguali>& gruppi) {
    std::vector<std::vector<double>> code;
    std::vector<double> quanti;
    std::size_t lunghezza = 0;
    for (const SerieUguali& g : gruppi) {
        if (g.quanti < 1 || g.probabilita.empty()) {
            continue;
        }
        std::vector<double> d = Distribuzione(g.probabilita);
        for (std::size_t k = d.size() - 1; k >= 1; --k) {
            d[k - 1] = std::min(1.0, d[k - 1] + d[k]);
        }
        lunghezza = std::max(lunghezza, d.size());
        code.push_back(std::move(d));
        quanti.push_back(g.quanti);
    }
    std::vector<double> massimo(lunghezza, 0);
    for (std::size_t k = 0; k < lunghezza; ++k) {
        double logNessuna = 0; // log P(every series below k)
        bool certa = false;
        for (std::size_t g = 0; g < code.size(); ++g) {
            const double coda = k < code[g].size() ? code[g][k] : 0;
            certa = certa || coda >= 1;
            logNessuna += coda >= 1 ? 0 : quanti[g] * std::log1p(-coda);
        }
        massimo[k] = certa ? 1 : -std::expm1(logNessuna);
    }
    return massimo;
}

} // namespace

double MassimoAtteso(const std::vector<SerieUguali>& gruppi) {
    // E[max] = sum over k >= 1 of P(max >= k).
    const std::vector<double> code = CodeDelMassimo(gruppi);
    double atteso = 0;
    for (std::size_t k = 1; k < code.size(); ++k) {
        atteso += code[k];
    }
    return atteso;
}

double ProbabilitaMigliore(const std::vector<SerieUguali>& gruppi, int k) {
    const std::vector<double> code = CodeDelMassimo(gruppi);
    if (k <= 0) {
        return 1;
    }
    return static_cast<std::size_t>(k) < code.size() ? code[static_cast<std::size_t>(k)] : 0;
}

double ProbabilitaMigliore(double quanti, const std::vector<double>& probabilita, int k) {
    return ProbabilitaMigliore(std::vector<SerieUguali>{{quanti, probabilita}}, k);
}

std::string TestoProbabilitaMigliore(double quanti, int k, double probabilita) {
    return "probabilità che il migliore di " + std::to_string(std::llround(quanti)) +
           " a caso arrivi ad almeno " + std::to_string(k) + ": " + UnDecimale(probabilita * 100) +
           "%";
}

std::vector<std::vector<std::string>> RigheAtteso(const Confronto& c) {
    return {{"Atteso per caso", UnDecimale(c.attesi), UnDecimale(c.percentuale)},
            {"Probabilità", "", UnDecimale(c.coda * 100)}};
}

std::string TestoConfronto(const Confronto& c) {
    const std::string attesi = UnDecimale(c.attesi);
    std::string testo = "Per puro caso: " + attesi +
                        (attesi == "1.0" ? " positivo atteso (" : " positivi attesi (") +
                        UnDecimale(c.percentuale) + "%). Trovarne almeno " +
                        std::to_string(c.positivi) + " per puro caso: " + UnDecimale(c.coda * 100) +
                        "%";
    // Under one in twenty is rare for one try; a ranking's top needs its best-of figure too.
    return testo + (c.coda < 0.05 ? ": raro per puro caso." : ": nessun vantaggio sul caso.");
}

std::string NienteDaVerificare(int riferimento) {
    return "Nessun caso dopo l'estrazione " + std::to_string(riferimento) +
           ": niente da verificare.";
}

std::string TestoVerificaDopo(int riferimento, const RiepilogoEsiti& r, const Confronto& c) {
    if (r.casi == 0) {
        return NienteDaVerificare(riferimento);
    }
    const int casi = r.casi;
    const int positivi = r.positivi;
    const int inGioco = r.inGioco;
    std::string testo = "Dopo l'estrazione " + std::to_string(riferimento) + ": " +
                        std::to_string(casi) + " casi, " + std::to_string(positivi) + " positivi";
    testo += " (" + Decimale(std::int64_t{positivi} * 100, casi) + "%), " +
             std::to_string(inGioco) + " in gioco.\n" + TestoConfronto(c);
    return testo;
}

std::string UnDecimale(double x) {
    return Decimale(std::llround(x * 1000), 1000);
}

} // namespace strovel

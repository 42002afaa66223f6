#include "methods/ambata/ambata_atteso.h"

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/estrazioni_casuali.h"
#include "core/ruote.h"

#include <algorithm>
#include <random>

namespace strovel {

namespace {

/// The spy back where the case found it (swapped with its place if the random draw put it
/// elsewhere on that wheel).
void RimettiSpia(Archivio& a, const Caso& c, int spia) {
    const auto segnato = std::find(c.segnati.begin(), c.segnati.end(), true);
    if (segnato == c.segnati.end()) {
        return;
    }
    const int pos = static_cast<int>(segnato - c.segnati.begin()) + 1;
    for (int q = 1; q <= 5; ++q) {
        if (a.Estratti(c.estrazione, c.ruota, q) == spia) {
            a.Estratti(c.estrazione, c.ruota, q) = a.Estratti(c.estrazione, c.ruota, pos);
        }
    }
    a.Estratti(c.estrazione, c.ruota, pos) = static_cast<std::int16_t>(spia);
}

int Positivi(const GiocateAmbata& g) {
    return static_cast<int>(std::count_if(g.giocate.begin(), g.giocate.end(),
                                          [](const Giocata& x) { return x.colpo != 0; }));
}

} // namespace

SimulazioneAmbata SimulaAmbata(const Archivio& a, const ParametriAmbata& p,
                               const std::vector<Caso>& casi, int simulazioni, int rigaMigliori) {
    SimulazioneAmbata s;
    if (casi.empty()) {
        return s;
    }
    const int fine = std::min<int>(p.fine, a.TotEstrazioni);
    // The draws the plays read (from the case's own) or test: k .. k + colpi.
    std::vector<int> estrazioni;
    for (const Caso& c : casi) {
        for (int d = c.estrazione; d <= std::min(c.estrazione + p.colpi, fine); ++d) {
            estrazioni.push_back(d);
        }
    }
    std::sort(estrazioni.begin(), estrazioni.end());
    estrazioni.erase(std::unique(estrazioni.begin(), estrazioni.end()), estrazioni.end());
    const auto piano = PianoColpi(p.colpi, static_cast<int>(p.riferimenti.size()));
    // The wheels the plays read or test (every wheel for MIGLIORI's 55 references).
    Ruote servono = p.gioco;
    for (const Riferimento& r : p.riferimenti) {
        servono[static_cast<std::size_t>(r.ruota)] = true;
    }
    for (const Caso& c : casi) {
        servono[static_cast<std::size_t>(c.ruota)] = true;
    }
    if (rigaMigliori > 0) {
        servono.fill(true);
    }
    Archivio finta = a;
    std::mt19937_64 gen(SemeSimulazioni);
    for (int k = 0; k < simulazioni; ++k) {
        for (const int d : estrazioni) {
            for (int w = 0; w < NumRuote; ++w) {
                if (servono[static_cast<std::size_t>(w)] && a.Estratta(d, w)) {
                    EstraiACaso(finta, d, w, gen);
                }
            }
        }
        for (const Caso& c : casi) {
            RimettiSpia(finta, c, p.spia);
        }
        for (const int d : estrazioni) {
            for (int w = 0; w < NumRuote; ++w) {
                if (servono[static_cast<std::size_t>(w)]) {
                    finta.AggiornaPresenze(d, w);
                }
            }
        }
        s.positivi.push_back(Positivi(GiocaAmbate(finta, p, casi, piano)));
        if (rigaMigliori > 0) {
            const EsitoMigliori m = Migliori(finta, p, casi, piano, rigaMigliori);
            s.migliori.push_back(PrimoMigliori(m));
        }
    }
    return s;
}

Confronto ConfrontaAmbata(const Archivio& a, const ParametriAmbata& p,
                          const std::vector<Caso>& casi, const GiocateAmbata& g) {
    Confronto c;
    const std::vector<Caso> giocati(
        casi.begin(),
        casi.begin() + static_cast<std::ptrdiff_t>(std::min(casi.size(), g.giocate.size())));
    c.casi = static_cast<int>(giocati.size());
    c.positivi = Positivi(g);
    if (c.casi == 0) {
        return c;
    }
    // Each case is an ambata on the play wheels drawn in its colpi, whatever the number played
    // at each: the expected positives are their sum exactly, overlaps or not.
    std::vector<double> probabilita;
    for (const Caso& k : giocati) {
        const int prove =
            ProveEstratte(a, p.gioco, k.estrazione + 1, std::min(k.estrazione + p.colpi, p.fine));
        probabilita.push_back(ProbabilitaGioco(1, 1, prove, 1));
    }
    const Confronto esatto = ConfrontaConIlCaso(probabilita, c.positivi);
    // Cases whose draws (read and played) never meet are independent, and so is the tail.
    std::vector<int> inizi;
    for (const Caso& k : giocati) {
        inizi.push_back(k.estrazione);
    }
    std::sort(inizi.begin(), inizi.end());
    bool separati = true;
    for (std::size_t i = 1; i < inizi.size(); ++i) {
        separati = separati && inizi[i] - inizi[i - 1] > p.colpi;
    }
    if (separati) {
        return esatto;
    }
    // Overlapping ones spread wider: their tail comes from the random archives.
    const SimulazioneAmbata s = SimulaAmbata(a, p, giocati, SimulazioniAmbata);
    int almeno = 0;
    for (const int x : s.positivi) {
        almeno += x >= c.positivi ? 1 : 0;
    }
    c = esatto;
    c.coda = static_cast<double>(almeno) / static_cast<double>(s.positivi.size());
    return c;
}

MiglioriACaso MiglioriPerCaso(const Archivio& a, const ParametriAmbata& p,
                              const std::vector<Caso>& casi, int riga, int primo) {
    MiglioriACaso m;
    const SimulazioneAmbata s = SimulaAmbata(a, p, casi, SimulazioniMigliori, riga);
    if (s.migliori.empty()) {
        return m;
    }
    int almeno = 0;
    for (const int x : s.migliori) {
        m.atteso += x;
        almeno += x >= primo ? 1 : 0;
    }
    m.atteso /= static_cast<double>(s.migliori.size());
    m.probabilita = static_cast<double>(almeno) / static_cast<double>(s.migliori.size());
    return m;
}

} // namespace strovel

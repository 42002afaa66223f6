#include "cycles/strovel_caso.h"

#include "core/archivio.h"
#include "core/formato.h"
#include "core/insieme90.h"
#include "core/ruote.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace strovel {

namespace {

/// The draws of a play window the archive holds.
int ColpiNellArchivio(const Finestra& w, int totEstrazioni) {
    return std::max(0, std::min(w.ultima, totEstrazioni) - std::max(w.prima, 1) + 1);
}

int Conta(const std::array<bool, 11>& ruote) {
    return static_cast<int>(std::count(ruote.begin(), ruote.end(), true));
}

/// The row with most hits: the top of the ranking, even when the list is sorted by delay.
const RigaFormula* Prima(const std::vector<RigaFormula>& righe) {
    const RigaFormula* prima = nullptr;
    for (const RigaFormula& r : righe) {
        if (r.formula && (prima == nullptr || r.p1 > prima->p1)) {
            prima = &r;
        }
    }
    return prima;
}

} // namespace

std::vector<double> ProbabilitaAmbataCicli(const Archivio& a, const ParametriStrovel& p,
                                           const std::vector<Ciclo>& cicli) {
    std::vector<double> probabilita;
    const double q = 1 - ProbabilitaEstrazione(1, 1);
    for (const Ciclo& c : cicli) {
        const Finestra w = FinestraDiGioco(c, p.colpi, a.TotEstrazioni, p.riferimento, p.stop);
        probabilita.push_back(1 - std::pow(q, ColpiNellArchivio(w, a.TotEstrazioni)));
    }
    return probabilita;
}

std::optional<CasoFormule> ConfrontaFormule(const Archivio& a, const EsitoStrovel& e) {
    const RigaFormula* prima = Prima(e.formule);
    if (prima == nullptr) {
        return std::nullopt;
    }
    CasoFormule c;
    const ParametriStrovel& p = e.parametri;
    c.formule = Conta(p.rilevazione) * 5.0 * 90 * Conta(p.gioco) * (e.tutteOperazioni ? 6 : 1);
    const std::vector<double> probabilita = ProbabilitaAmbataCicli(a, p, e.cicli);
    c.primo = ConfrontaConIlCaso(probabilita, prima->p1);
    c.migliore = MassimoAtteso(c.formule, probabilita);
    return c;
}

std::string TestoCasoFormule(const CasoFormule& c) {
    return "1ª formula: " + std::to_string(c.primo.positivi) + " positivi su " +
           std::to_string(c.primo.casi) + " cicli; " + TestoConfronto(c.primo) +
           ". Il migliore di " + std::to_string(std::llround(c.formule)) +
           " formule a caso: " + UnDecimale(c.migliore) + ".";
}

Confronto ConfrontaStatistica(const Archivio& a, const ParametriStrovel& p,
                              const std::vector<EsitoCiclo>& esiti) {
    std::vector<double> probabilita;
    int positivi = 0;
    for (const EsitoCiclo& e : esiti) {
        // The distinct numbers of the quartina, the ambata first when it is a number.
        std::vector<int> numeri;
        for (const int n : e.numeri) {
            if (n >= 1 && n <= 90 && std::find(numeri.begin(), numeri.end(), n) == numeri.end()) {
                numeri.push_back(n);
            }
        }
        const bool conAmbata = !numeri.empty() && numeri.front() == e.numeri[0];
        const double perEstrazione =
            ProbabilitaCombinazioni(static_cast<int>(numeri.size()), [&](std::span<const int> s) {
                return (conAmbata && !s.empty() && s.front() == 0) || s.size() >= 2;
            });
        const Finestra w =
            FinestraDiGioco(e.ciclo, p.colpi, a.TotEstrazioni, p.riferimento, p.stop);
        probabilita.push_back(1 -
                              std::pow(1 - perEstrazione, ColpiNellArchivio(w, a.TotEstrazioni)));
        positivi += e.positivo ? 1 : 0;
    }
    return ConfrontaConIlCaso(probabilita, positivi);
}

FuoriCampioneStrovel VerificaFuoriCampione(const Archivio& a, ParametriStrovel p,
                                           bool tutteOperazioni, int riferimento) {
    FuoriCampioneStrovel f;
    p.riferimento = riferimento;
    const Archivio allora = a.FinoA(riferimento);
    const EsitoStrovel prima =
        tutteOperazioni ? EsaminaTutteLeOperazioni(allora, p) : ElaboraStrovel(allora, p);
    f.cicliDentro = static_cast<int>(prima.cicli.size());
    const RigaFormula* scelta = Prima(prima.formule);
    if (scelta == nullptr) {
        return f;
    }
    f.scelta = *scelta;
    const FormulaStrovel& formula = *scelta->formula;
    const ParametriStrovel& usati = prima.parametri;
    for (const Ciclo& c : CostruisciCicli(a.TotEstrazioni, std::numeric_limits<int>::max(),
                                          usati.durata, usati.considera, usati.salto)) {
        if (c.inizio > riferimento) {
            f.cicli.push_back(c);
        }
    }
    std::vector<double> probabilita;
    const double q = 1 - ProbabilitaEstrazione(1, 1);
    for (const Ciclo& c : f.cicli) {
        const Finestra w = FinestraDiGioco(c, usati.colpi, a.TotEstrazioni, a.TotEstrazioni, false);
        const int ambata = AmbataStrovel(a, formula, c.considerata);
        bool uscita = false;
        for (int k = std::max(w.prima, 1); k <= w.ultima && !uscita; ++k) {
            uscita = ambata >= 1 && a.Presente(k, formula.r2, ambata);
        }
        f.positivi += uscita ? 1 : 0;
        f.inGioco += !uscita && c.inizioGioco + usati.colpi - 1 > a.TotEstrazioni ? 1 : 0;
        probabilita.push_back(1 - std::pow(q, ColpiNellArchivio(w, a.TotEstrazioni)));
    }
    f.confronto = ConfrontaConIlCaso(probabilita, f.positivi);
    return f;
}

std::string TestoFormula(const FormulaStrovel& f) {
    return Sigla(f.r1) + " " + std::to_string(f.p) + " " + static_cast<char>(f.op) + " " +
           std::to_string(f.f) + " > " + Sigla(f.r2);
}

std::string TestoFuoriCampioneStrovel(const FuoriCampioneStrovel& f, int riferimento) {
    if (!f.scelta) {
        return "Nessuna formula all'estrazione " + std::to_string(riferimento) + ".";
    }
    return "Scelta all'estrazione " + std::to_string(riferimento) + ": " +
           TestoFormula(*f.scelta->formula) + " (" + std::to_string(f.scelta->p1) +
           " positivi su " + std::to_string(f.cicliDentro) + " cicli).\n" +
           TestoVerificaDopo(riferimento, static_cast<int>(f.cicli.size()), f.positivi, f.inGioco,
                             f.confronto);
}

} // namespace strovel

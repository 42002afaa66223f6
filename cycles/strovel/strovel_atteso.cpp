#include "cycles/strovel/strovel_atteso.h"

#include "core/archivio.h"
#include "core/estrazioni_casuali.h"
#include "core/formato.h"
#include "core/insieme90.h"
#include "core/ruote.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>

namespace strovel {

namespace {

/// A cycle's colpi the archive holds, and whether the considered draw is one of them: the
/// module reads the ambata in the considered draw, which falls in the play window when Salto
/// leaves Considera past the cycle's end.
struct ColpiCiclo {
    int colpi = 0;
    bool considerata = false;
};
/// With a play wheel (`ruota` 0..10), only the colpi in which it was drawn count.
ColpiCiclo Colpi(const Archivio& a, int colpi, const Ciclo& c, int riferimento, bool stop,
                 int ruota = -1) {
    const Finestra w = FinestraDiGioco(c, colpi, a.TotEstrazioni, riferimento, stop);
    const int prima = std::max(w.prima, 1);
    const int ultima = std::min<int>(w.ultima, a.TotEstrazioni);
    const bool considerata = c.considerata >= prima && c.considerata <= ultima;
    if (ruota < 0) {
        return {std::max(0, ultima - prima + 1), considerata};
    }
    ColpiCiclo n;
    for (int k = prima; k <= ultima; ++k) {
        n.colpi += a.Estratta(k, ruota) ? 1 : 0;
    }
    n.considerata = considerata && a.Estratta(c.considerata, ruota);
    return n;
}

/// A cycle positive by chance: q for each colpo, q0 for the considered draw when it is one.
double ProbabilitaCiclo(const ColpiCiclo& c, double q, double q0) {
    if (c.colpi == 0) {
        return 0;
    }
    const int altri = c.considerata ? c.colpi - 1 : c.colpi;
    return 1 - (c.considerata ? 1 - q0 : 1.0) * std::pow(1 - q, altri);
}

/// The number at the formula's position in a draw, 0 when there is none.
int Considerato(const Archivio& a, const FormulaStrovel& f, int k) {
    const int n = a.Estratti(k, f.r1, f.p);
    return n >= 1 && n <= 90 ? n : 0;
}

/// The chance an ambata has in the draw it was read in, on the play wheel: there the number n
/// at the formula's position is out for sure, so on the same wheel an ambata equal to n is out
/// and any other is one of the remaining four out of 89; on another wheel 5/90.
double AmbataNellaConsiderata(const FormulaStrovel& f, int n, int ambata) {
    if (f.r1 != f.r2 || n == 0) {
        return ProbabilitaEstrazione(1, 1);
    }
    return ambata == n ? 1.0 : ProbabilitaEstrazione(1, 1, 89, 4);
}

/// The row with most hits: the top of the ranking, even when the list is sorted by delay.
/// The row with most hits (the first of equals); with `incassabile`, sure formulas left out.
const RigaFormula* Prima(const std::vector<RigaFormula>& righe, bool incassabile = false) {
    const RigaFormula* prima = nullptr;
    for (const RigaFormula& r : righe) {
        if (r.formula && !(incassabile && FormulaSicura(*r.formula)) &&
            (prima == nullptr || r.p1 > prima->p1)) {
            prima = &r;
        }
    }
    return prima;
}

} // namespace

std::vector<double> ProbabilitaFormulaCicli(const Archivio& a, const ParametriStrovel& p,
                                            const std::vector<Ciclo>& cicli,
                                            const FormulaStrovel& f, int riferimento, bool stop) {
    std::vector<double> probabilita;
    for (const Ciclo& c : cicli) {
        const int ambata = AmbataStrovel(a, f, c.considerata);
        const int letto = Considerato(a, f, c.considerata);
        const double q0 = AmbataNellaConsiderata(f, letto, ambata);
        // No number read (a wheel not drawn) gives no ambata to play: no chance either.
        probabilita.push_back(ambata == 0 || letto == 0
                                  ? 0
                                  : ProbabilitaCiclo(Colpi(a, p.colpi, c, riferimento, stop, f.r2),
                                                     ProbabilitaEstrazione(1, 1), q0));
    }
    return probabilita;
}

std::vector<SerieUguali> FormuleACaso(const Archivio& a, const EsitoStrovel& e) {
    const ParametriStrovel& p = e.parametri;
    std::vector<Operazione> operazioni = {p.operazione};
    if (e.tutteOperazioni) {
        operazioni.clear();
        for (const auto voce : VociOperazione) {
            operazioni.push_back(*OperazioneDaVoce(voce));
        }
    }
    // A formula reading and playing one wheel: its ambata is the number read (s of the 90 do
    // so for an operation and fixed value) or one of the other four of that draw.
    std::map<int, double> perUguali; // s -> formulas per wheel
    for (const Operazione op : operazioni) {
        for (int f = 0; f <= 89; ++f) {
            int s = 0;
            for (int n = 1; n <= 90; ++n) {
                s += Deriva(op, n, f) == n ? 1 : 0;
            }
            perUguali[s] += 5.0;
        }
    }
    const double perCoppia = 5.0 * 90 * static_cast<double>(operazioni.size());
    // Per detection and play wheel: a cycle whose considered draw has no numbers on the first
    // gives no ambata; the second counts only the colpi in which it was drawn. Formulas alike
    // by chance share one group.
    std::map<std::vector<double>, double> perSerie;
    for (int r1 = 0; r1 < NumRuote; ++r1) {
        for (int r2 = 0; r2 < NumRuote; ++r2) {
            if (!p.rilevazione[static_cast<std::size_t>(r1)] ||
                !p.gioco[static_cast<std::size_t>(r2)]) {
                continue;
            }
            const auto serie = [&](double q0) {
                std::vector<double> v;
                for (const Ciclo& c : e.cicli) {
                    v.push_back(
                        a.Estratta(c.considerata, r1)
                            ? ProbabilitaCiclo(Colpi(a, p.colpi, c, p.riferimento, p.stop, r2),
                                               ProbabilitaEstrazione(1, 1), q0)
                            : 0);
                }
                return v;
            };
            if (r1 != r2) {
                perSerie[serie(ProbabilitaEstrazione(1, 1))] += perCoppia;
                continue;
            }
            for (const auto& [uguali, quante] : perUguali) {
                const double x = uguali / 90.0;
                perSerie[serie(x + (1 - x) * ProbabilitaEstrazione(1, 1, 89, 4))] += quante;
            }
        }
    }
    std::vector<SerieUguali> gruppi;
    for (auto& [serie, quante] : perSerie) {
        gruppi.push_back({quante, serie});
    }
    return gruppi;
}

std::optional<CasoFormule> ConfrontaFormule(const Archivio& a, const EsitoStrovel& e) {
    const RigaFormula* prima = Prima(e.formule);
    if (prima == nullptr) {
        return std::nullopt;
    }
    CasoFormule c;
    const ParametriStrovel& p = e.parametri;
    c.formule = Scelte(p.rilevazione) * 5.0 * 90 * Scelte(p.gioco) * (e.tutteOperazioni ? 6 : 1);
    c.primo = ConfrontaConIlCaso(
        ProbabilitaFormulaCicli(a, p, e.cicli, *prima->formula, p.riferimento, p.stop), prima->p1);
    const std::vector<SerieUguali> formule = FormuleACaso(a, e);
    c.migliore = MassimoAtteso(formule);
    c.probabilitaMigliore = ProbabilitaMigliore(formule, prima->p1);
    return c;
}

std::string TestoCasoFormule(const CasoFormule& c) {
    return "1ª formula: " + std::to_string(c.primo.positivi) + " positivi su " +
           std::to_string(c.primo.casi) + " cicli; " + TestoConfronto(c.primo) +
           ". Il migliore di " + std::to_string(std::llround(c.formule)) +
           " formule a caso: " + UnDecimale(c.migliore) + "; " +
           TestoProbabilitaMigliore(c.formule, c.primo.positivi, c.probabilitaMigliore) + ".";
}

Confronto ConfrontaStatistica(const Archivio& a, const ParametriStrovel& p,
                              const FormulaStrovel& formula, const std::vector<EsitoCiclo>& esiti) {
    std::vector<double> probabilita;
    int positivi = 0;
    for (const EsitoCiclo& e : esiti) {
        // The distinct numbers of the quartina; `ambata` marks the ambata among them.
        const auto distinti = [&](int tolto) {
            std::vector<int> numeri;
            for (const int n : e.numeri) {
                if (n >= 1 && n <= 90 && n != tolto &&
                    std::find(numeri.begin(), numeri.end(), n) == numeri.end()) {
                    numeri.push_back(n);
                }
            }
            return numeri;
        };
        // Out in one draw: the ambata, or two numbers (`certi` of them known to be out).
        const auto vince = [&](const std::vector<int>& numeri, int certi) {
            return [&, certi](std::span<const int> usciti) {
                for (const int i : usciti) {
                    if (numeri[static_cast<std::size_t>(i)] == e.numeri[0]) {
                        return true;
                    }
                }
                return certi + static_cast<int>(usciti.size()) >= 2;
            };
        };
        const std::vector<int> tutti = distinti(0);
        const double q = ProbabilitaCombinazioni(static_cast<int>(tutti.size()), vince(tutti, 0));
        // In the considered draw on the same wheel the number read is out for sure.
        double q0 = q;
        const int n = Considerato(a, formula, e.ciclo.considerata);
        if (formula.r1 == formula.r2 && n != 0) {
            const std::vector<int> altri = distinti(n);
            const int certi = static_cast<int>(tutti.size() - altri.size());
            q0 = e.numeri[0] == n ? 1.0
                                  : ProbabilitaCombinazioni(static_cast<int>(altri.size()),
                                                            vince(altri, certi), 4, 89);
        }
        probabilita.push_back(
            ProbabilitaCiclo(Colpi(a, p.colpi, e.ciclo, p.riferimento, p.stop), q, q0));
        positivi += e.positivo ? 1 : 0;
    }
    return ConfrontaConIlCaso(probabilita, positivi);
}

std::optional<SceltaStrovel> AnalisiStrovel::Scegli(const Archivio& allora, int riferimento,
                                                    Esito& f) const {
    ParametriStrovel q = p;
    q.riferimento = riferimento;
    const EsitoStrovel prima =
        tutteOperazioni ? EsaminaTutteLeOperazioni(allora, q) : ElaboraStrovel(allora, q);
    f.mancanoRuote = prima.mancanoRuote;
    // A formula that plays back the number it reads hits in its considered draw for sure: no
    // player could cash that, so the choice is the best formula that is not one.
    const RigaFormula* scelta = Prima(prima.formule, true);
    if (scelta == nullptr) {
        return std::nullopt;
    }
    return SceltaStrovel{*scelta, static_cast<int>(prima.cicli.size()), prima.parametri};
}

void AnalisiStrovel::Verifica(const Archivio& tutto, int riferimento, const SceltaStrovel& s,
                              Esito& f) const {
    const FormulaStrovel& formula = *s.riga.formula;
    const ParametriStrovel& usati = s.usati;
    for (const Ciclo& c : CostruisciCicli(tutto.TotEstrazioni, std::numeric_limits<int>::max(),
                                          usati.durata, usati.considera, usati.salto)) {
        // A cycle whose considered draw has no numbers on the detection wheel gives no ambata:
        // it is no case.
        if (c.inizio > riferimento && Considerato(tutto, formula, c.considerata) != 0) {
            f.cicli.push_back(c);
        }
    }
    if (soloPrimoCaso) {
        SoloIlPrimo(f.cicli, [](const Ciclo& c) { return c.inizio; });
        f.primoCaso = f.cicli.empty() ? 0 : f.cicli.front().inizio;
    }
    std::vector<Classe> classi;
    for (const Ciclo& c : f.cicli) {
        const Finestra w =
            FinestraDiGioco(c, usati.colpi, tutto.TotEstrazioni, tutto.TotEstrazioni, false);
        const int ambata = AmbataStrovel(tutto, formula, c.considerata);
        bool uscita = false;
        for (int k = std::max(w.prima, 1); k <= w.ultima && !uscita; ++k) {
            uscita = ambata >= 1 && tutto.Presente(k, formula.r2, ambata);
        }
        classi.push_back(uscita ? Classe::Positivo
                         : c.inizioGioco + usati.colpi - 1 > tutto.TotEstrazioni
                             ? Classe::InGioco
                             : Classe::Negativo);
    }
    f.riepilogo = Riassumi(classi);
    f.confronto = ConfrontaConIlCaso(
        ProbabilitaFormulaCicli(tutto, usati, f.cicli, formula, tutto.TotEstrazioni, false),
        f.riepilogo.positivi);
}

std::string AnalisiStrovel::Descrivi(const SceltaStrovel& s) {
    return TestoFormula(*s.riga.formula);
}

AccoppiamentiACaso ConfrontaAccoppiamenti(const Archivio& a, const EsitoStrovel& e,
                                          const std::vector<Accoppiamento>& coppie,
                                          int simulazioni) {
    AccoppiamentiACaso c;
    for (const Accoppiamento& x : coppie) {
        c.primo = std::max(c.primo, x.presenti);
    }
    if (coppie.empty() || e.cicli.empty()) {
        return c;
    }
    // The draws the search reads and plays: from the oldest cycle's first draw to the last.
    int prima = a.TotEstrazioni;
    for (const Ciclo& ciclo : e.cicli) {
        prima = std::min(prima, ciclo.inizio);
    }
    Archivio finta = a;
    std::mt19937_64 gen(SemeSimulazioni);
    int almeno = 0;
    for (int s = 0; s < simulazioni; ++s) {
        for (int k = std::max(prima, 1); k <= a.TotEstrazioni; ++k) {
            for (int w = 0; w < NumRuote; ++w) {
                if (!a.Estratta(k, w)) {
                    continue;
                }
                EstraiACaso(finta, k, w, gen);
                finta.AggiornaPresenze(k, w);
            }
        }
        const EsitoStrovel caso = e.tutteOperazioni ? EsaminaTutteLeOperazioni(finta, e.parametri)
                                                    : ElaboraStrovel(finta, e.parametri);
        int migliore = 0;
        for (const Accoppiamento& x :
             Accoppiamenti(finta, caso.parametri, caso.cicli, caso.formule)) {
            migliore = std::max(migliore, x.presenti);
        }
        c.migliore += migliore;
        almeno += migliore >= c.primo ? 1 : 0;
    }
    c.simulazioni = simulazioni;
    c.migliore /= simulazioni;
    c.probabilita = static_cast<double>(almeno) / simulazioni;
    return c;
}

std::string TestoAccoppiamentiACaso(const AccoppiamentiACaso& c) {
    if (c.simulazioni == 0) {
        return {};
    }
    return "Per caso, la coppia migliore su " + std::to_string(c.simulazioni) +
           " archivi a caso: " + UnDecimale(c.migliore) +
           " cicli; probabilità che arrivi ad almeno " + std::to_string(c.primo) + ": " +
           UnDecimale(c.probabilita * 100) + "%";
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
           TestoFormula(*f.scelta->riga.formula) + " (" + std::to_string(f.scelta->riga.p1) +
           " positivi su " + std::to_string(f.scelta->cicliDentro) + " cicli).\n" +
           TestoVerificaDopo(riferimento, f.riepilogo, f.confronto);
}

} // namespace strovel

#include "tests/oracoli/strovel_oracolo.h"

#include "core/archivio.h"
#include "core/ruote.h"

#include <algorithm>

namespace strovel::oracolo {

namespace {

/// The grid cell value: an empty cell counts as 0.
int Val(const std::optional<int>& v) {
    return v ? *v : 0;
}

/// Whether `n` equals one of the five numbers of wheel r in draw k; draws past the last one
/// hold no numbers.
bool Esce(const Archivio& a, int k, int r, int n, int tot) {
    if (k < 1 || k > tot || n < 1 || n > 90) {
        return false;
    }
    for (int q = 1; q <= 5; ++q) {
        if (a.Estratti(k, r, q) == n) {
            return true;
        }
    }
    return false;
}

/// Whether draw k belongs to the play window (Ch_Stop leaves out the draws after ref).
bool InGioco(int k, const ParametriStrovel& p) {
    return !(p.stop && k > p.riferimento);
}

int Ambata(const Archivio& a, const FormulaStrovel& f, int c) {
    int n = a.Estratti(c, f.r1, f.p);
    if (n < 0 || n > 90) {
        n = 0; // not a Lotto number: no number
    }
    int x = 0;
    switch (f.op) {
    case Operazione::Somma:
        x = n + f.f;
        break;
    case Operazione::Sottrazione:
        x = n > f.f ? n - f.f : f.f - n;
        return x == 0 ? 90 : x;
    case Operazione::Moltiplicazione:
        x = n * f.f;
        break;
    case Operazione::SommaFigura:
        x = n + f.f + TabFigura[static_cast<std::size_t>(n)];
        break;
    case Operazione::SommaCadenza:
        x = n + f.f + TabCadenza[static_cast<std::size_t>(n)];
        break;
    case Operazione::SommaVertibile:
        x = n + f.f + TabVertibile[static_cast<std::size_t>(n)];
        break;
    }
    int r = x % 90;
    if (r <= 0) {
        r += 90;
    }
    return r;
}

std::vector<Ciclo> Cicli(const ParametriStrovel& p) {
    std::vector<Ciclo> cicli;
    int c = 0;
    int i = p.riferimento;
    while (i >= 1) {
        c = c + 1;
        if (c > p.cicli) {
            break;
        }
        Ciclo x{c, i - p.salto - p.durata + 1, i - p.salto, i - p.durata + p.considera,
                i - p.salto + 1};
        if (x.inizio < 1) {
            break;
        }
        cicli.push_back(x);
        i = i - (p.salto + p.durata);
    }
    return cicli;
}

void Cerca(const Archivio& a, const ParametriStrovel& p, const std::vector<Ciclo>& cicli,
           std::vector<RigaFormula>& lista) {
    const int tot = a.TotEstrazioni;
    for (int f = 0; f <= 89; f++) {
        for (int r1 = 0; r1 <= 10; r1++) {
            if (!p.rilevazione[static_cast<std::size_t>(r1)]) {
                continue;
            }
            for (int pos = 1; pos <= 5; pos++) {
                for (int r2 = 0; r2 <= 10; r2++) {
                    if (!p.gioco[static_cast<std::size_t>(r2)]) {
                        continue;
                    }
                    const FormulaStrovel formula{r1, pos, f, p.operazione, r2};
                    int colpi = 0;
                    for (const Ciclo& ciclo : cicli) {
                        const int am = Ambata(a, formula, ciclo.considerata);
                        for (int k = ciclo.inizioGioco; k <= ciclo.inizioGioco + p.colpi - 1; k++) {
                            if (InGioco(k, p) && Esce(a, k, r2, am, tot)) {
                                colpi = colpi + 1;
                                break;
                            }
                        }
                    }
                    RigaFormula& ultima = lista.back();
                    if (colpi >= ultima.p1) {
                        ultima.formula = formula;
                        ultima.p1 = colpi;
                        std::stable_sort(
                            lista.begin(), lista.end(),
                            [](const RigaFormula& x, const RigaFormula& y) { return x.p1 > y.p1; });
                    }
                }
            }
        }
    }
}

void Prev1Ruota(const Archivio& a, const ParametriStrovel& p, const std::vector<Ciclo>& cicli,
                std::vector<RigaFormula>& lista) {
    const int tot = a.TotEstrazioni;
    for (RigaFormula& riga : lista) {
        if (!riga.formula) {
            continue;
        }
        const FormulaStrovel& f = *riga.formula;
        if (!cicli.empty()) {
            riga.numeri[0] = Ambata(a, f, cicli[0].considerata);
        }
        std::vector<std::pair<int, int>> fgS; // number, count
        for (int n = 1; n <= 90; n++) {
            fgS.push_back({n, 0});
        }
        for (const Ciclo& ciclo : cicli) {
            const int am = Ambata(a, f, ciclo.considerata);
            for (int k = ciclo.inizioGioco; k <= ciclo.inizioGioco + p.colpi - 1; k++) {
                if (InGioco(k, p) && Esce(a, k, f.r2, am, tot)) {
                    for (int q = 1; q <= 5; q++) {
                        const int n = a.Estratti(k, f.r2, q);
                        if (n != am && n >= 1 && n <= 90) {
                            fgS[static_cast<std::size_t>(n - 1)].second++;
                        }
                    }
                    break;
                }
            }
        }
        std::stable_sort(fgS.begin(), fgS.end(),
                         [](const auto& x, const auto& y) { return x.second > y.second; });
        riga.numeri[1] = fgS[0].first;
        riga.numeri[2] = fgS[1].first;
        riga.numeri[3] = fgS[2].first;
    }
}

void P2(const Archivio& a, const ParametriStrovel& p, const std::vector<Ciclo>& cicli,
        std::vector<RigaFormula>& lista) {
    const int tot = a.TotEstrazioni;
    for (RigaFormula& riga : lista) {
        if (!riga.formula) {
            continue;
        }
        const FormulaStrovel& f = *riga.formula;
        const int ab1 = Val(riga.numeri[1]);
        const int ab2 = Val(riga.numeri[2]);
        const int abq = Val(riga.numeri[3]);
        int negativi = 0;
        for (const Ciclo& ciclo : cicli) {
            const int am = Ambata(a, f, ciclo.considerata);
            // The quartina as a set: a repeated number is one member.
            std::vector<int> quartina;
            for (int n : {am, ab1, ab2, abq}) {
                if (std::find(quartina.begin(), quartina.end(), n) == quartina.end()) {
                    quartina.push_back(n);
                }
            }
            bool positivo = false;
            for (int k = ciclo.inizioGioco; k <= ciclo.inizioGioco + p.colpi - 1; k++) {
                if (!InGioco(k, p)) {
                    continue;
                }
                const bool esceA = Esce(a, k, f.r2, am, tot);
                const bool ambo1 = esceA && Esce(a, k, f.r2, ab1, tot) && ab1 != am;
                const bool ambo2 = esceA && Esce(a, k, f.r2, ab2, tot) && ab2 != am;
                int quanti = 0;
                for (int n : quartina) {
                    quanti += Esce(a, k, f.r2, n, tot) ? 1 : 0;
                }
                if (esceA || ambo1 || ambo2 || quanti >= 2) {
                    positivo = true;
                    break;
                }
            }
            if (!positivo) {
                negativi++;
            }
        }
        riga.p2 = p.cicli - negativi;
    }
}

std::vector<RigaPrevisione> Tally(const std::vector<RigaFormula>& lista) {
    int contatori[91][11] = {};
    for (const RigaFormula& riga : lista) {
        if (riga.formula) {
            if (riga.numeri[0]) {
                contatori[*riga.numeri[0]][riga.formula->r2]++;
            }
        }
    }
    std::vector<RigaPrevisione> fg4;
    for (int n = 1; n <= 90; n++) {
        for (int w = 0; w <= 10; w++) {
            if (contatori[n][w] != 0) {
                fg4.push_back({w, n, contatori[n][w], std::nullopt});
            }
        }
    }
    std::stable_sort(fg4.begin(), fg4.end(), [](const RigaPrevisione& x, const RigaPrevisione& y) {
        return x.formule > y.formule;
    });
    return fg4;
}

void Ritardi(const Archivio& a, const ParametriStrovel& p, std::vector<RigaFormula>& lista) {
    const int tot = a.TotEstrazioni;
    for (RigaFormula& riga : lista) {
        if (!riga.formula) {
            continue;
        }
        const int r2 = riga.formula->r2;
        for (int j = 0; j < 4; j++) {
            const int x = Val(riga.numeri[static_cast<std::size_t>(j)]);
            for (int k = p.riferimento; k >= 1; k--) {
                if (Esce(a, k, r2, x, tot)) {
                    riga.ritardi[static_cast<std::size_t>(j)] = p.riferimento - k;
                    break;
                }
            }
        }
        riga.sommaRitardi = Val(riga.ritardi[0]) + Val(riga.ritardi[1]) + Val(riga.ritardi[2]) +
                            Val(riga.ritardi[3]);
        for (int j = 0; j < 4; j++) {
            bool uscito = false;
            for (int k = p.riferimento + 1; k <= p.riferimento + p.colpi && k <= tot; k++) {
                if (Esce(a, k, r2, Val(riga.numeri[static_cast<std::size_t>(j)]), tot)) {
                    uscito = true;
                }
            }
            riga.uscitoDopo[static_cast<std::size_t>(j)] = uscito;
        }
    }
}

void Rit(const std::vector<RigaFormula>& lista, std::vector<RigaPrevisione>& fg4) {
    for (RigaPrevisione& r : fg4) {
        for (const RigaFormula& riga : lista) {
            if (riga.formula && Val(riga.numeri[0]) == r.numero && riga.formula->r2 == r.ruota) {
                r.rit = riga.ritardi[0];
                break;
            }
        }
    }
}

void OrdinaRitardo(std::vector<RigaFormula>& lista) {
    std::stable_sort(lista.begin(), lista.end(), [](const RigaFormula& x, const RigaFormula& y) {
        return Val(x.ritardi[0]) < Val(y.ritardi[0]);
    });
}

ParametriStrovel Prepara(const Archivio& a, ParametriStrovel p) {
    if (p.durata < p.considera) {
        p.considera = p.durata;
    }
    p.riferimento = std::clamp<int>(p.riferimento, 1, std::max<int>(1, a.TotEstrazioni));
    return p;
}

bool Ruote(const ParametriStrovel& p) {
    bool r = false;
    bool g = false;
    for (int w = 0; w <= 10; w++) {
        r = r || p.rilevazione[static_cast<std::size_t>(w)];
        g = g || p.gioco[static_cast<std::size_t>(w)];
    }
    return r && g;
}

void Giro(const Archivio& a, EsitoStrovel& e) {
    Cerca(a, e.parametri, e.cicli, e.formule);
    for (std::size_t r = 0; r < e.formule.size(); r++) {
        e.formule[r].rango = static_cast<int>(r + 1);
    }
    Prev1Ruota(a, e.parametri, e.cicli, e.formule);
    P2(a, e.parametri, e.cicli, e.formule);
    e.previsioni = Tally(e.formule);
}

} // namespace

EsitoStrovel ElaboraStrovel(const Archivio& a, const ParametriStrovel& parametri,
                            bool ordinaPerRitardo) {
    EsitoStrovel e;
    e.parametri = Prepara(a, parametri);
    e.cicli = Cicli(e.parametri);
    if (!Ruote(e.parametri)) {
        e.mancanoRuote = true;
        return e;
    }
    e.formule.assign(static_cast<std::size_t>(e.parametri.elenco), RigaFormula{});
    Giro(a, e);
    Ritardi(a, e.parametri, e.formule);
    Rit(e.formule, e.previsioni);
    if (ordinaPerRitardo) {
        OrdinaRitardo(e.formule);
    }
    return e;
}

std::vector<RigaFormula> CercaFormule(const Archivio& a, const ParametriStrovel& p,
                                      const std::vector<Ciclo>& cicli) {
    std::vector<RigaFormula> lista(static_cast<std::size_t>(p.elenco));
    Cerca(a, p, cicli, lista);
    return lista;
}

EsitoStrovel EsaminaTutteLeOperazioni(const Archivio& a, const ParametriStrovel& parametri,
                                      bool ordinaPerRitardo) {
    EsitoStrovel e;
    e.parametri = Prepara(a, parametri);
    e.cicli = Cicli(e.parametri);
    if (!Ruote(e.parametri)) {
        e.mancanoRuote = true;
        return e;
    }
    e.formule.assign(static_cast<std::size_t>(e.parametri.elenco), RigaFormula{});
    for (const char op : {'+', '-', 'X', 'F', 'C', 'V'}) {
        e.parametri.operazione = static_cast<Operazione>(op);
        Giro(a, e);
        if (ordinaPerRitardo) {
            OrdinaRitardo(e.formule);
        }
    }
    Ritardi(a, e.parametri, e.formule);
    Rit(e.formule, e.previsioni);
    return e;
}

} // namespace strovel::oracolo

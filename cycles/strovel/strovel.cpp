#include "cycles/strovel/strovel.h"

#include "core/archivio.h"
#include "core/insieme90.h"
#include "core/ruote.h"

#include <algorithm>
#include <bit>

namespace strovel {

namespace {

/// First draw of the window where `n` comes out on `r`, or 0.
int PrimaUscita(const Archivio& a, const Finestra& w, int r, int n) {
    for (int k = w.prima; k <= w.ultima; ++k) {
        if (a.Presente(k, r, n)) {
            return k;
        }
    }
    return 0;
}

bool Formula(const RigaFormula& r) {
    return r.formula.has_value();
}

} // namespace

std::int16_t AmbataStrovel(const Archivio& a, const FormulaStrovel& f, int considerata) {
    int n = a.Estratti(considerata, f.r1, f.p);
    // A stored value that is not a Lotto number counts as no number.
    if (n < 0 || n > 90) {
        n = 0;
    }
    return Deriva(f.op, n, f.f);
}

bool FormulaSicura(const FormulaStrovel& f) {
    if (f.r1 != f.r2) {
        return false;
    }
    for (int n = 1; n <= 90; ++n) {
        if (Deriva(f.op, n, f.f) != n) {
            return false;
        }
    }
    return true;
}

// --- Ranked list ------------------------------------------------------------------------------

ListaFormule::ListaFormule(int righe) : righe_(static_cast<std::size_t>(std::max(1, righe))) {}

ListaFormule::ListaFormule(std::vector<RigaFormula> esistenti, int righe)
    : righe_(std::move(esistenti)) {
    righe_.resize(static_cast<std::size_t>(std::max(1, righe)));
}

void ListaFormule::Proponi(const FormulaStrovel& f, int colpi) {
    if (colpi < righe_.back().p1) {
        return;
    }
    // Overwrite the last row (its other cells stay as they were), then the stable sort by
    // hits: the row moves up past the rows with fewer hits and stays below equal ones.
    RigaFormula nuova = std::move(righe_.back());
    nuova.formula = f;
    nuova.p1 = colpi;
    std::size_t pos = righe_.size() - 1;
    while (pos > 0 && righe_[pos - 1].p1 < colpi) {
        righe_[pos] = std::move(righe_[pos - 1]);
        --pos;
    }
    righe_[pos] = std::move(nuova);
}

// --- Search -------------------------------------------------------------------------------------

std::vector<RigaFormula> CercaFormule(const Archivio& a, const ParametriStrovel& p,
                                      const std::vector<Ciclo>& cicli,
                                      std::vector<RigaFormula> lista, const Progresso& progresso) {
    const std::size_t nc = cicli.size();
    // uscite[r2][c][n] = 1 when number n comes out on wheel r2 anywhere in the play window of
    // cycle c: a formula hits a cycle when its ambata is one of them.
    std::vector<std::array<std::uint8_t, 96>> uscite(11 * nc);
    auto uscita = [&](int r2, std::size_t c) -> std::array<std::uint8_t, 96>& {
        return uscite[static_cast<std::size_t>(r2) * nc + c];
    };
    std::vector<int> ruoteGioco;
    std::vector<int> ruoteRilevazione;
    for (int r = 0; r < NumRuote; ++r) {
        if (p.gioco[static_cast<std::size_t>(r)]) {
            ruoteGioco.push_back(r);
        }
        if (p.rilevazione[static_cast<std::size_t>(r)]) {
            ruoteRilevazione.push_back(r);
        }
    }
    for (std::size_t c = 0; c < nc; ++c) {
        const Finestra w =
            FinestraDiGioco(cicli[c], p.colpi, a.TotEstrazioni, p.riferimento, p.stop);
        for (int r2 : ruoteGioco) {
            auto& m = uscita(r2, c);
            m.fill(0);
            for (int k = w.prima; k <= w.ultima; ++k) {
                for (int q = 1; q <= 5; ++q) {
                    const int n = a.Estratti(k, r2, q);
                    if (n >= 1 && n <= 90) {
                        m[static_cast<std::size_t>(n)] = 1;
                    }
                }
            }
        }
    }
    // ambata[n][f]: the operation's result for every drawn number 0..90 and fixed value.
    std::vector<std::array<std::uint8_t, 90>> ambata(91);
    for (int n = 0; n <= 90; ++n) {
        for (int f = 0; f <= 89; ++f) {
            ambata[static_cast<std::size_t>(n)][static_cast<std::size_t>(f)] =
                static_cast<std::uint8_t>(Deriva(p.operazione, n, f));
        }
    }
    // Every formula's hits first, counted for all 90 fixed values at once ...
    const std::size_t nr2 = ruoteGioco.size();
    const std::size_t nr1 = ruoteRilevazione.size();
    std::vector<std::array<std::uint16_t, 90>> colpi(nr1 * 5 * nr2);
    std::vector<int> considerati(nc);
    for (std::size_t i1 = 0; i1 < nr1; ++i1) {
        const int r1 = ruoteRilevazione[i1];
        for (int pos = 1; pos <= 5; ++pos) {
            for (std::size_t c = 0; c < nc; ++c) {
                const int n = a.Estratti(cicli[c].considerata, r1, pos);
                // A stored value that is not a Lotto number counts as no number.
                considerati[c] = n < 0 || n > 90 ? 0 : n;
            }
            for (std::size_t i2 = 0; i2 < nr2; ++i2) {
                auto& conta = colpi[(i1 * 5 + static_cast<std::size_t>(pos - 1)) * nr2 + i2];
                conta.fill(0);
                for (std::size_t c = 0; c < nc; ++c) {
                    const auto& m = uscita(ruoteGioco[i2], c);
                    const auto& t = ambata[static_cast<std::size_t>(considerati[c])];
                    for (std::size_t f = 0; f < 90; ++f) {
                        conta[f] = static_cast<std::uint16_t>(conta[f] + m[t[f]]);
                    }
                }
            }
        }
    }
    // ... then offered to the ranked list in the loop order F, R1, p, R2.
    ListaFormule elenco(std::move(lista), p.elenco);
    progresso.Massimo(89);
    for (int f = 0; f <= 89; ++f) {
        progresso.Valore(f);
        for (std::size_t i1 = 0; i1 < nr1; ++i1) {
            for (int pos = 1; pos <= 5; ++pos) {
                for (std::size_t i2 = 0; i2 < nr2; ++i2) {
                    const int n = colpi[(i1 * 5 + static_cast<std::size_t>(pos - 1)) * nr2 + i2]
                                       [static_cast<std::size_t>(f)];
                    if (n >= elenco.SogliaIngresso()) {
                        elenco.Proponi({ruoteRilevazione[i1], pos, f, p.operazione, ruoteGioco[i2]},
                                       n);
                    }
                }
            }
        }
    }
    return std::move(elenco).Righe();
}

// --- Follow-ups ---------------------------------------------------------------------------------

std::array<int, 91> ConteggiCompagni(const Archivio& a, const ParametriStrovel& p,
                                     const std::vector<Ciclo>& cicli, const FormulaStrovel& f) {
    std::array<int, 91> conteggi{};
    for (const Ciclo& c : cicli) {
        const int ambata = AmbataStrovel(a, f, c.considerata);
        const Finestra w = FinestraDiGioco(c, p.colpi, a.TotEstrazioni, p.riferimento, p.stop);
        const int k = PrimaUscita(a, w, f.r2, ambata);
        if (k == 0) {
            continue;
        }
        for (int q = 1; q <= 5; ++q) {
            const int n = a.Estratti(k, f.r2, q);
            if (n != ambata && n >= 1 && n <= 90) {
                ++conteggi[static_cast<std::size_t>(n)];
            }
        }
    }
    return conteggi;
}

void PrevisioniUnaRuota(const Archivio& a, const ParametriStrovel& p,
                        const std::vector<Ciclo>& cicli, std::vector<RigaFormula>& righe) {
    for (RigaFormula& riga : righe) {
        if (!Formula(riga)) {
            continue;
        }
        const FormulaStrovel& f = *riga.formula;
        if (!cicli.empty()) {
            riga.numeri[0] = AmbataStrovel(a, f, cicli.front().considerata);
        }
        const std::array<int, 91> conteggi = ConteggiCompagni(a, p, cicli, f);
        // Numbers in ascending order, then by count descending; equal counts keep the order.
        std::array<int, 90> ordine{};
        for (int n = 1; n <= 90; ++n) {
            ordine[static_cast<std::size_t>(n - 1)] = n;
        }
        std::stable_sort(ordine.begin(), ordine.end(), [&](int x, int y) {
            return conteggi[static_cast<std::size_t>(x)] > conteggi[static_cast<std::size_t>(y)];
        });
        riga.numeri[1] = ordine[0];
        riga.numeri[2] = ordine[1];
        riga.numeri[3] = ordine[2];
    }
}

void ContaPositivi(const Archivio& a, const ParametriStrovel& p, const std::vector<Ciclo>& cicli,
                   std::vector<RigaFormula>& righe) {
    for (RigaFormula& riga : righe) {
        if (!Formula(riga)) {
            continue;
        }
        const FormulaStrovel& f = *riga.formula;
        Insieme90 compagni;
        for (int j = 1; j <= 3; ++j) {
            compagni.Aggiungi(riga.numeri[static_cast<std::size_t>(j)].value_or(0));
        }
        int negativi = 0;
        for (const Ciclo& c : cicli) {
            const int ambata = AmbataStrovel(a, f, c.considerata);
            Insieme90 quartina = compagni;
            quartina.Aggiungi(ambata);
            const Finestra w = FinestraDiGioco(c, p.colpi, a.TotEstrazioni, p.riferimento, p.stop);
            bool positivo = false;
            for (int k = w.prima; k <= w.ultima && !positivo; ++k) {
                const Insieme90 uscita = Uscita(a, k, f.r2);
                // Membership by number: a repeated number is one member.
                positivo = Positivo(uscita, ambata, quartina);
            }
            negativi += positivo ? 0 : 1;
        }
        riga.p2 = p.cicli - negativi;
    }
}

std::vector<RigaPrevisione> TabellaPrevisioni(const std::vector<RigaFormula>& righe) {
    std::array<std::array<int, 11>, 91> conteggi{};
    for (const RigaFormula& riga : righe) {
        if (!Formula(riga) || !riga.numeri[0]) {
            continue;
        }
        const int n = *riga.numeri[0];
        if (n >= 0 && n <= 90) {
            ++conteggi[static_cast<std::size_t>(n)][static_cast<std::size_t>(riga.formula->r2)];
        }
    }
    std::vector<RigaPrevisione> tabella;
    for (int n = 1; n <= 90; ++n) {
        for (int r = 0; r < NumRuote; ++r) {
            const int q = conteggi[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)];
            if (q > 0) {
                tabella.push_back({r, n, q, std::nullopt});
            }
        }
    }
    std::stable_sort(
        tabella.begin(), tabella.end(),
        [](const RigaPrevisione& x, const RigaPrevisione& y) { return x.formule > y.formule; });
    return tabella;
}

void CalcolaRitardi(const Archivio& a, const ParametriStrovel& p, std::vector<RigaFormula>& righe) {
    // Delay of each (number, wheel), found once and shared by the rows that need it.
    std::array<std::array<int, 11>, 91> memo;
    for (auto& riga : memo) {
        riga.fill(-2);
    }
    auto ritardo = [&](int n, int r) -> int {
        if (n < 1 || n > 90) {
            return -1;
        }
        int& m = memo[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)];
        if (m == -2) {
            m = Ritardo(a, p.riferimento, r, n);
        }
        return m;
    };
    const int ultimoDopo = std::min<int>(p.riferimento + p.colpi, a.TotEstrazioni);
    for (RigaFormula& riga : righe) {
        if (!Formula(riga)) {
            continue;
        }
        const int r2 = riga.formula->r2;
        Insieme90 dopo;
        for (int k = p.riferimento + 1; k <= ultimoDopo; ++k) {
            dopo |= Uscita(a, k, r2);
        }
        int somma = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            const int n = riga.numeri[j].value_or(0);
            const int d = ritardo(n, r2);
            if (d >= 0) {
                riga.ritardi[j] = d; // a number never drawn up to ref keeps its cell
            }
            somma += riga.ritardi[j].value_or(0);
            riga.uscitoDopo[j] = dopo.Contiene(n);
        }
        riga.sommaRitardi = somma;
    }
}

void RitardiPrevisioni(const std::vector<RigaFormula>& righe,
                       std::vector<RigaPrevisione>& previsioni) {
    for (RigaPrevisione& prev : previsioni) {
        for (const RigaFormula& riga : righe) {
            if (Formula(riga) && riga.numeri[0] == prev.numero && riga.formula->r2 == prev.ruota) {
                prev.rit = riga.ritardi[0];
                break;
            }
        }
    }
}

void OrdinaPerRitardo(std::vector<RigaFormula>& righe) {
    std::stable_sort(righe.begin(), righe.end(), [](const RigaFormula& x, const RigaFormula& y) {
        return x.ritardi[0].value_or(0) < y.ritardi[0].value_or(0);
    });
}

// --- Runs ------------------------------------------------------------------------------------

namespace {

ParametriStrovel Effettivi(const Archivio& a, ParametriStrovel p) {
    p.considera = std::min(p.considera, p.durata);
    p.riferimento = std::clamp<int>(p.riferimento, 1, std::max<int>(1, a.TotEstrazioni));
    p.elenco = std::max(1, p.elenco);
    return p;
}

bool RuoteScelte(const ParametriStrovel& p) {
    const auto una = [](const std::array<bool, 11>& s) {
        return std::any_of(s.begin(), s.end(), [](bool b) { return b; });
    };
    return una(p.rilevazione) && una(p.gioco);
}

/// One search with its follow-ups up to the tally; the delays are left to the caller.
void Passo(const Archivio& a, EsitoStrovel& e, const Progresso& progresso) {
    e.formule = CercaFormule(a, e.parametri, e.cicli, std::move(e.formule), progresso);
    for (std::size_t r = 0; r < e.formule.size(); ++r) {
        e.formule[r].rango = static_cast<int>(r) + 1;
    }
    PrevisioniUnaRuota(a, e.parametri, e.cicli, e.formule);
    ContaPositivi(a, e.parametri, e.cicli, e.formule);
    e.previsioni = TabellaPrevisioni(e.formule);
}

} // namespace

EsitoStrovel ElaboraStrovel(const Archivio& a, const ParametriStrovel& parametri,
                            bool ordinaPerRitardo, const Progresso& progresso) {
    EsitoStrovel e;
    e.parametri = Effettivi(a, parametri);
    const ParametriStrovel& p = e.parametri;
    e.cicli = CostruisciCicli(p.riferimento, p.cicli, p.durata, p.considera, p.salto);
    if (!RuoteScelte(p)) {
        e.mancanoRuote = true;
        return e;
    }
    Passo(a, e, progresso);
    CalcolaRitardi(a, p, e.formule);
    RitardiPrevisioni(e.formule, e.previsioni);
    if (ordinaPerRitardo) {
        OrdinaPerRitardo(e.formule);
    }
    return e;
}

EsitoStrovel EsaminaTutteLeOperazioni(const Archivio& a, const ParametriStrovel& parametri,
                                      bool ordinaPerRitardo, const Progresso& progresso) {
    EsitoStrovel e;
    e.parametri = Effettivi(a, parametri);
    e.tutteOperazioni = true;
    e.cicli = CostruisciCicli(e.parametri.riferimento, e.parametri.cicli, e.parametri.durata,
                              e.parametri.considera, e.parametri.salto);
    if (!RuoteScelte(e.parametri)) {
        e.mancanoRuote = true;
        return e;
    }
    for (const auto voce : VociOperazione) {
        e.parametri.operazione = *OperazioneDaVoce(voce);
        Passo(a, e, progresso);
        // The delays are not computed in this mode, so the sort by delay finds all cells
        // empty and leaves the list as it is.
        if (ordinaPerRitardo) {
            OrdinaPerRitardo(e.formule);
        }
    }
    CalcolaRitardi(a, e.parametri, e.formule);
    RitardiPrevisioni(e.formule, e.previsioni);
    return e;
}

} // namespace strovel

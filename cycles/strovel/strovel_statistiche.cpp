#include "cycles/strovel/strovel_statistiche.h"

#include "core/archivio.h"
#include "core/formato.h"
#include "core/insieme90.h"
#include "core/ruote.h"

#include <algorithm>
#include <string>

namespace strovel {

namespace {

std::string Numero(int n) {
    return n == 0 ? std::string() : std::to_string(n);
}

/// The row of an outcome, as Fg1 and Fg9 show it (14 columns).
std::vector<std::string> TestiEsito(const Archivio& a, const EsitoCiclo& e) {
    std::vector<std::string> t(14);
    t[1] = std::to_string(e.ciclo.numero);
    t[2] = std::to_string(e.ciclo.inizio);
    t[3] = a.Data(e.ciclo.inizio);
    t[4] = e.positivo ? std::to_string(e.colpo) : std::string();
    t[5] = Sigla(e.ruota);
    for (std::size_t j = 0; j < 4; ++j) {
        t[6 + j] = std::to_string(e.numeri[j]);
    }
    t[10] = e.ambata ? "X" : "";
    t[11] = e.ambo1 ? "X" : "";
    t[12] = e.ambo2 ? "X" : "";
    t[13] = e.quartina >= 2 ? std::to_string(e.quartina) : std::string();
    return t;
}

void StileEsito(std::vector<Cella>& riga, const EsitoCiclo& e) {
    if (!e.positivo) {
        riga[1].stile.sfondo = ColoreRossoChiaro;
    }
    for (std::size_t j = 0; j < 4; ++j) {
        if (e.usciti[j]) {
            riga[6 + j].stile.sfondo = ColoreArancio;
        }
    }
}

} // namespace

// --- STATISTICA ----------------------------------------------------------------------------------

std::vector<EsitoCiclo> StatisticaFormula(const Archivio& a, const ParametriStrovel& p,
                                          const std::vector<Ciclo>& cicli, const RigaFormula& r) {
    std::vector<EsitoCiclo> esiti;
    if (!r.formula) {
        return esiti;
    }
    const FormulaStrovel& f = *r.formula;
    for (const Ciclo& c : cicli) {
        EsitoCiclo e;
        e.ciclo = c;
        e.ruota = f.r2;
        e.numeri = {AmbataStrovel(a, f, c.considerata), r.numeri[1].value_or(0),
                    r.numeri[2].value_or(0), r.numeri[3].value_or(0)};
        const Finestra w = FinestraDiGioco(c, p.colpi, a.TotEstrazioni, p.riferimento, p.stop);
        for (int k = w.prima; k <= w.ultima && !e.positivo; ++k) {
            if (k < 1 || k > a.TotEstrazioni) {
                continue;
            }
            const ControlloQuartina esito = Controlla(Uscita(a, k, f.r2), e.numeri);
            if (!esito.positivo) {
                continue;
            }
            e.positivo = true;
            e.colpo = k - c.inizioGioco + 1;
            e.estrazione = k;
            e.usciti = esito.usciti;
            e.ambata = esito.ambata;
            e.ambo1 = esito.ambo1;
            e.ambo2 = esito.ambo2;
            e.quartina = esito.insieme;
        }
        esiti.push_back(e);
    }
    return esiti;
}

Tabella TabellaStatistica(const Archivio& a, const std::vector<EsitoCiclo>& esiti) {
    Tabella t(IntestazioneStatistica);
    for (std::size_t k = 0; k < esiti.size(); ++k) {
        auto testi = TestiEsito(a, esiti[k]);
        testi[0] = std::to_string(k + 1);
        StileEsito(t.AggiungiRiga(testi), esiti[k]);
    }
    return t;
}

Tabella TabellaRiepilogoStatistica(const std::vector<EsitoCiclo>& esiti, int cicliParametro) {
    Tabella t("|Valore|Percentuale");
    const int positivi = static_cast<int>(
        std::count_if(esiti.begin(), esiti.end(), [](const EsitoCiclo& e) { return e.positivo; }));
    const int negativi = static_cast<int>(esiti.size()) - positivi;
    auto riga = [&](const char* nome, int valore) {
        t.AggiungiRiga(
            {nome, std::to_string(valore), Decimale(valore * 100LL, cicliParametro, false)});
    };
    riga("N° Cicli", cicliParametro);
    riga("Positivi", positivi);
    riga("Negativi", negativi);
    return t;
}

bool UltimeNegative(const std::vector<EsitoCiclo>& esiti, int n) {
    if (n < 1) {
        return false;
    }
    int negative = 0;
    // Rows 1..n, the last row of the grid never counted.
    for (int k = 0; k < n && k + 1 < static_cast<int>(esiti.size()); ++k) {
        negative += esiti[static_cast<std::size_t>(k)].positivo ? 0 : 1;
    }
    return negative >= n;
}

// --- ACCOPPIAMENTI, ELENCO ACORPATO, RIEPILOGO
// -----------------------------------------------------

std::vector<Accoppiamento> Accoppiamenti(const Archivio& a, const ParametriStrovel& p,
                                         const std::vector<Ciclo>& cicli,
                                         const std::vector<RigaFormula>& righe,
                                         const Progresso& progresso) {
    std::vector<std::vector<EsitoCiclo>> esiti;
    std::vector<int> numeriRiga;
    for (std::size_t r = 0; r < righe.size(); ++r) {
        if (righe[r].formula) {
            esiti.push_back(StatisticaFormula(a, p, cicli, righe[r]));
            numeriRiga.push_back(static_cast<int>(r) + 1);
        }
    }
    std::vector<Accoppiamento> coppie;
    progresso.Massimo(p.elenco);
    for (std::size_t i = 0; i + 1 < esiti.size(); ++i) {
        progresso.Valore(numeriRiga[i]);
        for (std::size_t j = i + 1; j < esiti.size(); ++j) {
            Accoppiamento c;
            c.i = numeriRiga[i];
            c.j = numeriRiga[j];
            for (std::size_t k = 0; k < esiti[i].size() && k < esiti[j].size(); ++k) {
                const EsitoCiclo& x = esiti[i][k];
                const EsitoCiclo& y = esiti[j][k];
                c.presenti += (x.positivo || y.positivo) ? 1 : 0;
                c.ambata += (x.ambata || y.ambata) ? 1 : 0;
                c.ambo += (x.ambo1 || x.ambo2 || y.ambo1 || y.ambo2) ? 1 : 0;
                c.quartina += (x.quartina >= 2 || y.quartina >= 2) ? 1 : 0;
            }
            coppie.push_back(c);
        }
    }
    return coppie;
}

Tabella TabellaAccoppiamenti(const std::vector<Accoppiamento>& coppie) {
    Tabella t(IntestazioneAccoppiamenti);
    for (const Accoppiamento& c : coppie) {
        t.AggiungiRiga({"", std::to_string(c.i), std::to_string(c.j), std::to_string(c.presenti),
                        std::to_string(c.ambata), std::to_string(c.ambo),
                        std::to_string(c.quartina)});
    }
    return t;
}

Tabella ElencoAccorpato(const Archivio& a, const std::vector<EsitoCiclo>& esitiI, int rifI,
                        const std::vector<EsitoCiclo>& esitiJ, int rifJ) {
    Tabella t(IntestazioneAccorpato);
    int progressivo = 0;
    auto aggiungi = [&](const EsitoCiclo& e, int rif) {
        auto testi = TestiEsito(a, e);
        testi[0] = std::to_string(++progressivo);
        testi.push_back(std::to_string(rif));
        StileEsito(t.AggiungiRiga(testi), e);
    };
    for (std::size_t k = 0; k < std::max(esitiI.size(), esitiJ.size()); ++k) {
        if (k < esitiI.size()) {
            aggiungi(esitiI[k], rifI);
        }
        if (k < esitiJ.size()) {
            aggiungi(esitiJ[k], rifJ);
        }
    }
    return t;
}

Tabella Riepilogo(const std::vector<EsitoCiclo>& esiti) {
    Tabella t("|Quant|Percento");
    int ambata = 0, ambo = 0, q2 = 0, q3 = 0, q4 = 0, positivi = 0;
    for (const EsitoCiclo& e : esiti) {
        ambata += e.ambata ? 1 : 0;
        ambo += (e.ambo1 || e.ambo2) ? 1 : 0;
        q2 += e.quartina == 2 ? 1 : 0;
        q3 += e.quartina == 3 ? 1 : 0;
        q4 += e.quartina == 4 ? 1 : 0;
        positivi += e.positivo ? 1 : 0;
    }
    const int cicli = static_cast<int>(esiti.size());
    auto riga = [&](const char* nome, int valore) {
        t.AggiungiRiga({nome, std::to_string(valore), Decimale(valore * 100LL, cicli)});
    };
    riga("1", ambata);
    riga("2", ambo);
    riga("Q-2", q2);
    riga("Q-3", q3);
    riga("Q-4", q4);
    riga("Cicli", cicli);
    riga("Pos", positivi);
    riga("Neg", cicli - positivi);
    return t;
}

// --- Evidenzia ----------------------------------------------------------------------------------

Tabella Evidenzia(const Archivio& a, const FormulaStrovel& f, int estrazione) {
    Tabella t("Elemento|Valore");
    int n = a.Estratti(estrazione, f.r1, f.p);
    if (n < 0 || n > 90) {
        n = 0;
    }
    t.AggiungiRiga({"Numero", std::to_string(n)});
    t.AggiungiRiga({"Operazione", std::string(NomeOperazione(f.op))});
    t.AggiungiRiga({"Fisso", std::to_string(f.f)});
    t.AggiungiRiga({"Formula", TestoFormula(f.op, n, f.f)});
    t.AggiungiRiga({"Risultato", std::to_string(AmbataStrovel(a, f, estrazione))});
    return t;
}

// --- Quartine -----------------------------------------------------------------------------------

bool AggiungiQuartina(std::vector<Quartina>& quartine, const RigaFormula& r) {
    if (!r.formula || static_cast<int>(quartine.size()) >= MassimoQuartine) {
        return false;
    }
    Quartina q;
    for (std::size_t j = 0; j < 4; ++j) {
        q.numeri[j] = r.numeri[j].value_or(0);
    }
    q.ruota = r.formula->r2;
    if (std::find(quartine.begin(), quartine.end(), q) != quartine.end()) {
        return false;
    }
    quartine.push_back(q);
    return true;
}

Tabella TabellaQuartine(const std::vector<Quartina>& quartine) {
    Tabella t(IntestazioneQuartine);
    for (std::size_t k = 0; k < quartine.size(); ++k) {
        const Quartina& q = quartine[k];
        t.AggiungiRiga({std::to_string(k + 1), Numero(q.numeri[0]), Numero(q.numeri[1]),
                        Numero(q.numeri[2]), Numero(q.numeri[3]), Sigla(q.ruota),
                        std::to_string(q.ruota)});
    }
    return t;
}

namespace {

/// A FgUU row for draw k of wheel w, the numbers in `contati` on ColoreArancio.
void RigaVerifica(Tabella& t, const Archivio& a, const std::string& numero, int riferimento, int k,
                  int w, const std::function<bool(int)>& contato) {
    std::vector<std::string> testi = {numero, std::to_string(k - riferimento), std::to_string(k),
                                      a.Data(k), Sigla(w)};
    for (int q = 1; q <= 5; ++q) {
        testi.push_back(std::to_string(a.Estratti(k, w, q)));
    }
    auto& riga = t.AggiungiRiga(testi);
    for (int q = 1; q <= 5; ++q) {
        if (contato(a.Estratti(k, w, q))) {
            riga[static_cast<std::size_t>(4 + q)].stile.sfondo = ColoreArancio;
        }
    }
}

} // namespace

Tabella VerificaDopo(const Archivio& a, int riferimento, int colpi,
                     const std::vector<GiocataDopo>& giocate) {
    Tabella t(IntestazioneVerifica);
    for (int k = riferimento + 1; k <= riferimento + colpi && k <= a.TotEstrazioni; ++k) {
        for (const GiocataDopo& g : giocate) {
            if (Uscita(a, k, g.ruota).ComuniCon(g.numeri) >= g.soglia) {
                RigaVerifica(t, a, g.etichetta, riferimento, k, g.ruota,
                             [&](int n) { return g.numeri.Contiene(n); });
            }
        }
    }
    return t;
}

Tabella VerificaQuartine(const Archivio& a, int riferimento, int colpi,
                         const std::vector<Quartina>& quartine, const SceltaVerifica& scelta) {
    std::vector<GiocataDopo> giocate;
    for (std::size_t r = 0; r < quartine.size(); ++r) {
        giocate.push_back(
            {std::to_string(r + 1), NumeriContati(quartine[r], scelta), quartine[r].ruota, 1});
    }
    return VerificaDopo(a, riferimento, colpi, giocate);
}

Tabella VerificaPrimiNumeri(const Archivio& a, int riferimento, int colpi,
                            const std::vector<Quartina>& quartine) {
    Tabella t(IntestazioneVerifica);
    if (quartine.empty()) {
        return t;
    }
    const int w = quartine.front().ruota;
    auto inS = [&](int n) {
        return n >= 1 && std::any_of(quartine.begin(), quartine.end(),
                                     [n](const Quartina& q) { return q.numeri[0] == n; });
    };
    for (int k = riferimento + 1; k <= riferimento + colpi && k <= a.TotEstrazioni; ++k) {
        bool uno = false;
        for (int p = 1; p <= 5; ++p) {
            uno = uno || inS(a.Estratti(k, w, p));
        }
        if (uno) {
            RigaVerifica(t, a, "", riferimento, k, w, inS);
        }
    }
    return t;
}

// --- RITARDI, ULTIMI 5 RITARDI
// --------------------------------------------------------------------

Tabella TallyRitardi(const std::vector<RigaFormula>& righe) {
    std::vector<std::pair<int, int>> ritardiRuote;
    for (const RigaFormula& r : righe) {
        if (r.formula) {
            ritardiRuote.emplace_back(r.ritardi[0].value_or(0), r.formula->r2);
        }
    }
    return TallyRitardi(ritardiRuote);
}

Tabella TallyRitardi(const std::vector<std::pair<int, int>>& ritardiRuote) {
    constexpr int MassimoRitardo = 400;
    std::vector<std::array<int, 11>> conteggi(MassimoRitardo + 1);
    for (const auto& [d, w] : ritardiRuote) {
        // A delay above 400 has no place in the tally: it is left out.
        if (d >= 0 && d <= MassimoRitardo) {
            ++conteggi[static_cast<std::size_t>(d)][static_cast<std::size_t>(w)];
        }
    }
    Tabella t(IntestazioneRitardi);
    for (int d = 0; d <= MassimoRitardo; ++d) {
        for (int w = 0; w < NumRuote; ++w) {
            const int q = conteggi[static_cast<std::size_t>(d)][static_cast<std::size_t>(w)];
            if (q > 0) {
                t.AggiungiRiga({"", Sigla(w), std::to_string(d), std::to_string(q)});
            }
        }
    }
    return t;
}

Tabella UltimiCinqueRitardi(const Archivio& a, int riferimento, const std::array<bool, 11>& ruote) {
    Tabella t(IntestazioneUltimiRitardi);
    for (int n = 1; n <= 90; ++n) {
        auto& riga = t.AggiungiRiga();
        riga[0].testo = std::to_string(n);
        const UltimiRitardi u = CalcolaUltimiRitardi(a, riferimento, ruote, n);
        int somma = 0;
        for (int c = 1; c <= u.trovati; ++c) {
            const auto j = static_cast<std::size_t>(c - 1);
            riga[static_cast<std::size_t>(c)].testo = std::to_string(u.ritardi[j]);
            somma += u.ritardi[j];
            // Out again in the same draw, on another wheel.
            if (u.piuRuote[j]) {
                riga[static_cast<std::size_t>(c)].stile.testo = ColoreRosso;
                riga[static_cast<std::size_t>(c)].stile.grassetto = true;
            }
        }
        riga[6].testo = Decimale(somma, 5);
        riga[7].testo = std::to_string(somma + 4);
        // IC = column 1 / ((S + 4) / 5), from the integers.
        riga[8].testo = Decimale((u.trovati > 0 ? u.ritardi[0] : 0) * 5LL, somma + 4);
    }
    return t;
}

// --- ULTIME PRESENZE
// -------------------------------------------------------------------------------

Tabella TabellaPresenze(const Presenze& presenze) {
    Tabella t(IntestazionePresenze);
    for (int n = 1; n <= 90; ++n) {
        const auto& riga = presenze[static_cast<std::size_t>(n)];
        if (std::all_of(riga.begin(), riga.end(), [](int q) { return q == 0; })) {
            continue;
        }
        std::vector<std::string> testi = {std::to_string(n)};
        for (int q : riga) {
            testi.push_back(q > 0 ? std::to_string(q) : std::string());
        }
        t.AggiungiRiga(testi);
    }
    return t;
}

Colore ColorePresenze(int presenze) {
    switch (presenze) {
    case 1:
        return Colore{255, 255, 128};
    case 2:
        return ColoreArancioChiaro;
    case 3:
        return ColoreArancio;
    default:
        return Colore{255, 64, 64};
    }
}

void SegnaPresenze(std::vector<RigaFormula>& righe, const Presenze& presenze) {
    for (RigaFormula& r : righe) {
        r.presenze.reset();
        r.negativaEvidenziata = false;
        r.uscitoDopo = {};
        if (!r.formula || !r.numeri[0]) {
            continue;
        }
        const int n = *r.numeri[0];
        if (n >= 1 && n <= 90) {
            const int q =
                presenze[static_cast<std::size_t>(n)][static_cast<std::size_t>(r.formula->r2)];
            if (q > 0) {
                r.presenze = q;
            }
        }
    }
}

Tabella FiltraAmbate(const Presenze& presenze, const std::vector<RigaFormula>& righe) {
    std::array<std::array<bool, 11>, 91> giocata{};
    std::array<bool, 91> ambata{};
    for (const RigaFormula& r : righe) {
        if (r.formula && r.numeri[0] && *r.numeri[0] >= 1 && *r.numeri[0] <= 90) {
            ambata[static_cast<std::size_t>(*r.numeri[0])] = true;
            giocata[static_cast<std::size_t>(*r.numeri[0])]
                   [static_cast<std::size_t>(r.formula->r2)] = true;
        }
    }
    Tabella tutte = TabellaPresenze(presenze);
    Tabella t(IntestazionePresenze);
    for (auto& riga : tutte.righe) {
        const int n = std::stoi(riga[0].testo);
        if (!ambata[static_cast<std::size_t>(n)]) {
            continue;
        }
        for (int w = 0; w < NumRuote; ++w) {
            if (giocata[static_cast<std::size_t>(n)][static_cast<std::size_t>(w)]) {
                riga[static_cast<std::size_t>(w + 1)].stile.sfondo = ColoreArancio;
            }
        }
        t.righe.push_back(riga);
    }
    return t;
}

} // namespace strovel

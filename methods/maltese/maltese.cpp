#include "methods/maltese/maltese.h"

#include "core/archivio.h"
#include "core/aritmetica.h"
#include "core/ruote.h"

#include <algorithm>
#include <cstdio>

namespace strovel {

int DifferenzaCerchio(int x, int y) {
    return Fuori90(x - y);
}

int ProdottoCerchio(int x, int y) {
    return Fuori90(x * y);
}

int SommaCerchio(int x, int y) {
    return Fuori90(x + y);
}

Quadrato CalcolaQuadrato(int a1, int a3, int c1) {
    // The order of the rules: B1, A2, C2, B2, B3, C3.
    const int b1 = DifferenzaCerchio(c1, a1);
    const int a2 = DifferenzaCerchio(a1, a3);
    const int c2 = ProdottoCerchio(a2, b1);
    const int b2 = DifferenzaCerchio(c2, a2);
    const int b3 = SommaCerchio(b1, b2);
    const int c3 = SommaCerchio(a3, b3);
    return {a1, a2, a3, b1, b2, b3, c1, c2, c3};
}

std::vector<CasoMaltese> ElaboraMaltese(const Archivio& a, const ParametriMaltese& p) {
    std::vector<CasoMaltese> casi;
    const int ultima = a.NumEstrazioniAnalisi;
    for (int i = p.fine; i >= 2 && static_cast<int>(casi.size()) < p.casi; --i) {
        CasoMaltese c;
        c.posizione = i;
        c.prima = a.IndiceModello(i - 1);
        c.seconda = a.IndiceModello(i);
        // A wheel not drawn in either draw (the Nazionale before it existed) gives no square.
        if (!a.Estratta(c.prima, p.ruota) || !a.Estratta(c.seconda, p.ruota)) {
            continue;
        }
        c.quadrato =
            CalcolaQuadrato(a.Estratti(c.prima, p.ruota, 5), a.Estratti(c.seconda, p.ruota, 1),
                            a.Estratti(c.seconda, p.ruota, 5));
        const int ambata = c.quadrato[8];
        // The play runs on the model-list positions after the first draw: the first colpo is
        // the case's second draw; the last draw of the archive is never examined.
        for (int j = 1; j <= p.colpi; ++j) {
            const int k = i - 1 + j;
            if (k >= ultima) {
                break;
            }
            const int estrazione = a.IndiceModello(k);
            // Every colpo the archive holds counts for chance, hit or not, when the wheel was
            // drawn.
            c.colpiGiocati += a.Estratta(estrazione, p.ruota) ? 1 : 0;
            if (c.colpo == 0 && a.Presente(estrazione, p.ruota, ambata)) {
                c.colpo = j;
                c.esito = estrazione;
            }
        }
        c.inGioco = c.colpo == 0 && ultima - (i - 1) < p.colpi;
        casi.push_back(c);
    }
    return casi;
}

RiepilogoEsiti RiassumiMaltese(const std::vector<CasoMaltese>& casi) {
    RiepilogoEsiti r;
    for (const CasoMaltese& c : casi) {
        ++r.casi;
        if (c.colpo > 0) {
            ++r.positivi;
        } else if (c.inGioco) {
            ++r.inGioco;
        } else {
            ++r.negativi;
        }
    }
    return r;
}

void AnalisiMaltese::Verifica(const Archivio& tutto, int riferimento, const RegolaFissa&,
                              Esito& f) const {
    ParametriMaltese dopo = p;
    dopo.casi = p.fine - riferimento; // every case whose second draw comes after it
    f.casi = ElaboraMaltese(tutto, dopo);
    f.riepilogo = RiassumiMaltese(f.casi);
    f.confronto = ConfrontaMaltese(f.casi);
}

double ProbabilitaPrimoColpo() {
    static const double q = [] {
        double somma = 0;
        for (int a1 = 1; a1 <= 90; ++a1) {
            for (int a3 = 1; a3 <= 90; ++a3) {
                for (int c1 = 1; c1 <= 90; ++c1) {
                    if (c1 == a3) {
                        continue;
                    }
                    const int ambata = CalcolaQuadrato(a1, a3, c1)[8];
                    somma += ambata == a3 || ambata == c1 ? 1.0 : 3.0 / 88;
                }
            }
        }
        return somma / (90.0 * 90 * 89);
    }();
    return q;
}

int NonIncassabili(const std::vector<CasoMaltese>& casi) {
    int n = 0;
    for (const CasoMaltese& c : casi) {
        n += c.colpo == 1 ? 1 : 0;
    }
    return n;
}

Confronto ConfrontaMaltese(const std::vector<CasoMaltese>& casi) {
    std::vector<double> p;
    int positivi = 0;
    // Colpo 1 is the second draw itself, with the chance its derivation gives; every later colpo
    // is a random draw.
    const double primo = ProbabilitaPrimoColpo();
    for (const CasoMaltese& c : casi) {
        p.push_back(c.colpiGiocati < 1
                        ? 0
                        : 1 - (1 - primo) * (1 - ProbabilitaGioco(1, 1, 1, c.colpiGiocati - 1)));
        positivi += c.colpo > 0 ? 1 : 0;
    }
    return ConfrontaConIlCaso(p, positivi);
}

std::vector<std::string> RigheRiepilogo(const RiepilogoEsiti& r, int nonIncassabili) {
    auto riga = [](int n, const char* testo) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%5d ", n);
        return std::string(buf) + testo;
    };
    std::vector<std::string> righe = {riga(r.casi, "N° Casi   "), riga(r.positivi, "Positivi  "),
                                      riga(r.negativi, "Negativi  "),
                                      riga(r.inGioco, "In gioco  ")};
    if (nonIncassabili >= 0) {
        righe.push_back(riga(nonIncassabili, "non incassabili (1*)"));
    }
    return righe;
}

namespace {

/// The colours of the nine square cells A1, A2, A3, B1, B2, B3, C1, C2, C3, the same in the
/// case grid's columns and in the square; then those of the three source numbers.
constexpr std::array<Colore, 9> ColoriQuadrato = {
    Colore{255, 255, 192}, Colore{255, 232, 192}, Colore{255, 208, 224},
    Colore{224, 255, 224}, Colore{208, 240, 255}, Colore{232, 224, 255},
    Colore{240, 240, 208}, Colore{255, 224, 208}, Colore{224, 208, 255}};
constexpr std::array<Colore, 3> ColoriFonti = {Colore{255, 224, 160}, Colore{176, 240, 176},
                                               Colore{208, 192, 255}};

} // namespace

Tabella TabellaMaltese(const Archivio& a, int ruota, const std::vector<CasoMaltese>& casi) {
    Tabella t(IntestazioneMaltese);
    int numero = 0;
    for (const CasoMaltese& c : casi) {
        auto& riga = t.AggiungiRiga();
        riga[0].testo = std::to_string(++numero);
        riga[1].testo = std::to_string(c.prima);
        riga[2].testo = a.Data(c.prima);
        riga[3].testo = Sigla(ruota);
        riga[4].testo = std::to_string(ruota);
        riga[10].testo = std::to_string(c.seconda);
        riga[11].testo = a.Data(c.seconda);
        riga[12].testo = Sigla(ruota);
        for (int q = 1; q <= 5; ++q) {
            riga[static_cast<std::size_t>(4 + q)].testo =
                std::to_string(a.Estratti(c.prima, ruota, q));
            riga[static_cast<std::size_t>(13 + q)].testo =
                std::to_string(a.Estratti(c.seconda, ruota, q));
        }
        for (std::size_t k = 0; k < 9; ++k) {
            riga[19 + k].testo = std::to_string(c.quadrato[k]);
            riga[19 + k].stile.sfondo = ColoriQuadrato[k];
        }
        riga[27].stile.testo = ColoreRosso;
        riga[27].stile.grassetto = true;
        riga[3].stile.grassetto = true;
        riga[12].stile.grassetto = true;
        riga[9].stile.sfondo = ColoriFonti[0];
        riga[14].stile.sfondo = ColoriFonti[1];
        riga[18].stile.sfondo = ColoriFonti[2];
        if (c.colpo > 0) {
            riga[28].testo = std::to_string(c.colpo) + (c.colpo == 1 ? SegnoNonIncassabile : "");
            riga[29].testo = a.Data(c.esito);
            riga[0].stile.sfondo = ColoreSelezione;
        } else if (c.inGioco) {
            riga[0].stile.sfondo = ColoreArancio;
        }
    }
    return t;
}

Tabella TabellaQuadrato(const Quadrato& q) {
    Tabella t(" |1|2|3");
    const char* righe[] = {"A", "B", "C"};
    for (std::size_t r = 0; r < 3; ++r) {
        auto& riga = t.AggiungiRiga({righe[r]});
        for (std::size_t c = 0; c < 3; ++c) {
            riga[1 + c].testo = std::to_string(q[r * 3 + c]);
            riga[1 + c].stile.sfondo = ColoriQuadrato[r * 3 + c];
        }
    }
    return t;
}

} // namespace strovel

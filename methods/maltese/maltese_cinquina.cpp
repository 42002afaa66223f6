#include "methods/maltese/maltese_cinquina.h"

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/insieme90.h"
#include "core/ruote.h"

#include <algorithm>
#include <numeric>

namespace strovel {

int Complemento90(int x) {
    return x == 90 ? 90 : 90 - x;
}

Divisione Dividi(std::int64_t dividendo, std::int64_t divisore, ModalitaDecimali m, int cifre) {
    Divisione d;
    if (divisore <= 0 || dividendo < 0) {
        return d;
    }
    d.intero = std::to_string(dividendo / divisore);
    const int quanti = m == ModalitaDecimali::DecimaliFissi
                           ? cifre
                           : std::max(0, cifre - static_cast<int>(d.intero.size()));
    // Long division: one more digit than shown, for the calculator's rounding.
    std::int64_t resto = dividendo % divisore;
    std::string cifreDecimali;
    for (int i = 0; i <= quanti; ++i) {
        resto *= 10;
        cifreDecimali.push_back(static_cast<char>('0' + resto / divisore));
        resto %= divisore;
    }
    const bool arrotonda = m == ModalitaDecimali::Calcolatrice && cifreDecimali.back() >= '5';
    cifreDecimali.pop_back();
    if (arrotonda) {
        std::string tutto = d.intero + cifreDecimali;
        int i = static_cast<int>(tutto.size()) - 1;
        for (; i >= 0 && tutto[static_cast<std::size_t>(i)] == '9'; --i) {
            tutto[static_cast<std::size_t>(i)] = '0';
        }
        if (i < 0) {
            tutto.insert(tutto.begin(), '1');
        } else {
            ++tutto[static_cast<std::size_t>(i)];
        }
        const std::size_t intere = tutto.size() - cifreDecimali.size();
        d.intero = tutto.substr(0, intere);
        cifreDecimali = tutto.substr(intere);
    }
    d.decimali = cifreDecimali;
    return d;
}

std::vector<int> CinquinaDaiDecimali(const std::string& decimali) {
    std::vector<int> cinquina;
    for (std::size_t i = 0; i + 1 < decimali.size() && cinquina.size() < 5; ++i) {
        int n = (decimali[i] - '0') * 10 + (decimali[i + 1] - '0');
        n = n == 0 ? 90 : (n > 90 ? n - 90 : n);
        if (std::find(cinquina.begin(), cinquina.end(), n) == cinquina.end()) {
            cinquina.push_back(n);
        }
    }
    return cinquina;
}

LavoroDecimale CalcolaCinquina(const std::array<int, 5>& n, int variante, ModalitaDecimali m,
                               int cifre) {
    LavoroDecimale l;
    switch (variante) {
    case 1:
        l.fattori.assign(n.begin(), n.end());
        for (const int x : n) {
            l.divisori.push_back(Complemento90(x));
        }
        break;
    case 2:
        l.fattori = {n[0], n[1], n[2]};
        l.divisori = {n[3], n[4]};
        break;
    default:
        l.fattori = {n[0], n[4]};
        l.divisori = {Complemento90(n[2])};
        break;
    }
    const auto prodotto = [](const std::vector<int>& v) {
        return std::accumulate(v.begin(), v.end(), std::int64_t{1},
                               [](std::int64_t p, int x) { return p * x; });
    };
    l.prodotto = prodotto(l.fattori);
    l.divisore = prodotto(l.divisori);
    l.risultato = Dividi(l.prodotto, l.divisore, m, cifre);
    l.cinquina = CinquinaDaiDecimali(l.risultato.decimali);
    return l;
}

bool ChiedereUltima(const std::string& data) {
    // dd/mm/yyyy
    return data.size() >= 2 && std::stoi(data.substr(0, 2)) >= 25;
}

std::vector<int> CasiFineMese(const Archivio& a, int fine, int massimo, bool ultimaDelMese) {
    std::vector<int> posizioni;
    const int ultima = a.NumEstrazioniAnalisi;
    for (int i = std::min(fine, ultima); i >= 1 && static_cast<int>(posizioni.size()) < massimo;
         --i) {
        const bool fineMese =
            i == ultima ? ultimaDelMese
                        : a.ProgressivoMese[static_cast<std::size_t>(a.IndiceModello(i + 1))] == 1;
        if (fineMese) {
            posizioni.push_back(i);
        }
    }
    return posizioni;
}

std::vector<CasoCinquina> ElaboraCinquinaMaltese(const Archivio& a,
                                                 const ParametriCinquinaMaltese& p) {
    std::vector<CasoCinquina> casi;
    for (const int i : CasiFineMese(a, p.fine, p.casi, p.ultimaDelMese)) {
        CasoCinquina c;
        c.posizione = i;
        c.estrazione = a.IndiceModello(i);
        bool completa = true;
        for (int q = 1; q <= 5; ++q) {
            const int n = a.Estratti(c.estrazione, p.ruota, q);
            c.numeri[static_cast<std::size_t>(q - 1)] = n;
            completa = completa && n >= 1 && n <= 90;
        }
        if (!completa) {
            continue; // the wheel was not drawn then
        }
        c.lavoro = CalcolaCinquina(c.numeri, p.variante, p.modalita, p.cifre);
        casi.push_back(c);
    }
    VerificaCinquine(a, p.ruota, p.colpi, 2, casi);
    return casi;
}

void VerificaCinquine(const Archivio& a, int ruota, int colpi, int sorte,
                      std::vector<CasoCinquina>& casi) {
    const int ultima = a.NumEstrazioniAnalisi;
    for (CasoCinquina& c : casi) {
        c.colpo = 0;
        c.esito = 0;
        c.presi.clear();
        // The colpi the archive holds in which the wheel was drawn: the trials chance gets.
        c.colpiGiocati = 0;
        for (int colpo = 1; colpo <= colpi && c.posizione + colpo <= ultima; ++colpo) {
            c.colpiGiocati += a.Estratta(a.IndiceModello(c.posizione + colpo), ruota) ? 1 : 0;
        }
        c.sorte = sorte;
        Insieme90 giocata;
        for (const int n : c.lavoro.cinquina) {
            giocata.Aggiungi(n);
        }
        for (int colpo = 1; colpo <= colpi && c.posizione + colpo <= ultima; ++colpo) {
            const int estrazione = a.IndiceModello(c.posizione + colpo);
            const Insieme90 uscita = Uscita(a, estrazione, ruota);
            if (uscita.ComuniCon(giocata) >= sorte) {
                c.colpo = colpo;
                c.esito = estrazione;
                for (const int n : c.lavoro.cinquina) {
                    if (uscita.Contiene(n)) {
                        c.presi.push_back(n);
                    }
                }
                std::sort(c.presi.begin(), c.presi.end());
                break;
            }
        }
        c.inGioco = c.colpo == 0 && c.posizione + colpi > ultima;
    }
}

Confronto ConfrontaCinquine(const std::vector<CasoCinquina>& casi) {
    std::vector<double> p;
    int positivi = 0;
    for (const CasoCinquina& c : casi) {
        p.push_back(ProbabilitaGioco(static_cast<int>(c.lavoro.cinquina.size()), c.sorte, 1,
                                     c.colpiGiocati));
        positivi += c.colpo > 0 ? 1 : 0;
    }
    return ConfrontaConIlCaso(p, positivi);
}

RiepilogoEsiti RiassumiCinquine(const std::vector<CasoCinquina>& casi) {
    RiepilogoEsiti r;
    for (const CasoCinquina& c : casi) {
        ++r.casi;
        r.positivi += c.colpo > 0 ? 1 : 0;
        r.inGioco += c.colpo == 0 && c.inGioco ? 1 : 0;
    }
    r.negativi = r.casi - r.positivi - r.inGioco;
    return r;
}

namespace {

constexpr Colore ColoreCinquina{255, 255, 192};

std::string Elenco(const std::vector<int>& numeri, const char* separatore) {
    std::string testo;
    for (const int n : numeri) {
        testo += (testo.empty() ? "" : separatore) + std::to_string(n);
    }
    return testo;
}

} // namespace

Tabella TabellaCinquina(const Archivio& a, int ruota, const std::vector<CasoCinquina>& casi) {
    Tabella t(IntestazioneCinquina);
    int numero = 0;
    for (const CasoCinquina& c : casi) {
        auto& riga = t.AggiungiRiga({std::to_string(++numero), std::to_string(c.estrazione),
                                     a.Data(c.estrazione), Sigla(ruota), std::to_string(ruota)});
        riga[3].stile.grassetto = true;
        for (std::size_t q = 0; q < 5; ++q) {
            riga[5 + q].testo = std::to_string(c.numeri[q]);
            if (q < c.lavoro.cinquina.size()) {
                riga[10 + q].testo = std::to_string(c.lavoro.cinquina[q]);
                const bool preso = std::find(c.presi.begin(), c.presi.end(),
                                             c.lavoro.cinquina[q]) != c.presi.end();
                riga[10 + q].stile.sfondo = preso ? ColoreArancio : ColoreCinquina;
                riga[10 + q].stile.grassetto = preso;
            }
        }
        if (c.colpo > 0) {
            riga[15].testo = std::to_string(c.colpo);
            riga[16].testo = a.Data(c.esito);
            riga[17].testo =
                NomeSorte(static_cast<int>(c.presi.size())) + " " + Elenco(c.presi, "-");
            riga[0].stile.sfondo = ColoreSelezione;
        } else if (c.inGioco) {
            riga[0].stile.sfondo = ColoreArancio;
        }
    }
    return t;
}

Tabella TabellaDecimali(const std::vector<CasoCinquina>& casi) {
    Tabella t(IntestazioneDecimali);
    int numero = 0;
    for (const CasoCinquina& c : casi) {
        t.AggiungiRiga(
            {std::to_string(++numero), Elenco(c.lavoro.fattori, " x "),
             std::to_string(c.lavoro.prodotto),
             Elenco(c.lavoro.divisori, " x ") + " = " + std::to_string(c.lavoro.divisore),
             std::to_string(c.lavoro.prodotto) + " : " + std::to_string(c.lavoro.divisore),
             c.lavoro.risultato.Testo(), Elenco(c.lavoro.cinquina, " ")});
    }
    return t;
}

void AnalisiCinquinaMaltese::Verifica(const Archivio& tutto, int riferimento, const RegolaFissa&,
                                      Esito& f) const {
    ParametriCinquinaMaltese dopo = p;
    dopo.casi = p.fine - riferimento;
    f.casi = ElaboraCinquinaMaltese(tutto, dopo);
    std::erase_if(f.casi, [&](const CasoCinquina& k) { return k.posizione <= riferimento; });
    if (terno) {
        VerificaCinquine(tutto, dopo.ruota, dopo.colpi, 3, f.casi);
    }
    f.riepilogo = RiassumiCinquine(f.casi);
    f.confronto = ConfrontaCinquine(f.casi);
}

} // namespace strovel

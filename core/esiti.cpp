#include "core/esiti.h"

#include "core/archivio.h"
#include "core/formato.h"
#include "core/ruote.h"

#include <algorithm>
#include <string>

namespace strovel {

Ruote RuoteUscite(const Archivio& a, int k, int n, const Ruote& gioco) {
    Ruote uscite{};
    if (n < 1 || n > 90 || k < 1 || k > a.TotEstrazioni) {
        return uscite;
    }
    for (std::size_t w = 0; w < gioco.size(); ++w) {
        uscite[w] = gioco[w] && a.Presente(k, static_cast<int>(w), n);
    }
    return uscite;
}

int ProveEstratte(const Archivio& a, const Ruote& ruote, int da, int fino) {
    int prove = 0;
    for (int k = std::max(da, 1); k <= std::min<int>(fino, a.TotEstrazioni); ++k) {
        for (std::size_t w = 0; w < ruote.size(); ++w) {
            prove += ruote[w] && a.Estratta(k, static_cast<int>(w)) ? 1 : 0;
        }
    }
    return prove;
}

std::string NomeSorte(int q) {
    static const char* const nomi[] = {"", "Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"};
    return q >= 1 && q <= 5 ? nomi[q] : std::string();
}

Classe Classifica(int estrazione, int colpi, const Giocata& g, int ultima) {
    if (g.colpo != 0) {
        return Classe::Positivo;
    }
    if (estrazione + 1 <= ultima && estrazione + colpi >= ultima) {
        return Classe::InGioco;
    }
    return Classe::Negativo;
}

RiepilogoEsiti Riassumi(const std::vector<Classe>& classi) {
    RiepilogoEsiti r;
    r.casi = static_cast<int>(classi.size());
    for (const Classe c : classi) {
        r.positivi += c == Classe::Positivo ? 1 : 0;
        r.inGioco += c == Classe::InGioco ? 1 : 0;
    }
    r.negativi = r.casi - r.positivi - r.inGioco;
    return r;
}

Tabella TabellaRiepilogo(const RiepilogoEsiti& r) {
    return TabellaRiepilogo(r, "N° Casi", true);
}

Tabella TabellaRiepilogo(const RiepilogoEsiti& r, const char* titoloCasi, bool conInGioco) {
    Tabella t(IntestazioneRiepilogo);
    t.AggiungiRiga({titoloCasi, std::to_string(r.casi)});
    const std::pair<const char*, std::pair<int, Colore>> righe[] = {
        {"Positivi", {r.positivi, ColoreBarraPositivi}},
        {"Negativi", {r.negativi, ColoreBarraNegativi}},
        {"In gioco", {r.inGioco, ColoreArancio}},
    };
    const std::size_t quante = conInGioco ? 3 : 2;
    for (std::size_t i = 0; i < quante; ++i) {
        const auto& [titolo, voce] = righe[i];
        auto& riga = t.AggiungiRiga(
            {titolo, std::to_string(voce.first), Decimale(std::int64_t{voce.first} * 100, r.casi)});
        if (r.casi > 0) {
            riga[2].stile.barra =
                Barra{static_cast<int>(std::int64_t{voce.first} * 1000 / r.casi), voce.second};
        }
    }
    return t;
}

void AggiungiCasi(Tabella& t, const Archivio& a, const std::vector<Caso>& casi, int colpi) {
    int numero = static_cast<int>(t.righe.size());
    for (const Caso& c : casi) {
        const int k = c.estrazione;
        auto& riga = t.AggiungiRiga();
        riga[0].testo = std::to_string(++numero);
        riga[1].testo = std::to_string(k);
        riga[2].testo = a.Data(k);
        riga[3].testo = std::to_string(k + 1);
        riga[4].testo = std::to_string(k + colpi);
        riga[5].testo = Sigla(c.ruota);
        riga[6].testo = std::to_string(c.ruota);
        for (int p = 1; p <= 5; ++p) {
            Cella& cella = riga[static_cast<std::size_t>(6 + p)];
            cella.testo = std::to_string(a.Estratti(k, c.ruota, p));
            if (c.segnati[static_cast<std::size_t>(p - 1)]) {
                cella.stile.sfondo = ColoreCellaCaso;
                cella.stile.grassetto = true;
            }
        }
        for (const std::size_t chiave : {3, 4, 5}) {
            riga[chiave].stile.sfondo = ColoreChiave;
        }
    }
}

void ScriviGiocata(Tabella& t, int riga, const Giocata& g) {
    auto& celle = t.righe[static_cast<std::size_t>(riga)];
    for (int c = 1; c <= MassimoColpi; ++c) {
        Cella& cella = celle[static_cast<std::size_t>(ColonnaColpo + c)];
        const int n = g.numeri[static_cast<std::size_t>(c)];
        cella.testo = c <= g.giocati ? std::to_string(n) : std::string();
        if (c == g.colpo) {
            cella.stile.testo = ColoreColpoVincente;
            cella.stile.grassetto = true;
        }
    }
    if (g.colpo == 0) {
        return;
    }
    celle[ColonnaColpo].testo = std::to_string(g.colpo);
    celle[ColonnaEsito].testo = std::to_string(g.esito);
    std::string ruote;
    for (std::size_t w = 0; w < g.vincenti.size(); ++w) {
        if (g.vincenti[w]) {
            ruote += " " + Sigla(static_cast<int>(w));
        }
    }
    celle[ColonnaRuote].testo = ruote;
}

void SegnaClasse(Tabella& t, int riga, Classe classe) {
    auto& celle = t.righe[static_cast<std::size_t>(riga)];
    if (classe == Classe::Positivo) {
        celle[0].stile.sfondo = ColorePositivo;
    } else if (classe == Classe::InGioco) {
        celle[0].stile.sfondo = ColoreArancio;
        // The number in play now: the last colpo column that holds one.
        for (int c = MassimoColpi; c >= 1; --c) {
            Cella& cella = celle[static_cast<std::size_t>(ColonnaColpo + c)];
            if (!cella.testo.empty() && cella.testo != "0") {
                cella.stile.sfondo = ColoreArancio;
                cella.stile.grassetto = true;
                break;
            }
        }
    }
}

void OmbreggiaColonneEsito(Tabella& t) {
    for (auto& celle : t.righe) {
        celle[ColonnaColpo].stile.sfondo = ColoreColonnaColpo;
        celle[ColonnaEsito].stile.sfondo = ColoreColonnaEsito;
        celle[ColonnaEsito].stile.grassetto = true;
        celle[ColonnaRuote].stile.sfondo = ColoreColonnaRuote;
    }
}

} // namespace strovel

#include "methods/ambata/ambata_dinamica.h"

#include "methods/ambata/ambata_atteso.h"

#include "core/archivio.h"
#include "core/aritmetica.h"
#include "core/data_testo.h"
#include "core/formato.h"
#include "core/ruote.h"

#include <algorithm>
#include <limits>

namespace strovel {

void ImpostaMatrice(std::vector<Riferimento>& riferimenti, int righe) {
    righe = std::clamp(righe, 1, MassimoRiferimenti);
    const auto prima = static_cast<int>(riferimenti.size());
    riferimenti.resize(static_cast<std::size_t>(righe));
    for (int i = prima; i < righe; ++i) {
        riferimenti[static_cast<std::size_t>(i)] = Riferimento{i, 1};
    }
}

std::vector<Caso> RilevaCasi(const Archivio& a, const ParametriAmbata& p) {
    std::vector<Caso> casi;
    if (p.spia < 1 || p.spia > 90 || p.presenze < 1) {
        return casi;
    }
    for (int k = std::min<int>(p.fine, a.TotEstrazioni); k >= 1; --k) {
        for (int w = 0; w < NumRuote; ++w) {
            if (!p.rilevazione[static_cast<std::size_t>(w)] || !a.Presente(k, w, p.spia)) {
                continue;
            }
            for (int pos = 1; pos <= 5; ++pos) {
                if (p.posizioni[static_cast<std::size_t>(pos - 1)] &&
                    a.Estratti(k, w, pos) == p.spia) {
                    Caso c{k, w, {}};
                    c.segnati[static_cast<std::size_t>(pos - 1)] = true;
                    casi.push_back(c);
                    break;
                }
            }
        }
        if (static_cast<int>(casi.size()) >= p.presenze) {
            break;
        }
    }
    return casi;
}

std::vector<int> PianoColpi(int colpi, int righe) {
    std::vector<int> piano;
    if (righe < 1) {
        return piano;
    }
    for (int c = 1; c <= colpi; ++c) {
        piano.push_back((c - 1) % righe + 1);
    }
    return piano;
}

Tabella TabellaPiano(const std::vector<int>& piano, const std::vector<Riferimento>& riferimenti) {
    Tabella t(IntestazionePiano);
    for (std::size_t c = 0; c < piano.size(); ++c) {
        const int rif = piano[c];
        auto& riga = t.AggiungiRiga({std::to_string(c + 1), std::to_string(rif)});
        if (rif >= 1 && rif <= static_cast<int>(riferimenti.size())) {
            const Riferimento& r = riferimenti[static_cast<std::size_t>(rif - 1)];
            riga[2].testo = std::to_string(r.ruota);
            riga[3].testo = Sigla(r.ruota);
            riga[4].testo = std::to_string(r.posizione);
        }
    }
    return t;
}

namespace {

/// The reference colpo c uses, or nothing when the configuration has none for it.
std::optional<Riferimento> RiferimentoDelColpo(const ParametriAmbata& p,
                                               const std::vector<int>& piano, int c,
                                               const std::optional<Sostituzione>& sostituto) {
    if (c > static_cast<int>(piano.size())) {
        return std::nullopt;
    }
    const int rif = piano[static_cast<std::size_t>(c - 1)];
    if (sostituto && rif == sostituto->riga) {
        return sostituto->riferimento;
    }
    if (rif < 1 || rif > static_cast<int>(p.riferimenti.size())) {
        return std::nullopt;
    }
    const Riferimento& r = p.riferimenti[static_cast<std::size_t>(rif - 1)];
    if (r.ruota < 0 || r.ruota >= NumRuote || r.posizione < 1 || r.posizione > 5) {
        return std::nullopt;
    }
    return r;
}

} // namespace

GiocateAmbata GiocaAmbate(const Archivio& a, const ParametriAmbata& p,
                          const std::vector<Caso>& casi, const std::vector<int>& piano,
                          const std::optional<Sostituzione>& sostituto) {
    GiocateAmbata esito;
    esito.giocate.reserve(casi.size());
    const int fine = std::min<int>(p.fine, a.TotEstrazioni);
    for (const Caso& caso : casi) {
        const int k = caso.estrazione;
        int ambata = 0;
        auto numero = [&](int c) -> std::optional<int> {
            const auto r = RiferimentoDelColpo(p, piano, c, sostituto);
            if (!r) {
                return std::nullopt;
            }
            const int m = a.Estratti(k + c - 1, r->ruota, r->posizione);
            ambata = (!p.somme || c == 1) ? m : SommaProgressiva(ambata, m);
            return ambata;
        };
        Giocata g;
        const bool ok = Gioca(a, k, p.colpi, fine, p.gioco, numero, g);
        esito.giocate.push_back(g);
        if (!ok) {
            esito.completo = false;
            break;
        }
    }
    return esito;
}

Tabella TabellaCasiAmbata(const Archivio& a, const std::vector<Caso>& casi, int colpi) {
    Tabella t(IntestazioneCasiAmbata);
    AggiungiCasi(t, a, casi, colpi);
    OmbreggiaColonneEsito(t);
    return t;
}

Tabella TabellaEsitiAmbata(const Archivio& a, const std::vector<Caso>& casi, int colpi,
                           const GiocateAmbata& g) {
    Tabella t = TabellaCasiAmbata(a, casi, colpi);
    for (std::size_t i = 0; i < g.giocate.size() && i < casi.size(); ++i) {
        ScriviGiocata(t, static_cast<int>(i), g.giocate[i]);
    }
    if (g.completo) {
        for (std::size_t i = 0; i < g.giocate.size() && i < casi.size(); ++i) {
            SegnaClasse(
                t, static_cast<int>(i),
                Classifica(casi[i].estrazione, colpi, g.giocate[i], a.NumEstrazioniAnalisi));
        }
    }
    return t;
}

RiepilogoEsiti RiepilogoAmbata(const Archivio& a, const std::vector<Caso>& casi, int colpi,
                               const GiocateAmbata& g) {
    std::vector<Classe> classi;
    for (std::size_t i = 0; i < g.giocate.size() && i < casi.size(); ++i) {
        classi.push_back(
            Classifica(casi[i].estrazione, colpi, g.giocate[i], a.NumEstrazioniAnalisi));
    }
    return Riassumi(classi);
}

int PrimoMigliori(const EsitoMigliori& m) {
    return m.righe.empty() ? 0 : m.righe.front().positivi;
}

std::optional<SceltaAmbata> AnalisiAmbata::Scegli(const Archivio& allora, int riferimento,
                                                  Esito&) const {
    if (riga < 1 || riga > static_cast<int>(p.riferimenti.size())) {
        return std::nullopt;
    }
    ParametriAmbata dentro = p;
    dentro.fine = std::min(riferimento, p.fine);
    const std::vector<Caso> casiDentro = RilevaCasi(allora, dentro);
    const EsitoMigliori m =
        Migliori(allora, dentro, casiDentro,
                 PianoColpi(p.colpi, static_cast<int>(p.riferimenti.size())), riga);
    if (!m.completo || m.righe.empty()) {
        return std::nullopt;
    }
    return SceltaAmbata{m.righe.front().riferimento, m.righe.front().positivi,
                        static_cast<int>(casiDentro.size())};
}

void AnalisiAmbata::Verifica(const Archivio& tutto, int riferimento, const SceltaAmbata& s,
                             Esito& f) const {
    ParametriAmbata fuori = p;
    fuori.riferimenti[static_cast<std::size_t>(riga - 1)] = s.scelto;
    // Every case after the reference, whatever the count of presences.
    ParametriAmbata rilevazione = fuori;
    rilevazione.presenze = std::numeric_limits<int>::max();
    for (const Caso& c : RilevaCasi(tutto, rilevazione)) {
        if (c.estrazione <= riferimento) {
            break;
        }
        f.casi.push_back(c);
    }
    if (soloPrimoCaso) {
        SoloIlPrimo(f.casi, [](const Caso& c) { return c.estrazione; });
        f.primoCaso = f.casi.empty() ? 0 : f.casi.front().estrazione;
        f.fineCaso = f.casi.empty() ? 0 : f.primoCaso + p.colpi;
    }
    f.giocate = GiocaAmbate(tutto, fuori, f.casi,
                            PianoColpi(p.colpi, static_cast<int>(p.riferimenti.size())));
    f.completo = f.giocate.completo;
    f.riepilogo = RiepilogoAmbata(tutto, f.casi, fuori.colpi, f.giocate);
    f.confronto = ConfrontaAmbata(tutto, fuori, f.casi, f.giocate);
}

std::string AnalisiAmbata::Descrivi(const SceltaAmbata& s) {
    return Sigla(s.scelto.ruota) + " " + std::to_string(s.scelto.posizione);
}

std::string TestoFuoriCampione(const FuoriCampioneAmbata& f, int riferimento) {
    const RiepilogoEsiti& r = f.riepilogo;
    const SceltaAmbata& s = *f.scelta;
    const std::string scelta = "Scelto all'estrazione " + std::to_string(riferimento) + ": " +
                               Sigla(s.scelto.ruota) + " " + std::to_string(s.scelto.posizione) +
                               " (" + std::to_string(s.positiviDentro) + " positivi su " +
                               std::to_string(s.casiDentro) + " casi).\n";
    if (r.casi == 0) {
        return scelta + NienteDaVerificare(riferimento);
    }
    return scelta + "Dopo: " + std::to_string(r.casi) + " casi, " + std::to_string(r.positivi) +
           " positivi (" + Decimale(std::int64_t{r.positivi} * 100, r.casi) + "%), " +
           std::to_string(r.inGioco) + " in gioco.\n" + TestoConfronto(f.confronto);
}

EsitoMigliori Migliori(const Archivio& a, const ParametriAmbata& p, const std::vector<Caso>& casi,
                       const std::vector<int>& piano, int riga) {
    EsitoMigliori m;
    for (int w = 0; w < NumRuote; ++w) {
        for (int pos = 1; pos <= 5; ++pos) {
            const Riferimento r{w, pos};
            const GiocateAmbata g = GiocaAmbate(a, p, casi, piano, Sostituzione{riga, r});
            if (!g.completo) {
                m.completo = false;
                m.righe.clear();
                return m;
            }
            const auto positivi = std::count_if(g.giocate.begin(), g.giocate.end(),
                                                [](const Giocata& x) { return x.colpo != 0; });
            m.righe.push_back({r, static_cast<int>(positivi)});
        }
    }
    std::stable_sort(m.righe.begin(), m.righe.end(),
                     [](const Migliore& x, const Migliore& y) { return x.positivi > y.positivi; });
    return m;
}

Tabella TabellaMigliori(const EsitoMigliori& m, int casi) {
    Tabella t(IntestazioneMigliori);
    for (const Migliore& r : m.righe) {
        t.AggiungiRiga({std::to_string(r.positivi), Sigla(r.riferimento.ruota),
                        std::to_string(r.riferimento.posizione),
                        Decimale(std::int64_t{r.positivi} * 100, casi)});
    }
    return t;
}

Tabella EvoluzioneAmbata(const Archivio& a, const ParametriAmbata& p, const Caso& caso,
                         const std::vector<int>& piano, const Giocata& giocata) {
    std::string intestazione = "Colpo|Estr|Data Estraz";
    for (const Riferimento& r : p.riferimenti) {
        intestazione += "|" + Sigla(r.ruota) + std::to_string(r.posizione);
    }
    intestazione += "|Ambata";
    Tabella t(intestazione);
    const int colonne = t.Colonne();
    for (int c = 1; c <= giocata.giocati; ++c) {
        const int k = caso.estrazione + c - 1;
        auto& riga = t.AggiungiRiga({std::to_string(c), std::to_string(k), a.Data(k)});
        for (std::size_t i = 0; i < p.riferimenti.size(); ++i) {
            const Riferimento& r = p.riferimenti[i];
            Cella& cella = riga[3 + i];
            cella.testo = std::to_string(a.Estratti(k, r.ruota, r.posizione));
            // The reference this colpo reads.
            if (c <= static_cast<int>(piano.size()) &&
                piano[static_cast<std::size_t>(c - 1)] == static_cast<int>(i) + 1) {
                cella.stile.sfondo = ColoreColonnaColpo;
                cella.stile.grassetto = true;
            }
        }
        Cella& ambata = riga[static_cast<std::size_t>(colonne - 1)];
        ambata.testo = std::to_string(giocata.numeri[static_cast<std::size_t>(c)]);
        if (c == giocata.colpo) {
            ambata.stile.testo = ColoreColpoVincente;
            ambata.stile.grassetto = true;
        }
    }
    return t;
}

std::string TitoloEvoluzione(int numeroCaso) {
    return "RIFERIMENTO: RIGA " + std::to_string(numeroCaso);
}

} // namespace strovel

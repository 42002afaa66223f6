#include "methods/ambo_somme/ambo_somme_tabelle.h"

#include "core/archivio.h"
#include "core/formato.h"
#include "core/ruote.h"

#include <string>
#include <utility>

namespace strovel {

std::string TestoVincite(const std::vector<VincitaAmbo>& vincite) {
    std::string testo;
    for (const VincitaAmbo& v : vincite) {
        testo += (testo.empty() ? "" : "  ") + v.ruote + " -";
        for (const int n : v.numeri) {
            testo += " " + std::to_string(n);
        }
    }
    return testo;
}

namespace {

/// Columns `prima`..`prima + 4`: the five numbers of wheel w in draw k, the ambo's two on their
/// colour, the others left out unless `tutti`.
void Cinque(std::vector<Cella>& riga, int prima, const Archivio& a, int k, int w, int p1, int p2,
            bool tutti) {
    for (int p = 1; p <= 5; ++p) {
        Cella& c = riga[static_cast<std::size_t>(prima + p - 1)];
        const bool ambo = p == p1 || p == p2;
        if (ambo || tutti) {
            c.testo = std::to_string(a.Estratti(k, w, p));
        }
        if (ambo) {
            c.stile.sfondo = ColoreAmbo;
            c.stile.grassetto = true;
        }
    }
}

} // namespace

Tabella TabellaCasiSomme(const Archivio& a, const std::vector<CasoAmbo>& casi,
                         const std::vector<EsitoAmbo>& esiti, const OpzioniGiocoAmbo& o,
                         bool tuttiINumeri) {
    Tabella t(IntestazioneCasiSomme);
    for (std::size_t i = 0; i < casi.size() && i < esiti.size(); ++i) {
        const CasoAmbo& c = casi[i];
        const EsitoAmbo& e = esiti[i];
        const std::string k = std::to_string(c.estrazione);
        auto& riga = t.AggiungiRiga({std::to_string(i + 1), k, a.Data(c.estrazione), "",
                                     std::to_string(c.estrazione + 1),
                                     std::to_string(c.estrazione + o.colpi),
                                     std::to_string(e.fineA), std::to_string(c.r1), Sigla(c.r1)});
        if (i + 1 < casi.size()) {
            riga[ColonnaDep].testo = std::to_string(c.estrazione - casi[i + 1].estrazione);
        }
        Cinque(riga, ColonnaR1, a, c.estrazione, c.r1, c.p1, c.p2, tuttiINumeri);
        riga[14].testo = k;
        riga[15].testo = a.Data(c.estrazione);
        riga[16].testo = std::to_string(c.r2);
        riga[17].testo = Sigla(c.r2);
        Cinque(riga, ColonnaR2, a, c.estrazione, c.r2, c.q1, c.q2, tuttiINumeri);
        const int derivati[] = {c.a1, c.a2, c.b1, c.b2};
        for (int j = 0; j < 4; ++j) {
            Cella& cella = riga[static_cast<std::size_t>(ColonnaA1 + j)];
            cella.testo = std::to_string(derivati[j]);
            cella.stile.sfondo = ColoreDerivati;
        }
        if (!QuattroNumeri(o.versione)) {
            riga[ColonnaA1 + 1].stile.testo = ColoreNonGiocato;
        }
        if (e.colpo != 0) {
            riga[ColonnaColpoSomme].testo = std::to_string(e.colpo);
            riga[ColonnaColpoSomme].stile.grassetto = true;
        }
        riga[ColonnaColpoSomme + 1].testo = TestoVincite(e.ambate);
        riga[ColonnaColpoSomme + 2].testo = TestoVincite(e.ambiUsciti);
        riga[ColonnaColpoSomme + 3].testo = TestoVincite(e.terniPiu);
        if (e.classe == Classe::Positivo) {
            riga[0].stile.sfondo = ColorePositivo;
        } else if (e.classe == Classe::InGioco) {
            riga[0].stile.sfondo = ColoreArancio;
        }
        riga[8].stile.grassetto = true;
        riga[17].stile.grassetto = true;
    }
    return t;
}

Tabella TabellaRiepilogoSomme(const RiepilogoAmbo& r, VersioneAmbo v) {
    const bool quattro = QuattroNumeri(v);
    std::vector<std::pair<const char*, int>> righe = {{"Ambate", r.ambate}, {"Ambi", r.ambi}};
    if (quattro) {
        righe.insert(righe.end(),
                     {{"Ambi in 4", r.ambiIn}, {"Terni in 4", r.terni}, {"Quaterne", r.quaterne}});
    } else {
        righe.insert(righe.end(), {{"Ambi in 3", r.ambiIn}, {"Terni", r.terni}});
    }
    righe.insert(righe.end(),
                 {{"Positivi", r.positivi}, {"Negativi", r.negativi}, {"In corso", r.inGioco}});
    Tabella t(IntestazioneRiepilogoSomme);
    for (const auto& [titolo, n] : righe) {
        auto& riga = t.AggiungiRiga(
            {titolo, std::to_string(n), r.casi > 0 ? Decimale(std::int64_t{n} * 100, r.casi) : ""});
        if (r.casi > 0) {
            const Colore colore = std::string_view(titolo) == "Negativi"   ? ColoreBarraNegativi
                                  : std::string_view(titolo) == "In corso" ? ColoreArancio
                                                                           : ColoreBarraPositivi;
            riga[2].stile.barra = Barra{static_cast<int>(std::int64_t{n} * 1000 / r.casi), colore};
        }
    }
    return t;
}

} // namespace strovel

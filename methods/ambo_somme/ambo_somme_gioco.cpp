#include "methods/ambo_somme/ambo_somme_gioco.h"

#include "core/archivio.h"
#include "core/insieme90.h"
#include "core/ruote.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace strovel {

OpzioniGiocoAmbo OpzioniEffettive(const OpzioniGiocoAmbo& o) {
    OpzioniGiocoAmbo e = o;
    if (VersioneOld(o.versione)) {
        e.ambiSuRuota = true;
    }
    return e;
}

FiltroAmbo FiltroEffettivo(const FiltroAmbo& f, VersioneAmbo v) {
    FiltroAmbo e = f;
    if (VersioneOld(v)) {
        e.baVeAdiacenti = false;
    }
    return e;
}

std::vector<int> NumeriGiocati(const CasoAmbo& c, VersioneAmbo v) {
    std::vector<int> tutti = {c.a1, c.b1, c.b2};
    if (QuattroNumeri(v)) {
        tutti.insert(tutti.begin() + 1, c.a2);
    }
    std::vector<int> numeri;
    for (const int n : tutti) {
        if (std::find(numeri.begin(), numeri.end(), n) == numeri.end()) {
            numeri.push_back(n);
        }
    }
    return numeri;
}

namespace {

/// The numbers of `giocati` that came out in `uscita`, ascending.
std::vector<int> Comuni(const std::vector<int>& giocati, const Insieme90& uscita) {
    std::vector<int> v;
    for (const int n : giocati) {
        if (uscita.Contiene(n)) {
            v.push_back(n);
        }
    }
    std::sort(v.begin(), v.end());
    return v;
}

/// A place the play is checked on: one wheel, or (ruota -1) the case's two wheels together.
struct Luogo {
    int ruota;
    Insieme90 uscita;
    bool ambata; ///< the ambata is played here
};

std::string Nome(const Luogo& l, const CasoAmbo& c) {
    return l.ruota >= 0 ? Sigla(l.ruota) : Sigla(c.r1) + "+" + Sigla(c.r2);
}

} // namespace

EsitoAmbo GiocaAmbo(const Archivio& a, const CasoAmbo& c, const OpzioniGiocoAmbo& opzioni) {
    const OpzioniGiocoAmbo o = OpzioniEffettive(opzioni);
    const bool quattro = QuattroNumeri(o.versione);
    const std::vector<int> giocati = NumeriGiocati(c, o.versione);
    const std::vector<int> ambate =
        quattro && c.a2 != c.a1 ? std::vector<int>{c.a1, c.a2} : std::vector<int>{c.a1};
    Insieme90 insiemeGiocati, insiemeAmbate;
    for (const int n : giocati) {
        insiemeGiocati.Aggiungi(n);
    }
    for (const int n : ambate) {
        insiemeAmbate.Aggiungi(n);
    }
    std::vector<std::pair<int, int>> ambiNominati = {{c.a1, c.b1}, {c.a1, c.b2}};
    if (quattro) {
        ambiNominati.insert(ambiNominati.end(), {{c.a2, c.b1}, {c.a2, c.b2}});
    }

    EsitoAmbo e;
    const int ultima = a.TotEstrazioni;
    e.fineA = std::min(c.estrazione + o.colpi, ultima);
    e.colpiGiocati = std::max(0, e.fineA - c.estrazione);
    std::vector<Luogo> luoghi;
    for (int colpo = 1; colpo <= o.colpi && c.estrazione + colpo <= ultima; ++colpo) {
        const int k = c.estrazione + colpo;
        luoghi.clear();
        for (int w = 0; w < 11; ++w) {
            const bool delCaso = w == c.r1 || w == c.r2;
            if (delCaso || o.ambiATutte) {
                luoghi.push_back({w, Uscita(a, k, w), delCaso});
            }
        }
        if (!o.ambiSuRuota) {
            Insieme90 insieme = Uscita(a, k, c.r1);
            insieme |= Uscita(a, k, c.r2);
            luoghi.push_back({-1, insieme, false});
        }
        for (const Luogo& l : luoghi) {
            if (o.ambata && l.ambata && l.uscita.ComuniCon(insiemeAmbate) > 0) {
                e.ambata = true;
                e.ambate.push_back({Nome(l, c), Comuni(ambate, l.uscita)});
            }
            if (l.uscita.ComuniCon(insiemeGiocati) < 2) {
                continue;
            }
            const std::vector<int> usciti = Comuni(giocati, l.uscita);
            e.ambiIn = true;
            for (const auto& [x, y] : ambiNominati) {
                e.ambi = e.ambi || (x != y && l.uscita.Contiene(x) && l.uscita.Contiene(y));
            }
            e.terni = e.terni || usciti.size() >= 3;
            e.quaterne = e.quaterne || usciti.size() >= 4;
            (usciti.size() == 2 ? e.ambiUsciti : e.terniPiu).push_back({Nome(l, c), usciti});
        }
        if (e.ambata || e.ambiIn) {
            e.colpo = colpo;
            e.estrazione = k;
            e.fineA = k;
            break;
        }
    }
    // A case whose colpi reach past the archive's last draw is still running, the case found
    // in the last draw included.
    e.classe = e.colpo != 0                      ? Classe::Positivo
               : c.estrazione + o.colpi > ultima ? Classe::InGioco
                                                 : Classe::Negativo;
    return e;
}

std::vector<EsitoAmbo> GiocaAmbi(const Archivio& a, const std::vector<CasoAmbo>& casi,
                                 const OpzioniGiocoAmbo& o) {
    std::vector<EsitoAmbo> esiti;
    esiti.reserve(casi.size());
    for (const CasoAmbo& c : casi) {
        esiti.push_back(GiocaAmbo(a, c, o));
    }
    return esiti;
}

double ProbabilitaEstrazioneAmbo(const CasoAmbo& c, const OpzioniGiocoAmbo& opzioni) {
    const OpzioniGiocoAmbo o = OpzioniEffettive(opzioni);
    const std::vector<int> giocati = NumeriGiocati(c, o.versione);
    const int n = static_cast<int>(giocati.size());
    // Bit i of a subset: played number i came out. The ambate are A1 (and A2 in versions 2).
    unsigned ambate = 0;
    for (int i = 0; i < n; ++i) {
        const int x = giocati[static_cast<std::size_t>(i)];
        ambate |= (x == c.a1 || (QuattroNumeri(o.versione) && x == c.a2)) ? 1u << i : 0u;
    }
    const auto vince = [&](unsigned s) {
        return (o.ambata && (s & ambate) != 0) || std::popcount(s) >= 2;
    };
    double mancata = 0;
    for (unsigned s1 = 0; s1 < (1u << n); ++s1) {
        for (unsigned s2 = 0; s2 < (1u << n); ++s2) {
            if (vince(s1) || vince(s2) || (!o.ambiSuRuota && std::popcount(s1 | s2) >= 2)) {
                continue;
            }
            mancata += ProbabilitaSottoinsieme(n, std::popcount(s1)) *
                       ProbabilitaSottoinsieme(n, std::popcount(s2));
        }
    }
    if (o.ambiATutte) {
        mancata *= std::pow(1 - ProbabilitaEstrazione(n, 2), 9);
    }
    return 1 - mancata;
}

Confronto ConfrontaAmbi(const std::vector<CasoAmbo>& casi, const std::vector<EsitoAmbo>& esiti,
                        const OpzioniGiocoAmbo& o) {
    std::vector<double> p;
    int positivi = 0;
    for (std::size_t i = 0; i < casi.size() && i < esiti.size(); ++i) {
        const double q = 1 - ProbabilitaEstrazioneAmbo(casi[i], o);
        p.push_back(1 - std::pow(q, esiti[i].colpiGiocati));
        positivi += esiti[i].classe == Classe::Positivo ? 1 : 0;
    }
    return ConfrontaConIlCaso(p, positivi);
}

RiepilogoAmbo RiassumiAmbo(const std::vector<EsitoAmbo>& esiti) {
    RiepilogoAmbo r;
    r.casi = static_cast<int>(esiti.size());
    for (const EsitoAmbo& e : esiti) {
        r.ambate += e.ambata ? 1 : 0;
        r.ambi += e.ambi ? 1 : 0;
        r.ambiIn += e.ambiIn ? 1 : 0;
        r.terni += e.terni ? 1 : 0;
        r.quaterne += e.quaterne ? 1 : 0;
        r.positivi += e.classe == Classe::Positivo ? 1 : 0;
        r.inGioco += e.classe == Classe::InGioco ? 1 : 0;
    }
    r.negativi = r.casi - r.positivi - r.inGioco;
    return r;
}

void AnalisiAmboSomme::Verifica(const Archivio& tutto, int riferimento, const RegolaFissa&,
                                Esito& f) const {
    const auto casi =
        CercaAmbi(tutto, FiltroEffettivo(filtro, opzioni.versione), riferimento + 1, fine);
    const auto esiti = GiocaAmbi(tutto, casi, opzioni);
    f.ambo = RiassumiAmbo(esiti);
    f.riepilogo = f.ambo;
    f.confronto = ConfrontaAmbi(casi, esiti, opzioni);
}

} // namespace strovel

#include "cycles/ambi/ambi_cicli_atteso.h"

#include "core/archivio.h"
#include "core/ruote.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace strovel {

std::vector<double> ProbabilitaGruppoCicli(const Archivio& a, const std::vector<CicloAmbi>& cicli,
                                           const Ruote& ruote, int membri, bool unaRuota) {
    // Played numbers 2j and 2j + 1 make ambo j.
    const double q = ProbabilitaCombinazioni(2 * membri, [](std::span<const int> usciti) {
        for (std::size_t i = 0; i + 1 < usciti.size(); ++i) {
            if (usciti[i] % 2 == 0 && usciti[i + 1] == usciti[i] + 1) {
                return true;
            }
        }
        return false;
    });
    std::vector<double> probabilita;
    for (const CicloAmbi& c : cicli) {
        const double prove = ProveEstratte(a, ruote, c.inizio, c.fine) /
                             (unaRuota ? std::max(1.0, static_cast<double>(Scelte(ruote))) : 1.0);
        probabilita.push_back(1 - std::pow(1 - q, prove));
    }
    return probabilita;
}

AttesoCicli AttesoAmbi(const Archivio& a, const ElaborazioneAmbi& e) {
    AttesoCicli atteso;
    if (e.ambi.empty()) {
        return atteso;
    }
    // Rows counted on one wheel weigh one wheel.
    const auto probabilita =
        ProbabilitaGruppoCicli(a, e.cicli, e.parametri.ruote, 1, e.ambi.front().ruota >= 0);
    atteso.quanti = static_cast<double>(e.ambi.size());
    for (const double p : probabilita) {
        atteso.medio += p;
    }
    atteso.migliore = MassimoAtteso(atteso.quanti, probabilita);
    for (const AmboNeiCicli& r : e.ambi) {
        atteso.primo = std::max(atteso.primo, r.cc);
    }
    atteso.probabilitaMigliore = ProbabilitaMigliore(atteso.quanti, probabilita, atteso.primo);
    return atteso;
}

AttesoCicli AttesoGruppi(const Archivio& a, const ElaborazioneAmbi& e, int membri, int primo) {
    AttesoCicli atteso;
    const int righe = std::min(static_cast<int>(e.ambi.size()), LimiteGruppi(membri));
    atteso.quanti = Combinazioni(righe, membri);
    if (atteso.quanti < 1) {
        return atteso;
    }
    const auto probabilita =
        ProbabilitaGruppoCicli(a, e.cicli, e.parametri.ruote, membri, e.ambi.front().ruota >= 0);
    for (const double p : probabilita) {
        atteso.medio += p;
    }
    atteso.migliore = MassimoAtteso(atteso.quanti, probabilita);
    atteso.primo = primo;
    atteso.probabilitaMigliore = ProbabilitaMigliore(atteso.quanti, probabilita, primo);
    return atteso;
}

AttesoCicli AttesoCapigioco(const Archivio& a, const ElaborazioneAmbi& e,
                            const std::vector<Capogioco>& capi) {
    AttesoCicli atteso;
    if (capi.empty()) {
        return atteso;
    }
    std::vector<double> probabilita;
    for (const CicloAmbi& c : e.cicli) {
        probabilita.push_back(
            ProbabilitaGioco(1, 1, ProveEstratte(a, e.parametri.ruote, c.inizio, c.fine), 1));
        atteso.medio += probabilita.back();
    }
    atteso.quanti = static_cast<double>(capi.size());
    atteso.migliore = MassimoAtteso(atteso.quanti, probabilita);
    for (const Capogioco& g : capi) {
        atteso.primo = std::max(atteso.primo, g.cc);
    }
    atteso.probabilitaMigliore = ProbabilitaMigliore(atteso.quanti, probabilita, atteso.primo);
    return atteso;
}

std::string TestoAttesoCicli(const AttesoCicli& c, const char* cosa) {
    return "Per caso: " + UnDecimale(c.medio) + " cicli " + cosa + ", " + UnDecimale(c.migliore) +
           " il migliore di " + std::to_string(std::llround(c.quanti)) + "; " +
           TestoProbabilitaMigliore(c.quanti, c.primo, c.probabilitaMigliore);
}

std::optional<SceltaAmbi> AnalisiAmbiCicli::Scegli(const Archivio& allora, int riferimento,
                                                   Esito&) const {
    ParametriAmbiCicli q = p;
    q.riferimento = riferimento;
    ElaborazioneAmbi e = ContaAmbi(allora, q, ambi);
    OrdinaPerCC(e.ambi);
    if (e.ambi.empty() || e.ambi.front().cc == 0) {
        return std::nullopt;
    }
    return SceltaAmbi{e.ambi.front().n1, e.ambi.front().n2, e.ambi.front().cc,
                      static_cast<int>(e.cicli.size())};
}

// A cycle after the reference is laid only when complete, so none is ever in play.
void AnalisiAmbiCicli::Verifica(const Archivio& tutto, int riferimento, const SceltaAmbi& s,
                                Esito& f) const {
    for (const CicloAmbi& c :
         CicliConsecutivi(tutto.TotEstrazioni, std::numeric_limits<int>::max(), p.durata)) {
        if (c.inizio > riferimento) {
            f.cicli.push_back(c);
        }
    }
    if (soloPrimoCaso) {
        SoloIlPrimo(f.cicli, [](const CicloAmbi& c) { return c.inizio; });
        f.primoCaso = f.cicli.empty() ? 0 : f.cicli.front().inizio;
    }
    std::vector<Classe> classi;
    for (const CicloAmbi& c : f.cicli) {
        bool uscito = false;
        for (int k = c.inizio; k <= c.fine && !uscito; ++k) {
            for (int w = 0; w < NumRuote && !uscito; ++w) {
                uscito = p.ruote[static_cast<std::size_t>(w)] && tutto.Presente(k, w, s.n1) &&
                         tutto.Presente(k, w, s.n2);
            }
        }
        classi.push_back(uscito ? Classe::Positivo : Classe::Negativo);
    }
    f.riepilogo = Riassumi(classi);
    f.confronto = ConfrontaConIlCaso(ProbabilitaGruppoCicli(tutto, f.cicli, p.ruote, 1),
                                     f.riepilogo.positivi);
}

std::string TestoFuoriCampione(const FuoriCampioneAmbi& f, int riferimento) {
    if (!f.scelta) {
        return "Nessun ambo uscito nei cicli fino all'estrazione " + std::to_string(riferimento) +
               ".";
    }
    return "Scelto all'estrazione " + std::to_string(riferimento) + ": l'ambo " +
           std::to_string(f.scelta->n1) + "-" + std::to_string(f.scelta->n2) + " (" +
           std::to_string(f.scelta->cc) + " cicli su " + std::to_string(f.scelta->cicliDentro) +
           ").\n" + TestoVerificaDopo(riferimento, f.riepilogo, f.confronto);
}

} // namespace strovel

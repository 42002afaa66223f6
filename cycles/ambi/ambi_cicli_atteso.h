#pragma once
// The ambo cycle module against chance: the cycles a random ambo or group of ambi would cover,
// the best of as many random ones as a ranking weighs, and the out-of-sample check of the ambo
// with most cycles.

#include "core/analisi.h"
#include "core/probabilita.h"
#include "cycles/ambi/ambi_cicli.h"

#include <string>
#include <utility>
#include <vector>

namespace strovel {

class Archivio;

/// Per cycle, the probability that a group of `membri` ambi with no number in common comes out
/// (one of them is enough) by chance on the wheels of `ruote` in the cycle's draws, a wheel not
/// drawn in a draw being no trial. `unaRuota`: each group is counted on one of those wheels
/// (their mean number of trials).
std::vector<double> ProbabilitaGruppoCicli(const Archivio& a, const std::vector<CicloAmbi>& cicli,
                                           const Ruote& ruote, int membri, bool unaRuota = false);

/// A ranking against chance: the cycles one random ambo (or group) covers on average and the
/// best of as many random ones as the ranking weighs.
struct AttesoCicli {
    double quanti = 0; ///< ambi or groups weighed
    double medio = 0;
    double migliore = 0;
    int primo = 0;                  ///< the ranking's top count
    double probabilitaMigliore = 0; ///< that the best of as many random ones reaches it
};
/// The ambo grid: its rows are the random ambi (counted on one wheel when the rows are).
AttesoCicli AttesoAmbi(const Archivio& a, const ElaborazioneAmbi& e);
/// "Elabora 2 ambi" / "Elabora 3 ambi": every group of `membri` of the first rows.
/// `primo`: the top group's cycles.
AttesoCicli AttesoGruppi(const Archivio& a, const ElaborazioneAmbi& e, int membri, int primo);
/// Capogioco's numbers against chance: the cycles a random number comes out in on the selected
/// wheels, the best of as many numbers as the list holds, and how often it reaches the list's
/// top CC.
AttesoCicli AttesoCapigioco(const Archivio& a, const ElaborazioneAmbi& e,
                            const std::vector<Capogioco>& capi);
/// "Per caso: 2.1 cicli per ambo, 6.0 il migliore di 435".
std::string TestoAttesoCicli(const AttesoCicli& c, const char* cosa);

/// The ambo with most cycles at an earlier reference, verified on the cycles after it.
struct SceltaAmbi {
    int n1 = 0, n2 = 0;
    int cc = 0;          ///< its cycles at the reference
    int cicliDentro = 0; ///< cycles laid there
};
struct FuoriCampioneAmbi : EsitoFuoriCampione<SceltaAmbi> {
    std::vector<CicloAmbi> cicli; ///< the whole cycles after the reference
};
/// The cycles at the reference are counted on the archive as it stood then; after it, the
/// whole cycles of D draws are laid back from the last draw, and each must start after the
/// reference. A cycle after the reference is never in play: it is laid only when complete.
/// The ambi in the cycles as an analysis: at E it offers the ambo of `ambi` with most cycles.
struct AnalisiAmbiCicli {
    ParametriAmbiCicli p;
    std::vector<std::pair<int, int>> ambi;
    bool soloPrimoCaso = false; ///< verify on the first cycle after the reference only
    using Scelta = SceltaAmbi;
    static std::string Descrivi(const SceltaAmbi& s) {
        return std::to_string(s.n1) + "-" + std::to_string(s.n2);
    }
    /// One cycle.
    int PassoNaturale() const { return p.durata; }
    using Esito = FuoriCampioneAmbi;
    std::optional<SceltaAmbi> Scegli(const Archivio& allora, int riferimento, Esito&) const;
    void Verifica(const Archivio& tutto, int riferimento, const SceltaAmbi& s, Esito& f) const;
};
inline FuoriCampioneAmbi VerificaFuoriCampione(const Archivio& a, const ParametriAmbiCicli& p,
                                               const std::vector<std::pair<int, int>>& ambi,
                                               int riferimento) {
    return FuoriCampione(AnalisiAmbiCicli{p, ambi}, a, riferimento);
}
std::string TestoFuoriCampione(const FuoriCampioneAmbi& f, int riferimento);

} // namespace strovel

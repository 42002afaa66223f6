#pragma once
// What every analysis is to the checks that judge it. At a reference draw E an analysis offers
// what a player would have played (a formula, a number, an ambo, a reference row; for a method
// whose rule is fixed, the rule itself), seeing only the archive as it stood at E; then that offer
// is played on the cases after E. The checks are written once over this contract, so the cut at
// E (Archivio::FinoA) is made in one place and no analysis can look past it.

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"

#include <concepts>
#include <optional>

namespace strovel {

/// What an out-of-sample check found. `Scelta` is what the analysis offered at the reference and
/// how it had done up to there.
template <class Scelta> struct EsitoFuoriCampione {
    int riferimento = 0;
    std::optional<Scelta> scelta; ///< nothing when the analysis offered nothing at the reference
    RiepilogoEsiti riepilogo;     ///< the cases after the reference
    Confronto confronto;          ///< chance on the same cases
};

/// The offer of a method whose rule is fixed (the Maltese square, the ambo by sums): there is
/// nothing to choose, and its check plays the method's own cases after the reference.
struct RegolaFissa {};

/// An analysis names what it offers (`Scelta`) and what its check keeps (`Esito`, with whatever
/// the analysis wants to show of the cases after E). `Scegli(allora, E, esito)` is given the
/// archive as it stood at E and may note in `esito` why it offers nothing; `Verifica(tutto, E,
/// scelta, esito)` plays the offer on the whole archive over the cases after E and fills the
/// summary and the chance comparison.
template <class A>
concept Analisi = std::derived_from<typename A::Esito, EsitoFuoriCampione<typename A::Scelta>> &&
    requires(const A& analisi, const Archivio& a, int e, const typename A::Scelta& s,
             typename A::Esito& f) {
    { analisi.Scegli(a, e, f) } -> std::same_as<std::optional<typename A::Scelta>>;
    analisi.Verifica(a, e, s, f);
};

/// The out-of-sample check at draw `riferimento`: the offer is made on the archive cut at the
/// reference, then verified on the cases after it.
template <Analisi A>
typename A::Esito FuoriCampione(const A& analisi, const Archivio& a, int riferimento) {
    typename A::Esito f;
    f.riferimento = riferimento;
    {
        const Archivio allora = a.FinoA(riferimento);
        f.scelta = analisi.Scegli(allora, riferimento, f);
    }
    if (f.scelta) {
        analisi.Verifica(a, riferimento, *f.scelta, f);
    }
    return f;
}

} // namespace strovel

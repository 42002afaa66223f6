#pragma once
// The out-of-sample check of every analysis, written once. What the analysis offers at a
// reference draw E is chosen on the archive as it stood at E (Archivio::FinoA: every later draw
// wiped, so no choice can look past E), then verified on the cases after E only, with what
// chance gives the same plays beside it.

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"

#include <optional>

namespace strovel {

/// What an out-of-sample check found. `Scelta` is what the analysis offered at the reference (a
/// formula, a number, an ambo, a reference row) and how it had done up to there.
template <class Scelta> struct EsitoFuoriCampione {
    int riferimento = 0;
    std::optional<Scelta> scelta; ///< nothing when the analysis offered nothing at the reference
    RiepilogoEsiti riepilogo;     ///< the cases after the reference
    Confronto confronto;          ///< chance on the same cases
};

/// Runs an out-of-sample check at draw `riferimento` into `f`: `scegli(allora)` sees only the
/// archive as it stood then and returns the analysis' offer (or nothing); `verifica(a, scelta)`
/// plays it over the cases after the reference on the whole archive and fills `f.riepilogo` and
/// `f.confronto` (and whatever else the analysis keeps of those cases).
template <class Esito, class Sceglie, class Verifica>
void VerificaDopo(Esito& f, const Archivio& a, int riferimento, Sceglie&& scegli,
                  Verifica&& verifica) {
    f.riferimento = riferimento;
    {
        const Archivio allora = a.FinoA(riferimento);
        f.scelta = scegli(allora);
    }
    if (f.scelta) {
        verifica(a, *f.scelta);
    }
}

} // namespace strovel

#pragma once
// What every analysis is to the checks that judge it. At a reference draw E an analysis offers
// what a player would have played (a formula, a number, an ambo, a reference row; for a method
// whose rule is fixed, the rule itself), seeing only the archive as it stood at E; then that offer
// is played on the cases after E. The checks are written once over this contract, so the cut at
// E (Archivio::FinoA) is made in one place and no analysis can look past it: the out-of-sample
// check (one reference) and the walk-forward test (a reference every few draws).

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/progressiva.h"

#include <algorithm>
#include <concepts>
#include <optional>
#include <string>
#include <vector>

namespace strovel {

/// What an out-of-sample check found. `Scelta` is what the analysis offered at the reference and
/// how it had done up to there.
template <class Scelta> struct EsitoFuoriCampione {
    int riferimento = 0;
    std::optional<Scelta> scelta; ///< nothing when the analysis offered nothing at the reference
    RiepilogoEsiti riepilogo;     ///< the cases after the reference
    Confronto confronto;          ///< chance on the same cases
    /// With the first case alone: the draw it starts at (two references before the same case
    /// make one choice of a walk-forward test, not two) and, where plays can overlap, the last
    /// draw it plays (a later choice whose case starts by then would share its draws).
    int primoCaso = 0;
    int fineCaso = 0;
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

/// An analysis that chooses something to play, as the walk-forward test needs it: it can play
/// its offer on the first case after E alone (`soloPrimoCaso`, noting where that case starts),
/// it says its offer in a few words (`Descrivi`), as its out-of-sample check prints it, and it
/// knows its natural step (`PassoNaturale`: a cycle, or the colpi of a play).
template <class A>
concept AnalisiConScelta = Analisi<A> && requires(A analisi, const typename A::Scelta& s) {
    analisi.soloPrimoCaso = true;
    { A::Descrivi(s) } -> std::convertible_to<std::string>;
    { analisi.PassoNaturale() } -> std::same_as<int>;
};

/// Keeps, of cases listed most recent first, only the earliest (the first of them in the list
/// when several start on the same draw): the one case a walk-forward choice is played on.
template <class Caso, class Inizio> void SoloIlPrimo(std::vector<Caso>& casi, Inizio&& inizio) {
    if (casi.empty()) {
        return;
    }
    const auto primo = inizio(casi.back());
    const auto it =
        std::find_if(casi.begin(), casi.end(), [&](const Caso& c) { return inizio(c) == primo; });
    casi = {*it};
}

/// "Verifica progressiva": from reference `da`, every `passo` draws up to the archive's last,
/// the offer is made on the archive as it stood at that reference and played on the first case
/// after it. A reference where nothing is offered, or with no case after it yet, adds nothing.
template <AnalisiConScelta A>
EsitoProgressivo VerificaProgressiva(A analisi, const Archivio& a, int da, int passo) {
    analisi.soloPrimoCaso = true;
    EsitoProgressivo p;
    p.da = std::max(da, 1);
    p.passo = std::max(passo, 1);
    int ultimoCaso = 0;
    int fineUltimo = 0;
    for (int e = p.da; e <= a.TotEstrazioni; e += p.passo) {
        const typename A::Esito f = FuoriCampione(analisi, a, e);
        if (!f.scelta || f.riepilogo.casi == 0 ||
            (f.primoCaso > 0 && (f.primoCaso == ultimoCaso || f.primoCaso <= fineUltimo))) {
            continue;
        }
        ultimoCaso = f.primoCaso;
        fineUltimo = f.fineCaso;
        const Classe esito = f.riepilogo.positivi > 0  ? Classe::Positivo
                             : f.riepilogo.inGioco > 0 ? Classe::InGioco
                                                       : Classe::Negativo;
        p.passi.push_back({e, A::Descrivi(*f.scelta), esito, f.confronto.attesi});
    }
    Riassumi(p);
    return p;
}

} // namespace strovel

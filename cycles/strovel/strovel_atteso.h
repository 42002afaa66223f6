#pragma once
// The Strovel module against chance: what random formulas would give over the same cycles, and
// the out-of-sample check of the formula list's first formula.

#include "core/analisi.h"
#include "core/probabilita.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_statistiche.h"

#include <optional>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

/// Per cycle, the probability that formula `f`'s ambata comes out by chance on its play wheel
/// in the cycle's play window (the draws of it the archive holds, up to `riferimento` with
/// `stop`). When the window holds the considered draw and the formula reads and plays one
/// wheel, that draw is not left to chance: the number read is out there.
std::vector<double> ProbabilitaFormulaCicli(const Archivio& a, const ParametriStrovel& p,
                                            const std::vector<Ciclo>& cicli,
                                            const FormulaStrovel& f, int riferimento, bool stop);
/// The formulas a search weighs, as groups alike by chance: those reading and playing different
/// wheels, and those on one wheel by how often their ambata is the number read.
std::vector<SerieUguali> FormuleACaso(const Archivio& a, const EsitoStrovel& e);

/// The formula list against chance.
struct CasoFormule {
    double formule = 0;  ///< formulas the search weighed: R1 wheels x 5 x 90 x R2 wheels (x 6)
    Confronto primo;     ///< the first row's hits against one random formula's
    double migliore = 0; ///< the expected best hits of as many random formulas
    /// The probability that the best of as many random formulas reaches the first row's hits.
    double probabilitaMigliore = 0;
};
/// Nothing without a formula in the list.
std::optional<CasoFormule> ConfrontaFormule(const Archivio& a, const EsitoStrovel& e);
/// "1ª formula: 12 positivi su 15 cicli; atteso per caso ... Il migliore di 24300 formule a
/// caso: 11.2; ... arriva a 12 o più nel x% dei casi."
std::string TestoCasoFormule(const CasoFormule& c);

/// STATISTICA's positive cycles of `formula` against chance: per cycle, the probability that in
/// one draw of its play window the ambata, or two numbers of the quartina, come out on the play
/// wheel (in the considered draw, knowing the number read there).
Confronto ConfrontaStatistica(const Archivio& a, const ParametriStrovel& p,
                              const FormulaStrovel& formula, const std::vector<EsitoCiclo>& esiti);

/// ACCOPPIAMENTI against chance. Its pairs are made of the list's own top formulas, ranked on the
/// same cycles: no model of two random formulas says what its best pair reaches by chance. So
/// the whole search runs again on archives of random draws (every number of the cycles' draws
/// drawn at random on the wheels that were drawn then, fixed seed): the list, then its pairs,
/// and the best pair's "Pre" is kept.
struct AccoppiamentiACaso {
    int simulazioni = 0;
    double migliore = 0;    ///< the best pair's mean "Pre" on the random archives
    int primo = 0;          ///< the best pair's "Pre" on the archive
    double probabilita = 0; ///< share of random archives whose best pair reaches it
};
inline constexpr int SimulazioniAccoppiamenti = 40;
AccoppiamentiACaso ConfrontaAccoppiamenti(const Archivio& a, const EsitoStrovel& e,
                                          const std::vector<Accoppiamento>& coppie,
                                          int simulazioni = SimulazioniAccoppiamenti);
/// "Per caso, la coppia migliore di 40 archivi a caso: 12.3 cicli; probabilità che arrivi ad
/// almeno 14: 20.0%".
std::string TestoAccoppiamentiACaso(const AccoppiamentiACaso& c);

/// What the formula list offered at an earlier reference: its first formula, with the cycles
/// laid there and the parameters the search used.
struct SceltaStrovel {
    RigaFormula riga;
    int cicliDentro = 0;
    ParametriStrovel usati;
};
/// The first formula of the list at an earlier reference, verified on the cycles after it: a
/// cycle is positive when the ambata comes out on the play wheel in its play window, in play
/// when it has not yet and the window runs past the last draw.
struct FuoriCampioneStrovel : EsitoFuoriCampione<SceltaStrovel> {
    bool mancanoRuote = false; ///< no detection or no play wheel: nothing searched
    std::vector<Ciclo> cicli;  ///< the cycles wholly after the reference
};
/// The list is searched on the archive as it stood at `riferimento`, so that no later draw
/// takes part; the cycles after it are laid back from the archive's last draw with the same
/// duration, considered draw and gap, and each counts once: its first draw must follow the
/// reference.
struct AnalisiStrovel {
    ParametriStrovel p;
    bool tutteOperazioni = false; ///< "esamina tutte le operazioni" instead of ELABORA
    bool soloPrimoCaso = false;   ///< verify on the first cycle after the reference only
    using Scelta = SceltaStrovel;
    static std::string Descrivi(const SceltaStrovel& s);
    /// One cycle: its duration and the gap before the next.
    int PassoNaturale() const { return p.durata + p.salto; }
    using Esito = FuoriCampioneStrovel;
    std::optional<SceltaStrovel> Scegli(const Archivio& allora, int riferimento, Esito& f) const;
    void Verifica(const Archivio& tutto, int riferimento, const SceltaStrovel& s, Esito& f) const;
};
inline FuoriCampioneStrovel VerificaFuoriCampione(const Archivio& a, const ParametriStrovel& p,
                                                  bool tutteOperazioni, int riferimento) {
    return FuoriCampione(AnalisiStrovel{p, tutteOperazioni}, a, riferimento);
}
std::string TestoFuoriCampioneStrovel(const FuoriCampioneStrovel& f, int riferimento);
/// "BA 3 + 17 > NA": detection wheel, position, operation, fixed value, play wheel.
std::string TestoFormula(const FormulaStrovel& f);

} // namespace strovel

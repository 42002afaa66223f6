#pragma once
// The second cycle module against chance: the positive cycles of a verification beside what
// random draws would give, the presences per number beside a random number's, and the
// out-of-sample check of the number with most cycles.

#include "core/analisi.h"
#include "core/probabilita.h"
#include "cycles/modulo2/ciclo2.h"

#include <string>
#include <vector>

namespace strovel {

class Archivio;

/// The probability that, on one selected wheel in one draw, the numbers at the selected
/// positions give at least T numbers of some set.
double ProbabilitaInsiemi(const ParametriCiclo2& p, const std::vector<InsiemePrevisione>& insiemi);

/// A verification's positive cycles against chance: per cycle, 1 - (1 - q)^(wheels x draws
/// observed), q as above.
Confronto ConfrontaVerifica(const Archivio& a, const Rilevazione& r,
                            const std::vector<InsiemePrevisione>& insiemi,
                            const VerificaInsiemi& v);

/// FgB1's CC against chance: what one number reaches on average, and the best of 90.
struct CCAttesoCicli {
    double medio = 0;
    double migliore = 0;
    int primo = 0;                  ///< the top number's CC
    double probabilitaMigliore = 0; ///< that the best of 90 random numbers reaches it
};
CCAttesoCicli AttesoNumeri(const Archivio& a, const Rilevazione& r);
/// "CC per caso: 4.1 per numero, 8.0 il migliore di 90".
std::string TestoAttesoNumeri(const CCAttesoCicli& c);

/// VERIFICA AMBETTI's best pair against chance: the positive cycles of one random pair (two
/// numbers apart, so that neither is the other's neighbour) on average, the best of `coppie`
/// such pairs, and how often that best reaches `primo`.
CCAttesoCicli AttesoAmbetti(const Archivio& a, const Rilevazione& r, int coppie, int primo);
/// The probability that one wheel-draw watching `estratti` positions gives a pair's ambetto.
double ProbabilitaAmbetto(int estratti);
/// "Esiti per caso: 1.2 per coppia, 3.4 la migliore di 45; probabilità che ...".
std::string TestoAttesoAmbetti(const CCAttesoCicli& c, int coppie);

/// What the second module offered at an earlier reference: the first number of FgB1 by cycles.
struct SceltaCiclo2 {
    int numero = 0;
    int cc = 0;          ///< its cycles there
    int cicliDentro = 0; ///< cycles laid there
};
/// The number with most cycles at an earlier reference, verified on the cycles after it: a
/// cycle is positive when the number comes out in its observation window, in play when it has
/// not yet and the window is not over.
struct FuoriCampioneCiclo2 : EsitoFuoriCampione<SceltaCiclo2> {
    std::vector<CicloOsservato> cicli; ///< the cycles wholly after the reference
};
/// The cycles at the reference are laid on the archive as it stood then, so that no later draw
/// takes part; the cycles after it are laid back from the last draw with the same parameters.
/// Modulo 2 as an analysis: at E it offers the number with most cycles.
struct AnalisiCiclo2 {
    ParametriCiclo2 p;
    bool soloPrimoCaso = false; ///< verify on the first cycle after the reference only
    using Scelta = SceltaCiclo2;
    static std::string Descrivi(const SceltaCiclo2& s) { return std::to_string(s.numero); }
    /// One cycle: its duration and the gap before the next.
    int PassoNaturale() const { return p.durata + p.salto; }
    using Esito = FuoriCampioneCiclo2;
    std::optional<SceltaCiclo2> Scegli(const Archivio& allora, int riferimento, Esito&) const;
    void Verifica(const Archivio& tutto, int riferimento, const SceltaCiclo2& s, Esito& f) const;
};
inline FuoriCampioneCiclo2 VerificaFuoriCampione(const Archivio& a, const ParametriCiclo2& p,
                                                 int riferimento) {
    return FuoriCampione(AnalisiCiclo2{p}, a, riferimento);
}
std::string TestoFuoriCampione(const FuoriCampioneCiclo2& f, int riferimento);

/// The cycles laid back from the archive's last draw whose first draw follows `riferimento`,
/// most recent first.
std::vector<CicloOsservato> CicliDopo(const Archivio& a, const ParametriCiclo2& p, int riferimento);

} // namespace strovel

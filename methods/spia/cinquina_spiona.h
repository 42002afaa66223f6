#pragma once
// The spy quintet: the numbers of draw E on the detection wheels and positions are the spies;
// the past draws where two or more of them came out again together on a detection wheel are
// the cases; the numbers that came out in the draws after the cases are counted and ranked.

#include "core/analisi.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/tabella.h"

#include <array>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

struct ParametriCinquina {
    Ruote rilevazione{};
    Ruote gioco{};
    std::array<bool, 5> posizioni{};
    int presenze = 9;
    int colpi = 9;
    /// The analysis end E, used directly as a draw index.
    int fine = 0;
};

struct EsitoCinquina {
    std::vector<Caso> casi;
    std::array<bool, 91> spie{};
    std::array<int, 91> presenze{};  ///< "Pres": presences in the cases' play windows
    std::array<int, 91> casiCon{};   ///< "CC": cases whose play window brought the number out
    std::array<int, 91> frequenza{}; ///< presences over the span, on the play wheels
    int span = 0;                    ///< S: draws from the oldest case to the newest
    int ruoteGioco = 0;              ///< W
};

/// ELABORA: spies, cases, "Pres", "CC", the span and the frequencies.
EsitoCinquina ElaboraCinquina(const Archivio& a, const ParametriCinquina& p);

/// "Delta statistico" of number n: f - (X - S / f) with X = S / (18 W), in "##.0"; empty when f
/// or W is 0.
std::string DeltaStatistico(const EsitoCinquina& e, int n);

inline constexpr const char* IntestazioneNumeriCinquina = "Num|CC |Pres|Delta statistico     ";
inline constexpr Colore ColoreNumeroCinquina{255, 255, 0};
inline constexpr Colore ColoreTestoNumeroCinquina{255, 0, 0};
inline constexpr Colore ColoreGiaUscitoNelCaso{128, 255, 128};
inline constexpr Colore ColoreBarraDelta{150, 190, 255};

/// FgE: numbers 1..90 with "CC", "Pres" and "Delta statistico" (its bar a share of the largest
/// value, at least 0), the numbers already out after the newest case marked, sorted on "Pres",
/// largest first, ties in number order.
Tabella TabellaNumeriCinquina(const Archivio& a, const ParametriCinquina& p,
                              const EsitoCinquina& e);

inline constexpr const char* IntestazioneCasiCinquina =
    "N°   |Estr     |Data Estraz    |Inizio   |Fine    |RU |r|1  |2  |3  |4  |5  |C  |Ruote   |";

/// Verifying number n: each case played as an ambata of n over its draws "Inizio".."Fine" (the
/// draws after the analysis end included, so the cases with a hit are the "CC" of n).
std::vector<Giocata> VerificaNumero(const Archivio& a, const ParametriCinquina& p,
                                    const std::vector<Caso>& casi, int n);

/// Fg1: the cases; with `verifiche`, "C" = the colpo of the hit and "Ruote" = the initials of
/// the play wheels that hit.
Tabella TabellaCasiCinquina(const Archivio& a, const ParametriCinquina& p,
                            const std::vector<Caso>& casi,
                            const std::vector<Giocata>* verifiche = nullptr);

inline constexpr const char* IntestazioneCompagni = "Num|Volte";
/// FgSort: for number n verified, the other numbers drawn on the play wheels in the draws where
/// it hit, with how often; sorted on that count, largest first, ties in number order.
Tabella Compagni(const Archivio& a, const ParametriCinquina& p, const std::vector<Caso>& casi,
                 const std::vector<Giocata>& verifiche, int n);

/// What chance gives the ranking: the "CC" any number reaches on average, each case an ambata on
/// the play wheels for the colpi the archive holds after it, and the best of 90 such numbers.
struct CCAtteso {
    double medio = 0;
    double migliore = 0;
    int primo = 0;                  ///< the top CC of the ranking
    double probabilitaMigliore = 0; ///< that the best of 90 random numbers reaches it
};
CCAtteso AttesoCinquina(const Archivio& a, const ParametriCinquina& p, const EsitoCinquina& e);
/// "CC per caso: 4.2 per numero, 8.1 il migliore di 90".
std::string TestoCCAtteso(const CCAtteso& c);

/// Out of sample: ELABORA on the archive as it stood at draw `riferimento` (every later draw
/// wiped, so the newest case cannot count colpi after it) offers the first number of its ranking
/// ("Pres", ties to the lower number); that number is then played as an ambata on the play
/// wheels over the colpi after `riferimento`: one case, positive, negative or still in play.
struct SceltaCinquina {
    int numero = 0;
    int presenze = 0; ///< its "Pres" at the reference
};
struct FuoriCampioneCinquina : EsitoFuoriCampione<SceltaCinquina> {
    Giocata giocata;
    int colpiGiocati = 0;
};
/// The spy quintet as an analysis: at E it offers the first number of its ranking.
struct AnalisiCinquina {
    ParametriCinquina p;
    bool soloPrimoCaso = false; ///< one play after the reference: always so
    using Scelta = SceltaCinquina;
    static std::string Descrivi(const SceltaCinquina& s) { return std::to_string(s.numero); }
    /// The colpi of a play, so that one play ends before the next reference.
    int PassoNaturale() const { return p.colpi; }
    using Esito = FuoriCampioneCinquina;
    std::optional<SceltaCinquina> Scegli(const Archivio& allora, int riferimento, Esito&) const;
    void Verifica(const Archivio& tutto, int riferimento, const SceltaCinquina& s, Esito& f) const;
};
inline FuoriCampioneCinquina FuoriCampioneSpia(const Archivio& a, const ParametriCinquina& p,
                                               int riferimento) {
    return FuoriCampione(AnalisiCinquina{p}, a, riferimento);
}

/// The out-of-sample outcome in words, for a message.
std::string TestoFuoriCampioneSpia(const FuoriCampioneCinquina& f, int riferimento);

/// Label3: the span.
std::string TestoSpan(const EsitoCinquina& e);

} // namespace strovel

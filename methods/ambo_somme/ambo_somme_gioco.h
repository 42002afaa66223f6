#pragma once
// The play of the ambo by sums and differences: each case's derived numbers are played from the
// draw after the case for a number of colpi, in one of four versions, and the cases are counted
// by the kind of hit. No widgets.
//
// The numbers played: versions 1 play the terzina A1-B1-B2 with the ambata A1 and the ambi
// A1-B1, A1-B2; versions 2 play the quartina A1-A2-B1-B2 with the ambate A1, A2 and the ambi
// A1-B1, A1-B2, A2-B1, A2-B2. The ambata is played on the case's two wheels, the ambi and the
// larger sorti there too, or on every wheel with "Ambi a tutte". Without "Ambi su ruota" (read by
// the new versions only) the two case wheels also count as one: an ambo whose numbers come out
// one on R1 and one on R2 in the same draw wins.

#include "core/analisi.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "methods/ambo_somme/ambo_somme.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace strovel {

class Archivio;

enum class VersioneAmbo { Versione1, Versione2, Ver1Old, Ver2Old };
inline constexpr std::array<std::string_view, 4> NomiVersioni = {"VERSIONE 1", "VERSIONE 2",
                                                                 "VER 1 old", "VER 2 old"};
/// Versions 2 play four numbers, versions 1 three.
constexpr bool QuattroNumeri(VersioneAmbo v) {
    return v == VersioneAmbo::Versione2 || v == VersioneAmbo::Ver2Old;
}
/// The old versions read neither "BA-VE Adiacenti" nor "Ambi su ruota".
constexpr bool VersioneOld(VersioneAmbo v) {
    return v == VersioneAmbo::Ver1Old || v == VersioneAmbo::Ver2Old;
}

namespace liste_ambo_somme {
inline constexpr ListaValori Colpi{1, 60, 1, 9, "colpi", "Colpi", "G"};
inline constexpr ListaValori Casi{1, 500, 1, 20, "casi", "Intervallo, i casi più recenti", "N"};
} // namespace liste_ambo_somme

struct OpzioniGiocoAmbo {
    VersioneAmbo versione = VersioneAmbo::Versione1;
    int colpi = 9;
    bool ambata = true;      ///< "Ambata": the ambata is played
    bool ambiATutte = false; ///< "Ambi a tutte"
    bool ambiSuRuota = true; ///< "Ambi su ruota"
};

/// The play options a version uses: the old ones always count the ambi on one wheel.
OpzioniGiocoAmbo OpzioniEffettive(const OpzioniGiocoAmbo& o);
/// The search filter a version uses: the old ones never take Bari and Venezia as adjacent.
FiltroAmbo FiltroEffettivo(const FiltroAmbo& f, VersioneAmbo v);

/// The numbers played by a case: A1, B1, B2 and, in versions 2, A2; a number already in the list
/// is played once.
std::vector<int> NumeriGiocati(const CasoAmbo& c, VersioneAmbo v);

/// One wheel's hit at the hit colpo: the wheel ("BA", or "BA+CA" for the case's two wheels
/// together) and the played numbers that came out there, ascending.
struct VincitaAmbo {
    std::string ruote;
    std::vector<int> numeri;
    friend bool operator==(const VincitaAmbo&, const VincitaAmbo&) = default;
};

struct EsitoAmbo {
    int colpo = 0;        ///< "Colpo": the colpo of the first hit; 0 none
    int estrazione = 0;   ///< the hit draw
    int fineA = 0;        ///< "Fine A": the last draw the play looked at
    int colpiGiocati = 0; ///< the colpi the archive holds for the play, hit or not
    bool ambata = false, ambi = false, ambiIn = false, terni = false, quaterne = false;
    std::vector<VincitaAmbo> ambate;     ///< "Ambata"
    std::vector<VincitaAmbo> ambiUsciti; ///< "Ambi": two played numbers out together
    std::vector<VincitaAmbo> terniPiu;   ///< "3 +4": three or four out together
    Classe classe = Classe::Negativo;
    friend bool operator==(const EsitoAmbo&, const EsitoAmbo&) = default;
};

/// The play of case `c` over draws k + 1 .. k + colpi, never past the archive's last draw: it
/// ends at the first colpo with a hit (the ambata when played, or two played numbers together).
EsitoAmbo GiocaAmbo(const Archivio& a, const CasoAmbo& c, const OpzioniGiocoAmbo& o);
/// Every case played, in order.
std::vector<EsitoAmbo> GiocaAmbi(const Archivio& a, const std::vector<CasoAmbo>& casi,
                                 const OpzioniGiocoAmbo& o);

/// The probability that chance alone makes the play of case `c` positive in one draw, the five
/// numbers of each wheel drawn at random and independently: every subset of the played numbers
/// that the two case wheels can bring out is weighed, and with "Ambi a tutte" the other nine
/// wheels must stay below an ambo too.
double ProbabilitaEstrazioneAmbo(const CasoAmbo& c, const OpzioniGiocoAmbo& o);
/// What chance gives the same plays, each case for the colpi it played.
Confronto ConfrontaAmbi(const std::vector<CasoAmbo>& casi, const std::vector<EsitoAmbo>& esiti,
                        const OpzioniGiocoAmbo& o);

/// The outcome counts of the cases (their in-play ones shown as "In corso"), then what each
/// kind of hit adds up to.
struct RiepilogoAmbo : RiepilogoEsiti {
    int ambate = 0, ambi = 0, ambiIn = 0, terni = 0, quaterne = 0;
    friend bool operator==(const RiepilogoAmbo&, const RiepilogoAmbo&) = default;
};
RiepilogoAmbo RiassumiAmbo(const std::vector<EsitoAmbo>& esiti);

/// The ambo by sums as an analysis: its rule is fixed, and its check plays every case found after
/// E up to `fine`, with the numbers its own draws give.
struct AnalisiAmboSomme {
    FiltroAmbo filtro;
    OpzioniGiocoAmbo opzioni;
    int fine = 0;
    using Scelta = RegolaFissa;
    struct Esito : EsitoFuoriCampione<RegolaFissa> {
        RiepilogoAmbo ambo; ///< the summary with what each kind of hit adds up to
    };
    std::optional<RegolaFissa> Scegli(const Archivio&, int, Esito&) const { return RegolaFissa{}; }
    void Verifica(const Archivio& tutto, int riferimento, const RegolaFissa&, Esito& f) const;
};

} // namespace strovel

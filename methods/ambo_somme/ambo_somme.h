#pragma once
// The ambo by sums and differences: draws in which the same ambo came out on two wheels,
// filtered by the classes of its two numbers, their order and the relation between the wheels,
// with the four numbers each case derives. No widgets.

#include <array>
#include <string_view>
#include <vector>

namespace strovel {

class Archivio;

enum class Ordine { Qualsiasi, Crescenti, Decrescenti };

/// The wheel relations, in the order of their check boxes.
enum class RelazioneRuote { Tutte, Gemelle, Diametrali, Adiacenti, GMTV, CFRZ, BNP };
inline constexpr std::array<std::string_view, 7> NomiRelazioni = {
    "Tutte", "Gemelle", "Diametrali", "Adiacenti", "GMTV", "CFRZ", "BNP"};
/// Whether wheels w1 and w2 (in either order) stand in relation `r`; with `baVeAdiacenti` Bari
/// and Venezia are adjacent too.
bool InRelazione(RelazioneRuote r, int w1, int w2, bool baVeAdiacenti);

/// The number of cases a search stops at when "Intervallo" is not ticked.
inline constexpr int LimiteCasiAmbo = 30000;

/// Whether the difference d of an ambo passes the distance options.
bool DistanzaAmmessa(int d, bool maggiore, bool minore);

struct FiltroAmbo {
    std::array<bool, 11> ruote{};
    std::array<bool, 5> posizioni{};
    std::array<bool, 91> somme{};      ///< sum classes 1..90
    std::array<bool, 91> differenze{}; ///< difference classes 1..89
    std::array<bool, 10> decine{}, cadenze{}, figure{};
    Ordine ordineR1 = Ordine::Qualsiasi;
    Ordine ordineR2 = Ordine::Qualsiasi;
    bool posizioneEsatta = false;
    bool adiacenti1 = false;
    bool adiacenti2 = false;
    std::array<bool, 7> relazioni{true}; ///< "Tutte" only by default
    bool baVeAdiacenti = false;
    /// "Isotopia": the ambo on R2 lies at the same two positions as on R1.
    bool isotopia = false;
    /// "Distanza maggiore" accepts the ambi whose difference is 45 or more, "Distanza minore"
    /// those whose difference is 45 or less; both or neither accept every ambo.
    bool distanzaMaggiore = false;
    bool distanzaMinore = false;
    /// "Intervallo": the search stops at this many cases, the most recent first.
    int massimoCasi = LimiteCasiAmbo;
    /// Everything allowed: every class, every relation, all wheels and positions.
    static FiltroAmbo Tutto();
};

/// The order options that cannot hold together: exact position with opposite orders on the two
/// wheels.
bool Coerente(const FiltroAmbo& f);
inline constexpr const char* MessaggioIncoerente =
    "Attenzione: i check Posizione esatta e numeri crescenti o descescenti R1 e R2 sono settati "
    "erroneamente.";

struct CasoAmbo {
    int estrazione = 0;
    int r1 = 0, p1 = 0, p2 = 0, a = 0, b = 0; ///< the ambo on R1 at positions p1 < p2
    int r2 = 0, q1 = 0, q2 = 0, c = 0, d = 0; ///< and on R2 at q1 < q2
    int a1 = 0, a2 = 0, b1 = 0, b2 = 0;       ///< the derived numbers
    friend bool operator==(const CasoAmbo&, const CasoAmbo&) = default;
};

/// "Ambo uguale su 2 ruote": from `fine` back to `inizio`, every R1 (BA..VE) and R2 after it,
/// every pair of positions, in that order, up to `massimoCasi` cases.
std::vector<CasoAmbo> CercaAmbi(const Archivio& a, const FiltroAmbo& f, int inizio, int fine);

} // namespace strovel

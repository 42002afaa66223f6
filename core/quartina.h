#pragma once
// A quartina: an ambata (N1), its two ambo companions (N2, N3) and a fourth number (N4), played
// on one wheel. The checks every window makes of it against a draw live here: whether the play
// is positive, which of the four came out, the ambi and how many members came out together.

#include "core/insieme90.h"

#include <array>

namespace strovel {

struct Quartina {
    std::array<int, 4> numeri{}; ///< N1 (ambata), N2, N3 (ambi), N4; 0 for a missing number
    int ruota = 0;
    friend bool operator==(const Quartina&, const Quartina&) = default;
};

/// The four numbers as a set: a repeated number is one member, 0 none.
Insieme90 Membri(const std::array<int, 4>& numeri);

/// What one draw gave a quartina on its wheel.
struct ControlloQuartina {
    bool positivo = false;        ///< the ambata came out, or two members together
    std::array<bool, 4> usciti{}; ///< which of the four numbers came out
    bool ambata = false;          ///< N1 came out
    bool ambo1 = false;           ///< N1 and N2 together (N2 being another number)
    bool ambo2 = false;           ///< N1 and N3 together (N3 being another number)
    int insieme = 0;              ///< members out together, when 2 or more; otherwise 0
};
ControlloQuartina Controlla(const Insieme90& uscita, const std::array<int, 4>& numeri);

/// Which numbers of a quartina a verification counts.
struct SceltaVerifica {
    bool ambata = true;   ///< N1
    bool ambi = true;     ///< N2 and N3
    bool quartina = true; ///< N4
};
/// The numbers of q a verification with `scelta` looks for.
Insieme90 NumeriContati(const Quartina& q, const SceltaVerifica& scelta);

} // namespace strovel

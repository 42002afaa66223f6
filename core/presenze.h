#pragma once
// How a number has been coming out lately: presence counts over the last draws, and the last
// delays of a number on a set of wheels.

#include <array>

namespace strovel {

class Archivio;

/// conteggi[n][w]: how many times number n (1..90) came out on wheel w in the draws counted.
using Presenze = std::array<std::array<int, 11>, 91>;

/// The presences of draws riferimento - retro .. riferimento (draws outside the archive are
/// skipped).
Presenze ContaPresenze(const Archivio& a, int riferimento, int retro);

/// The last five delays of a number on the chosen wheels, counted back from `riferimento`.
struct UltimiRitardi {
    /// ritardi[0] is the current delay (draws since the last outcome), then the gaps between
    /// the earlier outcomes; only the first `trovati` are meaningful.
    std::array<int, 5> ritardi{};
    int trovati = 0;
    /// The outcome that ended ritardi[j] came on two or more of the chosen wheels at once.
    std::array<bool, 5> piuRuote{};
};
UltimiRitardi CalcolaUltimiRitardi(const Archivio& a, int riferimento,
                                   const std::array<bool, 11>& ruote, int numero);

} // namespace strovel

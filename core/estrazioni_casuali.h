#pragma once
// Random draws for the chance figures that are simulated: the same method on archives whose
// numbers are drawn at random (on the wheels that were drawn then), with a fixed seed so that
// the figures repeat.

#include <cstdint>
#include <random>

namespace strovel {

class Archivio;

/// The seed of every simulated chance figure.
inline constexpr std::uint64_t SemeSimulazioni = 0x5EED2026;

/// Five different numbers 1..90 on wheel `w` of draw `d`; the presence mask is not rebuilt.
void EstraiACaso(Archivio& a, int d, int w, std::mt19937_64& gen);

} // namespace strovel

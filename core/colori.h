#pragma once
// Fixed colours that windows use to mark cells and labels.

#include <cstdint>

namespace strovel {

struct Colore {
    std::uint8_t rosso = 0;
    std::uint8_t verde = 0;
    std::uint8_t blu = 0;

    /// 24-bit value with red in the low byte: red + 256 * green + 65536 * blue.
    constexpr std::uint32_t Valore() const { return rosso + 256u * verde + 65536u * blu; }
    friend constexpr bool operator==(const Colore&, const Colore&) = default;
};

inline constexpr Colore ColoreVerdeScuro{0, 128, 0};
inline constexpr Colore ColoreArancioChiaro{255, 192, 128};
inline constexpr Colore ColoreArancio{255, 128, 0};
inline constexpr Colore ColoreRossoChiaro{255, 128, 128};

/// Selected cell of a selection grid, and the unselected one.
inline constexpr Colore ColoreSelezione{0, 255, 0};
inline constexpr Colore ColoreBianco{255, 255, 255};
/// Wheel equal to the archive's in the update check; red text of a draw with errors.
inline constexpr Colore ColoreVerdeChiaro{128, 255, 128};
inline constexpr Colore ColoreRosso{255, 0, 0};
/// The plain face of buttons and fixed cells.
inline constexpr Colore ColoreBottone{240, 240, 240};
/// Malformed record in the update check: a violet no other mark uses.
inline constexpr Colore ColoreMalformato{216, 176, 255};

} // namespace strovel

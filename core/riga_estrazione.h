#pragma once
// One draw as the archive stores it: the date and one text per wheel.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strovel {

struct RigaEstrazione {
    /// dd/mm/yyyy
    std::string data;
    /// Wheel texts BA..NZ, "nn-nn-nn-nn-nn" ("00-00-00-00-00" for a wheel not drawn).
    std::array<std::string, 11> ruote;
    friend bool operator==(const RigaEstrazione&, const RigaEstrazione&) = default;
};

/// The text of a wheel: five two-digit numbers joined by "-".
std::string TestoRuota(const std::array<std::int16_t, 5>& numeri);
inline constexpr std::string_view RuotaNonEstratta = "00-00-00-00-00";

/// Checks a wheel text for a new archive: five two-digit numbers joined by "-", either all
/// 00 (wheel not drawn) or five different numbers 1..90. Returns the Italian reason when the
/// text is not acceptable.
std::optional<std::string> ErroreTestoRuota(std::string_view testo);

} // namespace strovel

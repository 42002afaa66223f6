#pragma once
// Decimal texts with one decimal digit, rounded half away from zero on the exact quotient.

#include <cstdint>
#include <string>

namespace strovel {

/// The quotient num / den with one decimal. `zeroIniziale` gives "0.5" ("0.0", "##0.0"),
/// without it ".5" ("#.0", "##.0"). A zero denominator gives an empty text.
std::string Decimale(std::int64_t num, std::int64_t den, bool zeroIniziale = true);

} // namespace strovel

#pragma once
// Decoding of a stored wheel text into its five numbers.

#include <array>
#include <cstdint>
#include <string_view>

namespace strovel {

/// Reads a piece of text as a decimal number from its start: blanks are skipped, an optional
/// sign is taken, then digits up to the first other character. No digit gives 0.
std::int16_t LeggiNumero(std::string_view pezzo);

/// The five numbers of a wheel text, taken from fixed character positions 1-2, 4-5, 7-8,
/// 10-11 and 13-14. Separators are never looked at and the text is not validated: a missing
/// or non-numeric piece gives 0, so "5-18-33-71-90" gives 5, 8, 3, 1, 0.
std::array<std::int16_t, 5> DecodificaRuota(std::string_view testo);

} // namespace strovel

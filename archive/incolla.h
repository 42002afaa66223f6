#pragma once
// Reading a pasted draw: the numbers of a text, in order.

#include <string_view>
#include <vector>

namespace strovel {

inline constexpr int NumeroCaselle = 55;

/// The numbers of `testo`: runs of digits, each ended by the next character that is not a
/// digit or by the end of the text (so a last number with nothing after it is taken too).
/// Only the first 55 are kept: numbers past the 55th have no box and are ignored.
std::vector<int> NumeriIncollati(std::string_view testo);

} // namespace strovel

#pragma once
// A deterministic synthetic archive for newcomers, demos and tests.

#include "core/riga_estrazione.h"

#include <cstdint>
#include <vector>

namespace strovel {

inline constexpr int EstrazioniDemoPredefinite = 2000;
inline constexpr std::uint64_t SemeDemoPredefinito = 2026;

/// `estrazioni` draws (1..9999) on Tuesdays, Thursdays and Saturdays, the last on Tuesday
/// 30/12/2025, every wheel Nazionale included holding five different numbers 1..90. The same
/// seed always gives the same draws, on every machine.
std::vector<RigaEstrazione> GeneraArchivioDemo(int estrazioni, std::uint64_t seme);

} // namespace strovel

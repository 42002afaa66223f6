#pragma once
// Archives in memory made of random draws, for comparing computations with their oracles.

#include "core/archivio.h"

#include <cstdint>
#include <memory>

namespace strovel::test {

/// `n` draws on consecutive days from 01/01/1990; every wheel holds five different numbers
/// 1..90, except the Nazionale, which is not drawn (zeros) in the first third.
std::unique_ptr<Archivio> ArchivioCasuale(int n, std::uint64_t seme);

} // namespace strovel::test

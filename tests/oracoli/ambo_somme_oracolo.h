#pragma once
// The search of the ambo by sums and differences in the loops of its description: the test
// oracle of the per-draw table search.

#include "methods/ambo_somme.h"

namespace strovel::oracolo {

std::vector<CasoAmbo> CercaAmbi(const Archivio& a, const FiltroAmbo& f, int inizio, int fine);

} // namespace strovel::oracolo

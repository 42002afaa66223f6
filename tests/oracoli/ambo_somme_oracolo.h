#pragma once
// The search and the play of the ambo by sums and differences in plain loops: the test oracles
// of the per-draw table search and of the mask play.

#include "methods/ambo_somme/ambo_somme.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"

namespace strovel::oracolo {

std::vector<CasoAmbo> CercaAmbi(const Archivio& a, const FiltroAmbo& f, int inizio, int fine);

/// The play of a case read number by number from the draws.
EsitoAmbo GiocaAmbo(const Archivio& a, const CasoAmbo& c, const OpzioniGiocoAmbo& o);

} // namespace strovel::oracolo

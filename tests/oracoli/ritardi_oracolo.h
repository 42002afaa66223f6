#pragma once
// The delay sequences walked number by number and draw by draw, as described: the test oracle
// of the one-pass scans.

#include "methods/ritardi/ritardi_sequenza.h"

namespace strovel::oracolo {

/// "PRESENZE" (periodo false, k 0 = no limit) or "PERIODO" (periodo true).
std::vector<SequenzaNumero> Sequenze(const Archivio& a, const ParametriSequenza& p, int k,
                                     bool periodo);

} // namespace strovel::oracolo

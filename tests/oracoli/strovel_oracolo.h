#pragma once
// The Strovel run written line by line from its description, with no shortcut: the test
// oracle of the fast computation, and the baseline of its benchmark.

#include "cycles/strovel/strovel.h"

namespace strovel::oracolo {

EsitoStrovel ElaboraStrovel(const Archivio& a, const ParametriStrovel& p, bool ordinaPerRitardo);
/// The formula search alone, over an empty list of p.elenco rows.
std::vector<RigaFormula> CercaFormule(const Archivio& a, const ParametriStrovel& p,
                                      const std::vector<Ciclo>& cicli);
EsitoStrovel EsaminaTutteLeOperazioni(const Archivio& a, const ParametriStrovel& p,
                                      bool ordinaPerRitardo);

} // namespace strovel::oracolo

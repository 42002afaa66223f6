#pragma once
// The dynamic ambata and the spy quintet written line by line from their description, reading
// the drawn numbers one position at a time: the test oracles of the fast computations.

#include "methods/ambata/ambata_dinamica.h"
#include "methods/spia/cinquina_spiona.h"

#include <string>
#include <vector>

namespace strovel::oracolo {

/// RILEVAZIONE, CONFIGURA and ELABORA: the texts of every case row (35 columns) and the four
/// summary counts.
struct AmbataOracolo {
    std::vector<std::vector<std::string>> righe;
    int casi = 0, positivi = 0, negativi = 0, inGioco = 0;
};
AmbataOracolo AmbataDinamica(const Archivio& a, const ParametriAmbata& p);

/// ELABORA of the spy quintet: per number 1..90 its "CC", "Pres" and "Delta statistico" texts
/// (index 0 unused), and the span.
struct CinquinaOracolo {
    std::vector<std::array<std::string, 3>> numeri;
    int span = 0;
    int casi = 0;
};
CinquinaOracolo CinquinaSpiona(const Archivio& a, const ParametriCinquina& p);

} // namespace strovel::oracolo

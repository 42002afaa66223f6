#pragma once
// The second cycle module's "RILEVA CICLI" and "ELABORA" written line by line from their
// description, on grids of texts: the test oracle of the fast computation.

#include "cycles/modulo2/ciclo2.h"

#include <string>
#include <vector>

namespace strovel::oracolo {

/// A grid as texts: the header row first.
using Griglia = std::vector<std::vector<std::string>>;

struct GriglieRilevazione {
    Griglia fgCicli, fgMax, fgB1;
};
GriglieRilevazione RilevaCicli2(const Archivio& a, const ParametriCiclo2& p);

/// FgAA and FgStat after "ELABORA" over the cycle grid `fgCicli`.
struct GriglieElabora {
    Griglia fgAA, fgStat;
};
GriglieElabora Elabora2(const Archivio& a, const ParametriCiclo2& p, const Griglia& fgCicli,
                        const std::vector<InsiemePrevisione>& insiemi);

/// "AMBI": for every ambo of `numeri`, its cycles and its times out, counted draw by draw.
struct AmboContato {
    int n1, n2, cc, ne;
};
std::vector<AmboContato> AmbiCicli2(const Archivio& a, const ParametriCiclo2& p,
                                    const Griglia& fgCicli, const std::vector<int>& numeri);

} // namespace strovel::oracolo

namespace strovel::oracolo {

/// "ELABORA" of the ambo cycle window, step by step on a grid of texts: Fg1 (header first).
Griglia ElaboraAmbiCicli(const Archivio& a, int riferimento, int cicli, int durata,
                         const std::array<bool, 11>& ruote, const std::array<bool, 91>& scelti,
                         bool decrescente);
/// "Elabora 2 ambi" / "Elabora 3 ambi" over the Fg1 texts: FG9's columns 1..7 (no header).
Griglia GruppiAmbiCicli(const Griglia& fg1, int membri);

} // namespace strovel::oracolo

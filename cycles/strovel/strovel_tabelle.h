#pragma once
// The Strovel module's results as the grids show them.

#include "core/tabella.h"
#include "cycles/strovel/strovel.h"

#include <string>

namespace strovel {

class Archivio;

inline constexpr const char* IntestazioneCicli =
    "N C|Inizio |Data inizio      |Fine |Data Fine      |Consid|Data considera|Inizio gioco";
inline constexpr const char* IntestazioneFormule =
    "  |R1||E1|Val|Op|R2|r|R3|r|P1  |P2  |AAA|AB1|AB2|ABQ|1   |AB1|AB2|Q   |S Rit|UP";
inline constexpr const char* IntestazionePrevisioni = "|RU |Num|PR|Rit ";

/// FgX: one row per cycle, most recent first.
Tabella TabellaCicli(const Archivio& a, const std::vector<Ciclo>& cicli);
/// FgY: the formula list, columns 0..21; the forecast numbers that came out after the
/// reference are marked. With `colonne` < 22 the last columns are left out.
Tabella TabellaFormule(const std::vector<RigaFormula>& righe, int colonne = 22);
/// Fg4: the forecast tally.
/// FgE: the 55 numbers of draw k, a row per wheel.
Tabella TabellaEstrazione(const Archivio& a, int k);
/// "k del dd/mm/yyyy".
std::string DidascaliaEstrazione(const Archivio& a, int k);
Tabella TabellaPrevisioniStrovel(const std::vector<RigaPrevisione>& previsioni);

} // namespace strovel

#pragma once
// A dynamic ambata configuration as the window holds it, to and from a stored row of
// Ambatadinamica.

#include "methods/ambata/ambata_dinamica.h"
#include "storage/configurazioni_ambata.h"

#include <optional>
#include <string_view>

namespace strovel {

class Archivio;

/// What the window holds: the parameters, the spy as typed and the green Matrice cell.
struct StatoAmbata {
    ParametriAmbata parametri;
    QString spia;    ///< the spy number as typed
    int matrice = 1; ///< 1..5
};

/// The spy number as the window reads it: the leading number of the text (blanks before it
/// skipped, a decimal point allowed), rounded to the nearest integer; 0 when there is none.
int LeggiSpia(std::string_view testo);

/// The spy number of a text that is a number and nothing else (blanks around it, a decimal point
/// allowed, rounded), when it lies in 1..90; nothing for "abc", "1e5", 0 or 91. What RILEVAZIONE
/// and SALVA accept.
std::optional<int> SpiaAmmessa(std::string_view testo);
inline constexpr const char* MessaggioSpia =
    "Attenzione ! il numero spia deve essere un numero da 1 a 90.";

/// The index in archive `in` of the draw `k` of archive `da` (the same date): how a draw of a
/// window filtered by "Giorni e mesi" is named in the whole archive, and back. 0 when `in` does
/// not hold that draw.
int StessaEstrazione(const Archivio& da, int k, const Archivio& in);

/// The row SALVA stores under `nome`.
ConfigurazioneAmbata Configurazione(const QString& nome, const StatoAmbata& s);

/// The window's state from a stored row, or nothing when the row does not fit this archive
/// and these lists (an analysis end outside the archive, a value no list offers, a flag text
/// of the wrong length, an unknown wheel code, a spy outside 1..90, no reference row).
std::optional<StatoAmbata> StatoDaConfigurazione(const ConfigurazioneAmbata& c, const Archivio& a);

} // namespace strovel

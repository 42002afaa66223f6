#pragma once
// The weekday calendar of a year: one row per month with draws, one column per day number
// that occurs, each cell the weekday of that draw (1 = Sunday .. 7 = Saturday) or its letter.

#include "core/tabella.h"

#include <optional>
#include <string>

namespace strovel {

class DatabaseArchivio;

/// Weekday number 1 = Sunday .. 7 = Saturday, and its letter D L M m G V S.
inline constexpr const char* LettereGiorni[] = {"", "D", "L", "M", "m", "G", "V", "S"};

/// The calendar of `anno`, read from the view Query_AAMMGG and pivoted by day. Columns: the
/// fixed first column, "A", "M", then the day numbers. Nothing when the view cannot be read.
std::optional<Tabella> CalendarioAnno(const DatabaseArchivio& db, int anno, bool lettere);

/// The date text dd/mm/yyyy of a calendar cell, or nothing for a column that is not a day.
std::optional<std::string> DataDellaCella(const Tabella& calendario, std::size_t riga,
                                          std::size_t colonna);

} // namespace strovel

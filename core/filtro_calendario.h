#pragma once
// Draws chosen by weekday and month: a filter a window or a command applies before it lays its
// cycles or cases, and the archive of the draws it keeps.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace strovel {

class Archivio;

struct FiltroCalendario {
    std::array<bool, 7> giorni{}; ///< Monday .. Sunday; none ticked: every day
    std::array<bool, 12> mesi{};  ///< January .. December; none ticked: every month

    /// Whether it leaves out any draw: some day or some month ticked, not all of them.
    bool Attivo() const;
    /// The same filter with a group of all boxes ticked written as none ticked: two filters that
    /// keep the same draws are then equal.
    FiltroCalendario Normalizzato() const;
    /// Whether a draw dated `data` (dd/mm/yyyy) passes; a date that cannot be read does not
    /// pass an active filter.
    bool Ammette(std::string_view data) const;
    friend bool operator==(const FiltroCalendario&, const FiltroCalendario&) = default;
};

/// "lunedì" .. "domenica" (1..7) and "gennaio" .. "dicembre" (1..12).
std::string_view NomeGiorno(int giorno);
std::string_view NomeMese(int mese);

/// The filter in words for a caption: "sabato; gennaio, febbraio", "martedì, sabato" or
/// "dicembre"; empty when it is not active.
std::string DescriviFiltro(const FiltroCalendario& f);

/// Reads a list of days ("sab", "mar,gio,sab", "6", full names, any case) into `giorni`, or of
/// months ("gen,dic", "1-3", full names) into `mesi`: items separated by commas, a range of
/// numbers with "-". Nothing when an item is not a day (month).
std::optional<std::array<bool, 7>> LeggiGiorni(std::string_view testo);
std::optional<std::array<bool, 12>> LeggiMesi(std::string_view testo);

/// The archive of the draws the filter lets through, in their order and numbered again from 1:
/// numbers and dates kept, the progressive numbers in the month and year counted again over the
/// kept draws, the analysis range ending at the last kept draw of the original range, the model
/// list made of the kept draws of the original one.
Archivio FiltraArchivio(const Archivio& a, const FiltroCalendario& f);

} // namespace strovel

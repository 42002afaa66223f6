#pragma once
// Calendar dates and their two texts: dd/mm/yyyy (shown and compared) and yyyy-mm-dd (stored).

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strovel {

struct Data {
    int giorno = 1;
    int mese = 1;
    int anno = 1;
    friend constexpr bool operator==(const Data&, const Data&) = default;
    /// Calendar order: year, then month, then day.
    friend constexpr auto operator<=>(const Data& a, const Data& b) {
        if (const auto c = a.anno <=> b.anno; c != 0) {
            return c;
        }
        if (const auto c = a.mese <=> b.mese; c != 0) {
            return c;
        }
        return a.giorno <=> b.giorno;
    }
};

bool DataValida(const Data& d);

/// Reads a day/month/year text: day and month of one or two digits, a four-digit year,
/// separated by "/", "-" or "."; the date must exist in the calendar.
std::optional<Data> LeggiData(std::string_view testo);
/// Reads the stored form yyyy-mm-dd.
std::optional<Data> LeggiDataIso(std::string_view testo);

/// dd/mm/yyyy with two, two and four digits.
std::string TestoData(const Data& d);
/// yyyy-mm-dd.
std::string TestoIso(const Data& d);

/// Days since 1970-01-01 (negative before).
std::int64_t NumeroGiorno(const Data& d);
Data DataDaNumeroGiorno(std::int64_t giorni);
/// 1 = Monday .. 7 = Sunday.
int GiornoSettimana(const Data& d);

} // namespace strovel

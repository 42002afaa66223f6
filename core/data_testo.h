#pragma once
// Calendar dates and their two texts: dd/mm/yyyy (shown and compared) and yyyy-mm-dd (stored).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strovel {

struct Data {
    int giorno = 1;
    int mese = 1;
    int anno = 1;
    friend constexpr auto operator<=>(const Data&, const Data&) = default;
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

#include "core/data_testo.h"

#include <cstdio>

namespace strovel {

namespace {

bool Bisestile(int anno) {
    return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
}

int GiorniMese(int anno, int mese) {
    static constexpr int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mese == 2 && Bisestile(anno) ? 29 : giorni[mese - 1];
}

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

/// Reads 1..maxCifre digits at `pos`, advancing it.
std::optional<int> LeggiCifre(std::string_view t, std::size_t& pos, std::size_t minCifre,
                              std::size_t maxCifre) {
    std::size_t n = 0;
    int valore = 0;
    while (pos < t.size() && n < maxCifre && Cifra(t[pos])) {
        valore = valore * 10 + (t[pos] - '0');
        ++pos;
        ++n;
    }
    if (n < minCifre) {
        return std::nullopt;
    }
    return valore;
}

bool Separatore(char c) {
    return c == '/' || c == '-' || c == '.';
}

} // namespace

bool DataValida(const Data& d) {
    return d.anno >= 1 && d.anno <= 9999 && d.mese >= 1 && d.mese <= 12 && d.giorno >= 1 &&
           d.giorno <= GiorniMese(d.anno, d.mese);
}

std::optional<Data> LeggiData(std::string_view testo) {
    std::size_t pos = 0;
    const auto g = LeggiCifre(testo, pos, 1, 2);
    if (!g || pos >= testo.size() || !Separatore(testo[pos])) {
        return std::nullopt;
    }
    const char sep = testo[pos++];
    const auto m = LeggiCifre(testo, pos, 1, 2);
    if (!m || pos >= testo.size() || testo[pos] != sep) {
        return std::nullopt;
    }
    ++pos;
    const auto a = LeggiCifre(testo, pos, 4, 4);
    if (!a || pos != testo.size()) {
        return std::nullopt;
    }
    const Data d{*g, *m, *a};
    if (!DataValida(d)) {
        return std::nullopt;
    }
    return d;
}

std::optional<Data> LeggiDataIso(std::string_view testo) {
    if (testo.size() != 10 || testo[4] != '-' || testo[7] != '-') {
        return std::nullopt;
    }
    std::size_t pos = 0;
    const auto a = LeggiCifre(testo, pos, 4, 4);
    pos = 5;
    const auto m = LeggiCifre(testo, pos, 2, 2);
    pos = 8;
    const auto g = LeggiCifre(testo, pos, 2, 2);
    if (!a || !m || !g) {
        return std::nullopt;
    }
    const Data d{*g, *m, *a};
    if (!DataValida(d)) {
        return std::nullopt;
    }
    return d;
}

std::string TestoData(const Data& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.giorno, d.mese, d.anno);
    return buf;
}

std::string TestoIso(const Data& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.anno, d.mese, d.giorno);
    return buf;
}

// Days from civil and back (proleptic Gregorian calendar).
std::int64_t NumeroGiorno(const Data& d) {
    const std::int64_t y = d.anno - (d.mese <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.mese + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.giorno - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Data DataDaNumeroGiorno(std::int64_t giorni) {
    const std::int64_t z = giorni + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int giorno = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int mese = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int anno = static_cast<int>(yoe + era * 400 + (mese <= 2 ? 1 : 0));
    return Data{giorno, mese, anno};
}

int GiornoSettimana(const Data& d) {
    // 1970-01-01 was a Thursday (4).
    const std::int64_t n = NumeroGiorno(d);
    const std::int64_t w = ((n % 7) + 7 + 3) % 7; // 0 = Monday
    return static_cast<int>(w) + 1;
}

} // namespace strovel

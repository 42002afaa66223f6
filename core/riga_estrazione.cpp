#include "core/riga_estrazione.h"

#include <cstdio>

namespace strovel {

std::string TestoRuota(const std::array<std::int16_t, 5>& numeri) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%02d-%02d-%02d", numeri[0], numeri[1], numeri[2],
                  numeri[3], numeri[4]);
    return buf;
}

std::optional<std::string> ErroreTestoRuota(std::string_view testo) {
    std::string citato(1, '"');
    citato.append(testo);
    citato.push_back('"');
    if (testo.size() != 14) {
        return "la ruota " + citato + " non ha 14 caratteri";
    }
    std::array<int, 5> numeri{};
    for (std::size_t p = 0; p < 5; ++p) {
        const char a = testo[3 * p];
        const char b = testo[3 * p + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9' || (p < 4 && testo[3 * p + 2] != '-')) {
            return "la ruota " + citato + " non è nel formato nn-nn-nn-nn-nn";
        }
        numeri[p] = (a - '0') * 10 + (b - '0');
    }
    if (testo == RuotaNonEstratta) {
        return std::nullopt;
    }
    for (std::size_t p = 0; p < 5; ++p) {
        if (numeri[p] < 1 || numeri[p] > 90) {
            return "la ruota " + citato + " contiene un numero fuori dall'intervallo 1-90";
        }
        for (std::size_t q = 0; q < p; ++q) {
            if (numeri[p] == numeri[q]) {
                return "la ruota " + citato + " contiene due volte il numero " +
                       std::to_string(numeri[p]);
            }
        }
    }
    return std::nullopt;
}

} // namespace strovel

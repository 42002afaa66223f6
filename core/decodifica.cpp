#include "core/decodifica.h"

namespace strovel {

std::int16_t LeggiNumero(std::string_view pezzo) {
    std::size_t pos = 0;
    auto saltaSpazi = [&] {
        while (pos < pezzo.size() && (pezzo[pos] == ' ' || pezzo[pos] == '\t')) {
            ++pos;
        }
    };
    saltaSpazi();
    bool negativo = false;
    if (pos < pezzo.size() && (pezzo[pos] == '-' || pezzo[pos] == '+')) {
        negativo = pezzo[pos] == '-';
        ++pos;
    }
    int valore = 0;
    for (;;) {
        saltaSpazi();
        if (pos >= pezzo.size() || pezzo[pos] < '0' || pezzo[pos] > '9') {
            break;
        }
        valore = valore * 10 + (pezzo[pos] - '0');
        ++pos;
    }
    return static_cast<std::int16_t>(negativo ? -valore : valore);
}

std::array<std::int16_t, 5> DecodificaRuota(std::string_view testo) {
    std::array<std::int16_t, 5> numeri{};
    for (std::size_t p = 0; p < 5; ++p) {
        const std::size_t inizio = 3 * p;
        if (inizio < testo.size()) {
            numeri[p] = LeggiNumero(testo.substr(inizio, 2));
        }
    }
    return numeri;
}

} // namespace strovel

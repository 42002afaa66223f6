#include "core/formato.h"

namespace strovel {

std::string Decimale(std::int64_t num, std::int64_t den, bool zeroIniziale) {
    if (den == 0) {
        return {};
    }
    const bool negativo = (num < 0) != (den < 0) && num != 0;
    const std::int64_t n = num < 0 ? -num : num;
    const std::int64_t d = den < 0 ? -den : den;
    // Tenths, rounded half away from zero: floor((20n + d) / 2d).
    const std::int64_t decimi = (20 * n + d) / (2 * d);
    std::string intero = std::to_string(decimi / 10);
    if (intero == "0" && !zeroIniziale) {
        intero.clear();
    }
    std::string testo = intero + "." + std::to_string(decimi % 10);
    if (negativo && decimi != 0) {
        testo = "-" + testo;
    }
    return testo;
}

} // namespace strovel

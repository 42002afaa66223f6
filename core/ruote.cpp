#include "core/ruote.h"

namespace strovel {

int CercaRuota(std::string& codice) {
    for (char& c : codice) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (codice.size() < 2) {
        return -1;
    }
    const std::string_view prefisso(codice.data(), 2);
    for (int r = 0; r < NumRuote; ++r) {
        if (SigleRuote[static_cast<std::size_t>(r)] == prefisso) {
            return r;
        }
    }
    return -1;
}

} // namespace strovel

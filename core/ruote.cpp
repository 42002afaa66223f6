#include "core/ruote.h"

#include <algorithm>

namespace strovel {

std::string DescriviRuote(const std::array<bool, NumRuote>& ruote) {
    const auto quante = std::count(ruote.begin(), ruote.end(), true);
    if (quante == NumRuote) {
        return "tutte le ruote";
    }
    if (quante == 0) {
        return "nessuna ruota";
    }
    std::string testo;
    for (int w = 0; w < NumRuote; ++w) {
        if (ruote[static_cast<std::size_t>(w)]) {
            testo += (testo.empty() ? "" : " ") + Sigla(w);
        }
    }
    return testo;
}

std::string DescriviSelezione(const std::array<bool, NumRuote>& ruote,
                              const std::array<bool, NumPosizioni>& posizioni) {
    std::string testo = DescriviRuote(ruote);
    const auto quante = std::count(posizioni.begin(), posizioni.end(), true);
    if (quante == NumPosizioni) {
        return testo + ", tutte le posizioni";
    }
    if (quante == 0) {
        return testo + ", nessuna posizione";
    }
    testo += quante == 1 ? ", posizione" : ", posizioni";
    for (int p = 1; p <= NumPosizioni; ++p) {
        if (posizioni[static_cast<std::size_t>(p - 1)]) {
            testo += " " + std::to_string(p);
        }
    }
    return testo;
}

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

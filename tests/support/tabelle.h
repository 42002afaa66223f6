#pragma once
// The texts of a table row, so that a row (or part of one) is checked in one assertion.

#include "core/tabella.h"

#include <algorithm>
#include <string>
#include <vector>

namespace strovel::test {

/// The texts of `riga`'s cells from column `da`, `quante` of them (all the rest by default).
inline std::vector<std::string> Testi(const std::vector<Cella>& riga, std::size_t da = 0,
                                      std::size_t quante = std::string::npos) {
    std::vector<std::string> t;
    for (std::size_t c = da; c < riga.size() && c - da < quante; ++c) {
        t.push_back(riga[c].testo);
    }
    return t;
}

/// The texts of column `colonna` of every row of `t`.
inline std::vector<std::string> Colonna(const Tabella& t, std::size_t colonna) {
    std::vector<std::string> c;
    for (const auto& riga : t.righe) {
        c.push_back(colonna < riga.size() ? riga[colonna].testo : std::string());
    }
    return c;
}

using Righe = std::vector<std::string>;

} // namespace strovel::test

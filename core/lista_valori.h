#pragma once
// A numeric parameter of an analysis, described once next to its computation: its items (from
// `da` to `a` in steps of `passo`), its default, its caption and its command-line option. The
// window's drop-down list and its label, and the command's option with its help, are all made
// from this one description.

#include <string>
#include <vector>

namespace strovel {

struct ListaValori {
    int da = 0;
    int a = 0;
    int passo = 1;
    int predefinito = 0;
    const char* opzione = nullptr;    ///< the command-line option, "durata"
    const char* didascalia = nullptr; ///< the caption, as the window's label shows it
    const char* segnaposto = "N";     ///< the option's value in the usage line

    /// Whether `v` is one of the list's items.
    constexpr bool Ammesso(int v) const { return v >= da && v <= a && (v - da) % passo == 0; }
    /// The items in order.
    std::vector<int> Voci() const {
        std::vector<int> voci;
        for (int v = da; v <= a; v += passo) {
            voci.push_back(v);
        }
        return voci;
    }
    /// Position of the default among the items.
    constexpr int IndicePredefinito() const { return (predefinito - da) / passo; }
    /// The items in words, for a message: "da 1 a 50", or "20, 30, ..., 100" with steps.
    std::string Descrizione() const {
        if (passo == 1) {
            return "da " + std::to_string(da) + " a " + std::to_string(a);
        }
        return std::to_string(da) + ", " + std::to_string(da + passo) + ", ..., " +
               std::to_string(a);
    }
};

} // namespace strovel

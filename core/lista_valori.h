#pragma once
// The choices of a numeric parameter list (a drop-down list of a window, an option of the
// command line): from `da` to `a` in steps of `passo`, with its default. Defined once next to
// the computation, read by the window and by the command line alike.

#include <string>
#include <vector>

namespace strovel {

struct ListaValori {
    int da = 0;
    int a = 0;
    int passo = 1;
    int predefinito = 0;

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

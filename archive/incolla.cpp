#include "archive/incolla.h"

namespace strovel {

std::vector<int> NumeriIncollati(std::string_view testo) {
    std::vector<int> numeri;
    int valore = 0;
    bool inNumero = false;
    for (std::size_t k = 0; k <= testo.size(); ++k) {
        const bool cifra = k < testo.size() && testo[k] >= '0' && testo[k] <= '9';
        if (cifra) {
            // Long runs are capped: they are not Lotto numbers and must not overflow.
            valore = valore < 100000 ? valore * 10 + (testo[k] - '0') : valore;
            inNumero = true;
        } else if (inNumero) {
            if (static_cast<int>(numeri.size()) < NumeroCaselle) {
                numeri.push_back(valore);
            }
            valore = 0;
            inNumero = false;
        }
    }
    return numeri;
}

} // namespace strovel

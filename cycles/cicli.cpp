#include "cycles/cicli.h"

#include <algorithm>

namespace strovel {

std::vector<Ciclo> CostruisciCicli(int riferimento, int cicli, int durata, int considera,
                                   int salto) {
    std::vector<Ciclo> risultato;
    const int passo = salto + durata;
    int c = 0;
    for (int i = riferimento; i >= 1; i -= passo) {
        ++c;
        if (c > cicli) {
            break;
        }
        Ciclo ciclo;
        ciclo.numero = c;
        ciclo.inizio = i - salto - durata + 1;
        ciclo.fine = i - salto;
        ciclo.considerata = i - durata + considera;
        ciclo.inizioGioco = i - salto + 1;
        // A cycle whose first draw would fall before draw 1 is not laid, nor any older one.
        if (ciclo.inizio < 1) {
            break;
        }
        risultato.push_back(ciclo);
    }
    return risultato;
}

Finestra FinestraDiGioco(const Ciclo& c, int colpi, int totEstrazioni, int riferimento, bool stop) {
    Finestra w;
    w.prima = c.inizioGioco;
    w.ultima = std::min(c.inizioGioco + colpi - 1, totEstrazioni);
    if (stop) {
        w.ultima = std::min(w.ultima, riferimento);
    }
    return w;
}

} // namespace strovel

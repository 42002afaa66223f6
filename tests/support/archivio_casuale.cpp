#include "tests/support/archivio_casuale.h"

#include "core/data_testo.h"

#include <random>

namespace strovel::test {

std::unique_ptr<Archivio> ArchivioCasuale(int n, std::uint64_t seme) {
    auto a = std::make_unique<Archivio>();
    std::mt19937_64 gen(seme);
    const auto inizio = NumeroGiorno(Data{1, 1, 1990});
    for (int i = 1; i <= n; ++i) {
        a->DateEstrazioni[static_cast<std::size_t>(i)] = TestoData(DataDaNumeroGiorno(inizio + i));
        for (int r = 0; r < 11; ++r) {
            if (r == 10 && i <= n / 3) {
                continue;
            }
            int urna[90];
            for (int k = 0; k < 90; ++k) {
                urna[k] = k + 1;
            }
            for (int p = 0; p < 5; ++p) {
                const int j = p + static_cast<int>(gen() % static_cast<std::uint64_t>(90 - p));
                std::swap(urna[p], urna[j]);
                a->Estratti(i, r, p + 1) = static_cast<std::int16_t>(urna[p]);
            }
        }
    }
    a->TotEstrazioni = static_cast<std::int16_t>(n);
    a->UltimaEstrazione = a->TotEstrazioni;
    a->NumEstrazioniAnalisi = a->TotEstrazioni;
    a->CalcolaProgressivi();
    a->ModelloIdentita();
    a->CostruisciPresenze();
    return a;
}

} // namespace strovel::test

#include "core/archivio.h"

#include "core/ruote.h"

#include <algorithm>

namespace strovel {

namespace {

constexpr std::size_t Righe = TabellaEstratti::Estrazioni;

int DueCifre(const std::string& testo, std::size_t da) {
    if (testo.size() < da + 2) {
        return -1;
    }
    return (testo[da] - '0') * 10 + (testo[da + 1] - '0');
}

int Anno(const std::string& data) {
    if (data.size() < 10) {
        return -1;
    }
    return DueCifre(data, 6) * 100 + DueCifre(data, 8);
}

} // namespace

void TabellaEstratti::Azzera() {
    std::fill(dati_.begin(), dati_.end(), std::int16_t{0});
}

Archivio::Archivio()
    : DateEstrazioni(Righe), ProgressivoAnno(Righe, 0), ProgressivoMese(Righe, 0),
      IndiciModello(1, 0), presenze_(2 * Righe * 11, 0) {}

void Archivio::IndiceRuota(std::string& codice) {
    const int r = CercaRuota(codice);
    if (r >= 0) {
        RuotaCorrente = static_cast<std::int16_t>(r);
    }
}

std::int16_t Archivio::IndiceModello(int k) const {
    if (NumIndiciModello < 1) {
        return 0;
    }
    return IndiciModello[static_cast<std::size_t>(std::clamp(k, 1, int{NumIndiciModello}))];
}

void Archivio::CalcolaProgressivi() {
    if (TotEstrazioni < 1) {
        return;
    }
    // Only the month number is compared for the monthly counter, only the year for the
    // yearly one: the two counters restart independently.
    int meseRicordato = DueCifre(DateEstrazioni[1], 3);
    int annoRicordato = Anno(DateEstrazioni[1]);
    ProgressivoMese[1] = 1;
    ProgressivoAnno[1] = 1;
    for (std::size_t i = 2; i <= static_cast<std::size_t>(TotEstrazioni); ++i) {
        const int mese = DueCifre(DateEstrazioni[i], 3);
        if (mese != meseRicordato) {
            ProgressivoMese[i] = 1;
            meseRicordato = mese;
        } else {
            ProgressivoMese[i] = static_cast<std::int16_t>(ProgressivoMese[i - 1] + 1);
        }
        const int anno = Anno(DateEstrazioni[i]);
        if (anno != annoRicordato) {
            ProgressivoAnno[i] = 1;
            annoRicordato = anno;
        } else {
            ProgressivoAnno[i] = static_cast<std::int16_t>(ProgressivoAnno[i - 1] + 1);
        }
    }
}

void Archivio::ModelloIdentita() {
    IndiciModello.assign(static_cast<std::size_t>(TotEstrazioni) + 1, 0);
    for (int k = 1; k <= TotEstrazioni; ++k) {
        IndiciModello[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k);
    }
    NumIndiciModello = TotEstrazioni;
}

bool Archivio::ModelloDaEstrazioneIniziale(int estrazioneIniziale) {
    if (estrazioneIniziale < 1 || estrazioneIniziale > TotEstrazioni) {
        return false;
    }
    std::vector<std::int16_t> lista(1, 0);
    lista.reserve(static_cast<std::size_t>(TotEstrazioni) + 1);
    for (int d = estrazioneIniziale; d <= TotEstrazioni; ++d) {
        lista.push_back(static_cast<std::int16_t>(d));
    }
    NumIndiciModello = static_cast<std::int16_t>(lista.size() - 1);
    IndiciModello = std::move(lista);
    return true;
}

Archivio Archivio::FinoA(int ultima) const {
    Archivio a = *this;
    ultima = std::clamp(ultima, 0, static_cast<int>(TotEstrazioni));
    for (int r = 0; r < NumRuote; ++r) {
        for (int p = 1; p <= NumPosizioni; ++p) {
            for (int i = ultima + 1; i <= TotEstrazioni; ++i) {
                a.Estratti(i, r, p) = 0;
            }
        }
    }
    for (int i = ultima + 1; i <= TotEstrazioni; ++i) {
        a.DateEstrazioni[static_cast<std::size_t>(i)].clear();
    }
    a.TotEstrazioni = static_cast<std::int16_t>(ultima);
    a.UltimaEstrazione = std::min(a.UltimaEstrazione, a.TotEstrazioni);
    a.NumEstrazioniAnalisi = std::min(a.NumEstrazioniAnalisi, a.TotEstrazioni);
    // The model list keeps its entries up to the last draw kept.
    a.IndiciModello.assign(1, 0);
    for (int k = 1; k <= NumIndiciModello; ++k) {
        const int i = IndiciModello[static_cast<std::size_t>(k)];
        if (i >= 1 && i <= ultima) {
            a.IndiciModello.push_back(static_cast<std::int16_t>(i));
        }
    }
    a.NumIndiciModello = static_cast<std::int16_t>(a.IndiciModello.size() - 1);
    a.CostruisciPresenze();
    return a;
}

void Archivio::CostruisciPresenze() {
    // Past the last draw nothing is present (a cut archive keeps no trace of later draws).
    std::fill(presenze_.begin(), presenze_.end(), std::uint64_t{0});
    for (int i = 0; i <= TotEstrazioni; ++i) {
        for (int r = 0; r < NumRuote; ++r) {
            AggiornaPresenze(i, r);
        }
    }
}

void Archivio::AggiornaPresenze(int i, int r) {
    std::uint64_t* m = &presenze_[Slot(i, r)];
    m[0] = 0;
    m[1] = 0;
    for (int p = 1; p <= NumPosizioni; ++p) {
        const int n = Estratti(i, r, p);
        if (n >= 1 && n <= 90) {
            const int bit = n - 1;
            if (bit < 64) {
                m[0] |= std::uint64_t{1} << bit;
            } else {
                m[1] |= std::uint64_t{1} << (bit - 64);
            }
        }
    }
}

} // namespace strovel

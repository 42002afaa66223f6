#include "core/intervallo.h"

#include "core/archivio.h"
#include "core/data_testo.h"

#include <algorithm>

namespace strovel {

int MassimoPosizioni(const Archivio& a) {
    return std::min<int>(a.NumEstrazioniAnalisi, a.NumIndiciModello);
}

std::optional<int> IndiceDigitato(std::string_view risposta, int minimo, int massimo) {
    std::size_t inizio = risposta.find_first_not_of(" \t");
    std::size_t fine = risposta.find_last_not_of(" \t");
    if (inizio == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view t = risposta.substr(inizio, fine - inizio + 1);
    bool negativo = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negativo = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || t.size() > 6) {
        return std::nullopt;
    }
    int valore = 0;
    for (char c : t) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        valore = valore * 10 + (c - '0');
    }
    if (negativo) {
        valore = -valore;
    }
    // The value must fit a 16-bit integer, then lie in the window's range.
    if (valore < -32768 || valore > 32767 || valore < minimo || valore > massimo) {
        return std::nullopt;
    }
    return valore;
}

int EstrazioneDellaPosizione(const Archivio& a, int k) {
    return a.IndiceModello(k);
}

std::optional<int> CercaPosizioneData(const Archivio& a, std::string_view data, int limite,
                                      LetturaPosizione lettura) {
    limite = std::min<int>(limite, a.TotEstrazioni);
    if (lettura == LetturaPosizione::Modello) {
        limite = std::min<int>(limite, a.NumIndiciModello);
    }
    for (int k = 1; k <= limite; ++k) {
        const int i = lettura == LetturaPosizione::Modello ? a.IndiceModello(k) : k;
        if (a.DateEstrazioni[static_cast<std::size_t>(i)] == data) {
            return k;
        }
    }
    return std::nullopt;
}

std::string EtichettaPosizione(const Archivio& a, int k, bool estrazioneDiretta,
                               bool conProgressivoMese) {
    const int i = estrazioneDiretta ? std::clamp<int>(k, 0, a.TotEstrazioni) : a.IndiceModello(k);
    std::string testo = std::to_string(k) + " " + a.DateEstrazioni[static_cast<std::size_t>(i)];
    if (conProgressivoMese) {
        testo += " PM:" + std::to_string(a.ProgressivoMese[static_cast<std::size_t>(i)]);
    }
    return testo;
}

void OrdinaIntervallo(int& inizio, int& fine, bool mossaLaFine) {
    if (fine >= inizio) {
        return;
    }
    if (mossaLaFine) {
        inizio = fine;
    } else {
        fine = inizio;
    }
}

int UnAnnoPrima(const Archivio& a, int fine) {
    fine = std::min<int>(fine, a.TotEstrazioni);
    const auto data = LeggiData(a.Data(fine));
    if (!data) {
        return 1;
    }
    Data prima = *data;
    --prima.anno;
    const std::int64_t limite =
        NumeroGiorno(prima.giorno == 29 && prima.mese == 2 ? Data{28, 2, prima.anno} : prima);
    for (int k = fine; k >= 1; --k) {
        const auto d = LeggiData(a.Data(k));
        if (d && NumeroGiorno(*d) <= limite) {
            return k;
        }
    }
    return 1;
}

} // namespace strovel

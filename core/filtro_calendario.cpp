#include "core/filtro_calendario.h"

#include "core/archivio.h"
#include "core/data_testo.h"
#include "core/ruote.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace strovel {

namespace {

constexpr std::array<std::string_view, 7> Giorni = {"lunedì",  "martedì", "mercoledì", "giovedì",
                                                    "venerdì", "sabato",  "domenica"};
constexpr std::array<std::string_view, 12> Mesi = {"gennaio",   "febbraio", "marzo",    "aprile",
                                                   "maggio",    "giugno",   "luglio",   "agosto",
                                                   "settembre", "ottobre",  "novembre", "dicembre"};

bool Nessuno(const auto& scelte) {
    return std::none_of(scelte.begin(), scelte.end(), [](bool b) { return b; });
}
bool Tutti(const auto& scelte) {
    return std::all_of(scelte.begin(), scelte.end(), [](bool b) { return b; });
}

std::string Minuscolo(std::string_view s) {
    std::string t(s);
    for (char& c : t) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return t;
}

std::string Elenco(const auto& scelte, const auto& nomi) {
    std::string testo;
    for (std::size_t i = 0; i < scelte.size(); ++i) {
        if (scelte[i]) {
            testo += (testo.empty() ? "" : ", ") + std::string(nomi[i]);
        }
    }
    return testo;
}

/// One item: a number 1..N, a range "a-b", a name or its first three letters ("mer" or "mercoledì",
/// accents optional in the abbreviation).
template <std::size_t N>
bool LeggiVoce(std::string voce, const std::array<std::string_view, N>& nomi,
               std::array<bool, N>& scelte) {
    voce.erase(0, voce.find_first_not_of(' '));
    voce.erase(voce.find_last_not_of(' ') + 1);
    if (voce.empty()) {
        return false;
    }
    const auto numero = [&](std::string_view s) -> int {
        if (s.empty() || s.size() > 2 || !std::all_of(s.begin(), s.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c)) != 0;
            })) {
            return 0;
        }
        const int n = std::stoi(std::string(s));
        return n >= 1 && n <= static_cast<int>(N) ? n : 0;
    };
    if (const auto trattino = voce.find('-'); trattino != std::string::npos) {
        const int da = numero(std::string_view(voce).substr(0, trattino));
        const int a = numero(std::string_view(voce).substr(trattino + 1));
        if (da == 0 || a == 0 || da > a) {
            return false;
        }
        for (int i = da; i <= a; ++i) {
            scelte[static_cast<std::size_t>(i - 1)] = true;
        }
        return true;
    }
    if (const int n = numero(voce)) {
        scelte[static_cast<std::size_t>(n - 1)] = true;
        return true;
    }
    const std::string minuscola = Minuscolo(voce);
    for (std::size_t i = 0; i < N; ++i) {
        // "lunedi" stands for "lunedì" too.
        std::string senzaAccento(nomi[i]);
        if (const auto accento = senzaAccento.find("ì"); accento != std::string::npos) {
            senzaAccento.replace(accento, std::string_view("ì").size(), "i");
        }
        if (minuscola == nomi[i] || minuscola == senzaAccento ||
            (minuscola.size() == 3 && nomi[i].substr(0, 3) == minuscola)) {
            scelte[i] = true;
            return true;
        }
    }
    return false;
}

template <std::size_t N>
std::optional<std::array<bool, N>> LeggiElenco(std::string_view testo,
                                               const std::array<std::string_view, N>& nomi) {
    std::array<bool, N> scelte{};
    std::size_t da = 0;
    while (da <= testo.size()) {
        const std::size_t virgola = std::min(testo.find(',', da), testo.size());
        if (!LeggiVoce(std::string(testo.substr(da, virgola - da)), nomi, scelte)) {
            return std::nullopt;
        }
        da = virgola + 1;
    }
    return scelte;
}

} // namespace

bool FiltroCalendario::Attivo() const {
    return !(Nessuno(giorni) || Tutti(giorni)) || !(Nessuno(mesi) || Tutti(mesi));
}

FiltroCalendario FiltroCalendario::Normalizzato() const {
    FiltroCalendario f = *this;
    if (Tutti(f.giorni)) {
        f.giorni.fill(false);
    }
    if (Tutti(f.mesi)) {
        f.mesi.fill(false);
    }
    return f;
}

bool FiltroCalendario::Ammette(std::string_view data) const {
    if (!Attivo()) {
        return true;
    }
    const std::optional<Data> d = LeggiData(data);
    if (!d) {
        return false;
    }
    const bool giorno =
        Nessuno(giorni) || giorni[static_cast<std::size_t>(GiornoSettimana(*d) - 1)];
    const bool mese = Nessuno(mesi) || mesi[static_cast<std::size_t>(d->mese - 1)];
    return giorno && mese;
}

std::string_view NomeGiorno(int giorno) {
    return giorno >= 1 && giorno <= 7 ? Giorni[static_cast<std::size_t>(giorno - 1)] : "";
}

std::string_view NomeMese(int mese) {
    return mese >= 1 && mese <= 12 ? Mesi[static_cast<std::size_t>(mese - 1)] : "";
}

std::string DescriviFiltro(const FiltroCalendario& f) {
    if (!f.Attivo()) {
        return {};
    }
    const bool perGiorno = !(Nessuno(f.giorni) || Tutti(f.giorni));
    const bool perMese = !(Nessuno(f.mesi) || Tutti(f.mesi));
    std::string testo = perGiorno ? Elenco(f.giorni, Giorni) : std::string();
    if (perMese) {
        testo += (testo.empty() ? "" : "; ") + Elenco(f.mesi, Mesi);
    }
    return testo;
}

std::optional<std::array<bool, 7>> LeggiGiorni(std::string_view testo) {
    return LeggiElenco(testo, Giorni);
}

std::optional<std::array<bool, 12>> LeggiMesi(std::string_view testo) {
    return LeggiElenco(testo, Mesi);
}

Archivio FiltraArchivio(const Archivio& a, const FiltroCalendario& f) {
    Archivio b;
    // nuovo[i]: the index draw i takes in the filtered archive, 0 when it is left out.
    std::vector<int> nuovo(static_cast<std::size_t>(a.TotEstrazioni) + 1, 0);
    int n = 0;
    for (int i = 1; i <= a.TotEstrazioni; ++i) {
        if (!f.Ammette(a.DateEstrazioni[static_cast<std::size_t>(i)])) {
            continue;
        }
        nuovo[static_cast<std::size_t>(i)] = ++n;
        for (int r = 0; r < NumRuote; ++r) {
            for (int p = 1; p <= NumPosizioni; ++p) {
                b.Estratti(n, r, p) = a.Estratti(i, r, p);
            }
        }
        b.DateEstrazioni[static_cast<std::size_t>(n)] =
            a.DateEstrazioni[static_cast<std::size_t>(i)];
    }
    b.TotEstrazioni = static_cast<std::int16_t>(n);
    // The progressive numbers count the kept draws: the first kept Saturday of a month is its
    // first draw, so that month ends are found among the kept draws.
    std::optional<Data> prima;
    for (int k = 1; k <= n; ++k) {
        const std::optional<Data> d = LeggiData(b.DateEstrazioni[static_cast<std::size_t>(k)]);
        const auto precedente = [&](std::vector<std::int16_t>& v) {
            return static_cast<std::int16_t>(v[static_cast<std::size_t>(k - 1)] + 1);
        };
        const bool stessoAnno = d && prima && d->anno == prima->anno;
        const bool stessoMese = stessoAnno && d->mese == prima->mese;
        b.ProgressivoAnno[static_cast<std::size_t>(k)] =
            stessoAnno ? precedente(b.ProgressivoAnno) : std::int16_t{1};
        b.ProgressivoMese[static_cast<std::size_t>(k)] =
            stessoMese ? precedente(b.ProgressivoMese) : std::int16_t{1};
        prima = d;
    }
    // The last kept draw at or before a limit of the original archive.
    const auto finoA = [&](int limite) {
        int k = 0;
        for (int i = 1; i <= std::min<int>(limite, a.TotEstrazioni); ++i) {
            k = std::max(k, nuovo[static_cast<std::size_t>(i)]);
        }
        return static_cast<std::int16_t>(k);
    };
    b.UltimaEstrazione = finoA(a.UltimaEstrazione);
    b.NumEstrazioniAnalisi = finoA(a.NumEstrazioniAnalisi);
    b.IndiciModello.assign(1, 0);
    for (int k = 1; k <= a.NumIndiciModello; ++k) {
        const int i = a.IndiciModello[static_cast<std::size_t>(k)];
        if (i >= 1 && i <= a.TotEstrazioni && nuovo[static_cast<std::size_t>(i)] > 0) {
            b.IndiciModello.push_back(
                static_cast<std::int16_t>(nuovo[static_cast<std::size_t>(i)]));
        }
    }
    b.NumIndiciModello = static_cast<std::int16_t>(b.IndiciModello.size() - 1);
    b.CostruisciPresenze();
    return b;
}

} // namespace strovel

#pragma once
// The eleven wheels in their fixed order and the texts that name them.

#include <array>
#include <string>
#include <string_view>

namespace strovel {

inline constexpr int NumRuote = 11;
inline constexpr int RuotaNazionale = 10;
/// Index of "TU" in SigleRuote: all wheels together.
inline constexpr int IndiceTutte = 11;
inline constexpr int NumPosizioni = 5;

/// Two-letter codes BA..NZ, then "TU" for all wheels.
inline constexpr std::array<std::string_view, 12> SigleRuote = {"BA", "CA", "FI", "GE", "MI", "NA",
                                                                "PA", "RO", "TO", "VE", "NZ", "TU"};
inline constexpr std::array<std::string_view, 11> InizialiRuote = {"B", "C", "F", "G", "M", "N",
                                                                   "P", "R", "T", "V", "Z"};
inline constexpr std::array<std::string_view, 11> NomiRuote = {
    "Bari",    "Cagliari", "Firenze", "Genova",  "Milano",   "Napoli",
    "Palermo", "Roma",     "Torino",  "Venezia", "Nazionale"};
/// Wheel columns of the archive table EstrazioniLotto.
inline constexpr std::array<std::string_view, 11> ColonneRuote = {
    "Ba", "Ca", "Fi", "Ge", "Mi", "Na", "Pa", "Ro", "To", "Ve", "Nz"};

/// The code of wheel r (0..10, or 11 for "TU") as a text.
/// How many wheels (positions) of a selection are chosen.
template <std::size_t N> constexpr int Scelte(const std::array<bool, N>& scelte) {
    int n = 0;
    for (const bool b : scelte) {
        n += b ? 1 : 0;
    }
    return n;
}

inline std::string Sigla(int r) {
    return std::string(SigleRuote[static_cast<std::size_t>(r)]);
}

/// Wheels in words: "BA CA", "tutte le ruote", "nessuna ruota".
std::string DescriviRuote(const std::array<bool, NumRuote>& ruote);
/// A selection in words: "BA, posizione 1", "BA CA, posizioni 1 2", "tutte le ruote, tutte le
/// posizioni", "nessuna ruota, nessuna posizione".
std::string DescriviSelezione(const std::array<bool, NumRuote>& ruote,
                              const std::array<bool, NumPosizioni>& posizioni);

/// Upper-cases `codice` in place and returns the index 0..10 of the wheel whose code equals its
/// first two characters, or -1 when none does ("TU" included).
int CercaRuota(std::string& codice);

} // namespace strovel

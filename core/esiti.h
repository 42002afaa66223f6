#pragma once
// Outcome checking of the forecasting windows. A case is a draw k and a wheel on which a
// situation was found; from it an ambata is played over the colpi k + 1, k + 2, ... on the
// play wheels. This file holds the case rows of the results grid, the play with its hit rule,
// the classification of each case (positive, still in play, negative) and the summary.

#include "core/colori.h"
#include "core/lista_valori.h"
#include "core/tabella.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strovel {

class Archivio;

inline constexpr int MassimoColpi = 20;

/// The lists every case-finding window offers.
namespace liste_casi {
inline constexpr ListaValori Presenze{1, 100, 1, 9, "presenze", "Presenze", "K"};
inline constexpr ListaValori Colpi{1, MassimoColpi, 1, 9, "colpi", "Colpi", "G"};
} // namespace liste_casi

/// Wheels as eleven flags in wheel order BA..NZ.
using Ruote = std::array<bool, 11>;

struct Caso {
    int estrazione = 0;            ///< "Estr": the draw the case was found in
    int ruota = 0;                 ///< the wheel it was found on
    std::array<bool, 5> segnati{}; ///< positions 1..5 whose numbers made it a case
    friend bool operator==(const Caso&, const Caso&) = default;
};

/// The play of one case.
struct Giocata {
    std::array<int, MassimoColpi + 1> numeri{}; ///< [c]: the number played at colpo c
    int giocati = 0;                            ///< colpi played: 1..giocati hold numbers
    int colpo = 0;                              ///< "C": the colpo that hit; 0 none
    int esito = 0;                              ///< the number that hit
    Ruote vincenti{};                           ///< the play wheels it came out on at that colpo
    friend bool operator==(const Giocata&, const Giocata&) = default;
};

/// The play wheels on which number n came out in draw k. A draw past the archive's last one,
/// or a number outside 1..90, hits nowhere.
Ruote RuoteUscite(const Archivio& a, int k, int n, const Ruote& gioco);
/// The trials of a play on the wheels of `ruote` over draws `da`..`fino` (kept within the
/// archive): one for each wheel and draw where that wheel holds numbers.
int ProveEstratte(const Archivio& a, const Ruote& ruote, int da, int fino);

/// The play of the case found in draw k: colpo c = 1, 2, ... up to `colpi`, as long as draw
/// k + c does not lie past `fine` (the end of the analysis range). `numero(c)` gives the number
/// to play at colpo c, or nothing when the window's configuration lacks it: the play then stops
/// where it is and the result is false. The play ends after the first colpo with a hit.
template <class Regola>
bool Gioca(const Archivio& a, int k, int colpi, int fine, const Ruote& gioco, Regola&& numero,
           Giocata& g) {
    for (int c = 1; c <= colpi && c <= MassimoColpi && k + c <= fine; ++c) {
        const std::optional<int> n = numero(c);
        if (!n) {
            return false;
        }
        g.numeri[static_cast<std::size_t>(c)] = *n;
        g.giocati = c;
        const Ruote uscite = RuoteUscite(a, k + c, *n, gioco);
        for (std::size_t w = 0; w < uscite.size(); ++w) {
            if (uscite[w]) {
                g.colpo = c;
                g.esito = *n;
                g.vincenti[w] = true;
            }
        }
        if (g.colpo != 0) {
            break;
        }
    }
    return true;
}

/// "Ambata", "Ambo", "Terno", "Quaterna", "Cinquina" for 1..5 numbers; empty otherwise.
std::string NomeSorte(int q);

enum class Classe : std::uint8_t { Negativo, Positivo, InGioco };

/// Positive when the play hit; in play when it did not and its draws "Inizio".."Fine" reach
/// draw L (the archive's last draw, not the end of the analysis range); negative otherwise.
Classe Classifica(int estrazione, int colpi, const Giocata& g, int ultima);

/// The outcome counts of any set of cases: every summary of the program has these four.
struct RiepilogoEsiti {
    int casi = 0;
    int positivi = 0;
    int negativi = 0;
    int inGioco = 0;
    friend bool operator==(const RiepilogoEsiti&, const RiepilogoEsiti&) = default;
};
RiepilogoEsiti Riassumi(const std::vector<Classe>& classi);

inline constexpr const char* IntestazioneRiepilogo = "|Val|Percentuale";
/// Rows "N° Casi", "Positivi", "Negativi", "In gioco"; each percentage of "N° Casi" in "##0.0"
/// with its bar. Without cases the counts are 0 and no percentage is shown.
Tabella TabellaRiepilogo(const RiepilogoEsiti& r);
/// The same with another caption for the first row, and without the "In gioco" row when the
/// plays cannot be in progress (the cycle windows).
Tabella TabellaRiepilogo(const RiepilogoEsiti& r, const char* titoloCasi, bool conInGioco);

// --- The case grid -------------------------------------------------------------------------

/// The case grid of the dynamic ambata: 35 columns, the 20 colpi, "Esito" and "Ruote".
inline constexpr const char* IntestazioneCasiAmbata =
    "N°   |Estr     |Data Estraz    |Inizio   |Fine    |RU |r|1  |2  |3  |4  |5  |C  |1|2|3|4|5|"
    "6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|Esito|Ruote   ";
inline constexpr int ColonnaColpo = 12;
inline constexpr int ColonnaEsito = 33;
inline constexpr int ColonnaRuote = 34;

inline constexpr Colore ColoreCellaCaso{128, 255, 255}; ///< the numbers that made the case
inline constexpr Colore ColoreChiave{224, 224, 224};    ///< "Inizio", "Fine", "RU"
inline constexpr Colore ColoreColonnaColpo{255, 255, 0};
inline constexpr Colore ColoreColonnaEsito{192, 255, 192};
inline constexpr Colore ColoreColonnaRuote{255, 224, 192};
inline constexpr Colore ColoreColpoVincente{255, 0, 0}; ///< text of the hit cell
inline constexpr Colore ColorePositivo{0, 255, 0};
inline constexpr Colore ColoreBarraPositivi{0, 192, 0};
inline constexpr Colore ColoreBarraNegativi{255, 0, 0};

/// Appends the rows of the cases (columns 0..11) to `t`: number, draw, date, "Inizio" = k + 1,
/// "Fine" = k + colpi, wheel code and index, the five numbers with the marked ones shaded.
void AggiungiCasi(Tabella& t, const Archivio& a, const std::vector<Caso>& casi, int colpi);

/// Writes a play into row `riga` of the ambata case grid: columns "C", 1..20, "Esito", "Ruote"
/// (each wheel code preceded by a blank), the hit cell in bold red.
void ScriviGiocata(Tabella& t, int riga, const Giocata& g);

/// The backgrounds of the classification: the case number green for a positive case, orange
/// for one in play together with the number it is playing now.
void SegnaClasse(Tabella& t, int riga, Classe classe);

/// The background of the columns "C", "Esito" and "Ruote" of every row of the ambata grid.
void OmbreggiaColonneEsito(Tabella& t);

} // namespace strovel

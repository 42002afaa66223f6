#pragma once
// The second cycle module's computation: cycles laid back from a reference draw as in the
// Strovel module, the presences of every number in an observation window at the start of each
// cycle, and what is built on them (distribution, per-number summary, verification of number
// sets, series by class, ambi, pairings, ambetti). No widgets.

#include "core/esiti.h"
#include "core/insieme90.h"
#include "core/lista_valori.h"
#include "core/serie_numeri.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

/// The parameter lists of the second cycle window, shared with the command line.
namespace liste_ciclo2 {
inline constexpr ListaValori Cicli{1, 100, 1, 15, "cicli", "N° Cicli", "C"};
inline constexpr ListaValori Durata{1, 60, 1, 18, "durata", "Durata", "D"};
inline constexpr ListaValori Considera{1, 100, 1, 18, "considera", "Considera", "K"};
inline constexpr ListaValori Salto{0, 18, 1, 0, "salto", "Salto", "S"};
inline constexpr ListaValori Colpi{1, 60, 1, 9, "colpi", "Colpi", "G"};
inline constexpr ListaValori Retro{0, 20, 1, 10, "retro", "Retro", "R"};
inline constexpr ListaValori Sorte{1, 5, 1, 2};       ///< ComboSorte
inline constexpr ListaValori Abbinamenti{1, 5, 1, 2}; ///< Comboss
} // namespace liste_ciclo2

struct ParametriCiclo2 {
    int riferimento = 0;
    int cicli = liste_ciclo2::Cicli.predefinito;
    int durata = liste_ciclo2::Durata.predefinito;
    int considera = liste_ciclo2::Considera.predefinito; ///< lowered to durata when larger
    int salto = liste_ciclo2::Salto.predefinito;
    int colpi = liste_ciclo2::Colpi.predefinito; ///< G: the observation window's length
    std::array<bool, 11> ruote{};
    std::array<bool, 5> posizioni{}; ///< positions 1..5
};

/// A cycle and its observation window inizio .. gioco (gioco = inizio + G - 1, which may run
/// past the cycle's end).
struct CicloOsservato {
    int numero = 0; ///< 1 = most recent
    int inizio = 0;
    int fine = 0;
    int gioco = 0;
    friend bool operator==(const CicloOsservato&, const CicloOsservato&) = default;
};

/// Presences per number, index 1..90 (0 unused).
using PresenzeCiclo = std::array<std::int16_t, 91>;

/// "RILEVA CICLI": the cycles and the presences of every number in each observation window.
struct Rilevazione {
    ParametriCiclo2 parametri; ///< as used: considera lowered to durata
    std::vector<CicloOsservato> cicli;
    std::vector<PresenzeCiclo> presenze; ///< one per cycle
    int massimo = 0;                     ///< M: the largest presence count met
    int totEstrazioni = 0;               ///< the archive's last draw when laid
};

/// The observation window's draws that exist: inizio .. min(gioco, last draw).
int UltimaOsservata(const CicloOsservato& c, int totEstrazioni);

Rilevazione RilevaCicli(const Archivio& a, const ParametriCiclo2& p);

/// The presences of `numero` in each cycle's observation window, most recent cycle first.
std::vector<PresenzaCiclo> PresenzeNeiCicli(const Rilevazione& r, int numero);

/// The numbers of cycle row `riga` that came out exactly `volte` times, increasing.
std::vector<int> NumeriConPresenze(const Rilevazione& r, int riga, int volte);
/// "Ciclo N° c Numeri con v presenze".
std::string DidascaliaGruppo(const Rilevazione& r, int riga, int volte);

/// One row of a per-number summary (FgB1 and the grids like it).
struct PresenzeNumero {
    int numero = 0;
    int cc = 0; ///< cycles in whose window it came out
    int ne = 0; ///< presences over all cycles
    friend bool operator==(const PresenzeNumero&, const PresenzeNumero&) = default;
};
/// The summary of the given numbers, in their order.
std::vector<PresenzeNumero> RiepilogoNumeri(const Rilevazione& r, const std::vector<int>& numeri);
/// The summary of 1..90.
std::vector<PresenzeNumero> RiepilogoNumeri(const Rilevazione& r);
/// Sorted by CC descending, then N° E descending; equal rows keep their order.
void OrdinaPerCicli(std::vector<PresenzeNumero>& righe);

// --- "ELABORA": the number sets of the forecast grid -------------------------------------------

/// A set of numbers to verify: the row of the forecast grid it comes from, its distinct numbers
/// 1..90 and T, how many of them must come out together.
struct InsiemePrevisione {
    int riga = 0; ///< 1-based row of FgH
    std::vector<int> numeri;
    int t = 1;
};

/// One hit: a set gave q >= T of its numbers on a wheel in a draw.
struct ColpoInsieme {
    int colpo = 0; ///< 1-based within the observation window
    int estrazione = 0;
    int ruota = 0;
    int q = 0;
    int riga = 0; ///< the set's FgH row
};

/// A cycle's verification: the hits of its first draw with any hit; none for a negative cycle.
struct VerificaCiclo {
    CicloOsservato ciclo;
    std::vector<ColpoInsieme> colpi;
    bool Positivo() const { return !colpi.empty(); }
};

struct VerificaInsiemi {
    std::vector<VerificaCiclo> cicli;
    /// FgStat: statistica[s][q] counts hits of a set of s numbers (1..10) with q out (1..5).
    std::array<std::array<int, 6>, 11> statistica{};
};

/// Each cycle's observation window is scanned draw by draw; in each draw every set is checked on
/// every selected wheel in wheel order (q = selected positions holding one of its numbers), and
/// the scan of the cycle stops after the first draw with a hit.
VerificaInsiemi VerificaNeiCicli(const Archivio& a, const Rilevazione& r,
                                 const std::vector<InsiemePrevisione>& insiemi);

/// The best q of each wheel in a cycle's hit draw (0 where none), for the outcome grid Fg1.
struct EsitoCiclo2 {
    CicloOsservato ciclo;
    int colpo = 0; ///< 0 when negative
    std::array<int, 11> q{};
    int Migliore() const;
};
std::vector<EsitoCiclo2> EsitiPerCiclo(const VerificaInsiemi& v);

// --- "Decine", "Cadenze", "Figure" -------------------------------------------------------------

enum class TipoClasse { Decina, Cadenza, Figura };
/// The numbers 1..90 of a class.
std::vector<int> NumeriClasse(TipoClasse tipo, int classe);

/// For every cycle and class 0..9: in how many (draw, selected wheel) of its observation window
/// the class gave at least `sorte` numbers among the selected positions.
std::vector<std::array<int, 10>> ContaSerie(const Archivio& a, const Rilevazione& r,
                                            TipoClasse tipo, int sorte);

/// "VERIFICA SERIE"'s numbers: the whole class, or with `soloScoperti` those of its numbers
/// that did not come out in the most recent cycle's window.
std::vector<int> NumeriSerie(const Rilevazione& r, TipoClasse tipo, int classe, bool soloScoperti);

// --- "AMBI", "ABBINAMENTI", ambetti ------------------------------------------------------------

/// The numbers a command studies: the chosen group, or all 90 when none is chosen.
std::vector<int> NumeriInEsame(const std::vector<int>& gruppo);

struct AmboCiclo {
    int n1 = 0, n2 = 0;
    int cc = 0;     ///< cycles whose window brought it out
    int ne = 0;     ///< times out over all windows
    int rit = -1;   ///< draws since it last came out up to ref; -1 never
    int ruota = -1; ///< wheel of that last outcome
    friend bool operator==(const AmboCiclo&, const AmboCiclo&) = default;
};
/// "AMBI": the ambi of `numeri` that came out in at least one window (same draw, same selected
/// wheel, both at selected positions), by CC descending; equal CC keep increasing N1, N2.
std::vector<AmboCiclo> AmbiNeiCicli(const Archivio& a, const Rilevazione& r,
                                    const std::vector<int>& numeri);
/// FgEl: the same ambi by current delay, longest first (never out counts longest).
std::vector<AmboCiclo> OrdinaPerRitardo(std::vector<AmboCiclo> ambi);

struct Abbinamenti {
    int ambata = 0;
    std::array<int, 91> volte{}; ///< cycles in which n came out with the ambata
    /// The abbinamenti with at least one cycle, by cycles descending then number.
    std::vector<std::pair<int, int>> classifica;
    struct Terzina {
        int n1 = 0, n2 = 0, n3 = 0;
        int cc = 0; ///< cycles in which at least one ambo of the three came out
    };
    /// The ambata with every two of its first five abbinamenti, by CC descending.
    std::vector<Terzina> terzine;
};
Abbinamenti CalcolaAbbinamenti(const Archivio& a, const Rilevazione& r, int ambata);

/// Whether a draw's numbers `uscita` give the ambetto (n1, n2): one of the two came out with
/// the other or one of its neighbours (90 and 1 being neighbours), two different numbers.
bool Ambetto(const Insieme90& uscita, int n1, int n2);

struct EsitoAmbetto {
    int n1 = 0, n2 = 0;
    int esiti = 0; ///< positive cycles
    /// Per cycle: the first draw of the window giving the ambetto on a selected wheel.
    struct Colpo {
        CicloOsservato ciclo;
        int colpo = 0;
        int estrazione = 0;
        int ruota = 0;
    };
    std::vector<Colpo> colpi;
};
/// "VERIFICA AMBETTI": every pair of `numeri` over the cycles' windows.
std::vector<EsitoAmbetto> VerificaAmbetti(const Archivio& a, const Rilevazione& r,
                                          const std::vector<int>& numeri);

/// The current delay at ref of each number on each selected wheel: (delay, wheel) pairs for the
/// delay tally.
std::vector<std::pair<int, int>> RitardiNumeri(const Archivio& a, int riferimento,
                                               const std::array<bool, 11>& ruote,
                                               const std::vector<int>& numeri);

} // namespace strovel

#pragma once
// The cycles every cycle window lays: C cycles of D draws laid back from a reference draw, with
// a gap S between them, a considered draw K inside each, and the play window after each. One
// rule for every cycle window: laying stops at the first cycle whose first draw would fall
// before draw 1.

#include <vector>

namespace strovel {

struct Ciclo {
    int numero = 0;      ///< 1 = most recent
    int inizio = 0;      ///< first draw
    int fine = 0;        ///< last draw
    int considerata = 0; ///< the considered draw
    int inizioGioco = 0; ///< first draw of the play window
};

/// The cycles laid back from `riferimento`, most recent first. The counter i runs ref,
/// ref - (S + D), ...; laying stops after C cycles, or at the first cycle whose first draw
/// would fall before draw 1 (that cycle is not laid). `considera` must already be <= durata.
std::vector<Ciclo> CostruisciCicli(int riferimento, int cicli, int durata, int considera,
                                   int salto);

/// The draws of a cycle's play window: inizioGioco .. inizioGioco + colpi - 1, never past the
/// last draw of the archive nor, with `stop`, past ref. Empty when `ultima` < `prima`.
struct Finestra {
    int prima = 0;
    int ultima = -1;
};
Finestra FinestraDiGioco(const Ciclo& c, int colpi, int totEstrazioni, int riferimento, bool stop);

} // namespace strovel

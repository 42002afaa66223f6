#pragma once
// The delay sequences: for every number 1..90, its delays read back from the end of a range on
// the chosen wheels and positions, with how often it came out, its longest and mean delay and
// how its current delay compares with the mean; and the marks the window lays on them.

#include "core/lista_valori.h"
#include "core/progresso.h"
#include "core/tabella.h"

#include <array>
#include <vector>

namespace strovel {

class Archivio;

struct ParametriSequenza {
    int inizio = 1; ///< S: first draw of the range
    int fine = 1;   ///< E: last draw of the range
    std::array<bool, 11> ruote{};
    std::array<bool, 5> posizioni{};
};

struct SequenzaNumero {
    int numero = 0;
    int presenze = 0;         ///< P
    int rmax = 0;             ///< the longest delay recorded
    int esaminate = 0;        ///< D
    std::vector<int> ritardi; ///< the current delay first, then back in time
    friend bool operator==(const SequenzaNumero&, const SequenzaNumero&) = default;
};

/// "PRESENZE": back from E until the number has come out `k` times (0: no limit), down to draw 1
/// at most, even past S. D counts the draws walked.
std::vector<SequenzaNumero> SequenzaPresenze(const Archivio& a, const ParametriSequenza& p, int k,
                                             const Progresso& progresso = {});
/// "PERIODO": every appearance from E back to S; D is E - S + 1.
std::vector<SequenzaNumero> SequenzaPeriodo(const Archivio& a, const ParametriSequenza& p,
                                            const Progresso& progresso = {});

inline constexpr const char* IntestazioneSequenze = "Num|Pres |RMax|Rmed|N° Est|IC    |URIT|";
/// Fg2 as the scan leaves it: the columns of the longest sequence, the delay columns titled
/// 1, 2, ..., and the colours and marks of the grid (a number whose current delay reached its
/// longest in red, the delays equal to the longest on yellow). Without appearances Rmed and IC
/// stay empty.
Tabella TabellaSequenze(const std::vector<SequenzaNumero>& sequenze);

enum class Andamento { Decrescenti, Uguali, Crescenti };
/// "Evidenzia decrescenti / uguali / crescenti": the cells from URIT on back to white, then each
/// newer delay that is smaller than / equal to / larger than the older one on light green.
void EvidenziaAndamento(Tabella& t, Andamento andamento);
/// A click on delay column `colonna` (7 or more): URIT is the sum of each number's delays in
/// columns 7 .. colonna, the number's cell back to the plain look and the column's title on
/// orange. False, and nothing changes, for another column.
bool SommaRitardi(Tabella& t, int colonna);

/// "Imposta le ultime... N.. estrazioni": the new range start, or 0 when the range is left as
/// it is (when E - N is not above 100).
int InizioUltime(int fine, int n);
/// The largest N the shortcut takes at end `fine` (E - N above 100); below 1 when none.
int MassimoUltime(int fine);

} // namespace strovel

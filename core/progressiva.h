#pragma once
// What a walk-forward test found, whatever the analysis: one choice every few draws, each made
// on the archive as it stood then and played on the first case after it, then all of them summed
// up beside chance. The test itself runs in analisi.h over the analysis contract.

#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/tabella.h"

#include <string>
#include <vector>

namespace strovel {

/// One choice: the reference, what was offered there in words, how its play ended and the
/// probability chance gives the same play.
struct PassoProgressivo {
    int riferimento = 0;
    std::string scelta;
    Classe esito = Classe::Negativo;
    double probabilita = 0;
};

struct EsitoProgressivo {
    int da = 0;
    int passo = 0;
    std::vector<PassoProgressivo> passi;
    RiepilogoEsiti riepilogo;
    Confronto confronto;
};

/// Fills the summary and the comparison with chance from the choices.
void Riassumi(EsitoProgressivo& p);

inline constexpr const char* IntestazioneProgressiva = "Estrazione|Scelta|Esito|Per caso";
/// One row per choice: the reference, the choice, "Positivo", "Negativo" or "In gioco" (coloured
/// as in every grid of cases) and the chance of the same play as a percentage.
Tabella TabellaProgressiva(const EsitoProgressivo& p);
/// The rows under it: "Positivi", "Negativi", "In gioco" (count and percentage of the choices),
/// then "Atteso per caso" and "Probabilità"; with no choice, none.
Tabella RiepilogoProgressivo(const EsitoProgressivo& p);
/// The outcome in words, for a window.
std::string TestoProgressiva(const EsitoProgressivo& p);

} // namespace strovel

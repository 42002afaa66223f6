#pragma once
// The Maltese square, first tab: an ambata derived from two consecutive draws of one wheel by
// a 3 x 3 square on the circle of 90 numbers, played over the following draws for a series of
// past cases. No widgets.

#include "core/analisi.h"
#include "core/esiti.h"
#include "core/lista_valori.h"
#include "core/probabilita.h"
#include "core/tabella.h"

#include <array>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

namespace liste_maltese {
inline constexpr ListaValori Casi{10, 500, 10, 100, "casi", "N° casistiche", "M"}; ///< Combo3
inline constexpr ListaValori Colpi{1, 30, 1, 10, "colpi", "Colpi", "G"};           ///< Combo4
} // namespace liste_maltese

/// The circle-of-90 operations of the square: x - y is the forward distance, a result of 0
/// (a multiple of 90) is 90.
int DifferenzaCerchio(int x, int y);
int ProdottoCerchio(int x, int y);
int SommaCerchio(int x, int y);

/// The nine cells A1, A2, A3, B1, B2, B3, C1, C2, C3.
using Quadrato = std::array<int, 9>;
/// The square from A1 (5th number of the first draw), A3 (1st of the second) and C1 (5th of the
/// second); C3, the last cell, is the ambata.
Quadrato CalcolaQuadrato(int a1, int a3, int c1);
/// The probability that the ambata comes out in colpo 1, the case's own second draw: that draw
/// gives A3 and C1, so the ambata is not a random number for it. Enumerated over every A1 and
/// every A3, C1 pair, the other three numbers of the draw being random among the rest. The
/// later colpi are independent draws: 5 in 90.
double ProbabilitaPrimoColpo();
/// A hit at colpo 1 comes out in the draw the ambata is read from: a player knows the ambata
/// only after it, so it cannot be cashed. The grid writes its colpo with this mark.
inline constexpr const char* SegnoNonIncassabile = "*";

struct CasoMaltese {
    int posizione = 0; ///< the model-list position of the second draw
    int prima = 0;     ///< draw index of the first draw
    int seconda = 0;   ///< and of the second
    Quadrato quadrato{};
    int colpo = 0; ///< 0: no hit
    int esito = 0; ///< the hit draw
    bool inGioco = false;
    int colpiGiocati = 0; ///< the colpi the archive holds for the play, hit or not
};

struct ParametriMaltese {
    int ruota = 0;
    int casi = liste_maltese::Casi.predefinito;
    int colpi = liste_maltese::Colpi.predefinito;
    int fine = 1; ///< e: model-list position of the most recent case's second draw
};

/// "ELABORA": the pairs of consecutive draws back from e (at most M, never before position 1),
/// each square and the play of its ambata on the draws after the first draw, up to Colpi, the
/// last draw of the archive never examined.
std::vector<CasoMaltese> ElaboraMaltese(const Archivio& a, const ParametriMaltese& p);

RiepilogoEsiti RiassumiMaltese(const std::vector<CasoMaltese>& casi);
/// The positive cases whose hit came at colpo 1: positive, but not cashable.
int NonIncassabili(const std::vector<CasoMaltese>& casi);
/// What chance gives the same plays: each case an ambata on one wheel for the colpi it played.
Confronto ConfrontaMaltese(const std::vector<CasoMaltese>& casi);
/// The Maltese square as an analysis: its rule is fixed, and its check plays every case whose
/// second draw comes after E, whatever the case limit.
struct AnalisiMaltese {
    ParametriMaltese p;
    using Scelta = RegolaFissa;
    struct Esito : EsitoFuoriCampione<RegolaFissa> {
        std::vector<CasoMaltese> casi;
    };
    std::optional<RegolaFissa> Scegli(const Archivio&, int, Esito&) const { return RegolaFissa{}; }
    void Verifica(const Archivio& tutto, int riferimento, const RegolaFissa&, Esito& f) const;
};

/// The four lines of List4, and with `nonIncassabili` (not negative) a fifth with their count.
std::vector<std::string> RigheRiepilogo(const RiepilogoEsiti& r, int nonIncassabili = -1);

inline constexpr const char* IntestazioneMaltese =
    "Pr   |N° Estr|Data Estraz  |R1 |R1|N1 |N2 |N3 |N4 |N5 |N° Estr|Data Estraz  |R2 |R2|N1 |N2 "
    "|N3 |N4 |N5 |A1 |A2 |A3 |B1 |B2 |B3 |C1 |C2 |C3 |Colpo|Data Esito     ";
/// Fg1 with its colours: the three source numbers, the nine square columns, the case number
/// green for a hit and orange while in play.
Tabella TabellaMaltese(const Archivio& a, int ruota, const std::vector<CasoMaltese>& casi);
/// FgX: a square in three rows A, B, C, each cell in its column's colour.
Tabella TabellaQuadrato(const Quadrato& q);

} // namespace strovel

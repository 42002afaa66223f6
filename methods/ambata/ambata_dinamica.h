#pragma once
// The dynamic ambata: the cases in which a spy number came out on the detection wheels at the
// chosen positions, the colpo plan over the reference rows, the play of a changing ambata
// (optionally a running sum) and the search of the best replacement reference.

#include "core/analisi.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/tabella.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace strovel {

/// What the window and the command say when a run needs a reference row the configuration
/// lacks, or finds no case to summarise.
inline constexpr const char* MessaggioConfigurazione = "Attenzione ! manca una configurazione.";

class Archivio;

/// A reference row of FgH: the ambata of a colpo is the number at this wheel and position in
/// the draw before the colpo.
struct Riferimento {
    int ruota = 0;     ///< 0..10
    int posizione = 1; ///< 1..5
    friend bool operator==(const Riferimento&, const Riferimento&) = default;
};
inline constexpr int MassimoRiferimenti = 5;

struct ParametriAmbata {
    int spia = 0;
    Ruote rilevazione{};
    Ruote gioco{};
    std::array<bool, 5> posizioni{};
    int presenze = 9;
    int colpi = 9;
    bool somme = false;
    std::vector<Riferimento> riferimenti{Riferimento{}};
    /// The analysis end, used directly as a draw index.
    int fine = 0;
};

/// "Matrice" j: the reference list gets j rows; the rows kept keep their values, a new row i
/// (1-based) is wheel i - 1 (BA, CA, FI, GE, MI) at position 1.
void ImpostaMatrice(std::vector<Riferimento>& riferimenti, int righe);

/// RILEVAZIONE: from the analysis end back to draw 1, one case per detection wheel on which
/// the spy came out at a selected position (the first such position marked), stopping after
/// the draw that brings the count to "Presenze".
std::vector<Caso> RilevaCasi(const Archivio& a, const ParametriAmbata& p);

/// CONFIGURA: for colpo c = 1..colpi the reference row it uses, ((c - 1) mod righe) + 1.
std::vector<int> PianoColpi(int colpi, int righe);
inline constexpr const char* IntestazionePiano = "Colpo|Rif|R|Ruota|Estr";
Tabella TabellaPiano(const std::vector<int>& piano, const std::vector<Riferimento>& riferimenti);

/// ELABORA's plays. `completo` is false when the configuration lacked a reference for some
/// colpo (a plan shorter than the colpi, a plan row past the reference rows): the plays stop
/// there, the last one partly played.
struct GiocateAmbata {
    std::vector<Giocata> giocate;
    bool completo = true;
};

/// Plays every case. `sostituto`, when given, replaces reference row `riga` (1-based).
struct Sostituzione {
    int riga = 1;
    Riferimento riferimento;
};
GiocateAmbata GiocaAmbate(const Archivio& a, const ParametriAmbata& p,
                          const std::vector<Caso>& casi, const std::vector<int>& piano,
                          const std::optional<Sostituzione>& sostituto = std::nullopt);

/// The case grid (Fg1) after RILEVAZIONE: rows of the cases, key columns shaded.
Tabella TabellaCasiAmbata(const Archivio& a, const std::vector<Caso>& casi, int colpi);
/// The case grid after ELABORA: the plays written and, when complete, the cases classified
/// against the archive's last draw.
Tabella TabellaEsitiAmbata(const Archivio& a, const std::vector<Caso>& casi, int colpi,
                           const GiocateAmbata& g);
/// The classification of the plays, for the summary grid.
RiepilogoEsiti RiepilogoAmbata(const Archivio& a, const std::vector<Caso>& casi, int colpi,
                               const GiocateAmbata& g);

/// MIGLIORI: for each of the 55 pairs (wheel 0..10, position 1..5) replacing reference row
/// `riga`, the positive cases; sorted on them, largest first, ties in pair order.
struct Migliore {
    Riferimento riferimento;
    int positivi = 0;
};
struct EsitoMigliori {
    std::vector<Migliore> righe;
    bool completo = true;
};
EsitoMigliori Migliori(const Archivio& a, const ParametriAmbata& p, const std::vector<Caso>& casi,
                       const std::vector<int>& piano, int riga);
inline constexpr const char* IntestazioneMigliori = "Esiti|Ru|R|Es";
/// "Esiti" the positive cases, "Ru" the wheel code, "R" the position, "Es" the positive cases
/// as a percentage of the cases ("##0.0").
Tabella TabellaMigliori(const EsitoMigliori& m, int casi);

/// The top of MIGLIORI's list (0 when empty).
int PrimoMigliori(const EsitoMigliori& m);

/// Out of sample: MIGLIORI on reference row `riga` run as of draw `riferimento` (cases, plays and
/// choice use no later draw), then the chosen reference verified on the cases found after it.
struct SceltaAmbata {
    Riferimento scelto;     ///< MIGLIORI's first reference at the reference draw
    int positiviDentro = 0; ///< its positive cases there
    int casiDentro = 0;
};
struct FuoriCampioneAmbata : EsitoFuoriCampione<SceltaAmbata> {
    bool completo = false;  ///< false when the configuration lacks a reference
    std::vector<Caso> casi; ///< the cases after the reference
    GiocateAmbata giocate;  ///< their plays with the chosen reference
};
/// The dynamic ambata as an analysis: at E it offers MIGLIORI's first reference for row `riga`
/// (from 1; no offer when the configuration has no such row).
struct AnalisiAmbata {
    ParametriAmbata p;
    int riga = 1;
    bool soloPrimoCaso = false; ///< verify on the first case after the reference only
    using Scelta = SceltaAmbata;
    static std::string Descrivi(const SceltaAmbata& s);
    /// The colpi of a play, so that one play ends before the next reference.
    int PassoNaturale() const { return p.colpi; }
    using Esito = FuoriCampioneAmbata;
    std::optional<SceltaAmbata> Scegli(const Archivio& allora, int riferimento, Esito&) const;
    void Verifica(const Archivio& tutto, int riferimento, const SceltaAmbata& s, Esito& f) const;
};
inline FuoriCampioneAmbata FuoriCampione(const Archivio& a, const ParametriAmbata& p, int riga,
                                         int riferimento) {
    return FuoriCampione(AnalisiAmbata{p, riga}, a, riferimento);
}
/// The outcome of an out-of-sample check in words, for a message.
std::string TestoFuoriCampione(const FuoriCampioneAmbata& f, int riferimento);

/// "Visualizza evoluzione ambata": for colpo c of case `caso`, the draw k + c - 1 the references
/// are read in, its date, the number of each reference row there and the ambata played.
Tabella EvoluzioneAmbata(const Archivio& a, const ParametriAmbata& p, const Caso& caso,
                         const std::vector<int>& piano, const Giocata& giocata);
/// "RIFERIMENTO: RIGA " and the case number.
std::string TitoloEvoluzione(int numeroCaso);

} // namespace strovel

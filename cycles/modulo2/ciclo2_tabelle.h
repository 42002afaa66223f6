#pragma once
// The second cycle module's results as its grids show them.

#include "core/tabella.h"
#include "cycles/modulo2/ciclo2.h"

#include <vector>

namespace strovel {

class Archivio;

inline constexpr const char* IntestazioneCicli2 = "N C|Inizio |Fine   |Gioco ";
inline constexpr const char* IntestazioneDistribuzione = "N C|Inizio |Fine |Gioco";
inline constexpr const char* IntestazioneNumeri = "N° |CC |N° E ";
inline constexpr const char* IntestazioneVerificaInsiemi =
    "N° C|Inizio|Fine  |Gioco |Colpo|Ruota|N1  |N2  |N3  |N4  |N5  |QN|Prev";
inline constexpr const char* IntestazioneStatisticaInsiemi = " |1|2|3|4|5";
inline constexpr const char* IntestazioneEsitiCicli =
    "N° C|Inizio|Fine  |Gioco |Colpo|B|C|F|G|M|N|P|R|T|V|Z|Sorti  ";
inline constexpr const char* IntestazioneSerie = "N C|Inizio |Fine |Gioco|0|1|2|3|4|5|6|7|8|9";
inline constexpr const char* IntestazioneAmbi2 = "  |N1 |N2 |CC |NE |Rit    |RU   ";
inline constexpr const char* IntestazioneAbbinamenti = "Num|Volte";
inline constexpr const char* IntestazioneGiocoAbbinamenti = "Ambata|Abbinamento|Volte";
inline constexpr const char* IntestazioneTerzine = "N1|N2|N3|CC  ";
inline constexpr const char* IntestazioneNumeriAmbetti = "Prog|Num";
inline constexpr const char* IntestazioneCoppie = " Prog |Coppia|N1  |N2  ";
inline constexpr const char* IntestazioneEsitiAmbetti = "N° |Esiti";
inline constexpr const char* IntestazioneColpiAmbetto =
    "N° C|Inizio|Data inizio    |Fine  |Data fine      |Gioco |Data gioco    |Colpo|Ruota|N1  "
    "|N2  ";

/// FgCicli: the four cycle columns, then the presences of 1..90 (empty when 0).
Tabella TabellaCicli2(const Rilevazione& r);
/// FgMax: per cycle, the numbers with 0, 1, ..., M presences ("07-15-88").
Tabella TabellaDistribuzione(const Rilevazione& r);
/// FgB1 and the grids like it.
Tabella TabellaNumeri(const std::vector<PresenzeNumero>& righe);
/// FgAA: a row per hit, a cycle without hits keeping its four cycle columns.
Tabella TabellaVerificaInsiemi(const Archivio& a, const VerificaInsiemi& v,
                               const std::vector<InsiemePrevisione>& insiemi);
/// FgStat: rows by the size of the set (1..10), columns by the numbers out (1..5).
Tabella TabellaStatisticaInsiemi(const VerificaInsiemi& v);
/// Fg1: per cycle, the colpo of its hit, the best count of each wheel and its sorte; a negative
/// cycle's number on ColoreRossoChiaro.
Tabella TabellaEsitiCicli(const std::vector<EsitoCiclo2>& esiti);
/// FgStat2: "N° Cicli", "Positivi", "Negativi".
Tabella TabellaRiepilogoCicli(const std::vector<EsitoCiclo2>& esiti);
/// FgSerie.
Tabella TabellaSerie(const Rilevazione& r, const std::vector<std::array<int, 10>>& volte);
/// FgAmbi and FgEl.
Tabella TabellaAmbi2(const std::vector<AmboCiclo>& ambi);
/// FGK90 (every number but the ambata), FgK1 (the ranking), FgK2 (the play with its first
/// `quanti` abbinamenti) and Fgx (the triples).
Tabella TabellaAbbinamenti90(const Abbinamenti& ab);
Tabella TabellaClassificaAbbinamenti(const Abbinamenti& ab);
Tabella TabellaGiocoAbbinamenti(const Abbinamenti& ab, int quanti);
Tabella TabellaTerzine(const Abbinamenti& ab);
/// FgN, Fg90, Fg91 (the pairs by positive cycles), FgB4 and FgY (the cycles of one pair).
Tabella TabellaNumeriAmbetti(const std::vector<int>& numeri);
Tabella TabellaCoppie(const std::vector<EsitoAmbetto>& esiti);
std::vector<EsitoAmbetto> OrdinaAmbetti(std::vector<EsitoAmbetto> esiti);
Tabella TabellaEsitiAmbetti(const std::vector<EsitoAmbetto>& esiti);
Tabella TabellaColpiAmbetto(const Archivio& a, const EsitoAmbetto& e);

} // namespace strovel

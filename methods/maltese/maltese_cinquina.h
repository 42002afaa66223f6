#pragma once
// The three "Cinquina per ambo e terno" variants of the Maltese square window: at the last draw
// of each month a product of the wheel's numbers is divided, and the decimal digits of the
// result, read in overlapping pairs, give a cinquina played for ambo and terno over the
// following draws. No widgets.
//
// The variants differ in what is multiplied and what divides:
//   1: the product of the five numbers, divided by the product of their Complementi 90;
//   2: the product of the first three numbers, divided by the product of the last two;
//   3: the first number times the last (the Moltiplicatore), divided by the Complemento 90 of
//      the third.

#include "core/tabella.h"
#include "methods/maltese/maltese.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace strovel {

class Archivio;

enum class ModalitaDecimali {
    Calcolatrice,  ///< "Modalità calcolatrice": Cifre digits in all, the last one rounded
    DecimaliFissi, ///< "Modalità decimali fissi": Cifre decimals, cut
};
inline constexpr int CifreMinime = 6;
inline constexpr int CifrePredefinite = 10;
/// The box Cifre takes two digits at most.
inline constexpr int CifreMassime = 99;
inline constexpr const char* MessaggioCifre = "Attenzione il valore ' Cifre ' deve essere almeno 6";
inline constexpr const char* DomandaUltima =
    "L'ultima estrazione disponibile è l'ultima del mese ? ";

/// 90 - x, with 90 for a complement of 0 (x = 90).
int Complemento90(int x);

/// A division as a calculator or the fixed-decimals mode shows it.
struct Divisione {
    std::string intero;   ///< the integer part
    std::string decimali; ///< the decimal digits shown
    std::string Testo() const { return decimali.empty() ? intero : intero + "," + decimali; }
    friend bool operator==(const Divisione&, const Divisione&) = default;
};
Divisione Dividi(std::int64_t dividendo, std::int64_t divisore, ModalitaDecimali m, int cifre);

/// The cinquina read from decimal digits: each pair of neighbouring digits (first and second,
/// second and third, ...) is a number, 00 being 90 and a pair above 90 taken fuori 90; a number
/// already taken is skipped; at most five numbers.
std::vector<int> CinquinaDaiDecimali(const std::string& decimali);

/// The decimal working of one case.
struct LavoroDecimale {
    std::vector<int> fattori;  ///< the factors of the product
    std::vector<int> divisori; ///< the factors of the divisor
    std::int64_t prodotto = 0;
    std::int64_t divisore = 0;
    Divisione risultato;
    std::vector<int> cinquina;
    friend bool operator==(const LavoroDecimale&, const LavoroDecimale&) = default;
};
/// Variant 1, 2 or 3 on the five numbers of a draw.
LavoroDecimale CalcolaCinquina(const std::array<int, 5>& numeri, int variante, ModalitaDecimali m,
                               int cifre);

/// Whether the window must ask if the latest draw closes its month: its day is 25 or later.
bool ChiedereUltima(const std::string& data);

struct ParametriCinquinaMaltese {
    int ruota = 0;
    int casi = 100;
    int colpi = 10;
    int fine = 1; ///< the model-list position the cases are looked for from, backwards
    int variante = 1;
    ModalitaDecimali modalita = ModalitaDecimali::Calcolatrice;
    int cifre = CifrePredefinite;
    bool ultimaDelMese = false; ///< the latest draw counts as the last of its month
};

struct CasoCinquina {
    int posizione = 0;  ///< model-list position of the case's draw
    int estrazione = 0; ///< its draw index
    std::array<int, 5> numeri{};
    LavoroDecimale lavoro;
    int colpo = 0;          ///< 0: no hit
    int esito = 0;          ///< the hit draw
    std::vector<int> presi; ///< the cinquina's numbers out at the hit
    bool inGioco = false;
    int colpiGiocati = 0; ///< the colpi the archive holds for the play, hit or not
    int sorte = 2;        ///< of the last verification
    friend bool operator==(const CasoCinquina&, const CasoCinquina&) = default;
};

/// The model-list positions of the last draws of the months, from `fine` back, at most
/// `massimo`: a position whose next draw opens a month (ProgressivoMese 1); the latest draw,
/// which has no next draw, only with `ultimaDelMese`.
std::vector<int> CasiFineMese(const Archivio& a, int fine, int massimo, bool ultimaDelMese);

/// ELABORA: the cases with their cinquine, verified for ambo.
std::vector<CasoCinquina> ElaboraCinquinaMaltese(const Archivio& a,
                                                 const ParametriCinquinaMaltese& p);
/// The play of every case on its wheel over the draws after it, up to `colpi`, the latest draw
/// included: it ends at the first draw with at least `sorte` numbers of the cinquina (2 ambo,
/// 3 terno). Still in play when no hit came and the colpi reach past the latest draw.
void VerificaCinquine(const Archivio& a, int ruota, int colpi, int sorte,
                      std::vector<CasoCinquina>& casi);

/// What chance gives the same plays: each case its cinquina on one wheel for the colpi it
/// played, at the sorte of the last verification.
Confronto ConfrontaCinquine(const std::vector<CasoCinquina>& casi);
/// The counts of the summary lines: positive, negative and in play cases.
RiepilogoEsiti RiassumiCinquine(const std::vector<CasoCinquina>& casi);

/// The Maltese cinquina as an analysis: its rule is fixed, and its check plays every cinquina
/// made after E (verified for the terno when `terno`).
struct AnalisiCinquinaMaltese {
    ParametriCinquinaMaltese p;
    bool terno = false;
    using Scelta = RegolaFissa;
    struct Esito : EsitoFuoriCampione<RegolaFissa> {
        std::vector<CasoCinquina> casi;
    };
    std::optional<RegolaFissa> Scegli(const Archivio&, int, Esito&) const { return RegolaFissa{}; }
    void Verifica(const Archivio& tutto, int riferimento, const RegolaFissa&, Esito& f) const;
};

inline constexpr const char* IntestazioneCinquina =
    "Pr   |N° Estr|Data Estraz  |R1 |R1|N1 |N2 |N3 |N4 |N5 |C1 |C2 |C3 |C4 |C5 |Colpo|Data Esito   "
    "|Esito";
Tabella TabellaCinquina(const Archivio& a, int ruota, const std::vector<CasoCinquina>& casi);
inline constexpr const char* IntestazioneDecimali =
    "Pr   |Moltiplicazione|Prodotto|Divisore|Divisione|Risultato|Cinquina";
/// The decimal working of every case, one row each.
Tabella TabellaDecimali(const std::vector<CasoCinquina>& casi);

} // namespace strovel

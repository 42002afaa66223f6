#pragma once
// What chance alone gives: the probability that a play hits in a draw when the five numbers of a
// wheel are drawn at random, over several wheels and colpi, the expected number of positive cases
// of a series of plays, and how surprising an observed count is.

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace strovel {

struct RiepilogoEsiti;

/// The binomial coefficient n over k as a double (exact for the sizes of a Lotto draw); 0 when
/// k is outside 0..n.
double Combinazioni(int n, int k);

/// The probability that at least `sorte` of `giocati` different numbers are among the `estratti`
/// numbers drawn from `totale` (one wheel, one draw): a hypergeometric tail. 0 when the play
/// cannot reach the sorte.
double ProbabilitaEstrazione(int giocati, int sorte, int totale = 90, int estratti = 5);

/// The probability that, of `giocati` numbers played, exactly a given `presi` of them (and none
/// of the others) are among the `estratti` numbers drawn from 90 (the five of a wheel, or those
/// at the positions a window watches).
double ProbabilitaSottoinsieme(int giocati, int presi, int estratti = 5, int totale = 90);

/// The probability that the played numbers a draw brings out make a hit: `vince` gets the
/// indices (0..giocati - 1, increasing) of the played numbers that came out, every possible
/// subset of at most `estratti` of them weighed by its probability.
double ProbabilitaCombinazioni(int giocati, const std::function<bool(std::span<const int>)>& vince,
                               int estratti = 5, int totale = 90);

/// The probability that a play hits at least once over `ruote` wheels and `colpi` draws, the
/// draws and wheels being independent: 1 - (1 - p)^(ruote * colpi).
double ProbabilitaGioco(int giocati, int sorte, int ruote, int colpi);

/// A count of positive cases beside what chance gives for the same plays.
struct Confronto {
    int casi = 0;
    int positivi = 0;
    double attesi = 0;      ///< expected positives: the sum of the cases' probabilities
    double percentuale = 0; ///< attesi as a percentage of the cases
    double coda = 1;        ///< P(at least `positivi` positives by chance)
};

/// The cases' own hit probabilities (they may differ: fewer colpi, fewer numbers) against the
/// positives found. The count of positives by chance is a sum of independent yes/no trials; its
/// tail is computed exactly.
Confronto ConfrontaConIlCaso(const std::vector<double>& probabilita, int positivi);

/// The expected best count among `quanti` independent series of `prove` trials of probability
/// `p`: what the top of a ranking of `quanti` random formulas reaches by chance.
double MassimoAtteso(int quanti, int prove, double p);
/// The same when the trials of a series have their own probabilities (cases with fewer colpi).
double MassimoAtteso(double quanti, const std::vector<double>& probabilita);
/// The best among groups of series: `quanti` series of each group's trials.
struct SerieUguali {
    double quanti = 0;
    std::vector<double> probabilita;
};
double MassimoAtteso(const std::vector<SerieUguali>& gruppi);
/// The probability that the best of the series reaches at least `k` successes by chance: what
/// a ranking's top count is worth, since the best of many random candidates is never modest.
double ProbabilitaMigliore(const std::vector<SerieUguali>& gruppi, int k);
/// The same for `quanti` series of the same trials.
double ProbabilitaMigliore(double quanti, const std::vector<double>& probabilita, int k);
/// "Probabilità del migliore" in words for a window: "probabilità che il migliore di N a caso
/// arrivi ad almeno K: X%".
std::string TestoProbabilitaMigliore(double quanti, int k, double probabilita);

/// The two summary rows of a comparison: {"Atteso per caso", expected positives, their
/// percentage} and {"Probabilità", "", the tail as a percentage}, numbers with one decimal.
std::vector<std::vector<std::string>> RigheAtteso(const Confronto& c);
/// The comparison in plain words for a window: "Per puro caso: 3.3 positivi attesi (37.0%).
/// Trovarne almeno 2 per puro caso: 91.0%: nessun vantaggio sul caso." (under 5%: "raro per
/// puro caso").
std::string TestoConfronto(const Confronto& c);

/// An out-of-sample verification in words: "Dopo l'estrazione E: N casi, P positivi (x%), I in
/// gioco." and the comparison with chance on a second line; without cases, NienteDaVerificare.
std::string TestoVerificaDopo(int riferimento, const RiepilogoEsiti& r, const Confronto& c);
/// "Nessun caso dopo l'estrazione E: niente da verificare."
std::string NienteDaVerificare(int riferimento);

/// A number with one decimal, "12.3".
std::string UnDecimale(double x);

} // namespace strovel

#pragma once
// Bringing the archive up to date from a text archive of draws: the check that marks every
// candidate draw against the archive, and the apply that writes the marked ones.

#include "core/tabella.h"
#include "storage/testo_aggiornamento.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace strovel {

class DatabaseArchivio;

/// One candidate draw of the update grid FgImporta and its marks.
struct Candidata {
    RigaAggiornamento riga;
    bool daImportare = false;      ///< import mark: the archive lacks this date
    bool conErrori = false;        ///< error mark: the archive has the date, some wheel differs
    std::array<bool, 11> uguali{}; ///< wheel equal to the archive's
};

/// The step names of the check, for its error message.
inline constexpr const char* PassoCollegamento = "Collegamento al sito";
inline constexpr const char* PassoElenco = "Elenco nuove estrazioni";
inline constexpr const char* PassoControllo = "Controllo estrazioni mancanti";

struct EsitoControllo {
    /// The List4 lines, in the order the findings were made (last file line first).
    QStringList messaggi;
    /// Empty when the check went through; otherwise the step name for
    /// "Attenzione qualcosa è andato strorto nella procedura " + step.
    QString passoFallito;
    QString motivo; ///< why it failed, for the command line
};

/// The candidates of a text file: one per record with a date cell (FgImporta's rows).
std::vector<Candidata> Candidate(const QByteArray& contenuto);

/// ConfrontoArchivio: marks every candidate, from the last to the first, against the archive.
/// A date the archive cannot convert stops the check there; the marks already set stay.
/// `progresso(massimo, valore)` follows the rows.
EsitoControllo ConfrontoArchivio(const DatabaseArchivio& db, std::vector<Candidata>& candidate,
                                 const std::function<void(int, int)>& progresso = {});

struct EsitoApplicazione {
    QStringList messaggi; ///< the List4 lines, in file order
    int aggiunte = 0;
    int modificate = 0;
    /// Empty when everything was written; otherwise nothing was written and this says which
    /// date failed and why.
    QString errore;
};

/// AggiornamentoArchivio: appends the draws with the import mark that the archive still lacks
/// and, with `correggi`, rewrites the draws with the error mark, in file order, all in one
/// transaction: if any row fails, nothing is written.
EsitoApplicazione AggiornamentoArchivio(DatabaseArchivio& db,
                                        const std::vector<Candidata>& candidate, bool correggi,
                                        const QDateTime& adesso);

inline constexpr const char* IntestazioneImporta =
    "|Data estraz |Bari|Cagliari|Firenze|Genova|Milano|Napoli|Palermo|Roma|Torino|Venezia|"
    "Nazionale";
/// FgImporta with its marks (orange date, red bold date, light green wheels).
Tabella TabellaCandidate(const std::vector<Candidata>& candidate);

} // namespace strovel

#pragma once
// Bringing the archive up to date from a text archive of draws: the check that marks every
// candidate draw against the archive, and the apply that writes the marked ones.

#include "core/progresso.h"
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
    /// Why the record is malformed (MotivoMalformato); empty for a well-formed record.
    QString malformato;
};

/// Why a record would store a draw that a new archive refuses: a date that does not convert,
/// or a wheel block that is neither "00-00-00-00-00" nor five different numbers 1..90 in the
/// "nn-nn-nn-nn-nn" layout. Empty for a well-formed record.
QString MotivoMalformato(const RigaAggiornamento& riga);
/// The wheel blocks of `riga` that are malformed.
std::array<bool, 11> RuoteMalformate(const RigaAggiornamento& riga);
/// The List4 line that reports a malformed record.
QString RigaMalformato(const Candidata& c);

/// A local update file read and checked on its first record.
struct FileAggiornamento {
    enum class Esito {
        Letto,        ///< `contenuto` holds the file
        NonLeggibile, ///< missing, a folder or a device, too large, or unreadable: `motivo`
        FormatoErrato ///< the first record is not 178 characters ending in "pr"
    };
    Esito esito = Esito::NonLeggibile;
    QByteArray contenuto;
    QString motivo;
};
/// Reads a local update file (at most 64 MB, plain files only) and applies the first-record
/// rule. Used by the archive window and by the command line.
FileAggiornamento LeggiFileAggiornamento(const QString& percorso);

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
/// `progresso` follows the rows: maximum N, value N - r at row r.
EsitoControllo ConfrontoArchivio(const DatabaseArchivio& db, std::vector<Candidata>& candidate,
                                 const Progresso& progresso = {});

struct EsitoApplicazione {
    QStringList messaggi; ///< the List4 lines, in file order
    /// One line per malformed record left out, in file order.
    QStringList saltate;
    int aggiunte = 0;
    int modificate = 0;
    /// Empty when everything was written; otherwise nothing was written and this says why
    /// (naming a date only when that draw is the cause).
    QString errore;
};

/// The candidates an apply would write (import mark, or error mark with `correggi`) whose
/// record is malformed.
int MalformateDaScrivere(const std::vector<Candidata>& candidate, bool correggi);

/// AggiornamentoArchivio: appends the draws with the import mark that the archive still lacks
/// and, with `correggi`, rewrites the draws with the error mark, in file order, all in one
/// transaction: if any row fails, nothing is written. Malformed records are left out (and
/// listed in `saltate`) unless `ancheMalformati`.
EsitoApplicazione AggiornamentoArchivio(DatabaseArchivio& db,
                                        const std::vector<Candidata>& candidate, bool correggi,
                                        const QDateTime& adesso, bool ancheMalformati = false);

inline constexpr const char* IntestazioneImporta =
    "|Data estraz |Bari|Cagliari|Firenze|Genova|Milano|Napoli|Palermo|Roma|Torino|Venezia|"
    "Nazionale";
/// FgImporta with its marks (orange date, red bold date, light green wheels).
Tabella TabellaCandidate(const std::vector<Candidata>& candidate);

} // namespace strovel

#pragma once
// The fixed-column text archive of draws used for updates: one draw per record, the date at
// positions 1-10 and wheel block k (1 = Bari .. 11 = Nazionale) at 12 + 15 * (k - 1) for 14
// characters. Blocks are kept as text, exactly as they stand.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <vector>

namespace strovel {

/// One record of a text file and the line it starts on (1-based).
struct RecordTesto {
    QString testo;
    int riga = 0;
};

/// The text without the UTF-8 byte-order mark that some editors put at its start.
QByteArray SenzaBom(const QByteArray& contenuto);

/// Splits a file into records: a line break (CR LF, LF or CR) or a comma ends a record.
/// Bytes are read as Latin-1, so every file gives some text. A byte-order mark at the start
/// is skipped.
QList<RecordTesto> DividiRecord(const QByteArray& contenuto);

/// The rule a local update file must pass on its first record: exactly 178 characters, the
/// last two being "pr" in lower case.
bool PrimoRecordValido(const QString& primoRecord);

/// One row of the candidate grid: the date text and the eleven wheel blocks.
struct RigaAggiornamento {
    QString data;
    std::array<QString, 11> ruote;
    int riga = 0;
};

/// Whether a row holds nothing but blanks (a draw most likely lost in editing).
bool SoloSpazi(const RigaAggiornamento& riga);

/// Positions 1-10 and the eleven blocks of a record; a short record gives short or empty cells.
RigaAggiornamento LeggiRecordAggiornamento(const RecordTesto& record);

/// The candidate rows of a file: one per record, dropping every record whose date cell is
/// empty (blank lines and the empty record after the last line break).
std::vector<RigaAggiornamento> CaricaRigheAggiornamento(const QByteArray& contenuto);

} // namespace strovel

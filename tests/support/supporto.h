#pragma once
// Helpers shared by the test suites.

#include "core/riga_estrazione.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <vector>

#include <ostream>

/// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace strovel {
class Archivio;
}

namespace strovel::test {

/// Path of a file of the real draws, or nothing when the shared data folder is absent.
std::optional<QString> DatiReali(const QString& nome);

/// A fixed moment for datareg/orareg.
QDateTime Adesso();

/// A draw on `data` whose wheel r holds numbers base+r .. base+r+4 (kept within 1..90).
RigaEstrazione Riga(const std::string& data, int base = 1);

/// Creates an archive database at `percorso` holding `righe`; fails the test otherwise.
void CreaArchivio(const QString& percorso, const std::vector<RigaEstrazione>& righe);

/// `n` draws on consecutive days from 01/01/2000.
std::vector<RigaEstrazione> RigheConsecutive(int n);

/// The real archive loaded in memory (made once per test program from
/// ../shared/data/archivio.txt), or nullptr when the data folder is absent.
const Archivio* ArchivioReale();

QByteArray LeggiFile(const QString& percorso);
/// Overwrites the middle pages of a database file with garbage, as a failing disk would.
void DanneggiaFile(const QString& percorso);
/// Row count and a hash of the date and wheels of every row of EstrazioniLotto (not of the
/// time they were written): "N:hash", or an empty text when the file cannot be read.
QString ImprontaArchivio(const QString& percorso);
void ScriviFile(const QString& percorso, const QByteArray& contenuto);

} // namespace strovel::test

#define STROVEL_RICHIEDE_DATI_REALI(variabile, nome)                                               \
    const auto variabile = ::strovel::test::DatiReali(nome);                                       \
    if (!variabile) {                                                                              \
        GTEST_SKIP() << "cartella dei dati reali assente";                                         \
    }

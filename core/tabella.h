#pragma once
// Tabella: what a command produces. Header texts (split at "|", blanks kept), rows of cells,
// and per cell its text and style. Windows render it into a grid, the command line prints it
// as TSV or CSV, tests assert on it.

#include "core/colori.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strovel {

/// Marks that carry meaning between commands. The renderer turns them into colours.
enum class Segno : std::uint8_t {
    Nessuno,
    Selezionato,   ///< green selection of a selection grid
    DaImportare,   ///< update check: the archive lacks this draw
    ConErrori,     ///< update check: the draw differs from the archive
    Uguale,        ///< update check: this wheel equals the archive's
    CicloNegativo, ///< cycle windows: a negative cycle
    Malformato,    ///< update check: a record that a new archive would refuse
};

/// A proportional bar drawn across a cell: `permille` of its width, in `colore`.
struct Barra {
    int permille = 0;
    Colore colore;
    friend bool operator==(const Barra&, const Barra&) = default;
};

struct StileCella {
    Segno segno = Segno::Nessuno;
    /// Explicit colours, used where no mark applies.
    std::optional<Colore> sfondo;
    std::optional<Colore> testo;
    bool grassetto = false;
    std::optional<Barra> barra;
    bool centrato = false;
    friend bool operator==(const StileCella&, const StileCella&) = default;
};

struct Cella {
    std::string testo;
    StileCella stile;
    friend bool operator==(const Cella&, const Cella&) = default;
};

/// The header texts of a grid written as one text with "|" between columns.
std::vector<std::string> DividiIntestazione(std::string_view intestazione);

class Tabella {
public:
    Tabella() = default;
    explicit Tabella(std::string_view intestazione);

    std::vector<std::string> intestazioni;
    std::vector<std::vector<Cella>> righe;
    /// Column widths in characters; empty or 0 means "fit the contents".
    std::vector<int> larghezze;
    /// Background of a column's title; missing entries keep the plain look.
    std::vector<std::optional<Colore>> sfondiIntestazioni;

    int Colonne() const { return static_cast<int>(intestazioni.size()); }
    /// A new row with one empty cell per column.
    std::vector<Cella>& AggiungiRiga();
    /// A new row with the given texts (missing cells empty, extra ones dropped).
    std::vector<Cella>& AggiungiRiga(const std::vector<std::string>& testi);

    /// Header and rows, tab-separated, one line per row ending in "\n". Tabs and line breaks
    /// inside a cell become blanks.
    std::string Tsv() const;
    /// The same as comma-separated values, cells quoted where needed.
    std::string Csv() const;
};

} // namespace strovel

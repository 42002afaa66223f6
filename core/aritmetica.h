#pragma once
// Lotto number arithmetic: attribute tables, reduction fuori 90, differences, the six
// derivation operations and the ambo classes. Everything is a pure function of its operands.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strovel {

/// Attribute table indexed 0..90; entry 0 holds 0 and is never read.
using TabellaAttributo = std::array<std::int16_t, 91>;

namespace dettaglio {
constexpr TabellaAttributo Costruisci(int (*regola)(int)) {
    TabellaAttributo t{};
    for (int n = 1; n <= 90; ++n) {
        t[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(regola(n));
    }
    return t;
}
constexpr int Decina(int n) {
    return n == 90 ? 0 : n / 10;
}
constexpr int Cadenza(int n) {
    return n % 10;
}
constexpr int Figura(int n) {
    return n % 9 == 0 ? 9 : n % 9;
}
constexpr int Vertibile(int n) {
    return (n % 10) * 10 + n / 10;
}
} // namespace dettaglio

/// Tens digit: 1..9 and 90 are group 0, 10..19 group 1, ..., 80..89 group 8.
inline constexpr TabellaAttributo TabDecina = dettaglio::Costruisci(dettaglio::Decina);
/// Last digit 0..9.
inline constexpr TabellaAttributo TabCadenza = dettaglio::Costruisci(dettaglio::Cadenza);
/// Digital root 1..9.
inline constexpr TabellaAttributo TabFigura = dettaglio::Costruisci(dettaglio::Figura);
/// The two digits swapped; 19, 29, ..., 89 give 91..98 and are not reduced here.
inline constexpr TabellaAttributo TabVertibile = dettaglio::Costruisci(dettaglio::Vertibile);

/// Reduction into 1..90: x mod 90, a remainder of 0 giving 90.
constexpr std::int16_t Fuori90(int x) {
    int r = x % 90;
    if (r <= 0) {
        r += 90;
    }
    return static_cast<std::int16_t>(r);
}

/// abs(a - b).
constexpr std::int16_t Distanza(int a, int b) {
    return static_cast<std::int16_t>(a > b ? a - b : b - a);
}

enum class Operazione : char {
    Somma = '+',
    Sottrazione = '-',
    Moltiplicazione = 'X',
    SommaFigura = 'F',
    SommaCadenza = 'C',
    SommaVertibile = 'V',
};

/// The items of the operation lists, in their order.
inline constexpr std::array<std::string_view, 6> VociOperazione = {
    "+ Somma",          "- Sottrae",         "X Moltiplica",
    "F Somma + Figura", "C Somma + Cadenza", "V Somma + Vertibile"};

/// The operation of a list item (or of a bare code), read from its first character.
std::optional<Operazione> OperazioneDaVoce(std::string_view voce);
/// "Somma", "Sottrazione", "Moltiplicazione", "Somma + Figura", ...
std::string_view NomeOperazione(Operazione op);
/// The formula text built from the operand values, for example "90 + 90 +9".
std::string TestoFormula(Operazione op, int x, int y);

/// The number derived from x and y (both 1..90). The attribute of F, C and V is that of x.
constexpr std::int16_t Deriva(Operazione op, int x, int y) {
    switch (op) {
    case Operazione::Somma:
        return Fuori90(x + y);
    case Operazione::Sottrazione: {
        const std::int16_t d = Distanza(x, y);
        return d == 0 ? std::int16_t{90} : d;
    }
    case Operazione::Moltiplicazione:
        return Fuori90(x * y);
    case Operazione::SommaFigura:
        return Fuori90(x + y + TabFigura[static_cast<std::size_t>(x)]);
    case Operazione::SommaCadenza:
        return Fuori90(x + y + TabCadenza[static_cast<std::size_t>(x)]);
    case Operazione::SommaVertibile:
        return Fuori90(x + y + TabVertibile[static_cast<std::size_t>(x)]);
    }
    return 0;
}

/// A running ambata combined with a new number: (a + m) fuori 90.
constexpr std::int16_t SommaProgressiva(int a, int m) {
    return Fuori90(a + m);
}

/// Sum class of an ambo: (a + b) fuori 90.
constexpr std::int16_t ClasseSomma(int a, int b) {
    return Fuori90(a + b);
}
/// Difference class of an ambo of two distinct numbers: abs(a - b), 1..89.
constexpr std::int16_t ClasseDifferenza(int a, int b) {
    return Distanza(a, b);
}

} // namespace strovel

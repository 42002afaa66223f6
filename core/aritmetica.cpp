#include "core/aritmetica.h"

namespace strovel {

std::optional<Operazione> OperazioneDaVoce(std::string_view voce) {
    if (voce.empty()) {
        return std::nullopt;
    }
    switch (voce.front()) {
    case '+':
        return Operazione::Somma;
    case '-':
        return Operazione::Sottrazione;
    case 'X':
        return Operazione::Moltiplicazione;
    case 'F':
        return Operazione::SommaFigura;
    case 'C':
        return Operazione::SommaCadenza;
    case 'V':
        return Operazione::SommaVertibile;
    default:
        return std::nullopt;
    }
}

std::string_view NomeOperazione(Operazione op) {
    switch (op) {
    case Operazione::Somma:
        return "Somma";
    case Operazione::Sottrazione:
        return "Sottrazione";
    case Operazione::Moltiplicazione:
        return "Moltiplicazione";
    case Operazione::SommaFigura:
        return "Somma + Figura";
    case Operazione::SommaCadenza:
        return "Somma + Cadenza";
    case Operazione::SommaVertibile:
        return "Somma + Vertibile";
    }
    return {};
}

std::string TestoFormula(Operazione op, int x, int y) {
    const std::string sx = std::to_string(x);
    const std::string sy = std::to_string(y);
    // Operands outside 1..90 never reach here; index 0 keeps a stray call in bounds.
    const auto ix = static_cast<std::size_t>(x >= 1 && x <= 90 ? x : 0);
    switch (op) {
    case Operazione::Somma:
        return sx + " + " + sy;
    case Operazione::Sottrazione:
        return "ABS (" + sx + " - " + sy + ")";
    case Operazione::Moltiplicazione:
        return sx + " X " + sy;
    case Operazione::SommaFigura:
        return sx + " + " + sy + " +" + std::to_string(TabFigura[ix]);
    case Operazione::SommaCadenza:
        return sx + " + " + sy + " +" + std::to_string(TabCadenza[ix]);
    case Operazione::SommaVertibile:
        return sx + " + " + sy + " +" + std::to_string(TabVertibile[ix]);
    }
    return {};
}

} // namespace strovel

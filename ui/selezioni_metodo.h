#pragma once
// Pieces every method window lays out the same way: the wheel lists "Rilevazione" (FgR) and
// "Gioco" (FgG) with "Seleziona tutti" / "Deseleziona", the positions Fgp, a drop-down list of
// a parameter and a read-only result grid.

#include <QString>

#include <array>

class QComboBox;
class QTableWidget;
class QWidget;

namespace strovel {

class GrigliaSelezione;
struct ListaValori;

struct SelezioniMetodo {
    QWidget* pannello = nullptr;
    GrigliaSelezione* rilevazione = nullptr; ///< FgR, 11 rows BA..NZ
    GrigliaSelezione* gioco = nullptr;       ///< FgG, 11 rows
    GrigliaSelezione* posizioni = nullptr;   ///< Fgp, cells 1..5

    std::array<bool, 11> Rilevazione() const;
    std::array<bool, 11> Gioco() const;
    std::array<bool, 5> Posizioni() const;
};

/// The two wheel lists side by side, the buttons that select or clear both, the positions.
SelezioniMetodo CreaSelezioniMetodo(QWidget* padre);

/// A drop-down list named `nome` with the items and default of `lista`.
QComboBox* CreaLista(QWidget* padre, const char* nome, const ListaValori& lista);

/// A read-only result grid named `nome`, rows selected whole, showing `intestazione`.
QTableWidget* CreaGrigliaRisultati(QWidget* padre, const QString& nome, const char* intestazione);

} // namespace strovel

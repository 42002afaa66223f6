#pragma once
// Pieces every method window lays out the same way: the wheel lists "Rilevazione" (FgR) and
// "Gioco" (FgG) with "Seleziona tutti" / "Deseleziona", the positions Fgp, a drop-down list of
// a parameter and a read-only result grid.

#include <QString>

#include <array>
#include <utility>

class QComboBox;
class QGroupBox;
class QPushButton;
class QLabel;
class QWidget;

namespace strovel {

class GrigliaTabella;

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

/// The list takes the mouse wheel only when it has the focus: scrolling a panel over it scrolls
/// the panel and leaves its choice as it is.
void RotellaSoloConFuoco(QComboBox* lista);

/// A drop-down list named `nome` with the items and default of `lista`.
QComboBox* CreaLista(QWidget* padre, const char* nome, const ListaValori& lista);
/// The label of a parameter list, with the caption of its description; it names the list for a
/// screen reader and gives it the keyboard focus.
QLabel* EtichettaLista(QWidget* padre, const ListaValori& lista, QComboBox* elenco);

/// A wheel selection grid named `nome`: the eleven wheel codes in `colonne` columns of 30 px,
/// nothing selected, as tall as its rows.
GrigliaSelezione* CreaGrigliaRuote(QWidget* padre, const char* nome, int colonne);
/// A position grid named `nome`: cells 1..5 in one row, all selected.
GrigliaSelezione* CreaGrigliaPosizioni(QWidget* padre, const char* nome);
/// Flat buttons "Seleziona tutti" and "Deseleziona", named `tutti` and `nessuno`, acting on
/// `griglia`.
std::pair<QPushButton*, QPushButton*> PulsantiSelezione(QWidget* padre, GrigliaSelezione* griglia,
                                                        const char* tutti, const char* nessuno);
/// The box "Ruote e posizioni": a wheel grid FgR in `colonne` columns with "Seleziona tutti" /
/// "Deseleziona" (LblSelTutti, LblDesel) and the positions Fgp, all five selected.
QGroupBox* CreaRuoteEPosizioni(QWidget* padre, int colonne, GrigliaSelezione*& ruote,
                               GrigliaSelezione*& posizioni);
/// The wheels and positions a grid shows selected.
std::array<bool, 11> RuoteScelte(const GrigliaSelezione* griglia);
std::array<bool, 5> PosizioniScelte(const GrigliaSelezione* griglia);
/// A title above a widget, as one widget to lay out.
QWidget* Titolata(QWidget* padre, const QString& titolo, QWidget* contenuto);
/// A word-wrapped label for a note under a grid (the comparison with chance), named `nome`.
QLabel* CreaNota(QWidget* padre, const char* nome, const QString& suggerimento = QString());
/// `contenuto` with `nota` under it.
QWidget* ConNota(QWidget* padre, QWidget* contenuto, QLabel* nota);
/// A read-only result grid named `nome`, rows selected whole, showing `intestazione`.
GrigliaTabella* CreaGrigliaRisultati(QWidget* padre, const QString& nome, const char* intestazione);

} // namespace strovel

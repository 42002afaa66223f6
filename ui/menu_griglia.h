#pragma once
// What a player can take away from any result grid: its right-click menu "Copia tabella"
// (tab-separated text with the header, as spreadsheets paste it), "Salva come CSV…" and
// "Salva come immagine…".

#include <functional>

class QMenu;
class QPoint;
class QWidget;
class QString;

namespace strovel {

class Dialoghi;
class GrigliaTabella;
class Tabella;

/// The dialogs the save commands ask through (the program's own, or a test's). Without them the
/// save commands do nothing.
void ImpostaDialoghiGriglie(Dialoghi* dialoghi);

/// The grid as it shows: header texts and cell texts, hidden columns left out.
Tabella TabellaDellaGriglia(const GrigliaTabella* griglia);

/// What "Grafico dei ritardi di N" opens for number N, asked from `origine` (the program sets
/// it; without it the command is not offered).
void ImpostaGraficoRitardi(std::function<void(QWidget* origine, int numero)> apri);

/// The three commands, on the grid's right-click menu, and on a cell holding a Lotto number
/// also "Grafico dei ritardi di N".
void AggiungiMenuGriglia(GrigliaTabella* griglia);
/// The menu a right-click at `punto` (viewport coordinates) opens; the caller owns it.
QMenu* MenuGriglia(GrigliaTabella* griglia, const QPoint& punto);

/// The file name (without extension) the save commands propose for `w`: the caption of its
/// window, the part it shows (its accessible name, else the tab that holds it, else its control
/// name) and today's date, as in "Strovel_Modulo_2_Cicli_2026-01-15".
QString NomeFileProposto(const QWidget* w);

/// Saves a picture of `widget` as PNG where the user says (`nome` proposed); false when cancelled
/// or the file cannot be written (the user is told why).
bool SalvaImmagine(QWidget* widget, const QString& nome);

/// "Copia tabella": the grid on the clipboard as TSV.
void CopiaGriglia(const GrigliaTabella* griglia);
/// "Salva come CSV…" / "Salva come immagine…" to a chosen file; false when cancelled or the file
/// cannot be written (the user is told why).
bool SalvaGrigliaCsv(GrigliaTabella* griglia);
bool SalvaGrigliaImmagine(GrigliaTabella* griglia);

} // namespace strovel

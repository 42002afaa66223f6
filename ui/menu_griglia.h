#pragma once
// What a player can take away from any result grid: its right-click menu "Copia tabella"
// (tab-separated text with the header, as spreadsheets paste it), "Salva come CSV…" and
// "Salva come immagine…".

class QTableWidget;
class QString;

namespace strovel {

class Dialoghi;
class Tabella;

/// The dialogs the save commands ask through (the program's own, or a test's). Without them the
/// save commands do nothing.
void ImpostaDialoghiGriglie(Dialoghi* dialoghi);

/// The grid as it shows: header texts and cell texts, hidden columns left out.
Tabella TabellaDellaGriglia(const QTableWidget* griglia);

/// The three commands, on the grid's right-click menu.
void AggiungiMenuGriglia(QTableWidget* griglia);

/// "Copia tabella": the grid on the clipboard as TSV.
void CopiaGriglia(const QTableWidget* griglia);
/// "Salva come CSV…" / "Salva come immagine…" to a chosen file; false when cancelled or the file
/// cannot be written (the user is told why).
bool SalvaGrigliaCsv(QTableWidget* griglia);
bool SalvaGrigliaImmagine(QTableWidget* griglia);

} // namespace strovel

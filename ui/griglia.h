#pragma once
// The one renderer that turns a Tabella into a grid, and the colours of the cell marks.

#include "core/tabella.h"

#include <QColor>

#include <optional>

class QTableWidget;
class QTableWidgetItem;

namespace strovel {

inline QColor ColoreQt(const Colore& c) {
    return QColor(c.rosso, c.verde, c.blu);
}

/// The background a mark gives a cell, if any.
std::optional<Colore> SfondoDelSegno(Segno segno);
/// The text colour a mark gives a cell, if any.
std::optional<Colore> TestoDelSegno(Segno segno);

/// Fills `griglia` with the Tabella: header texts, cell texts, backgrounds, text colours, bold
/// and column widths. Cells are read-only.
void MostraTabella(QTableWidget* griglia, const Tabella& tabella);

/// The bar a cell shows, in permille of its width, or -1 when it has none.
int PermilleBarra(const QTableWidgetItem* item);

} // namespace strovel

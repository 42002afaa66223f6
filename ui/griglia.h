#pragma once
// The one renderer of result grids: a Tabella shown through a table model (texts, colours, bold,
// bars and alignment as roles), so a grid of any size appears at once and the window keeps the
// Tabella itself, not a copy in widget items.

#include "core/tabella.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>

#include <optional>
#include <vector>

namespace strovel {

inline QColor ColoreQt(const Colore& c) {
    return QColor(c.rosso, c.verde, c.blu);
}

/// The background a mark gives a cell, if any.
std::optional<Colore> SfondoDelSegno(Segno segno);
/// The text colour a mark gives a cell, if any.
std::optional<Colore> TestoDelSegno(Segno segno);

/// Roles beyond Qt's own: a cell's bar in permille of its width, and its colour.
inline constexpr int RuoloBarra = Qt::UserRole + 40;
inline constexpr int RuoloColoreBarra = Qt::UserRole + 41;

/// A Tabella as a read-only table model.
class ModelloTabella : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Imposta(Tabella tabella);
    const Tabella& Dati() const { return tabella_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento,
                        int ruolo = Qt::DisplayRole) const override;

private:
    const Cella* CellaA(int riga, int colonna) const;
    Tabella tabella_;
};

/// A result grid: shows one Tabella, read-only, with the window's selection behaviour.
class GrigliaTabella : public QTableView {
    Q_OBJECT
public:
    explicit GrigliaTabella(QWidget* padre = nullptr);

    /// Shows `tabella`: header texts, cells, colours, bold, bars, column widths. Hidden columns
    /// stay hidden; the current cell and the selection start again.
    void Mostra(Tabella tabella);
    const Tabella& Dati() const { return modello_->Dati(); }
    /// Keeps the column titles and drops every row.
    void Svuota();

    int rowCount() const { return modello_->rowCount(); }
    int columnCount() const { return modello_->columnCount(); }
    /// The text of a cell; empty outside the grid.
    QString Testo(int riga, int colonna) const;
    /// The title of a column; empty outside the grid.
    QString Intestazione(int colonna) const;
    /// The bar a cell shows, in permille of its width, or -1 when it has none.
    int PermilleBarra(int riga, int colonna) const;

    void setCurrentCell(int riga, int colonna);
    int currentRow() const { return currentIndex().row(); }
    int currentColumn() const { return currentIndex().column(); }

Q_SIGNALS:
    /// A cell clicked with the mouse (row, column), as the windows' commands expect it.
    void cellClicked(int riga, int colonna);

private:
    /// For every column, the width that shows its title and its widest texts whole.
    std::vector<int> LarghezzeContenuto() const;
    ModelloTabella* modello_;
};

/// Shows `tabella` in `griglia` (the renderer every window calls).
void MostraTabella(GrigliaTabella* griglia, Tabella tabella);

} // namespace strovel

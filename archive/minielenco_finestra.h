#pragma once
// The small draw window: one draw at a time as an 11 x 5 table, chosen with a scroll bar, by
// index or by date; number cells can be highlighted by a click.

#include "ui/servizi.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace strovel {

class Archivio;
class Dialoghi;
class SelettoreIntervallo;

class FinestraMiniElenco : public QWidget {
    Q_OBJECT
public:
    FinestraMiniElenco(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    void MostraEstrazione(int posizione);
    void ResettaColorazione();
    /// A click on cell (riga, colonna): number cells toggle their highlight.
    void Clic(int riga, int colonna);

private:
    const Archivio& archivio_;
    SelettoreIntervallo* selettore_;
    QTableWidget* griglia_;
    QLabel* indice_;
    QLabel* data_;
    QLabel* progressivi_;
};

/// The highlight of a clicked number cell.
inline const QColor& ColoreEvidenziaMini() {
    static const QColor c(255, 192, 128);
    return c;
}

} // namespace strovel

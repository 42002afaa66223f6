#pragma once
// A grid of wheels, positions or numbers whose cells toggle between green (selected) and
// white on a click, or on Space or Enter over the cell the arrows reach. The selection is read
// from the cell backgrounds when a command runs; a screen reader hears each cell's state.

#include <QTableWidget>

#include <vector>

namespace strovel {

class GrigliaSelezione : public QTableWidget {
    Q_OBJECT
public:
    explicit GrigliaSelezione(QWidget* padre = nullptr);

    /// Lays `voci` out row by row in `colonne` columns, all unselected.
    void Imposta(const QStringList& voci, int colonne);
    int Voci() const { return voci_; }

    void SelezionaTutti();
    void Deseleziona();
    void Commuta(int voce);
    void ImpostaVoce(int voce, bool selezionata);
    bool Selezionata(int voce) const;
    /// One flag per item, in the order the items were given.
    std::vector<bool> Selezione() const;
    /// Fixes the grid's size to its cells as they are now laid, headers and frame included, with
    /// no scroll bars: every cell in sight and clickable, whatever the layout around it. Run
    /// after the column widths and row heights are set.
    void AdattaAlContenuto();

Q_SIGNALS:
    void SelezioneCambiata();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QTableWidgetItem* Cella(int voce) const;
    int voci_ = 0;
    int colonne_ = 1;
};

} // namespace strovel

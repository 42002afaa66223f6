#include "ui/griglia_selezione.h"

#include "core/colori.h"
#include "ui/griglia.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace strovel {

GrigliaSelezione::GrigliaSelezione(QWidget* padre) : QTableWidget(padre) {
    horizontalHeader()->setVisible(false);
    verticalHeader()->setVisible(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No selection highlight: the background is the state.
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    connect(this, &QTableWidget::cellClicked, this,
            [this](int riga, int colonna) { Commuta(riga * colonne_ + colonna); });
}

void GrigliaSelezione::Imposta(const QStringList& voci, int colonne) {
    clear();
    voci_ = static_cast<int>(voci.size());
    colonne_ = std::max(1, colonne);
    setColumnCount(colonne_);
    setRowCount((voci_ + colonne_ - 1) / colonne_);
    for (int v = 0; v < voci_; ++v) {
        auto* item = new QTableWidgetItem(voci[v]);
        item->setTextAlignment(Qt::AlignCenter);
        setItem(v / colonne_, v % colonne_, item);
        ImpostaVoce(v, false);
    }
    resizeColumnsToContents();
    resizeRowsToContents();
}

QTableWidgetItem* GrigliaSelezione::Cella(int voce) const {
    if (voce < 0 || voce >= voci_) {
        return nullptr;
    }
    return item(voce / colonne_, voce % colonne_);
}

bool GrigliaSelezione::Selezionata(int voce) const {
    const QTableWidgetItem* c = Cella(voce);
    return c != nullptr && c->background().color() == ColoreQt(ColoreSelezione);
}

void GrigliaSelezione::ImpostaVoce(int voce, bool selezionata) {
    if (QTableWidgetItem* c = Cella(voce)) {
        c->setBackground(ColoreQt(selezionata ? ColoreSelezione : ColoreBianco));
        c->setData(Qt::AccessibleTextRole,
                   c->text() + (selezionata ? QStringLiteral(", selezionata")
                                            : QStringLiteral(", non selezionata")));
    }
}

void GrigliaSelezione::keyPressEvent(QKeyEvent* evento) {
    const int tasto = evento->key();
    if ((tasto == Qt::Key_Space || tasto == Qt::Key_Return || tasto == Qt::Key_Enter) &&
        currentIndex().isValid()) {
        Commuta(currentRow() * colonne_ + currentColumn());
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

void GrigliaSelezione::Commuta(int voce) {
    if (Cella(voce) == nullptr) {
        return;
    }
    ImpostaVoce(voce, !Selezionata(voce));
    Q_EMIT SelezioneCambiata();
}

void GrigliaSelezione::SelezionaTutti() {
    for (int v = 0; v < voci_; ++v) {
        ImpostaVoce(v, true);
    }
    Q_EMIT SelezioneCambiata();
}

void GrigliaSelezione::Deseleziona() {
    for (int v = 0; v < voci_; ++v) {
        ImpostaVoce(v, false);
    }
    Q_EMIT SelezioneCambiata();
}

void GrigliaSelezione::AdattaAlContenuto() {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int cornice = 2 * frameWidth();
    const int larghezza = horizontalHeader()->length() +
                          (verticalHeader()->isHidden() ? 0 : verticalHeader()->sizeHint().width());
    const int altezza =
        verticalHeader()->length() +
        (horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height());
    setFixedSize(larghezza + cornice, altezza + cornice);
}

std::vector<bool> GrigliaSelezione::Selezione() const {
    std::vector<bool> s(static_cast<std::size_t>(voci_));
    for (int v = 0; v < voci_; ++v) {
        s[static_cast<std::size_t>(v)] = Selezionata(v);
    }
    return s;
}

} // namespace strovel

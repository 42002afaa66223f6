#include "ui/griglia.h"

#include <QFont>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

namespace strovel {

namespace {

constexpr int RuoloBarra = Qt::UserRole + 40;       // permille of the cell's width
constexpr int RuoloColoreBarra = Qt::UserRole + 41; // its colour

/// Paints a cell's proportional bar over its background, under its text.
class DelegatoBarre : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pittore, const QStyleOptionViewItem& opzioni,
               const QModelIndex& indice) const override {
        const QVariant permille = indice.data(RuoloBarra);
        if (!permille.isValid()) {
            QStyledItemDelegate::paint(pittore, opzioni, indice);
            return;
        }
        QStyleOptionViewItem o = opzioni;
        initStyleOption(&o, indice);
        const QVariant sfondo = indice.data(Qt::BackgroundRole);
        pittore->fillRect(o.rect, sfondo.isValid() ? sfondo.value<QBrush>() : QBrush(Qt::white));
        QRect barra = o.rect.adjusted(1, 2, -1, -2);
        barra.setWidth(barra.width() * std::clamp(permille.toInt(), 0, 1000) / 1000);
        pittore->fillRect(barra, indice.data(RuoloColoreBarra).value<QColor>());
        pittore->save();
        const QVariant testo = indice.data(Qt::ForegroundRole);
        pittore->setPen(testo.isValid() ? testo.value<QBrush>().color()
                                        : o.palette.color(QPalette::Text));
        pittore->setFont(o.font);
        pittore->drawText(o.rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, o.text);
        pittore->restore();
    }
};

} // namespace

int PermilleBarra(const QTableWidgetItem* item) {
    const QVariant v = item != nullptr ? item->data(RuoloBarra) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

std::optional<Colore> SfondoDelSegno(Segno segno) {
    switch (segno) {
    case Segno::Selezionato:
        return ColoreSelezione;
    case Segno::DaImportare:
        return ColoreArancioChiaro;
    case Segno::Uguale:
        return ColoreVerdeChiaro;
    case Segno::CicloNegativo:
        return ColoreRossoChiaro;
    case Segno::Malformato:
        return ColoreMalformato;
    case Segno::ConErrori:
    case Segno::Nessuno:
        break;
    }
    return std::nullopt;
}

std::optional<Colore> TestoDelSegno(Segno segno) {
    if (segno == Segno::ConErrori) {
        return ColoreRosso;
    }
    return std::nullopt;
}

void MostraTabella(QTableWidget* griglia, const Tabella& tabella) {
    griglia->setUpdatesEnabled(false);
    griglia->clear();
    griglia->setColumnCount(tabella.Colonne());
    griglia->setRowCount(static_cast<int>(tabella.righe.size()));
    QStringList intestazioni;
    for (const std::string& testo : tabella.intestazioni) {
        intestazioni << QString::fromStdString(testo);
    }
    griglia->setHorizontalHeaderLabels(intestazioni);
    for (int c = 0;
         c < static_cast<int>(tabella.sfondiIntestazioni.size()) && c < tabella.Colonne(); ++c) {
        if (const auto& colore = tabella.sfondiIntestazioni[static_cast<std::size_t>(c)]) {
            griglia->horizontalHeaderItem(c)->setBackground(ColoreQt(*colore));
        }
    }
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bool conBarre = false;
    // The view learns of the cells once, at the end: one change signal per cell costs more
    // than the cells themselves on a grid of thousands of rows.
    const bool bloccato = griglia->model()->blockSignals(true);
    QFont grassetto; // an item's own font is the default one: made bold once for all cells
    grassetto.setBold(true);
    for (int r = 0; r < static_cast<int>(tabella.righe.size()); ++r) {
        const auto& riga = tabella.righe[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(riga.size()); ++c) {
            const Cella& cella = riga[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(QString::fromStdString(cella.testo));
            const auto sfondo =
                cella.stile.sfondo ? cella.stile.sfondo : SfondoDelSegno(cella.stile.segno);
            if (sfondo) {
                item->setBackground(ColoreQt(*sfondo));
            }
            const auto testo =
                cella.stile.testo ? cella.stile.testo : TestoDelSegno(cella.stile.segno);
            if (testo) {
                item->setForeground(ColoreQt(*testo));
            }
            if (cella.stile.centrato) {
                item->setTextAlignment(Qt::AlignCenter);
            }
            if (cella.stile.barra) {
                item->setData(RuoloBarra, cella.stile.barra->permille);
                item->setData(RuoloColoreBarra, ColoreQt(cella.stile.barra->colore));
                conBarre = true;
            }
            if (cella.stile.grassetto || cella.stile.segno == Segno::ConErrori) {
                item->setFont(grassetto);
            }
            griglia->setItem(r, c, item);
        }
    }
    griglia->model()->blockSignals(bloccato);
    Q_EMIT griglia->model()->layoutChanged();
    if (conBarre && dynamic_cast<DelegatoBarre*>(griglia->itemDelegate()) == nullptr) {
        griglia->setItemDelegate(new DelegatoBarre(griglia));
    }
    // Column widths from the first rows (measuring every cell of a large grid costs more than
    // filling it); a column with a width of its own is not measured at all.
    griglia->horizontalHeader()->setResizeContentsPrecision(300);
    const int carattere = griglia->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    if (tabella.larghezze.empty()) {
        griglia->resizeColumnsToContents();
    }
    for (int c = 0; c < tabella.Colonne() && !tabella.larghezze.empty(); ++c) {
        const int larghezza = c < static_cast<int>(tabella.larghezze.size())
                                  ? tabella.larghezze[static_cast<std::size_t>(c)]
                                  : 0;
        if (larghezza > 0) {
            griglia->setColumnWidth(c, larghezza * carattere + 12);
        } else {
            griglia->resizeColumnToContents(c);
        }
    }
    griglia->setUpdatesEnabled(true);
}

} // namespace strovel

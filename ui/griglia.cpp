#include "ui/griglia.h"

#include <QFont>
#include <QHeaderView>
#include <QTableWidget>

namespace strovel {

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
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
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
            if (cella.stile.grassetto || cella.stile.segno == Segno::ConErrori) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            griglia->setItem(r, c, item);
        }
    }
    griglia->resizeColumnsToContents();
    const int carattere = griglia->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < static_cast<int>(tabella.larghezze.size()) && c < tabella.Colonne(); ++c) {
        const int larghezza = tabella.larghezze[static_cast<std::size_t>(c)];
        if (larghezza > 0) {
            griglia->setColumnWidth(c, larghezza * carattere + 12);
        }
    }
    griglia->setUpdatesEnabled(true);
}

} // namespace strovel

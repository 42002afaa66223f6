#include "archive/modello_elenco.h"

#include "core/archivio.h"
#include "core/ruote.h"

#include <QColor>

namespace strovel {

ModelloElenco::ModelloElenco(const Archivio& archivio, QObject* padre)
    : QAbstractTableModel(padre), archivio_(archivio), righe_(archivio.TotEstrazioni) {}

void ModelloElenco::Ricarica() {
    beginResetModel();
    righe_ = archivio_.TotEstrazioni;
    evidenziata_ = -1;
    endResetModel();
}

void ModelloElenco::Evidenzia(int riga) {
    const int prima = evidenziata_;
    evidenziata_ = riga;
    for (int r : {prima, riga}) {
        if (r >= 0 && r < righe_) {
            Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1), {Qt::BackgroundRole});
        }
    }
}

int ModelloElenco::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : righe_;
}

int ModelloElenco::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 12;
}

QVariant ModelloElenco::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || indice.row() >= righe_) {
        return {};
    }
    if (ruolo == Qt::BackgroundRole) {
        return indice.row() == evidenziata_ ? QColor(255, 255, 0) : QColor(Qt::white);
    }
    if (ruolo != Qt::DisplayRole) {
        return {};
    }
    const int i = indice.row() + 1;
    if (indice.column() == 0) {
        return QString::fromStdString(archivio_.DateEstrazioni[static_cast<std::size_t>(i)]);
    }
    const int w = indice.column() - 1;
    QString testo;
    for (int p = 1; p <= 5; ++p) {
        if (p > 1) {
            testo += QLatin1Char('-');
        }
        testo += QStringLiteral("%1").arg(archivio_.Estratti(i, w, p), 2, 10, QLatin1Char('0'));
    }
    return testo;
}

QVariant ModelloElenco::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (ruolo != Qt::DisplayRole) {
        return {};
    }
    if (orientamento == Qt::Vertical) {
        return sezione + 1;
    }
    if (sezione == 0) {
        return QStringLiteral("Data");
    }
    return sezione >= 1 && sezione <= 11
               ? QVariant(
                     QString::fromLatin1(NomiRuote[static_cast<std::size_t>(sezione - 1)].data()))
               : QVariant();
}

} // namespace strovel

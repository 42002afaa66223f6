#include "app/modello_indici.h"

#include "core/archivio.h"

namespace strovel {

ModelloIndici::ModelloIndici(const Archivio& archivio, QObject* padre)
    : QAbstractTableModel(padre), archivio_(archivio), righe_(archivio.TotEstrazioni) {}

void ModelloIndici::Ricarica() {
    beginResetModel();
    righe_ = archivio_.TotEstrazioni;
    endResetModel();
}

int ModelloIndici::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : righe_;
}

int ModelloIndici::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 4;
}

QVariant ModelloIndici::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || indice.row() >= righe_) {
        return {};
    }
    if (ruolo == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    if (ruolo != Qt::DisplayRole) {
        return {};
    }
    const auto i = static_cast<std::size_t>(indice.row() + 1);
    switch (indice.column()) {
    case 0:
        return static_cast<int>(i);
    case 1:
        return QString::fromStdString(archivio_.DateEstrazioni[i]);
    case 2:
        return archivio_.ProgressivoAnno[i];
    case 3:
        return archivio_.ProgressivoMese[i];
    default:
        return {};
    }
}

QVariant ModelloIndici::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (ruolo != Qt::DisplayRole || orientamento != Qt::Horizontal) {
        return {};
    }
    static const char* const titoli[] = {"Indice", "Data", "Pr. anno", "Pr. mese"};
    return sezione >= 0 && sezione < 4 ? QVariant(QString::fromLatin1(titoli[sezione]))
                                       : QVariant();
}

} // namespace strovel

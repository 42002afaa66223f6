#pragma once
// The draw index grid of the main window: one row per draw with its index, date and
// progressive numbers within the year and the month, read straight from the Archivio.

#include <QAbstractTableModel>

namespace strovel {

class Archivio;

class ModelloIndici : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloIndici(const Archivio& archivio, QObject* padre = nullptr);

    /// Re-reads the archive after a load.
    void Ricarica();

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

private:
    const Archivio& archivio_;
    int righe_ = 0;
};

} // namespace strovel

#pragma once
// The list of draws of the archive window (FgDB): date and the eleven wheels of every draw,
// the row of the selected cell highlighted in yellow.

#include <QAbstractTableModel>

namespace strovel {

class Archivio;

class ModelloElenco : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloElenco(const Archivio& archivio, QObject* padre = nullptr);

    void Ricarica();
    void Evidenzia(int riga);
    int Evidenziata() const { return evidenziata_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

private:
    const Archivio& archivio_;
    int righe_ = 0;
    int evidenziata_ = -1;
};

} // namespace strovel

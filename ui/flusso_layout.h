#pragma once
// A layout that lays its widgets left to right and wraps to a new row when the width runs
// out, so a long row of buttons fits a small screen.

#include <QLayout>
#include <QList>

namespace strovel {

class FlussoLayout : public QLayout {
public:
    explicit FlussoLayout(QWidget* padre = nullptr, int spaziatura = 4);
    ~FlussoLayout() override;

    void addItem(QLayoutItem* elemento) override;
    int count() const override;
    QLayoutItem* itemAt(int indice) const override;
    QLayoutItem* takeAt(int indice) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int larghezza) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    /// The width it asks for: as many of its widest items as `elementi` side by side (0, the
    /// default: all of them on one row).
    void ImpostaPerRiga(int elementi) { perRiga_ = elementi; }
    void setGeometry(const QRect& rettangolo) override;

private:
    /// Lays the items in `rettangolo` (moving them only when `sposta`); returns the height used.
    int Disponi(const QRect& rettangolo, bool sposta) const;

    QList<QLayoutItem*> elementi_;
    int perRiga_ = 0;
    int spaziatura_;
};

} // namespace strovel

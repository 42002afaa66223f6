#include "ui/flusso_layout.h"

#include <QWidget>

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

namespace strovel {

FlussoLayout::FlussoLayout(QWidget* padre, int spaziatura)
    : QLayout(padre), spaziatura_(spaziatura) {
    setContentsMargins(0, 0, 0, 0);
}

FlussoLayout::~FlussoLayout() {
    while (QLayoutItem* elemento = takeAt(0)) {
        delete elemento;
    }
}

void FlussoLayout::addItem(QLayoutItem* elemento) {
    elementi_.append(elemento);
}

int FlussoLayout::count() const {
    return static_cast<int>(elementi_.size());
}

QLayoutItem* FlussoLayout::itemAt(int indice) const {
    return elementi_.value(indice);
}

QLayoutItem* FlussoLayout::takeAt(int indice) {
    return indice >= 0 && indice < elementi_.size() ? elementi_.takeAt(indice) : nullptr;
}

Qt::Orientations FlussoLayout::expandingDirections() const {
    return {};
}

bool FlussoLayout::hasHeightForWidth() const {
    return true;
}

int FlussoLayout::heightForWidth(int larghezza) const {
    return Disponi(QRect(0, 0, larghezza, 0), false);
}

QSize FlussoLayout::minimumSize() const {
    // As narrow as the widest single item: everything else wraps.
    QSize minimo;
    for (const QLayoutItem* elemento : elementi_) {
        minimo = minimo.expandedTo(elemento->minimumSize());
    }
    const QMargins m = contentsMargins();
    return minimo + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlussoLayout::sizeHint() const {
    // The whole row on one line when there is room for it; with a limit, as wide as that many of
    // the widest items side by side.
    std::vector<int> larghezze;
    int altezza = 0;
    for (const QLayoutItem* elemento : elementi_) {
        larghezze.push_back(elemento->sizeHint().width() + spaziatura_);
        altezza = std::max(altezza, elemento->sizeHint().height());
    }
    std::sort(larghezze.begin(), larghezze.end(), std::greater<>());
    if (perRiga_ > 0 && static_cast<int>(larghezze.size()) > perRiga_) {
        larghezze.resize(static_cast<std::size_t>(perRiga_));
    }
    const int larghezza = std::accumulate(larghezze.begin(), larghezze.end(), 0);
    const QMargins m = contentsMargins();
    return {larghezza + m.left() + m.right(), altezza + m.top() + m.bottom()};
}

void FlussoLayout::setGeometry(const QRect& rettangolo) {
    QLayout::setGeometry(rettangolo);
    Disponi(rettangolo, true);
}

int FlussoLayout::Disponi(const QRect& rettangolo, bool sposta) const {
    const QMargins m = contentsMargins();
    const QRect area = rettangolo.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
    int x = area.x();
    int y = area.y();
    int altezzaRiga = 0;
    for (QLayoutItem* elemento : elementi_) {
        if (elemento->isEmpty()) {
            continue;
        }
        const QSize dimensione = elemento->sizeHint();
        if (x > area.x() && x + dimensione.width() > area.right() + 1) {
            x = area.x();
            y += altezzaRiga + spaziatura_;
            altezzaRiga = 0;
        }
        if (sposta) {
            elemento->setGeometry(QRect(QPoint(x, y), dimensione));
        }
        x += dimensione.width() + spaziatura_;
        altezzaRiga = std::max(altezzaRiga, dimensione.height());
    }
    return y + altezzaRiga - rettangolo.y() + m.bottom();
}

} // namespace strovel

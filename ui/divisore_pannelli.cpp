#include "ui/divisore_pannelli.h"

#include <QResizeEvent>
#include <QScrollArea>

#include <algorithm>

namespace strovel {

DivisorePannelli::DivisorePannelli(QWidget* controlli, QWidget* risultati, QWidget* padre)
    : QSplitter(Qt::Horizontal, padre), controlli_(controlli) {
    setChildrenCollapsible(false);
    auto* scorrimento = new QScrollArea(this);
    scorrimento->setWidget(controlli);
    scorrimento->setWidgetResizable(true);
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setMinimumWidth(240);
    addWidget(scorrimento);
    risultati->setMinimumWidth(320);
    addWidget(risultati);
    setStretchFactor(1, 1);
}

void DivisorePannelli::resizeEvent(QResizeEvent* evento) {
    QSplitter::resizeEvent(evento);
    if (!impostato_ && width() > 0) {
        // First layout: the controls take what they need (and room for the scroll bar), but
        // never more than 45% of a narrow window, so the results stay readable.
        const int controlli = std::min(controlli_->sizeHint().width() + 24, width() * 45 / 100);
        setSizes({controlli, std::max(320, width() - controlli)});
        impostato_ = true;
    }
}

} // namespace strovel

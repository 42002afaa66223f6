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
    // Once the user moves the divider, the position is theirs.
    connect(this, &QSplitter::splitterMoved, this, [this] { spostatoDallUtente_ = true; });
}

void DivisorePannelli::resizeEvent(QResizeEvent* evento) {
    QSplitter::resizeEvent(evento);
    if (!spostatoDallUtente_ && width() > 0) {
        // Until the user moves the divider: the controls take what they need (and room for
        // the scroll bar), but never more than half of a narrow window, so the results stay
        // readable, also after the window is maximized or shrunk.
        const int controlli = std::min(controlli_->sizeHint().width() + 24, width() / 2);
        setSizes({controlli, std::max(320, width() - controlli)});
    }
}

} // namespace strovel

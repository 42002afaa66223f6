#pragma once
// The layout of every analysis window: its controls on the left, in a panel that scrolls
// when the screen is small, and its results on the right, with a divider between them.

#include <QSplitter>

namespace strovel {

class DivisorePannelli : public QSplitter {
    Q_OBJECT
public:
    DivisorePannelli(QWidget* controlli, QWidget* risultati, QWidget* padre = nullptr);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    QWidget* controlli_;
    bool spostatoDallUtente_ = false;
};

} // namespace strovel

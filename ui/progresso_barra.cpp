#include "ui/progresso_barra.h"

#include <QPointer>
#include <QProgressBar>

namespace strovel {

Progresso ProgressoSuBarra(QProgressBar* barra) {
    QPointer<QProgressBar> p(barra);
    return Progresso{[p](int massimo) {
                         if (p) {
                             p->setMaximum(massimo);
                         }
                     },
                     [p](int valore) {
                         // setValue repaints by itself only when the change shows.
                         if (p) {
                             p->setValue(std::min(valore, p->maximum()));
                         }
                     },
                     [p] {
                         if (p) {
                             p->setValue(p->maximum());
                         }
                     }};
}

} // namespace strovel

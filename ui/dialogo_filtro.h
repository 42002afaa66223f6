#pragma once
// "Giorni e mesi": the dialog that chooses the weekdays and months of the draws a window
// keeps. No box ticked in a group means every day (every month).

#include "core/filtro_calendario.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace strovel {

class DialogoFiltro : public QDialog {
    Q_OBJECT
public:
    DialogoFiltro(const FiltroCalendario& attuale, QWidget* padre = nullptr);
    FiltroCalendario Filtro() const;

private:
    std::array<QCheckBox*, 7> giorni_{};
    std::array<QCheckBox*, 12> mesi_{};
};

} // namespace strovel

#pragma once
// The main window: a multiple-document frame with one button per window, the labels of the
// model list's range, the draw index grid and the program-wide progress bar pb1.

#include "core/filtro_calendario.h"
#include "ui/servizi.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class QLabel;
class QMdiArea;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;

namespace strovel {

struct Contesto;
class ModelloIndici;

class FinestraPrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraPrincipale(Contesto& contesto, QWidget* padre = nullptr);
    ~FinestraPrincipale() override;

    /// The five range labels from the model list.
    void AggiornaEtichetteModello();
    /// The draw index grid after a load.
    void AggiornaGrigliaIndici();
    /// After every full reload of the archive: the filtered archives made again from it, the
    /// range labels, the draw grid and the open windows' range selectors.
    void Ricaricato();

    /// The child window of kind `tipo`: created by `crea` on first use, afterwards the same
    /// window brought to the front. There is never more than one window of a kind.
    QMdiSubWindow* ApriFinestra(const QString& tipo, const std::function<QWidget*()>& crea);

    QProgressBar* pb1() const { return pb1_; }
    QMdiArea* Area() const { return area_; }

    /// "FINE": closes every open file and ends the program.
    void Fine();

    /// "Giorni e mesi": asks the weekdays and months for the active analysis window and opens
    /// it again on the draws they keep, its caption saying which.
    void GiorniEMesi();
    /// The filter of the windows of kind `tipo` (inactive when none).
    FiltroCalendario FiltroDi(const QString& tipo) const;
    /// The archive a widget's window reads: its filtered draws, or the whole archive.
    const Archivio& ArchivioDi(const QWidget* w) const;

private:
    QWidget* CreaBarraPulsanti();
    QWidget* CreaStrisciaEtichette();
    /// What every window receives.
    ServiziFinestra Servizi();
    /// The same, on the draws of the window kind's filter.
    ServiziFinestra ServiziPer(const QString& tipo);
    /// Opens the window of kind `tipo` with its creator and its filter in the caption.
    QMdiSubWindow* ApriModulo(const QString& tipo);
    /// F1: the help topic of the active window, or the main window's when none is open.
    void AiutoContestuale();

    Contesto& c_;
    QMdiArea* area_;
    QProgressBar* pb1_ = nullptr;
    QToolButton* indice_ = nullptr;
    QTableView* grigliaIndici_ = nullptr;
    ModelloIndici* modelloIndici_ = nullptr;
    /// A closed child window leaves a null pointer: the next press creates it anew.
    std::map<QString, QPointer<QMdiSubWindow>> finestre_;
    /// The window kinds with a filter on, and the archive of the draws it keeps (rebuilt in
    /// place after every reload, so that the open window keeps reading it).
    struct Filtrato {
        FiltroCalendario filtro;
        std::unique_ptr<Archivio> archivio;
    };
    std::map<QString, Filtrato> filtri_;
};

} // namespace strovel

#pragma once
// The main window: a multiple-document frame with one button per window, the labels of the
// model list's range, the draw index grid and the program-wide progress bar pb1.

#include "ui/servizi.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include <functional>
#include <map>

class QLabel;
class QMdiArea;
class QProgressBar;
class QPushButton;
class QTableView;

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

    /// The child window of kind `tipo`: created by `crea` on first use, afterwards the same
    /// window brought to the front. There is never more than one window of a kind.
    QMdiSubWindow* ApriFinestra(const QString& tipo, const std::function<QWidget*()>& crea);

    QProgressBar* pb1() const { return pb1_; }
    QMdiArea* Area() const { return area_; }

    /// "FINE": closes every open file and ends the program.
    void Fine();

private:
    QWidget* CreaBarraPulsanti();
    QWidget* CreaStrisciaEtichette();
    /// What every window receives.
    ServiziFinestra Servizi();
    // The windows built so far, one function each.
    QWidget* CreaArchivio();
    QWidget* CreaMiniElenco();
    QWidget* CreaStrovel();
    QWidget* CreaCiclo2();
    QWidget* CreaAmbiCicli();
    QWidget* CreaRitardiSequenza();
    QWidget* CreaAmboSomme();
    QWidget* CreaQuadratoMaltese();
    QWidget* CreaAmbataDinamica();
    QWidget* CreaCinquinaSpiona();

    Contesto& c_;
    QMdiArea* area_;
    QProgressBar* pb1_ = nullptr;
    QTableView* grigliaIndici_ = nullptr;
    ModelloIndici* modelloIndici_ = nullptr;
    /// A closed child window leaves a null pointer: the next press creates it anew.
    std::map<QString, QPointer<QMdiSubWindow>> finestre_;
};

} // namespace strovel

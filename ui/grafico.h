#pragma once
// A chart window: the delay history of a number or the frequency of every number, drawn with Qt
// Charts, redrawn when the range of the window it came from changes, and saved as PNG.

#include "core/serie_numeri.h"

#include <QWidget>

#include <functional>

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace strovel {

class Archivio;

class FinestraGrafico : public QWidget {
    Q_OBJECT
public:
    explicit FinestraGrafico(QWidget* padre = nullptr);

    /// A line of the delays, draw by draw.
    void MostraRitardi(const std::vector<PuntoRitardo>& punti, const QString& titolo);
    /// A bar for each number 1..90.
    void MostraFrequenze(const std::array<int, 91>& frequenze, const QString& titolo);
    /// A bar for each cycle, the oldest on the left.
    void MostraPresenze(const std::vector<PresenzaCiclo>& cicli, const QString& titolo);

    /// What redraws the chart from the current choices of the window it came from; run once now
    /// and again by Aggiorna().
    void ImpostaCalcolo(std::function<void(FinestraGrafico&)> calcolo);
    void Aggiorna();

    /// "Salva come immagine…".
    bool Salva();

    QChart* Grafico() const;

private:
    QChartView* vista_ = nullptr;
    std::function<void(FinestraGrafico&)> calcolo_;
};

/// The chosen wheels and range a chart is drawn over, read anew at each redraw.
struct SceltaGrafico {
    std::array<bool, 11> ruote{};
    std::array<bool, 5> posizioni{true, true, true, true, true};
    int inizio = 1;
    int fine = 1;
};

/// The delay history of `numero` over what `scelta` gives.
FinestraGrafico* ApriGraficoRitardi(QWidget* origine, const Archivio& a, int numero,
                                    std::function<SceltaGrafico()> scelta);
/// The frequency of every number over what `scelta` gives.
FinestraGrafico* ApriGraficoFrequenze(QWidget* origine, const Archivio& a,
                                      std::function<SceltaGrafico()> scelta);

/// Opens a chart window over `origine` (it closes with it) and draws it with `calcolo`.
FinestraGrafico* ApriGrafico(QWidget* origine, const QString& nome,
                             std::function<void(FinestraGrafico&)> calcolo);

} // namespace strovel

#include "ui/grafico.h"

#include "core/ruote.h"
#include "ui/menu_griglia.h"
#include "ui/pulsanti.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace strovel {

FinestraGrafico::FinestraGrafico(QWidget* padre) : QWidget(padre, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    vista_ = new QChartView(new QChart(), this);
    vista_->setObjectName(QStringLiteral("Grafico"));
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->chart()->legend()->hide();
    auto* salva = CreaPulsante(this, "CmdSalvaGrafico", QStringLiteral("Salva come immagine…"));
    connect(salva, &QPushButton::clicked, this, &FinestraGrafico::Salva);
    auto* riga = new QHBoxLayout();
    riga->addStretch(1);
    riga->addWidget(salva);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(vista_, 1);
    layout->addLayout(riga);
    resize(900, 480);
}

QChart* FinestraGrafico::Grafico() const {
    return vista_->chart();
}

namespace {

/// A fresh chart in the view, the old one deleted.
QChart* Nuovo(QChartView* vista, const QString& titolo) {
    auto* grafico = new QChart();
    grafico->legend()->hide();
    grafico->setTitle(titolo);
    QChart* vecchio = vista->chart();
    vista->setChart(grafico);
    delete vecchio;
    return grafico;
}

/// A step of 1, 2 or 5 times a power of ten that marks 0..`massimo` with at most ten ticks:
/// counts are whole numbers, so a tick never falls between two of them.
int PassoIntero(int massimo) {
    for (int dieci = 1;; dieci *= 10) {
        for (const int passo : {dieci, 2 * dieci, 5 * dieci}) {
            if (massimo <= 10 * passo) {
                return passo;
            }
        }
    }
}

/// The axes of a chart: `x` below, a whole-number axis from 0 to `massimo` on the left, its
/// ticks on whole numbers.
void Assi(QChart* grafico, QAbstractSeries* serie, QAbstractAxis* x, const QString& titoloY,
          int massimo) {
    auto* y = new QValueAxis();
    y->setTitleText(titoloY);
    y->setLabelFormat(QStringLiteral("%d"));
    const int passo = PassoIntero(std::max(1, massimo));
    y->setRange(0, (std::max(1, massimo) + passo - 1) / passo * passo);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(passo);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    serie->attachAxis(x);
    serie->attachAxis(y);
}

} // namespace

void FinestraGrafico::MostraRitardi(const std::vector<PuntoRitardo>& punti, const QString& titolo) {
    QChart* grafico = Nuovo(vista_, titolo);
    setWindowTitle(titolo);
    auto* serie = new QLineSeries();
    QList<QPointF> xy;
    xy.reserve(static_cast<qsizetype>(punti.size()));
    int massimo = 1;
    for (const PuntoRitardo& p : punti) {
        xy.append(QPointF(p.estrazione, p.ritardo));
        massimo = std::max(massimo, p.ritardo);
    }
    serie->replace(xy);
    grafico->addSeries(serie);
    auto* x = new QValueAxis();
    x->setTitleText(QStringLiteral("Estrazione"));
    x->setLabelFormat(QStringLiteral("%d"));
    if (!punti.empty()) {
        x->setRange(punti.front().estrazione,
                    std::max(punti.back().estrazione, punti.front().estrazione + 1));
    }
    Assi(grafico, serie, x, QStringLiteral("Ritardo"), massimo);
}

void FinestraGrafico::MostraPresenze(const std::vector<PresenzaCiclo>& cicli,
                                     const QString& titolo) {
    QChart* grafico = Nuovo(vista_, titolo);
    setWindowTitle(titolo);
    auto* barre = new QBarSet(QStringLiteral("Presenze"));
    QStringList etichette;
    int massimo = 1;
    for (auto c = cicli.rbegin(); c != cicli.rend(); ++c) {
        *barre << c->presenze;
        etichette << QString::number(c->ciclo);
        massimo = std::max(massimo, c->presenze);
    }
    auto* serie = new QBarSeries();
    serie->append(barre);
    serie->setBarWidth(0.8);
    grafico->addSeries(serie);
    auto* x = new QBarCategoryAxis();
    x->append(etichette);
    x->setTitleText(QStringLiteral("Ciclo (1 = il più recente)"));
    Assi(grafico, serie, x, QStringLiteral("Presenze"), massimo);
}

void FinestraGrafico::MostraFrequenze(const std::array<int, 91>& frequenze, const QString& titolo) {
    QChart* grafico = Nuovo(vista_, titolo);
    setWindowTitle(titolo);
    auto* barre = new QBarSet(QStringLiteral("Frequenza"));
    int massimo = 1;
    for (int n = 1; n <= 90; ++n) {
        *barre << frequenze[static_cast<std::size_t>(n)];
        massimo = std::max(massimo, frequenze[static_cast<std::size_t>(n)]);
    }
    auto* serie = new QBarSeries();
    serie->append(barre);
    serie->setBarWidth(0.8);
    grafico->addSeries(serie);
    // Bar i stands at i - 1: a label every five numbers, on its bar.
    auto* x = new QCategoryAxis();
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int n = 1; n <= 90; n += n == 1 ? 4 : 5) {
        x->append(QString::number(n), n - 1);
    }
    x->setRange(-0.5, 89.5);
    x->setTitleText(QStringLiteral("Numero"));
    Assi(grafico, serie, x, QStringLiteral("Uscite"), massimo);
}

void FinestraGrafico::ImpostaCalcolo(std::function<void(FinestraGrafico&)> calcolo) {
    calcolo_ = std::move(calcolo);
    Aggiorna();
}

void FinestraGrafico::Aggiorna() {
    if (calcolo_) {
        calcolo_(*this);
    }
}

bool FinestraGrafico::Salva() {
    return SalvaImmagine(vista_, NomeFileProposto(this));
}

namespace {

QString DescriviScelta(const SceltaGrafico& s) {
    QStringList ruote;
    for (int w = 0; w < 11; ++w) {
        if (s.ruote[static_cast<std::size_t>(w)]) {
            ruote << QString::fromStdString(Sigla(w));
        }
    }
    const QString su =
        ruote.size() == 11 ? QStringLiteral("tutte le ruote") : ruote.join(QLatin1Char(' '));
    return QStringLiteral("%1, estrazioni %2 - %3").arg(su).arg(s.inizio).arg(s.fine);
}

} // namespace

FinestraGrafico* ApriGraficoRitardi(QWidget* origine, const Archivio& a, int numero,
                                    std::function<SceltaGrafico()> scelta) {
    return ApriGrafico(
        origine, QStringLiteral("GraficoRitardi"),
        [&a, numero, scelta = std::move(scelta)](FinestraGrafico& g) {
            const SceltaGrafico s = scelta();
            g.MostraRitardi(
                StoriaRitardo(a, numero, s.ruote, s.inizio, s.fine),
                QStringLiteral("Ritardi del %1 su %2").arg(numero).arg(DescriviScelta(s)));
        });
}

FinestraGrafico* ApriGraficoFrequenze(QWidget* origine, const Archivio& a,
                                      std::function<SceltaGrafico()> scelta) {
    return ApriGrafico(origine, QStringLiteral("GraficoFrequenze"),
                       [&a, scelta = std::move(scelta)](FinestraGrafico& g) {
                           const SceltaGrafico s = scelta();
                           g.MostraFrequenze(
                               Frequenze(a, s.ruote, s.posizioni, s.inizio, s.fine),
                               QStringLiteral("Frequenze su %1").arg(DescriviScelta(s)));
                       });
}

FinestraGrafico* ApriGrafico(QWidget* origine, const QString& nome,
                             std::function<void(FinestraGrafico&)> calcolo) {
    auto* g = new FinestraGrafico(origine);
    g->setObjectName(nome);
    g->ImpostaCalcolo(std::move(calcolo));
    g->show();
    return g;
}

} // namespace strovel

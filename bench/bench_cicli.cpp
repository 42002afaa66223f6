// The cycle modules on the real archive: the second cycle module's "RILEVA CICLI" with 100
// cycles on every wheel and position, alone and from the click to the grids shown.

#include "bench/archivio_reale.h"
#include "core/archivio.h"
#include "cycles/ciclo2.h"
#include "cycles/ciclo2_tabelle.h"
#include "cycles/ciclo2_window.h"
#include "ui/dialoghi.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<strovel::Archivio> archivio;

strovel::ParametriCiclo2 Cicli2() {
    strovel::ParametriCiclo2 p;
    p.riferimento = archivio->TotEstrazioni;
    p.cicli = 100;
    p.ruote.fill(true);
    p.posizioni.fill(true);
    return p;
}

void BM_RilevaCicli(benchmark::State& state) {
    const auto p = Cicli2();
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::RilevaCicli(*archivio, p));
    }
}
BENCHMARK(BM_RilevaCicli)->Unit(benchmark::kMicrosecond);

// With the three grids it fills, as the command line writes them.
void BM_RilevaCicliConGriglie(benchmark::State& state) {
    const auto p = Cicli2();
    for (auto _ : state) {
        const auto r = strovel::RilevaCicli(*archivio, p);
        benchmark::DoNotOptimize(strovel::TabellaCicli2(r));
        benchmark::DoNotOptimize(strovel::TabellaDistribuzione(r));
        benchmark::DoNotOptimize(strovel::TabellaNumeri(strovel::RiepilogoNumeri(r)));
    }
}
BENCHMARK(BM_RilevaCicliConGriglie)->Unit(benchmark::kMicrosecond);

strovel::ServiziFinestra Servizi(strovel::Dialoghi& dialoghi) {
    strovel::ServiziFinestra s;
    s.archivio = archivio.get();
    s.dialoghi = &dialoghi;
    return s;
}

void BM_FinestraCiclo2(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraCiclo2 w(Servizi(dialoghi));
    w.show();
    w.findChild<QComboBox*>(QStringLiteral("Combo_Cicli"))->setCurrentText(QStringLiteral("100"));
    auto* rileva = w.findChild<QPushButton*>(QStringLiteral("Command12"));
    for (auto _ : state) {
        rileva->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraCiclo2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir cartella;
    archivio = strovel::bench::ArchivioReale(cartella);
    if (!archivio) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The cycle modules on the real archive: the Strovel module's ELABORA and "esamina tutte le ruote"
// from the click to the grids shown; the second cycle module's "RILEVA CICLI" with 100
// cycles on every wheel and position; the ambo cycles of all 90 numbers (4,005 ambi) over 100
// cycles on every wheel, and "Elabora 3 ambi" (34,220 triples); each alone and from the click
// to the grids shown.

#include "bench/archivio_reale.h"
#include "bench/servizi_bench.h"
#include "core/archivio.h"
#include "core/filtro_calendario.h"
#include "cycles/ambi/ambi_cicli.h"
#include "cycles/ambi/ambi_cicli_finestra.h"
#include "cycles/modulo2/ciclo2.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "cycles/strovel/strovel_finestra.h"
#include "ui/dialoghi.h"
#include "ui/grafico.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"

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

// VERIFICA AMBETTI at its largest: a group of all 90 numbers (4,005 pairs), 100 cycles
// observed for 60 draws on every wheel.
void BM_Ambetti90(benchmark::State& state) {
    auto p = Cicli2();
    p.colpi = 60;
    const auto r = strovel::RilevaCicli(*archivio, p);
    const auto tutti = strovel::NumeriInEsame({});
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::VerificaAmbetti(*archivio, r, tutti));
    }
}
BENCHMARK(BM_Ambetti90)->Unit(benchmark::kMillisecond);

strovel::ServiziFinestra Servizi(strovel::Dialoghi& dialoghi) {
    return strovel::bench::ServiziBenchmark(*archivio, dialoghi);
}

// The Strovel module from the click to the grids shown, every wheel of detection and of play,
// the window's other defaults: 0 ELABORA, 1 "esamina tutte le ruote" (every operation in turn).
void BM_FinestraStrovel(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraStrovel w(Servizi(dialoghi));
    w.show();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTuttiR"))->click();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTuttiG"))->click();
    auto* pulsante = w.findChild<QPushButton*>(
        QString::fromLatin1(state.range(0) == 0 ? "Command3" : "Command9"));
    for (auto _ : state) {
        pulsante->click();
        w.repaint();
    }
    state.counters["formule"] =
        w.findChild<strovel::GrigliaTabella*>(QStringLiteral("FgY"))->rowCount();
    state.counters["avvisi"] = static_cast<double>(dialoghi.Messaggi().size());
}
BENCHMARK(BM_FinestraStrovel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// ACCOPPIAMENTI from the click to the grid and its chance note (the whole search again on
// random draws), every wheel of detection and of play.
void BM_FinestraAccoppiamenti(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraStrovel w(Servizi(dialoghi));
    w.show();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTuttiR"))->click();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTuttiG"))->click();
    w.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    auto* pulsante = w.findChild<QPushButton*>(QStringLiteral("Command6"));
    for (auto _ : state) {
        pulsante->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraAccoppiamenti)->Unit(benchmark::kMillisecond)->Iterations(2);

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

// The chance of a forecast grid full of overlapping rows: ten rows of ten numbers, 90 numbers
// in all, two of a row needed; and the chance notes of 100 cycles.
void BM_CasoInsiemi(benchmark::State& state) {
    std::vector<strovel::InsiemePrevisione> insiemi;
    for (int h = 0; h < 10; ++h) {
        strovel::InsiemePrevisione s{h + 1, {}, 2};
        for (int n = 0; n < 10; ++n) {
            s.numeri.push_back((h * 9 + n) % 90 + 1);
        }
        insiemi.push_back(s);
    }
    const auto r = strovel::RilevaCicli(*archivio, Cicli2());
    const auto v = strovel::VerificaNeiCicli(*archivio, r, insiemi);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::ConfrontaVerifica(*archivio, r, insiemi, v));
        benchmark::DoNotOptimize(strovel::AttesoNumeri(*archivio, r));
    }
}
BENCHMARK(BM_CasoInsiemi)->Unit(benchmark::kMillisecond);

// "GRAFICO PRESENZE" over 100 cycles of the whole archive, from the click to the chart shown.
void BM_GraficoPresenze(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraCiclo2 w(Servizi(dialoghi));
    w.show();
    w.findChild<QComboBox*>(QStringLiteral("Combo_Cicli"))->setCurrentText(QStringLiteral("100"));
    w.RilevaCicli_();
    w.findChild<strovel::GrigliaTabella*>(QStringLiteral("FgB1"))->setCurrentCell(26, 0);
    for (auto _ : state) {
        strovel::FinestraGrafico* g = w.GraficoPresenze();
        g->repaint();
        delete g;
    }
}
BENCHMARK(BM_GraficoPresenze)->Unit(benchmark::kMillisecond);

// "Giorni e mesi": the Saturday draws of the whole archive, numbered again, presences built.
void BM_FiltraArchivio(benchmark::State& state) {
    strovel::FiltroCalendario sabati;
    sabati.giorni[5] = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::FiltraArchivio(*archivio, sabati).TotEstrazioni);
    }
}
BENCHMARK(BM_FiltraArchivio)->Unit(benchmark::kMillisecond);

strovel::ParametriAmbiCicli Ambi() {
    strovel::ParametriAmbiCicli p;
    p.riferimento = archivio->TotEstrazioni;
    p.cicli = 100;
    p.ruote.fill(true);
    return p;
}

strovel::NumeriScelti Tutti() {
    strovel::NumeriScelti s{};
    s.fill(true);
    s[0] = false;
    return s;
}

void BM_AmbiElabora(benchmark::State& state) {
    const auto p = Ambi();
    const auto ambi = strovel::AmbiDi(Tutti());
    for (auto _ : state) {
        auto e = strovel::ContaAmbi(*archivio, p, ambi);
        strovel::OrdinaPerCC(e.ambi);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_AmbiElabora)->Unit(benchmark::kMillisecond);

void BM_Elabora3Ambi(benchmark::State& state) {
    auto e = strovel::ContaAmbi(*archivio, Ambi(), strovel::AmbiDi(Tutti()));
    strovel::OrdinaPerCC(e.ambi);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::MiglioriGruppi(e.ambi, 3));
    }
}
BENCHMARK(BM_Elabora3Ambi)->Unit(benchmark::kMillisecond);

void BM_FinestraAmbi(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraAmbiCicli w(Servizi(dialoghi));
    w.show();
    w.findChild<QComboBox*>(QStringLiteral("Combo_Cicli"))->setCurrentText(QStringLiteral("100"));
    w.findChild<QPushButton*>(QStringLiteral("LblSelTuttiN"))->click();
    auto* pulsante =
        w.findChild<QPushButton*>(QString::fromLatin1(state.range(0) == 0 ? "Command1" : "Cmd_33"));
    if (state.range(0) == 1) {
        w.Elabora();
    }
    for (auto _ : state) {
        pulsante->click();
        w.repaint();
    }
}
// 0: ELABORA; 1: "Elabora 3 ambi".
BENCHMARK(BM_FinestraAmbi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return strovel::bench::EseguiBenchmark(argc, argv, archivio);
}

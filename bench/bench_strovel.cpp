// The Strovel cycle module on the real archive: reference at the last draw, all 11 x 11
// wheels, N° Cicli 50, Durata 60, Considera 60, Colpi 18, Elenco 100.

#include "bench/archivio_reale.h"
#include "core/archivio.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_atteso.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"
#include "tests/oracoli/strovel_oracolo.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<strovel::Archivio> archivio;

strovel::ParametriStrovel Parametri() {
    strovel::ParametriStrovel p;
    p.riferimento = archivio->TotEstrazioni;
    p.cicli = 50;
    p.durata = 60;
    p.considera = 60;
    p.colpi = 18;
    p.elenco = 100;
    p.rilevazione.fill(true);
    p.gioco.fill(true);
    return p;
}

// One "ELABORA" with all its follow-up steps.
void BM_Elabora(benchmark::State& state) {
    const auto p = Parametri();
    for (auto _ : state) {
        auto e = strovel::ElaboraStrovel(*archivio, p);
        benchmark::DoNotOptimize(e.formule.data());
    }
}
BENCHMARK(BM_Elabora)->Unit(benchmark::kMillisecond);

// "esamina tutte le ruote": the six operations.
void BM_EsaminaTutteLeOperazioni(benchmark::State& state) {
    const auto p = Parametri();
    for (auto _ : state) {
        auto e = strovel::EsaminaTutteLeOperazioni(*archivio, p);
        benchmark::DoNotOptimize(e.formule.data());
    }
}
BENCHMARK(BM_EsaminaTutteLeOperazioni)->Unit(benchmark::kMillisecond);

// The note under the list after "esamina tutte le ruote", with Salto 2 so that the considered
// draw is a colpo: the first formula against chance and the best of 326,700 random ones.
void BM_CasoFormule(benchmark::State& state) {
    auto p = Parametri();
    p.salto = 2;
    const auto e = strovel::EsaminaTutteLeOperazioni(*archivio, p);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::ConfrontaFormule(*archivio, e));
    }
}
BENCHMARK(BM_CasoFormule)->Unit(benchmark::kMillisecond);

// The fast search alone and the line-by-line oracle's whole run, in the same benchmark run.
void BM_RicercaVeloce(benchmark::State& state) {
    const auto p = Parametri();
    const auto cicli =
        strovel::CostruisciCicli(p.riferimento, p.cicli, p.durata, p.considera, p.salto);
    for (auto _ : state) {
        auto righe = strovel::CercaFormule(*archivio, p, cicli, {});
        benchmark::DoNotOptimize(righe.data());
    }
}
BENCHMARK(BM_RicercaVeloce)->Unit(benchmark::kMillisecond);

void BM_RicercaOracolo(benchmark::State& state) {
    const auto p = Parametri();
    const auto cicli =
        strovel::CostruisciCicli(p.riferimento, p.cicli, p.durata, p.considera, p.salto);
    for (auto _ : state) {
        auto righe = strovel::oracolo::CercaFormule(*archivio, p, cicli);
        benchmark::DoNotOptimize(righe.data());
    }
}
BENCHMARK(BM_RicercaOracolo)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ElaboraOracolo(benchmark::State& state) {
    const auto p = Parametri();
    for (auto _ : state) {
        auto e = strovel::oracolo::ElaboraStrovel(*archivio, p, false);
        benchmark::DoNotOptimize(e.formule.data());
    }
}
BENCHMARK(BM_ElaboraOracolo)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return strovel::bench::EseguiBenchmark(argc, argv, archivio);
}

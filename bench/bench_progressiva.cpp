// "Verifica progressiva" over the whole real archive: from the first draw to the last, one
// choice every natural step (a cycle, or the colpi of a play), with the windows' default
// parameters and every wheel.

#include "bench/archivio_reale.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/strovel/strovel_atteso.h"
#include "methods/ambata/ambata_dinamica.h"
#include "methods/spia/cinquina_spiona.h"

namespace {

std::unique_ptr<strovel::Archivio> archivio;

template <class A> void Progressiva(benchmark::State& state, const A& analisi) {
    std::size_t scelte = 0;
    for (auto _ : state) {
        const auto p = strovel::VerificaProgressiva(analisi, *archivio, 1, analisi.PassoNaturale());
        scelte = p.passi.size();
        benchmark::DoNotOptimize(p.confronto);
    }
    state.counters["scelte"] = static_cast<double>(scelte);
}

strovel::Ruote Tutte() {
    strovel::Ruote r{};
    r.fill(true);
    return r;
}

void BM_ProgressivaStrovel(benchmark::State& state) {
    strovel::AnalisiStrovel a;
    a.p.rilevazione = Tutte();
    a.p.gioco = Tutte();
    Progressiva(state, a);
}
BENCHMARK(BM_ProgressivaStrovel)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ProgressivaCiclo2(benchmark::State& state) {
    strovel::AnalisiCiclo2 a;
    a.p.ruote = Tutte();
    a.p.posizioni.fill(true);
    Progressiva(state, a);
}
BENCHMARK(BM_ProgressivaCiclo2)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ProgressivaAmbiCicli(benchmark::State& state) {
    strovel::AnalisiAmbiCicli a;
    a.p.ruote = Tutte();
    for (int x = 1; x <= 90; ++x) {
        for (int y = x + 1; y <= 90; ++y) {
            a.ambi.emplace_back(x, y);
        }
    }
    Progressiva(state, a);
}
BENCHMARK(BM_ProgressivaAmbiCicli)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ProgressivaAmbata(benchmark::State& state) {
    strovel::AnalisiAmbata a;
    a.p.spia = 27;
    a.p.rilevazione = Tutte();
    a.p.gioco = Tutte();
    a.p.posizioni.fill(true);
    a.p.riferimenti = {{0, 1}};
    a.p.fine = archivio->TotEstrazioni;
    Progressiva(state, a);
}
BENCHMARK(BM_ProgressivaAmbata)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ProgressivaCinquina(benchmark::State& state) {
    strovel::AnalisiCinquina a;
    a.p.rilevazione = Tutte();
    a.p.gioco = Tutte();
    a.p.posizioni.fill(true);
    a.p.fine = archivio->TotEstrazioni;
    Progressiva(state, a);
}
BENCHMARK(BM_ProgressivaCinquina)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return strovel::bench::EseguiBenchmark(argc, argv, archivio);
}

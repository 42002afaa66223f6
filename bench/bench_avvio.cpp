// From "PROCEDI" to the main window shown, on the real archive (7,236 draws).

#include "app/contesto.h"
#include "app/finestra_avvio.h"
#include "app/finestra_principale.h"
#include "storage/crea_archivio.h"
#include "ui/dialoghi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> cartella;

void BM_ProcediFinoAllaFinestraPrincipale(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::Contesto contesto(dialoghi);
    contesto.cartellaProgramma = cartella->path();
    contesto.archivioDemo = cartella->filePath(QStringLiteral("reale.mdb"));
    strovel::FinestraAvvio avvio(contesto);
    QString errore;
    if (!avvio.Avvia(&errore)) {
        state.SkipWithError("avvio fallito");
        return;
    }
    std::unique_ptr<strovel::FinestraPrincipale> principale;
    QObject::connect(&avvio, &strovel::FinestraAvvio::Caricato, [&] {
        principale = std::make_unique<strovel::FinestraPrincipale>(contesto);
        principale->show();
        // Paint it once, as the user sees it.
        principale->repaint();
    });
    for (auto _ : state) {
        avvio.Procedi();
        if (!principale) {
            state.SkipWithError("caricamento fallito");
            break;
        }
        state.PauseTiming();
        principale.reset();
        state.ResumeTiming();
    }
    state.counters["estrazioni"] = contesto.archivio->TotEstrazioni;
}
BENCHMARK(BM_ProcediFinoAllaFinestraPrincipale)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString testo =
        QDir(QStringLiteral(STROVEL_DATI_REALI)).filePath(QStringLiteral("archivio.txt"));
    cartella = std::make_unique<QTemporaryDir>();
    QString errore;
    if (!strovel::CreaArchivioDaTesto(testo, cartella->filePath(QStringLiteral("reale.mdb")),
                                      QDateTime::currentDateTime(), &errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    cartella.reset();
    return 0;
}

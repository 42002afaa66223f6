// Loading and creating the real archive (7,236 draws).

#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

QString TestoReale() {
    return QDir(QStringLiteral(STROVEL_DATI_REALI)).filePath(QStringLiteral("archivio.txt"));
}

std::unique_ptr<QTemporaryDir> cartella;

QString ArchivioReale() {
    static QString percorso;
    if (percorso.isEmpty()) {
        percorso = cartella->filePath(QStringLiteral("reale.mdb"));
        QString errore;
        if (!strovel::CreaArchivioDaTesto(TestoReale(), percorso, QDateTime::currentDateTime(),
                                          &errore)) {
            std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
            std::exit(1);
        }
    }
    return percorso;
}

// Start-up load: from the open archive database to the Archivio in memory, with the
// per-draw progress callback connected.
void BM_CaricaArchivioAvvio(benchmark::State& state) {
    strovel::DatabaseArchivio db;
    db.ApriArchivio(ArchivioReale(), nullptr);
    auto archivio = std::make_unique<strovel::Archivio>();
    int ultimo = 0;
    strovel::Progresso progresso{[](int) {}, [&](int v) { ultimo = v; }, {}};
    for (auto _ : state) {
        if (strovel::CaricaArchivioAvvio(db, 1, *archivio, progresso)) {
            state.SkipWithError("caricamento fallito");
            break;
        }
        benchmark::DoNotOptimize(archivio->TotEstrazioni);
    }
    state.counters["estrazioni"] = archivio->TotEstrazioni;
}
BENCHMARK(BM_CaricaArchivioAvvio)->Unit(benchmark::kMillisecond);

// Opening the archive database: connection, SQLite's quick check of every page and the
// password record, as at start-up and at every command of strovel-cli.
void BM_ApriArchivio(benchmark::State& state) {
    const QString percorso = ArchivioReale();
    for (auto _ : state) {
        strovel::DatabaseArchivio db;
        if (!db.ApriArchivio(percorso, nullptr)) {
            state.SkipWithError("apertura fallita");
            break;
        }
    }
}
BENCHMARK(BM_ApriArchivio)->Unit(benchmark::kMillisecond);

// crea-archivio: read the text archive, check it and write a new database in one transaction.
void BM_CreaArchivioDaTesto(benchmark::State& state) {
    const QString destinazione = cartella->filePath(QStringLiteral("nuovo.mdb"));
    for (auto _ : state) {
        QFile::remove(destinazione);
        QString errore;
        if (!strovel::CreaArchivioDaTesto(TestoReale(), destinazione, QDateTime::currentDateTime(),
                                          &errore)) {
            state.SkipWithError("creazione fallita");
            break;
        }
    }
}
BENCHMARK(BM_CreaArchivioDaTesto)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!QFile::exists(TestoReale())) {
        std::fprintf(stderr, "Dati reali assenti: %s\n", TestoReale().toUtf8().constData());
        return 1;
    }
    cartella = std::make_unique<QTemporaryDir>();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    cartella.reset();
    return 0;
}

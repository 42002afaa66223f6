#pragma once
// The real archive (../shared/data/archivio.txt) written to a database in `cartella` and
// loaded in memory, for the benchmarks of the computations; nullptr (after a message on
// stderr) when it cannot be. And the main body every benchmark program shares.

#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace strovel::bench {

inline std::unique_ptr<Archivio> ArchivioReale(const QTemporaryDir& cartella) {
    const QString percorso = cartella.filePath(QStringLiteral("reale.mdb"));
    QString errore;
    if (!CreaArchivioDaTesto(
            QDir(QStringLiteral(STROVEL_DATI_REALI)).filePath(QStringLiteral("archivio.txt")),
            percorso, QDateTime::currentDateTime(), &errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return nullptr;
    }
    DatabaseArchivio db;
    db.ApriArchivio(percorso, nullptr);
    auto archivio = std::make_unique<Archivio>();
    if (CaricaArchivioExNovo(db, *archivio)) {
        std::fprintf(stderr, "caricamento non riuscito\n");
        return nullptr;
    }
    return archivio;
}

/// The body of a benchmark program: loads the real archive into `archivio`, then runs the
/// benchmarks; 1 when the archive cannot be loaded.
inline int EseguiBenchmark(int argc, char** argv, std::unique_ptr<Archivio>& archivio) {
    QTemporaryDir cartella;
    archivio = ArchivioReale(cartella);
    if (!archivio) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    archivio.reset();
    return 0;
}

} // namespace strovel::bench

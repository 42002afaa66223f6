#pragma once
// The real archive (../shared/data/archivio.txt) written to a database in `cartella` and
// loaded in memory, for the benchmarks of the computations; nullptr (after a message on
// stderr) when it cannot be.

#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

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

} // namespace strovel::bench

// Archive maintenance on the real archive: checking the whole text archive, applying 1,000
// new draws, the three exports.

#include "archive/aggiornamento.h"
#include "archive/esportazioni.h"
#include "core/archivio.h"
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

std::unique_ptr<QTemporaryDir> cartella;
QByteArray testoReale;
QString archivioReale;   // all 7,236 draws
QString archivioRidotto; // the first 6,236
std::unique_ptr<strovel::Archivio> archivio;

QByteArray PrimeRighe(const QByteArray& testo, int n) {
    qsizetype pos = 0;
    for (int k = 0; k < n; ++k) {
        pos = testo.indexOf('\n', pos) + 1;
    }
    return testo.left(pos);
}

void BM_ControlloTestoCompleto(benchmark::State& state) {
    strovel::DatabaseArchivio db;
    db.ApriArchivio(archivioReale, nullptr);
    for (auto _ : state) {
        auto candidate = strovel::Candidate(testoReale);
        auto esito = strovel::ConfrontoArchivio(db, candidate);
        benchmark::DoNotOptimize(esito.messaggi.size());
    }
}
BENCHMARK(BM_ControlloTestoCompleto)->Unit(benchmark::kMillisecond);

void BM_Applica1000Estrazioni(benchmark::State& state) {
    const QString copia = cartella->filePath(QStringLiteral("copia.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copia);
        QFile::copy(archivioRidotto, copia);
        strovel::DatabaseArchivio db;
        db.ApriArchivio(copia, nullptr);
        auto candidate = strovel::Candidate(testoReale);
        strovel::ConfrontoArchivio(db, candidate);
        state.ResumeTiming();
        auto esito =
            strovel::AggiornamentoArchivio(db, candidate, false, QDateTime::currentDateTime());
        if (esito.aggiunte != 1000) {
            state.SkipWithError("aggiunte diverse da 1000");
            break;
        }
    }
}
BENCHMARK(BM_Applica1000Estrazioni)->Unit(benchmark::kMillisecond);

void BM_EsportaTrindolo(benchmark::State& state) {
    const QString f = cartella->filePath(QStringLiteral("DATI32.III"));
    for (auto _ : state) {
        strovel::ScriviFileTesto(f, strovel::TestoTrindolo(*archivio));
    }
}
BENCHMARK(BM_EsportaTrindolo)->Unit(benchmark::kMillisecond);

void BM_EsportaPelvano(benchmark::State& state) {
    const QString f = cartella->filePath(QStringLiteral("Dati.iii"));
    for (auto _ : state) {
        strovel::ScriviPelvano(*archivio, f);
    }
}
BENCHMARK(BM_EsportaPelvano)->Unit(benchmark::kMillisecond);

void BM_EsportaNazionale(benchmark::State& state) {
    const QString f = cartella->filePath(QStringLiteral("naz.txt"));
    for (auto _ : state) {
        strovel::ScriviFileTesto(f, strovel::TestoNazionale(*archivio));
    }
}
BENCHMARK(BM_EsportaNazionale)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    cartella = std::make_unique<QTemporaryDir>();
    QFile file(QDir(QStringLiteral(STROVEL_DATI_REALI)).filePath(QStringLiteral("archivio.txt")));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "dati reali assenti\n");
        return 1;
    }
    testoReale = file.readAll();
    archivioReale = cartella->filePath(QStringLiteral("reale.mdb"));
    archivioRidotto = cartella->filePath(QStringLiteral("ridotto.mdb"));
    const QString ridotto = cartella->filePath(QStringLiteral("ridotto.txt"));
    QFile r(ridotto);
    r.open(QIODevice::WriteOnly);
    r.write(PrimeRighe(testoReale, 6236));
    r.close();
    QString errore;
    if (!strovel::CreaArchivioDaTesto(file.fileName(), archivioReale, QDateTime::currentDateTime(),
                                      &errore) ||
        !strovel::CreaArchivioDaTesto(ridotto, archivioRidotto, QDateTime::currentDateTime(),
                                      &errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return 1;
    }
    strovel::DatabaseArchivio db;
    db.ApriArchivio(archivioReale, nullptr);
    archivio = std::make_unique<strovel::Archivio>();
    strovel::CaricaArchivioAvvio(db, 1, *archivio);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

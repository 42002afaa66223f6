// The dynamic ambata and the spy quintet on the real archive: every wheel and position, 100
// cases, 20 colpi; and the spy quintet window from its ELABORA to the grids shown. The delay
// sequences: PERIODO over the whole archive on every wheel and position, and the window from
// the click to the grid shown. The search, the play and the window of the ambo by sums and
// differences; the Maltese square's first tab.

#include "bench/archivio_reale.h"
#include "bench/servizi_bench.h"
#include "core/archivio.h"
#include "methods/ambata/ambata_dinamica.h"
#include "methods/ambata/ambata_finestra.h"
#include "methods/ambo_somme/ambo_somme.h"
#include "methods/ambo_somme/ambo_somme_finestra.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/maltese/maltese.h"
#include "methods/maltese/maltese_cinquina.h"
#include "methods/maltese/maltese_finestra.h"
#include "methods/ritardi/ritardi_finestra.h"
#include "methods/ritardi/ritardi_sequenza.h"
#include "methods/spia/cinquina_spiona.h"
#include "methods/spia/cinquina_spiona_finestra.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"
#include "ui/dialoghi.h"
#include "ui/grafico.h"
#include "ui/griglia_selezione.h"
#include "ui/selettore_intervallo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<strovel::Archivio> archivio;

strovel::ParametriAmbata Ambata(int spia) {
    strovel::ParametriAmbata p;
    p.spia = spia;
    p.rilevazione.fill(true);
    p.gioco.fill(true);
    p.posizioni.fill(true);
    p.presenze = 100;
    p.colpi = 20;
    p.riferimenti = {{0, 1}, {4, 3}};
    p.fine = archivio->TotEstrazioni;
    return p;
}

// RILEVAZIONE + CONFIGURA + ELABORA for each spy 1..90 in turn (time per spy).
void BM_AmbataPerSpia(benchmark::State& state) {
    int spia = 0;
    for (auto _ : state) {
        const auto p = Ambata(spia % 90 + 1);
        ++spia;
        const auto casi = strovel::RilevaCasi(*archivio, p);
        const auto piano = strovel::PianoColpi(p.colpi, 2);
        const auto g = strovel::GiocaAmbate(*archivio, p, casi, piano);
        benchmark::DoNotOptimize(strovel::RiepilogoAmbata(*archivio, casi, p.colpi, g));
    }
}
BENCHMARK(BM_AmbataPerSpia)->Unit(benchmark::kMicrosecond);

void BM_Migliori(benchmark::State& state) {
    int spia = 0;
    for (auto _ : state) {
        const auto p = Ambata(spia % 90 + 1);
        ++spia;
        const auto casi = strovel::RilevaCasi(*archivio, p);
        benchmark::DoNotOptimize(
            strovel::Migliori(*archivio, p, casi, strovel::PianoColpi(p.colpi, 2), 1));
    }
}
BENCHMARK(BM_Migliori)->Unit(benchmark::kMillisecond);

void BM_CinquinaElabora(benchmark::State& state) {
    strovel::ParametriCinquina p;
    p.rilevazione.fill(true);
    p.gioco.fill(true);
    p.posizioni.fill(true);
    p.presenze = 100;
    p.colpi = 20;
    p.fine = archivio->TotEstrazioni;
    for (auto _ : state) {
        const auto e = strovel::ElaboraCinquina(*archivio, p);
        benchmark::DoNotOptimize(strovel::TabellaNumeriCinquina(*archivio, p, e));
    }
}
BENCHMARK(BM_CinquinaElabora)->Unit(benchmark::kMillisecond);

strovel::ServiziFinestra Servizi(strovel::Dialoghi& dialoghi) {
    return strovel::bench::ServiziBenchmark(*archivio, dialoghi);
}

// From the click on ELABORA to the case grid, the numbers and the summary shown.
void BM_FinestraCinquina(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraCinquinaSpiona w(Servizi(dialoghi));
    w.show();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTutti"))->click();
    auto* posizioni = w.findChild<strovel::GrigliaSelezione*>(QStringLiteral("Fgp"));
    for (int p = 0; p < 5; ++p) {
        posizioni->ImpostaVoce(p, true);
    }
    w.findChild<QComboBox*>(QStringLiteral("ComboPres"))->setCurrentText(QStringLiteral("100"));
    w.findChild<QComboBox*>(QStringLiteral("ComboColpi"))->setCurrentText(QStringLiteral("20"));
    auto* elabora = w.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        elabora->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraCinquina)->Unit(benchmark::kMillisecond);

void BM_FinestraAmbata(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraAmbataDinamica w(Servizi(dialoghi));
    w.show();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTutti"))->click();
    auto* posizioni = w.findChild<strovel::GrigliaSelezione*>(QStringLiteral("Fgp"));
    for (int p = 0; p < 5; ++p) {
        posizioni->ImpostaVoce(p, true);
    }
    w.findChild<QLineEdit*>(QStringLiteral("TxtNumero"))->setText(QStringLiteral("45"));
    w.findChild<QComboBox*>(QStringLiteral("ComboPres"))->setCurrentText(QStringLiteral("100"));
    w.findChild<QComboBox*>(QStringLiteral("ComboColpi"))->setCurrentText(QStringLiteral("20"));
    w.Rilevazione();
    w.Configura();
    auto* elabora = w.findChild<QPushButton*>(QStringLiteral("Command3"));
    for (auto _ : state) {
        elabora->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraAmbata)->Unit(benchmark::kMillisecond);

// "Ambo uguale su 2 ruote" over the whole archive with every class and relation allowed.
void BM_AmboSommeRicerca(benchmark::State& state) {
    const strovel::FiltroAmbo f = strovel::FiltroAmbo::Tutto();
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::CercaAmbi(*archivio, f, 1, archivio->TotEstrazioni));
    }
}
BENCHMARK(BM_AmboSommeRicerca)->Unit(benchmark::kMillisecond);

// The play of every case of the whole archive in version 2, 9 colpi, ambi on every wheel.
void BM_AmboSommeGioco(benchmark::State& state) {
    const auto casi =
        strovel::CercaAmbi(*archivio, strovel::FiltroAmbo::Tutto(), 1, archivio->TotEstrazioni);
    strovel::OpzioniGiocoAmbo o;
    o.versione = strovel::VersioneAmbo::Versione2;
    o.ambiATutte = true;
    for (auto _ : state) {
        for (const strovel::CasoAmbo& c : casi) {
            benchmark::DoNotOptimize(strovel::GiocaAmbo(*archivio, c, o));
        }
    }
    state.counters["casi"] = static_cast<double>(casi.size());
}
BENCHMARK(BM_AmboSommeGioco)->Unit(benchmark::kMillisecond);

// The window from VERSIONE 2 to the grids shown: over the last 500 draws it opens with, and over
// the whole archive.
void BM_FinestraAmboSomme(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraAmboSomme w(Servizi(dialoghi));
    w.show();
    if (state.range(0) == 1) {
        w.findChild<strovel::SelettoreIntervallo*>()->ImpostaInizio(1);
    }
    auto* versione = w.findChild<QPushButton*>(QStringLiteral("Command5"));
    for (auto _ : state) {
        versione->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraAmboSomme)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The Maltese square's first tab with 500 cases and 30 colpi.
void BM_Maltese500(benchmark::State& state) {
    const strovel::ParametriMaltese p{0, 500, 30, archivio->NumEstrazioniAnalisi};
    for (auto _ : state) {
        const auto casi = strovel::ElaboraMaltese(*archivio, p);
        benchmark::DoNotOptimize(strovel::RiassumiMaltese(casi));
    }
}
BENCHMARK(BM_Maltese500)->Unit(benchmark::kMicrosecond);

// A cinquina tab: 500 month-end cases, their decimal working and the ambo verification.
void BM_CinquinaMaltese500(benchmark::State& state) {
    strovel::ParametriCinquinaMaltese p;
    p.casi = 500;
    p.colpi = 30;
    p.fine = archivio->NumEstrazioniAnalisi;
    p.variante = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::ElaboraCinquinaMaltese(*archivio, p));
    }
}
BENCHMARK(BM_CinquinaMaltese500)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// The Maltese window from ELABORA to the grids shown: the first tab with 500 cases and 30
// colpi, and the first cinquina tab.
void BM_FinestraMaltese(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraQuadratoMaltese w(Servizi(dialoghi));
    w.show();
    w.findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentIndex(49);
    w.findChild<QComboBox*>(QStringLiteral("Combo4"))->setCurrentIndex(29);
    auto* elabora = w.findChild<QPushButton*>(
        QString::fromLatin1(state.range(0) == 0 ? "Command1" : "Command4"));
    for (auto _ : state) {
        dialoghi.Rispondi(std::nullopt); // "No" if the latest draw's question comes
        elabora->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraMaltese)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PeriodoArchivio(benchmark::State& state) {
    strovel::ParametriSequenza p;
    p.inizio = 1;
    p.fine = archivio->TotEstrazioni;
    p.ruote.fill(true);
    p.posizioni.fill(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strovel::SequenzaPeriodo(*archivio, p));
    }
}
BENCHMARK(BM_PeriodoArchivio)->Unit(benchmark::kMicrosecond);

// From the click on PERIODO (whole archive, every wheel) to the grid shown.
void BM_FinestraRitardi(benchmark::State& state) {
    strovel::DialoghiScriptati dialoghi;
    strovel::FinestraRitardiSequenza w(Servizi(dialoghi));
    w.show();
    w.findChild<QPushButton*>(QStringLiteral("LblSelTutti"))->click();
    w.findChild<strovel::SelettoreIntervallo*>()->ImpostaInizio(1);
    auto* periodo = w.findChild<QPushButton*>(QStringLiteral("SequenzaPeriodo"));
    for (auto _ : state) {
        periodo->click();
        w.repaint();
    }
}
BENCHMARK(BM_FinestraRitardi)->Unit(benchmark::kMillisecond);

// A chart from its command to its window shown, over the whole archive: the delays of a number
// on every wheel (7,236 points), and the frequencies of the 90 numbers.
void BM_Grafico(benchmark::State& state) {
    QWidget origine;
    strovel::SceltaGrafico s;
    s.ruote.fill(true);
    s.fine = archivio->TotEstrazioni;
    for (auto _ : state) {
        strovel::FinestraGrafico* g =
            state.range(0) == 0
                ? strovel::ApriGraficoRitardi(&origine, *archivio, 27, [s] { return s; })
                : strovel::ApriGraficoFrequenze(&origine, *archivio, [s] { return s; });
        g->repaint();
        delete g;
    }
}
BENCHMARK(BM_Grafico)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return strovel::bench::EseguiBenchmark(argc, argv, archivio);
}

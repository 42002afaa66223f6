// Chance figures a player can bet on: on random archives, where no method can have an edge, the
// out-of-sample check of every analysis finds as many positives as "Atteso per caso" says, give
// or take chance, and its "Probabilità" falls under 5% about once in twenty.

#include "core/analisi.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/strovel/strovel_atteso.h"
#include "methods/ambata/ambata_dinamica.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/maltese/maltese.h"
#include "methods/spia/cinquina_spiona.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

namespace strovel {
namespace {

/// What the random archives gave: positives beyond chance, their spread, and how often the
/// probability came out under 5%.
struct Taratura {
    double eccesso = 0;  ///< sum of positives minus expected
    double varianza = 0; ///< of that sum, the cases being independent
    int archivi = 0;
    int sotto5 = 0;
};

/// The out-of-sample check of `crea(archivio)` at the draw 3/4 into each of `quanti` random
/// archives of `estrazioni` draws.
template <Analisi A>
Taratura Tara(std::function<A(const Archivio&)> crea, int quanti, int estrazioni) {
    Taratura t;
    for (int seme = 1; seme <= quanti; ++seme) {
        const auto a = test::ArchivioCasuale(estrazioni, 7000 + static_cast<std::uint64_t>(seme));
        const auto f = FuoriCampione(crea(*a), *a, estrazioni * 3 / 4);
        if (!f.scelta || f.confronto.casi == 0) {
            continue;
        }
        ++t.archivi;
        t.eccesso += f.confronto.positivi - f.confronto.attesi;
        // Each case is a yes/no trial of its own probability; their mean is attesi / casi.
        const double p = f.confronto.attesi / f.confronto.casi;
        t.varianza += f.confronto.casi * p * (1 - p);
        t.sotto5 += f.confronto.coda < 0.05 ? 1 : 0;
    }
    return t;
}

void Controlla(const Taratura& t, int quanti) {
    ASSERT_GE(t.archivi, quanti * 2 / 3) << "too few archives gave a case";
    EXPECT_LT(std::abs(t.eccesso), 4 * std::sqrt(t.varianza) + 1)
        << "eccesso " << t.eccesso << ", deviazione " << std::sqrt(t.varianza);
    // About one in twenty by chance; never more than twice that, plus one for small counts.
    EXPECT_LE(t.sotto5, t.archivi / 10 + 1) << t.sotto5 << " su " << t.archivi;
}

constexpr int Archivi = 30;

/// The check of `crea`'s analysis on `Archivi` random archives of `estrazioni` draws.
template <Analisi A> void Tarata(std::function<A(const Archivio&)> crea, int estrazioni) {
    Controlla(Tara<A>(std::move(crea), Archivi, estrazioni), Archivi);
}

TEST(Taratura, CicliStrovel) {
    Tarata<AnalisiStrovel>(
        [](const Archivio& a) {
            AnalisiStrovel x;
            x.p.riferimento = a.TotEstrazioni;
            x.p.rilevazione = test::SoloRuote({0, 1});
            x.p.gioco = test::SoloRuote({2, 3});
            return x;
        },
        900);
}

TEST(Taratura, Modulo2) {
    Tarata<AnalisiCiclo2>(
        [](const Archivio& a) {
            AnalisiCiclo2 x;
            x.p.riferimento = a.TotEstrazioni;
            x.p.ruote = test::SoloRuote({0, 5});
            x.p.posizioni = test::TutteLePosizioni;
            return x;
        },
        900);
}

TEST(Taratura, AmbiNeiCicli) {
    Tarata<AnalisiAmbiCicli>(
        [](const Archivio& a) {
            AnalisiAmbiCicli x;
            x.p.riferimento = a.TotEstrazioni;
            x.p.ruote = test::SoloRuote({1, 6, 8});
            for (int n1 = 1; n1 <= 12; ++n1) {
                for (int n2 = n1 + 1; n2 <= 12; ++n2) {
                    x.ambi.emplace_back(n1, n2);
                }
            }
            return x;
        },
        900);
}

TEST(Taratura, CinquinaSpiona) {
    // One play per archive: its probability under 5% only when it hits a rare play.
    Tarata<AnalisiCinquina>(
        [](const Archivio& a) {
            AnalisiCinquina x;
            x.p.rilevazione = test::SoloRuote({0, 1});
            x.p.gioco = test::SoloRuote({0});
            x.p.posizioni = test::TutteLePosizioni;
            x.p.presenze = 30;
            x.p.colpi = 5;
            x.p.fine = a.TotEstrazioni;
            return x;
        },
        600);
}

TEST(Taratura, AmboSomme) {
    Tarata<AnalisiAmboSomme>(
        [](const Archivio& a) {
            AnalisiAmboSomme x;
            x.filtro = FiltroAmbo::Tutto();
            x.fine = a.TotEstrazioni;
            return x;
        },
        600);
}

TEST(Taratura, AmbataDinamica) {
    // Overlapping cases: a case and the next play the same numbers on the same draws.
    Tarata<AnalisiAmbata>(
        [](const Archivio& a) {
            AnalisiAmbata x;
            x.p.spia = 27;
            x.p.rilevazione = test::TutteLeRuote;
            x.p.gioco = test::SoloRuote({0, 1});
            x.p.posizioni = test::TutteLePosizioni;
            x.p.presenze = 60;
            x.p.colpi = 9;
            x.p.riferimenti = {{0, 1}};
            x.p.fine = a.TotEstrazioni;
            return x;
        },
        900);
}

TEST(Taratura, QuadratoMaltese) {
    // Colpo 1 is the draw the ambata is read from: its chance is its own.
    Tarata<AnalisiMaltese>(
        [](const Archivio& a) {
            AnalisiMaltese x;
            x.p.fine = a.NumEstrazioniAnalisi;
            return x;
        },
        600);
}

} // namespace
} // namespace strovel

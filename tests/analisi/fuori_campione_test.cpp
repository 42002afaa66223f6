// The out-of-sample check of every analysis that chooses at a reference draw E: whatever the
// draws after E are, the choice at E is the same, while another past can change it. Each
// analysis runs through the one generic check on random archives at several references, against
// the same archive with every draw after E replaced, and with every draw up to E replaced.

#include "core/archivio.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/strovel/strovel_atteso.h"
#include "methods/ambata/ambata_dinamica.h"
#include "methods/spia/cinquina_spiona.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace strovel {
namespace {

/// What an analysis chose at E, in words ("nessuna" when nothing), and how many cases it then
/// verified after E.
struct Scelto {
    std::string scelta;
    int casiDopo = 0;
};

struct Voce {
    const char* nome;
    std::function<Scelto(const Archivio&, int)> fuoriCampione;
};

/// The generic out-of-sample check of the analysis `crea` makes for an archive, its choice said
/// by `descrivi`.
template <Analisi A>
Voce Generica(const char* nome, std::function<A(const Archivio&)> crea,
              std::function<std::string(const typename A::Scelta&)> descrivi) {
    return {nome, [crea, descrivi](const Archivio& a, int e) {
                const auto f = FuoriCampione(crea(a), a, e);
                return Scelto{f.scelta ? descrivi(*f.scelta) : "nessuna", f.riepilogo.casi};
            }};
}

std::vector<Voce> TutteLeAnalisi() {
    return {
        Generica<AnalisiStrovel>(
            "cicli Strovel",
            [](const Archivio& a) {
                AnalisiStrovel x;
                x.p.riferimento = a.TotEstrazioni;
                x.p.rilevazione = test::SoloRuote({0, 1, 2});
                x.p.gioco = test::SoloRuote({3, 4});
                return x;
            },
            [](const SceltaStrovel& s) {
                return TestoFormula(*s.riga.formula) + " " + std::to_string(s.riga.p1) + " " +
                       std::to_string(s.cicliDentro);
            }),
        Generica<AnalisiCiclo2>(
            "Modulo 2",
            [](const Archivio& a) {
                AnalisiCiclo2 x;
                x.p.riferimento = a.TotEstrazioni;
                x.p.ruote = test::SoloRuote({0, 5});
                x.p.posizioni = test::TutteLePosizioni;
                return x;
            },
            [](const SceltaCiclo2& s) {
                return std::to_string(s.numero) + " " + std::to_string(s.cc) + " " +
                       std::to_string(s.cicliDentro);
            }),
        Generica<AnalisiAmbiCicli>(
            "ambi nei cicli",
            [](const Archivio& a) {
                AnalisiAmbiCicli x;
                x.p.riferimento = a.TotEstrazioni;
                x.p.ruote = test::SoloRuote({1, 6, 8});
                for (int n1 = 1; n1 <= 15; ++n1) {
                    for (int n2 = n1 + 1; n2 <= 15; ++n2) {
                        x.ambi.emplace_back(n1, n2);
                    }
                }
                return x;
            },
            [](const SceltaAmbi& s) {
                return std::to_string(s.n1) + "-" + std::to_string(s.n2) + " " +
                       std::to_string(s.cc);
            }),
        Generica<AnalisiAmbata>(
            "ambata dinamica",
            [](const Archivio& a) {
                AnalisiAmbata x;
                x.p.spia = 27;
                x.p.rilevazione = test::TutteLeRuote;
                x.p.gioco = test::SoloRuote({0, 1, 2});
                x.p.posizioni = test::TutteLePosizioni;
                x.p.presenze = 40;
                x.p.colpi = 9;
                x.p.riferimenti = {{0, 1}, {4, 3}};
                x.p.fine = a.TotEstrazioni;
                return x;
            },
            [](const SceltaAmbata& s) {
                return std::to_string(s.scelto.ruota) + "/" + std::to_string(s.scelto.posizione) +
                       " " + std::to_string(s.positiviDentro) + " " + std::to_string(s.casiDentro);
            }),
        Generica<AnalisiCinquina>(
            "cinquina spiona",
            [](const Archivio& a) {
                AnalisiCinquina x;
                x.p.rilevazione = test::SoloRuote({0, 1});
                x.p.gioco = test::SoloRuote({0, 1, 2});
                x.p.posizioni = test::TutteLePosizioni;
                x.p.presenze = 40;
                x.p.colpi = 9;
                x.p.fine = a.TotEstrazioni;
                return x;
            },
            [](const SceltaCinquina& s) {
                return std::to_string(s.numero) + " " + std::to_string(s.presenze);
            }),
    };
}

TEST(FuoriCampione, OgniAnalisiSceglieSenzaGuardareOltreE) {
    for (const Voce& analisi : TutteLeAnalisi()) {
        SCOPED_TRACE(analisi.nome);
        int scelte = 0;
        int verificate = 0;
        int cambiate = 0;
        for (const int e : {650, 800, 950}) {
            const auto a = test::ArchivioCasuale(1100, 500 + static_cast<std::uint64_t>(e));
            const Scelto prima = analisi.fuoriCampione(*a, e);
            auto cambiato = test::ArchivioCasuale(1100, 500 + static_cast<std::uint64_t>(e));
            test::CambiaDopo(*cambiato, *test::ArchivioCasuale(1100, 900 + e), e);
            const Scelto dopo = analisi.fuoriCampione(*cambiato, e);
            EXPECT_EQ(dopo.scelta, prima.scelta) << "E = " << e;
            // Draws before E do count: another past gives another choice.
            auto passato = test::ArchivioCasuale(1100, 700 + static_cast<std::uint64_t>(e));
            test::CambiaDopo(*passato, *a, e);
            cambiate += analisi.fuoriCampione(*passato, e).scelta != prima.scelta ? 1 : 0;
            scelte += prima.scelta != "nessuna" ? 1 : 0;
            verificate += prima.casiDopo > 0 ? 1 : 0;
        }
        // The check is not vacuous: something is chosen and verified after E.
        EXPECT_GE(scelte, 2);
        EXPECT_GE(verificate, 2);
        EXPECT_GE(cambiate, 2);
    }
}

} // namespace
} // namespace strovel

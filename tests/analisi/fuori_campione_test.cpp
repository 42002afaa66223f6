// The out-of-sample check of every analysis that chooses at a reference draw E: whatever the
// draws after E are, the choice at E is the same. Each analysis runs on random archives at
// several references, against the same archive with every draw after E replaced.

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

struct Analisi {
    const char* nome;
    std::function<Scelto(const Archivio&, int)> fuoriCampione;
};

template <class S> std::string Descrivi(const EsitoFuoriCampione<S>& f, auto&& testo) {
    return f.scelta ? testo(*f.scelta) : std::string("nessuna");
}

std::vector<Analisi> TutteLeAnalisi() {
    return {
        {"cicli Strovel",
         [](const Archivio& a, int e) {
             ParametriStrovel p;
             p.riferimento = a.TotEstrazioni;
             p.rilevazione = test::SoloRuote({0, 1, 2});
             p.gioco = test::SoloRuote({3, 4});
             const auto f = VerificaFuoriCampione(a, p, false, e);
             return Scelto{Descrivi(f,
                                    [](const SceltaStrovel& s) {
                                        return TestoFormula(*s.riga.formula) + " " +
                                               std::to_string(s.riga.p1) + " " +
                                               std::to_string(s.cicliDentro);
                                    }),
                           f.riepilogo.casi};
         }},
        {"Modulo 2",
         [](const Archivio& a, int e) {
             ParametriCiclo2 p;
             p.riferimento = a.TotEstrazioni;
             p.ruote = test::SoloRuote({0, 5});
             p.posizioni = test::TutteLePosizioni;
             const auto f = VerificaFuoriCampione(a, p, e);
             return Scelto{Descrivi(f,
                                    [](const SceltaCiclo2& s) {
                                        return std::to_string(s.numero) + " " +
                                               std::to_string(s.cc) + " " +
                                               std::to_string(s.cicliDentro);
                                    }),
                           f.riepilogo.casi};
         }},
        {"ambi nei cicli",
         [](const Archivio& a, int e) {
             ParametriAmbiCicli p;
             p.riferimento = a.TotEstrazioni;
             p.ruote = test::SoloRuote({1, 6, 8});
             std::vector<std::pair<int, int>> ambi;
             for (int x = 1; x <= 15; ++x) {
                 for (int y = x + 1; y <= 15; ++y) {
                     ambi.emplace_back(x, y);
                 }
             }
             const auto f = VerificaFuoriCampione(a, p, ambi, e);
             return Scelto{Descrivi(f,
                                    [](const SceltaAmbi& s) {
                                        return std::to_string(s.n1) + "-" + std::to_string(s.n2) +
                                               " " + std::to_string(s.cc);
                                    }),
                           f.riepilogo.casi};
         }},
        {"ambata dinamica",
         [](const Archivio& a, int e) {
             ParametriAmbata p;
             p.spia = 27;
             p.rilevazione = test::TutteLeRuote;
             p.gioco = test::SoloRuote({0, 1, 2});
             p.posizioni = test::TutteLePosizioni;
             p.presenze = 40;
             p.colpi = 9;
             p.riferimenti = {{0, 1}, {4, 3}};
             p.fine = a.TotEstrazioni;
             const auto f = FuoriCampione(a, p, 1, e);
             return Scelto{Descrivi(f,
                                    [](const SceltaAmbata& s) {
                                        return std::to_string(s.scelto.ruota) + "/" +
                                               std::to_string(s.scelto.posizione) + " " +
                                               std::to_string(s.positiviDentro) + " " +
                                               std::to_string(s.casiDentro);
                                    }),
                           f.riepilogo.casi};
         }},
        {"cinquina spiona",
         [](const Archivio& a, int e) {
             ParametriCinquina p;
             p.rilevazione = test::SoloRuote({0, 1});
             p.gioco = test::SoloRuote({0, 1, 2});
             p.posizioni = test::TutteLePosizioni;
             p.presenze = 40;
             p.colpi = 9;
             p.fine = a.TotEstrazioni;
             const auto f = FuoriCampioneSpia(a, p, e);
             return Scelto{Descrivi(f,
                                    [](const SceltaCinquina& s) {
                                        return std::to_string(s.numero) + " " +
                                               std::to_string(s.presenze);
                                    }),
                           f.riepilogo.casi};
         }},
    };
}

TEST(FuoriCampione, OgniAnalisiSceglieSenzaGuardareOltreE) {
    for (const Analisi& analisi : TutteLeAnalisi()) {
        SCOPED_TRACE(analisi.nome);
        int scelte = 0;
        int verificate = 0;
        for (const int e : {650, 800, 950}) {
            const auto a = test::ArchivioCasuale(1100, 500 + static_cast<std::uint64_t>(e));
            const Scelto prima = analisi.fuoriCampione(*a, e);
            auto cambiato = test::ArchivioCasuale(1100, 500 + static_cast<std::uint64_t>(e));
            test::CambiaDopo(*cambiato, *test::ArchivioCasuale(1100, 900 + e), e);
            const Scelto dopo = analisi.fuoriCampione(*cambiato, e);
            EXPECT_EQ(dopo.scelta, prima.scelta) << "E = " << e;
            scelte += prima.scelta != "nessuna" ? 1 : 0;
            verificate += prima.casiDopo > 0 ? 1 : 0;
        }
        // The check is not vacuous: something is chosen and verified after E.
        EXPECT_GE(scelte, 2);
        EXPECT_GE(verificate, 2);
    }
}

} // namespace
} // namespace strovel

// The out-of-sample check of every analysis that chooses at a reference draw E: whatever the
// draws after E are, the choice at E is the same, while another past can change it. Each
// analysis runs through the one generic check on random archives at several references, against
// the same archive with every draw after E replaced, and with every draw up to E replaced.

#include "core/archivio.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/cicli.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/strovel/strovel_atteso.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "methods/ambata/ambata_atteso.h"
#include "methods/ambata/ambata_dinamica.h"
#include "methods/maltese/maltese.h"
#include "methods/spia/cinquina_spiona.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/archivio_casuale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
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
    /// The walk-forward choices from a reference: each reference with its choice in words.
    std::function<std::map<int, std::string>(const Archivio&, int)> progressiva;
};

/// The generic out-of-sample check of the analysis `crea` makes for an archive, its choice said
/// by `descrivi`.
template <AnalisiConScelta A>
Voce Generica(const char* nome, std::function<A(const Archivio&)> crea,
              std::function<std::string(const typename A::Scelta&)> descrivi) {
    return {nome,
            [crea, descrivi](const Archivio& a, int e) {
                const auto f = FuoriCampione(crea(a), a, e);
                return Scelto{f.scelta ? descrivi(*f.scelta) : "nessuna", f.riepilogo.casi};
            },
            [crea](const Archivio& a, int da) {
                const A analisi = crea(a);
                std::map<int, std::string> scelte;
                for (const auto& passo :
                     VerificaProgressiva(analisi, a, da, analisi.PassoNaturale()).passi) {
                    scelte[passo.riferimento] = passo.scelta;
                }
                return scelte;
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

// The walk-forward test makes each choice as the archive stood then: every choice up to E is the
// same whatever the draws after E.
TEST(FuoriCampione, LaVerificaProgressivaNonGuardaOltreE) {
    const int e = 900;
    const auto a = test::ArchivioCasuale(1100, 77);
    auto cambiato = test::ArchivioCasuale(1100, 77);
    test::CambiaDopo(*cambiato, *test::ArchivioCasuale(1100, 78), e);
    for (const Voce& analisi : TutteLeAnalisi()) {
        SCOPED_TRACE(analisi.nome);
        const auto prima = analisi.progressiva(*a, 600);
        const auto dopo = analisi.progressiva(*cambiato, 600);
        int confrontate = 0;
        for (const auto& [riferimento, scelta] : prima) {
            const auto altra = dopo.find(riferimento);
            if (riferimento <= e && altra != dopo.end()) {
                EXPECT_EQ(altra->second, scelta) << "riferimento " << riferimento;
                ++confrontate;
            }
        }
        EXPECT_GE(confrontate, 3);
    }
}

// The summary of a walk-forward test in words and in rows, singular and plural.
TEST(FuoriCampione, RiepilogoDellaVerificaProgressiva) {
    EsitoProgressivo p;
    p.da = 100;
    p.passo = 1;
    EXPECT_EQ(TestoProgressiva(p),
              "Dall'estrazione 100, una scelta ogni 1 estrazione: nessuna scelta da verificare.");
    EXPECT_TRUE(RiepilogoProgressivo(p).righe.empty());
    p.passo = 9;
    p.passi = {{100, "12", Classe::Positivo, 0.5},
               {109, "7", Classe::Negativo, 0.25},
               {118, "7", Classe::InGioco, 0.25}};
    Riassumi(p);
    EXPECT_EQ(TestoProgressiva(p),
              "Dall'estrazione 100, una scelta ogni 9 estrazioni: 3 scelte, 1 positiva (33.3%), 1 "
              "negativa, 1 in gioco.\n" +
                  TestoConfronto(p.confronto));
    EXPECT_EQ(p.confronto.attesi, 1.0);
    EXPECT_EQ(TabellaProgressiva(p).Tsv(), "Estrazione\tScelta\tEsito\tPer caso\n"
                                           "100\t12\tPositivo\t50.0\n"
                                           "109\t7\tNegativo\t25.0\n"
                                           "118\t7\tIn gioco\t25.0\n");
    EXPECT_EQ(RiepilogoProgressivo(p).righe.size(), 5u);
}

// A wheel with no numbers (the Nazionale of the random archives, not drawn in their first third)
// gives no case and no trial: chance expects nothing of a play there.
TEST(FuoriCampione, RuoteNonEstratteNonContano) {
    const auto a = test::ArchivioCasuale(600, 41);
    ASSERT_FALSE(a->Estratta(150, 10));
    ASSERT_TRUE(a->Estratta(500, 10));
    const Ruote nazionale = test::SoloRuote({10});
    EXPECT_EQ(ProveEstratte(*a, nazionale, 150, 260), 60);

    ParametriMaltese m;
    m.ruota = 10;
    m.fine = 150;
    EXPECT_TRUE(ElaboraMaltese(*a, m).empty());

    ParametriCinquina c;
    c.rilevazione = test::SoloRuote({0, 1});
    c.gioco = nazionale;
    c.posizioni = test::TutteLePosizioni;
    c.fine = 150;
    EXPECT_EQ(AttesoCinquina(*a, c, ElaboraCinquina(*a, c)).medio, 0);

    ParametriAmbata b;
    b.spia = 27;
    b.rilevazione = test::TutteLeRuote;
    b.gioco = nazionale;
    b.posizioni = test::TutteLePosizioni;
    b.fine = 150;
    const auto casi = RilevaCasi(*a, b);
    ASSERT_FALSE(casi.empty());
    const auto giocate = GiocaAmbate(*a, b, casi, PianoColpi(b.colpi, 1));
    EXPECT_EQ(ConfrontaAmbata(*a, b, casi, giocate).attesi, 0);

    ParametriCiclo2 d;
    d.riferimento = 150;
    d.ruote = nazionale;
    d.posizioni = test::TutteLePosizioni;
    EXPECT_EQ(AttesoNumeri(*a, RilevaCicli(*a, d)).medio, 0);
    EXPECT_EQ(ProbabilitaGruppoCicli(*a, {{1, 100, 120}}, nazionale, 1).front(), 0);

    // A formula reading the Nazionale, or playing on it, before it was drawn.
    ParametriStrovel s;
    s.riferimento = 150;
    const auto cicli = CostruisciCicli(150, 5, s.durata, s.considera, s.salto);
    for (const FormulaStrovel& f : {FormulaStrovel{10, 1, 5, Operazione::Somma, 0},
                                    FormulaStrovel{0, 1, 5, Operazione::Somma, 10}}) {
        for (const double p : ProbabilitaFormulaCicli(*a, s, cicli, f, 150, false)) {
            EXPECT_EQ(p, 0);
        }
    }
    // Random formulas playing only on it: nothing to expect of the best of them either.
    s.rilevazione = test::SoloRuote({0});
    s.gioco = nazionale;
    EXPECT_EQ(MassimoAtteso(FormuleACaso(*a, ElaboraStrovel(*a, s))), 0);
}

// A formula that plays back the number it reads on its own wheel ("+ 0") hits in its considered
// draw for sure: the list marks it and the out-of-sample choice passes over it.
TEST(FuoriCampione, FormulaSicuraNonVieneScelta) {
    EXPECT_TRUE(FormulaSicura({2, 3, 0, Operazione::Somma, 2}));
    EXPECT_FALSE(FormulaSicura({2, 3, 1, Operazione::Somma, 2}));
    EXPECT_FALSE(FormulaSicura({2, 3, 0, Operazione::Somma, 4}));
    const auto a = test::ArchivioCasuale(900, 91);
    AnalisiStrovel x;
    x.p.riferimento = a->TotEstrazioni;
    x.p.rilevazione = test::SoloRuote({0});
    x.p.gioco = test::SoloRuote({0});
    x.p.salto = 2;
    const EsitoStrovel esito = ElaboraStrovel(*a, x.p);
    const auto prima = std::find_if(esito.formule.begin(), esito.formule.end(),
                                    [](const RigaFormula& r) { return r.formula.has_value(); });
    ASSERT_NE(prima, esito.formule.end());
    ASSERT_TRUE(FormulaSicura(*prima->formula)) << "a sure formula tops this list";
    const Tabella t = TabellaFormule(esito.formule, 22);
    const auto riga = static_cast<std::size_t>(prima - esito.formule.begin());
    EXPECT_EQ(t.righe[riga][1].stile.sfondo, ColoreArancioChiaro);
    const auto f = FuoriCampione(x, *a, 800);
    ASSERT_TRUE(f.scelta);
    EXPECT_FALSE(FormulaSicura(*f.scelta->riga.formula));
}

} // namespace
} // namespace strovel

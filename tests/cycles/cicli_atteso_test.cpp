// The three cycle modules against chance and out of sample: the expected counts against their
// closed forms and against random plays on the real archive, and the choices made at a past
// reference, which later draws must not change.

#include "core/archivio.h"
#include "core/insieme90.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/strovel/strovel_atteso.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <span>

namespace strovel {
namespace {

ParametriStrovel Strovel(int riferimento) {
    ParametriStrovel p;
    p.riferimento = riferimento;
    p.rilevazione = test::TutteLeRuote;
    p.gioco = test::TutteLeRuote;
    return p;
}

TEST(CasoStrovel, FormuleEStatisticaControLaFormula) {
    const auto a = test::ArchivioCasuale(600, 41);
    ParametriStrovel p = Strovel(590);
    p.rilevazione = test::SoloRuote({0, 3});
    p.gioco = test::SoloRuote({1, 2, 4});
    const EsitoStrovel e = ElaboraStrovel(*a, p);
    const auto c = ConfrontaFormule(*a, e);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->formule, 2 * 5 * 90 * 3);
    // Cycles of 18 from 590: the latest plays 591..599 (9 colpi), the next ones their 9 colpi
    // too, within the archive. An ambata on one wheel: 1 - (85/90)^9 per cycle.
    const double q = 1 - std::pow(85.0 / 90, 9);
    EXPECT_EQ(c->primo.casi, 15);
    EXPECT_NEAR(c->primo.attesi, 15 * q, 1e-9);
    EXPECT_EQ(c->primo.positivi, e.formule.front().p1);
    EXPECT_GT(c->migliore, c->primo.attesi + 3);
    EXPECT_LE(c->migliore, 15);
    // The reference at the last draw leaves the latest cycle without colpi; all operations
    // weigh six times the formulas.
    p.riferimento = 600;
    const auto tutte = ConfrontaFormule(*a, EsaminaTutteLeOperazioni(*a, p));
    ASSERT_TRUE(tutte);
    EXPECT_EQ(tutte->formule, 6 * 2 * 5 * 90 * 3);
    EXPECT_NEAR(tutte->primo.attesi, 14 * q, 1e-9);
    EXPECT_GT(tutte->migliore, c->migliore - 1);
    EXPECT_NE(TestoCasoFormule(*c).find("Il migliore di 2700 formule a caso: "), std::string::npos);

    // STATISTICA: the ambata, or two of the quartina, in one draw of the play window; a
    // quartina of four different numbers against the exact enumeration of one draw.
    EsitoCiclo caso;
    caso.ciclo = e.cicli[3];
    caso.numeri = {10, 20, 30, 40};
    const double perEstrazione =
        ProbabilitaEstrazione(1, 1) +
        (1 - ProbabilitaEstrazione(1, 1)) * ProbabilitaEstrazione(3, 2, 89, 5);
    const FormulaStrovel& prima = *e.formule.front().formula;
    Confronto s = ConfrontaStatistica(*a, e.parametri, prima, {caso});
    EXPECT_EQ(s.positivi, 0);
    EXPECT_NEAR(s.attesi, 1 - std::pow(1 - perEstrazione, 9), 1e-12);
    // Which numbers they are does not matter, 1 and 90 included.
    caso.numeri = {1, 20, 30, 90};
    EXPECT_NEAR(ConfrontaStatistica(*a, e.parametri, prima, {caso}).attesi, s.attesi, 1e-12);
    // A repeated number counts once; without an ambata two numbers are needed.
    caso.numeri = {0, 20, 20, 40};
    s = ConfrontaStatistica(*a, e.parametri, prima, {caso});
    EXPECT_NEAR(s.attesi, 1 - std::pow(1 - ProbabilitaEstrazione(2, 2), 9), 1e-12);
    caso.positivo = true;
    EXPECT_EQ(ConfrontaStatistica(*a, e.parametri, prima, {caso, caso}).positivi, 2);
}

TEST(CasoStrovel, AccoppiamentiControLaStessaRicercaACaso) {
    // On random draws the archive's best pair is one more draw of what the same search gives
    // on random draws: neither far above the random archives' best nor rare among them.
    const auto a = test::ArchivioCasuale(600, 57);
    ParametriStrovel p = Strovel(590);
    p.rilevazione = test::SoloRuote({0, 3});
    p.gioco = test::SoloRuote({1, 2});
    p.elenco = 20;
    const EsitoStrovel e = ElaboraStrovel(*a, p);
    const auto coppie = Accoppiamenti(*a, e.parametri, e.cicli, e.formule);
    const AccoppiamentiACaso c = ConfrontaAccoppiamenti(*a, e, coppie, 20);
    int primo = 0;
    for (const Accoppiamento& x : coppie) {
        primo = std::max(primo, x.presenti);
    }
    EXPECT_EQ(c.primo, primo);
    EXPECT_EQ(c.simulazioni, 20);
    EXPECT_GT(c.probabilita, 0.05);
    EXPECT_NEAR(c.migliore, primo, 2.5);
    EXPECT_EQ(TestoAccoppiamentiACaso(c).substr(0, 36), "Per caso, la coppia migliore su 20 a");
}

TEST(CasoStrovel, LaConsiderataNeiColpiNonELasciataAlCaso) {
    // Salto 2 and Considera = Durata: the considered draw is the second colpo of the play window.
    const auto a = test::ArchivioCasuale(600, 48);
    ParametriStrovel p = Strovel(590);
    p.salto = 2;
    const auto cicli = CostruisciCicli(590, 15, 18, 18, 2);
    ASSERT_EQ(cicli[3].considerata, cicli[3].inizioGioco + 1);
    const double q = ProbabilitaEstrazione(1, 1);
    const double resto = std::pow(1 - q, 8);
    // Read and played on Cagliari: "+ 0" plays the number read, out for sure; "+ 5" another
    // number, one of the four others of that draw with 4/89. On another wheel: 5/90.
    const auto su = [&](int r1, int f, int r2) {
        return ProbabilitaFormulaCicli(*a, p, cicli, {r1, 2, f, Operazione::Somma, r2}, 590, false);
    };
    EXPECT_NEAR(su(1, 0, 1)[3], 1, 1e-12);
    EXPECT_NEAR(su(1, 5, 1)[3], 1 - (1 - 4.0 / 89) * resto, 1e-12);
    EXPECT_NEAR(su(1, 0, 2)[3], 1 - (1 - q) * resto, 1e-12);

    // The random formulas of a search on BA and CA for both: per operation and fixed value,
    // the same-wheel ones with "+ 0" form a group of their own.
    p.rilevazione = test::SoloRuote({0, 1});
    p.gioco = test::SoloRuote({0, 1, 2});
    const EsitoStrovel e = ElaboraStrovel(*a, p);
    auto gruppi = FormuleACaso(*a, e);
    std::sort(gruppi.begin(), gruppi.end(),
              [](const SerieUguali& x, const SerieUguali& y) { return x.quanti > y.quanti; });
    double quante = 0;
    for (const SerieUguali& g : gruppi) {
        quante += g.quanti;
    }
    EXPECT_EQ(quante, 2 * 5 * 90 * 3);
    ASSERT_EQ(gruppi.size(), 3u);
    EXPECT_EQ(gruppi[0].quanti, 2 * 5 * 90 * 3 - 2 * 5 * 90); // reading and playing apart
    EXPECT_EQ(gruppi[1].quanti, 2 * 5 * 89);                  // another number of the draw
    EXPECT_EQ(gruppi[2].quanti, 2 * 5);                       // the number read itself
    EXPECT_NEAR(gruppi[2].probabilita[3], 1, 1e-12);
    const auto caso = ConfrontaFormule(*a, e);
    ASSERT_TRUE(caso);
    EXPECT_GT(caso->migliore, 14); // "+ 0" on one wheel hits every cycle with colpi

    // STATISTICA in the considered draw, knowing the number n read there: the ambata n is out;
    // another ambata needs itself or two of the rest among the other four of 89; when n is a
    // companion, one more number is enough.
    const FormulaStrovel f{1, 2, 0, Operazione::Somma, 1};
    const int n = a->Estratti(cicli[3].considerata, 1, 2);
    const auto altro = [&](int k) { return (n + 10 * k - 1) % 90 + 1; }; // not n, all different
    EsitoCiclo caso2;
    caso2.ciclo = cicli[3];
    caso2.numeri = {n, altro(1), altro(2), altro(3)};
    EXPECT_NEAR(ConfrontaStatistica(*a, p, f, {caso2}).attesi, 1, 1e-12);
    caso2.numeri = {altro(1), altro(2), altro(3), altro(4)};
    const double perEstrazione =
        ProbabilitaEstrazione(1, 1) +
        (1 - ProbabilitaEstrazione(1, 1)) * ProbabilitaEstrazione(3, 2, 89, 5);
    const double q0 = 4.0 / 89 + (1 - 4.0 / 89) * ProbabilitaEstrazione(3, 2, 88, 4);
    EXPECT_NEAR(ConfrontaStatistica(*a, p, f, {caso2}).attesi,
                1 - (1 - q0) * std::pow(1 - perEstrazione, 8), 1e-12);
    caso2.numeri = {altro(1), n, altro(2), altro(3)};
    EXPECT_NEAR(ConfrontaStatistica(*a, p, f, {caso2}).attesi,
                1 - (1 - ProbabilitaEstrazione(3, 1, 89, 4)) * std::pow(1 - perEstrazione, 8),
                1e-12);
}

TEST(CasoStrovel, FuoriCampioneNonVedeIlFuturoEVerificaDopo) {
    auto a = test::ArchivioCasuale(700, 42);
    ParametriStrovel p = Strovel(700);
    p.considera = 2; // the considered draw never holds a planted ambata below
    const int e = 500;
    const FuoriCampioneStrovel f = VerificaFuoriCampione(*a, p, false, e);
    ASSERT_TRUE(f.scelta);
    EXPECT_EQ(f.scelta->cicliDentro, 15);
    // Cycles of 18 back from 700 whose first draw follows 500: 683, 665, ..., 503.
    ASSERT_EQ(f.cicli.size(), 11u);
    EXPECT_EQ(f.cicli.back().inizio, 503);
    EXPECT_EQ(static_cast<int>(f.confronto.casi), 11);
    // The latest cycle plays after the last draw: in play, with no chance either.
    EXPECT_EQ(f.riepilogo.inGioco, 1);

    // Another future: the same choice, with its count of hits before the reference.
    auto altro = test::ArchivioCasuale(700, 43);
    test::CambiaDopo(*a, *altro, e);
    const FuoriCampioneStrovel g = VerificaFuoriCampione(*a, p, false, e);
    ASSERT_TRUE(g.scelta);
    EXPECT_EQ(g.scelta->riga.formula, f.scelta->riga.formula);
    EXPECT_EQ(g.scelta->riga.p1, f.scelta->riga.p1);

    // Planting the formula's ambata on its play wheel at the first colpo of every cycle after
    // the reference: every cycle with a colpo is positive.
    const FormulaStrovel& formula = *g.scelta->riga.formula;
    for (const Ciclo& c : g.cicli) {
        if (c.inizioGioco <= a->TotEstrazioni &&
            !a->Presente(c.inizioGioco, formula.r2, AmbataStrovel(*a, formula, c.considerata))) {
            a->Estratti(c.inizioGioco, formula.r2, 5) = AmbataStrovel(*a, formula, c.considerata);
        }
    }
    a->CostruisciPresenze();
    const FuoriCampioneStrovel h = VerificaFuoriCampione(*a, p, false, e);
    EXPECT_EQ(h.riepilogo.positivi, 10);
    EXPECT_EQ(h.riepilogo.inGioco, 1);
    EXPECT_LT(h.confronto.coda, 0.01);
    EXPECT_NE(TestoFuoriCampioneStrovel(h, e).find("Dopo l'estrazione 500: 11 casi, 10 positivi"),
              std::string::npos);

    // Cycles of 17 and 18 colpi: the second latest cycle plays 684..701, one past the last
    // draw, so without its ambata it is still in play; the others' windows are over.
    p.durata = 17;
    p.colpi = 18;
    const FuoriCampioneStrovel k = VerificaFuoriCampione(*a, p, false, e);
    ASSERT_TRUE(k.scelta);
    ASSERT_EQ(k.cicli[1].inizioGioco, 684);
    const FormulaStrovel& kf = *k.scelta->riga.formula;
    const int ambata = AmbataStrovel(*a, kf, k.cicli[1].considerata);
    bool uscita = false;
    for (int i = 684; i <= 700; ++i) {
        uscita = uscita || a->Presente(i, kf.r2, ambata);
    }
    EXPECT_FALSE(uscita); // this archive leaves it out, so the boundary counts
    EXPECT_EQ(k.riepilogo.inGioco, uscita ? 1 : 2);
}

TEST(CasoCiclo2, InsiemiNumeriEFuoriCampione) {
    auto a = test::ArchivioCasuale(600, 44);
    ParametriCiclo2 p;
    p.riferimento = 600;
    p.ruote = test::SoloRuote({0, 1});
    p.posizioni = {true, true, true, false, false};
    p.colpi = 5;
    const Rilevazione r = RilevaCicli(*a, p);
    // After a reference that is a cycle's first draw, that cycle is not "after" it: its first
    // draw was already seen.
    const std::vector<CicloOsservato> posati = CicliDopo(*a, p, 0);
    ASSERT_GT(posati.size(), 3u);
    const int inizio = posati[2].inizio;
    const std::vector<CicloOsservato> dopo = CicliDopo(*a, p, inizio);
    EXPECT_EQ(dopo.size(), 2u);
    EXPECT_GT(dopo.back().inizio, inizio);
    // One set of three numbers, two of them needed, at three positions of two wheels.
    const std::vector<InsiemePrevisione> uno = {{1, {1, 2, 3}, 2}};
    const double q = ProbabilitaEstrazione(3, 2, 90, 3);
    EXPECT_NEAR(ProbabilitaInsiemi(p, uno), q, 1e-12);
    const VerificaInsiemi v = VerificaNeiCicli(*a, r, uno);
    const Confronto c = ConfrontaVerifica(*a, r, uno, v);
    EXPECT_EQ(c.casi, 15);
    EXPECT_EQ(c.positivi, std::count_if(v.cicli.begin(), v.cicli.end(),
                                        [](const VerificaCiclo& x) { return x.Positivo(); }));
    EXPECT_LT(c.positivi, 15);
    EXPECT_NEAR(c.attesi, 15 * (1 - std::pow(1 - q, 2 * 5)), 1e-9);
    // Two sets sharing a number: the union is weighed, not the sum.
    const std::vector<InsiemePrevisione> due = {{1, {1, 2}, 1}, {2, {2, 3}, 1}};
    EXPECT_NEAR(ProbabilitaInsiemi(p, due), ProbabilitaEstrazione(3, 1, 90, 3), 1e-12);
    // Overlapping sets at all five positions against the enumeration of every subset of the
    // seven numbers; ninety numbers in ten sets, one needed, always win.
    ParametriCiclo2 cinque = p;
    cinque.posizioni.fill(true);
    const std::vector<InsiemePrevisione> tre = {
        {1, {1, 2, 3}, 2}, {2, {3, 4, 5, 6}, 2}, {3, {6, 7}, 1}};
    const double enumerata = ProbabilitaCombinazioni(7, [](std::span<const int> u) {
        const auto in = [&](int da, int fino) {
            return std::count_if(u.begin(), u.end(), [&](int i) { return i >= da && i <= fino; });
        };
        return in(0, 2) >= 2 || in(2, 5) >= 2 || in(5, 6) >= 1;
    });
    EXPECT_NEAR(ProbabilitaInsiemi(cinque, tre), enumerata, 1e-12);
    std::vector<InsiemePrevisione> tutti;
    for (int h = 0; h < 10; ++h) {
        InsiemePrevisione s{h + 1, {}, 1};
        for (int n = 1; n <= 9; ++n) {
            s.numeri.push_back(9 * h + n);
        }
        tutti.push_back(s);
    }
    EXPECT_NEAR(ProbabilitaInsiemi(cinque, tutti), 1, 1e-12);
    // A random number in the window of 5 draws on 2 wheels at 3 positions.
    const CCAttesoCicli n = AttesoNumeri(*a, r);
    EXPECT_NEAR(n.medio, 15 * (1 - std::pow(1 - 3.0 / 90, 10)), 1e-9);
    EXPECT_GT(n.migliore, n.medio);
    EXPECT_EQ(PresenzeNeiCicli(r, 7).size(), 15u);
    EXPECT_EQ(PresenzeNeiCicli(r, 7)[2].presenze, r.presenze[2][7]);

    // The Nazionale is not drawn in the first third of the archive: nothing to choose there.
    ParametriCiclo2 nazionale = p;
    nazionale.ruote = test::SoloRuote({10});
    EXPECT_FALSE(VerificaFuoriCampione(*a, nazionale, 150).scelta);
    EXPECT_EQ(TestoFuoriCampione(VerificaFuoriCampione(*a, nazionale, 150), 150),
              "Nessun numero uscito nei cicli fino all'estrazione 150.");
    // Out of sample: the choice at 400 stays whatever comes after; the cycles after it are
    // those of 18 back from 600 starting after 400.
    const FuoriCampioneCiclo2 f = VerificaFuoriCampione(*a, p, 400);
    ASSERT_TRUE(f.scelta);
    EXPECT_EQ(f.cicli.size(), 11u);
    EXPECT_EQ(f.cicli.back().inizio, 403);
    auto altro = test::ArchivioCasuale(600, 45);
    test::CambiaDopo(*a, *altro, 400);
    const FuoriCampioneCiclo2 g = VerificaFuoriCampione(*a, p, 400);
    EXPECT_EQ(g.scelta->numero, f.scelta->numero);
    EXPECT_EQ(g.scelta->cc, f.scelta->cc);
    // The chosen number at the first draw of every cycle after: all positive.
    for (const CicloOsservato& ciclo : g.cicli) {
        test::Metti(*a, ciclo.inizio, 1,
                    {g.scelta->numero == 90 ? 1 : g.scelta->numero + 1, 0, g.scelta->numero, 0, 0});
    }
    a->CostruisciPresenze();
    const FuoriCampioneCiclo2 h = VerificaFuoriCampione(*a, p, 400);
    EXPECT_EQ(h.riepilogo.positivi, 11);
    EXPECT_EQ(h.riepilogo.inGioco, 0);
    // At a position not watched it does not count.
    for (const CicloOsservato& ciclo : g.cicli) {
        test::Metti(*a, ciclo.inizio, 1, {0, 0, 0, g.scelta->numero, 0});
    }
    a->CostruisciPresenze();
    EXPECT_LT(VerificaFuoriCampione(*a, p, 400).riepilogo.positivi, 11);
}

TEST(CasoAmbiCicli, AmbiGruppiEFuoriCampione) {
    auto a = test::ArchivioCasuale(500, 46);
    ParametriAmbiCicli p;
    p.riferimento = 500;
    p.cicli = 10;
    p.durata = 20;
    p.ruote = test::SoloRuote({2, 5, 7});
    NumeriScelti scelti{};
    for (int n = 1; n <= 12; ++n) {
        scelti[static_cast<std::size_t>(n)] = true;
    }
    const ElaborazioneAmbi e = ContaAmbi(*a, p, AmbiDi(scelti));
    const double ambo = ProbabilitaEstrazione(2, 2);
    const AttesoCicli x = AttesoAmbi(*a, e);
    EXPECT_EQ(x.quanti, 66);
    EXPECT_NEAR(x.medio, 10 * (1 - std::pow(1 - ambo, 3 * 20)), 1e-9);
    EXPECT_GT(x.migliore, x.medio);
    // Two ambi with no number in common: one or the other, exactly.
    const double dueAmbi = 2 * ambo - ProbabilitaEstrazione(4, 4);
    const AttesoCicli g = AttesoGruppi(*a, e, 2, 0);
    EXPECT_EQ(g.quanti, 66 * 65 / 2);
    EXPECT_NEAR(g.medio, 10 * (1 - std::pow(1 - dueAmbi, 3 * 20)), 1e-9);
    EXPECT_EQ(AttesoGruppi(*a, e, 3, 0).quanti, 60 * 59 * 58 / 6); // triples of the first 60 rows
    // Rows counted on one wheel weigh one wheel.
    const AttesoCicli perRuota = AttesoAmbi(*a, ContaAmbi(*a, p, AmbiDi(scelti), true));
    EXPECT_NEAR(perRuota.medio, 10 * (1 - std::pow(1 - ambo, 20)), 1e-9);
    EXPECT_EQ(PresenzeNeiCicli(e, 0).size(), 10u);
    EXPECT_EQ(PresenzeNeiCicli(e, 0)[4].presenze, e.ambi[0].volte[4]);
    EXPECT_TRUE(PresenzeNeiCicli(e, 66).empty());

    ParametriAmbiCicli nazionale = p;
    nazionale.ruote = test::SoloRuote({10});
    EXPECT_FALSE(VerificaFuoriCampione(*a, nazionale, AmbiDi(scelti), 150).scelta);
    const FuoriCampioneAmbi f = VerificaFuoriCampione(*a, p, AmbiDi(scelti), 300);
    ASSERT_TRUE(f.scelta);
    // Whole cycles of 20 back from 500 after 300: 481, 461, ..., 301.
    ASSERT_EQ(f.cicli.size(), 10u);
    EXPECT_EQ(f.cicli.back().inizio, 301);
    auto altro = test::ArchivioCasuale(500, 47);
    test::CambiaDopo(*a, *altro, 300);
    const FuoriCampioneAmbi h = VerificaFuoriCampione(*a, p, AmbiDi(scelti), 300);
    EXPECT_EQ(std::pair(h.scelta->n1, h.scelta->n2), std::pair(f.scelta->n1, f.scelta->n2));
    EXPECT_EQ(h.scelta->cc, f.scelta->cc);
    // The ambo at the last draw of every cycle after, on a chosen wheel: all positive; on a
    // wheel not chosen, none of those.
    for (const CicloAmbi& c : h.cicli) {
        test::Metti(*a, c.fine, 7, {h.scelta->n1, h.scelta->n2, 88, 89, 90});
    }
    a->CostruisciPresenze();
    EXPECT_EQ(VerificaFuoriCampione(*a, p, AmbiDi(scelti), 300).riepilogo.positivi, 10);
    for (const CicloAmbi& c : h.cicli) {
        test::Metti(*a, c.fine, 7, {86, 87, 88, 89, 90});
        test::Metti(*a, c.fine, 8, {h.scelta->n1, h.scelta->n2, 88, 89, 90});
    }
    a->CostruisciPresenze();
    EXPECT_LT(VerificaFuoriCampione(*a, p, AmbiDi(scelti), 300).riepilogo.positivi, 10);
}

TEST(CasoCiclo2, AmbettoPerCaso) {
    // On random draws a pair's ambetto comes out as often as the enumerated probability says,
    // at all five positions and at three.
    const auto a = test::ArchivioCasuale(6000, 88);
    for (const int estratti : {5, 3}) {
        std::array<bool, 5> posizioni{};
        std::fill(posizioni.begin(), posizioni.begin() + estratti, true);
        int prove = 0;
        int uscite = 0;
        for (int k = 1; k <= a->TotEstrazioni; ++k) {
            for (int w = 0; w < 10; ++w) {
                Insieme90 u;
                for (int pos = 1; pos <= estratti; ++pos) {
                    u.Aggiungi(a->Estratti(k, w, pos));
                }
                ++prove;
                uscite += Ambetto(u, 20, 60) ? 1 : 0;
            }
        }
        const double q = ProbabilitaAmbetto(estratti);
        EXPECT_NEAR(uscite, prove * q, 3 * std::sqrt(prove * q * (1 - q))) << estratti;
    }
}

TEST(CasoCicli, SimulazioneSullArchivioReale) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    // Random sets and random groups of ambi on random real draws of the first ten wheels: the
    // share of hits lies within three standard errors of the per-draw formulas.
    std::mt19937 gen(2027);
    auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
    auto numeri = [&](int quanti) {
        std::vector<int> v;
        while (static_cast<int>(v.size()) < quanti) {
            const int n = tra(1, 90);
            if (std::find(v.begin(), v.end(), n) == v.end()) {
                v.push_back(n);
            }
        }
        return v;
    };
    const int prove = 40000;
    ParametriCiclo2 p;
    p.posizioni = {true, true, true, false, false};
    int insiemi = 0, gruppi = 0;
    for (int i = 0; i < prove; ++i) {
        const int k = tra(1, a->TotEstrazioni);
        const int w = tra(0, 9);
        // Sets {x, y, z} with two needed and {z, t} with one, at positions 1..3.
        const std::vector<int> n = numeri(4);
        int primo = 0, secondo = 0;
        for (int pos = 1; pos <= 3; ++pos) {
            const int x = a->Estratti(k, w, pos);
            primo += x == n[0] || x == n[1] || x == n[2] ? 1 : 0;
            secondo += x == n[2] || x == n[3] ? 1 : 0;
        }
        insiemi += primo >= 2 || secondo >= 1 ? 1 : 0;
        // Three ambi with no number in common, one is enough.
        const std::vector<int> m = numeri(6);
        bool uscito = false;
        for (int j = 0; j < 6; j += 2) {
            uscito = uscito || (a->Presente(k, w, m[static_cast<std::size_t>(j)]) &&
                                a->Presente(k, w, m[static_cast<std::size_t>(j + 1)]));
        }
        gruppi += uscito ? 1 : 0;
    }
    const double qi = ProbabilitaInsiemi(p, {{1, {1, 2, 3}, 2}, {2, {3, 4}, 1}});
    const double qg = ProbabilitaGruppoCicli(*a, {{1, 1, 1}}, test::SoloRuote({0}), 3).front();
    for (const auto& [trovati, q] : {std::pair{insiemi, qi}, std::pair{gruppi, qg}}) {
        EXPECT_NEAR(static_cast<double>(trovati) / prove, q, 3 * std::sqrt(q * (1 - q) / prove));
    }
}

} // namespace
} // namespace strovel

#include "core/archivio.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_statistiche.h"
#include "cycles/strovel/strovel_tabelle.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/tabelle.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// Sets the five numbers of wheel r in draw i.
void Ruota(Archivio& a, int i, int r, std::array<int, 5> numeri) {
    for (int p = 1; p <= 5; ++p) {
        a.Estratti(i, r, p) = static_cast<std::int16_t>(numeri[static_cast<std::size_t>(p - 1)]);
    }
}

/// 100 draws where BA and CA hold numbers 60..89 only.
std::unique_ptr<Archivio> Base() {
    auto a = test::ArchivioCasuale(100, 5);
    for (int i = 1; i <= 100; ++i) {
        Ruota(*a, i, 0, {60 + i % 30, 61 + (i + 5) % 28, 62, 63, 64});
        Ruota(*a, i, 1, {70, 71, 72, 73, 74});
    }
    return a;
}

TEST(UltimiCinqueRitardi, RitardiMediaNeIc) {
    auto a = Base();
    for (int k : {100, 97, 96, 90, 80}) {
        a->Estratti(k, 0, 3) = 7;
    }
    a->Estratti(96, 1, 2) = 7; // out twice in draw 96: BA and CA
    a->Estratti(95, 0, 4) = 8; // out once, 5 draws back
    a->CostruisciPresenze();
    std::array<bool, 11> ruote{};
    ruote[0] = true;
    ruote[1] = true;
    const Tabella t = UltimiCinqueRitardi(*a, 100, ruote);
    ASSERT_EQ(t.righe.size(), 90u);
    EXPECT_EQ(t.intestazioni.size(), 9u);
    const auto& r = t.righe[6];
    EXPECT_EQ(test::Testi(r), (test::Righe{"7", "0", "2", "0", "5", "9", "3.2", "20", "0.0"}));
    EXPECT_EQ(r[3].stile.testo, ColoreRosso); // the second wheel in the same draw
    EXPECT_TRUE(r[3].stile.grassetto);
    EXPECT_FALSE(r[2].stile.grassetto);
    // With only BA the double presence is gone.
    ruote[1] = false;
    EXPECT_FALSE(UltimiCinqueRitardi(*a, 100, ruote).righe[6][3].stile.grassetto);
    // A number never out on the wheels: no delays, S = 0.
    EXPECT_EQ(test::Testi(t.righe[0], 1), (test::Righe{"", "", "", "", "", "0.0", "4", "0.0"}));
    // Out once: IC = 5 * 5 / (5 + 4).
    EXPECT_EQ(test::Testi(t.righe[7], 1, 2), (test::Righe{"5", ""}));
    EXPECT_EQ(t.righe[7][8].testo, "2.8");
}

RigaFormula Riga(int r2, std::optional<int> ritardo) {
    RigaFormula r;
    r.formula = FormulaStrovel{0, 1, 0, Operazione::Somma, r2};
    r.ritardi[0] = ritardo;
    return r;
}

TEST(TallyRitardi, RaggruppaPerRitardoERuota) {
    const std::vector<RigaFormula> righe = {Riga(0, 12),  Riga(0, 5),   Riga(0, 5),
                                            Riga(3, 5),   Riga(0, 401), Riga(1, std::nullopt),
                                            RigaFormula{}};
    const Tabella t = TallyRitardi(righe);
    ASSERT_EQ(t.righe.size(), 4u);
    auto testi = [&](std::size_t k) {
        return t.righe[k][1].testo + " " + t.righe[k][2].testo + " " + t.righe[k][3].testo;
    };
    EXPECT_EQ(testi(0), "CA 0 1"); // an empty delay counts 0
    EXPECT_EQ(testi(1), "BA 5 2");
    EXPECT_EQ(testi(2), "GE 5 1");
    EXPECT_EQ(testi(3), "BA 12 1"); // 401 is left out
}

TEST(Statistica, PositiviComeP2EUltimeNegative) {
    auto a = test::ArchivioCasuale(600, 11);
    ParametriStrovel p;
    p.riferimento = 580;
    p.cicli = 20;
    p.durata = 9;
    p.considera = 9;
    p.colpi = 5;
    p.elenco = 20;
    p.rilevazione[0] = p.rilevazione[4] = true;
    p.gioco[2] = p.gioco[7] = true;
    const EsitoStrovel e = ElaboraStrovel(*a, p);
    for (const RigaFormula& r : e.formule) {
        const auto esiti = StatisticaFormula(*a, e.parametri, e.cicli, r);
        ASSERT_EQ(esiti.size(), 20u);
        const int positivi = static_cast<int>(std::count_if(
            esiti.begin(), esiti.end(), [](const EsitoCiclo& x) { return x.positivo; }));
        EXPECT_EQ(positivi, *r.p2);
        const Tabella t = TabellaStatistica(*a, esiti);
        for (std::size_t k = 0; k < esiti.size(); ++k) {
            EXPECT_EQ(t.righe[k][1].stile.sfondo.has_value(), !esiti[k].positivo);
            if (esiti[k].positivo) {
                EXPECT_GE(esiti[k].colpo, 1);
                EXPECT_LE(esiti[k].colpo, 5);
                EXPECT_TRUE(esiti[k].ambata || esiti[k].quartina >= 2);
            }
        }
    }
    const auto st =
        TabellaRiepilogoStatistica(StatisticaFormula(*a, e.parametri, e.cicli, e.formule[0]), 20);
    EXPECT_EQ(st.righe[0][1].testo, "20");
    EXPECT_EQ(st.righe[0][2].testo, "100.0");
    EXPECT_EQ(std::stoi(st.righe[1][1].testo) + std::stoi(st.righe[2][1].testo), 20);

    std::vector<EsitoCiclo> esiti(4);
    esiti[2].positivo = true;
    EXPECT_TRUE(UltimeNegative(esiti, 2));
    EXPECT_FALSE(UltimeNegative(esiti, 3));
    esiti[2].positivo = false;
    EXPECT_TRUE(UltimeNegative(esiti, 3));
    EXPECT_FALSE(UltimeNegative(esiti, 4)); // the last row is never counted
    EXPECT_FALSE(UltimeNegative(esiti, 0));
}

TEST(Evidenzia, TestiDellaFormula) {
    auto a = Base();
    a->Estratti(50, 0, 2) = 89;
    const Tabella t = Evidenzia(*a, {0, 2, 1, Operazione::SommaVertibile, 3}, 50);
    EXPECT_EQ(test::Colonna(t, 1),
              (test::Righe{"89", "Somma + Vertibile", "1", "89 + 1 +98", "8"}));
}

TEST(Quartine, SpostaNumeroEVerifiche) {
    auto a = Base();
    // After ref 90: draw 92 brings 70 and 72 on CA (already there), draw 95 brings 5 on CA.
    Ruota(*a, 95, 1, {5, 71, 33, 34, 35});
    a->CostruisciPresenze();
    std::vector<Quartina> q;
    RigaFormula r = Riga(1, 0);
    r.numeri = {70, 72, 5, 34};
    EXPECT_TRUE(AggiungiQuartina(q, r));
    EXPECT_FALSE(AggiungiQuartina(q, r)); // already there
    EXPECT_FALSE(AggiungiQuartina(q, RigaFormula{}));
    for (int k = 1; q.size() < 10; ++k) {
        RigaFormula altra = r;
        altra.numeri[3] = k;
        AggiungiQuartina(q, altra);
    }
    RigaFormula undicesima = r;
    undicesima.numeri[3] = 80;
    EXPECT_FALSE(AggiungiQuartina(q, undicesima));
    q.resize(1);
    EXPECT_EQ(TabellaQuartine(q).righe[0][5].testo, "CA");

    SceltaVerifica solo{true, false, false};
    Tabella t = VerificaQuartine(*a, 90, 9, q, solo);
    ASSERT_EQ(t.righe.size(), 8u); // 91..99 hold 70 on CA, except 95
    EXPECT_EQ(t.righe[0][1].testo, "1");
    EXPECT_EQ(t.righe[0][2].testo, "91");
    EXPECT_EQ(t.righe[0][5].stile.sfondo, ColoreArancio);
    EXPECT_FALSE(t.righe[0][6].stile.sfondo.has_value());
    t = VerificaQuartine(*a, 90, 9, q, {false, true, false});
    ASSERT_EQ(t.righe.size(), 9u); // 72 in every draw but 95, which brings 5
    EXPECT_EQ(t.righe[4][1].testo, "5");
    EXPECT_EQ(t.righe[4][5].stile.sfondo, ColoreArancio);
    // Colpi past the archive's end give no rows.
    EXPECT_EQ(VerificaQuartine(*a, 99, 9, q, solo).righe.size(), 1u);

    t = VerificaPrimiNumeri(*a, 90, 9, q);
    ASSERT_EQ(t.righe.size(), 8u);
    EXPECT_EQ(t.righe[0][0].testo, "");
    EXPECT_TRUE(VerificaPrimiNumeri(*a, 90, 9, {}).righe.empty());
}

TEST(Presenze, ConteggiEColonnaUp) {
    auto a = Base();
    Ruota(*a, 100, 5, {1, 2, 3, 4, 5});
    Ruota(*a, 99, 5, {1, 12, 13, 14, 15});
    Ruota(*a, 98, 5, {1, 22, 23, 24, 25});
    Ruota(*a, 97, 5, {1, 32, 33, 34, 35});
    const Presenze pr = ContaPresenze(*a, 100, 2); // draws 98..100
    EXPECT_EQ(pr[1][5], 3);
    EXPECT_EQ(pr[70][1], 3);
    std::vector<RigaFormula> righe = {Riga(5, 0), Riga(5, 0), Riga(1, 0)};
    righe[0].numeri[0] = 1;
    righe[1].numeri[0] = 2;
    righe[2].numeri[0] = 9;
    righe[0].negativaEvidenziata = true;
    SegnaPresenze(righe, pr);
    EXPECT_EQ(righe[0].presenze, 3);
    EXPECT_EQ(righe[1].presenze, 1);
    EXPECT_FALSE(righe[2].presenze);
    EXPECT_FALSE(righe[0].negativaEvidenziata);
    const Tabella y = TabellaFormule(righe);
    EXPECT_EQ(y.righe[0][21].testo, "3");
    EXPECT_EQ(y.righe[0][21].stile.sfondo, ColorePresenze(3));
    // A number out after the reference is green and bold, the fourth (ABQ) too.
    std::vector<RigaFormula> verdi = {Riga(5, 0)};
    verdi[0].uscitoDopo = {false, false, false, true};
    const Tabella v = TabellaFormule(verdi);
    EXPECT_EQ(v.righe[0][15].stile.sfondo, ColoreVerdeChiaro);
    EXPECT_TRUE(v.righe[0][15].stile.grassetto);
    EXPECT_FALSE(v.righe[0][12].stile.sfondo.has_value());
    // A row without presence data keeps a plain "UP" cell.
    EXPECT_EQ(y.righe[2][21].testo, "");
    EXPECT_FALSE(y.righe[2][21].stile.sfondo.has_value());
    EXPECT_NE(ColorePresenze(1), ColorePresenze(2));
    EXPECT_NE(ColorePresenze(3), ColorePresenze(4));
    EXPECT_EQ(ColorePresenze(4), ColorePresenze(9));

    const Tabella filtro = FiltraAmbate(pr, righe);
    // Only the ambate of the list (1, 2 and, if it came out anywhere, 9) stay.
    ASSERT_GE(filtro.righe.size(), 2u);
    for (const auto& riga : filtro.righe) {
        EXPECT_TRUE(riga[0].testo == "1" || riga[0].testo == "2" || riga[0].testo == "9");
    }
    EXPECT_EQ(filtro.righe[0][0].testo, "1");
    EXPECT_EQ(filtro.righe[0][6].stile.sfondo, ColoreArancio); // played on NA
    EXPECT_FALSE(filtro.righe[0][1].stile.sfondo.has_value());
}

TEST(Accoppiamenti, OgniCoppiaUnaVolta) {
    auto a = test::ArchivioCasuale(500, 13);
    ParametriStrovel p;
    p.riferimento = 480;
    p.cicli = 12;
    p.elenco = 20;
    p.rilevazione[1] = true;
    p.gioco[1] = true;
    const EsitoStrovel e = ElaboraStrovel(*a, p);
    std::vector<int> avanzamento;
    int massimo = 0;
    const auto coppie = Accoppiamenti(
        *a, e.parametri, e.cicli, e.formule,
        Progresso{[&](int m) { massimo = m; }, [&](int i) { avanzamento.push_back(i); }, {}});
    EXPECT_EQ(massimo, 20);
    EXPECT_EQ(coppie.size(), 20u * 19u / 2u);
    EXPECT_EQ(avanzamento.size(), 19u);
    for (const Accoppiamento& c : coppie) {
        EXPECT_LT(c.i, c.j);
        const auto ei = StatisticaFormula(*a, e.parametri, e.cicli,
                                          e.formule[static_cast<std::size_t>(c.i - 1)]);
        const auto ej = StatisticaFormula(*a, e.parametri, e.cicli,
                                          e.formule[static_cast<std::size_t>(c.j - 1)]);
        // Every cycle counts, the first one included: positive for either formula.
        int presenti = 0;
        int ambata = 0;
        for (std::size_t k = 0; k < ei.size(); ++k) {
            presenti += (ei[k].positivo || ej[k].positivo) ? 1 : 0;
            ambata += (ei[k].ambata || ej[k].ambata) ? 1 : 0;
        }
        EXPECT_EQ(c.presenti, presenti) << c.i << "-" << c.j;
        EXPECT_EQ(c.ambata, ambata) << c.i << "-" << c.j;
        EXPECT_LE(c.presenti, 12);
    }
    EXPECT_EQ(TabellaAccoppiamenti(coppie).righe.size(), coppie.size());
    const auto e1 = StatisticaFormula(*a, e.parametri, e.cicli, e.formule[0]);
    const auto e2 = StatisticaFormula(*a, e.parametri, e.cicli, e.formule[1]);
    const Tabella fg9 = ElencoAccorpato(*a, e1, 1, e2, 2);
    ASSERT_EQ(fg9.righe.size(), 24u);
    EXPECT_EQ(fg9.righe[0][14].testo, "1");
    EXPECT_EQ(fg9.righe[1][14].testo, "2");
    EXPECT_EQ(fg9.righe[1][1].testo, "1"); // both rows of cycle 1 first
    const Tabella fg7 = Riepilogo(e1);
    ASSERT_EQ(fg7.righe.size(), 8u);
    EXPECT_EQ(fg7.righe[5][1].testo, "12");
    EXPECT_EQ(fg7.righe[5][2].testo, "100.0");
    EXPECT_EQ(std::stoi(fg7.righe[6][1].testo) + std::stoi(fg7.righe[7][1].testo), 12);
}

TEST(Riepilogo, ContaOgniSorteDeiCicli) {
    // Five cycles made by hand: every row of the summary counts its own cases.
    std::vector<EsitoCiclo> esiti(5);
    const int quartine[] = {2, 3, 3, 4, 0};
    for (std::size_t k = 0; k < esiti.size(); ++k) {
        esiti[k].quartina = quartine[k];
        esiti[k].positivo = k < 4;
        esiti[k].ambata = k < 3;
    }
    esiti[0].ambo1 = true;
    esiti[1].ambo2 = true;
    const Tabella t = Riepilogo(esiti);
    EXPECT_EQ(test::Colonna(t, 0),
              (test::Righe{"1", "2", "Q-2", "Q-3", "Q-4", "Cicli", "Pos", "Neg"}));
    EXPECT_EQ(test::Colonna(t, 1), (test::Righe{"3", "2", "1", "2", "1", "5", "4", "1"}));
    EXPECT_EQ(t.righe[3][2].testo, "40.0");
}

TEST(Statistica, CellaVuotaMaiUscita) {
    // A formula whose companions are empty: only its ambata can come out. (An empty cell is
    // number 0, never a Lotto number, whatever the presence bits around it hold.)
    auto a = test::ArchivioCasuale(500, 21);
    ParametriStrovel p;
    p.riferimento = 480;
    p.cicli = 20;
    p.elenco = 20;
    p.rilevazione.fill(true);
    p.gioco.fill(true);
    const EsitoStrovel e = ElaboraStrovel(*a, p);
    int positivi = 0;
    for (RigaFormula r : e.formule) {
        if (!r.formula) {
            continue;
        }
        r.numeri[1].reset();
        r.numeri[2].reset();
        r.numeri[3].reset();
        for (const EsitoCiclo& x : StatisticaFormula(*a, e.parametri, e.cicli, r)) {
            positivi += x.positivo ? 1 : 0;
            EXPECT_EQ(x.positivo, x.ambata);
            EXPECT_FALSE(x.usciti[1] || x.usciti[2] || x.usciti[3]);
            EXPECT_EQ(x.quartina, 0);
        }
    }
    EXPECT_GT(positivi, 0);
}

} // namespace
} // namespace strovel

// The second cycle module on archives set by hand: where the cycles and their observation
// windows fall, what is counted, the verification of the forecast sets and the commands built
// on the cycles.

#include "core/archivio.h"
#include "cycles/modulo2/ciclo2.h"
#include "cycles/modulo2/ciclo2_sessione.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/tabelle.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

using test::ArchivioPiatto;
using test::Metti;

ParametriCiclo2 Parametri(int riferimento, int durata, int salto, int colpi, int cicli) {
    ParametriCiclo2 p;
    p.riferimento = riferimento;
    p.durata = durata;
    p.salto = salto;
    p.colpi = colpi;
    p.cicli = cicli;
    p.ruote = test::TutteLeRuote;
    p.posizioni = test::TutteLePosizioni;
    return p;
}

std::string Cella(const Tabella& t, std::size_t riga, std::size_t colonna) {
    return t.righe.at(riga).at(colonna).testo;
}

TEST(Ciclo2Cicli, FinestreDiOsservazioneEConteggi) {
    const auto a = ArchivioPiatto(1005);
    // Durata 18, Salto 0, Colpi 9, ref 1000: the first cycle is 983..1000, observed to 991.
    Rilevazione r = RilevaCicli(*a, Parametri(1000, 18, 0, 9, 15));
    ASSERT_EQ(r.cicli.size(), 15u);
    EXPECT_EQ(r.cicli[0], (CicloOsservato{1, 983, 1000, 991}));
    EXPECT_EQ(r.cicli[14], (CicloOsservato{15, 731, 748, 739}));
    // Bari holds 86..90, the other ten wheels 81..85: 9 and 90 presences in 9 draws.
    EXPECT_EQ(r.presenze[0][86], 9);
    EXPECT_EQ(r.presenze[0][81], 90);
    EXPECT_EQ(r.presenze[0][1], 0);
    EXPECT_EQ(r.massimo, 90);

    // Colpi 30 runs 12 draws past the cycle, but never past the archive's last draw.
    r = RilevaCicli(*a, Parametri(1000, 18, 0, 30, 2));
    EXPECT_EQ(r.cicli[0].gioco, 1012);
    EXPECT_EQ(r.presenze[0][86], 1005 - 983 + 1);
    EXPECT_EQ(r.presenze[1][86], 30);
    const Tabella fg = TabellaCicli2(r);
    ASSERT_EQ(fg.Colonne(), 94);
    EXPECT_EQ(fg.intestazioni[4], "1");
    EXPECT_EQ(fg.intestazioni[93], "90");
    EXPECT_EQ(Cella(fg, 0, 3), "1012");
    EXPECT_EQ(Cella(fg, 0, 3 + 86), "23");
    EXPECT_EQ(Cella(fg, 0, 3 + 1), "");

    // Salto 5: cycles 978..995, then 955..972; a reference too early lays what fits.
    r = RilevaCicli(*a, Parametri(1000, 18, 5, 9, 3));
    EXPECT_EQ(r.cicli[1], (CicloOsservato{2, 955, 972, 963}));
    r = RilevaCicli(*a, Parametri(40, 18, 0, 9, 15));
    ASSERT_EQ(r.cicli.size(), 2u);
    EXPECT_EQ(r.cicli[1].inizio, 5);
}

TEST(Ciclo2Cicli, DistribuzioneERiepilogo) {
    auto a = ArchivioPiatto(300);
    // Number 1 twice in one draw on two wheels, and once more later: 3 presences.
    Metti(*a, 283, 0, {1, 2, 3, 4, 5});
    Metti(*a, 283, 1, {1, 6, 7, 8, 9});
    Metti(*a, 285, 2, {1, 10, 11, 12, 13});
    a->CostruisciPresenze();
    ParametriCiclo2 p = Parametri(300, 18, 0, 9, 2);
    const Rilevazione r = RilevaCicli(*a, p);
    EXPECT_EQ(r.presenze[0][1], 3);
    const Tabella d = TabellaDistribuzione(r);
    ASSERT_EQ(d.Colonne(), 4 + r.massimo + 1);
    EXPECT_EQ(d.intestazioni[4], "0");
    EXPECT_EQ(Cella(d, 0, 4 + 3), "01");
    EXPECT_EQ(Cella(d, 0, 4 + 1), "02-03-04-05-06-07-08-09-10-11-12-13");
    EXPECT_EQ(Cella(d, 1, 4 + 9), "86-87-88-89-90");
    EXPECT_EQ(Cella(d, 1, 4 + 0).substr(0, 9), "01-02-03-");

    const std::vector<PresenzeNumero> b1 = RiepilogoNumeri(r);
    ASSERT_EQ(b1.size(), 90u);
    EXPECT_EQ(b1[0], (PresenzeNumero{1, 1, 3}));
    EXPECT_EQ(b1[85], (PresenzeNumero{86, 2, 17})); // Bari of draw 283 held 1..5

    // One wheel and one position: at most 9 presences, 81 numbers or more never out.
    p.ruote = test::SoloRuote({0});
    p.posizioni = {true, false, false, false, false};
    const Rilevazione uno = RilevaCicli(*a, p);
    EXPECT_LE(uno.massimo, 9);
    EXPECT_GE(NumeriConPresenze(uno, 0, 0).size(), 81u);
    // No wheel: everything in the column of 0, CC and N° E zero.
    p.ruote = {};
    const Rilevazione nessuna = RilevaCicli(*a, p);
    EXPECT_EQ(nessuna.massimo, 0);
    EXPECT_EQ(NumeriConPresenze(nessuna, 1, 0).size(), 90u);
    EXPECT_EQ(RiepilogoNumeri(nessuna)[85], (PresenzeNumero{86, 0, 0}));

    EXPECT_EQ(DidascaliaGruppo(r, 1, 9), "Ciclo N° 2 Numeri con 9 presenze");
    std::vector<PresenzeNumero> ordinati = RiepilogoNumeri(r);
    OrdinaPerCicli(ordinati);
    EXPECT_EQ(ordinati[0].numero, 81); // 2 cycles, 180 presences
    EXPECT_EQ(ordinati[5].numero, 86);
    EXPECT_EQ(ordinati[10].numero, 1); // 1 cycle, 3 presences: first after the 2-cycle numbers
}

class Ciclo2Elabora : public ::testing::Test {
protected:
    void SetUp() override {
        a_ = ArchivioPiatto(200);
        // Cycle 1 is 191..200 observed to 195; its colpo 3 (draw 193) hits three times.
        Metti(*a_, 193, 0, {1, 2, 3, 40, 50});
        Metti(*a_, 193, 1, {1, 2, 60, 61, 62});
        Metti(*a_, 194, 0, {40, 41, 42, 43, 44}); // after the hit draw: not examined
        Metti(*a_, 181, 10, {1, 2, 3, 4, 5});     // Nazionale is not selected
        a_->CostruisciPresenze();
        p_ = Parametri(200, 10, 0, 5, 3);
        p_.ruote = test::SoloRuote({0, 1});
        r_ = RilevaCicli(*a_, p_);
        insiemi_ = {{2, {1, 2, 3}, 2}, {5, {40}, 1}};
    }
    std::unique_ptr<Archivio> a_;
    ParametriCiclo2 p_;
    Rilevazione r_;
    std::vector<InsiemePrevisione> insiemi_;
};

TEST_F(Ciclo2Elabora, RigheDiVerificaEStatistica) {
    const VerificaInsiemi v = VerificaNeiCicli(*a_, r_, insiemi_);
    const Tabella fg = TabellaVerificaInsiemi(*a_, v, insiemi_);
    ASSERT_EQ(fg.righe.size(), 5u);
    const std::vector<std::string> attese[] = {
        {"1", "191", "200", "195", "3", "BA", "1", "2", "3", "40", "50", "3", "2"},
        {"1", "191", "200", "195", "3", "CA", "1", "2", "60", "61", "62", "2", "2"},
        {"1", "191", "200", "195", "3", "BA", "1", "2", "3", "40", "50", "1", "5"},
        {"2", "181", "190", "185", "", "", "", "", "", "", "", "", ""},
        {"3", "171", "180", "175", "", "", "", "", "", "", "", "", ""},
    };
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(test::Testi(fg.righe[i]), attese[i]) << "riga " << i;
    }
    // Hits: cycle number on green, the set's numbers green, QN bold above 1 and red above 2.
    EXPECT_EQ(fg.righe[0][0].stile.sfondo, ColoreSelezione);
    EXPECT_FALSE(fg.righe[3][0].stile.sfondo.has_value());
    EXPECT_EQ(fg.righe[0][8].stile.sfondo, ColoreSelezione);
    EXPECT_FALSE(fg.righe[0][9].stile.sfondo.has_value());
    EXPECT_EQ(fg.righe[2][9].stile.sfondo, ColoreSelezione);
    EXPECT_TRUE(fg.righe[0][11].stile.grassetto);
    EXPECT_EQ(fg.righe[0][11].stile.testo, ColoreRosso);
    EXPECT_TRUE(fg.righe[1][11].stile.grassetto);
    EXPECT_FALSE(fg.righe[1][11].stile.testo.has_value());
    EXPECT_FALSE(fg.righe[2][11].stile.grassetto);
    EXPECT_TRUE(fg.righe[0][5].stile.grassetto);

    EXPECT_EQ(v.statistica[3][3], 1);
    EXPECT_EQ(v.statistica[3][2], 1);
    EXPECT_EQ(v.statistica[1][1], 1);
    const Tabella stat = TabellaStatisticaInsiemi(v);
    EXPECT_EQ(Cella(stat, 2, 3), "1");
    EXPECT_EQ(Cella(stat, 2, 1), "");
}

TEST_F(Ciclo2Elabora, EsitiPerCicloERiepilogo) {
    const std::vector<EsitoCiclo2> esiti = EsitiPerCiclo(VerificaNeiCicli(*a_, r_, insiemi_));
    const Tabella fg1 = TabellaEsitiCicli(esiti);
    ASSERT_EQ(fg1.righe.size(), 3u);
    // Q 3; B (the best of the two sets on Bari) 3, C 2.
    EXPECT_EQ(test::Testi(fg1.righe[0], 4, 4), (test::Righe{"3", "3", "2", ""}));
    EXPECT_EQ(fg1.righe[0][5].stile.sfondo, ColoreVerdeChiaro);
    EXPECT_EQ(fg1.righe[0][6].stile.sfondo, ColoreVerdeChiaro);
    EXPECT_FALSE(fg1.righe[0][7].stile.sfondo.has_value());
    EXPECT_EQ(Cella(fg1, 0, 16), "Terno");
    EXPECT_EQ(fg1.righe[1][0].stile.segno, Segno::CicloNegativo);
    EXPECT_EQ(Cella(fg1, 1, 16), "");
    const Tabella stat = TabellaRiepilogoCicli(esiti);
    ASSERT_EQ(stat.righe.size(), 3u);
    EXPECT_EQ(test::Testi(stat.righe[0], 0, 2), (test::Righe{"N° Cicli", "3"}));
    EXPECT_EQ(Cella(stat, 1, 2), "33.3");
    EXPECT_EQ(test::Testi(stat.righe[2], 1, 2), (test::Righe{"2", "66.7"}));

    // T = 3 leaves only Bari's terno; a wheel or position not selected never counts.
    std::vector<InsiemePrevisione> terno = {{1, {1, 2, 3}, 3}};
    EXPECT_EQ(EsitiPerCiclo(VerificaNeiCicli(*a_, r_, terno))[0].q,
              (std::array<int, 11>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    p_.posizioni = {true, true, false, true, true};
    EXPECT_FALSE(VerificaNeiCicli(*a_, RilevaCicli(*a_, p_), terno).cicli[0].Positivo());
}

TEST(Ciclo2Previsioni, LetturaDellaGriglia) {
    std::vector<RigaPrevisioneTesto> righe(3);
    righe[0] = {true, {"5", "", "0", "5", "17"}, ""};
    righe[1] = {false, {"x"}, "9"};
    righe[2] = {true, {"1", "2", "3"}, "3"};
    PrevisioniLette l = LeggiPrevisioni(righe);
    ASSERT_EQ(l.errore, "");
    ASSERT_EQ(l.insiemi.size(), 2u);
    EXPECT_EQ(l.insiemi[0].riga, 1);
    EXPECT_EQ(l.insiemi[0].numeri, (std::vector<int>{5, 17}));
    EXPECT_EQ(l.insiemi[0].t, 1);
    EXPECT_EQ(l.insiemi[1].t, 3);

    righe[2].t = "4";
    EXPECT_EQ(LeggiPrevisioni(righe).errore,
              "Attenzione ! riga 3 della previsione: T deve essere un numero da 1 a 3.");
    righe[2].t = "0";
    EXPECT_NE(LeggiPrevisioni(righe).errore, "");
    righe[2] = {true, {"1", "91"}, "1"};
    EXPECT_EQ(LeggiPrevisioni(righe).errore,
              "Attenzione ! riga 3 della previsione: \"91\" non è un numero da 1 a 90.");
    righe[2] = {true, {"", "0"}, "1"};
    EXPECT_EQ(LeggiPrevisioni(righe).errore,
              "Attenzione ! riga 3 della previsione: nessun numero.");
    EXPECT_NE(LeggiPrevisioni({RigaPrevisioneTesto{false, {"1"}, "1"}}).errore, "");
}

TEST(Ciclo2Serie, ClassiPerRuotaENumeriScoperti) {
    const auto a = ArchivioPiatto(100);
    const Rilevazione r = RilevaCicli(*a, Parametri(100, 10, 0, 5, 2));
    // Decade 8: Bari 86..89, the others 81..85 - every wheel of every draw, Sorte 2.
    auto decine = ContaSerie(*a, r, TipoClasse::Decina, 2);
    EXPECT_EQ(decine[0][8], 55);
    EXPECT_EQ(decine[0][0], 0);
    EXPECT_EQ(ContaSerie(*a, r, TipoClasse::Decina, 1)[0][0], 5); // 90 on Bari
    // Cadenza 1 is 81 once on each of ten wheels: the counters belong to one wheel.
    EXPECT_EQ(ContaSerie(*a, r, TipoClasse::Cadenza, 2)[0][1], 0);
    EXPECT_EQ(ContaSerie(*a, r, TipoClasse::Cadenza, 1)[1][1], 50);
    EXPECT_EQ(ContaSerie(*a, r, TipoClasse::Figura, 1)[0][0], 0);
    const Tabella t = TabellaSerie(r, decine);
    EXPECT_EQ(Cella(t, 0, 4 + 8), "55");
    EXPECT_EQ(Cella(t, 0, 4 + 0), "");

    EXPECT_EQ(NumeriClasse(TipoClasse::Decina, 0),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 90}));
    EXPECT_EQ(NumeriClasse(TipoClasse::Figura, 0), std::vector<int>{});
    EXPECT_EQ(NumeriSerie(r, TipoClasse::Decina, 8, true), std::vector<int>{80});
    EXPECT_EQ(NumeriSerie(r, TipoClasse::Decina, 8, false).size(), 10u);
}

TEST(Ciclo2Ambetti, Regola) {
    auto uscita = [](std::initializer_list<int> numeri) {
        Insieme90 s;
        for (int n : numeri) {
            s.Aggiungi(n);
        }
        return s;
    };
    EXPECT_TRUE(Ambetto(uscita({10, 21}), 10, 20));
    EXPECT_FALSE(Ambetto(uscita({19, 20}), 10, 20)); // 19 is a neighbour of 20 itself
    EXPECT_TRUE(Ambetto(uscita({11, 20}), 10, 20));
    EXPECT_TRUE(Ambetto(uscita({10, 20}), 10, 20));
    EXPECT_FALSE(Ambetto(uscita({10, 11}), 10, 20));
    EXPECT_FALSE(Ambetto(uscita({10}), 10, 11)); // one number is never two
    EXPECT_TRUE(Ambetto(uscita({1, 90}), 1, 89));
    EXPECT_TRUE(Ambetto(uscita({90, 2}), 90, 1));
    EXPECT_FALSE(Ambetto(uscita({90, 46}), 1, 45));
}

TEST(Ciclo2Ambetti, PrimoColpoDiOgniCiclo) {
    auto a = ArchivioPiatto(100);
    Metti(*a, 93, 3, {10, 21, 30, 40, 50});
    Metti(*a, 94, 2, {10, 20, 30, 40, 50});
    Metti(*a, 83, 4, {9, 20, 30, 40, 50});
    a->CostruisciPresenze();
    const Rilevazione r = RilevaCicli(*a, Parametri(100, 10, 0, 5, 3));
    const std::vector<EsitoAmbetto> e = VerificaAmbetti(*a, r, {10, 20, 70});
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].esiti, 2);
    ASSERT_EQ(e[0].colpi.size(), 2u);
    EXPECT_EQ(e[0].colpi[0].colpo, 3);
    EXPECT_EQ(e[0].colpi[0].ruota, 3);
    EXPECT_EQ(e[0].colpi[1].ciclo.numero, 2);
    EXPECT_EQ(e[1].esiti, 0);
    const Tabella fgY = TabellaColpiAmbetto(*a, e[0]);
    EXPECT_EQ(Cella(fgY, 0, 8), "GE");
    EXPECT_EQ(Cella(fgY, 1, 7), "3");
    EXPECT_EQ(Cella(TabellaCoppie(e), 2, 1), "20-70");
    EXPECT_EQ(Cella(TabellaCoppie(e), 0, 0), "1");
    EXPECT_EQ(test::Testi(TabellaNumeriAmbetti({10, 20, 70}).righe[2]), (test::Righe{"3", "70"}));
    EXPECT_EQ(Cella(TabellaEsitiAmbetti(e), 0, 1), "2");
    EXPECT_EQ(OrdinaAmbetti(e)[0].n1, 10);
}

TEST(Ciclo2Ambi, CicliRitardiEAbbinamenti) {
    auto a = ArchivioPiatto(100);
    Metti(*a, 92, 5, {1, 7, 8, 30, 31});  // cycle 1
    Metti(*a, 81, 6, {1, 8, 40, 41, 42}); // cycle 2
    Metti(*a, 82, 6, {1, 8, 40, 41, 42}); // cycle 2 again
    a->CostruisciPresenze();
    const Rilevazione r = RilevaCicli(*a, Parametri(100, 10, 0, 5, 3));
    const std::vector<AmboCiclo> ambi = AmbiNeiCicli(*a, r, {1, 7, 8, 81, 82});
    ASSERT_EQ(ambi.size(), 4u);
    // 81-82 on ten wheels in every draw of 3 cycles; then 1-8 (2 cycles); then 1-7, 7-8.
    EXPECT_EQ(ambi[0], (AmboCiclo{81, 82, 3, 147, 0, 1}));
    EXPECT_EQ(ambi[1], (AmboCiclo{1, 8, 2, 3, 8, 5}));
    EXPECT_EQ(ambi[2], (AmboCiclo{1, 7, 1, 1, 8, 5}));
    EXPECT_EQ(ambi[3], (AmboCiclo{7, 8, 1, 1, 8, 5}));
    // An ambo that only Bari brings out: its last outcome is on Bari, in the reference draw.
    EXPECT_EQ(AmbiNeiCicli(*a, r, {86, 87}).at(0), (AmboCiclo{86, 87, 3, 15, 0, 0}));
    const std::vector<AmboCiclo> perRitardo = OrdinaPerRitardo(ambi);
    EXPECT_EQ(perRitardo[0].n1, 1);
    EXPECT_EQ(perRitardo[3].n1, 81);
    EXPECT_EQ(Cella(TabellaAmbi2(ambi), 1, 6), "NA");

    const Abbinamenti ab = CalcolaAbbinamenti(*a, r, 1);
    EXPECT_EQ((std::array{ab.volte[8], ab.volte[7], ab.volte[81]}), (std::array{2, 1, 0}));
    ASSERT_GE(ab.classifica.size(), 3u);
    EXPECT_EQ(ab.classifica[0], (std::pair<int, int>{8, 2}));
    EXPECT_EQ(ab.classifica[1], (std::pair<int, int>{7, 1}));
    EXPECT_EQ(Cella(TabellaGiocoAbbinamenti(ab, 1), 0, 1), "8");
    EXPECT_EQ(TabellaGiocoAbbinamenti(ab, 2).righe.size(), 2u);
    EXPECT_EQ(TabellaAbbinamenti90(ab).righe.size(), 89u);
    // Coming out together is mutual, 90 included: each number counts the other's cycles.
    for (const int x : {1, 8, 87, 90}) {
        const Abbinamenti con = CalcolaAbbinamenti(*a, r, x);
        for (int n = 1; n <= 90; ++n) {
            EXPECT_EQ(con.volte[static_cast<std::size_t>(n)],
                      CalcolaAbbinamenti(*a, r, n).volte[static_cast<std::size_t>(x)])
                << x << " " << n;
        }
    }
    // 1-8-7: cycles 1 and 2 hold one of its ambi.
    EXPECT_EQ(ab.terzine.front().n2, 8);
    EXPECT_EQ(ab.terzine.front().cc, 2);
}

TEST(Ciclo2Sessione, GruppoVerificheERitardi) {
    const auto a = ArchivioPiatto(300);
    SessioneCiclo2 s(*a);
    s.Rileva(Parametri(290, 10, 0, 5, 3));
    EXPECT_FALSE(s.ScegliGruppo(0, 3));
    EXPECT_EQ(s.ScegliGruppo(0, 4 + 5), "Ciclo N° 1 Numeri con 5 presenze");
    EXPECT_EQ(s.Gruppo(), (std::vector<int>{86, 87, 88, 89, 90}));
    EXPECT_FALSE(s.GiocoInVerifica());
    EXPECT_TRUE(s.VerificaAmbetti_().errore.empty());
    s.Abbina(0, 2);
    EXPECT_EQ(s.Ambata(), 86);
    ASSERT_TRUE(s.GiocoInVerifica());
    ASSERT_EQ(s.Quartine().size(), 10u);
    EXPECT_EQ(s.Quartine()[0].numeri, (std::array<int, 4>{86, 87, 88, 89}));
    EXPECT_EQ(s.Quartine()[9].ruota, 9);
    // After the reference (291..295) Bari brings out the quartina's numbers every draw.
    const Tabella fgUU = s.VerificaQuartine(290, SceltaVerifica{});
    EXPECT_EQ(fgUU.righe.size(), 5u);
    EXPECT_EQ(Cella(fgUU, 4, 1), "5");

    // Tab one's VERIFICA: a set needs T of its numbers on a wheel.
    const std::vector<InsiemePrevisione> due = {{4, {81, 82, 40}, 2}};
    const Tabella dopo = s.VerificaPrevisioni(290, due);
    EXPECT_EQ(dopo.righe.size(), 50u); // five draws, ten wheels
    EXPECT_EQ(Cella(dopo, 0, 0), "4");
    EXPECT_EQ(s.VerificaPrevisioni(290, {{4, {81, 82, 40}, 3}}).righe.size(), 0u);

    // RITARDI: the numbers of the group on every wheel, by current delay.
    const Tabella rit = s.Ritardi(290);
    ASSERT_EQ(rit.righe.size(), 1u); // 86..90 out at ref on Bari; never elsewhere
    EXPECT_EQ(Cella(rit, 0, 3), "5");

    // A new laying forgets the group and the quartine.
    s.Rileva(Parametri(290, 10, 0, 5, 3));
    EXPECT_TRUE(s.Gruppo().empty());
    EXPECT_TRUE(s.Quartine().empty());
    EXPECT_EQ(s.VerificaAmbetti_().errore,
              "Attenzione ! scegliere nella distribuzione un gruppo di almeno 2 numeri.");
}

} // namespace
} // namespace strovel

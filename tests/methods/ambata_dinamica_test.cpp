#include "core/intervallo.h"
#include "methods/ambata/ambata_atteso.h"
#include "methods/ambata/ambata_dinamica.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/metodi_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace strovel {
namespace {

using test::Metti;

struct Corsa {
    std::vector<Caso> casi;
    GiocateAmbata giocate;
    Tabella griglia;
    RiepilogoEsiti riepilogo;
};

Corsa Esegui(const Archivio& a, const ParametriAmbata& p) {
    Corsa c;
    c.casi = RilevaCasi(a, p);
    const auto piano = PianoColpi(p.colpi, static_cast<int>(p.riferimenti.size()));
    c.giocate = GiocaAmbate(a, p, c.casi, piano);
    c.griglia = TabellaEsitiAmbata(a, c.casi, p.colpi, c.giocate);
    c.riepilogo = RiepilogoAmbata(a, c.casi, p.colpi, c.giocate);
    return c;
}

void ConfrontaConOracolo(const Archivio& a, const ParametriAmbata& p) {
    const Corsa c = Esegui(a, p);
    const auto o = oracolo::AmbataDinamica(a, p);
    ASSERT_EQ(c.griglia.righe.size(), o.righe.size()) << "spia " << p.spia;
    for (std::size_t r = 0; r < o.righe.size(); ++r) {
        for (std::size_t k = 0; k < 35; ++k) {
            ASSERT_EQ(c.griglia.righe[r][k].testo, o.righe[r][k])
                << "spia " << p.spia << " riga " << r << " colonna " << k;
        }
    }
    EXPECT_EQ(c.riepilogo, (RiepilogoEsiti{o.casi, o.positivi, o.negativi, o.inGioco}));
}

ParametriAmbata Parametri(const Archivio& a, int spia) {
    ParametriAmbata p;
    p.spia = spia;
    p.rilevazione = test::TutteLeRuote;
    p.gioco = test::TutteLeRuote;
    p.posizioni = test::TutteLePosizioni;
    p.fine = a.TotEstrazioni;
    return p;
}

TEST(AmbataDinamica, UgualeAllOracoloSuArchiviCasuali) {
    for (const std::uint64_t seme : {1u, 2u, 3u}) {
        const auto a = test::ArchivioCasuale(400, seme);
        for (int spia = 1; spia <= 90; spia += 7) {
            ParametriAmbata p = Parametri(*a, spia);
            p.presenze = 1 + spia % 40;
            p.colpi = 1 + spia % 20;
            p.somme = spia % 2 == 0;
            p.rilevazione = test::SoloRuote({0, 3, 10});
            p.gioco = test::SoloRuote({1, 5, 10});
            p.posizioni = {true, spia % 3 != 0, true, false, true};
            p.riferimenti = {{spia % 11, 1 + spia % 5}, {10, 2}, {4, 5}};
            p.fine = a->TotEstrazioni - spia % 12;
            ConfrontaConOracolo(*a, p);
        }
    }
}

TEST(AmbataDinamica, ConfrontoColCaso) {
    // Chance for the same plays: an ambata on the two play wheels for the colpi each case holds
    // before the end. On random draws the hits agree with it; one spy on one wheel per archive
    // keeps the cases' plays apart (cases of one draw play the same numbers).
    int casi = 0, positivi = 0;
    double attesi = 0, varianza = 0;
    for (const std::uint64_t seme : {17u, 18u, 19u, 20u, 21u, 22u}) {
        const auto a = test::ArchivioCasuale(2500, seme);
        ParametriAmbata p = Parametri(*a, 5);
        p.rilevazione = test::SoloRuote({0});
        p.gioco = test::SoloRuote({2, 7});
        p.colpi = 6;
        p.presenze = 100;
        p.fine = a->TotEstrazioni - 3;
        const Corsa c = Esegui(*a, p);
        const Confronto conf = ConfrontaAmbata(*a, p, c.casi, c.giocate);
        EXPECT_EQ(conf.positivi, c.riepilogo.positivi);
        // The expected positives are the sum of the cases' own chances.
        double somma = 0;
        double questa = 0;
        for (const Caso& k : c.casi) {
            const int colpi = std::clamp(p.fine - k.estrazione, 0, 6);
            const double q = 1 - std::pow(85.0 / 90, 2 * colpi);
            somma += q;
            questa += q * (1 - q);
        }
        varianza += questa;
        EXPECT_NEAR(conf.attesi, somma, 1e-9);
        casi += conf.casi;
        positivi += conf.positivi;
        attesi += conf.attesi;
    }
    ASSERT_GT(casi, 500);
    EXPECT_NEAR(positivi, attesi, 3 * std::sqrt(varianza));
}

TEST(AmbataDinamica, FuoriCampioneNonGuardaAvanti) {
    auto a = test::ArchivioCasuale(1500, 23);
    ParametriAmbata p = Parametri(*a, 33);
    p.rilevazione = test::SoloRuote({0, 1});
    p.gioco = test::SoloRuote({0, 1, 2});
    p.presenze = 100;
    p.colpi = 5;
    p.riferimenti = {{0, 1}, {3, 2}};
    const int e = 1000;
    const FuoriCampioneAmbata f = FuoriCampione(*a, p, 2, e);
    ASSERT_TRUE(f.completo);
    // The choice is MIGLIORI's first as of draw e.
    ParametriAmbata dentro = p;
    dentro.fine = e;
    const auto casiDentro = RilevaCasi(*a, dentro);
    const EsitoMigliori m = Migliori(*a, dentro, casiDentro, PianoColpi(5, 2), 2);
    EXPECT_EQ(f.scelta->scelto, m.righe[0].riferimento);
    EXPECT_EQ(f.scelta->positiviDentro, m.righe[0].positivi);
    EXPECT_EQ(f.scelta->casiDentro, static_cast<int>(casiDentro.size()));
    // Verified on the cases after e only, with the chosen reference.
    ASSERT_FALSE(f.casi.empty());
    for (const Caso& c : f.casi) {
        EXPECT_GT(c.estrazione, e);
    }
    EXPECT_EQ(f.riepilogo.casi, static_cast<int>(f.casi.size()));
    EXPECT_EQ(f.confronto.positivi, f.riepilogo.positivi);
    // Other draws after e change the verification, never the choice.
    test::CambiaDopo(*a, *test::ArchivioCasuale(1500, 99), e);
    const FuoriCampioneAmbata g = FuoriCampione(*a, p, 2, e);
    EXPECT_EQ(g.scelta->scelto, f.scelta->scelto);
    EXPECT_EQ(g.scelta->positiviDentro, f.scelta->positiviDentro);
    EXPECT_NE(g.casi, f.casi);
    EXPECT_FALSE(FuoriCampione(*a, p, 3, e).completo); // no third reference row
    // A draw a day: a year before draw 1400 is draw 1035; a short archive proposes its first.
    EXPECT_EQ(UnAnnoPrima(*a, 1400), 1035);
    EXPECT_EQ(UnAnnoPrima(*a, 300), 1);
    EXPECT_EQ(TestoFuoriCampione(g, e).substr(0, 27), "Scelto all'estrazione 1000:");

    // The top of MIGLIORI by chance: the expected best of 55 random references.
    const auto giocate = GiocaAmbate(*a, dentro, casiDentro, PianoColpi(5, 2));
    const Confronto c = ConfrontaAmbata(*a, dentro, casiDentro, giocate);
    const MiglioriACaso migliore = MiglioriPerCaso(*a, dentro, casiDentro, 2, c.positivi);
    EXPECT_GT(migliore.atteso, c.attesi);
    EXPECT_LE(migliore.atteso, c.casi);
    // The best of 55 reaches one random reference's mean nearly always.
    EXPECT_GT(MiglioriPerCaso(*a, dentro, casiDentro, 2, static_cast<int>(c.attesi)).probabilita,
              0.9);
}

TEST(AmbataDinamica, UgualeAllOracoloSullArchivioReale) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    for (int spia = 1; spia <= 90; spia += 11) {
        ParametriAmbata p = Parametri(*a, spia);
        p.presenze = 100;
        p.colpi = 20;
        p.somme = spia % 2 == 1;
        p.riferimenti = {{0, 1}, {10, 5}};
        ConfrontaConOracolo(*a, p);
    }
}

TEST(AmbataDinamica, CasiPianoESommeInUnaCorsa) {
    auto a = test::ArchivioPiatto(30);
    // The spy 7 on BA in draw 10 (position 2) and on CA and FI in draw 20.
    Metti(*a, 10, 0, {50, 7, 1, 2, 3});
    Metti(*a, 20, 1, {7, 60, 61, 62, 63});
    Metti(*a, 20, 2, {64, 65, 66, 67, 7});
    Metti(*a, 10, 3, {50, 40, 41, 42, 43}); // GE1 of draw 10: read at colpo 1 of case 10
    Metti(*a, 11, 4, {60, 44, 45, 46, 47}); // MI1 of draw 11: read at colpo 2
    a->CostruisciPresenze();
    ParametriAmbata p = Parametri(*a, 7);
    p.gioco = test::SoloRuote({5});
    p.colpi = 5;
    p.somme = true;
    p.riferimenti = {{3, 1}, {4, 1}};
    p.presenze = 1;
    // "Presenze" 1 stops after draw 20, which gives two cases (CA and FI, wheel order).
    const auto casi = RilevaCasi(*a, p);
    ASSERT_EQ(casi.size(), 2u);
    EXPECT_EQ(casi[0], (Caso{20, 1, {true, false, false, false, false}}));
    EXPECT_EQ(casi[1], (Caso{20, 2, {false, false, false, false, true}}));
    p.presenze = 3;
    const auto tutti = RilevaCasi(*a, p);
    ASSERT_EQ(tutti.size(), 3u);
    EXPECT_EQ(tutti[2], (Caso{10, 0, {false, true, false, false, false}}));

    // Two references and five colpi: 1, 2, 1, 2, 1.
    EXPECT_EQ(PianoColpi(5, 2), (std::vector<int>{1, 2, 1, 2, 1}));
    const Tabella piano = TabellaPiano(PianoColpi(5, 2), p.riferimenti);
    EXPECT_EQ(piano.righe[3][3].testo, "MI");
    EXPECT_EQ(piano.righe[4][1].testo, "1");

    // Running sums: 50 from draw 10 itself, then 50 + 60 = 110 -> 20, then 20 + 81 = 101 -> 11.
    const auto g = GiocaAmbate(*a, p, {tutti[2]}, PianoColpi(5, 2));
    ASSERT_TRUE(g.completo);
    EXPECT_EQ((std::array{g.giocate[0].numeri[1], g.giocate[0].numeri[2], g.giocate[0].numeri[3]}),
              (std::array{50, 20, 11}));
    p.somme = false;
    EXPECT_EQ(GiocaAmbate(*a, p, {tutti[2]}, PianoColpi(5, 2)).giocate[0].numeri[2], 60);
}

TEST(AmbataDinamica, ColpoVincenteSuDueRuoteEClassi) {
    auto a = test::ArchivioPiatto(40);
    Metti(*a, 10, 0, {7, 50, 1, 2, 3}); // the spy on BA; the ambata is BA2 = 50
    Metti(*a, 12, 0, {1, 50, 2, 3, 4}); // the ambata of colpo 3
    Metti(*a, 13, 1, {50, 60, 61, 62, 63});
    Metti(*a, 13, 5, {64, 65, 50, 66, 67});
    Metti(*a, 14, 1, {50, 60, 61, 62, 63}); // after the hit: not played
    Metti(*a, 36, 0, {7, 50, 1, 2, 3});     // a case still in play at the end
    Metti(*a, 40, 0, {7, 50, 1, 2, 3});     // a case in the last draw
    a->CostruisciPresenze();
    ParametriAmbata p = Parametri(*a, 7);
    p.rilevazione = test::SoloRuote({0});
    p.gioco = test::SoloRuote({1, 5, 10});
    p.riferimenti = {{0, 2}};
    p.colpi = 6;
    const Corsa c = Esegui(*a, p);
    ASSERT_EQ(c.casi.size(), 3u);
    const auto& ultimo = c.griglia.righe[0]; // draw 40: nothing played, negative
    EXPECT_EQ(ultimo[3].testo, "41");
    EXPECT_EQ(ultimo[13].testo, "");
    EXPECT_FALSE(ultimo[0].stile.sfondo.has_value());
    const auto& corrente = c.griglia.righe[1]; // draw 36: colpi 1..4 played, in play
    EXPECT_EQ(corrente[16].testo, "87");
    EXPECT_EQ(corrente[17].testo, "");
    EXPECT_EQ(corrente[0].stile.sfondo, ColoreArancio);
    EXPECT_EQ(corrente[16].stile.sfondo, ColoreArancio);
    EXPECT_EQ(corrente[15].stile.sfondo, std::nullopt);
    const auto& vinto = c.griglia.righe[2]; // draw 10: hit at colpo 3 on CA and NA
    EXPECT_EQ(vinto[12].testo, "3");
    EXPECT_EQ(vinto[33].testo, "50");
    EXPECT_EQ(vinto[34].testo, " CA NA");
    EXPECT_EQ(vinto[15].stile.testo, ColoreColpoVincente);
    EXPECT_TRUE(vinto[15].stile.grassetto);
    EXPECT_EQ(vinto[16].testo, "");
    EXPECT_EQ(vinto[0].stile.sfondo, ColorePositivo);
    EXPECT_EQ(vinto[7].stile.sfondo, ColoreCellaCaso);
    EXPECT_EQ(vinto[8].stile.sfondo, std::nullopt);
    EXPECT_EQ(c.riepilogo, (RiepilogoEsiti{3, 1, 1, 1}));

    // An analysis end before the archive's last draw bounds the play, not the classification.
    p.fine = 38;
    const Corsa prima = Esegui(*a, p);
    ASSERT_EQ(prima.casi.size(), 2u);
    EXPECT_EQ(prima.griglia.righe[0][14].testo, "87");
    EXPECT_EQ(prima.griglia.righe[0][15].testo, "");
    EXPECT_EQ(prima.griglia.righe[0][0].stile.sfondo, ColoreArancio);
}

TEST(AmbataDinamica, ConfigurazioneMancanteFermaDoveSi) {
    auto a = test::ArchivioPiatto(40);
    Metti(*a, 30, 0, {7, 50, 1, 2, 3});
    Metti(*a, 20, 0, {7, 50, 1, 2, 3});
    a->CostruisciPresenze();
    ParametriAmbata p = Parametri(*a, 7);
    p.gioco = test::SoloRuote({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    p.colpi = 6;
    // The plan was made for 3 colpi: the first case plays 3 and stops there.
    const auto casi = RilevaCasi(*a, p);
    const auto g = GiocaAmbate(*a, p, casi, PianoColpi(3, 1));
    EXPECT_FALSE(g.completo);
    ASSERT_EQ(g.giocate.size(), 1u);
    EXPECT_EQ(g.giocate[0].giocati, 3);
    const Tabella t = TabellaEsitiAmbata(*a, casi, p.colpi, g);
    EXPECT_EQ(t.righe[0][15].testo, "86");
    EXPECT_EQ(t.righe[0][16].testo, "");
    EXPECT_EQ(t.righe[1][13].testo, "");
    EXPECT_FALSE(t.righe[0][0].stile.sfondo.has_value()); // not classified
    // A plan row pointing past the references is missing too.
    p.colpi = 2;
    EXPECT_FALSE(GiocaAmbate(*a, p, casi, PianoColpi(2, 2)).completo);
}

TEST(AmbataDinamica, MatriceERiepilogo) {
    std::vector<Riferimento> r{{7, 3}};
    ImpostaMatrice(r, 3);
    EXPECT_EQ(r, (std::vector<Riferimento>{{7, 3}, {1, 1}, {2, 1}}));
    ImpostaMatrice(r, 2);
    EXPECT_EQ(r, (std::vector<Riferimento>{{7, 3}, {1, 1}}));
    ImpostaMatrice(r, 5);
    EXPECT_EQ(r.back(), (Riferimento{4, 1}));

    const Tabella t = TabellaRiepilogo({7, 3, 3, 1});
    EXPECT_EQ(t.righe[0][0].testo, "N° Casi");
    EXPECT_EQ(t.righe[0][1].testo, "7");
    EXPECT_EQ(t.righe[1][2].testo, "42.9"); // 300 / 7 = 42.857
    EXPECT_EQ(t.righe[3][2].testo, "14.3");
    EXPECT_EQ(t.righe[1][2].stile.barra, (Barra{428, ColoreBarraPositivi}));
    EXPECT_EQ(t.righe[2][2].stile.barra->colore, ColoreBarraNegativi);
    EXPECT_EQ(t.righe[3][2].stile.barra->colore, ColoreArancio);
    const Tabella vuota = TabellaRiepilogo({});
    EXPECT_EQ(vuota.righe[1][1].testo, "0");
    EXPECT_EQ(vuota.righe[1][2].testo, "");
    EXPECT_FALSE(vuota.righe[1][2].stile.barra.has_value());
}

TEST(AmbataDinamica, MiglioriSostituisceLaRigaScelta) {
    const auto a = test::ArchivioCasuale(500, 9);
    ParametriAmbata p = Parametri(*a, 33);
    p.presenze = 60;
    p.colpi = 7;
    p.riferimenti = {{0, 1}, {3, 4}};
    const auto casi = RilevaCasi(*a, p);
    const auto piano = PianoColpi(p.colpi, 2);
    const EsitoMigliori m = Migliori(*a, p, casi, piano, 2);
    ASSERT_TRUE(m.completo);
    ASSERT_EQ(m.righe.size(), 55u);
    for (std::size_t i = 1; i < m.righe.size(); ++i) {
        ASSERT_GE(m.righe[i - 1].positivi, m.righe[i].positivi);
        if (m.righe[i - 1].positivi == m.righe[i].positivi) {
            const auto& x = m.righe[i - 1].riferimento;
            const auto& y = m.righe[i].riferimento;
            ASSERT_LT(x.ruota * 5 + x.posizione, y.ruota * 5 + y.posizione); // stable
        }
    }
    // Each count is the ELABORA of the configuration with row 2 replaced.
    for (const std::size_t i : {std::size_t{0}, std::size_t{27}, std::size_t{54}}) {
        ParametriAmbata q = p;
        q.riferimenti[1] = m.righe[i].riferimento;
        const Corsa c = Esegui(*a, q);
        EXPECT_EQ(m.righe[i].positivi, c.riepilogo.positivi) << i;
    }
    const Tabella t = TabellaMigliori(m, static_cast<int>(casi.size()));
    EXPECT_EQ(t.righe[0][0].testo, std::to_string(m.righe[0].positivi));
}

TEST(AmbataDinamica, Evoluzione) {
    auto a = test::ArchivioPiatto(30);
    Metti(*a, 10, 0, {7, 50, 1, 2, 3});
    Metti(*a, 11, 0, {8, 51, 4, 5, 6});
    a->CostruisciPresenze();
    ParametriAmbata p = Parametri(*a, 7);
    p.colpi = 3;
    p.riferimenti = {{0, 2}, {0, 1}};
    const auto casi = RilevaCasi(*a, p);
    const auto piano = PianoColpi(3, 2);
    const auto g = GiocaAmbate(*a, p, casi, piano);
    const Tabella t = EvoluzioneAmbata(*a, p, casi[0], piano, g.giocate[0]);
    EXPECT_EQ(t.intestazioni,
              (std::vector<std::string>{"Colpo", "Estr", "Data Estraz", "BA2", "BA1", "Ambata"}));
    ASSERT_EQ(t.righe.size(), 3u);
    EXPECT_EQ(t.righe[0][1].testo, "10");
    EXPECT_EQ(t.righe[0][5].testo, "50");
    EXPECT_EQ(t.righe[0][3].stile.sfondo, ColoreColonnaColpo); // colpo 1 reads BA2
    EXPECT_EQ(t.righe[1][4].testo, "8");
    EXPECT_EQ(t.righe[1][5].testo, "8");
    EXPECT_EQ(TitoloEvoluzione(4), "RIFERIMENTO: RIGA 4");
}

} // namespace
} // namespace strovel

// The delay sequences: the one-pass scans against the number-by-number walk, and the grid's
// marks on sequences set by hand.

#include "core/archivio.h"
#include "methods/ritardi/ritardi_sequenza.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/ritardi_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <random>

namespace strovel {
namespace {

using test::ArchivioPiatto;
using test::Metti;

ParametriSequenza Parametri(int inizio, int fine, std::array<bool, 11> ruote) {
    ParametriSequenza p;
    p.inizio = inizio;
    p.fine = fine;
    p.ruote = ruote;
    p.posizioni = test::TutteLePosizioni;
    return p;
}

void Confronta(const Archivio& a, const ParametriSequenza& p, int k) {
    ASSERT_EQ(SequenzaPresenze(a, p, k), oracolo::Sequenze(a, p, k, false)) << "k " << k;
    ASSERT_EQ(SequenzaPeriodo(a, p), oracolo::Sequenze(a, p, 0, true));
}

TEST(RitardiOracolo, ArchiviCasualiEReale) {
    const auto a = test::ArchivioCasuale(900, 41);
    std::mt19937 gen(41);
    auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
    for (int prova = 0; prova < 12; ++prova) {
        SCOPED_TRACE(prova);
        ParametriSequenza p;
        p.fine = tra(1, a->TotEstrazioni);
        p.inizio = tra(1, p.fine);
        for (bool& r : p.ruote) {
            r = tra(0, 4) == 0;
        }
        for (bool& q : p.posizioni) {
            q = tra(0, 3) > 0;
        }
        Confronta(*a, p, tra(0, 12));
    }
    const Archivio* reale = test::ArchivioReale();
    if (reale == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    Confronta(*reale, Parametri(1, reale->TotEstrazioni, test::TutteLeRuote), 0);
    auto p = Parametri(reale->TotEstrazioni - 359, reale->TotEstrazioni, test::SoloRuote({0}));
    p.posizioni = {true, false, true, false, false};
    Confronta(*reale, p, 7);
}

TEST(Ritardi, ConteggiSuEstrazioniScelte) {
    auto a = ArchivioPiatto(300);
    // Number 1 on Bari in draws 300 (the end), 299, 290 and 250.
    for (int i : {300, 299, 290, 250}) {
        Metti(*a, i, 0, {1, 2, 3, 4, 5});
    }
    a->CostruisciPresenze();
    const auto p = Parametri(201, 300, test::SoloRuote({0}));
    std::vector<SequenzaNumero> s = SequenzaPresenze(*a, p, 3);
    // K = 3: three delays, D back to the third appearance, counting it.
    EXPECT_EQ(s[0], (SequenzaNumero{1, 3, 8, 11, {0, 0, 8}}));
    s = SequenzaPeriodo(*a, p);
    EXPECT_EQ(s[0], (SequenzaNumero{1, 4, 39, 100, {0, 0, 8, 39}}));
    // Never found: P 0, D the whole walk.
    EXPECT_EQ(s[10], (SequenzaNumero{11, 0, 0, 100, {}}));
    EXPECT_EQ(SequenzaPresenze(*a, p, 0)[10].esaminate, 300);
    // No wheel: nothing is ever present.
    EXPECT_EQ(SequenzaPeriodo(*a, Parametri(201, 300, {}))[85].presenze, 0);

    const Tabella t = TabellaSequenze(s);
    ASSERT_EQ(t.righe.size(), 90u);
    EXPECT_EQ(t.Colonne(), 7 + 96); // number 86 is on Bari in every draw but four
    EXPECT_EQ(t.intestazioni[7], "1");
    EXPECT_EQ(t.intestazioni[8], "2");
    const auto& uno = t.righe[0];
    EXPECT_EQ(uno[3].testo, "25.0"); // 100 / 4
    EXPECT_EQ(uno[5].testo, "0.0");
    EXPECT_EQ(t.righe[10][3].testo, "");
    EXPECT_EQ(t.righe[10][5].testo, "");
    EXPECT_EQ(t.righe[85][3].testo, "1.0");
    // The longest delay on yellow; a current delay that reached it turns the number red.
    EXPECT_EQ(uno[10].stile.sfondo, (Colore{255, 255, 0}));
    EXPECT_FALSE(uno[9].stile.sfondo.has_value());
    EXPECT_FALSE(uno[0].stile.testo.has_value());
    EXPECT_EQ(t.righe[85][0].stile.testo, ColoreRosso);
    EXPECT_EQ(uno[7].stile.testo, ColoreRosso);
    EXPECT_TRUE(uno[2].stile.grassetto);
    EXPECT_EQ(uno[1].stile.sfondo, (Colore{192, 255, 192}));
    EXPECT_EQ(uno[6].stile.sfondo, (Colore{192, 255, 255}));
    EXPECT_EQ(uno[5].stile.sfondo, (Colore{255, 224, 192}));
    EXPECT_TRUE(uno[4].stile.centrato);
    // The summary columns fit their contents; the delay columns are narrow, the first wider.
    ASSERT_EQ(t.larghezze.size(), 103u);
    EXPECT_EQ(t.larghezze[3], 0);
    EXPECT_EQ(t.larghezze[6], 0);
    EXPECT_EQ(t.larghezze[7], 4);
    EXPECT_EQ(t.larghezze[8], 3);
}

TEST(Ritardi, AndamentiESomme) {
    SequenzaNumero s{1, 4, 9, 30, {5, 9, 9, 3}};
    Tabella t = TabellaSequenze({s});
    auto colorate = [&] {
        std::vector<int> c;
        for (std::size_t j = 6; j < t.righe[0].size(); ++j) {
            if (t.righe[0][j].stile.sfondo == ColoreVerdeChiaro) {
                c.push_back(static_cast<int>(j));
            }
        }
        return c;
    };
    EvidenziaAndamento(t, Andamento::Decrescenti);
    EXPECT_EQ(colorate(), std::vector<int>{7});
    EXPECT_EQ(t.righe[0][8].stile.sfondo, ColoreBianco); // the yellow mark is reset too
    EvidenziaAndamento(t, Andamento::Uguali);
    EXPECT_EQ(colorate(), std::vector<int>{8});
    EvidenziaAndamento(t, Andamento::Crescenti);
    EXPECT_EQ(colorate(), std::vector<int>{9});

    EXPECT_FALSE(SommaRitardi(t, 6));
    EXPECT_EQ(t.righe[0][6].testo, "");
    ASSERT_TRUE(SommaRitardi(t, 9));
    EXPECT_EQ(t.righe[0][6].testo, "23");
    EXPECT_EQ(t.righe[0][0].stile.sfondo, ColoreBottone);
    ASSERT_EQ(t.sfondiIntestazioni.size(), 11u);
    EXPECT_EQ(t.sfondiIntestazioni[9], ColoreArancio);
    EXPECT_FALSE(t.sfondiIntestazioni[8].has_value());
    EXPECT_FALSE(SommaRitardi(t, 11));

    EXPECT_EQ(InizioUltime(1000, 500), 501);
    EXPECT_EQ(InizioUltime(1000, 899), 102);
    EXPECT_EQ(InizioUltime(1000, 900), 0);
}

} // namespace
} // namespace strovel

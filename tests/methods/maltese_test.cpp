// The Maltese square's first tab: the square on the circle of 90, the cases and their play
// against the steps of their description, and the summary.

#include "core/archivio.h"
#include "methods/maltese/maltese.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace strovel {
namespace {

using test::ArchivioPiatto;
using test::Metti;

/// The cases walked as described: draw indices k read through the model list, the square's
/// operations written out with the modulo.
std::vector<std::array<int, 4>> Oracolo(const Archivio& a, const ParametriMaltese& p) {
    auto cerchio = [](int x) {
        const int r = ((x % 90) + 90) % 90;
        return r == 0 ? 90 : r;
    };
    std::vector<std::array<int, 4>> righe; // ambata, colpo, esito, in gioco
    for (int i = p.fine; i >= 2 && static_cast<int>(righe.size()) < p.casi; --i) {
        const int d1 = a.IndiceModello(i - 1), d2 = a.IndiceModello(i);
        const int a1 = a.Estratti(d1, p.ruota, 5), a3 = a.Estratti(d2, p.ruota, 1);
        const int c1 = a.Estratti(d2, p.ruota, 5);
        if (a.Estratti(d1, p.ruota, 1) == 0 || a3 == 0) {
            continue; // the wheel was not drawn: no case
        }
        const int b1 = cerchio(c1 + 90 - a1), a2 = cerchio(a1 + 90 - a3);
        const int c2 = cerchio(a2 * b1), b2 = cerchio(c2 + 90 - a2), b3 = cerchio(b1 + b2);
        const int ambata = cerchio(a3 + b3);
        std::array<int, 4> r{ambata, 0, 0, 0};
        for (int k = d1 + 1; k <= d1 + p.colpi; ++k) {
            if (k < a.NumEstrazioniAnalisi) {
                const int e = a.IndiceModello(k);
                bool uscito = false;
                for (int q = 1; q <= 5; ++q) {
                    uscito = uscito || a.Estratti(e, p.ruota, q) == ambata;
                }
                if (uscito) {
                    r[1] = k - d1;
                    r[2] = e;
                    break;
                }
            }
        }
        r[3] = r[1] == 0 && a.NumEstrazioniAnalisi - d1 < p.colpi ? 1 : 0;
        righe.push_back(r);
    }
    return righe;
}

void Confronta(const Archivio& a, const ParametriMaltese& p) {
    const auto casi = ElaboraMaltese(a, p);
    const auto attese = Oracolo(a, p);
    ASSERT_EQ(casi.size(), attese.size());
    for (std::size_t i = 0; i < casi.size(); ++i) {
        ASSERT_EQ((std::array{casi[i].quadrato[8], casi[i].colpo, casi[i].esito,
                              casi[i].inGioco ? 1 : 0}),
                  attese[i])
            << "caso " << i + 1;
    }
}

TEST(MalteseOracolo, ArchiviCasualiEReale) {
    const auto a = test::ArchivioCasuale(700, 13);
    std::mt19937 gen(13);
    auto tra = [&](int x, int y) { return std::uniform_int_distribution<int>(x, y)(gen); };
    for (int prova = 0; prova < 30; ++prova) {
        ParametriMaltese p;
        p.ruota = tra(0, 10);
        p.casi = 10 * tra(1, 50);
        p.colpi = tra(1, 30);
        p.fine = prova % 3 == 0 ? a->NumEstrazioniAnalisi - tra(0, 20) : tra(1, 700);
        SCOPED_TRACE(prova);
        Confronta(*a, p);
    }
    const Archivio* reale = test::ArchivioReale();
    if (reale == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    Confronta(*reale, {0, 500, 30, reale->NumEstrazioniAnalisi});
    Confronta(*reale, {10, 500, 1, reale->NumEstrazioniAnalisi - 3});
}

TEST(Maltese, QuadratoSulCerchio) {
    EXPECT_EQ(DifferenzaCerchio(10, 30), 70);
    EXPECT_EQ(DifferenzaCerchio(30, 10), 20);
    EXPECT_EQ(DifferenzaCerchio(40, 40), 90);
    EXPECT_EQ(ProdottoCerchio(90, 7), 90);
    EXPECT_EQ(SommaCerchio(45, 45), 90);
    EXPECT_EQ(CalcolaQuadrato(20, 35, 7), (Quadrato{20, 75, 35, 77, 30, 17, 7, 15, 52}));
    // A1 = A3: A2 = 90, C2 = 90.
    const Quadrato q = CalcolaQuadrato(40, 40, 3);
    EXPECT_EQ(q[1], 90);
    EXPECT_EQ(q[7], 90);
    const Tabella fgx = TabellaQuadrato(CalcolaQuadrato(20, 35, 7));
    ASSERT_EQ(fgx.righe.size(), 3u);
    EXPECT_EQ(fgx.righe[2][3].testo, "52");
    EXPECT_EQ(fgx.righe[0][0].testo, "A");
}

TEST(Maltese, CasiGiocoERiepilogo) {
    auto a = ArchivioPiatto(1000);
    // e = 1000, 100 cases: from draws 999-1000 back to 900-901.
    std::vector<CasoMaltese> casi = ElaboraMaltese(*a, {0, 100, 10, 1000});
    ASSERT_EQ(casi.size(), 100u);
    EXPECT_EQ(casi.front().prima, 999);
    EXPECT_EQ(casi.back().prima, 900);
    EXPECT_EQ(casi.back().seconda, 901);
    EXPECT_EQ(ElaboraMaltese(*a, {0, 100, 10, 50}).size(), 49u);

    // Bari holds 86..90: A1 = 90, A3 = 86, C1 = 90; B1 = 90, A2 = 4, C2 = 90, B2 = 86,
    // B3 = 86, C3 = 82, never drawn on Bari. With 82 on Bari in draw 905 the case of draws
    // 900-901 hits at colpo 5 and the case of draws 895-896 at colpo 10, its last.
    Metti(*a, 905, 0, {82, 87, 88, 89, 90});
    a->CostruisciPresenze();
    casi = ElaboraMaltese(*a, {0, 200, 10, 1000});
    EXPECT_EQ(casi[99].quadrato[8], 82);
    EXPECT_EQ(casi[99].colpo, 5);
    EXPECT_EQ(casi[99].esito, 905);
    EXPECT_EQ(casi[104].colpo, 10); // first draw 895
    EXPECT_EQ(casi[105].colpo, 0);
    // The last draw of the archive is never examined; the cases near it are in play.
    Metti(*a, 1000, 0, {82, 87, 88, 89, 90});
    a->CostruisciPresenze();
    casi = ElaboraMaltese(*a, {0, 10, 10, 1000});
    EXPECT_EQ(casi[0].colpo, 0);
    EXPECT_TRUE(casi[0].inGioco);
    EXPECT_TRUE(casi[8].inGioco);  // first draw 991: 1000 - 991 < 10
    EXPECT_FALSE(casi[9].inGioco); // first draw 990
    // Fewer colpi: the case of draws 900-901 no longer reaches draw 905.
    EXPECT_EQ(ElaboraMaltese(*a, {0, 200, 5, 1000})[99].colpo, 5);
    EXPECT_EQ(ElaboraMaltese(*a, {0, 200, 4, 1000})[99].colpo, 0);

    const RiepilogoEsiti r = RiassumiMaltese(ElaboraMaltese(*a, {0, 200, 10, 1000}));
    // 9 in play; first draws 895..903 reach 905 with ambata 82, 904-905 derives another ambata.
    EXPECT_EQ(r, (RiepilogoEsiti{200, 9, 182, 9}));
    EXPECT_EQ(RigheRiepilogo(r),
              (std::vector<std::string>{"  200 N° Casi   ", "    9 Positivi  ", "  182 Negativi  ",
                                        "    9 In gioco  "}));

    const Tabella t = TabellaMaltese(*a, 0, ElaboraMaltese(*a, {0, 200, 10, 1000}));
    ASSERT_EQ(t.Colonne(), 30);
    const auto& vinto = t.righe[99];
    EXPECT_EQ(vinto[28].testo, "5");
    EXPECT_EQ(vinto[29].testo, a->Data(905));
    EXPECT_EQ(vinto[0].stile.sfondo, ColoreSelezione);
    EXPECT_EQ(t.righe[0][0].stile.sfondo, ColoreArancio);
    EXPECT_FALSE(t.righe[150][0].stile.sfondo.has_value());
    EXPECT_EQ(vinto[27].testo, "82");
    EXPECT_EQ(vinto[27].stile.testo, ColoreRosso);
    EXPECT_EQ(vinto[13].testo, "");
    EXPECT_EQ(vinto[12].testo, "BA");
    EXPECT_NE(vinto[19].stile.sfondo, vinto[20].stile.sfondo);
    // The sources of A1, A3 and C1 on three distinct backgrounds, the other numbers plain.
    ASSERT_TRUE(vinto[9].stile.sfondo && vinto[14].stile.sfondo && vinto[18].stile.sfondo);
    EXPECT_NE(vinto[9].stile.sfondo, vinto[14].stile.sfondo);
    EXPECT_NE(vinto[14].stile.sfondo, vinto[18].stile.sfondo);
    EXPECT_NE(vinto[9].stile.sfondo, vinto[18].stile.sfondo);
    EXPECT_FALSE(vinto[8].stile.sfondo.has_value());
}

TEST(Maltese, ConfrontoColCaso) {
    // On random draws the ambate hit as often as chance says, each case weighed by the colpi
    // the archive holds for it: the last cases fewer, the very last none (never examined).
    const auto a = test::ArchivioCasuale(3000, 41);
    const ParametriMaltese p{2, 500, 12, a->NumEstrazioniAnalisi};
    std::vector<CasoMaltese> casi;
    for (int fine = p.fine; fine > 600; fine -= 500) {
        auto parte = ElaboraMaltese(*a, {2, 500, 12, fine});
        casi.insert(casi.end(), parte.begin(), parte.end());
    }
    EXPECT_EQ(casi[0].colpiGiocati, 0);
    EXPECT_EQ(casi[5].colpiGiocati, 5);
    EXPECT_EQ(casi[20].colpiGiocati, 12);
    const Confronto c = ConfrontaMaltese(casi);
    const RiepilogoEsiti r = RiassumiMaltese(casi);
    EXPECT_EQ(c.positivi, r.positivi);
    EXPECT_EQ(c.casi, r.casi);
    // Colpo 1 is the second draw, which gives A3 and C1: the ambata comes out there about one
    // time in ten (it equals C1 in about 7% of squares), not 5 in 90.
    const double primo = ProbabilitaPrimoColpo();
    EXPECT_NEAR(primo, 0.104, 0.005);
    int giocati = 0;
    int alPrimo = 0;
    for (const CasoMaltese& k : casi) {
        giocati += k.colpiGiocati > 0 ? 1 : 0;
        alPrimo += k.colpo == 1 ? 1 : 0;
    }
    EXPECT_EQ(NonIncassabili(casi), alPrimo);
    EXPECT_NEAR(alPrimo, giocati * primo, 3 * std::sqrt(giocati * primo * (1 - primo)));
    // A full play: colpo 1 with its own chance, then eleven random draws.
    const double atteso = 1 - (1 - primo) * std::pow(85.0 / 90, 11);
    EXPECT_NEAR(c.positivi, c.attesi, 3 * std::sqrt(c.attesi * (1 - atteso)));
    EXPECT_GT(c.coda, 0.001);
}

} // namespace
} // namespace strovel

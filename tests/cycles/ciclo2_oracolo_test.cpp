// The second cycle module's fast "RILEVA CICLI", "ELABORA" and "AMBI" against their line-by-line
// oracles, on random archives and on the real one.

#include "cycles/modulo2/ciclo2.h"
#include "cycles/modulo2/ciclo2_tabelle.h"
#include "tests/methods/metodi_aiuti.h"
#include "tests/oracoli/ciclo2_oracolo.h"
#include "tests/support/archivio_casuale.h"
#include "tests/support/supporto.h"

#include <gtest/gtest.h>

#include <random>

namespace strovel {
namespace {

oracolo::Griglia Testi(const Tabella& t) {
    oracolo::Griglia g{t.intestazioni};
    for (const auto& riga : t.righe) {
        std::vector<std::string> testi;
        for (const Cella& c : riga) {
            testi.push_back(c.testo);
        }
        g.push_back(testi);
    }
    return g;
}

/// Parameters drawn at random from the window's lists; wheels and positions at random too.
ParametriCiclo2 Casuali(std::mt19937& gen, int ultima) {
    auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    ParametriCiclo2 p;
    p.riferimento = tra(std::max(1, ultima - 300), ultima);
    p.cicli = tra(1, 100);
    p.durata = tra(1, 60);
    p.salto = tra(0, 18);
    p.colpi = tra(1, 60);
    for (bool& r : p.ruote) {
        r = tra(0, 2) > 0;
    }
    for (bool& q : p.posizioni) {
        q = tra(0, 3) > 0;
    }
    return p;
}

std::vector<InsiemePrevisione> InsiemiCasuali(std::mt19937& gen) {
    auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    std::vector<InsiemePrevisione> insiemi;
    const int quanti = tra(1, 4);
    for (int h = 0; h < quanti; ++h) {
        InsiemePrevisione s;
        s.riga = tra(1, 10);
        const int dimensione = tra(1, 10);
        while (static_cast<int>(s.numeri.size()) < dimensione) {
            const int n = tra(1, 90);
            if (std::find(s.numeri.begin(), s.numeri.end(), n) == s.numeri.end()) {
                s.numeri.push_back(n);
            }
        }
        s.t = tra(1, std::min(5, dimensione));
        insiemi.push_back(s);
    }
    return insiemi;
}

void Confronta(const Archivio& a, const ParametriCiclo2& p,
               const std::vector<InsiemePrevisione>& insiemi, const std::vector<int>& numeri) {
    const Rilevazione r = RilevaCicli(a, p);
    const oracolo::GriglieRilevazione atteso = oracolo::RilevaCicli2(a, p);
    ASSERT_EQ(Testi(TabellaCicli2(r)), atteso.fgCicli);
    ASSERT_EQ(Testi(TabellaDistribuzione(r)), atteso.fgMax);
    ASSERT_EQ(Testi(TabellaNumeri(RiepilogoNumeri(r))), atteso.fgB1);

    const VerificaInsiemi v = VerificaNeiCicli(a, r, insiemi);
    const oracolo::GriglieElabora elabora = oracolo::Elabora2(a, p, atteso.fgCicli, insiemi);
    ASSERT_EQ(Testi(TabellaVerificaInsiemi(a, v, insiemi)), elabora.fgAA);
    ASSERT_EQ(Testi(TabellaStatisticaInsiemi(v)), elabora.fgStat);

    // AMBI lists the ambi with a cycle, by CC; the oracle counts every ambo.
    std::vector<oracolo::AmboContato> contati = oracolo::AmbiCicli2(a, p, atteso.fgCicli, numeri);
    std::erase_if(contati, [](const auto& x) { return x.cc == 0; });
    std::stable_sort(contati.begin(), contati.end(),
                     [](const auto& x, const auto& y) { return x.cc > y.cc; });
    const std::vector<AmboCiclo> ambi = AmbiNeiCicli(a, r, numeri);
    ASSERT_EQ(ambi.size(), contati.size());
    for (std::size_t i = 0; i < ambi.size(); ++i) {
        ASSERT_EQ((std::array{ambi[i].n1, ambi[i].n2, ambi[i].cc, ambi[i].ne}),
                  (std::array{contati[i].n1, contati[i].n2, contati[i].cc, contati[i].ne}))
            << "riga " << i;
    }
}

TEST(Ciclo2Oracolo, ArchiviCasuali) {
    for (std::uint64_t seme : {1u, 2u, 3u, 4u}) {
        const auto a = test::ArchivioCasuale(700, seme);
        std::mt19937 gen(static_cast<unsigned>(seme));
        for (int prova = 0; prova < 12; ++prova) {
            SCOPED_TRACE("seme " + std::to_string(seme) + " prova " + std::to_string(prova));
            ParametriCiclo2 p = Casuali(gen, a->TotEstrazioni);
            // Some references sit near the start, so that the cycles run out before C.
            if (prova % 4 == 0) {
                p.riferimento = std::uniform_int_distribution<int>(1, 120)(gen);
            }
            std::vector<int> numeri;
            for (int n = 1 + prova % 4; n <= 90; n += 4 + prova % 3) {
                numeri.push_back(n);
            }
            Confronta(*a, p, InsiemiCasuali(gen), numeri);
        }
    }
}

TEST(Ciclo2Oracolo, AmbettiPrimoColpo) {
    // Every pair checked in every draw and wheel of each window, in order.
    const auto a = test::ArchivioCasuale(400, 9);
    ParametriCiclo2 p;
    p.riferimento = 390;
    p.cicli = 20;
    p.durata = 12;
    p.colpi = 15;
    p.ruote = {true, false, true, true};
    p.posizioni = {true, true, false, true, true};
    const Rilevazione r = RilevaCicli(*a, p);
    const std::vector<int> numeri = {1, 2, 17, 18, 45, 89, 90, 60};
    const std::vector<EsitoAmbetto> e = VerificaAmbetti(*a, r, numeri);
    std::size_t k = 0;
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        for (std::size_t j = i + 1; j < numeri.size(); ++j, ++k) {
            ASSERT_EQ(e[k].n1, numeri[i]);
            ASSERT_EQ(e[k].n2, numeri[j]);
            std::vector<std::array<int, 3>> attesi; // cycle, draw, wheel
            for (const CicloOsservato& c : r.cicli) {
                bool trovato = false;
                for (int d = c.inizio; d <= c.gioco && !trovato; ++d) {
                    for (int w = 0; w < 11 && !trovato; ++w) {
                        Insieme90 u;
                        for (int q = 1; q <= 5; ++q) {
                            if (p.ruote[static_cast<std::size_t>(w)] &&
                                p.posizioni[static_cast<std::size_t>(q - 1)]) {
                                u.Aggiungi(a->Estratti(d, w, q));
                            }
                        }
                        if (Ambetto(u, numeri[i], numeri[j])) {
                            attesi.push_back({c.numero, d, w});
                            trovato = true;
                        }
                    }
                }
            }
            ASSERT_EQ(e[k].esiti, static_cast<int>(attesi.size())) << numeri[i] << "-" << numeri[j];
            for (std::size_t x = 0; x < attesi.size(); ++x) {
                EXPECT_EQ((std::array{e[k].colpi[x].ciclo.numero, e[k].colpi[x].estrazione,
                                      e[k].colpi[x].ruota}),
                          attesi[x]);
            }
        }
    }
}

TEST(Ciclo2Oracolo, ArchivioReale) {
    const Archivio* a = test::ArchivioReale();
    if (a == nullptr) {
        GTEST_SKIP() << "cartella dei dati reali assente";
    }
    std::mt19937 gen(11);
    for (int prova = 0; prova < 4; ++prova) {
        ParametriCiclo2 p = Casuali(gen, a->TotEstrazioni);
        if (prova == 0) {
            p.cicli = 100;
            p.ruote = test::TutteLeRuote;
            p.posizioni = test::TutteLePosizioni;
            p.riferimento = a->TotEstrazioni;
        }
        std::vector<int> numeri;
        for (int n = 1 + prova; n <= 90; n += 3) {
            numeri.push_back(n);
        }
        Confronta(*a, p, InsiemiCasuali(gen), numeri);
    }
}

} // namespace
} // namespace strovel

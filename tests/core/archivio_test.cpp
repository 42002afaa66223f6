#include "core/archivio.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// An archive with the given dates and no numbers.
Archivio ConDate(const std::vector<std::string>& date) {
    Archivio a;
    for (std::size_t k = 0; k < date.size(); ++k) {
        a.DateEstrazioni[k + 1] = date[k];
    }
    a.TotEstrazioni = static_cast<std::int16_t>(date.size());
    return a;
}

TEST(Estratti, DisposizioneConIndiceDiEstrazionePiuVeloce) {
    EXPECT_EQ(TabellaEstratti::Posizione(0, 0, 1), 0u);
    EXPECT_EQ(TabellaEstratti::Posizione(1, 0, 1), 1u);
    EXPECT_EQ(TabellaEstratti::Posizione(0, 1, 1), 10000u);
    EXPECT_EQ(TabellaEstratti::Posizione(0, 0, 2), 110000u);
    EXPECT_EQ(TabellaEstratti::Posizione(9999, 10, 5), 549999u);
    Archivio a;
    EXPECT_EQ(a.Estratti.Dati().size(), 550000u);
    a.Estratti(42, 3, 2) = 77;
    EXPECT_EQ(a.Estratti.Dati()[42 + 10000 * (3 + 11 * 1)], 77);
}

TEST(Progressivi, MeseEAnnoRipartonoIndipendentemente) {
    Archivio a = ConDate({"26/01/2021", "28/01/2021", "30/01/2021", "02/02/2021", "04/02/2021",
                          "23/12/2021", "28/12/2021", "01/01/2022", "04/01/2022"});
    a.CalcolaProgressivi();
    const std::vector<int> mese = {1, 2, 3, 1, 2, 1, 2, 1, 2};
    for (std::size_t i = 1; i <= mese.size(); ++i) {
        EXPECT_EQ(a.ProgressivoMese[i], mese[i - 1]) << i;
    }
    EXPECT_EQ(a.ProgressivoAnno[7], 7);
    EXPECT_EQ(a.ProgressivoAnno[8], 1);
    EXPECT_EQ(a.ProgressivoAnno[9], 2);

    // January 2021 followed directly by January 2022: the month number does not change, so
    // the monthly counter goes on while the yearly one restarts.
    a = ConDate({"30/01/2021", "04/01/2022"});
    a.CalcolaProgressivi();
    EXPECT_EQ(a.ProgressivoMese[2], 2);
    EXPECT_EQ(a.ProgressivoAnno[2], 1);

    // A single draw.
    a = ConDate({"07/01/1939"});
    a.CalcolaProgressivi();
    a.ModelloIdentita();
    EXPECT_EQ(a.ProgressivoAnno[1], 1);
    EXPECT_EQ(a.ProgressivoMese[1], 1);
    EXPECT_EQ(a.NumIndiciModello, 1);
    EXPECT_EQ(a.IndiciModello[1], 1);
}

TEST(Modello, IdentitaEDaEstrazioneInizialeEntroLArchivio) {
    Archivio a;
    a.TotEstrazioni = 1000;
    a.ModelloIdentita();
    EXPECT_EQ(a.NumIndiciModello, 1000);
    EXPECT_EQ(a.IndiciModello[1], 1);
    EXPECT_EQ(a.IndiciModello[1000], 1000);

    ASSERT_TRUE(a.ModelloDaEstrazioneIniziale(100));
    EXPECT_EQ(a.NumIndiciModello, 901);
    EXPECT_EQ(a.IndiciModello.size(), 902u);
    EXPECT_EQ(a.IndiciModello[1], 100);
    EXPECT_EQ(a.IndiciModello[901], 1000);

    ASSERT_TRUE(a.ModelloDaEstrazioneIniziale(1));
    EXPECT_EQ(a.NumIndiciModello, 1000);
    EXPECT_EQ(a.IndiciModello[1000], 1000);

    ASSERT_TRUE(a.ModelloDaEstrazioneIniziale(1000));
    EXPECT_EQ(a.NumIndiciModello, 1);

    // A start outside the archive leaves the list as it was.
    a.ModelloIdentita();
    EXPECT_FALSE(a.ModelloDaEstrazioneIniziale(0));
    EXPECT_FALSE(a.ModelloDaEstrazioneIniziale(1001));
    EXPECT_EQ(a.NumIndiciModello, 1000);
    EXPECT_EQ(a.IndiciModello[1000], 1000);
}

TEST(Modello, PosizioniTenuteDentroLaLista) {
    Archivio a;
    EXPECT_EQ(a.IndiceModello(1), 0); // empty list
    a.TotEstrazioni = 1000;
    ASSERT_TRUE(a.ModelloDaEstrazioneIniziale(101));
    a.NumEstrazioniAnalisi = a.TotEstrazioni;
    // Positions past the 900 entries, which the analysis windows could otherwise offer,
    // show the last entry instead of reading past the list.
    EXPECT_EQ(a.IndiceModello(900), 1000);
    EXPECT_EQ(a.IndiceModello(a.NumEstrazioniAnalisi), 1000);
    EXPECT_EQ(a.IndiceModello(0), 101);
    EXPECT_EQ(a.IndiceModello(1), 101);
}

TEST(Presenze, MascheraDaiNumeriEstratti) {
    Archivio a;
    a.TotEstrazioni = 2;
    const int numeri[5] = {1, 64, 65, 90, 33};
    for (int p = 1; p <= 5; ++p) {
        a.Estratti(2, 4, p) = static_cast<std::int16_t>(numeri[p - 1]);
    }
    a.Estratti(1, 4, 1) = 5;
    a.CostruisciPresenze();
    for (int n : numeri) {
        EXPECT_TRUE(a.Presente(2, 4, n)) << n;
    }
    EXPECT_FALSE(a.Presente(2, 4, 2));
    EXPECT_FALSE(a.Presente(2, 3, 1));
    EXPECT_FALSE(a.Presente(2, 4, 5));
    EXPECT_TRUE(a.Presente(1, 4, 5));
    const auto m = a.Maschera(2, 4);
    EXPECT_EQ(__builtin_popcountll(m[0]) + __builtin_popcountll(m[1]), 5);
}

TEST(FinoA, LeEstrazioniSuccessiveSpariscono) {
    Archivio a = ConDate({"01/01/2020", "02/01/2020", "03/01/2020", "04/01/2020"});
    for (int i = 1; i <= 4; ++i) {
        for (int w = 0; w < 11; ++w) {
            for (int p = 1; p <= 5; ++p) {
                a.Estratti(i, w, p) = static_cast<std::int16_t>(10 * i + p);
            }
        }
    }
    a.NumEstrazioniAnalisi = 4;
    a.UltimaEstrazione = 4;
    a.ModelloIdentita();
    a.CostruisciPresenze();
    const Archivio b = a.FinoA(2);
    EXPECT_EQ(b.TotEstrazioni, 2);
    EXPECT_EQ(b.NumEstrazioniAnalisi, 2);
    EXPECT_EQ(b.UltimaEstrazione, 2);
    EXPECT_EQ(b.NumIndiciModello, 2);
    EXPECT_EQ(b.Estratti(2, 10, 5), 25);
    EXPECT_TRUE(b.Presente(2, 10, 25));
    // Nothing of draws 3 and 4 is left to read, neither numbers nor presences nor dates.
    EXPECT_EQ(b.Estratti(3, 0, 1), 0);
    EXPECT_EQ(b.Estratti(4, 10, 5), 0);
    EXPECT_FALSE(b.Presente(3, 0, 31));
    EXPECT_FALSE(b.Presente(4, 10, 45));
    EXPECT_EQ(b.DateEstrazioni[3], "");
    // A model list from draw 2 keeps its entries up to the reference.
    a.ModelloDaEstrazioneIniziale(2);
    EXPECT_EQ(a.FinoA(3).NumIndiciModello, 2);
    EXPECT_EQ(a.FinoA(3).IndiciModello[1], 2);
    // The original is untouched.
    EXPECT_EQ(a.TotEstrazioni, 4);
    EXPECT_TRUE(a.Presente(4, 10, 45));
}

} // namespace
} // namespace strovel

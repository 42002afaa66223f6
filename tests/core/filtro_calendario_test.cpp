// Draws chosen by weekday and month: reading the lists, the words of a caption, and the archive
// of the draws kept, numbered again.

#include "core/archivio.h"
#include "core/data_testo.h"
#include "core/filtro_calendario.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

TEST(FiltroCalendario, LetturaEDescrizione) {
    EXPECT_EQ(LeggiGiorni("sab"), (std::array<bool, 7>{false, false, false, false, false, true}));
    EXPECT_EQ(LeggiGiorni("Mar, GIO,sabato"),
              (std::array<bool, 7>{false, true, false, true, false, true}));
    EXPECT_EQ(LeggiGiorni("1-3,7"),
              (std::array<bool, 7>{true, true, true, false, false, false, true}));
    EXPECT_EQ(LeggiMesi("dic"), (std::array<bool, 12>{false, false, false, false, false, false,
                                                      false, false, false, false, false, true}));
    EXPECT_EQ(LeggiMesi("mar")->at(2), true); // for months "mar" is March
    EXPECT_EQ(LeggiMesi("11-12")->at(10), true);
    for (const char* sbagliato :
         {"", "xyz", "8", "0", "sab,", "3-1", "1-8", "sa", "lun-mer", "-3", "2-", "123", "1-2-3"}) {
        EXPECT_FALSE(LeggiGiorni(sbagliato)) << sbagliato;
    }
    EXPECT_FALSE(LeggiMesi("13"));
    EXPECT_FALSE(LeggiMesi("gennaioo"));
    EXPECT_EQ(LeggiGiorni("lunedi,Venerdì"), LeggiGiorni("lun,ven"));

    EXPECT_EQ(NomeGiorno(7), "domenica");
    EXPECT_EQ(NomeMese(12), "dicembre");
    for (const int fuori : {0, 13}) {
        EXPECT_EQ(NomeGiorno(fuori == 13 ? 8 : fuori), "");
        EXPECT_EQ(NomeMese(fuori), "");
    }

    FiltroCalendario f;
    EXPECT_FALSE(f.Attivo());
    EXPECT_EQ(DescriviFiltro(f), "");
    f.giorni = *LeggiGiorni("1-7"); // every day is no filter
    EXPECT_FALSE(f.Attivo());
    EXPECT_EQ(f.Normalizzato(), FiltroCalendario{});
    f.mesi = *LeggiMesi("gen,feb");
    EXPECT_TRUE(f.Attivo());
    EXPECT_EQ(DescriviFiltro(f), "gennaio, febbraio");
    f.giorni = *LeggiGiorni("mar,sab");
    EXPECT_EQ(DescriviFiltro(f), "martedì, sabato; gennaio, febbraio");
    // Saturday 7 January 2023 passes; Sunday 8 January, Saturday 4 March and a bad date do not.
    EXPECT_TRUE(f.Ammette("07/01/2023"));
    EXPECT_FALSE(f.Ammette("08/01/2023"));
    EXPECT_FALSE(f.Ammette("04/03/2023"));
    EXPECT_FALSE(f.Ammette("31/02/2023"));
    EXPECT_TRUE(FiltroCalendario{}.Ammette("31/02/2023"));
}

TEST(FiltroCalendario, ArchivioDelleEstrazioniTenute) {
    // Sixty days from Monday 2 January 2023; on every wheel the draw's own number i holds the
    // first place, so every kept draw can be traced back.
    Archivio a;
    const auto inizio = NumeroGiorno(Data{2, 1, 2023});
    for (int i = 1; i <= 60; ++i) {
        a.DateEstrazioni[static_cast<std::size_t>(i)] =
            TestoData(DataDaNumeroGiorno(inizio + i - 1));
        for (int r = 0; r < 11; ++r) {
            a.Estratti(i, r, 1) = static_cast<std::int16_t>(i);
            a.Estratti(i, r, 5) = static_cast<std::int16_t>(90 - r);
        }
    }
    a.TotEstrazioni = 60;
    a.UltimaEstrazione = 60;
    a.NumEstrazioniAnalisi = 50; // the analysis range ends on 20 February
    a.CalcolaProgressivi();
    a.ModelloDaEstrazioneIniziale(10);
    a.CostruisciPresenze();

    FiltroCalendario sabati;
    sabati.giorni[5] = true;
    const Archivio b = FiltraArchivio(a, sabati);
    // Saturdays: 7, 14, 21, 28 January, 4, 11, 18, 25 February: draws 6, 13, ..., 55.
    ASSERT_EQ(b.TotEstrazioni, 8);
    for (int k = 1; k <= 8; ++k) {
        const int i = 7 * k - 1;
        EXPECT_EQ(b.Estratti(k, 3, 1), i);
        EXPECT_TRUE(b.Presente(k, 3, i));
        EXPECT_EQ(b.DateEstrazioni[static_cast<std::size_t>(k)],
                  a.DateEstrazioni[static_cast<std::size_t>(i)]);
        // Counted again over the Saturdays: 1..4 in January, 1..4 in February, 1..8 in the year.
        EXPECT_EQ(b.ProgressivoMese[static_cast<std::size_t>(k)], (k - 1) % 4 + 1);
        EXPECT_EQ(b.ProgressivoAnno[static_cast<std::size_t>(k)], k);
    }
    EXPECT_EQ(b.Estratti(9, 3, 1), 0);
    EXPECT_EQ(b.UltimaEstrazione, 8);
    EXPECT_EQ(b.NumEstrazioniAnalisi, 7); // 18 February is the last Saturday of the range
    // The model list from draw 10: the Saturdays from 14 January.
    ASSERT_EQ(b.NumIndiciModello, 7);
    EXPECT_EQ(b.IndiciModello[1], 2);
    EXPECT_EQ(b.IndiciModello[7], 8);

    FiltroCalendario febbraio;
    febbraio.mesi[1] = true;
    febbraio.giorni[0] = febbraio.giorni[5] = true;
    const Archivio c = FiltraArchivio(a, febbraio);
    EXPECT_EQ(c.TotEstrazioni, 8); // Mondays and Saturdays of February 2023
    EXPECT_EQ(c.Data(1), "04/02/2023");
    EXPECT_EQ(FiltraArchivio(a, FiltroCalendario{}).TotEstrazioni, 60);
    // Decembers of two years: the month starts again with the year.
    Archivio d;
    const char* date[] = {"30/12/2022", "31/12/2022", "01/12/2023", "02/12/2023"};
    for (int i = 1; i <= 4; ++i) {
        d.DateEstrazioni[static_cast<std::size_t>(i)] = date[i - 1];
    }
    d.TotEstrazioni = 4;
    FiltroCalendario dicembre;
    dicembre.mesi[11] = true;
    const Archivio e = FiltraArchivio(d, dicembre);
    EXPECT_EQ(e.ProgressivoMese[2], 2);
    EXPECT_EQ(e.ProgressivoMese[3], 1);
    EXPECT_EQ(e.ProgressivoAnno[3], 1);
    FiltroCalendario agosto;
    agosto.mesi[7] = true;
    EXPECT_EQ(FiltraArchivio(a, agosto).TotEstrazioni, 0);
}

} // namespace
} // namespace strovel

#include "core/archivio.h"
#include "core/data_testo.h"
#include "core/intervallo.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// `n` draws on consecutive days from 01/12/2022, with the given model-list start.
Archivio Consecutive(int n, int estrazioneIniziale = 1) {
    Archivio a;
    const auto inizio = NumeroGiorno(Data{1, 12, 2022});
    for (int i = 1; i <= n; ++i) {
        a.DateEstrazioni[static_cast<std::size_t>(i)] =
            TestoData(DataDaNumeroGiorno(inizio + i - 1));
    }
    a.TotEstrazioni = static_cast<std::int16_t>(n);
    a.NumEstrazioniAnalisi = a.TotEstrazioni;
    a.CalcolaProgressivi();
    a.ModelloDaEstrazioneIniziale(estrazioneIniziale);
    return a;
}

TEST(IndiceDigitato, LimitiInclusiESoloNumeri) {
    EXPECT_FALSE(IndiceDigitato("19", 20, 1000));
    EXPECT_EQ(IndiceDigitato("20", 20, 1000), 20);
    EXPECT_EQ(IndiceDigitato(" 1000 ", 20, 1000), 1000);
    EXPECT_FALSE(IndiceDigitato("1001", 20, 1000));
    for (const char* t : {"abc", "", "  ", "12a", "1.5", "-", "99999999", "40000"}) {
        EXPECT_FALSE(IndiceDigitato(t, 1, 9999)) << t;
    }
    EXPECT_EQ(IndiceDigitato("+7", 1, 9999), 7);
    EXPECT_FALSE(IndiceDigitato("-7", 1, 9999));
}

TEST(CercaData, ConfrontoEsattoDelTesto) {
    const Archivio a = Consecutive(40);
    EXPECT_EQ(CercaPosizioneData(a, "22/12/2022", 40, LetturaPosizione::Modello), 22);
    EXPECT_FALSE(CercaPosizioneData(a, "22/12/22", 40, LetturaPosizione::Modello));
    EXPECT_FALSE(CercaPosizioneData(a, "22-12-2022", 40, LetturaPosizione::Modello));
    EXPECT_FALSE(CercaPosizioneData(a, "22/12/2022", 21, LetturaPosizione::Modello));
}

TEST(CercaData, ListaModelloCheNonParteDaUno) {
    const Archivio a = Consecutive(40, 11); // positions 1..30 hold draws 11..40
    // Model-list windows find the position of the draw in the list ...
    EXPECT_EQ(
        CercaPosizioneData(a, "22/12/2022", a.NumEstrazioniAnalisi, LetturaPosizione::Modello), 12);
    // ... range windows the draw index itself.
    EXPECT_EQ(
        CercaPosizioneData(a, "22/12/2022", a.NumEstrazioniAnalisi, LetturaPosizione::Estrazione),
        22);
    // A draw before the list's start is not a position of the list.
    EXPECT_FALSE(CercaPosizioneData(a, "05/12/2022", 40, LetturaPosizione::Modello));
    EXPECT_EQ(MassimoPosizioni(a), 30);
}

TEST(Etichette, PosizioneEDataDellEstrazione) {
    const Archivio a = Consecutive(40, 11);
    EXPECT_EQ(EtichettaPosizione(a, 12), "12 22/12/2022");
    EXPECT_EQ(EtichettaPosizione(a, 12, true), "12 12/12/2022");
    EXPECT_EQ(EtichettaPosizione(a, 12, false, true), "12 22/12/2022 PM:22");
    EXPECT_EQ(EtichettaPosizione(a, 35, true, true), "35 04/01/2023 PM:4");
    // Past the end of the model list the label shows its last draw, never beyond it.
    EXPECT_EQ(EtichettaPosizione(a, 40), "40 09/01/2023");
}

TEST(Intervallo, InizioEFineRestanoOrdinati) {
    int inizio = 50;
    int fine = 30;
    OrdinaIntervallo(inizio, fine, true);
    EXPECT_EQ(inizio, 30);
    EXPECT_EQ(fine, 30);
    inizio = 80;
    fine = 60;
    OrdinaIntervallo(inizio, fine, false);
    EXPECT_EQ(fine, 80);
    inizio = 10;
    fine = 60;
    OrdinaIntervallo(inizio, fine, true);
    EXPECT_EQ(inizio, 10);
    EXPECT_GE(fine - inizio + 1, 1);
}

} // namespace
} // namespace strovel

// The window of the ambo by sums and differences driven through its controls.

#include "core/archivio.h"
#include "methods/ambo_somme/ambo_somme.h"
#include "methods/ambo_somme/ambo_somme_finestra.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/ambo_somme/ambo_somme_tabelle.h"
#include "tests/gui/finestra_di_prova.h"
#include "ui/aiuto.h"
#include "ui/griglia_selezione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include <algorithm>

namespace strovel {
namespace {

class AmboSommeFinestra : public test::FinestraDiProva<FinestraAmboSomme> {
protected:
    AmboSommeFinestra() : FinestraDiProva(900, 21) {}
    QCheckBox* Casella(const char* nome) {
        return test::Trova<QCheckBox>(w.get(), QString::fromLatin1(nome));
    }
    GrigliaSelezione* Griglia(const char* nome) {
        return test::Trova<GrigliaSelezione>(w.get(), QString::fromLatin1(nome));
    }
    /// What the computation gives for the controls as they stand.
    /// `caso`, when given, gets what chance gives the same plays.
    Tabella Attesa(VersioneAmbo v, std::string* caso = nullptr) {
        const FiltroAmbo f = FiltroEffettivo(w->LeggiFiltro(), v);
        const OpzioniGiocoAmbo o = w->LeggiOpzioni(v);
        const auto casi = CercaAmbi(*archivio, f, 900 - 500, 900);
        std::vector<EsitoAmbo> esiti;
        for (const CasoAmbo& c : casi) {
            esiti.push_back(GiocaAmbo(*archivio, c, o));
        }
        if (caso != nullptr) {
            *caso = casi.empty() ? "" : TestoConfronto(ConfrontaAmbi(casi, esiti, o));
        }
        return TabellaCasiSomme(*archivio, casi, esiti, o, Casella("ChTuttiNumeri")->isChecked());
    }
    void Confronta(const Tabella& t) {
        EXPECT_EQ(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("Fg1"))->Dati().Tsv(),
                  t.Tsv());
    }
};

TEST_F(AmboSommeFinestra, ApreCercaEGioca) {
    // At opening: every wheel, position and class allowed, "Tutte" the only relation, colpi 9,
    // no case limit, the last 500 draws.
    FiltroAmbo f = w->LeggiFiltro();
    const FiltroAmbo tutto = FiltroAmbo::Tutto();
    EXPECT_EQ(f.ruote, tutto.ruote);
    EXPECT_EQ(f.somme, tutto.somme);
    EXPECT_EQ(f.differenze, tutto.differenze);
    EXPECT_EQ(f.figure, tutto.figure);
    EXPECT_EQ(f.relazioni, (std::array<bool, 7>{true}));
    EXPECT_EQ(f.massimoCasi, LimiteCasiAmbo);
    EXPECT_EQ(w->LeggiOpzioni(VersioneAmbo::Versione1).colpi, 9);
    EXPECT_EQ(test::Trova<QComboBox>(w.get(), QStringLiteral("ComboNC"))->currentText(),
              QStringLiteral("20"));

    Clicca("Command3");
    std::string caso1;
    Confronta(Attesa(VersioneAmbo::Versione1, &caso1));
    EXPECT_FALSE(caso1.empty());
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblCaso")).toStdString(), caso1);
    ASSERT_EQ(Righe("FgX"), 7);
    EXPECT_EQ(Cella("FgX", 2, 0), QStringLiteral("Ambi in 3"));
    int positivi = 0;
    for (int r = 0; r < Righe("Fg1"); ++r) {
        positivi += Cella("Fg1", r, ColonnaColpoSomme).isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(Cella("FgX", 4, 1).toInt(), positivi);

    // The classes, the orders and the options reach the search and the play.
    Griglia("FgS")->Commuta(44);     // sum 45 no more
    Griglia("FgF")->Commuta(20 + 9); // digital root 9 no more
    Griglia("FgF")->Commuta(3);      // decade 3 no more
    Griglia("FgF")->Commuta(10 + 5); // last digit 5 no more
    Griglia("FgD")->Deseleziona();
    Griglia("FgD")->ImpostaVoce(9, true); // difference 10 only
    Casella("Ch_NC")->setChecked(true);
    Casella("ChAmbata")->setChecked(false);
    Casella("ChAmbiTutte")->setChecked(true);
    Casella("ChTuttiNumeri")->setChecked(false);
    test::Trova<QGroupBox>(w.get(), QStringLiteral("FrameIsotopia"))->setChecked(true);
    f = w->LeggiFiltro();
    EXPECT_FALSE(f.somme[45]);
    EXPECT_FALSE(f.figure[9]);
    EXPECT_EQ(std::count(f.decine.begin(), f.decine.end(), false), 1);
    EXPECT_FALSE(f.decine[3]);
    EXPECT_EQ(std::count(f.cadenze.begin(), f.cadenze.end(), false), 1);
    EXPECT_FALSE(f.cadenze[5]);
    EXPECT_FALSE(f.adiacenti1 || f.adiacenti2 || f.distanzaMaggiore || f.distanzaMinore);
    EXPECT_TRUE(f.differenze[10]);
    EXPECT_FALSE(f.differenze[11]);
    EXPECT_EQ(f.ordineR1, Ordine::Crescenti);
    EXPECT_TRUE(f.isotopia);
    Clicca("Command5");
    std::string caso;
    Attesa(VersioneAmbo::Versione2, &caso);
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblCaso")).toStdString(), caso);
    EXPECT_EQ(Righe("FgX"), 8);
    EXPECT_EQ(Cella("FgX", 4, 0), QStringLiteral("Quaterne"));
    Casella("ChPosAdi")->setChecked(true);
    Casella("ChPosAdi2")->setChecked(true);
    Casella("ChDistMagg")->setChecked(true);
    f = w->LeggiFiltro();
    EXPECT_TRUE(f.adiacenti1 && f.adiacenti2 && f.distanzaMaggiore);
    EXPECT_FALSE(f.distanzaMinore);
    // The two orders of a wheel exclude each other.
    Casella("Ch_Nd")->setChecked(true);
    EXPECT_FALSE(Casella("Ch_NC")->isChecked());
    EXPECT_EQ(w->LeggiFiltro().ordineR1, Ordine::Decrescenti);
}

TEST_F(AmboSommeFinestra, IntervalloRelazioniEAvviso) {
    Casella("Ch_Intervallo")->setChecked(true);
    test::Trova<QComboBox>(w.get(), QStringLiteral("ComboNC"))->setCurrentIndex(4);
    Clicca("Command7");
    EXPECT_EQ(Righe("Fg1"), 5);
    EXPECT_EQ(w->LeggiFiltro().massimoCasi, 5);

    Casella("Ch_RuoteTipo0")->setChecked(false);
    Casella("Ch_RuoteTipo1")->setChecked(true); // Gemelle
    Casella("ChBaVe")->setChecked(true);
    Casella("Ch_Intervallo")->setChecked(false);
    const FiltroAmbo f = w->LeggiFiltro();
    EXPECT_EQ(f.relazioni, (std::array<bool, 7>{false, true}));
    EXPECT_TRUE(f.baVeAdiacenti);
    Clicca("Command11");
    Confronta(Attesa(VersioneAmbo::Ver2Old));
    for (int r = 0; r < Righe("Fg1"); ++r) {
        const int r1 = Cella("Fg1", r, 7).toInt(), r2 = Cella("Fg1", r, 16).toInt();
        EXPECT_TRUE(InRelazione(RelazioneRuote::Gemelle, r1, r2, false)) << r1 << " " << r2;
    }

    // Exact position with opposite orders: the notice, and the grids stay as they were.
    const int prima = Righe("Fg1");
    Casella("Ch_PE")->setChecked(true);
    Casella("Ch_NC")->setChecked(true);
    Casella("Ch_X2")->setChecked(true);
    Clicca("Command3");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi().back().titolo, QStringLiteral("Avviso"));
    EXPECT_EQ(UltimoMessaggio(), QString::fromUtf8(MessaggioIncoerente));
    EXPECT_EQ(Righe("Fg1"), prima);
    EXPECT_EQ(Righe("FgX"), 8);

    // Out of sample: the version run last (VER 2 old) on the cases after the draw given.
    Casella("Ch_PE")->setChecked(false);
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("700"));
    Clicca("CmdFuoriCampione");
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    {
        const FiltroAmbo g = FiltroEffettivo(w->LeggiFiltro(), VersioneAmbo::Ver2Old);
        const OpzioniGiocoAmbo o = w->LeggiOpzioni(VersioneAmbo::Ver2Old);
        const auto casi = CercaAmbi(*archivio, g, 701, 900);
        std::vector<EsitoAmbo> esiti;
        for (const CasoAmbo& c : casi) {
            esiti.push_back(GiocaAmbo(*archivio, c, o));
        }
        const RiepilogoAmbo r = RiassumiAmbo(esiti);
        EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
                  TestoVerificaDopo(700, r, ConfrontaAmbi(casi, esiti, o)));
    }

    Clicca("Command31");
    EXPECT_EQ(test::ArgomentoAiutoAperto(), 470);
    FinestraAiuto::Apri(470)->close();
}

} // namespace
} // namespace strovel

#include "core/archivio.h"
#include "core/data_testo.h"
#include "tests/gui/aiuti.h"
#include "ui/dialoghi.h"
#include "ui/selettore_intervallo.h"

#include <QLabel>
#include <QScrollBar>

namespace strovel {
namespace {

using Tipo = DialoghiScriptati::Tipo;

/// 1,000 draws on consecutive days ending on 22/12/2022 at draw 990.
std::unique_ptr<Archivio> Archivio1000(int estrazioneIniziale = 1) {
    auto a = std::make_unique<Archivio>();
    const auto inizio = NumeroGiorno(Data{22, 12, 2022}) - 989;
    for (int i = 1; i <= 1000; ++i) {
        a->DateEstrazioni[static_cast<std::size_t>(i)] =
            TestoData(DataDaNumeroGiorno(inizio + i - 1));
    }
    a->TotEstrazioni = 1000;
    a->NumEstrazioniAnalisi = 1000;
    a->CalcolaProgressivi();
    a->ModelloDaEstrazioneIniziale(estrazioneIniziale);
    return a;
}

class SelettoreModello : public ::testing::Test {
protected:
    std::unique_ptr<Archivio> archivio = Archivio1000();
    DialoghiScriptati dialoghi;
    std::unique_ptr<SelettoreIntervallo> s;
    void SetUp() override {
        s = std::make_unique<SelettoreIntervallo>(*archivio, dialoghi,
                                                  ConfigurazioneModello(QStringLiteral("Label3")));
    }
    void Digita(const char* risposta) {
        dialoghi.Rispondi(QString::fromUtf8(risposta));
        test::Clicca(s.get(), QStringLiteral("Command61"));
    }
    void CercaData(const char* risposta) {
        dialoghi.Rispondi(QString::fromUtf8(risposta));
        test::Clicca(s.get(), QStringLiteral("Command62"));
    }
};

TEST_F(SelettoreModello, PosizioneInizialeEdEtichetta) {
    auto* barra = test::Trova<QScrollBar>(s.get(), QStringLiteral("Hs2"));
    EXPECT_EQ(barra->maximum(), 1000);
    EXPECT_EQ(s->Fine(), 1000);
    EXPECT_EQ(test::Trova<QLabel>(s.get(), QStringLiteral("Label3"))->text(),
              QStringLiteral("1000 01/01/2023"));
    barra->setValue(990);
    EXPECT_EQ(s->Fine(), 990);
    EXPECT_EQ(s->EtichettaFine()->text(), QStringLiteral("990 22/12/2022"));
}

TEST_F(SelettoreModello, IndiceDigitato) {
    Digita("19");
    EXPECT_EQ(s->Fine(), 1000);
    Digita("20");
    EXPECT_EQ(s->Fine(), 20);
    Digita("1001");
    EXPECT_EQ(s->Fine(), 20);
    Digita("abc");
    EXPECT_EQ(s->Fine(), 20);
    Digita("1000");
    EXPECT_EQ(s->Fine(), 1000);
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    const auto& input = dialoghi.Mostrati().front();
    EXPECT_EQ(input.tipo, Tipo::Input);
    EXPECT_EQ(input.titolo, QStringLiteral("Scelta estrazione"));
    EXPECT_EQ(input.testo, QStringLiteral("Inserire il n° indice dell'archivio modello."));
    // Cancel does nothing either.
    test::Clicca(s.get(), QStringLiteral("Command61"));
    EXPECT_EQ(s->Fine(), 1000);
}

TEST_F(SelettoreModello, RicercaPerData) {
    CercaData("22/12/2022");
    EXPECT_EQ(s->Fine(), 990);
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    EXPECT_EQ(dialoghi.Mostrati().front().titolo, QStringLiteral("Ricerca per data GG/MM/AAAA"));
    EXPECT_EQ(dialoghi.Mostrati().front().testo, QStringLiteral("Data ?"));
    for (const char* sbagliata : {"22/12/22", "22-12-2022"}) {
        dialoghi.Azzera();
        CercaData(sbagliata);
        EXPECT_EQ(s->Fine(), 990);
        ASSERT_EQ(dialoghi.Messaggi().size(), 1u) << sbagliata;
        EXPECT_EQ(dialoghi.Messaggi()[0].testo, QStringLiteral("Data non trovata"));
        EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Cerca data"));
        EXPECT_EQ(dialoghi.Messaggi()[0].icona, Icona::Informazione);
    }
}

TEST(SelettoreModelloRidotto, PosizioniEntroLaListaModello) {
    auto archivio = Archivio1000(101);
    DialoghiScriptati dialoghi;
    SelettoreIntervallo s(*archivio, dialoghi, ConfigurazioneModello(QStringLiteral("Label3")));
    EXPECT_EQ(s.BarraFine()->maximum(), 900);
    EXPECT_EQ(s.Fine(), 900);
    EXPECT_EQ(s.EtichettaFine()->text(), QStringLiteral("900 01/01/2023"));
    dialoghi.Rispondi(QStringLiteral("950"));
    s.ScegliIndiceFine();
    EXPECT_EQ(s.Fine(), 900);
    dialoghi.Rispondi(QStringLiteral("22/12/2022"));
    s.CercaDataFine();
    EXPECT_EQ(s.Fine(), 890);
}

ConfigurazioneIntervallo ConfigurazioneRitardi() {
    return ConfigurazionePer(FinestraIntervallo::SequenzeRitardi, QStringLiteral("LblFine"),
                             QStringLiteral("LblInizio"));
}

TEST(SelettoreIntervalli, InizioEFineOrdinati) {
    auto archivio = Archivio1000();
    DialoghiScriptati dialoghi;
    SelettoreIntervallo s(*archivio, dialoghi, ConfigurazioneRitardi());
    EXPECT_EQ(s.Fine(), 1000);
    EXPECT_EQ(s.Inizio(), 641); // the last 360 draws
    dialoghi.Rispondi(QStringLiteral("1"));
    test::Clicca(&s, QStringLiteral("Command61"));
    EXPECT_EQ(s.Inizio(), 1);
    EXPECT_EQ(s.Fine() - s.Inizio() + 1, 1000);
    // Dragging the end below the start pulls the start down with it.
    s.ImpostaInizio(500);
    s.BarraFine()->setValue(300);
    EXPECT_EQ(s.Fine(), 300);
    EXPECT_EQ(s.Inizio(), 300);
    // Moving the start above the end pushes the end up.
    s.BarraInizio()->setValue(700);
    EXPECT_EQ(s.Fine(), 700);
    EXPECT_GE(s.Fine() - s.Inizio() + 1, 1);
    // Range windows search with no title of their own.
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("22/12/2022"));
    test::Clicca(&s, QStringLiteral("Command10"));
    EXPECT_EQ(s.Fine(), 990);
    EXPECT_TRUE(dialoghi.Mostrati().front().titolo.isEmpty());
}

TEST(SelettoreIntervalli, EtichetteConProgressivoMese) {
    auto archivio = Archivio1000();
    DialoghiScriptati dialoghi;
    SelettoreIntervallo s(*archivio, dialoghi,
                          ConfigurazionePer(FinestraIntervallo::AmboSomme,
                                            QStringLiteral("LblFine"),
                                            QStringLiteral("LblInizio")));
    EXPECT_EQ(s.EtichettaFine()->text(), QStringLiteral("1000 01/01/2023 PM:1"));
    EXPECT_EQ(s.Inizio(), 500);
    EXPECT_EQ(s.EtichettaInizio()->text(), QStringLiteral("500 19/08/2021 PM:19"));
}

TEST(SelettoreIntervalli, IndiciAccettatiPerFinestra) {
    auto archivio = Archivio1000();
    DialoghiScriptati dialoghi;
    // The small draw list accepts typed indices from 1, the Maltese square from 20.
    SelettoreIntervallo mini(
        *archivio, dialoghi,
        ConfigurazionePer(FinestraIntervallo::MiniElenco, QStringLiteral("L")));
    dialoghi.Rispondi(QStringLiteral("1"));
    mini.ScegliIndiceFine();
    EXPECT_EQ(mini.Fine(), 1);
    SelettoreIntervallo maltese(
        *archivio, dialoghi,
        ConfigurazionePer(FinestraIntervallo::QuadratoMaltese, QStringLiteral("L")));
    dialoghi.Rispondi(QStringLiteral("1"));
    maltese.ScegliIndiceFine();
    EXPECT_EQ(maltese.Fine(), 1000);
    EXPECT_NE(maltese.findChild<QScrollBar*>(QStringLiteral("hs1")), nullptr);
    // The dynamic ambata: one end bar, typed indices from 1 up to the last draw.
    SelettoreIntervallo ambata(
        *archivio, dialoghi,
        ConfigurazionePer(FinestraIntervallo::AmbataDinamica, QStringLiteral("L")));
    EXPECT_EQ(ambata.BarraInizio(), nullptr);
    dialoghi.Rispondi(QStringLiteral("5"));
    test::Clicca(&ambata, QStringLiteral("Command8"));
    EXPECT_EQ(ambata.Fine(), 5);
}

} // namespace
} // namespace strovel

// The method commands' options: what the window offers, nothing else, with Italian messages.

#include "tests/cli/cli_aiuti.h"

namespace strovel {
namespace {

using test::Cli;
using test::Esito;

class MetodiCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cartella_ = new QTemporaryDir();
        test::CreaDemo(Archivio(), 300);
    }
    static void TearDownTestSuite() { delete cartella_; }
    static QString Archivio() { return cartella_->filePath(QStringLiteral("demo.mdb")); }
    static Esito Esegui(const QString& comando, QStringList argomenti) {
        return Cli(QStringList{comando, Archivio()} + argomenti);
    }
    static QTemporaryDir* cartella_;
};
QTemporaryDir* MetodiCli::cartella_ = nullptr;

TEST_F(MetodiCli, OpzioniRifiutate) {
    const std::pair<const char*, const char*> sbagliati[] = {
        {"ambata-dinamica", ""}, // no spy
        {"ambata-dinamica", "--spia 0"},
        {"ambata-dinamica", "--spia 91"},
        {"ambata-dinamica", "--spia 5 --gioco BA,XY"},
        {"ambata-dinamica", "--spia 5 --riferimenti XX7"},
        {"ambata-dinamica", "--spia 5 --riferimenti BA6"},
        {"ambata-dinamica", "--spia 5 --riferimenti BA1,CA1,FI1,GE1,MI1,NA1"},
        {"ambata-dinamica", "--spia 5 --migliori 2"}, // one reference row only
        {"ambata-dinamica", "--spia 5 --riepilogo --migliori 1"},
        {"ambata-dinamica", "--spia 5 --colpi 21"},
        {"ambata-dinamica", "--spia 5 --presenze 101"},
        {"ambata-dinamica", "--spia 5 --atteso"},
        {"ambata-dinamica", "--spia 5 --fuori-campione 301"},
        {"ambata-dinamica", "--spia 5 --fuori-campione 200 --riepilogo"},
        {"ambata-dinamica", "--spia 5 --progressiva 200 --riepilogo"},
        {"ambata-dinamica", "--spia 5 --progressiva 200 --fuori-campione 200"},
        {"cinquina-spiona", "--progressiva 200:0"},
        {"cinquina-spiona", "--progressiva 301"},
        {"cicli2", "--progressiva 0"},
        {"cicli2", "--progressiva 100:2:3"},
        {"cicli-ambi", "--numeri 1,2 --progressiva x"},
        {"cicli", "--progressiva 100 --atteso"},
        {"cinquina-spiona", "--posizioni 1,6"},
        {"cinquina-spiona", "--verifica 91"},
        {"cinquina-spiona", "--fine 301"},
        {"cinquina-spiona", "--casi --compagni 3"},
        {"cinquina-spiona", "--casi --atteso"},
        {"cinquina-spiona", "--fuori-campione 301"},
        {"cicli2", "--griglia ambi"},
        {"cicli2", "--cicli 101"},
        {"cicli2", "--colpi 61"},
        {"cicli2", "--salto 19"},
        {"cicli2", "--posizioni 0"},
        {"cicli2", "--ruote BA,XX"},
        {"cicli2", "--riferimento 301"},
        {"cicli2", "--considera 5"}, // not a choice of RILEVA
        {"cicli2", "--mesi 13"},
        {"cicli2", "--mesi mar-mag"},
        {"cicli2", "--giorni dom"}, // the demo draws on Tuesday, Thursday, Saturday
        {"cicli2", "--atteso"},     // the cycle grid has no ranking
        {"cicli2", "--griglia numeri --atteso --fuori-campione 200"},
        {"cicli2", "--fuori-campione 0"},
        {"cicli-ambi", ""},
        {"cicli-ambi", "--numeri 7"},
        {"cicli-ambi", "--numeri 7,7"},
        {"cicli-ambi", "--numeri 7,91"},
        {"cicli-ambi", "--numeri 1,2 --griglia x"},
        {"cicli-ambi", "--numeri 1,2 --cicli 0"},
        {"cicli-ambi", "--numeri 1,2 --durata 61"},
        {"cicli-ambi", "--numeri 1,2 --salto 1"},
        {"cicli-ambi", "--numeri 1,2 --griglia cicli --atteso"},
        {"cicli-ambi", "--numeri 1,2 --fuori-campione 301"},
        {"cicli-ambi", "--numeri 5 --fuori-campione 200"},
        {"ritardi", ""}, // neither PRESENZE nor PERIODO
        {"ritardi", "--periodo --presenze 3"},
        {"ritardi", "--periodo --fine 301"},
        {"ritardi", "--periodo --fine 200 --inizio 201"},
        {"ritardi", "--periodo --ruote XX"},
        {"ritardi", "--periodo --posizioni 6"},
        {"ritardi", "--presenze -1"},
        {"ritardi", "--periodo --giorni xyz"},
        {"maltese", "--ruota BA,CA"},
        {"maltese", "--ruota TU"},
        {"maltese", "--casi 15"},
        {"maltese", "--colpi 31"},
        {"maltese", "--fine 301"},
        {"maltese", "--cinquina 4"},
        {"maltese", "--cifre 100"},
        {"maltese", "--cinquina 1 --cifre 5"},
        {"maltese", "--decimali-fissi"}, // a choice of the cinquina tabs only
        {"maltese", "--cinquina 1 --decimali --riepilogo"},
        {"cicli-ambi", "--numeri 1,2 --griglia gruppi2"}, // one ambo, no group
        {"cinquina-spiona", "--posizioni ,"},
        {"ambo-somme", "--ruote ,"},
        {"maltese", "--atteso"},
        {"maltese", "--fuori-campione 0"},
        {"cicli", "--atteso --fuori-campione 200"},
        {"cicli", "--fuori-campione 301"},
        {"info", "--giorni sab"},   // the archive is not filtered
        {"ambo-somme", "--atteso"}, // a summary's rows, not a grid's
        {"ambo-somme", "--fuori-campione 301"},
        {"ambo-somme", "--somme 0"},
        {"ambo-somme", "--differenze 1,91"},
        {"ambo-somme", "--somme 50-40"},
        {"ambo-somme", "--somme 1-2-3"},
        {"ambo-somme", "--decine 10"},
        {"ambo-somme", "--figure x"},
        {"ambo-somme", "--r1 su"},
        {"ambo-somme", "--relazioni gemelli"},
        {"ambo-somme", "--versione 3"},
        {"ambo-somme", "--colpi 61"},
        {"ambo-somme", "--casi 0"},
        {"ambo-somme", "--fine 301"},
        {"ambo-somme", "--ruote BA,XX"},
    };
    const auto prova = [](const QString& comando, const QStringList& argomenti) {
        const Esito e = Esegui(comando, argomenti);
        EXPECT_NE(e.codice, 0) << argomenti.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(e.uscita.isEmpty()) << argomenti.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(e.errori.isEmpty());
    };
    for (const auto& [comando, argomenti] : sbagliati) {
        prova(QString::fromLatin1(comando), test::Parole(argomenti));
    }
    prova(QStringLiteral("ritardi"),
          {QStringLiteral("--periodo"), QStringLiteral("--giorni"), QString()});
    EXPECT_TRUE(
        Esegui(QStringLiteral("ambata-dinamica"), test::Parole("--spia 5 --riferimenti XX7"))
            .errori.contains(QStringLiteral("Riferimento non valido")));
    // Exact position with opposite orders: the notice on stderr, no grid.
    const Esito incoerente =
        Esegui(QStringLiteral("ambo-somme"),
               test::Parole("--posizione-esatta --r1 decrescenti --r2 crescenti"));
    EXPECT_EQ(incoerente.codice, 1);
    EXPECT_TRUE(incoerente.uscita.isEmpty());
    EXPECT_EQ(incoerente.errori.trimmed(),
              QStringLiteral("Attenzione: i check Posizione esatta e numeri crescenti o "
                             "descescenti R1 e R2 sono settati erroneamente."));
    // Usage errors say what is wrong, with code 2.
    const struct {
        const char* comando;
        const char* argomenti;
        const char* messaggio;
    } uso[] = {
        {"ambata-dinamica", "", "Manca l'opzione obbligatoria --spia.\nUso:"},
        {"maltese", "--cinquina 1 --cifre 5", "Valore non valido per --cifre: 5 (da 6 a 99)."},
        {"maltese", "--terno", "--terno si usa con --cinquina 1, 2 o 3."},
        {"cicli-ambi", "--numeri 1,2 --griglia gruppi3", "vuole almeno 3 numeri in --numeri."},
        {"cicli2", "--ruote ,", "Nessuna ruota in --ruote"},
    };
    for (const auto& u : uso) {
        const Esito e = Esegui(QString::fromLatin1(u.comando), test::Parole(u.argomenti));
        EXPECT_EQ(e.codice, 2) << u.argomenti;
        EXPECT_TRUE(e.errori.contains(QString::fromUtf8(u.messaggio))) << e.errori.toStdString();
    }
    const Esito uno = Esegui(QStringLiteral("cicli-ambi"), test::Parole("--numeri 7"));
    EXPECT_EQ(uno.codice, 1);
    EXPECT_EQ(uno.errori, QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri.\n"));
}

TEST_F(MetodiCli, RiepilogoSenzaCasi) {
    // No position selected can give no case: the counts are 0, no percentage, the message.
    const Esito e = Esegui(QStringLiteral("ambata-dinamica"),
                           test::Parole("--spia 5 --rilevazione BA --fine 1 --riepilogo"));
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.uscita, QStringLiteral("\tVal\tPercentuale\nN° Casi\t0\t\nPositivi\t0\t\n"
                                       "Negativi\t0\t\nIn gioco\t0\t\n"));
    EXPECT_EQ(e.errori.trimmed(),
              QStringLiteral("Nessun caso: il numero spia 5 non è mai uscito sulle ruote di "
                             "rilevazione e nelle posizioni scelte fino all'estrazione 1."));
}

TEST_F(MetodiCli, GruppiSoloQuelliCheCiSono) {
    // Three numbers, three ambi: three pairs and one triple, no blank rows after them.
    for (const auto& [griglia, righe] : {std::pair{"gruppi2", 4}, std::pair{"gruppi3", 2}}) {
        const Esito e =
            Esegui(QStringLiteral("cicli-ambi"), test::Parole("--numeri 1,2,3 --griglia")
                                                     << QString::fromLatin1(griglia));
        EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
        EXPECT_EQ(e.uscita.count(QLatin1Char('\n')), righe) << griglia;
    }
}

TEST_F(MetodiCli, FuoriCampioneAllUltimaEstrazione) {
    // No draw after the last: no choice, no summary, no chance row, the reason in words.
    for (const auto& [comando, opzioni] :
         {std::pair{"cinquina-spiona", "--presenze 40"}, std::pair{"maltese", ""},
          std::pair{"ambo-somme", ""}, std::pair{"cicli2", ""}}) {
        const Esito e = Esegui(QString::fromLatin1(comando),
                               test::Parole(opzioni) + test::Parole("--fuori-campione 300"));
        EXPECT_EQ(e.codice, 1) << comando;
        EXPECT_TRUE(e.uscita.isEmpty()) << comando;
        EXPECT_EQ(e.errori,
                  QStringLiteral("Nessun caso dopo l'estrazione 300: niente da verificare.\n"))
            << comando;
    }
    EXPECT_EQ(Esegui(QStringLiteral("maltese"),
                     test::Parole("--cinquina 1 --cifre 8 --fuori-campione 300"))
                  .errori,
              QStringLiteral("Nessun caso dopo l'estrazione 300: niente da verificare.\n"));
}

TEST_F(MetodiCli, GiorniEMesiScelgonoLeEstrazioni) {
    // Every day ticked is no filter; Tuesday and Thursday with Saturday are every demo draw.
    const auto ritardi = [](const char* giorni) {
        return Esegui(QStringLiteral("ritardi"),
                      test::Parole("--periodo --ruote BA") + test::Parole(giorni));
    };
    const QString tutte = ritardi("").uscita;
    EXPECT_EQ(ritardi("--giorni 1-7").uscita, tutte);
    EXPECT_EQ(ritardi("--giorni mar,gio,sab").uscita, tutte);
    // Saturdays alone: the range holds other draws, so the grid changes.
    const Esito sabati = ritardi("--giorni sab");
    EXPECT_EQ(sabati.codice, 0);
    EXPECT_NE(sabati.uscita, tutte);
    // 300 demo draws, a third of them on Saturday: the reference goes up to 100.
    EXPECT_EQ(
        Esegui(QStringLiteral("cicli2"), test::Parole("--giorni sab --riferimento 101")).codice, 2);
    EXPECT_EQ(
        Esegui(QStringLiteral("cicli2"), test::Parole("--giorni sab --riferimento 100")).codice, 0);
}

} // namespace
} // namespace strovel

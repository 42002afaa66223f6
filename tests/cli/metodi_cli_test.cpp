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
    const QString ambata = QStringLiteral("ambata-dinamica");
    const QString cinquina = QStringLiteral("cinquina-spiona");
    const QString cicli = QStringLiteral("cicli");
    const QString cicli2 = QStringLiteral("cicli2");
    const QString ambi = QStringLiteral("cicli-ambi");
    const QString due = QStringLiteral("1,2");
    const QString ritardi = QStringLiteral("ritardi");
    const QString periodo = QStringLiteral("--periodo");
    const QString maltese = QStringLiteral("maltese");
    const QString somme = QStringLiteral("ambo-somme");
    const auto opzione = [](const char* nome, const char* valore) {
        return QStringList{QString::fromLatin1(nome), QString::fromLatin1(valore)};
    };
    const std::pair<QString, QStringList> sbagliati[] = {
        {ambata, {}}, // no spy
        {ambata, {QStringLiteral("--spia"), QStringLiteral("0")}},
        {ambata, {QStringLiteral("--spia"), QStringLiteral("91")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--gioco"),
          QStringLiteral("BA,XY")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--riferimenti"),
          QStringLiteral("XX7")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--riferimenti"),
          QStringLiteral("BA6")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--riferimenti"),
          QStringLiteral("BA1,CA1,FI1,GE1,MI1,NA1")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--migliori"),
          QStringLiteral("2")}}, // one reference row only
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--riepilogo"),
          QStringLiteral("--migliori"), QStringLiteral("1")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--colpi"),
          QStringLiteral("21")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--presenze"),
          QStringLiteral("101")}},
        {cinquina, {QStringLiteral("--posizioni"), QStringLiteral("1,6")}},
        {cinquina, {QStringLiteral("--verifica"), QStringLiteral("91")}},
        {cinquina, {QStringLiteral("--fine"), QStringLiteral("301")}},
        {cinquina, {QStringLiteral("--casi"), QStringLiteral("--compagni"), QStringLiteral("3")}},
        {cicli2, {QStringLiteral("--griglia"), QStringLiteral("ambi")}},
        {cicli2, {QStringLiteral("--cicli"), QStringLiteral("101")}},
        {cicli2, {QStringLiteral("--colpi"), QStringLiteral("61")}},
        {cicli2, {QStringLiteral("--salto"), QStringLiteral("19")}},
        {cicli2, {QStringLiteral("--posizioni"), QStringLiteral("0")}},
        {cicli2, {QStringLiteral("--ruote"), QStringLiteral("BA,XX")}},
        {cicli2, {QStringLiteral("--riferimento"), QStringLiteral("301")}},
        {cicli2, {QStringLiteral("--considera"), QStringLiteral("5")}}, // not a choice of RILEVA
        {ambi, {}},
        {ambi, {QStringLiteral("--numeri"), QStringLiteral("7")}},
        {ambi, {QStringLiteral("--numeri"), QStringLiteral("7,7")}},
        {ambi, {QStringLiteral("--numeri"), QStringLiteral("7,91")}},
        {ambi, {QStringLiteral("--numeri"), due, QStringLiteral("--griglia"), QStringLiteral("x")}},
        {ambi, {QStringLiteral("--numeri"), due, QStringLiteral("--cicli"), QStringLiteral("0")}},
        {ambi, {QStringLiteral("--numeri"), due, QStringLiteral("--durata"), QStringLiteral("61")}},
        {ambi, {QStringLiteral("--numeri"), due, QStringLiteral("--salto"), QStringLiteral("1")}},
        {ritardi, {}}, // neither PRESENZE nor PERIODO
        {ritardi, {periodo, QStringLiteral("--presenze"), QStringLiteral("3")}},
        {ritardi, {periodo, QStringLiteral("--fine"), QStringLiteral("301")}},
        {ritardi,
         {periodo, QStringLiteral("--fine"), QStringLiteral("200"), QStringLiteral("--inizio"),
          QStringLiteral("201")}},
        {ritardi, {periodo, QStringLiteral("--ruote"), QStringLiteral("XX")}},
        {ritardi, {periodo, QStringLiteral("--posizioni"), QStringLiteral("6")}},
        {ritardi, {QStringLiteral("--presenze"), QStringLiteral("-1")}},
        {maltese, {QStringLiteral("--ruota"), QStringLiteral("BA,CA")}},
        {maltese, {QStringLiteral("--ruota"), QStringLiteral("TU")}},
        {maltese, {QStringLiteral("--casi"), QStringLiteral("15")}},
        {maltese, {QStringLiteral("--colpi"), QStringLiteral("31")}},
        {maltese, {QStringLiteral("--fine"), QStringLiteral("301")}},
        {maltese, opzione("--cinquina", "4")},
        {maltese, opzione("--cifre", "100")},
        {maltese,
         {QStringLiteral("--cinquina"), QStringLiteral("1"), QStringLiteral("--cifre"),
          QStringLiteral("5")}},
        {somme, {QStringLiteral("--atteso")}}, // a summary's rows, not a grid's
        {maltese, {QStringLiteral("--atteso")}},
        {ambata, {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--atteso")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--fuori-campione"),
          QStringLiteral("301")}},
        {ambata,
         {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--fuori-campione"),
          QStringLiteral("200"), QStringLiteral("--riepilogo")}},
        {somme, opzione("--fuori-campione", "301")},
        {maltese, opzione("--fuori-campione", "0")},
        {cicli,
         {QStringLiteral("--atteso"), QStringLiteral("--fuori-campione"), QStringLiteral("200")}},
        {cicli, opzione("--fuori-campione", "301")},
        {ritardi, {periodo, QStringLiteral("--giorni"), QStringLiteral("xyz")}},
        {ritardi, {periodo, QStringLiteral("--giorni"), QString()}},
        {cicli2, opzione("--mesi", "13")},
        {cicli2, opzione("--mesi", "mar-mag")},
        {cicli2, opzione("--giorni", "dom")}, // the demo draws on Tuesday, Thursday, Saturday
        {QStringLiteral("info"), opzione("--giorni", "sab")}, // the archive is not filtered
        {cicli2, {QStringLiteral("--atteso")}},               // the cycle grid has no ranking
        {cicli2,
         {QStringLiteral("--griglia"), QStringLiteral("numeri"), QStringLiteral("--atteso"),
          QStringLiteral("--fuori-campione"), QStringLiteral("200")}},
        {cicli2, opzione("--fuori-campione", "0")},
        {ambi,
         {QStringLiteral("--numeri"), due, QStringLiteral("--griglia"), QStringLiteral("cicli"),
          QStringLiteral("--atteso")}},
        {ambi,
         {QStringLiteral("--numeri"), due, QStringLiteral("--fuori-campione"),
          QStringLiteral("301")}},
        {ambi,
         {QStringLiteral("--numeri"), QStringLiteral("5"), QStringLiteral("--fuori-campione"),
          QStringLiteral("200")}},
        {cinquina, {QStringLiteral("--casi"), QStringLiteral("--atteso")}},
        {cinquina, opzione("--fuori-campione", "301")},
        {somme, opzione("--somme", "0")},
        {somme, opzione("--differenze", "1,91")},
        {somme, opzione("--somme", "50-40")},
        {somme, opzione("--somme", "1-2-3")},
        {somme, opzione("--decine", "10")},
        {somme, opzione("--figure", "x")},
        {somme, opzione("--r1", "su")},
        {somme, opzione("--relazioni", "gemelli")},
        {somme, opzione("--versione", "3")},
        {somme, opzione("--colpi", "61")},
        {somme, opzione("--casi", "0")},
        {somme, opzione("--fine", "301")},
        {somme, opzione("--ruote", "BA,XX")},
    };
    for (const auto& [comando, argomenti] : sbagliati) {
        const Esito e = Esegui(comando, argomenti);
        EXPECT_NE(e.codice, 0) << argomenti.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(e.uscita.isEmpty()) << argomenti.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(e.errori.isEmpty());
    }
    EXPECT_TRUE(Esegui(ambata, {QStringLiteral("--spia"), QStringLiteral("5"),
                                QStringLiteral("--riferimenti"), QStringLiteral("XX7")})
                    .errori.contains(QStringLiteral("Riferimento non valido")));
    // Exact position with opposite orders: the notice on stderr, no grid.
    const Esito incoerente = Esegui(somme, {QStringLiteral("--posizione-esatta"),
                                            QStringLiteral("--r1"), QStringLiteral("decrescenti"),
                                            QStringLiteral("--r2"), QStringLiteral("crescenti")});
    EXPECT_EQ(incoerente.codice, 1);
    EXPECT_TRUE(incoerente.uscita.isEmpty());
    EXPECT_EQ(incoerente.errori.trimmed(),
              QStringLiteral("Attenzione: i check Posizione esatta e numeri crescenti o "
                             "descescenti R1 e R2 sono settati erroneamente."));
    const Esito uno = Esegui(ambi, {QStringLiteral("--numeri"), QStringLiteral("7")});
    EXPECT_EQ(uno.codice, 1);
    EXPECT_EQ(uno.errori, QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri.\n"));
}

TEST_F(MetodiCli, RiepilogoSenzaCasi) {
    // No position selected can give no case: the counts are 0, no percentage, the message.
    const Esito e =
        Esegui(QStringLiteral("ambata-dinamica"),
               {QStringLiteral("--spia"), QStringLiteral("5"), QStringLiteral("--rilevazione"),
                QStringLiteral("BA"), QStringLiteral("--fine"), QStringLiteral("1"),
                QStringLiteral("--riepilogo")});
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.uscita, QStringLiteral("\tVal\tPercentuale\nN° Casi\t0\t\nPositivi\t0\t\n"
                                       "Negativi\t0\t\nIn gioco\t0\t\n"));
    EXPECT_EQ(e.errori.trimmed(), QStringLiteral("Attenzione ! manca una configurazione."));
}

TEST_F(MetodiCli, GiorniEMesiScelgonoLeEstrazioni) {
    // Every day ticked is no filter; Tuesday and Thursday with Saturday are every demo draw.
    const QStringList base = {QStringLiteral("--periodo"), QStringLiteral("--ruote"),
                              QStringLiteral("BA")};
    const QString tutte = Esegui(QStringLiteral("ritardi"), base).uscita;
    EXPECT_EQ(Esegui(QStringLiteral("ritardi"),
                     base + QStringList{QStringLiteral("--giorni"), QStringLiteral("1-7")})
                  .uscita,
              tutte);
    EXPECT_EQ(Esegui(QStringLiteral("ritardi"),
                     base + QStringList{QStringLiteral("--giorni"), QStringLiteral("mar,gio,sab")})
                  .uscita,
              tutte);
    // Saturdays alone: the range holds other draws, so the grid changes.
    const Esito sabati =
        Esegui(QStringLiteral("ritardi"),
               base + QStringList{QStringLiteral("--giorni"), QStringLiteral("sab")});
    EXPECT_EQ(sabati.codice, 0);
    EXPECT_NE(sabati.uscita, tutte);
    // 300 demo draws, a third of them on Saturday: the reference goes up to 100.
    EXPECT_EQ(
        Esegui(QStringLiteral("cicli2"), {QStringLiteral("--giorni"), QStringLiteral("sab"),
                                          QStringLiteral("--riferimento"), QStringLiteral("101")})
            .codice,
        2);
    EXPECT_EQ(
        Esegui(QStringLiteral("cicli2"), {QStringLiteral("--giorni"), QStringLiteral("sab"),
                                          QStringLiteral("--riferimento"), QStringLiteral("100")})
            .codice,
        0);
}

} // namespace
} // namespace strovel

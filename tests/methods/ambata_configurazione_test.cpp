#include "methods/ambata/ambata_configurazione.h"
#include "storage/impostazioni.h"
#include "tests/methods/metodi_aiuti.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace strovel {
namespace {

StatoAmbata Stato() {
    StatoAmbata s;
    s.spia = QStringLiteral("17");
    ParametriAmbata& p = s.parametri;
    p.spia = 17;
    p.rilevazione = test::SoloRuote({0, 10});
    p.gioco = test::SoloRuote({4});
    p.posizioni = {true, false, true, false, false};
    p.presenze = 12;
    p.colpi = 7;
    p.somme = true;
    p.riferimenti = {{7, 3}, {10, 5}};
    p.fine = 30;
    s.matrice = 2;
    return s;
}

TEST(ConfigurazioneAmbata, RigaSalvataECaricata) {
    const ConfigurazioneAmbata c = Configurazione(QStringLiteral("Prova"), Stato());
    EXPECT_EQ(c.ruotericavo, QStringLiteral("10000000001"));
    EXPECT_EQ(c.ruotegioco, QStringLiteral("00001000000"));
    EXPECT_EQ(c.posizioni, QStringLiteral("10100"));
    EXPECT_EQ(c.matrice, QStringLiteral("01000"));
    EXPECT_EQ(c.righe, (QStringList{QStringLiteral("RO3"), QStringLiteral("NZ5")}));
    EXPECT_EQ(c.utilizzasomme, QStringLiteral("1"));
    const auto a = test::ArchivioPiatto(40);
    const auto s = StatoDaConfigurazione(c, *a);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->parametri.riferimenti, Stato().parametri.riferimenti);
    EXPECT_EQ(s->parametri.rilevazione, Stato().parametri.rilevazione);
    EXPECT_EQ(s->parametri.posizioni, Stato().parametri.posizioni);
    EXPECT_EQ(s->parametri.fine, 30);
    EXPECT_EQ(s->parametri.colpi, 7);
    EXPECT_TRUE(s->parametri.somme);
    EXPECT_EQ(s->matrice, 2);

    // The reference list ends at the first row without a position.
    ConfigurazioneAmbata tronca = c;
    tronca.righe = {QStringLiteral("BA1"), QStringLiteral("CA0"), QStringLiteral("FI2")};
    EXPECT_EQ(StatoDaConfigurazione(tronca, *a)->parametri.riferimenti.size(), 1u);
    // Rows that do not fit: each gives nothing.
    std::vector<ConfigurazioneAmbata> errate(10, c);
    errate[0].estrazione = 41;
    errate[1].presenze = QStringLiteral("101");
    errate[2].ruotegioco = QStringLiteral("1111");
    errate[3].righe = {QStringLiteral("XX1")};
    errate[4].numerospia = QStringLiteral("abc");
    errate[5].righe = {};
    errate[6].colpi = QStringLiteral("0");
    errate[7].righe = {QStringLiteral("BA6")}; // no sixth position
    errate[8].righe = {QStringLiteral("BA1"), QStringLiteral("CA12")};
    errate[9].estrazione = (qint64{1} << 32) + 1; // draw 1 if cut to 32 bits
    for (std::size_t i = 0; i < errate.size(); ++i) {
        EXPECT_FALSE(StatoDaConfigurazione(errate[i], *a).has_value()) << i;
    }
}

TEST(ConfigurazioneAmbata, LetturaDellaSpia) {
    EXPECT_EQ(LeggiSpia("  17"), 17);
    EXPECT_EQ(LeggiSpia("17abc"), 17);
    EXPECT_EQ(LeggiSpia("16.6"), 17);
    EXPECT_EQ(LeggiSpia("abc"), 0);
    EXPECT_EQ(LeggiSpia(""), 0);
    // A long text stops after twelve characters instead of overflowing.
    EXPECT_EQ(LeggiSpia("99999999999999999999"), LeggiSpia("999999999999"));
}

TEST(ConfigurazioneAmbata, DatabaseSalvaElencaElimina) {
    QTemporaryDir cartella;
    DatabaseImpostazioni impostazioni;
    ASSERT_TRUE(impostazioni.ApriDatabaseImpostazioni(cartella.path(), nullptr));
    const QSqlDatabase db = impostazioni.Db();
    QString errore;
    ASSERT_TRUE(
        SalvaConfigurazioneAmbata(db, Configurazione(QStringLiteral("zeta"), Stato()), &errore))
        << errore.toStdString();
    StatoAmbata uno = Stato();
    uno.parametri.riferimenti = {{2, 2}};
    ASSERT_TRUE(
        SalvaConfigurazioneAmbata(db, Configurazione(QStringLiteral("Alfa"), uno), &errore));
    // A name already stored (in any letter case) is refused and nothing changes.
    EXPECT_FALSE(
        SalvaConfigurazioneAmbata(db, Configurazione(QStringLiteral("ZETA"), uno), &errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_FALSE(errore.contains(QStringLiteral("UNIQUE"))) << errore.toStdString(); // Italian
    const auto elenco = ElencoConfigurazioniAmbata(db, &errore);
    ASSERT_TRUE(elenco.has_value());
    ASSERT_EQ(elenco->size(), 2);
    EXPECT_EQ((*elenco)[0].denominazione, QStringLiteral("Alfa"));
    EXPECT_EQ((*elenco)[0].righe, QStringList{QStringLiteral("FI2")});
    EXPECT_EQ((*elenco)[1], Configurazione(QStringLiteral("zeta"), Stato()));
    // Riga2..Riga5 of a one-row configuration are left empty.
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Riga2 FROM Ambatadinamica WHERE "
                                      "Denominazione = 'Alfa'")) &&
                q.next());
    EXPECT_TRUE(q.value(0).isNull());
    // A hand-edited draw index past 32 bits is read whole, never cut down to draw 1.
    ASSERT_TRUE(q.exec(QStringLiteral("UPDATE Ambatadinamica SET Estrazione = 4294967297 WHERE "
                                      "Denominazione = 'Alfa'")));
    EXPECT_EQ(ElencoConfigurazioniAmbata(db, &errore)->at(0).estrazione, 4294967297);

    EXPECT_EQ(EliminaConfigurazioneAmbata(db, QStringLiteral("nessuna"), &errore),
              EsitoEliminazione::NonTrovata);
    EXPECT_EQ(EliminaConfigurazioneAmbata(db, QStringLiteral("zeta"), &errore),
              EsitoEliminazione::Eliminata);
    EXPECT_EQ(ElencoConfigurazioniAmbata(db, &errore)->size(), 1);
}

} // namespace
} // namespace strovel

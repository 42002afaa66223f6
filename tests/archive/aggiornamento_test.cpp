#include "archive/aggiornamento.h"
#include "archive/calendario.h"
#include "storage/archivio_db.h"
#include "storage/crea_archivio.h"
#include "tests/support/supporto.h"

#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// A fixed-column record of `riga`.
QByteArray Record(const RigaEstrazione& riga) {
    std::string s = riga.data;
    for (const std::string& w : riga.ruote) {
        s += " " + w;
    }
    return QByteArray::fromStdString(s) + " pr\r\n";
}

class Aggiornamento : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    DatabaseArchivio db;
    void SetUp() override {
        const QString p = cartella.filePath(QStringLiteral("a.mdb"));
        test::CreaArchivio(p, {test::Riga("03/01/2023", 1), test::Riga("05/01/2023", 2),
                               test::Riga("07/01/2023", 3)});
        ASSERT_TRUE(db.ApriArchivio(p, nullptr));
    }
    QStringList Contenuto() {
        QSqlQuery q(db.Db());
        q.exec(QStringLiteral("SELECT DataEstrazione, Ba, Nz FROM EstrazioniLotto ORDER BY 1"));
        QStringList righe;
        while (q.next()) {
            righe << q.value(0).toString() + q.value(1).toString() + q.value(2).toString();
        }
        return righe;
    }
};

TEST_F(Aggiornamento, SegniEMessaggiDalFondo) {
    RigaEstrazione diversa = test::Riga("05/01/2023", 2);
    diversa.ruote[4] = "90-89-88-87-86";
    const QByteArray file = Record(test::Riga("03/01/2023", 1)) + Record(diversa) + "\r\n" +
                            Record(test::Riga("10/01/2023", 9)) +
                            Record(test::Riga("12/01/2023", 9));
    auto c = Candidate(file);
    ASSERT_EQ(c.size(), 4u);
    int massimo = 0;
    std::vector<int> avanzamento;
    const EsitoControllo e = ConfrontoArchivio(
        db, c,
        Progresso{[&](int m) { massimo = m; }, [&](int v) { avanzamento.push_back(v); }, {}});
    EXPECT_TRUE(e.passoFallito.isEmpty());
    EXPECT_EQ(e.messaggi, (QStringList{QStringLiteral("Manca estrazione del: 12/01/2023"),
                                       QStringLiteral("Manca estrazione del: 10/01/2023"),
                                       QStringLiteral("Errori Estrazione del 05/01/2023")}));
    EXPECT_FALSE(c[0].daImportare || c[0].conErrori);
    EXPECT_EQ(std::count(c[0].uguali.begin(), c[0].uguali.end(), true), 11);
    EXPECT_TRUE(c[1].conErrori);
    EXPECT_EQ(std::count(c[1].uguali.begin(), c[1].uguali.end(), true), 10);
    EXPECT_FALSE(c[1].uguali[4]);
    EXPECT_TRUE(c[2].daImportare && c[3].daImportare);
    EXPECT_EQ(massimo, 4);
    EXPECT_EQ(avanzamento, (std::vector<int>{0, 1, 2, 3}));
    const Tabella t = TabellaCandidate(c);
    EXPECT_EQ(t.righe[1][1].stile.segno, Segno::ConErrori);
    EXPECT_EQ(t.righe[2][1].stile.segno, Segno::DaImportare);
    EXPECT_EQ(t.righe[1][2].stile.segno, Segno::Uguale);
    EXPECT_EQ(t.righe[1][6].stile.segno, Segno::Nessuno);

    // Apply without corrections: the two missing draws, in file order.
    EsitoApplicazione a = AggiornamentoArchivio(db, c, false, test::Adesso());
    EXPECT_TRUE(a.errore.isEmpty());
    EXPECT_EQ(a.messaggi, (QStringList{QStringLiteral("Aggiunta estrazione del10/01/2023"),
                                       QStringLiteral("Aggiunta estrazione del12/01/2023"),
                                       QStringLiteral("aggiunti N° 2 record")}));
    EXPECT_EQ(db.NumeroRighe(), 5);
    RigaEstrazione letta;
    db.CercaData(QStringLiteral("05/01/2023"), &letta);
    EXPECT_EQ(letta, test::Riga("05/01/2023", 2));
    // With corrections: the added draws are found now and skipped; the wrong one rewritten.
    a = AggiornamentoArchivio(db, c, true, test::Adesso());
    EXPECT_EQ(a.messaggi, QStringList{QStringLiteral("Modificata estrazione del05/01/2023")});
    EXPECT_EQ(a.aggiunte, 0);
    db.CercaData(QStringLiteral("05/01/2023"), &letta);
    EXPECT_EQ(letta, diversa);
}

TEST_F(Aggiornamento, NessunaAnomaliaAncheConMancanti) {
    auto c = Candidate(Record(test::Riga("03/01/2023", 1)) + Record(test::Riga("09/01/2023", 1)));
    const EsitoControllo e = ConfrontoArchivio(db, c);
    EXPECT_EQ(e.messaggi.back(), QStringLiteral("Nessuna anomalia rilevata"));
    EXPECT_EQ(e.messaggi.size(), 2);
    std::vector<Candidata> vuote;
    EXPECT_TRUE(ConfrontoArchivio(db, vuote).messaggi.isEmpty());
}

TEST_F(Aggiornamento, DataNonConvertibileFermaIlControllo) {
    auto c = Candidate(Record(test::Riga("03/01/2023", 1)) + Record(test::Riga("31/02/2023", 1)) +
                       Record(test::Riga("20/01/2023", 1)));
    const EsitoControllo e = ConfrontoArchivio(db, c);
    EXPECT_EQ(e.passoFallito, QStringLiteral("Controllo estrazioni mancanti"));
    // The last row was marked before the failure and keeps its mark.
    EXPECT_TRUE(c[2].daImportare);
    EXPECT_FALSE(c[0].daImportare || c[0].conErrori);
    EXPECT_EQ(e.messaggi,
              (QStringList{QStringLiteral("Manca estrazione del: 20/01/2023"),
                           QStringLiteral("Record malformato del 31/02/2023 (riga 2): la data "
                                          "\"31/02/2023\" non è una data valida")}));
}

TEST_F(Aggiornamento, RecordMalformatiSegnalatiESaltati) {
    RigaEstrazione corta = test::Riga("10/01/2023", 4);
    corta.ruote[4] = "05-18-33-71   ";
    RigaEstrazione doppia = test::Riga("05/01/2023", 2);
    doppia.ruote[0] = "05-05-33-71-90";
    QByteArray file = Record(test::Riga("12/01/2023", 5)) + Record(corta) + Record(doppia);
    // A file cut short by a download: the last record stops inside Cagliari.
    file += Record(test::Riga("14/01/2023", 6)).left(30);
    auto c = Candidate(file);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_TRUE(c[0].malformato.isEmpty());
    EXPECT_EQ(c[1].malformato, QStringLiteral("Milano: la ruota \"05-18-33-71   \" non è nel "
                                              "formato nn-nn-nn-nn-nn"));
    EXPECT_TRUE(c[2].malformato.startsWith(QStringLiteral("Bari: ")));
    EXPECT_TRUE(c[3].malformato.startsWith(QStringLiteral("Cagliari: ")));
    const EsitoControllo e = ConfrontoArchivio(db, c);
    EXPECT_TRUE(e.passoFallito.isEmpty());
    EXPECT_EQ(e.messaggi.size(), 7); // 4 findings, 3 malformed, no "Nessuna anomalia"
    EXPECT_EQ(e.messaggi[2], QStringLiteral("Errori Estrazione del 05/01/2023"));
    EXPECT_TRUE(e.messaggi[3].startsWith(QStringLiteral("Record malformato del 05/01/2023 (riga "
                                                        "3): Bari: la ruota \"05-05-33-71-90\"")))
        << e.messaggi[3].toStdString();
    // The malformed rows show in their own colour, the marks stay.
    const Tabella t = TabellaCandidate(c);
    EXPECT_EQ(t.righe[0][0].stile.segno, Segno::Nessuno);
    EXPECT_EQ(t.righe[1][0].stile.segno, Segno::Malformato);
    EXPECT_EQ(t.righe[1][1].stile.segno, Segno::DaImportare);
    EXPECT_EQ(t.righe[1][6].stile.segno, Segno::Malformato);
    EXPECT_EQ(t.righe[1][5].stile.segno, Segno::Nessuno);
    EXPECT_EQ(t.righe[2][1].stile.segno, Segno::ConErrori);
    EXPECT_EQ(t.righe[2][2].stile.segno, Segno::Malformato);
    EXPECT_EQ(MalformateDaScrivere(c, false), 2);
    EXPECT_EQ(MalformateDaScrivere(c, true), 3);

    // Only the well-formed draw is written; each malformed one is listed with its reason.
    const QStringList prima = Contenuto();
    EsitoApplicazione a = AggiornamentoArchivio(db, c, true, test::Adesso());
    EXPECT_TRUE(a.errore.isEmpty()) << a.errore.toStdString();
    EXPECT_EQ(a.aggiunte, 1);
    EXPECT_EQ(a.modificate, 0);
    ASSERT_EQ(a.saltate.size(), 3);
    EXPECT_EQ(a.saltate[0], QStringLiteral("Estrazione del 10/01/2023 non scritta, record "
                                           "malformato: ") +
                                c[1].malformato);
    EXPECT_EQ(Contenuto().size(), prima.size() + 1);
    EXPECT_TRUE(
        Contenuto().contains(QStringLiteral("2023-01-05") +
                             QString::fromStdString(test::Riga("05/01/2023", 2).ruote[0] +
                                                    test::Riga("05/01/2023", 2).ruote[10])));
    // Asked for, they are written as they stand.
    a = AggiornamentoArchivio(db, c, true, test::Adesso(), true);
    EXPECT_TRUE(a.errore.isEmpty()) << a.errore.toStdString();
    EXPECT_EQ(a.aggiunte, 2);
    EXPECT_EQ(a.modificate, 1);
    EXPECT_TRUE(a.saltate.isEmpty());
    EXPECT_TRUE(Contenuto().contains(QStringLiteral("2023-01-0505-05-33-71-90") +
                                     QString::fromStdString(doppia.ruote[10])));
}

TEST_F(Aggiornamento, StessaDataDueVolteNelFileAggiuntaUnaVolta) {
    const RigaEstrazione nuova = test::Riga("10/01/2023", 4);
    auto c = Candidate(Record(nuova) + Record(test::Riga("10/01/2023", 5)));
    ConfrontoArchivio(db, c);
    ASSERT_TRUE(c[0].daImportare && c[1].daImportare);
    const EsitoApplicazione a = AggiornamentoArchivio(db, c, false, test::Adesso());
    EXPECT_TRUE(a.errore.isEmpty()) << a.errore.toStdString();
    EXPECT_EQ(a.aggiunte, 1);
    RigaEstrazione scritta;
    ASSERT_EQ(db.CercaData(QStringLiteral("10/01/2023"), &scritta), EsitoRicerca::Trovata);
    EXPECT_EQ(scritta, nuova); // the first in file order
}

TEST(FileAggiornamento, LettoControllatoOppureRifiutato) {
    QTemporaryDir cartella;
    const QString buono = cartella.filePath(QStringLiteral("buono.txt"));
    test::ScriviFile(buono, "\xEF\xBB\xBF" + Record(test::Riga("03/01/2023")));
    FileAggiornamento f = LeggiFileAggiornamento(buono);
    EXPECT_EQ(f.esito, FileAggiornamento::Esito::Letto);
    EXPECT_EQ(Candidate(f.contenuto).at(0).riga.data, QStringLiteral("03/01/2023"));
    test::ScriviFile(buono, Record(test::Riga("03/01/2023")).replace(" pr", "pr"));
    EXPECT_EQ(LeggiFileAggiornamento(buono).esito, FileAggiornamento::Esito::FormatoErrato);
    f = LeggiFileAggiornamento(cartella.path());
    EXPECT_EQ(f.esito, FileAggiornamento::Esito::NonLeggibile);
    EXPECT_TRUE(f.motivo.contains(QStringLiteral("cartella")));
    EXPECT_EQ(LeggiFileAggiornamento(QStringLiteral("/dev/zero")).esito,
              FileAggiornamento::Esito::NonLeggibile);
}

TEST_F(Aggiornamento, ApplicazioneTuttoONiente) {
    const QStringList prima = Contenuto();
    std::vector<Candidata> c(3);
    c[0].riga = {QStringLiteral("14/01/2023"), {}, 1};
    c[0].daImportare = true;
    c[1].riga = {QStringLiteral("05/01/2023"), {}, 2};
    c[1].conErrori = true;
    c[2].riga = {QStringLiteral("32/01/2023"), {}, 3};
    c[2].daImportare = true;
    const EsitoApplicazione a = AggiornamentoArchivio(db, c, true, test::Adesso());
    EXPECT_TRUE(a.errore.contains(QStringLiteral("32/01/2023"))) << a.errore.toStdString();
    EXPECT_EQ(a.aggiunte, 0);
    EXPECT_EQ(Contenuto(), prima);
}

TEST(AggiornamentoReale, ArchivioRiportatoUgualeAlTesto) {
    STROVEL_RICHIEDE_DATI_REALI(testo, QStringLiteral("archivio.txt"));
    QTemporaryDir cartella;
    const QByteArray completo = test::LeggiFile(*testo);
    QList<QByteArray> righe = completo.split('\n');
    while (!righe.isEmpty() && righe.back().trimmed().isEmpty()) {
        righe.removeLast();
    }
    ASSERT_EQ(righe.size(), 7236);
    // The archive lacks the last 100 draws and has one wrong wheel in three draws.
    const QByteArray parziale = righe.mid(0, 7136).join('\n') + '\n';
    const QString testoParziale = cartella.filePath(QStringLiteral("parziale.txt"));
    test::ScriviFile(testoParziale, parziale);
    const QString percorso = cartella.filePath(QStringLiteral("a.mdb"));
    ASSERT_TRUE(CreaArchivioDaTesto(testoParziale, percorso, test::Adesso(), nullptr));
    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(percorso, nullptr));
    {
        QSqlQuery q(db.Db());
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE EstrazioniLotto SET Mi = '01-02-03-04-05' WHERE "
                                          "DataEstrazione IN ('1950-03-04', '1990-06-02', "
                                          "'2020-01-04')")));
        ASSERT_EQ(q.numRowsAffected(), 3);
    }
    auto c = Candidate(completo);
    const EsitoControllo e = ConfrontoArchivio(db, c);
    EXPECT_EQ(e.messaggi.filter(QStringLiteral("Manca estrazione del: ")).size(), 100);
    EXPECT_EQ(e.messaggi.filter(QStringLiteral("Errori Estrazione del ")).size(), 3);
    EXPECT_EQ(e.messaggi.front(), QStringLiteral("Manca estrazione del: 30/12/2025"));
    EXPECT_EQ(AggiornamentoArchivio(db, c, false, test::Adesso()).aggiunte, 100);
    EXPECT_EQ(db.NumeroRighe(), 7236);
    RigaEstrazione r;
    db.CercaData(QStringLiteral("04/01/2020"), &r);
    EXPECT_EQ(r.ruote[4], "01-02-03-04-05"); // not corrected without Check3
    EXPECT_EQ(AggiornamentoArchivio(db, c, true, test::Adesso()).modificate, 3);
    // Now the archive is the text file.
    const QString riferimento = cartella.filePath(QStringLiteral("riferimento.mdb"));
    ASSERT_TRUE(CreaArchivioDaTesto(*testo, riferimento, test::Adesso(), nullptr));
    DatabaseArchivio atteso;
    ASSERT_TRUE(atteso.ApriArchivio(riferimento, nullptr));
    auto tutto = [](const DatabaseArchivio& d) {
        QSqlQuery q(d.Db());
        q.exec(QStringLiteral("SELECT DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, \"To\", Ve, "
                              "Nz FROM EstrazioniLotto ORDER BY 1"));
        QStringList elenco;
        while (q.next()) {
            QString riga;
            for (int k = 0; k < 12; ++k) {
                riga += q.value(k).toString() + QLatin1Char('|');
            }
            elenco << riga;
        }
        return elenco;
    };
    EXPECT_EQ(tutto(db), tutto(atteso));
}

TEST(Calendario, GiorniDellaSettimanaELettere) {
    QTemporaryDir cartella;
    const QString p = cartella.filePath(QStringLiteral("a.mdb"));
    // Tuesdays, Thursdays and Saturdays of January and February 2023.
    std::vector<RigaEstrazione> righe;
    for (const char* d : {"03/01/2023", "05/01/2023", "07/01/2023", "10/01/2023", "31/01/2023",
                          "02/02/2023", "04/02/2023", "28/12/2022"}) {
        righe.push_back(test::Riga(d, 1));
    }
    test::CreaArchivio(p, righe);
    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(p, nullptr));
    auto t = CalendarioAnno(db, 2023, false);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->intestazioni,
              (std::vector<std::string>{"", "A", "M", "2", "3", "4", "5", "7", "10", "31"}));
    ASSERT_EQ(t->righe.size(), 2u);
    EXPECT_EQ(t->righe[0][1].testo, "2023");
    EXPECT_EQ(t->righe[0][2].testo, "1");
    EXPECT_EQ(t->righe[0][4].testo, "3"); // 3 January: Tuesday
    EXPECT_EQ(t->righe[0][6].testo, "5"); // 5 January: Thursday
    EXPECT_EQ(t->righe[0][7].testo, "7"); // 7 January: Saturday
    EXPECT_EQ(t->righe[0][3].testo, "");
    EXPECT_EQ(t->righe[1][3].testo, "5"); // 2 February: Thursday
    EXPECT_EQ(t->righe[0][1].stile.sfondo, (Colore{255, 255, 192}));
    EXPECT_EQ(t->righe[0][2].stile.sfondo, (Colore{192, 255, 192}));
    for (const auto& r : t->righe) {
        for (std::size_t c = 3; c < r.size(); ++c) {
            EXPECT_TRUE(r[c].testo.empty() || r[c].testo == "3" || r[c].testo == "5" ||
                        r[c].testo == "7");
        }
    }
    t = CalendarioAnno(db, 2023, true);
    EXPECT_EQ(t->righe[0][4].testo, "M");
    EXPECT_EQ(t->righe[0][6].testo, "G");
    EXPECT_EQ(t->righe[0][7].testo, "S");
    EXPECT_EQ(DataDellaCella(*t, 0, 4), std::string("03/01/2023"));
    EXPECT_EQ(DataDellaCella(*t, 1, 3), std::string("02/02/2023"));
    EXPECT_FALSE(DataDellaCella(*t, 0, 2).has_value());
    // A year before the first draw: no rows.
    EXPECT_TRUE(CalendarioAnno(db, 1939, false)->righe.empty());
}

} // namespace
} // namespace strovel

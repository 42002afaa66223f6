// The archive against locks, damage, a full disk, its capacity and bad input files.

#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"
#include "storage/file_sicuri.h"
#include "storage/testo_aggiornamento.h"
#include "storage/testo_storico.h"
#include "tests/support/supporto.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace strovel {
namespace {

class Robustezza : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    QString percorso;

    void SetUp() override {
        qputenv("STROVEL_ATTESA_BLOCCO_MS", "200");
        percorso = cartella.filePath(QStringLiteral("archivio.mdb"));
    }
    void TearDown() override { qunsetenv("STROVEL_ATTESA_BLOCCO_MS"); }
};

/// Another program's connection holding a lock on the archive while it lives.
class AltroProgramma {
public:
    AltroProgramma(const QString& percorso, const char* inizio) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_);
        db.setDatabaseName(percorso);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QString::fromLatin1(inizio)));
        // An exclusive lock is taken by the first write.
        EXPECT_TRUE(q.exec(QStringLiteral("UPDATE EstrazioniLotto SET datareg = datareg")));
    }
    ~AltroProgramma() {
        {
            QSqlDatabase db = QSqlDatabase::database(nome_, false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(nome_);
    }

private:
    QString nome_ = QStringLiteral("altro_programma");
};

TEST_F(Robustezza, ArchivioBloccatoNonEDanneggiato) {
    test::CreaArchivio(percorso, test::RigheConsecutive(5));
    {
        AltroProgramma altro(percorso, "BEGIN EXCLUSIVE");
        DatabaseArchivio db;
        QString errore;
        CausaErrore causa = CausaErrore::Nessuna;
        EXPECT_FALSE(db.ApriArchivio(percorso, &errore, &causa));
        EXPECT_EQ(causa, CausaErrore::InUso);
        EXPECT_TRUE(errore.contains(QStringLiteral("in uso da un altro programma")))
            << errore.toStdString();
        EXPECT_FALSE(errore.contains(QStringLiteral("non è un database")));
    }
    // A writer that finds the archive reserved by another waits, then says so without naming
    // the draw it was writing.
    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(percorso, nullptr));
    AltroProgramma altro(percorso, "BEGIN IMMEDIATE");
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    EXPECT_FALSE(db.Aggiungi(test::Riga("01/01/2020"), test::Adesso(), &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::InUso);
    EXPECT_TRUE(errore.contains(QStringLiteral("in uso"))) << errore.toStdString();
    EXPECT_FALSE(errore.contains(QStringLiteral("01/01/2020")));
    EXPECT_FALSE(errore.contains(QStringLiteral("locked")));
}

TEST_F(Robustezza, ArchivioDanneggiatoRifiutatoAllApertura) {
    test::CreaArchivio(percorso, test::RigheConsecutive(600));
    test::DanneggiaFile(percorso);
    const QByteArray danneggiato = test::LeggiFile(percorso);
    DatabaseArchivio db;
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    EXPECT_FALSE(db.ApriArchivio(percorso, &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::Danneggiato);
    EXPECT_TRUE(errore.contains(QStringLiteral("danneggiato"))) << errore.toStdString();
    EXPECT_FALSE(db.Aperto());
    EXPECT_EQ(test::LeggiFile(percorso), danneggiato);
    // A file that is no database at all is told apart.
    const QString testo = cartella.filePath(QStringLiteral("testo.mdb"));
    test::ScriviFile(testo, QByteArray(4096, 'x'));
    EXPECT_FALSE(db.ApriArchivio(testo, &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::NonUnDatabase);
}

TEST_F(Robustezza, DiscoPienoNonNominaUnEstrazione) {
    test::CreaArchivio(percorso, test::RigheConsecutive(5));
    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(percorso, nullptr));
    // No page may be added: the next rows find the "disk" full.
    QSqlQuery q(db.Db());
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
    q = QSqlQuery();
    std::vector<ModificaArchivio> molte;
    for (const RigaEstrazione& r : test::RigheConsecutive(400)) {
        RigaEstrazione nuova = r;
        nuova.data = nuova.data.substr(0, 6) + "2030";
        molte.push_back({ModificaArchivio::Tipo::Aggiungi, nuova});
    }
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    EXPECT_FALSE(db.Applica(molte, test::Adesso(), &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::DiscoPieno);
    EXPECT_TRUE(errore.contains(QStringLiteral("disco è pieno"))) << errore.toStdString();
    EXPECT_FALSE(errore.contains(QStringLiteral("2030")));
    EXPECT_EQ(db.NumeroRighe(), 5);
    // A draw that is the cause is still named.
    EXPECT_FALSE(db.Aggiungi(test::Riga("03/01/2000"), test::Adesso(), &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::DataDuplicata);
    EXPECT_TRUE(errore.contains(QStringLiteral("03/01/2000")));
}

TEST_F(Robustezza, CapienzaDi9999EstrazioniSuOgniScrittura) {
    test::CreaArchivio(percorso, test::RigheConsecutive(Archivio::Capacita - 1));
    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(percorso, nullptr));
    std::vector<ModificaArchivio> due = {
        {ModificaArchivio::Tipo::Aggiungi, test::Riga("01/01/1990")},
        {ModificaArchivio::Tipo::Aggiungi, test::Riga("02/01/1990")},
    };
    QString errore;
    CausaErrore causa = CausaErrore::Nessuna;
    EXPECT_FALSE(db.Applica(due, test::Adesso(), &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::Capienza);
    EXPECT_TRUE(errore.contains(QStringLiteral("ne possono entrare ancora 1")))
        << errore.toStdString();
    EXPECT_EQ(db.NumeroRighe(), Archivio::Capacita - 1);
    // A deletion in the same batch makes room; so does filling the last place alone.
    due.push_back({ModificaArchivio::Tipo::Elimina, test::Riga("01/01/2000")});
    EXPECT_TRUE(db.Applica(due, test::Adesso(), &errore)) << errore.toStdString();
    EXPECT_EQ(db.NumeroRighe(), Archivio::Capacita);
    EXPECT_FALSE(db.Aggiungi(test::Riga("03/01/1990"), test::Adesso(), &errore, &causa));
    EXPECT_EQ(causa, CausaErrore::Capienza);
    EXPECT_TRUE(errore.contains(QStringLiteral("ne possono entrare ancora 0")));
    // A full archive can still be corrected: a modification adds nothing.
    RigaEstrazione corretta = test::Riga("03/01/2000", 7);
    EXPECT_TRUE(db.Modifica(corretta, test::Adesso(), &errore)) << errore.toStdString();
    // The full archive still loads.
    Archivio archivio;
    EXPECT_FALSE(CaricaArchivioExNovo(db, archivio).has_value());
    EXPECT_EQ(archivio.TotEstrazioni, Archivio::Capacita);
}

TEST_F(Robustezza, FileDiIngressoLimitatiPerTipoEDimensione) {
    QByteArray contenuto;
    QString errore;
    EXPECT_FALSE(LeggiFileIngresso(cartella.path(), contenuto, &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("cartella"))) << errore.toStdString();
    EXPECT_FALSE(LeggiFileIngresso(QStringLiteral("/dev/zero"), contenuto, &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("non è un file normale")));
    const QString fifo = cartella.filePath(QStringLiteral("tubo"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(LeggiFileIngresso(fifo, contenuto, &errore)); // refused without blocking
    EXPECT_FALSE(
        LeggiFileIngresso(cartella.filePath(QStringLiteral("manca.txt")), contenuto, &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("non esiste")));
    // 64 MB and one byte: refused before reading (the file is sparse, nothing is written).
    const QString grande = cartella.filePath(QStringLiteral("grande.txt"));
    {
        QFile f(grande);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(DimensioneMassimaIngresso + 1));
    }
    EXPECT_FALSE(LeggiFileIngresso(grande, contenuto, &errore));
    EXPECT_TRUE(errore.endsWith(QStringLiteral("è troppo grande (65 MB): il massimo è 64 MB.")))
        << errore.toStdString();
    EXPECT_TRUE(contenuto.isEmpty());
    test::ScriviFile(grande, "12345");
    EXPECT_FALSE(LeggiFileIngresso(grande, contenuto, &errore, 4));
    EXPECT_TRUE(LeggiFileIngresso(grande, contenuto, &errore, 5));
    EXPECT_EQ(contenuto, QByteArray("12345"));
    // The archive builder uses the same reader.
    EXPECT_FALSE(
        CreaArchivioDaTesto(QStringLiteral("/dev/zero"), percorso, test::Adesso(), &errore));
    EXPECT_FALSE(QFile::exists(percorso));
}

TEST_F(Robustezza, ErroreDiCreazioneNonNominaIlFileTemporaneo) {
    QString errore;
    const QString inCartellaMancante = cartella.filePath(QStringLiteral("manca/archivio.mdb"));
    EXPECT_FALSE(CreaArchivioDaRighe(inCartellaMancante, test::RigheConsecutive(3), test::Adesso(),
                                     &errore));
    EXPECT_TRUE(errore.contains(inCartellaMancante)) << errore.toStdString();
    EXPECT_FALSE(errore.contains(QStringLiteral(".parziale")));
    EXPECT_FALSE(errore.contains(QStringLiteral("unable")));
    // A failure half-way (a date twice) leaves neither the archive nor its temporary file.
    const auto righe = test::RigheConsecutive(3);
    EXPECT_FALSE(
        CreaArchivioDaRighe(percorso, {righe[0], righe[1], righe[1]}, test::Adesso(), &errore));
    EXPECT_TRUE(errore.contains(QStringLiteral("02/01/2000"))) << errore.toStdString();
    EXPECT_FALSE(errore.contains(QStringLiteral(".parziale")));
    EXPECT_TRUE(QDir(cartella.path()).entryList(QDir::Files).isEmpty());
}

TEST(TestiDiIngresso, ByteOrderMarkSaltatoERigaDiSoliSpaziSegnalata) {
    const QByteArray bom = "\xEF\xBB\xBF";
    std::vector<RigaEstrazione> righe;
    ErroreTesto errore;
    // Tab-separated.
    ASSERT_TRUE(LeggiStorico(bom + "2023/01/03\tBA\t5\t18\t33\t71\t90\n", righe, &errore))
        << errore.motivo.toStdString();
    EXPECT_EQ(righe.at(0).data, "03/01/2023");
    EXPECT_FALSE(LeggiStorico("2023/01/03\tBA\t5\t18\t33\t71\t90\n   \n", righe, &errore));
    EXPECT_EQ(errore.riga, 2);
    EXPECT_EQ(errore.motivo, QStringLiteral("la riga contiene solo spazi"));
    EXPECT_TRUE(LeggiStorico("2023/01/03\tBA\t5\t18\t33\t71\t90\n\n", righe, &errore));
    // Fixed columns, through the format detection.
    const RigaEstrazione r = test::Riga("03/01/2023");
    QByteArray linea = QByteArray::fromStdString(r.data);
    for (const std::string& w : r.ruote) {
        linea += ' ' + QByteArray::fromStdString(w);
    }
    linea += " pr";
    ASSERT_TRUE(LeggiArchivioTesto(bom + linea + "\r\n", righe, &errore))
        << errore.motivo.toStdString();
    EXPECT_EQ(righe.at(0), r);
    EXPECT_FALSE(LeggiArchivioTesto(linea + "\r\n \r\n", righe, &errore));
    EXPECT_EQ(errore.riga, 2);
    EXPECT_EQ(errore.motivo, QStringLiteral("la riga contiene solo spazi"));
    // The first-record rule of an update file sees the record, not the mark.
    EXPECT_TRUE(PrimoRecordValido(DividiRecord(bom + linea).front().testo));
}

} // namespace
} // namespace strovel

// The real archive of draws 1939-2025, in both text formats.

#include "core/decodifica.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"
#include "storage/testo_aggiornamento.h"
#include "tests/support/supporto.h"

#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// Every draw column of the archive, in date order.
QStringList Contenuto(const QString& percorso) {
    DatabaseArchivio db;
    EXPECT_TRUE(db.ApriArchivio(percorso, nullptr));
    QSqlQuery q(db.Db());
    EXPECT_TRUE(q.exec(PerSqlite(DatabaseArchivio::QueryCaricamento())));
    QStringList righe;
    while (q.next()) {
        QStringList campi;
        for (int c = 0; c < 12; ++c) {
            campi << q.value(c).toString();
        }
        righe << campi.join(QLatin1Char('|'));
    }
    return righe;
}

TEST(ArchivioReale, DaiDueFormatiLoStessoArchivio) {
    STROVEL_RICHIEDE_DATI_REALI(colonne, QStringLiteral("archivio.txt"));
    STROVEL_RICHIEDE_DATI_REALI(storico, QStringLiteral("storico.txt"));
    QTemporaryDir cartella;
    const QString a = cartella.filePath(QStringLiteral("da_colonne.mdb"));
    const QString b = cartella.filePath(QStringLiteral("da_storico.mdb"));
    QString errore;
    ASSERT_TRUE(CreaArchivioDaTesto(*colonne, a, test::Adesso(), &errore)) << errore.toStdString();
    ASSERT_TRUE(CreaArchivioDaTesto(*storico, b, test::Adesso(), &errore)) << errore.toStdString();
    const QStringList ca = Contenuto(a);
    const QStringList cb = Contenuto(b);
    ASSERT_EQ(ca.size(), 7236);
    EXPECT_EQ(ca, cb);

    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(a, nullptr));
    Archivio archivio;
    ASSERT_FALSE(CaricaArchivioAvvio(db, 1, archivio).has_value());
    EXPECT_EQ(archivio.TotEstrazioni, 7236);
    EXPECT_EQ(archivio.DateEstrazioni[1], "07/01/1939");
    EXPECT_EQ(archivio.DateEstrazioni[7236], "30/12/2025");

    // Every loaded number against the text, draw by draw.
    const auto righe = CaricaRigheAggiornamento(test::LeggiFile(*colonne));
    ASSERT_EQ(righe.size(), 7236u);
    for (int i = 1; i <= 7236; ++i) {
        const RigaAggiornamento& r = righe[static_cast<std::size_t>(i - 1)];
        ASSERT_EQ(r.data.toStdString(), archivio.DateEstrazioni[static_cast<std::size_t>(i)]);
        for (int w = 0; w < 11; ++w) {
            const std::string testo = r.ruote[static_cast<std::size_t>(w)].toStdString();
            for (int p = 1; p <= 5; ++p) {
                ASSERT_EQ(archivio.Estratti(i, w, p), std::stoi(testo.substr(3 * (p - 1), 2)))
                    << r.data.toStdString() << " ruota " << w << " posizione " << p;
            }
        }
    }
    // The first file line passes the update file's first-record rule.
    EXPECT_TRUE(PrimoRecordValido(DividiRecord(test::LeggiFile(*colonne)).front().testo));
}

} // namespace
} // namespace strovel

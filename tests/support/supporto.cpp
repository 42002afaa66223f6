#include "tests/support/supporto.h"

#include "core/archivio.h"
#include "core/data_testo.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <memory>

#include <gtest/gtest.h>

namespace strovel::test {

std::optional<QString> DatiReali(const QString& nome) {
    const QString cartella = qEnvironmentVariable("STROVEL_DATI_REALI");
    if (cartella.isEmpty()) {
        return std::nullopt;
    }
    const QString percorso = QDir(cartella).filePath(nome);
    if (!QFileInfo::exists(percorso)) {
        return std::nullopt;
    }
    return percorso;
}

QDateTime Adesso() {
    return QDateTime(QDate(2026, 1, 2), QTime(10, 30, 0));
}

RigaEstrazione Riga(const std::string& data, int base) {
    RigaEstrazione riga;
    riga.data = data;
    for (int r = 0; r < 11; ++r) {
        std::array<std::int16_t, 5> numeri{};
        for (int p = 0; p < 5; ++p) {
            numeri[static_cast<std::size_t>(p)] =
                static_cast<std::int16_t>((base + r * 5 + p - 1) % 90 + 1);
        }
        riga.ruote[static_cast<std::size_t>(r)] = TestoRuota(numeri);
    }
    return riga;
}

void CreaArchivio(const QString& percorso, const std::vector<RigaEstrazione>& righe) {
    QString errore;
    ASSERT_TRUE(CreaArchivioDaRighe(percorso, righe, Adesso(), &errore)) << errore.toStdString();
}

std::vector<RigaEstrazione> RigheConsecutive(int n) {
    std::vector<RigaEstrazione> righe;
    const std::int64_t inizio = NumeroGiorno(Data{1, 1, 2000});
    for (int k = 0; k < n; ++k) {
        righe.push_back(Riga(TestoData(DataDaNumeroGiorno(inizio + k)), k % 90 + 1));
    }
    return righe;
}

const Archivio* ArchivioReale() {
    static std::unique_ptr<Archivio> archivio;
    static bool provato = false;
    if (!provato) {
        provato = true;
        const auto testo = DatiReali(QStringLiteral("archivio.txt"));
        if (!testo) {
            return nullptr;
        }
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("reale.mdb"));
        QString errore;
        if (!CreaArchivioDaTesto(*testo, percorso, Adesso(), &errore)) {
            ADD_FAILURE() << errore.toStdString();
            return nullptr;
        }
        DatabaseArchivio db;
        db.ApriArchivio(percorso, nullptr);
        archivio = std::make_unique<Archivio>();
        if (CaricaArchivioAvvio(db, 1, *archivio)) {
            ADD_FAILURE() << "caricamento dell'archivio reale non riuscito";
            archivio.reset();
        }
    }
    return archivio.get();
}

QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void DanneggiaFile(const QString& percorso) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 dimensione = f.size();
    ASSERT_GT(dimensione, 8 * 4096) << "file troppo piccolo da danneggiare";
    QByteArray sporco(4096 * 2, '\0');
    for (qsizetype k = 0; k < sporco.size(); ++k) {
        sporco[k] = static_cast<char>((k * 37 + 11) & 0xFF);
    }
    f.seek((dimensione / 4096 / 2) * 4096);
    f.write(sporco);
}

QString ImprontaArchivio(const QString& percorso) {
    DatabaseArchivio db;
    if (!db.ApriArchivio(percorso, nullptr)) {
        return {};
    }
    QSqlQuery q(db.Db());
    if (!q.exec(QStringLiteral("SELECT DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, \"To\", Ve, "
                               "Nz FROM EstrazioniLotto ORDER BY DataEstrazione"))) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    int righe = 0;
    while (q.next()) {
        ++righe;
        for (int c = 0; c < q.record().count(); ++c) {
            hash.addData(q.value(c).toString().toUtf8());
            hash.addData(QByteArrayView("|"));
        }
    }
    return QStringLiteral("%1:%2").arg(righe).arg(QString::fromLatin1(hash.result().toHex()));
}

void ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenuto);
}

} // namespace strovel::test

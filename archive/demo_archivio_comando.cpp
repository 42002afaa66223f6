// strovel-cli demo-archivio: an archive of made-up draws, for trying the program.

#include "cli/comandi.h"
#include "cli/comando.h"
#include "core/archivio.h"
#include "core/demo.h"
#include "storage/archivio_db.h"
#include "storage/crea_archivio.h"

#include <QDateTime>

namespace strovel::cli {

namespace {

class DemoArchivio : public Comando {
public:
    QString Nome() const override { return QStringLiteral("demo-archivio"); }
    QString Descrizione() const override {
        return QStringLiteral("Crea un archivio dimostrativo di estrazioni inventate "
                              "(martedì, giovedì e sabato, fino al 30/12/2025).");
    }
    QList<QCommandLineOption> Opzioni() const override {
        return {ConValore(QStringLiteral("estrazioni"),
                          QStringLiteral("Quante estrazioni, da 1 a 9999 (predefinito %1).")
                              .arg(EstrazioniDemoPredefinite),
                          QStringLiteral("N")),
                ConValore(QStringLiteral("seme"),
                          QStringLiteral("Il seme dei numeri: stesso seme, stesso archivio."),
                          QStringLiteral("S"))};
    }
    int Esegui(const Chiamata& c) const override {
        int estrazioni = EstrazioniDemoPredefinite;
        std::uint64_t seme = SemeDemoPredefinito;
        if (const auto v = c.Valore(QStringLiteral("estrazioni"))) {
            bool ok = false;
            estrazioni = v->toInt(&ok);
            if (!ok || estrazioni < 1 || estrazioni > Archivio::Capacita) {
                c.errori << QStringLiteral("Numero di estrazioni non valido: %1 (da 1 a 9999).\n")
                                .arg(*v);
                return CodiceUso;
            }
        }
        if (const auto v = c.Valore(QStringLiteral("seme"))) {
            bool ok = false;
            seme = v->toULongLong(&ok);
            if (!ok) {
                c.errori << QStringLiteral("Seme non valido: %1.\n").arg(*v);
                return CodiceUso;
            }
        }
        QString errore;
        // datareg/orareg of a demo are fixed too, so the same arguments give the same file.
        const QDateTime quando(QDate(2025, 12, 31), QTime(12, 0));
        if (!CreaArchivioDaRighe(c.posizionali[0], GeneraArchivioDemo(estrazioni, seme), quando,
                                 &errore)) {
            c.errori << errore << '\n';
            return CodiceErrore;
        }
        c.uscita << QStringLiteral("Archivio dimostrativo creato: %1 (%2 estrazioni)\n")
                        .arg(c.posizionali[0])
                        .arg(estrazioni);
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoDemoArchivio() {
    return std::make_unique<DemoArchivio>();
}

} // namespace strovel::cli

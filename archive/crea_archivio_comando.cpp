// strovel-cli crea-archivio: a new archive database from a text archive of draws.

#include "cli/comandi.h"
#include "cli/comando.h"
#include "storage/archivio_db.h"
#include "storage/crea_archivio.h"

#include <QDateTime>

namespace strovel::cli {

namespace {

const QString Da = QStringLiteral("da");

class CreaArchivio : public Comando {
public:
    QString Nome() const override { return QStringLiteral("crea-archivio"); }
    QString Descrizione() const override {
        return QStringLiteral("Crea un nuovo archivio da un file di testo delle estrazioni (a "
                              "colonne fisse o separato da tabulazioni).");
    }
    QList<QCommandLineOption> Opzioni() const override {
        return {ConValore(Da, QStringLiteral("Il file di testo delle estrazioni."),
                          QStringLiteral("FILE"))};
    }
    QStringList Obbligatorie() const override { return {Da}; }
    int Esegui(const Chiamata& c) const override {
        QString errore;
        if (!CreaArchivioDaTesto(*c.Valore(Da), c.posizionali[0], QDateTime::currentDateTime(),
                                 &errore)) {
            c.errori << errore << '\n';
            return CodiceErrore;
        }
        c.uscita << QStringLiteral("Archivio creato: %1\n").arg(c.posizionali[0]);
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoCreaArchivio() {
    return std::make_unique<CreaArchivio>();
}

} // namespace strovel::cli

// strovel-cli info: how many draws an archive holds, the first and the last.

#include "cli/comandi.h"
#include "cli/comando.h"
#include "core/archivio.h"
#include "storage/archivio_db.h"

namespace strovel::cli {

namespace {

class Info : public Comando {
public:
    QString Nome() const override { return QStringLiteral("info"); }
    QString Descrizione() const override {
        return QStringLiteral("Numero di estrazioni, prima e ultima data dell'archivio (separati "
                              "da tabulazioni).");
    }
    QList<QCommandLineOption> Opzioni() const override { return {}; }
    int Esegui(const Chiamata& c) const override {
        const QString& percorso = c.posizionali[0];
        DatabaseArchivio db;
        if (!Apri(percorso, db, c.errori)) {
            return CodiceErrore;
        }
        if (!db.HaTabellaEstrazioni()) {
            c.errori << QStringLiteral("Il database %1 non è un archivio di estrazioni.\n")
                            .arg(percorso);
            return CodiceErrore;
        }
        CausaErrore causa = CausaErrore::Nessuna;
        const int n = db.NumeroRighe(&causa);
        QString prima;
        QString ultima;
        if (n < 0 || (n > 0 && !db.Estremi(prima, ultima))) {
            c.errori << QStringLiteral("L'archivio %1 non è leggibile. ").arg(percorso)
                     << MessaggioCausa(n < 0 ? causa : CausaErrore::Danneggiato, percorso) << '\n';
            return CodiceErrore;
        }
        c.uscita << "estrazioni\t" << n << '\n'
                 << "prima\t" << prima << '\n'
                 << "ultima\t" << ultima << '\n';
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoInfo() {
    return std::make_unique<Info>();
}

} // namespace strovel::cli

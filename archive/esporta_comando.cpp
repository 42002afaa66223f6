// strovel-cli esporta: writes the archive in one of the three export formats.

#include "archive/esportazioni.h"
#include "cli/comandi.h"
#include "cli/comando.h"
#include "core/archivio.h"
#include "storage/archivio_db.h"

namespace strovel::cli {

namespace {

class Esporta : public Comando {
public:
    QString Nome() const override { return QStringLiteral("esporta"); }
    QString Descrizione() const override {
        return QStringLiteral("Esporta l'archivio in uno dei formati dei salvataggi; non scrive "
                              "mai sopra un database.");
    }
    QList<QCommandLineOption> Opzioni() const override {
        return {ConValore(QStringLiteral("formato"),
                          QStringLiteral("trindolo, pelvano (Dati.iii) o nazionale (testo)."),
                          QStringLiteral("trindolo|pelvano|nazionale")),
                ConValore(QStringLiteral("a"), QStringLiteral("Il file da scrivere."),
                          QStringLiteral("FILE"))};
    }
    QStringList Obbligatorie() const override {
        return {QStringLiteral("formato"), QStringLiteral("a")};
    }
    int Esegui(const Chiamata& c) const override {
        const QString formato = *c.Valore(QStringLiteral("formato"));
        const QString destinazione = *c.Valore(QStringLiteral("a"));
        const QStringList formati = {QStringLiteral("trindolo"), QStringLiteral("pelvano"),
                                     QStringLiteral("nazionale")};
        if (!formati.contains(formato)) {
            c.errori << QStringLiteral("Formato sconosciuto: %1 (trindolo, pelvano o nazionale).\n")
                            .arg(formato);
            return CodiceUso;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        // The archive being exported is never the target, whatever its name.
        const QStringList protetti = {c.posizionali[0]};
        const EsitoEsportazione esito =
            formato == formati[0]
                ? ScriviFileTesto(destinazione, TestoTrindolo(*archivio), protetti)
            : formato == formati[1]
                ? ScriviPelvano(*archivio, destinazione, protetti)
                : ScriviFileTesto(destinazione, TestoNazionale(*archivio), protetti);
        if (!esito.ok) {
            c.errori << QStringLiteral("Esportazione non eseguita: ") << esito.errore << '\n';
            return CodiceErrore;
        }
        c.uscita << QStringLiteral("Esportate %1 estrazioni in %2\n")
                        .arg(archivio->TotEstrazioni)
                        .arg(destinazione);
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoEsporta() {
    return std::make_unique<Esporta>();
}

} // namespace strovel::cli

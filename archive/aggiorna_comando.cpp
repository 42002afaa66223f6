// strovel-cli aggiorna: checks a text archive of draws against the archive and adds or corrects
// draws, in one transaction.

#include "archive/aggiornamento.h"
#include "cli/comandi.h"
#include "cli/comando.h"
#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/errori_sqlite.h"
#include "storage/scaricamento.h"

#include <QDateTime>
#include <QUrl>

namespace strovel::cli {

namespace {

const QString Da = QStringLiteral("da");

class Aggiorna : public Comando {
public:
    QString Nome() const override { return QStringLiteral("aggiorna"); }
    QString Descrizione() const override {
        return QStringLiteral("Confronta un archivio di testo (file o indirizzo web) con "
                              "l'archivio e aggiunge le estrazioni mancanti, in una sola "
                              "transazione.");
    }
    QList<QCommandLineOption> Opzioni() const override {
        return {ConValore(Da,
                          QStringLiteral("Il file di testo a colonne fisse (prima riga di 178 "
                                         "caratteri che termina con \"pr\") o un indirizzo "
                                         "http(s)."),
                          QStringLiteral("FILE|URL")),
                Interruttore(QStringLiteral("correggi"),
                             QStringLiteral("Riscrive anche le estrazioni che differiscono "
                                            "(Corregge estrazioni errate).")),
                Interruttore(QStringLiteral("anche-malformati"),
                             QStringLiteral("Scrive anche i record malformati, che altrimenti "
                                            "vengono saltati."))};
    }
    QStringList Obbligatorie() const override { return {Da}; }
    int Esegui(const Chiamata& c) const override {
        DatabaseArchivio db;
        if (!Apri(c.posizionali[0], db, c.errori)) {
            return CodiceErrore;
        }
        const QString da = *c.Valore(Da);
        const bool web =
            da.startsWith(QStringLiteral("http://")) || da.startsWith(QStringLiteral("https://"));
        QByteArray contenuto;
        const QString passo = QString::fromUtf8(web ? PassoCollegamento : PassoElenco);
        const QString fallimento =
            QStringLiteral("Attenzione qualcosa è andato strorto nella procedura ");
        if (web) {
            QString errore;
            if (!Scarica(QUrl(da), contenuto, &errore)) {
                c.errori << fallimento << passo << " (" << errore << ")\n";
                return CodiceErrore;
            }
        } else {
            FileAggiornamento file = LeggiFileAggiornamento(da);
            if (file.esito == FileAggiornamento::Esito::NonLeggibile) {
                c.errori << fallimento << passo << " (" << file.motivo << ")\n";
                return CodiceErrore;
            }
            if (file.esito == FileAggiornamento::Esito::FormatoErrato) {
                c.errori << QStringLiteral(
                    "Attenzione, sembra che il file non sia del formato corretto\n");
                return CodiceErrore;
            }
            contenuto = std::move(file.contenuto);
        }
        std::vector<Candidata> candidate = Candidate(contenuto);
        if (candidate.empty()) {
            c.uscita << QStringLiteral("Nessuna estrazione nel testo.\n");
            return CodiceOk;
        }
        const EsitoControllo controllo = ConfrontoArchivio(db, candidate);
        for (const QString& riga : controllo.messaggi) {
            c.uscita << riga << '\n';
        }
        if (!controllo.passoFallito.isEmpty()) {
            c.errori << fallimento << controllo.passoFallito << " (" << controllo.motivo << ")\n";
            return CodiceErrore;
        }
        const EsitoApplicazione applicazione = AggiornamentoArchivio(
            db, candidate, c.Presente(QStringLiteral("correggi")), QDateTime::currentDateTime(),
            c.Presente(QStringLiteral("anche-malformati")));
        for (const QString& riga : applicazione.saltate) {
            c.errori << riga << '\n';
        }
        if (!applicazione.errore.isEmpty()) {
            c.errori << QStringLiteral("Aggiornamento non eseguito, l'archivio è invariato: ")
                     << applicazione.errore << '\n';
            return CodiceErrore;
        }
        for (const QString& riga : applicazione.messaggi) {
            c.uscita << riga << '\n';
        }
        c.uscita << QStringLiteral("Estrazioni aggiunte: %1, modificate: %2\n")
                        .arg(applicazione.aggiunte)
                        .arg(applicazione.modificate);
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoAggiorna() {
    return std::make_unique<Aggiorna>();
}

} // namespace strovel::cli

// The archive commands of strovel-cli: build, inspect, update and export archive databases.

#include "archive/aggiornamento.h"
#include "archive/esportazioni.h"
#include "cli/comando.h"
#include "core/archivio.h"
#include "core/demo.h"
#include "storage/archivio_db.h"
#include "storage/crea_archivio.h"
#include "storage/errori_sqlite.h"
#include "storage/scaricamento.h"

#include <QDateTime>
#include <QUrl>

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

std::vector<std::unique_ptr<Comando>> ComandiArchivio() {
    std::vector<std::unique_ptr<Comando>> comandi;
    comandi.push_back(std::make_unique<CreaArchivio>());
    comandi.push_back(std::make_unique<Info>());
    comandi.push_back(std::make_unique<DemoArchivio>());
    comandi.push_back(std::make_unique<Aggiorna>());
    comandi.push_back(std::make_unique<Esporta>());
    return comandi;
}

} // namespace strovel::cli

#include "cli/comandi.h"

#include "archive/aggiornamento.h"
#include "archive/esportazioni.h"
#include "core/archivio.h"
#include "core/demo.h"
#include "core/ruote.h"
#include "cycles/strovel.h"
#include "cycles/strovel_tabelle.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/crea_archivio.h"
#include "storage/errori_sqlite.h"
#include "storage/scaricamento.h"
#include "storage/testo_aggiornamento.h"
#include "storage/testo_qt.h"

#include <QDateTime>
#include <QFile>
#include <QUrl>

#include <memory>
#include <optional>

namespace strovel::cli {

namespace {

const char* const Uso =
    "Uso:\n"
    "  strovel-cli crea-archivio ARCHIVIO.mdb --da FILE\n"
    "  strovel-cli info ARCHIVIO.mdb\n"
    "  strovel-cli demo-archivio ARCHIVIO.mdb [--estrazioni N] [--seme S]\n"
    "  strovel-cli cicli ARCHIVIO.mdb [--riferimento N] [--cicli C] [--durata D]\n"
    "      [--considera K] [--salto S] [--colpi N] [--elenco E] [--operatore + - X F C V]\n"
    "      [--rilevazione BA,CA,..|TU] [--gioco BA,CA,..|TU] [--stop] [--tutte-operazioni]\n"
    "      [--csv]\n"
    "  strovel-cli aggiorna ARCHIVIO.mdb --da FILE|URL [--correggi] [--anche-malformati]\n"
    "  strovel-cli esporta ARCHIVIO.mdb --formato trindolo|pelvano|nazionale --a FILE\n";

/// Arguments of one command: positional values and --name value options.
struct Argomenti {
    QStringList posizionali;
    QList<QPair<QString, QString>> opzioni;
    QStringList interruttori;

    bool Interruttore(const QString& nome) const { return interruttori.contains(nome); }

    std::optional<QString> Opzione(const QString& nome) const {
        for (const auto& [n, v] : opzioni) {
            if (n == nome) {
                return v;
            }
        }
        return std::nullopt;
    }
};

bool Analizza(const QStringList& lista, const QStringList& ammesse, Argomenti& a,
              QTextStream& errori, const QStringList& interruttori = {}) {
    for (qsizetype k = 0; k < lista.size(); ++k) {
        const QString& arg = lista[k];
        if (arg.startsWith(QStringLiteral("--"))) {
            const QString nome = arg.mid(2);
            if (interruttori.contains(nome)) {
                a.interruttori.append(nome);
                continue;
            }
            if (!ammesse.contains(nome)) {
                errori << QStringLiteral("Opzione sconosciuta: %1\n").arg(arg);
                return false;
            }
            if (k + 1 >= lista.size()) {
                errori << QStringLiteral("L'opzione %1 richiede un valore.\n").arg(arg);
                return false;
            }
            a.opzioni.append({nome, lista[++k]});
        } else {
            a.posizionali.append(arg);
        }
    }
    return true;
}

int CreaArchivio(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    const auto da = a.Opzione(QStringLiteral("da"));
    if (a.posizionali.size() != 1 || !da) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    QString errore;
    if (!CreaArchivioDaTesto(*da, a.posizionali[0], QDateTime::currentDateTime(), &errore)) {
        errori << errore << '\n';
        return 1;
    }
    uscita << QStringLiteral("Archivio creato: %1\n").arg(a.posizionali[0]);
    return 0;
}

/// Opens an archive database, telling why on stderr when it cannot.
bool Apri(const QString& percorso, DatabaseArchivio& db, QTextStream& errori) {
    QString errore;
    if (!db.ApriArchivio(percorso, &errore)) {
        errori << errore << '\n';
        return false;
    }
    return true;
}

int Info(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    if (a.posizionali.size() != 1) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    DatabaseArchivio db;
    if (!Apri(a.posizionali[0], db, errori)) {
        return 1;
    }
    if (!db.HaTabellaEstrazioni()) {
        errori << QStringLiteral("Il database %1 non è un archivio di estrazioni.\n")
                      .arg(a.posizionali[0]);
        return 1;
    }
    CausaErrore causa = CausaErrore::Nessuna;
    const int n = db.NumeroRighe(&causa);
    QString prima;
    QString ultima;
    if (n < 0 || (n > 0 && !db.Estremi(prima, ultima))) {
        errori << QStringLiteral("L'archivio %1 non è leggibile. ").arg(a.posizionali[0])
               << MessaggioCausa(n < 0 ? causa : CausaErrore::Danneggiato, a.posizionali[0])
               << '\n';
        return 1;
    }
    uscita << "estrazioni\t" << n << '\n'
           << "prima\t" << prima << '\n'
           << "ultima\t" << ultima << '\n';
    return 0;
}

int DemoArchivio(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    if (a.posizionali.size() != 1) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    int estrazioni = EstrazioniDemoPredefinite;
    std::uint64_t seme = SemeDemoPredefinito;
    if (const auto v = a.Opzione(QStringLiteral("estrazioni"))) {
        bool ok = false;
        estrazioni = v->toInt(&ok);
        if (!ok || estrazioni < 1 || estrazioni > 9999) {
            errori
                << QStringLiteral("Numero di estrazioni non valido: %1 (da 1 a 9999).\n").arg(*v);
            return 2;
        }
    }
    if (const auto v = a.Opzione(QStringLiteral("seme"))) {
        bool ok = false;
        seme = v->toULongLong(&ok);
        if (!ok) {
            errori << QStringLiteral("Seme non valido: %1.\n").arg(*v);
            return 2;
        }
    }
    QString errore;
    // datareg/orareg of a demo are fixed too, so the same arguments give the same file content.
    const QDateTime quando(QDate(2025, 12, 31), QTime(12, 0));
    if (!CreaArchivioDaRighe(a.posizionali[0], GeneraArchivioDemo(estrazioni, seme), quando,
                             &errore)) {
        errori << errore << '\n';
        return 1;
    }
    uscita << QStringLiteral("Archivio dimostrativo creato: %1 (%2 estrazioni)\n")
                  .arg(a.posizionali[0])
                  .arg(estrazioni);
    return 0;
}

/// An integer option within minimo..massimo; `valore` keeps its default when absent.
bool Intero(const Argomenti& a, const char* nome, int minimo, int massimo, int& valore,
            QTextStream& errori) {
    const auto testo = a.Opzione(QString::fromLatin1(nome));
    if (!testo) {
        return true;
    }
    bool ok = false;
    const int v = testo->toInt(&ok);
    if (!ok || v < minimo || v > massimo) {
        errori << QStringLiteral("Valore non valido per --%1: %2 (da %3 a %4).\n")
                      .arg(QString::fromLatin1(nome), *testo)
                      .arg(minimo)
                      .arg(massimo);
        return false;
    }
    valore = v;
    return true;
}

/// An option whose value must be one of a window list's items; `valore` keeps its default
/// when absent.
bool DallaLista(const Argomenti& a, const char* nome, const ListaValori& lista, int& valore,
                QTextStream& errori) {
    const auto testo = a.Opzione(QString::fromLatin1(nome));
    if (!testo) {
        return true;
    }
    bool ok = false;
    const int v = testo->toInt(&ok);
    if (!ok || !lista.Ammesso(v)) {
        errori << QStringLiteral("Valore non valido per --%1: %2 (%3).\n")
                      .arg(QString::fromLatin1(nome), *testo,
                           QString::fromStdString(lista.Descrizione()));
        return false;
    }
    valore = v;
    return true;
}

/// Wheels as comma-separated codes, or TU for all.
bool Ruote(const Argomenti& a, const char* nome, std::array<bool, 11>& ruote, QTextStream& errori) {
    const QString testo = a.Opzione(QString::fromLatin1(nome)).value_or(QStringLiteral("TU"));
    ruote.fill(false);
    for (const QString& parte : testo.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        std::string codice = parte.trimmed().toStdString();
        const int r = CercaRuota(codice);
        if (codice == "TU") {
            ruote.fill(true);
        } else if (r >= 0 && codice.size() == 2) {
            ruote[static_cast<std::size_t>(r)] = true;
        } else {
            errori << QStringLiteral("Ruota sconosciuta in --%1: %2 (BA CA FI GE MI NA PA RO TO "
                                     "VE NZ oppure TU).\n")
                          .arg(QString::fromLatin1(nome), parte);
            return false;
        }
    }
    return true;
}

/// Opens and loads an archive database into `archivio`.
bool CaricaArchivio(const QString& percorso, DatabaseArchivio& db, Archivio& archivio,
                    QTextStream& errori) {
    if (!Apri(percorso, db, errori)) {
        return false;
    }
    if (const auto e = CaricaArchivioExNovo(db, archivio)) {
        errori << QStringLiteral("Archivio %1 non caricato: %2\n").arg(percorso, e->dettaglio);
        return false;
    }
    return true;
}

int Cicli(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    if (a.posizionali.size() != 1) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    DatabaseArchivio db;
    auto archivio = std::make_unique<Archivio>();
    if (!CaricaArchivio(a.posizionali[0], db, *archivio, errori)) {
        return 1;
    }
    ParametriStrovel p;
    p.riferimento = archivio->TotEstrazioni;
    const bool ok = Intero(a, "riferimento", 1, archivio->TotEstrazioni, p.riferimento, errori) &&
                    DallaLista(a, "cicli", liste_strovel::Cicli, p.cicli, errori) &&
                    DallaLista(a, "durata", liste_strovel::Durata, p.durata, errori) &&
                    DallaLista(a, "considera", liste_strovel::Considera, p.considera, errori) &&
                    DallaLista(a, "salto", liste_strovel::Salto, p.salto, errori) &&
                    DallaLista(a, "colpi", liste_strovel::Colpi, p.colpi, errori) &&
                    DallaLista(a, "elenco", liste_strovel::Elenco, p.elenco, errori) &&
                    Ruote(a, "rilevazione", p.rilevazione, errori) &&
                    Ruote(a, "gioco", p.gioco, errori);
    if (!ok) {
        return 2;
    }
    if (const auto op = a.Opzione(QStringLiteral("operatore"))) {
        const auto operazione = OperazioneDaVoce(op->toStdString());
        if (op->size() != 1 || !operazione) {
            errori << QStringLiteral("Operatore non valido: %1 (uno tra + - X F C V).\n").arg(*op);
            return 2;
        }
        p.operazione = *operazione;
    }
    p.stop = a.Interruttore(QStringLiteral("stop"));
    const EsitoStrovel e = a.Interruttore(QStringLiteral("tutte-operazioni"))
                               ? EsaminaTutteLeOperazioni(*archivio, p)
                               : ElaboraStrovel(*archivio, p);
    if (e.mancanoRuote) {
        errori << QStringLiteral("Attenzione si deve selezionare almeno una ruota di rilevazione "
                                 "ed una su cui giocare\n");
        return 1;
    }
    const Tabella t = TabellaFormule(e.formule, 21);
    const std::string testo = a.Interruttore(QStringLiteral("csv")) ? t.Csv() : t.Tsv();
    uscita << QString::fromStdString(testo);
    return 0;
}

int Aggiorna(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    const auto da = a.Opzione(QStringLiteral("da"));
    if (a.posizionali.size() != 1 || !da) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    DatabaseArchivio db;
    if (!Apri(a.posizionali[0], db, errori)) {
        return 1;
    }
    QString errore;
    const bool web =
        da->startsWith(QStringLiteral("http://")) || da->startsWith(QStringLiteral("https://"));
    QByteArray contenuto;
    const QString passo = QString::fromUtf8(web ? PassoCollegamento : PassoElenco);
    const QString fallimento =
        QStringLiteral("Attenzione qualcosa è andato strorto nella procedura ");
    if (web) {
        if (!Scarica(QUrl(*da), contenuto, &errore)) {
            errori << fallimento << passo << " (" << errore << ")\n";
            return 1;
        }
    } else {
        FileAggiornamento file = LeggiFileAggiornamento(*da);
        if (file.esito == FileAggiornamento::Esito::NonLeggibile) {
            errori << fallimento << passo << " (" << file.motivo << ")\n";
            return 1;
        }
        if (file.esito == FileAggiornamento::Esito::FormatoErrato) {
            errori << QStringLiteral(
                "Attenzione, sembra che il file non sia del formato corretto\n");
            return 1;
        }
        contenuto = std::move(file.contenuto);
    }
    std::vector<Candidata> candidate = Candidate(contenuto);
    if (candidate.empty()) {
        uscita << QStringLiteral("Nessuna estrazione nel testo.\n");
        return 0;
    }
    const EsitoControllo controllo = ConfrontoArchivio(db, candidate);
    for (const QString& riga : controllo.messaggi) {
        uscita << riga << '\n';
    }
    if (!controllo.passoFallito.isEmpty()) {
        errori << fallimento << controllo.passoFallito << " (" << controllo.motivo << ")\n";
        return 1;
    }
    const EsitoApplicazione applicazione = AggiornamentoArchivio(
        db, candidate, a.Interruttore(QStringLiteral("correggi")), QDateTime::currentDateTime(),
        a.Interruttore(QStringLiteral("anche-malformati")));
    for (const QString& riga : applicazione.saltate) {
        errori << riga << '\n';
    }
    if (!applicazione.errore.isEmpty()) {
        errori << QStringLiteral("Aggiornamento non eseguito, l'archivio è invariato: ")
               << applicazione.errore << '\n';
        return 1;
    }
    for (const QString& riga : applicazione.messaggi) {
        uscita << riga << '\n';
    }
    uscita << QStringLiteral("Estrazioni aggiunte: %1, modificate: %2\n")
                  .arg(applicazione.aggiunte)
                  .arg(applicazione.modificate);
    return 0;
}

int Esporta(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    const auto formato = a.Opzione(QStringLiteral("formato"));
    const auto destinazione = a.Opzione(QStringLiteral("a"));
    if (a.posizionali.size() != 1 || !formato || !destinazione) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    DatabaseArchivio db;
    auto archivio = std::make_unique<Archivio>();
    if (!CaricaArchivio(a.posizionali[0], db, *archivio, errori)) {
        return 1;
    }
    // The archive being exported is never the target, whatever its name.
    const QStringList protetti = {a.posizionali[0]};
    EsitoEsportazione esito;
    if (*formato == QStringLiteral("trindolo")) {
        esito = ScriviFileTesto(*destinazione, TestoTrindolo(*archivio), protetti);
    } else if (*formato == QStringLiteral("pelvano")) {
        esito = ScriviPelvano(*archivio, *destinazione, protetti);
    } else if (*formato == QStringLiteral("nazionale")) {
        esito = ScriviFileTesto(*destinazione, TestoNazionale(*archivio), protetti);
    } else {
        errori << QStringLiteral("Formato sconosciuto: %1 (trindolo, pelvano o nazionale).\n")
                      .arg(*formato);
        return 2;
    }
    if (!esito.ok) {
        errori << QStringLiteral("Esportazione non eseguita: ") << esito.errore << '\n';
        return 1;
    }
    uscita << QStringLiteral("Esportate %1 estrazioni in %2\n")
                  .arg(archivio->TotEstrazioni)
                  .arg(*destinazione);
    return 0;
}

} // namespace

int Esegui(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    if (argomenti.isEmpty()) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    const QString comando = argomenti.first();
    const QStringList resto = argomenti.mid(1);
    Argomenti a;
    if (comando == QStringLiteral("crea-archivio")) {
        return Analizza(resto, {QStringLiteral("da")}, a, errori) ? CreaArchivio(a, uscita, errori)
                                                                  : 2;
    }
    if (comando == QStringLiteral("info")) {
        return Analizza(resto, {}, a, errori) ? Info(a, uscita, errori) : 2;
    }
    if (comando == QStringLiteral("demo-archivio")) {
        return Analizza(resto, {QStringLiteral("estrazioni"), QStringLiteral("seme")}, a, errori)
                   ? DemoArchivio(a, uscita, errori)
                   : 2;
    }
    if (comando == QStringLiteral("cicli")) {
        const QStringList opzioni = {QStringLiteral("riferimento"), QStringLiteral("cicli"),
                                     QStringLiteral("durata"),      QStringLiteral("considera"),
                                     QStringLiteral("salto"),       QStringLiteral("colpi"),
                                     QStringLiteral("elenco"),      QStringLiteral("operatore"),
                                     QStringLiteral("rilevazione"), QStringLiteral("gioco")};
        const QStringList interruttori = {
            QStringLiteral("stop"), QStringLiteral("tutte-operazioni"), QStringLiteral("csv")};
        return Analizza(resto, opzioni, a, errori, interruttori) ? Cicli(a, uscita, errori) : 2;
    }
    if (comando == QStringLiteral("aggiorna")) {
        return Analizza(resto, {QStringLiteral("da")}, a, errori,
                        {QStringLiteral("correggi"), QStringLiteral("anche-malformati")})
                   ? Aggiorna(a, uscita, errori)
                   : 2;
    }
    if (comando == QStringLiteral("esporta")) {
        return Analizza(resto, {QStringLiteral("formato"), QStringLiteral("a")}, a, errori)
                   ? Esporta(a, uscita, errori)
                   : 2;
    }
    errori << QStringLiteral("Comando sconosciuto: %1\n").arg(comando) << QString::fromUtf8(Uso);
    return 2;
}

} // namespace strovel::cli

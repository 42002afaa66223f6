#include "cli/comando.h"

#include "core/lista_valori.h"
#include "core/ruote.h"
#include "core/tabella.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"

#include <algorithm>

namespace strovel::cli {

std::optional<QString> Chiamata::Valore(const QString& nome) const {
    if (!Presente(nome)) {
        return std::nullopt;
    }
    return parser.value(nome);
}

QString Comando::RigaUso() const {
    QString riga = QStringLiteral("strovel-cli ") + Nome();
    if (!Posizionali().isEmpty()) {
        riga += QLatin1Char(' ') + Posizionali();
    }
    const QStringList obbligatorie = Obbligatorie();
    for (const QCommandLineOption& o : TutteLeOpzioni()) {
        const QString nome = o.names().constFirst();
        QString voce = QStringLiteral("--") + nome;
        if (!o.valueName().isEmpty()) {
            voce += QLatin1Char(' ') + o.valueName();
        }
        riga += obbligatorie.contains(nome) ? QLatin1Char(' ') + voce
                                            : QStringLiteral(" [") + voce + QLatin1Char(']');
    }
    return riga;
}

QList<QCommandLineOption> Comando::TutteLeOpzioni() const {
    QList<QCommandLineOption> opzioni = Opzioni();
    if (ConFiltroCalendario()) {
        opzioni +=
            {ConValore(QStringLiteral("giorni"),
                       QStringLiteral("Solo le estrazioni di questi giorni della settimana: "
                                      "lun, mar, mer, gio, ven, sab, dom (o 1..7), "
                                      "separati da virgole."),
                       QStringLiteral("G")),
             ConValore(QStringLiteral("mesi"),
                       QStringLiteral("Solo le estrazioni di questi mesi: gen, feb, ..., dic "
                                      "(o 1..12, anche 3-5), separati da virgole."),
                       QStringLiteral("M"))};
    }
    return opzioni;
}

QCommandLineOption Interruttore(const QString& nome, const QString& descrizione) {
    return QCommandLineOption(nome, descrizione);
}

QCommandLineOption ConValore(const QString& nome, const QString& descrizione,
                             const QString& nomeValore) {
    return QCommandLineOption(nome, descrizione, nomeValore);
}

QCommandLineOption OpzioneRuote(const QString& nome, const QString& titolo,
                                const QString& predefinito) {
    return ConValore(nome,
                     QStringLiteral("%1, sigle separate da virgole o TU (predefinito %2).")
                         .arg(titolo, predefinito),
                     QStringLiteral("BA,CA,..|TU"));
}

QCommandLineOption OpzionePosizioni() {
    return ConValore(QStringLiteral("posizioni"),
                     QStringLiteral("Posizioni da 1 a 5 separate da virgole (predefinite tutte)."),
                     QStringLiteral("P"));
}

bool AlPiuUna(const Chiamata& c, const QStringList& nomi) {
    int date = 0;
    for (const QString& n : nomi) {
        date += c.Presente(n) ? 1 : 0;
    }
    if (date > 1) {
        c.errori << QStringLiteral("Le opzioni --%1 si escludono a vicenda.\n")
                        .arg(nomi.join(QStringLiteral(", --")));
        return false;
    }
    return true;
}

void ScriviRighe(const Tabella& t, bool csv, QTextStream& uscita) {
    std::string testo = csv ? t.Csv() : t.Tsv();
    testo.erase(0, testo.find('\n') + 1);
    uscita << QString::fromStdString(testo);
}

QCommandLineOption OpzioneCsv() {
    return Interruttore(QStringLiteral("csv"),
                        QStringLiteral("Valori separati da virgole invece che da tabulazioni."));
}

QCommandLineOption OpzioneLista(const ListaValori& lista) {
    return ConValore(QString::fromUtf8(lista.opzione),
                     QStringLiteral("%1: %2.").arg(QString::fromUtf8(lista.didascalia),
                                                   QString::fromStdString(lista.Descrizione())),
                     QString::fromUtf8(lista.segnaposto));
}

bool Intero(const Chiamata& c, const QString& nome, int minimo, int massimo, int& valore) {
    const auto testo = c.Valore(nome);
    if (!testo) {
        return true;
    }
    bool ok = false;
    const int v = testo->toInt(&ok);
    if (!ok || v < minimo || v > massimo) {
        c.errori << QStringLiteral("Valore non valido per --%1: %2 (da %3 a %4).\n")
                        .arg(nome, *testo)
                        .arg(minimo)
                        .arg(massimo);
        return false;
    }
    valore = v;
    return true;
}

bool DallaLista(const Chiamata& c, const ListaValori& lista, int& valore) {
    const QString nome = QString::fromUtf8(lista.opzione);
    const auto testo = c.Valore(nome);
    if (!testo) {
        return true;
    }
    bool ok = false;
    const int v = testo->toInt(&ok);
    if (!ok || !lista.Ammesso(v)) {
        c.errori << QStringLiteral("Valore non valido per --%1: %2 (%3).\n")
                        .arg(nome, *testo, QString::fromStdString(lista.Descrizione()));
        return false;
    }
    valore = v;
    return true;
}

bool LeggiRuote(const Chiamata& c, const QString& nome, std::array<bool, 11>& ruote) {
    const QString testo = c.Valore(nome).value_or(QStringLiteral("TU"));
    ruote.fill(false);
    for (const QString& parte : testo.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        std::string codice = parte.trimmed().toStdString();
        const int r = CercaRuota(codice);
        if (codice == "TU") {
            ruote.fill(true);
        } else if (r >= 0 && codice.size() == 2) {
            ruote[static_cast<std::size_t>(r)] = true;
        } else {
            c.errori << QStringLiteral("Ruota sconosciuta in --%1: %2 (BA CA FI GE MI NA PA RO TO "
                                       "VE NZ oppure TU).\n")
                            .arg(nome, parte);
            return false;
        }
    }
    // Given, the option must name some wheel: "--ruote ," would silently leave none.
    if (std::find(ruote.begin(), ruote.end(), true) == ruote.end()) {
        c.errori << QStringLiteral("Nessuna ruota in --%1: indicare almeno una sigla (BA CA FI GE "
                                   "MI NA PA RO TO VE NZ) oppure TU.\n")
                        .arg(nome);
        return false;
    }
    return true;
}

bool LeggiPosizioni(const Chiamata& c, const QString& nome, std::array<bool, 5>& posizioni) {
    const QString testo = c.Valore(nome).value_or(QStringLiteral("1,2,3,4,5"));
    posizioni.fill(false);
    for (const QString& parte : testo.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int p = parte.trimmed().toInt(&ok);
        if (!ok || p < 1 || p > 5) {
            c.errori << QStringLiteral("Posizione non valida in --%1: %2 (da 1 a 5).\n")
                            .arg(nome, parte);
            return false;
        }
        posizioni[static_cast<std::size_t>(p - 1)] = true;
    }
    if (std::find(posizioni.begin(), posizioni.end(), true) == posizioni.end()) {
        c.errori << QStringLiteral("Nessuna posizione in --%1: indicare almeno una posizione da 1 "
                                   "a 5.\n")
                        .arg(nome);
        return false;
    }
    return true;
}

bool Apri(const QString& percorso, DatabaseArchivio& db, QTextStream& errori) {
    QString errore;
    if (!db.ApriArchivio(percorso, &errore)) {
        errori << errore << '\n';
        return false;
    }
    return true;
}

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

bool LeggiFiltroCalendario(const QCommandLineParser& parser, FiltroCalendario& filtro,
                           QTextStream& errori) {
    const QStringList date = parser.optionNames();
    if (date.contains(QStringLiteral("giorni"))) {
        const QString testo = parser.value(QStringLiteral("giorni"));
        const auto giorni = LeggiGiorni(testo.toStdString());
        if (!giorni) {
            errori << QStringLiteral("Giorni non validi: %1 (lun, mar, mer, gio, ven, sab, dom o "
                                     "da 1 a 7, separati da virgole).\n")
                          .arg(testo);
            return false;
        }
        filtro.giorni = *giorni;
    }
    if (date.contains(QStringLiteral("mesi"))) {
        const QString testo = parser.value(QStringLiteral("mesi"));
        const auto mesi = LeggiMesi(testo.toStdString());
        if (!mesi) {
            errori << QStringLiteral("Mesi non validi: %1 (gen, feb, ..., dic o da 1 a 12, "
                                     "separati da virgole).\n")
                          .arg(testo);
            return false;
        }
        filtro.mesi = *mesi;
    }
    return true;
}

std::unique_ptr<Archivio> ArchivioDelComando(const Chiamata& c) {
    DatabaseArchivio db;
    auto archivio = std::make_unique<Archivio>();
    if (!CaricaArchivio(c.posizionali[0], db, *archivio, c.errori)) {
        return nullptr;
    }
    if (c.filtro.Attivo()) {
        *archivio = FiltraArchivio(*archivio, c.filtro);
        if (archivio->TotEstrazioni == 0) {
            c.errori << QStringLiteral("Nessuna estrazione nei giorni e mesi scelti.\n");
            return nullptr;
        }
    }
    return archivio;
}

void ScriviTabella(const Tabella& t, bool csv, QTextStream& uscita) {
    uscita << QString::fromStdString(csv ? t.Csv() : t.Tsv());
}

} // namespace strovel::cli

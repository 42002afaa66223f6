#include "cli/comandi.h"

#include "core/demo.h"
#include "storage/archivio_db.h"
#include "storage/crea_archivio.h"
#include "storage/testo_qt.h"

#include <QDateTime>

#include <optional>

namespace strovel::cli {

namespace {

const char* const Uso = "Uso:\n"
                        "  strovel-cli crea-archivio ARCHIVIO.mdb --da FILE\n"
                        "  strovel-cli info ARCHIVIO.mdb\n"
                        "  strovel-cli demo-archivio ARCHIVIO.mdb [--estrazioni N] [--seme S]\n";

/// Arguments of one command: positional values and --name value options.
struct Argomenti {
    QStringList posizionali;
    QList<QPair<QString, QString>> opzioni;

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
              QTextStream& errori) {
    for (qsizetype k = 0; k < lista.size(); ++k) {
        const QString& arg = lista[k];
        if (arg.startsWith(QStringLiteral("--"))) {
            const QString nome = arg.mid(2);
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

int Info(const Argomenti& a, QTextStream& uscita, QTextStream& errori) {
    if (a.posizionali.size() != 1) {
        errori << QString::fromUtf8(Uso);
        return 2;
    }
    DatabaseArchivio db;
    QString errore;
    if (!db.ApriArchivio(a.posizionali[0], &errore)) {
        errori << errore << '\n';
        return 1;
    }
    if (!db.HaTabellaEstrazioni()) {
        errori << QStringLiteral("Il database %1 non è un archivio di estrazioni.\n")
                      .arg(a.posizionali[0]);
        return 1;
    }
    const int n = db.NumeroRighe();
    QString prima;
    QString ultima;
    db.Estremi(prima, ultima);
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
    errori << QStringLiteral("Comando sconosciuto: %1\n").arg(comando) << QString::fromUtf8(Uso);
    return 2;
}

} // namespace strovel::cli

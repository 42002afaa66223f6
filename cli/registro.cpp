#include "cli/registro.h"

#include "cli/comandi.h"
#include "cli/comando.h"
#include "cli/documentazione.h"

#include <QCommandLineParser>

namespace strovel::cli {

namespace {} // namespace

const std::vector<std::unique_ptr<Comando>>& Comandi() {
    static const std::vector<std::unique_ptr<Comando>> comandi = [] {
        std::vector<std::unique_ptr<Comando>> tutti;
        for (auto* crea :
             {&CreaComandoCreaArchivio, &CreaComandoInfo, &CreaComandoDemoArchivio,
              &CreaComandoAggiorna, &CreaComandoEsporta, &CreaComandoCicli, &CreaComandoCicli2,
              &CreaComandoCicliAmbi, &CreaComandoAmbataDinamica, &CreaComandoCinquinaSpiona,
              &CreaComandoRitardi, &CreaComandoMaltese, &CreaComandoAmboSomme}) {
            tutti.push_back(crea());
        }
        return tutti;
    }();
    return comandi;
}

namespace {

const Comando* Trova(const QString& nome) {
    for (const auto& c : Comandi()) {
        if (c->Nome() == nome) {
            return c.get();
        }
    }
    return nullptr;
}

/// A usage line folded at 96 columns, the continuation lines indented.
QString Piega(const QString& riga, const QString& rientro, const QString& seguito) {
    QString testo = rientro;
    int colonna = static_cast<int>(rientro.size());
    bool primo = true;
    for (const QString& parola : riga.split(QLatin1Char(' '))) {
        if (!primo && colonna + 1 + parola.size() > 96) {
            testo += QLatin1Char('\n') + seguito;
            colonna = static_cast<int>(seguito.size());
        } else if (!primo) {
            testo += QLatin1Char(' ');
            ++colonna;
        }
        testo += parola;
        colonna += static_cast<int>(parola.size());
        primo = false;
    }
    return testo + QLatin1Char('\n');
}

QString UsoGenerale() {
    QString t = QStringLiteral("Uso:\n");
    for (const auto& c : Comandi()) {
        t += Piega(c->RigaUso(), QStringLiteral("  "), QStringLiteral("      "));
    }
    t += QStringLiteral("  strovel-cli COMANDO --help    (le opzioni di un comando)\n"
                        "  strovel-cli --help | --version | --manuale | --completamento-bash\n");
    return t;
}

QString AiutoComando(const Comando& c) {
    QString t = QStringLiteral("Uso:\n") +
                Piega(c.RigaUso(), QStringLiteral("  "), QStringLiteral("      ")) +
                QLatin1Char('\n') + Piega(c.Descrizione(), QString(), QString());
    const QList<QCommandLineOption> opzioni = c.TutteLeOpzioni();
    if (!opzioni.isEmpty()) {
        t += QStringLiteral("\nOpzioni:\n");
        for (const QCommandLineOption& o : opzioni) {
            QString voce = QStringLiteral("--") + o.names().constFirst();
            if (!o.valueName().isEmpty()) {
                voce += QLatin1Char(' ') + o.valueName();
            }
            t += QStringLiteral("  ") + voce + QLatin1Char('\n') +
                 Piega(o.description(), QStringLiteral("      "), QStringLiteral("      "));
        }
    }
    return t;
}

/// QCommandLineParser's own errors are in English: they are said again in Italian.
QString ErroreDiAnalisi(const QCommandLineParser& parser, const QStringList& argomenti,
                        const QList<QCommandLineOption>& opzioni) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString nome = parser.unknownOptionNames().constFirst();
        return QStringLiteral("Opzione sconosciuta: %1%2\n")
            .arg(nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nome);
    }
    // The other failure: an option that takes a value stands last, with none after it.
    for (const QCommandLineOption& o : opzioni) {
        if (!o.valueName().isEmpty() &&
            argomenti.last() == QStringLiteral("--") + o.names().constFirst()) {
            return QStringLiteral("L'opzione %1 richiede un valore.\n").arg(argomenti.last());
        }
    }
    return QStringLiteral("Argomenti non validi.\n");
}

/// What keeps the command from running, in words: the archive argument missing (or an
/// argument too many), or a required option not given; empty when nothing is missing.
QString CosaManca(const Comando& c, const QCommandLineParser& parser,
                  const QStringList& posizionali) {
    if (posizionali.size() < c.NumeroPosizionali()) {
        return QStringLiteral("Manca l'argomento %1.\n").arg(c.Posizionali());
    }
    if (posizionali.size() > c.NumeroPosizionali()) {
        const QStringList inPiu = posizionali.mid(c.NumeroPosizionali());
        return (inPiu.size() == 1 ? QStringLiteral("Argomento non previsto: %1.\n")
                                  : QStringLiteral("Argomenti non previsti: %1.\n"))
            .arg(inPiu.join(QLatin1Char(' ')));
    }
    QStringList mancanti;
    for (const QString& nome : c.Obbligatorie()) {
        if (!parser.isSet(nome)) {
            mancanti << QStringLiteral("--") + nome;
        }
    }
    if (mancanti.isEmpty()) {
        return {};
    }
    return (mancanti.size() == 1 ? QStringLiteral("Manca l'opzione obbligatoria %1.\n")
                                 : QStringLiteral("Mancano le opzioni obbligatorie %1.\n"))
        .arg(mancanti.join(QStringLiteral(", ")));
}

} // namespace

int Esegui(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    if (argomenti.isEmpty()) {
        errori << UsoGenerale();
        return CodiceUso;
    }
    const QString& primo = argomenti.constFirst();
    if (primo == QStringLiteral("--help") || primo == QStringLiteral("-h")) {
        uscita << QStringLiteral("strovel-cli: l'archivio delle estrazioni e le analisi di "
                                 "Strovel 2026 dalla riga di comando.\n\n")
               << UsoGenerale();
        return CodiceOk;
    }
    if (primo == QStringLiteral("--version") || primo == QStringLiteral("-v")) {
        uscita << QStringLiteral("strovel-cli %1\n").arg(QStringLiteral(STROVEL_VERSIONE));
        return CodiceOk;
    }
    if (primo == QStringLiteral("--manuale")) {
        uscita << PaginaManuale(QStringLiteral(STROVEL_VERSIONE));
        return CodiceOk;
    }
    if (primo == QStringLiteral("--completamento-bash")) {
        uscita << CompletamentoBash();
        return CodiceOk;
    }
    const Comando* comando = Trova(primo);
    if (comando == nullptr) {
        errori << QStringLiteral("Comando sconosciuto: %1\n").arg(primo) << UsoGenerale();
        return CodiceUso;
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<QCommandLineOption> opzioni = comando->TutteLeOpzioni();
    parser.addOptions(opzioni);
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Mostra le opzioni del comando."));
    parser.addOption(aiuto);
    const QStringList resto = argomenti.mid(1);
    if (!parser.parse(QStringList{QStringLiteral("strovel-cli")} + resto)) {
        errori << ErroreDiAnalisi(parser, resto, opzioni);
        return CodiceUso;
    }
    if (parser.isSet(aiuto)) {
        uscita << AiutoComando(*comando);
        return CodiceOk;
    }
    const QStringList posizionali = parser.positionalArguments();
    if (const QString manca = CosaManca(*comando, parser, posizionali); !manca.isEmpty()) {
        errori << manca << QStringLiteral("Uso:\n")
               << Piega(comando->RigaUso(), QStringLiteral("  "), QStringLiteral("      "))
               << QStringLiteral("  strovel-cli %1 --help    (le opzioni del comando)\n")
                      .arg(comando->Nome());
        return CodiceUso;
    }
    FiltroCalendario filtro;
    if (!LeggiFiltroCalendario(parser, filtro, errori)) {
        return CodiceUso;
    }
    return comando->Esegui({parser, posizionali, uscita, errori, filtro});
}

} // namespace strovel::cli

#include "cli/documentazione.h"

#include "cli/comando.h"
#include "cli/registro.h"

#include <QRegularExpression>

namespace strovel::cli {

namespace {

/// Text safe in troff: backslashes doubled, hyphens of options kept as hyphens, and no line
/// starting with a dot or an apostrophe (troff would take it for a request).
QString Troff(QString testo) {
    testo.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    testo.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (testo.startsWith(QLatin1Char('.')) || testo.startsWith(QLatin1Char('\''))) {
        testo.prepend(QStringLiteral("\\&"));
    }
    return testo;
}

/// The words an option's value can be, when its value name lists them ("trindolo|pelvano").
QStringList Scelte(const QCommandLineOption& o) {
    static const QRegularExpression parole(QStringLiteral("^[a-z0-9]+(\\|[a-z0-9]+)+$"));
    return parole.match(o.valueName()).hasMatch() ? o.valueName().split(QLatin1Char('|'))
                                                  : QStringList();
}

/// Whether an option's value is a file or an address to read or write.
bool ValoreFile(const QCommandLineOption& o) {
    return o.valueName().contains(QStringLiteral("FILE"));
}

} // namespace

QString PaginaManuale(const QString& versione) {
    QString t;
    t += QStringLiteral(".TH STROVEL\\-CLI 1 \"\" \"strovel2026 %1\" \"Comandi utente\"\n")
             .arg(Troff(versione));
    t += QStringLiteral(".SH NOME\n"
                        "strovel\\-cli \\- l'archivio delle estrazioni del Lotto e le analisi di "
                        "Strovel 2026 dalla riga di comando\n"
                        ".SH SINTASSI\n"
                        ".B strovel\\-cli\n"
                        ".I COMANDO\n"
                        ".RI [ ARGOMENTI ]\n"
                        ".RI [ OPZIONI ]\n"
                        ".br\n"
                        ".B strovel\\-cli\n"
                        ".RB [ \\-\\-help | \\-\\-version | \\-\\-manuale | "
                        "\\-\\-completamento\\-bash ]\n"
                        ".SH DESCRIZIONE\n"
                        "Crea, aggiorna ed esporta gli archivi delle estrazioni (database SQLite) "
                        "ed esegue le stesse analisi delle finestre del programma, con le stesse "
                        "scelte e gli stessi valori predefiniti. I risultati sono tabelle separate "
                        "da tabulazioni (o CSV con \\fB\\-\\-csv\\fR); i messaggi di errore vanno "
                        "sullo standard error, in italiano.\n"
                        ".SH COMANDI\n");
    for (const auto& c : Comandi()) {
        t += QStringLiteral(".SS %1\n").arg(Troff(c->Nome()));
        t += QStringLiteral(".B %1\n.PP\n%2\n").arg(Troff(c->RigaUso()), Troff(c->Descrizione()));
        for (const QCommandLineOption& o : c->TutteLeOpzioni()) {
            const QString nome = Troff(QStringLiteral("--") + o.names().constFirst());
            t += o.valueName().isEmpty()
                     ? QStringLiteral(".TP\n.B %1\n").arg(nome)
                     : QStringLiteral(".TP\n.BI \"%1 \" %2\n").arg(nome, Troff(o.valueName()));
            t += Troff(o.description()) + QLatin1Char('\n');
        }
    }
    t += QStringLiteral(".SH CODICI DI USCITA\n"
                        ".TP\n.B 0\nIl comando ha fatto il suo lavoro.\n"
                        ".TP\n.B 1\nIl lavoro non è riuscito (il motivo è sullo standard error); "
                        "l'archivio resta com'era.\n"
                        ".TP\n.B 2\nUso sbagliato: comando, opzione o valore non validi.\n"
                        ".SH FILE\n"
                        "Gli archivi sono file SQLite con estensione .mdb. Il programma con le "
                        "finestre, \\fBstrovel\\fR(1), tiene le sue impostazioni in "
                        "\\fI~/.local/share/Strovel2026\\fR.\n"
                        ".SH VEDERE ANCHE\n"
                        "\\fBstrovel\\fR(1)\n");
    return t;
}

QString CompletamentoBash() {
    QStringList nomi;
    QString opzioniPerComando;
    QString valori;
    QStringList file;
    QStringList altriValori;
    for (const auto& c : Comandi()) {
        nomi << c->Nome();
        QStringList opzioni;
        for (const QCommandLineOption& o : c->TutteLeOpzioni()) {
            const QString nome = QStringLiteral("--") + o.names().constFirst();
            opzioni << nome;
            // The same option may take other words in another command ("--griglia").
            if (const QStringList scelte = Scelte(o); !scelte.isEmpty()) {
                valori += QStringLiteral("        %1:%2) COMPREPLY=($(compgen -W \"%3\" -- "
                                         "\"$cur\")); return ;;\n")
                              .arg(c->Nome(), nome, scelte.join(QLatin1Char(' ')));
            } else if (ValoreFile(o) && !file.contains(QStringLiteral("*:") + nome)) {
                file << QStringLiteral("*:") + nome;
            } else if (!o.valueName().isEmpty() && !ValoreFile(o)) {
                altriValori << c->Nome() + QLatin1Char(':') + nome;
            }
        }
        opzioni << QStringLiteral("--help");
        opzioniPerComando += QStringLiteral("        %1) opzioni=\"%2\" ;;\n")
                                 .arg(c->Nome(), opzioni.join(QLatin1Char(' ')));
    }
    QString t = QStringLiteral("# bash completion for strovel-cli, made by strovel-cli "
                               "--completamento-bash\n"
                               "_strovel_cli() {\n"
                               "    local cur prev words cword\n"
                               "    _init_completion || return\n"
                               "    if [[ $cword -eq 1 ]]; then\n"
                               "        COMPREPLY=($(compgen -W \"%1 --help --version --manuale "
                               "--completamento-bash\" -- \"$cur\"))\n"
                               "        return\n"
                               "    fi\n"
                               "    case ${words[1]}:$prev in\n")
                    .arg(nomi.join(QLatin1Char(' ')));
    t += valori;
    if (!file.isEmpty()) {
        t += QStringLiteral("        %1) _filedir; return ;;\n").arg(file.join(QLatin1Char('|')));
    }
    // A number or a list to type: nothing to offer.
    if (!altriValori.isEmpty()) {
        t += QStringLiteral("        %1) return ;;\n").arg(altriValori.join(QLatin1Char('|')));
    }
    t += QStringLiteral("    esac\n"
                        "    local opzioni=\"\"\n"
                        "    case ${words[1]} in\n");
    t += opzioniPerComando;
    t += QStringLiteral("    esac\n"
                        "    if [[ $cur == -* ]]; then\n"
                        "        COMPREPLY=($(compgen -W \"$opzioni\" -- \"$cur\"))\n"
                        "        return\n"
                        "    fi\n"
                        "    _filedir mdb\n"
                        "} &&\n"
                        "    complete -F _strovel_cli strovel-cli\n");
    return t;
}

} // namespace strovel::cli

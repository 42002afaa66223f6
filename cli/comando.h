#pragma once
// One command of strovel-cli: its name, what it does, its positional arguments and its options
// (QCommandLineOption, Italian help texts, choices taken from the same lists as the windows).
// The table of commands (registro.h) builds the parser, prints the help and runs them.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "core/filtro_calendario.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace strovel {
class Archivio;
class DatabaseArchivio;
class Tabella;
struct ListaValori;
} // namespace strovel

namespace strovel::cli {

/// Exit codes: 0 done, 1 the work failed (message on stderr), 2 wrong usage.
inline constexpr int CodiceOk = 0;
inline constexpr int CodiceErrore = 1;
inline constexpr int CodiceUso = 2;

/// What a command receives: the parsed options, its positional arguments and the two streams.
struct Chiamata {
    const QCommandLineParser& parser;
    QStringList posizionali;
    QTextStream& uscita;
    QTextStream& errori;
    /// "--giorni" and "--mesi": the draws the command's archive keeps.
    FiltroCalendario filtro{};

    /// Whether option `nome` was given; false too for an option the command does not take.
    bool Presente(const QString& nome) const { return parser.optionNames().contains(nome); }
    std::optional<QString> Valore(const QString& nome) const;
};

class Comando {
public:
    virtual ~Comando() = default;
    virtual QString Nome() const = 0;
    /// One line for the list of commands and the command's help.
    virtual QString Descrizione() const = 0;
    /// The positional arguments as the usage line shows them, for example "ARCHIVIO.mdb".
    virtual QString Posizionali() const { return QStringLiteral("ARCHIVIO.mdb"); }
    /// How many positional arguments the command takes.
    virtual int NumeroPosizionali() const { return 1; }
    /// The options in the order the help lists them.
    virtual QList<QCommandLineOption> Opzioni() const = 0;
    /// Options a command cannot run without.
    virtual QStringList Obbligatorie() const { return {}; }
    /// Whether the command chooses draws, and so takes "--giorni" and "--mesi".
    virtual bool ConFiltroCalendario() const { return false; }
    /// Opzioni(), then "--giorni" and "--mesi" for a command that chooses draws.
    QList<QCommandLineOption> TutteLeOpzioni() const;
    virtual int Esegui(const Chiamata& c) const = 0;

    /// "strovel-cli NOME POSIZIONALI [--opzione VALORE] ...".
    QString RigaUso() const;
};

// Helpers shared by the commands.

/// A switch (no value).
QCommandLineOption Interruttore(const QString& nome, const QString& descrizione);
/// An option with a value.
QCommandLineOption ConValore(const QString& nome, const QString& descrizione,
                             const QString& nomeValore);

/// The options many commands share, with the same words everywhere.
/// Wheels as codes or TU: "<titolo>, sigle separate da virgole o TU (predefinito <p>)."
QCommandLineOption OpzioneRuote(const QString& nome, const QString& titolo,
                                const QString& predefinito);
/// "--posizioni P", all five by default.
QCommandLineOption OpzionePosizioni();
/// "--csv".
QCommandLineOption OpzioneCsv();
/// The option of a parameter list, from its description: "--<opzione> <segnaposto>",
/// "<didascalia>: <its items>."
QCommandLineOption OpzioneLista(const ListaValori& lista);

/// An integer option within minimo..massimo; `valore` keeps its default when absent.
bool Intero(const Chiamata& c, const QString& nome, int minimo, int massimo, int& valore);
/// An option whose value must be one of a window list's items.
bool DallaLista(const Chiamata& c, const ListaValori& lista, int& valore);

/// Wheels as comma-separated codes (BA .. NZ) or TU for all; TU when the option is absent.
bool LeggiRuote(const Chiamata& c, const QString& nome, std::array<bool, 11>& ruote);
/// Positions as comma-separated digits 1..5; all five when the option is absent.
bool LeggiPosizioni(const Chiamata& c, const QString& nome, std::array<bool, 5>& posizioni);

/// Opens an archive database, telling why on stderr when it cannot.
bool Apri(const QString& percorso, DatabaseArchivio& db, QTextStream& errori);
/// Opens and loads an archive database into `archivio`.
bool CaricaArchivio(const QString& percorso, DatabaseArchivio& db, Archivio& archivio,
                    QTextStream& errori);
/// Reads "--giorni" and "--mesi" into `filtro`; false after telling what is wrong.
bool LeggiFiltroCalendario(const QCommandLineParser& parser, FiltroCalendario& filtro,
                           QTextStream& errori);
/// The archive database named by the command's first argument, loaded in memory and reduced to
/// the draws of the command's filter; nothing (after the reason on stderr) when it cannot be.
std::unique_ptr<Archivio> ArchivioDelComando(const Chiamata& c);
/// At most one of `nomi` may be given; otherwise false after telling which.
bool AlPiuUna(const Chiamata& c, const QStringList& nomi);
/// Writes the rows of a grid without its header row (summary lines under another grid).
void ScriviRighe(const Tabella& t, bool csv, QTextStream& uscita);
/// Writes a grid as TSV, or CSV with `csv`: the one writer of every grid command.
void ScriviTabella(const Tabella& t, bool csv, QTextStream& uscita);

} // namespace strovel::cli

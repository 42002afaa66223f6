#pragma once
// The settings database DbStrovel.mdb in the program folder: program parameters and the
// stored configurations of the analysis windows.

#include "storage/connessione.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace strovel {

struct Parametro {
    QString parametro;
    QString valore1;
    QString valore2;
};

/// The nine tables of the settings database, in the order they are opened.
QStringList TabelleImpostazioni();

/// The scan of the start-up: the Valore1 of the last row named exactly "IndirizzoInternet"
/// (letter case included), or `predefinito` when there is none.
QString IndirizzoDaElenco(const QList<Parametro>& elenco, const QString& predefinito);

/// Settings text of a parameter "EstrazioneIniziale": its leading decimal number, 0 if none.
int NumeroIniziale(const QString& testo);

class DatabaseImpostazioni {
public:
    static QString NomeFile() { return QStringLiteral("DbStrovel.mdb"); }

    /// Opens DbStrovel.mdb in `cartellaProgramma`, creating it with its nine tables and the
    /// parameter rows when absent or empty (zero bytes). Fails when the file cannot be opened,
    /// records another password, or lacks one of the nine tables.
    bool ApriDatabaseImpostazioni(const QString& cartellaProgramma, QString* errore);

    /// Value of parameter `nome`, sought without regard to letter case. When no row has that
    /// name `valore` is left as it was and the result is false; when the table cannot be read
    /// at all, `errore` (if given) also gets the reason.
    bool LeggiParametro(const QString& nome, QString& valore, QString* errore = nullptr) const;
    /// Sets Valore1 of the row named `nome` (any letter case). Rows are never inserted: when
    /// there is none, nothing is written and the result is false.
    bool ScriviParametro(const QString& nome, const QString& valore);
    /// Every row, ordered by name.
    QList<Parametro> ElencoParametri() const;

    void Chiudi() { connessione_.Chiudi(); }
    bool Aperto() const { return connessione_.Aperta(); }
    const QString& Percorso() const { return percorso_; }
    QSqlDatabase Db() const { return connessione_.Db(); }

private:
    bool CreaNuovo(const QString& percorso, QString* errore);

    Connessione connessione_{QualeDatabase::Impostazioni};
    QString percorso_;
};

} // namespace strovel

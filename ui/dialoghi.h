#pragma once
// Every message box, yes/no question, input box and file dialog of the program goes through
// Dialoghi. The program uses the Qt dialogs; tests and the screenshot helper install a
// scripted implementation that answers and records what was asked.

#include "core/filtro_calendario.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QObject;
class QSortFilterProxyModel;
class QWidget;

namespace strovel {

enum class Icona { Nessuna, Informazione, Avviso, Critica, Domanda };

/// The answer a yes/no question proposes (Enter gives it).
enum class Predefinito { Si, No };

/// What a file dialog shows.
struct RichiestaFile {
    QString cartella;    ///< starting folder
    QString nomeFile;    ///< proposed file name, for example "*.mdb"
    QString filtro;      ///< file-type text, for example "File di archivio (*.Mdb)"
    QString estensione;  ///< default extension without the dot
    QStringList escludi; ///< file names the dialog does not list (any letter case)
};

class Dialoghi {
public:
    virtual ~Dialoghi() = default;

    virtual void Messaggio(QWidget* padre, Icona icona, const QString& titolo,
                           const QString& testo) = 0;
    /// Yes/No question; true for Yes. Yes is the proposed answer.
    bool Domanda(QWidget* padre, const QString& titolo, const QString& testo) {
        return Domanda(padre, titolo, testo, Predefinito::Si);
    }
    /// Yes/No question with the proposed answer given; true for Yes.
    virtual bool Domanda(QWidget* padre, const QString& titolo, const QString& testo,
                         Predefinito predefinito) = 0;
    /// Input box; nothing when cancelled.
    virtual std::optional<QString> Input(QWidget* padre, const QString& titolo,
                                         const QString& prompt, const QString& proposta) = 0;
    /// File-open dialog; nothing when cancelled.
    virtual std::optional<QString> ApriFile(QWidget* padre, const RichiestaFile& richiesta) = 0;
    /// File-save dialog; nothing when cancelled.
    virtual std::optional<QString> SalvaFile(QWidget* padre, const RichiestaFile& richiesta) = 0;
    /// "Giorni e mesi": the weekdays and months of the draws to keep; nothing when cancelled.
    virtual std::optional<FiltroCalendario> GiorniEMesi(QWidget* padre,
                                                        const FiltroCalendario& attuale) = 0;
};

/// The filter a file dialog uses to leave out the names of `escludi` (any letter case).
QSortFilterProxyModel* ModelloSenzaEsclusi(const QStringList& escludi, QObject* padre);

/// The real dialogs.
class DialoghiQt : public Dialoghi {
public:
    using Dialoghi::Domanda;
    void Messaggio(QWidget* padre, Icona icona, const QString& titolo,
                   const QString& testo) override;
    bool Domanda(QWidget* padre, const QString& titolo, const QString& testo,
                 Predefinito predefinito) override;
    std::optional<QString> Input(QWidget* padre, const QString& titolo, const QString& prompt,
                                 const QString& proposta) override;
    std::optional<QString> ApriFile(QWidget* padre, const RichiestaFile& richiesta) override;
    std::optional<QString> SalvaFile(QWidget* padre, const RichiestaFile& richiesta) override;
    std::optional<FiltroCalendario> GiorniEMesi(QWidget* padre,
                                                const FiltroCalendario& attuale) override;
};

/// Answers from a queue and records every dialog shown. With no answer queued, questions get
/// No and input and file dialogs are cancelled.
class DialoghiScriptati : public Dialoghi {
public:
    enum class Tipo { Messaggio, Domanda, Input, ApriFile, SalvaFile, GiorniEMesi };
    struct Registrato {
        Tipo tipo;
        Icona icona = Icona::Nessuna;
        QString titolo;
        QString testo;    ///< message, question or prompt text
        QString proposta; ///< the value an input box proposes
        RichiestaFile file;
        Predefinito predefinito = Predefinito::Si; ///< of a question
    };

    /// The answer to the next question, input box or file dialog (nothing = No / cancel). For
    /// "Giorni e mesi": days and months as "sab|gen,feb" (either side may be empty).
    void Rispondi(std::optional<QString> risposta) { risposte_.push_back(std::move(risposta)); }
    void RispondiSi() { Rispondi(QStringLiteral("si")); }

    const std::vector<Registrato>& Mostrati() const { return mostrati_; }
    std::vector<Registrato> Messaggi() const;
    void Azzera() {
        mostrati_.clear();
        risposte_.clear();
    }

    using Dialoghi::Domanda;
    void Messaggio(QWidget* padre, Icona icona, const QString& titolo,
                   const QString& testo) override;
    bool Domanda(QWidget* padre, const QString& titolo, const QString& testo,
                 Predefinito predefinito) override;
    std::optional<QString> Input(QWidget* padre, const QString& titolo, const QString& prompt,
                                 const QString& proposta) override;
    std::optional<QString> ApriFile(QWidget* padre, const RichiestaFile& richiesta) override;
    std::optional<QString> SalvaFile(QWidget* padre, const RichiestaFile& richiesta) override;
    /// Records the current filter in words as the proposal.
    std::optional<FiltroCalendario> GiorniEMesi(QWidget* padre,
                                                const FiltroCalendario& attuale) override;

private:
    std::optional<QString> Prossima();

    std::vector<Registrato> mostrati_;
    std::deque<std::optional<QString>> risposte_;
};

/// What an input box asks for: its title, its question, what the value is called in the message
/// for a wrong one ("Indice"), its range and the value offered.
struct RichiestaIntero {
    QString titolo;
    QString domanda;
    QString cosa;
    int minimo = 1;
    int massimo = 1;
    int proposto = 1;
};
/// A whole number within the range; nothing when the user cancels, or after the message
/// "<cosa> non valido: da <minimo> a <massimo>." for anything else.
std::optional<int> ChiediIntero(Dialoghi& dialoghi, QWidget* padre, const RichiestaIntero& r);
/// "Verifica fuori campione": asks for the draw the method is run as of, proposing `proposto`;
/// nothing when the user cancels, or after a message for an index outside 1..`massimo`.
std::optional<int> ChiediRiferimento(Dialoghi& dialoghi, QWidget* padre, int massimo, int proposto);

/// What an out-of-sample check of a window says: its text, or, when it could not run, the reason
/// (shown as an "Avviso" with `icona`).
struct TestoVerifica {
    std::string testo;
    bool riuscita = true;
    Icona icona = Icona::Informazione;
};
/// "Verifica fuori campione" of every analysis window: asks for the reference draw (1..`massimo`,
/// proposing `proposto`), runs `verifica` on it and shows its text under that title.
void EseguiVerificaFuoriCampione(Dialoghi& dialoghi, QWidget* finestra, int massimo, int proposto,
                                 const std::function<TestoVerifica(int riferimento)>& verifica);

/// "Evidenzia ultime negative" of the cycle windows: asks for the count of negative cycles in
/// a row. Nothing when the user cancels, or after the message for a value that is not a whole
/// number.
std::optional<int> ChiediUltimeNegative(Dialoghi& dialoghi, QWidget* padre);

} // namespace strovel

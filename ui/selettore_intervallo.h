#pragma once
// The range selector every analysis window configures: the end scroll bar (and, in range
// windows, the start one) with their labels, the typed-index and date-search commands.

#include "core/intervallo.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollBar;

namespace strovel {

class Archivio;
class Dialoghi;

/// Which bound limits a typed index or a date search.
enum class Limite { NumEstrazioniAnalisi, TotEstrazioni };

/// One scroll bar of a window, with its label and commands.
struct ConfigurazioneBarra {
    QString nomeBarra;         ///< "Hs2", "hs1", "HsFine", "HScrestrazione", "HsInizio"
    QString nomeEtichetta;     ///< the label beside it
    QString nomeComandoIndice; ///< typed-index button ("" = none)
    QString testoComandoIndice;
    QString nomeComandoData; ///< date-search button ("" = none)
    QString testoComandoData;
    int minimoIndice = 20;
    Limite limiteIndice = Limite::NumEstrazioniAnalisi;
    Limite limiteRicerca = Limite::NumEstrazioniAnalisi;
    /// The label shows draw k itself instead of IndiciModello(k).
    bool estrazioneDiretta = false;
};

struct ConfigurazioneIntervallo {
    LetturaPosizione lettura = LetturaPosizione::Modello;
    ConfigurazioneBarra fine;
    bool conInizio = false;
    ConfigurazioneBarra inizio;
    /// The start position when the window opens: NumEstrazioniAnalisi - arretramento.
    int arretramentoInizio = 359;
    /// Labels end in " PM:" and the draw's ProgressivoMese.
    bool progressivoMese = false;
};

/// The windows that choose draws, each with its own bars, commands and accepted ranges.
enum class FinestraIntervallo {
    CicliStrovel,
    AnalisiCicli,
    AmbiCicli,
    QuadratoMaltese,
    Archivio,
    MiniElenco,
    SequenzeRitardi,
    AmboSomme,
    AmbataDinamica,
    CinquinaSpiona,
};

/// The range selector of window `f`; the labels beside the bars are named by the window.
ConfigurazioneIntervallo ConfigurazionePer(FinestraIntervallo f, const QString& etichettaFine,
                                           const QString& etichettaInizio = QString());

/// Model-list window with `Hs2`, its label and Command61/Command62 (the cycle windows).
ConfigurazioneIntervallo ConfigurazioneModello(const QString& nomeEtichetta);

class SelettoreIntervallo : public QWidget {
    Q_OBJECT
public:
    SelettoreIntervallo(const Archivio& archivio, Dialoghi& dialoghi,
                        ConfigurazioneIntervallo configurazione, QWidget* padre = nullptr);

    int Fine() const { return fine_; }
    int Inizio() const { return inizio_; }
    void ImpostaFine(int posizione);
    void ImpostaInizio(int posizione);

    /// The typed-index and date-search commands (also behind their buttons).
    void ScegliIndiceFine();
    void ScegliIndiceInizio();
    void CercaDataFine();
    void CercaDataInizio();

    /// Follows a reload: bar maxima from the archive's current size.
    void AggiornaArchivio();
    /// After a reload of the archive (a draw added or deleted): new maxima, and the labels and
    /// signals of both bars again, since a position may now stand for another draw.
    void Ricaricato();

    QScrollBar* BarraFine() const { return barraFine_; }
    QScrollBar* BarraInizio() const { return barraInizio_; }
    QLabel* EtichettaFine() const { return etichettaFine_; }
    QLabel* EtichettaInizio() const { return etichettaInizio_; }

Q_SIGNALS:
    void FineCambiata(int posizione);
    void InizioCambiato(int posizione);

private:
    int Massimo() const;
    int ValoreLimite(Limite limite) const;
    void ScegliIndice(bool fine);
    void CercaData(bool fine);
    void QuandoCambiaFine(int valore);
    void QuandoCambiaInizio(int valore);
    QWidget* CreaRiga(const ConfigurazioneBarra& c, QScrollBar*& barra, QLabel*& etichetta,
                      bool fine);

    const Archivio& archivio_;
    Dialoghi& dialoghi_;
    ConfigurazioneIntervallo conf_;
    QScrollBar* barraFine_ = nullptr;
    QScrollBar* barraInizio_ = nullptr;
    QLabel* etichettaFine_ = nullptr;
    QLabel* etichettaInizio_ = nullptr;
    int fine_ = 0;
    int inizio_ = 0;
};

/// The count label of a range window, f - s + 1: the draws in the range, both ends included,
/// kept current as either bar moves.
QLabel* CreaEtichettaConteggio(SelettoreIntervallo* selettore, QWidget* padre);

/// The label beside a cycle window's reference bar ("Label15"): how many draws of the analysis
/// follow the reference, kept up to date as the bar moves.
QLabel* CreaEtichettaSuccessive(const Archivio& archivio, SelettoreIntervallo* selettore,
                                QWidget* padre);

} // namespace strovel

#pragma once
// The archive window: the current draw with its 55 boxes (entry, edit, delete, paste,
// navigation), the list of draws with the weekday calendar, the exports and the web address,
// and the updates from text archives.

#include "archive/aggiornamento.h"
#include "storage/caricamento.h"
#include "storage/errori_sqlite.h"
#include "ui/servizi.h"

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <vector>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QTabWidget;
class QTableView;

namespace strovel {

class GrigliaTabella;

class Archivio;
class CaselleEstrazione;
class DatabaseArchivio;
class DatabaseImpostazioni;
class Dialoghi;
class ModelloElenco;

class FinestraArchivio : public QWidget {
    Q_OBJECT
public:
    FinestraArchivio(ServiziFinestra servizi, QWidget* padre = nullptr);

    // Tab 0: the current draw.
    void MostraEstrazione(int indice);
    int Corrente() const { return corrente_; }
    void SalvaEstrazione();
    void ModificaEstrazione();
    void EliminaEstrazione();
    void AzzeraGriglia();
    void IncollaEstrazione(const QString& testo);
    void ChiediIndice();
    void CercaIndiceModello();
    void CercaData();
    // Tab 1: list and weekday calendar.
    void SelezionaDaElenco();
    void CaricaCalendario();
    void ClicCalendario(int riga, int colonna);
    // Tab 2: exports and the web address.
    void SalvaTrindolo();
    void SalvaPelvano();
    void SalvaNazionale();
    void RendePredefinita();
    void RendePredefinito();
    // Tab 3: updates.
    void ControlloAggiornamenti();
    void AggiornaDaFile();
    void Aggiornamento();

    /// The status labels, the scroll bar and the main window's labels after a change.
    void AggiornaStatoArchivio();
    QTabWidget* Schede() const { return schede_; }

private:
    QWidget* CreaGestione();
    QWidget* CreaElenco();
    QWidget* CreaSalvataggi();
    QWidget* CreaAggiornamenti();
    /// The full reload after a change written here.
    void Ricarica();
    /// The light reload when the window opens.
    void RicaricaLeggera();
    void ImpostaCalendario(const QString& testoData);
    /// FgImporta filled from `contenuto` and compared with the archive.
    void CaricaEConfronta(const QByteArray& contenuto);
    void FallimentoControllo(const QString& passo, const QString& motivo = {});
    /// The message of a failed save or modification.
    void AnomaliaScrittura(CausaErrore causa, const QString& errore);
    /// The open archive and the settings database: no export writes over them.
    QStringList FileProtetti() const;
    void DestinazioneRifiutata(const QString& motivo);
    std::vector<Candidata> CandidateDallaGriglia() const;
    void Esporta(const std::function<bool()>& scrivi);

    ServiziFinestra s_;
    int corrente_ = 0;

    QTabWidget* schede_ = nullptr;
    CaselleEstrazione* caselle_ = nullptr;
    QScrollBar* barra_ = nullptr;
    QLabel* pAN_DC_ = nullptr;
    QLabel* lblEstrazione_ = nullptr;
    QLabel* mensile_ = nullptr;
    QLabel* annuale_ = nullptr;
    QLabel* lblAggiornato_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* lblIndirizzo_ = nullptr;
    QCalendarWidget* calendario_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* testoIncolla_ = nullptr;

    QTableView* fgDB_ = nullptr;
    ModelloElenco* modelloElenco_ = nullptr;
    QComboBox* anni_ = nullptr;
    QCheckBox* sigla_ = nullptr;
    GrigliaTabella* fgCalendario_ = nullptr;
    Tabella calendarioMostrato_;

    QLabel* percorsoDati_ = nullptr;
    QLineEdit* indirizzo_ = nullptr;

    GrigliaTabella* fgImporta_ = nullptr;
    QListWidget* list4_ = nullptr;
    QCheckBox* check3_ = nullptr;
};

} // namespace strovel

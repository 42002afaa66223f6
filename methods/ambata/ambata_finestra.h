#pragma once
// The dynamic ambata window: spy, wheels and positions, references, colpo plan, plays and the
// stored configurations. The computing is in ambata_dinamica.h and ambata_configurazione.h.

#include "methods/ambata/ambata_configurazione.h"
#include "methods/ambata/ambata_dinamica.h"
#include "ui/finestra_analisi.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace strovel {

class GrigliaTabella;

class DatabaseImpostazioni;
class GrigliaSelezione;
class SelettoreIntervallo;
struct SelezioniMetodo;

class FinestraAmbataDinamica : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraAmbataDinamica(const ServiziFinestra& servizi, QWidget* padre = nullptr);
    ~FinestraAmbataDinamica() override;

    // Commands (each also behind its button).
    void Rilevazione();
    void Configura();
    void Elabora();
    void MiglioriRiferimenti();
    /// "Verifica fuori campione": MIGLIORI on the chosen row as of an earlier draw the user
    /// picks (a year back proposed), its choice verified on the cases after it.
    void VerificaFuoriCampione() override;
    /// "Verifica progressiva": MIGLIORI's first reference for the selected row at every reference,
    /// played on the first case after it.
    void VerificaProgressiva();
    void VisualizzaEvoluzione();
    void ImpostaMatrice(int righe);
    void Salva();
    void Elenco();
    void Elimina();
    /// Loads the configuration of row `riga` of FgMemo.
    void CaricaConfigurazione(int riga);

    /// The inputs as the controls show them now.
    StatoAmbata LeggiStato() const;

private:
    QWidget* CreaIngressi();
    QWidget* CreaFineAnalisi();
    QWidget* CreaRiferimenti();
    QWidget* CreaComandi();
    QWidget* CreaDatabase();
    void MostraRiferimenti(const std::vector<Riferimento>& riferimenti);
    std::vector<Riferimento> LeggiRiferimenti() const;
    void ImpostaStato(const StatoAmbata& s);
    void Avviso(const QString& testo, bool informazione = true);
    /// Empties what the last cases gave (summary, chance note, MIGLIORI, evolution), so that
    /// nothing on screen belongs to other cases than those shown.
    void SvuotaRisultati();

    DatabaseImpostazioni* impostazioni_;
    /// The whole archive: a stored configuration names its draw by its index there.
    const Archivio& completo_;

    std::vector<Caso> casi_;
    std::vector<int> piano_;
    GiocateAmbata giocate_;
    QList<ConfigurazioneAmbata> memorie_;

    QLineEdit* txtNumero_ = nullptr;
    std::unique_ptr<SelezioniMetodo> selezioni_;
    QComboBox* comboPres_ = nullptr;
    QComboBox* comboColpi_ = nullptr;
    QCheckBox* check1_ = nullptr;
    GrigliaSelezione* fGm_ = nullptr;
    QTableWidget* fgH_ = nullptr;
    SelettoreIntervallo* selettore_ = nullptr;
    QTabWidget* schede_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fgRif_ = nullptr;
    GrigliaTabella* fgE_ = nullptr;
    GrigliaTabella* fgStat2_ = nullptr;
    GrigliaTabella* fgEvoluzione_ = nullptr;
    QLabel* lblEvoluzione_ = nullptr;
    QLabel* lblCaso_ = nullptr;     ///< what chance gives the same plays
    QLabel* lblMigliori_ = nullptr; ///< what chance gives the top of MIGLIORI
    QLineEdit* txtDenominazione_ = nullptr;
    GrigliaTabella* fgMemo_ = nullptr;
};

} // namespace strovel

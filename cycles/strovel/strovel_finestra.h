#pragma once
// The Strovel cycle window: parameters, reference draw, wheel selections, the run and every
// command on its results. The computing is in strovel.h and strovel_statistiche.h.

#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_sessione.h"
#include "cycles/strovel/strovel_statistiche.h"
#include "storage/caricamento.h"
#include "ui/finestra_analisi.h"

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QTableWidget;

namespace strovel {

class GrigliaTabella;

class GrigliaSelezione;
class SelettoreIntervallo;

class FinestraStrovel : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraStrovel(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    // Commands (each also behind its button).
    void Elabora();
    void EsaminaTutte();
    void PrevisioniUnaRuota_();
    void ContaP2();
    void TallyPrevisioni();
    void RitardiCorrenti();
    void Statistica();
    void EvidenziaUltimeNegative();
    void Accoppiamenti_();
    void ElencoAccorpato_();
    void Riepilogo_();
    void Evidenzia_();
    void VerificaQuartine_();
    void Verifica2();
    void SpostaNumero();
    void EliminaQuartina();
    void Ritardi();
    void UltimiCinqueRitardi_();
    void UltimePresenze();
    void FiltraAmbate_();
    /// "Verifica fuori campione": the list's first formula at an earlier reference, verified
    /// on the cycles after it.
    void VerificaFuoriCampione() override;
    /// "Verifica progressiva": the first formula at every reference, verified in the first cycle
    /// after it.
    void VerificaProgressiva();
    void SalvaPreset(int numero);
    void CaricaPreset(int numero);
    /// A click on row `riga` of the cycle list.
    void MostraCiclo(int riga);

    /// The parameters as the controls show them now.
    ParametriStrovel LeggiParametri() const;
    const EsitoStrovel& UltimoEsito() const { return sessione_.Esito(); }

private:
    QWidget* CreaParametri();
    QWidget* CreaRuote();
    QWidget* CreaComandi();
    QWidget* CreaMemorie();
    QTabWidget* CreaRisultati();
    void Mostra(GrigliaTabella* griglia, Tabella t);
    void MostraFormule();
    /// Shows the result of a run ("ELABORA" or all operations).
    void Accogli(EsitoStrovel e);
    void DipingiCiclo(int durata, int considera);
    void AggiungiOra();
    /// Whether a run has results; tells the user when not.
    bool Eseguito();
    /// The formula row selected in FgY, or -1 after telling the user.
    int RigaSelezionata();
    /// The pair selected in FgC, or nothing after telling the user.
    /// The selected row of the pair list, or -1 (with a message) when there is none.
    int CoppiaSelezionata();
    void Avviso(const QString& testo);

    SessioneStrovel sessione_;
    QString cartella_;
    Progresso pb1_;

    QComboBox* cicli_ = nullptr;
    QComboBox* durata_ = nullptr;
    QComboBox* considera_ = nullptr;
    QComboBox* salto_ = nullptr;
    QComboBox* colpi_ = nullptr;
    QComboBox* elenco_ = nullptr;
    QComboBox* operatore_ = nullptr;
    QComboBox* retro_ = nullptr;
    QCheckBox* stop_ = nullptr;
    QCheckBox* perRitardo_ = nullptr;
    QCheckBox* chAmbata_ = nullptr;
    QCheckBox* chAmbi_ = nullptr;
    QCheckBox* chQuartina_ = nullptr;
    QCheckBox* chX_ = nullptr;
    QRadioButton* optRilevazione_ = nullptr;
    SelettoreIntervallo* selettore_ = nullptr;
    QLabel* label15_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* lblCaso_ = nullptr;              ///< the formula list against chance
    QLabel* lblCasoAccoppiamenti_ = nullptr; ///< FgC's best pair against chance
    QLabel* lblCasoStatistica_ = nullptr;    ///< STATISTICA's positive cycles against chance
    GrigliaSelezione* fgR_ = nullptr;
    GrigliaSelezione* fgG_ = nullptr;
    QTableWidget* fgCiclo_ = nullptr;
    QListWidget* list1_ = nullptr;
    QTabWidget* schede_ = nullptr;

    GrigliaTabella* fgX_ = nullptr;
    GrigliaTabella* fgY_ = nullptr;
    GrigliaTabella* fg4_ = nullptr;
    GrigliaTabella* fgS_ = nullptr;
    GrigliaTabella* fgE_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fg2_ = nullptr;
    GrigliaTabella* fg3_ = nullptr;
    GrigliaTabella* fg9_ = nullptr;
    GrigliaTabella* fgSt1_ = nullptr;
    GrigliaTabella* fG7_ = nullptr;
    GrigliaTabella* fgTr_ = nullptr;
    GrigliaTabella* fgC_ = nullptr;
    GrigliaTabella* fg13_ = nullptr;
    GrigliaTabella* fgUU_ = nullptr;
    GrigliaTabella* fgRit_ = nullptr;
    GrigliaTabella* fg5R_ = nullptr;
    GrigliaTabella* fgPres_ = nullptr;
};

} // namespace strovel

#pragma once
// The second cycle window ("Strovel: Modulo 2"): parameters, reference draw, positions and
// wheels, and the commands of its three tabs. The computing is in ciclo2_sessione.h.

#include "core/progresso.h"
#include "cycles/modulo2/ciclo2_sessione.h"
#include "ui/finestra_analisi.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace strovel {

class GrigliaTabella;

class FinestraGrafico;

class GrigliaSelezione;
class SelettoreIntervallo;

class FinestraCiclo2 : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraCiclo2(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    // Commands (each also behind its button).
    void RilevaCicli_();
    /// "GRAFICO PRESENZE": the presences per cycle of the number of FgB1's current row; the
    /// chart follows each new RILEVA CICLI. Nothing (after a message) without a number.
    FinestraGrafico* GraficoPresenze();
    void Elabora();
    void PresenzeNumeri();
    void Serie(TipoClasse tipo);
    void VerificaSerie();
    void VerificaAmbetti();
    void Ambi();
    void Abbinamenti_();
    void VerificaPrevisioni();
    void VerificaAbbinamenti();
    void Verifica1();
    /// "Verifica fuori campione": the number with most cycles at an earlier reference,
    /// verified on the cycles after it.
    void VerificaFuoriCampione() override;
    /// "Verifica progressiva": the number with most cycles at every reference, verified in the
    /// first cycle after it.
    void VerificaProgressiva();
    void Verifica2();
    void EliminaQuartina();
    void UltimePresenze();
    void Ritardi();
    /// Clicks on the grids.
    void ScegliGruppo(int riga, int colonna);
    void MostraCiclo(int riga);
    void ScegliSerie(int colonna);
    void ScegliAmbata(int riga);
    void MostraAmbetto(int riga);

    /// Row `riga` of FgH takes part or not (its first cell green or white).
    void ImpostaPartecipa(int riga, bool partecipa);

    ParametriCiclo2 LeggiParametri() const;
    const SessioneCiclo2& Sessione() const { return sessione_; }

private:
    QWidget* CreaControlli();
    QTabWidget* CreaRisultati();
    QWidget* CreaSchedaFormazioni();
    QWidget* CreaSchedaSerie();
    QWidget* CreaSchedaAmbate();
    void Mostra(GrigliaTabella* griglia, Tabella t);
    void AggiungiOra();
    /// Whether the cycles are laid (else a message); when they are, the session takes the
    /// wheels and positions chosen now, so that every command reads the selection as it runs.
    bool Rilevato();
    void AggiornaDidascaliaRilevazione();
    void Avviso(const QString& testo);
    /// The taking-part rows of FgH, or nothing after telling the user what is wrong.
    std::optional<std::vector<InsiemePrevisione>> Previsioni();
    /// Whether any row of FgH takes part.
    bool PrevisioniScelte() const;

    int Riferimento() const;
    void MostraInterna(GrigliaTabella* griglia);

    SessioneCiclo2 sessione_;
    Progresso pb1_;
    QPointer<FinestraGrafico> grafico_;
    int ambataScelta_ = 0;

    QComboBox* cicli_ = nullptr;
    QComboBox* durata_ = nullptr;
    QComboBox* considera_ = nullptr;
    QComboBox* salto_ = nullptr;
    QComboBox* colpi_ = nullptr;
    QComboBox* retro_ = nullptr;
    QComboBox* sorte_ = nullptr;
    QComboBox* abbinamenti_ = nullptr;
    QRadioButton* scoperti_ = nullptr;
    QCheckBox* chAmbata_ = nullptr;
    QCheckBox* chAmbi_ = nullptr;
    QCheckBox* chQuartina_ = nullptr;
    SelettoreIntervallo* selettore_ = nullptr;
    QLabel* label15_ = nullptr;
    QLabel* lblGruppo_ = nullptr;
    QLabel* lblRilevati_ = nullptr; ///< the selection the cycle grids were counted on
    QLabel* lblCaso_ = nullptr;     ///< the positive cycles against chance
    QLabel* lblAtteso_ = nullptr;   ///< FgB1's CC against chance
    QLabel* lblAmbetti_ = nullptr;  ///< Fg91's best pair against chance
    QLabel* lblSerie_ = nullptr;
    QLabel* lblAmbata_ = nullptr;
    QLabel* lblEstrazione_ = nullptr;
    GrigliaSelezione* fgPP_ = nullptr;
    GrigliaSelezione* fgR_ = nullptr;
    QListWidget* list1_ = nullptr;
    QTabWidget* schede_ = nullptr;

    GrigliaTabella* fgCicli_ = nullptr;
    GrigliaTabella* fgMax_ = nullptr;
    GrigliaTabella* fgB1_ = nullptr;
    GrigliaTabella* fgB2_ = nullptr;
    GrigliaTabella* fgB3_ = nullptr;
    QTableWidget* fgH_ = nullptr;
    GrigliaTabella* fgAA_ = nullptr;
    GrigliaTabella* fgStat_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fgStat2_ = nullptr;
    GrigliaTabella* fgSerie_ = nullptr;
    GrigliaTabella* fgN_ = nullptr;
    GrigliaTabella* fg90_ = nullptr;
    GrigliaTabella* fg91_ = nullptr;
    GrigliaTabella* fgB4_ = nullptr;
    GrigliaTabella* fgY_ = nullptr;
    GrigliaTabella* fgA1_ = nullptr;
    GrigliaTabella* fgAmbi_ = nullptr;
    GrigliaTabella* fgEl_ = nullptr;
    GrigliaTabella* fgK1_ = nullptr;
    GrigliaTabella* fgK2_ = nullptr;
    GrigliaTabella* fgK90_ = nullptr;
    GrigliaTabella* fgx_ = nullptr;
    GrigliaTabella* fg13_ = nullptr;
    GrigliaTabella* fgUU_ = nullptr;
    GrigliaTabella* fgPres_ = nullptr;
    GrigliaTabella* fgRit_ = nullptr;
    GrigliaTabella* fgE_ = nullptr;
};

} // namespace strovel

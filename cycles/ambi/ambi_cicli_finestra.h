#pragma once
// The ambo cycle window ("Gli ambi nei cicli"): the numbers and wheels chosen, the cycles, the
// ambo grid and the groups of ambi; the second tab verifies chosen ambi. The computing is in
// ambi_cicli_sessione.h.

#include "core/progresso.h"
#include "cycles/ambi/ambi_cicli_sessione.h"
#include "ui/finestra_analisi.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTabWidget;
class QTableWidget;

namespace strovel {

class GrigliaTabella;

class FinestraGrafico;

class GrigliaSelezione;
class SelettoreIntervallo;

class FinestraAmbiCicli : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraAmbiCicli(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    void Elabora();
    void ElaboraDueElenchi();
    void Gruppi(int membri);
    /// "Verifica fuori campione": the ambo with most cycles at an earlier reference, verified
    /// on the cycles after it.
    void VerificaFuoriCampione() override;
    /// "Verifica progressiva": the ambo with most cycles at every reference, verified in the first
    /// cycle after it.
    void VerificaProgressiva();
    void Formazioni();
    void EvidenziaUltimeNegative();
    void Elimina();
    void Adatta();
    /// "Grafico presenze": the ambo of Fg1's current row, its outcomes per cycle; the chart
    /// follows each new ELABORA. Nothing (after a message) without a row.
    FinestraGrafico* GraficoPresenze();
    void ElaboraSecondo();
    void GruppiSecondo(int membri);
    void Coperture();
    void Capogioco_();
    void MostraUscite(int riga);

    ParametriAmbiCicli LeggiParametri() const;
    NumeriScelti Scelti(const GrigliaSelezione* griglia) const;
    const SessioneAmbiCicli& Sessione() const { return sessione_; }

private:
    QWidget* CreaControlli();
    QWidget* CreaSchedaAmbi();
    QWidget* CreaSchedaVerifica();
    GrigliaSelezione* CreaNumeri(QWidget* padre, const char* nome);
    void Mostra(GrigliaTabella* griglia, Tabella t);
    void AggiungiOra();
    void Avviso(const QString& testo);
    bool Elaborato();
    void MostraAmbi();

    SessioneAmbiCicli sessione_;
    Progresso pb1_;
    QPointer<FinestraGrafico> grafico_;

    GrigliaSelezione* fg90_ = nullptr;
    GrigliaSelezione* fg95_ = nullptr;
    GrigliaSelezione* fgR_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* cicli_ = nullptr;
    QComboBox* durata_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    SelettoreIntervallo* selettore_ = nullptr;
    QListWidget* list1_ = nullptr;
    QTabWidget* schede_ = nullptr;

    GrigliaTabella* fg2_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fg9_ = nullptr;
    QLabel* lblAtteso_ = nullptr;      ///< Fg1 against random ambi
    QLabel* lblCaso_ = nullptr;        ///< FG9 against random groups
    QLabel* lblCasoSecondo_ = nullptr; ///< Fg6 against random groups or ambi
    GrigliaTabella* fgRuote_ = nullptr;
    QTableWidget* fgA_ = nullptr;
    GrigliaTabella* fg5_ = nullptr;
    GrigliaTabella* fg3_ = nullptr;
    GrigliaTabella* fg6_ = nullptr;
    GrigliaTabella* fgX_ = nullptr;
};

} // namespace strovel

#pragma once
// The Maltese square window ("Il quadrato Maltese"): the wheel, cases, colpi and end position
// shared by its four tabs; the first tab's square per case with its ambata, and the three
// tabs of the cinquina for ambo and terno from decimal working. The computing is in
// maltese.h and maltese_cinquina.h.

#include "core/tabella.h"
#include "methods/maltese/maltese.h"
#include "methods/maltese/maltese_cinquina.h"
#include "ui/finestra_analisi.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace strovel {

class GrigliaTabella;

class SelettoreIntervallo;

class FinestraQuadratoMaltese : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraQuadratoMaltese(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    /// "ELABORA" of the first tab: the cases, their squares and plays, the summary.
    void Elabora();
    /// "Verifica fuori campione": the first tab's cases after a draw the user picks (a year back
    /// proposed), in a message with what chance gives.
    void VerificaFuoriCampione() override;
    /// A click on a case row: its square in FgX.
    void MostraQuadrato(int riga);
    /// "ELABORA" of cinquina tab `scheda` (0..2): the cases at the months' last draws, their
    /// cinquine and the ambo verification.
    void ElaboraCinquina(int scheda);
    /// The verification of tab `scheda`'s cinquine for terno.
    void VerificaTerno(int scheda);
    /// "VISUALIZZA NUMERI CON DECIMALI": the decimal working of the current cinquina tab.
    void VisualizzaDecimali();
    /// Copies a grid to the clipboard as tab-separated text, header first.
    void CopiaTabella(GrigliaTabella* griglia);

    ParametriMaltese LeggiParametri() const;

private:
    struct SchedaCinquina {
        QRadioButton* calcolatrice = nullptr;
        QRadioButton* decimaliFissi = nullptr;
        QLineEdit* cifre = nullptr;
        GrigliaTabella* casi = nullptr;
        QListWidget* riepilogo = nullptr;
        QLabel* caso = nullptr;
        GrigliaTabella* decimali = nullptr;
        std::vector<CasoCinquina> dati;
        int ruota = 0;
        int colpi = 0;
    };

    QWidget* CreaPrimaScheda(QWidget* padre);
    QWidget* CreaSchedaCinquina(QWidget* padre, int scheda);
    void MostraCinquine(int scheda);

    std::vector<CasoMaltese> casi_;

    SelettoreIntervallo* selettore_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QComboBox* combo4_ = nullptr;
    QTabWidget* schede_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fgX_ = nullptr;
    QListWidget* list4_ = nullptr;
    QLabel* lblCaso_ = nullptr; ///< what chance gives the same plays
    std::array<SchedaCinquina, 3> cinquine_{};
};

} // namespace strovel

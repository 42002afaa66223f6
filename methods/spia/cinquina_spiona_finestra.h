#pragma once
// The spy quintet window: wheels, positions, cases and colpi, ELABORA, the verification of a
// number chosen in FgE and its companion numbers. The computing is in cinquina_spiona.h.

#include "methods/spia/cinquina_spiona.h"
#include "ui/finestra_analisi.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;

namespace strovel {

class GrigliaTabella;

class SelettoreIntervallo;
struct SelezioniMetodo;

class FinestraCinquinaSpiona : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraCinquinaSpiona(const ServiziFinestra& servizi, QWidget* padre = nullptr);
    ~FinestraCinquinaSpiona() override;

    void Elabora();
    /// Verifies the number of row `riga` of FgE over every case.
    void VerificaRiga(int riga);
    /// FgSort: the companions of the number verified last.
    void NumeriCompagni();
    /// "Verifica fuori campione": ELABORA as of a draw the user picks (a year back proposed),
    /// its top number played after it.
    void VerificaFuoriCampione() override;
    /// "Verifica progressiva": its top number at every reference, played after it.
    void VerificaProgressiva();

    ParametriCinquina LeggiParametri() const;

private:
    /// The selection the cases on screen were found on, in words.
    QString CasiRilevatiSu() const;
    ParametriCinquina parametri_;
    EsitoCinquina esito_;
    int verificato_ = 0;
    std::vector<Giocata> verifiche_;

    std::unique_ptr<SelezioniMetodo> selezioni_;
    QComboBox* comboPres_ = nullptr;
    QComboBox* comboColpi_ = nullptr;
    SelettoreIntervallo* selettore_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* lblAtteso_ = nullptr; ///< what chance gives the ranking
    QLabel* lblVerificato_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fgE_ = nullptr;
    GrigliaTabella* fgSort_ = nullptr;
    GrigliaTabella* fgStat2_ = nullptr;
};

} // namespace strovel

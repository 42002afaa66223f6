#pragma once
// The delay sequences window ("Sequenza dei ritardi"): the range, wheels, positions and K, the
// two scans into Fg2, the pattern marks and the sum of the last delays. The computing is in
// ritardi_sequenza.h.

#include "core/progresso.h"
#include "core/tabella.h"
#include "ui/servizi.h"

#include <QWidget>

class QLineEdit;

namespace strovel {

class GrigliaTabella;

class Archivio;
class Dialoghi;
class GrigliaSelezione;
class FinestraGrafico;
class SelettoreIntervallo;
struct SceltaGrafico;
struct ParametriSequenza;
enum class Andamento;

class FinestraRitardiSequenza : public QWidget {
    Q_OBJECT
public:
    explicit FinestraRitardiSequenza(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    void Presenze();
    void Periodo();
    void Evidenzia(Andamento andamento);
    void ImpostaUltime();
    /// "GRAFICO RITARDI": the delay history of the number of Fg2's current row, over the range
    /// and wheels; nothing (after a message) without a row.
    FinestraGrafico* GraficoRitardi();
    /// "GRAFICO FREQUENZE": every number's presences over the range, wheels and positions.
    FinestraGrafico* GraficoFrequenze();
    /// A click on column `colonna` of Fg2.
    void ClicColonna(int colonna);

    ParametriSequenza LeggiParametri() const;
    /// K: the leading digits of TxtPres; 0 when it has none.
    int LeggiK() const;

private:
    void Mostra();
    SceltaGrafico SceltaPerGrafico() const;
    void Segui(FinestraGrafico* grafico);

    const Archivio& archivio_;
    Dialoghi& dialoghi_;
    Progresso pb1_;
    Tabella fg2Dati_;

    SelettoreIntervallo* selettore_ = nullptr;
    GrigliaSelezione* fgR_ = nullptr;
    GrigliaSelezione* fgp_ = nullptr;
    QLineEdit* txtPres_ = nullptr;
    QLineEdit* txtUltime_ = nullptr;
    GrigliaTabella* fg2_ = nullptr;
};

} // namespace strovel

#pragma once
// The window of the ambo by sums and differences ("Il metodo di Valdimo"): the range, wheels,
// positions, allowed classes, order and wheel options, the four versions into the case grid Fg1
// and the summary FgX. The computing is in ambo_somme*.h.

#include "core/tabella.h"
#include "ui/finestra_analisi.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace strovel {

class GrigliaTabella;

class GrigliaSelezione;
class SelettoreIntervallo;
struct FiltroAmbo;
struct OpzioniGiocoAmbo;
enum class VersioneAmbo;

class FinestraAmboSomme : public FinestraAnalisi {
    Q_OBJECT
public:
    explicit FinestraAmboSomme(const ServiziFinestra& servizi, QWidget* padre = nullptr);

    /// One of the four commands: the consistency check, the search, the play, the grids.
    void Esegui(VersioneAmbo versione);

    /// "Verifica fuori campione": the version run last on the cases after a draw the user picks
    /// (a year back proposed), in a message with what chance gives.
    void VerificaFuoriCampione() override;

    FiltroAmbo LeggiFiltro() const;
    OpzioniGiocoAmbo LeggiOpzioni(VersioneAmbo versione) const;

private:
    QWidget* CreaRicerca(QWidget* padre);
    QWidget* CreaClassi(QWidget* padre);
    QWidget* CreaOpzioni(QWidget* padre);
    QCheckBox* Casella(QWidget* padre, const char* nome, const char* testo, bool spuntata = false);

    int versione_ = 0; ///< the VersioneAmbo run last

    SelettoreIntervallo* selettore_ = nullptr;
    GrigliaSelezione* fgR_ = nullptr;
    GrigliaSelezione* fgp_ = nullptr;
    GrigliaSelezione* fgS_ = nullptr;
    GrigliaSelezione* fgD_ = nullptr;
    GrigliaSelezione* fgF_ = nullptr;
    QCheckBox* chNC_ = nullptr;
    QCheckBox* chNd_ = nullptr;
    QCheckBox* chX1_ = nullptr;
    QCheckBox* chX2_ = nullptr;
    QCheckBox* chPE_ = nullptr;
    QCheckBox* chPosAdi_ = nullptr;
    QCheckBox* chPosAdi2_ = nullptr;
    std::array<QCheckBox*, 7> chRuoteTipo_{};
    QGroupBox* isotopia_ = nullptr;
    QCheckBox* distanzaMaggiore_ = nullptr;
    QCheckBox* distanzaMinore_ = nullptr;
    QCheckBox* ambata_ = nullptr;
    QCheckBox* ambiATutte_ = nullptr;
    QCheckBox* tuttiINumeri_ = nullptr;
    QCheckBox* baVe_ = nullptr;
    QCheckBox* ambiSuRuota_ = nullptr;
    QCheckBox* chIntervallo_ = nullptr;
    QComboBox* comboNC_ = nullptr;
    QComboBox* comboC_ = nullptr;
    GrigliaTabella* fg1_ = nullptr;
    GrigliaTabella* fgX_ = nullptr;
    QLabel* lblCaso_ = nullptr; ///< what chance gives the same plays
};

} // namespace strovel

#pragma once
// The shell of every analysis window. It holds the archive and the dialogs the window works
// with, lays it out (controls on the left in a panel that scrolls on small screens, results on
// the right, a divider between them), makes the pieces every analysis window has (the note that
// says what chance gives, the "Verifica fuori campione" and "Verifica progressiva" buttons) and
// runs the out-of-sample check and the walk-forward test through the analysis contract. Each
// window adds its own controls, names and behaviour.

#include "core/analisi.h"
#include "core/intervallo.h"
#include "ui/dialoghi.h"
#include "ui/servizi.h"

#include <QSize>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace strovel {

class FinestraAnalisi : public QWidget {
    Q_OBJECT
public:
    /// "Verifica fuori campione": asks for a reference draw and says how the analysis' offer at
    /// that draw did after it.
    virtual void VerificaFuoriCampione() = 0;

protected:
    /// The window named `nome` (its kind), titled `titolo`.
    FinestraAnalisi(const ServiziFinestra& servizi, const char* nome, const QString& titolo,
                    QWidget* padre);

    /// Controls on the left, results on the right, the divider named `nomeDivisore` (or not
    /// named); the window opens at `dimensione`.
    void Componi(QWidget* controlli, QWidget* risultati, const char* nomeDivisore,
                 QSize dimensione);

    /// The note beside a summary or a ranking that says what chance gives the same plays.
    static QLabel* CreaNotaCaso(QWidget* padre, const QString& nome, const QString& suggerimento);
    /// The "Verifica fuori campione" button, with `suggerimento` as its tooltip.
    QPushButton* CreaPulsanteFuoriCampione(QWidget* padre, const QString& suggerimento);
    /// The "Verifica progressiva" button of a window that chooses: a click runs `verifica`.
    QPushButton* CreaPulsanteProgressiva(QWidget* padre, const QString& suggerimento,
                                         std::function<void()> verifica);

    /// The out-of-sample check of `analisi`: the reference asked within 1..`massimo` (`proposto`
    /// offered), the check run there, its outcome said by `testo(esito, riferimento)` (a
    /// TestoVerifica).
    template <Analisi A, class Testo>
    void FuoriCampioneDi(int massimo, int proposto, const A& analisi, Testo&& testo) {
        EseguiVerificaFuoriCampione(
            dialoghi_, this, massimo, proposto, [&](int riferimento) -> TestoVerifica {
                return testo(FuoriCampione(analisi, archivio_, riferimento), riferimento);
            });
    }
    /// The same, with a year before `fine` offered and `fine` the last reference allowed.
    template <Analisi A, class Testo>
    void FuoriCampioneDi(int fine, const A& analisi, Testo&& testo) {
        FuoriCampioneDi(fine, UnAnnoPrima(archivio_, fine), analisi, testo);
    }

    /// "Verifica progressiva" of `analisi`: the first reference (a year back offered) and the
    /// step (the analysis' natural one offered) asked, the test run up to the last draw and
    /// shown in a window of its own with every choice.
    template <AnalisiConScelta A> void ProgressivaDi(const A& analisi) {
        int da = 0;
        int passo = 0;
        if (ChiediProgressiva(analisi.PassoNaturale(), da, passo)) {
            MostraProgressiva(VerificaProgressiva(analisi, archivio_, da, passo));
        }
    }

    const Archivio& archivio_;
    Dialoghi& dialoghi_;

private:
    bool ChiediProgressiva(int passoNaturale, int& da, int& passo);
    void MostraProgressiva(const EsitoProgressivo& p);
};

} // namespace strovel

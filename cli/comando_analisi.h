#pragma once
// The driver of every analysis command. It opens the archive named by the first argument, keeps
// the draws of --giorni and --mesi, declares and reads the options every analysis shares
// (--riepilogo, --atteso, --fuori-campione, --progressiva, --csv) and writes what they ask for in
// one format.
// Each command declares only its own parameters and what the shared options mean for it.

#include "cli/comando.h"
#include "core/analisi.h"

#include <optional>

namespace strovel {
struct Confronto;
struct EsitoProgressivo;
struct RiepilogoEsiti;
} // namespace strovel

namespace strovel::cli {

/// What an out-of-sample check reports, whatever the analysis: what was chosen at the reference
/// E on the archive as it stood then, the summary of the cases after E and chance beside it.
struct FuoriCampioneScritto {
    /// Not empty when nothing could be chosen at E: the reason, said on stderr (exit code 1).
    QString nienteScelto;
    /// One header and one row: what was chosen.
    const Tabella* scelta = nullptr;
    const RiepilogoEsiti* riepilogo = nullptr;
    const Confronto* confronto = nullptr;
    int riferimento = 0;
};

/// What an analysis command runs with: the call, its archive and the shared options read once.
struct Esecuzione {
    const Chiamata& chiamata;
    const Archivio& archivio;
    bool csv = false;
    bool riepilogo = false;
    bool atteso = false;
    /// "--fuori-campione" was given (its value is read by LeggiFuoriCampione).
    bool fuoriCampione = false;

    QTextStream& uscita() const { return chiamata.uscita; }
    QTextStream& errori() const { return chiamata.errori; }
    bool Presente(const QString& nome) const { return chiamata.Presente(nome); }

    /// "--fuori-campione E" within 1..massimo (0 when absent); false after saying why.
    bool LeggiFuoriCampione(int massimo, int& riferimento) const;
    /// "--progressiva E[:PASSO]": E within 1..massimo (0 when absent), PASSO from 1 (`naturale`
    /// when left out); false after saying why.
    bool LeggiProgressiva(int massimo, int naturale, int& da, int& passo) const;

    /// A grid, with its header.
    void Scrivi(const Tabella& t) const;
    /// Rows under another grid, without a header.
    void ScriviRighe(const Tabella& t) const;
    /// "Atteso per caso" and "Probabilità" after a summary.
    void ScriviAtteso(const Confronto& confronto) const;
    /// "CC atteso per caso", "Migliore atteso per caso" and "Probabilità del migliore" (that the
    /// best of as many random candidates reaches the ranking's top, as a percentage) after a
    /// ranking.
    void ScriviAttesoCC(double medio, double migliore, double probabilitaMigliore) const;
    /// "Migliore atteso per caso" and "Probabilità del migliore", in rows of three cells.
    void ScriviMiglioreAtteso(double migliore, double probabilitaMigliore) const;
    /// An out-of-sample check: the choice, the summary and, with cases, chance; or the reason
    /// nothing was chosen. The exit code.
    int ScriviFuoriCampione(const FuoriCampioneScritto& f) const;
    /// "Nessun caso dopo l'estrazione E: niente da verificare." on stderr; exit code 1.
    int NienteDopo(int riferimento) const;
    /// A walk-forward test: one row per choice, then its summary; or, with no choice, why
    /// (exit code 1). The exit code.
    int ScriviProgressiva(const EsitoProgressivo& p) const;
    /// With "--progressiva": the walk-forward test of `analisi` written, and the exit code;
    /// nothing without it.
    template <AnalisiConScelta A> std::optional<int> Progressiva(const A& analisi) const {
        int da = 0;
        int passo = 0;
        if (!LeggiProgressiva(archivio.TotEstrazioni, analisi.PassoNaturale(), da, passo)) {
            return CodiceUso;
        }
        if (da == 0) {
            return std::nullopt;
        }
        return ScriviProgressiva(VerificaProgressiva(analisi, archivio, da, passo));
    }
};

class ComandoAnalisi : public Comando {
public:
    bool ConFiltroCalendario() const final { return true; }
    /// The command's own options, then the shared ones it takes, then "--csv".
    QList<QCommandLineOption> Opzioni() const final;
    /// Checks the options, loads the archive, runs the analysis.
    int Esegui(const Chiamata& c) const final;

protected:
    /// The command's own options, in the order the help lists them.
    virtual QList<QCommandLineOption> OpzioniProprie() const = 0;
    /// What each shared option does for this command; an empty text: the command does not take
    /// it.
    virtual QString AiutoRiepilogo() const { return {}; }
    virtual QString AiutoFuoriCampione() const { return {}; }
    virtual QString AiutoAtteso() const { return {}; }
    virtual QString AiutoProgressiva() const { return {}; }
    /// Checks of the options that need no archive (choices that exclude each other); false
    /// after saying why (exit code 2).
    virtual bool Controlla(const Chiamata&) const { return true; }
    /// Runs the analysis on the loaded archive; the exit code.
    virtual int EseguiSu(const Esecuzione& e) const = 0;

    /// "--atteso" only beside "--riepilogo" (it adds to the summary); false after saying why.
    static bool AttesoConRiepilogo(const Chiamata& c);
    /// The help of "--atteso" for a command whose summary it completes.
    static QString AiutoAttesoConRiepilogo();
};

} // namespace strovel::cli

// strovel-cli ritardi: the delay sequences, PRESENZE or PERIODO.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "core/archivio.h"
#include "core/intervallo.h"
#include "methods/ritardi/ritardi_sequenza.h"

namespace strovel::cli {

namespace {

class ComandoRitardi : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("ritardi"); }
    QString Descrizione() const override {
        return QStringLiteral("Sequenza dei ritardi: PRESENZE (--presenze K) o PERIODO "
                              "(--periodo) e la griglia dei ritardi (Fg2).");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        return {
            ConValore(QStringLiteral("inizio"),
                      QStringLiteral("Inizio dell'intervallo (predefinito fine - %1, almeno 1).")
                          .arg(ArretramentoSequenzeRitardi),
                      QStringLiteral("S")),
            ConValore(QStringLiteral("fine"),
                      QStringLiteral("Fine dell'intervallo (predefinita l'ultima estrazione)."),
                      QStringLiteral("E")),
            OpzioneRuote(QStringLiteral("ruote"), QStringLiteral("Ruote"), QStringLiteral("BA")),
            OpzionePosizioni(),
            ConValore(QStringLiteral("presenze"),
                      QStringLiteral("PRESENZE: le uscite da cercare per ogni numero (0: fino "
                                     "alla prima estrazione)."),
                      QStringLiteral("K")),
            Interruttore(QStringLiteral("periodo"), QStringLiteral("PERIODO: tutto l'intervallo.")),
        };
    }
    bool Controlla(const Chiamata& c) const override {
        if (c.Presente(QStringLiteral("periodo")) ==
            c.Valore(QStringLiteral("presenze")).has_value()) {
            c.errori << QStringLiteral("Indicare --presenze K oppure --periodo (uno dei due).\n");
            return false;
        }
        return true;
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        ParametriSequenza p;
        const int ultima = e.archivio.TotEstrazioni;
        p.fine = ultima;
        int k = 0;
        if (!Intero(c, QStringLiteral("fine"), 1, ultima, p.fine)) {
            return CodiceUso;
        }
        p.inizio = InizioPredefinito(p.fine, ArretramentoSequenzeRitardi);
        if (!c.Valore(QStringLiteral("ruote"))) {
            p.ruote[0] = true;
        } else if (!LeggiRuote(c, QStringLiteral("ruote"), p.ruote)) {
            return CodiceUso;
        }
        const bool ok = Intero(c, QStringLiteral("inizio"), 1, p.fine, p.inizio) &&
                        LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
                        Intero(c, QStringLiteral("presenze"), 0, 99999, k);
        if (!ok) {
            return CodiceUso;
        }
        e.Scrivi(TabellaSequenze(e.Presente(QStringLiteral("periodo"))
                                     ? SequenzaPeriodo(e.archivio, p)
                                     : SequenzaPresenze(e.archivio, p, k)));
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoRitardi() {
    return std::make_unique<ComandoRitardi>();
}

} // namespace strovel::cli

// strovel-cli cinquina-spiona: ELABORA of the spy quintet and its grids.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "cli/opzioni_casi.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "core/ruote.h"
#include "methods/spia/cinquina_spiona.h"

#include <algorithm>

namespace strovel::cli {

namespace {

class ComandoCinquinaSpiona : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("cinquina-spiona"); }
    QString Descrizione() const override {
        return QStringLiteral("La cinquina spiona: ELABORA e la tabella dei numeri ordinata su "
                              "Pres (o i casi, la verifica di un numero, i suoi compagni).");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        QList<QCommandLineOption> o = OpzioniCasi();
        o += {
            OpzioneFine(),
            Interruttore(QStringLiteral("casi"), QStringLiteral("Stampa la griglia dei casi.")),
            ConValore(QStringLiteral("verifica"),
                      QStringLiteral("Stampa la griglia dei casi dopo la verifica del numero N."),
                      QStringLiteral("N")),
            ConValore(QStringLiteral("compagni"),
                      QStringLiteral("Stampa i numeri compagni di N nelle estrazioni vincenti."),
                      QStringLiteral("N")),
        };
        return o;
    }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: il primo numero della classifica "
                              "all'estrazione E, sull'archivio com'era allora, giocato come "
                              "ambata dopo E.");
    }
    QString AiutoProgressiva() const override {
        return QStringLiteral("Verifica progressiva: dall'estrazione E, ogni PASSO estrazioni "
                              "(predefiniti i colpi), il primo numero della classifica "
                              "sull'archivio com'era allora, giocato come ambata dopo.");
    }
    QString AiutoAtteso() const override {
        return QStringLiteral("Con la tabella dei numeri: le righe CC atteso per caso (in media) "
                              "e Migliore atteso per caso (il migliore di 90 numeri).");
    }
    bool Controlla(const Chiamata& c) const override {
        return AlPiuUna(c, {QStringLiteral("casi"), QStringLiteral("verifica"),
                            QStringLiteral("compagni"), QStringLiteral("atteso"),
                            QStringLiteral("fuori-campione"), QStringLiteral("progressiva")});
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio& a = e.archivio;
        ParametriCinquina p;
        p.fine = a.TotEstrazioni;
        int verifica = 0;
        int compagni = 0;
        const bool ok =
            LeggiRuote(c, QStringLiteral("rilevazione"), p.rilevazione) &&
            LeggiRuote(c, QStringLiteral("gioco"), p.gioco) &&
            LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
            DallaLista(c, liste_casi::Presenze, p.presenze) &&
            DallaLista(c, liste_casi::Colpi, p.colpi) &&
            Intero(c, QStringLiteral("fine"), 1, std::max<int>(1, a.TotEstrazioni), p.fine) &&
            NumeroLotto(c, QStringLiteral("verifica"), verifica) &&
            NumeroLotto(c, QStringLiteral("compagni"), compagni);
        if (!ok) {
            return CodiceUso;
        }
        if (const auto codice = e.Progressiva(AnalisiCinquina{p})) {
            return *codice;
        }
        int riferimento = 0;
        if (!e.LeggiFuoriCampione(p.fine, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            return FuoriCampione(e, p, riferimento);
        }
        const EsitoCinquina esito = ElaboraCinquina(a, p);
        if (e.Presente(QStringLiteral("casi"))) {
            e.Scrivi(TabellaCasiCinquina(a, p, esito.casi));
        } else if (verifica > 0) {
            const auto v = VerificaNumero(a, p, esito.casi, verifica);
            e.Scrivi(TabellaCasiCinquina(a, p, esito.casi, &v));
        } else if (compagni > 0) {
            const auto v = VerificaNumero(a, p, esito.casi, compagni);
            e.Scrivi(Compagni(a, p, esito.casi, v, compagni));
        } else {
            e.Scrivi(TabellaNumeriCinquina(a, p, esito));
            if (e.atteso) {
                const CCAtteso atteso = AttesoCinquina(a, p, esito);
                e.ScriviAttesoCC(atteso.medio, atteso.migliore, atteso.probabilitaMigliore);
            }
        }
        return CodiceOk;
    }

private:
    /// The first number of the ranking at `riferimento`, played once as an ambata after it.
    static int FuoriCampione(const Esecuzione& e, const ParametriCinquina& p, int riferimento) {
        const FuoriCampioneCinquina f = FuoriCampioneSpia(e.archivio, p, riferimento);
        if (!f.scelta) {
            return e.ScriviFuoriCampione(
                {QString::fromStdString(TestoFuoriCampioneSpia(f, riferimento))});
        }
        Tabella scelta("Scelto all'estrazione|Numero|Pres|Colpo|Ruote");
        std::string ruote;
        for (int w = 0; w < 11; ++w) {
            ruote += f.giocata.vincenti[static_cast<std::size_t>(w)] ? " " + Sigla(w) : "";
        }
        scelta.AggiungiRiga({std::to_string(riferimento), std::to_string(f.scelta->numero),
                             std::to_string(f.scelta->presenze),
                             f.giocata.colpo > 0 ? std::to_string(f.giocata.colpo) : "", ruote});
        return e.ScriviFuoriCampione({{}, &scelta, &f.riepilogo, &f.confronto, riferimento});
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoCinquinaSpiona() {
    return std::make_unique<ComandoCinquinaSpiona>();
}

} // namespace strovel::cli

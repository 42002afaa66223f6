// strovel-cli cicli: the Strovel cycle module's formula list.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "cycles/strovel/strovel.h"
#include "cycles/strovel/strovel_atteso.h"
#include "cycles/strovel/strovel_tabelle.h"

namespace strovel::cli {

namespace {

class ComandoCicli : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("cicli"); }
    QString Descrizione() const override {
        return QStringLiteral("Il modulo cicli Strovel: ELABORA (o \"esamina tutte le ruote\") e "
                              "il suo elenco di formule, colonne 0..20.");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        namespace l = liste_strovel;
        const QString n = QStringLiteral("N");
        return {
            ConValore(QStringLiteral("riferimento"),
                      QStringLiteral("L'estrazione di riferimento (predefinita l'ultima)."), n),
            OpzioneLista(l::Cicli),
            OpzioneLista(l::Durata),
            OpzioneLista(l::Considera),
            OpzioneLista(l::Salto),
            OpzioneLista(l::Colpi),
            OpzioneLista(l::Elenco),
            ConValore(QStringLiteral("operatore"),
                      QStringLiteral("Operatore: + Somma, - Sottrae, X Moltiplica, F Somma + "
                                     "Figura, C Somma + Cadenza, V Somma + Vertibile."),
                      QStringLiteral("+ - X F C V")),
            OpzioneRuote(QStringLiteral("rilevazione"), QStringLiteral("Ruote di rilevazione"),
                         QStringLiteral("TU")),
            OpzioneRuote(QStringLiteral("gioco"), QStringLiteral("Ruote di gioco"),
                         QStringLiteral("TU")),
            Interruttore(QStringLiteral("stop"), QStringLiteral("Stop riferimento.")),
            Interruttore(QStringLiteral("ritardo-ambata"),
                         QStringLiteral("Ritardo ambata: elenco ordinato per ritardo.")),
            Interruttore(QStringLiteral("tutte-operazioni"),
                         QStringLiteral("\"esamina tutte le ruote\": tutte le operazioni.")),
        };
    }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: la prima formula all'estrazione E, "
                              "verificata come ambata nei cicli dopo E.");
    }
    QString AiutoProgressiva() const override {
        return QStringLiteral("Verifica progressiva: dall'estrazione E, ogni PASSO estrazioni "
                              "(predefinito un ciclo), la prima formula sull'archivio com'era "
                              "allora, verificata come ambata nel primo ciclo dopo.");
    }
    QString AiutoAtteso() const override {
        return QStringLiteral("Dopo l'elenco: Atteso per caso (i positivi di una formula a caso), "
                              "Probabilità (di trovarne per caso quanti la prima) e Migliore "
                              "atteso per caso (il migliore di altrettante formule a caso).");
    }
    bool Controlla(const Chiamata& c) const override {
        return AlPiuUna(c, {QStringLiteral("atteso"), QStringLiteral("fuori-campione"),
                            QStringLiteral("progressiva")});
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio& a = e.archivio;
        ParametriStrovel p;
        p.riferimento = a.TotEstrazioni;
        namespace l = liste_strovel;
        const bool ok =
            Intero(c, QStringLiteral("riferimento"), 1, a.TotEstrazioni, p.riferimento) &&
            DallaLista(c, l::Cicli, p.cicli) && DallaLista(c, l::Durata, p.durata) &&
            DallaLista(c, l::Considera, p.considera) && DallaLista(c, l::Salto, p.salto) &&
            DallaLista(c, l::Colpi, p.colpi) && DallaLista(c, l::Elenco, p.elenco) &&
            LeggiRuote(c, QStringLiteral("rilevazione"), p.rilevazione) &&
            LeggiRuote(c, QStringLiteral("gioco"), p.gioco);
        if (!ok) {
            return CodiceUso;
        }
        if (const auto op = c.Valore(QStringLiteral("operatore"))) {
            const auto operazione = OperazioneDaVoce(op->toStdString());
            if (op->size() != 1 || !operazione) {
                e.errori()
                    << QStringLiteral("Operatore non valido: %1 (uno tra + - X F C V).\n").arg(*op);
                return CodiceUso;
            }
            p.operazione = *operazione;
        }
        p.stop = e.Presente(QStringLiteral("stop"));
        const bool perRitardo = e.Presente(QStringLiteral("ritardo-ambata"));
        const bool tutte = e.Presente(QStringLiteral("tutte-operazioni"));
        if (const auto codice = e.Progressiva(AnalisiStrovel{p, tutte})) {
            return *codice;
        }
        int riferimento = 0;
        if (!e.LeggiFuoriCampione(p.riferimento, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            return FuoriCampione(e, p, tutte, riferimento);
        }
        const EsitoStrovel esito =
            tutte ? EsaminaTutteLeOperazioni(a, p, perRitardo) : ElaboraStrovel(a, p, perRitardo);
        if (esito.mancanoRuote) {
            e.errori() << MancanoRuote();
            return CodiceErrore;
        }
        e.Scrivi(TabellaFormule(esito.formule, 21));
        if (e.atteso) {
            if (const auto caso = ConfrontaFormule(a, esito)) {
                e.ScriviAtteso(caso->primo);
                e.ScriviMiglioreAtteso(caso->migliore, caso->probabilitaMigliore);
            }
        }
        return CodiceOk;
    }

private:
    static QString MancanoRuote() {
        return QStringLiteral("Attenzione si deve selezionare almeno una ruota di rilevazione ed "
                              "una su cui giocare\n");
    }

    static int FuoriCampione(const Esecuzione& e, const ParametriStrovel& p, bool tutte,
                             int riferimento) {
        const FuoriCampioneStrovel f = VerificaFuoriCampione(e.archivio, p, tutte, riferimento);
        if (f.mancanoRuote) {
            e.errori() << MancanoRuote();
            return CodiceErrore;
        }
        if (!f.scelta) {
            return e.ScriviFuoriCampione(
                {QStringLiteral("Nessuna formula all'estrazione %1.").arg(riferimento)});
        }
        Tabella scelta("Scelta all'estrazione|Formula|P1|Cicli");
        scelta.AggiungiRiga({std::to_string(riferimento), TestoFormula(*f.scelta->riga.formula),
                             std::to_string(f.scelta->riga.p1),
                             std::to_string(f.scelta->cicliDentro)});
        return e.ScriviFuoriCampione({{}, &scelta, &f.riepilogo, &f.confronto, riferimento});
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoCicli() {
    return std::make_unique<ComandoCicli>();
}

} // namespace strovel::cli

// strovel-cli cicli2: the second cycle module's RILEVA CICLI and its three grids.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "cycles/modulo2/ciclo2.h"
#include "cycles/modulo2/ciclo2_atteso.h"
#include "cycles/modulo2/ciclo2_tabelle.h"

namespace strovel::cli {

namespace {

class ComandoCicli2 : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("cicli2"); }
    QString Descrizione() const override {
        return QStringLiteral("Strovel: Modulo 2, RILEVA CICLI: i cicli con le presenze dei "
                              "numeri (FgCicli), la distribuzione (FgMax) o il riepilogo per "
                              "numero (FgB1).");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        namespace l = liste_ciclo2;
        return {
            OpzioneRuote(QStringLiteral("ruote"), QStringLiteral("Ruote"), QStringLiteral("TU")),
            OpzionePosizioni(),
            OpzioneLista(l::Cicli),
            OpzioneLista(l::Durata),
            OpzioneLista(l::Salto),
            OpzioneLista(l::Colpi),
            ConValore(QStringLiteral("riferimento"),
                      QStringLiteral("L'estrazione di riferimento (predefinita l'ultima)."),
                      QStringLiteral("R")),
            ConValore(QStringLiteral("griglia"),
                      QStringLiteral("La griglia da scrivere: cicli (predefinita), "
                                     "distribuzione o numeri."),
                      QStringLiteral("cicli|distribuzione|numeri")),
        };
    }
    QString AiutoProgressiva() const override {
        return QStringLiteral("Verifica progressiva: dall'estrazione E, ogni PASSO estrazioni "
                              "(predefinito un ciclo), il numero con più cicli sull'archivio "
                              "com'era allora, verificato nel primo ciclo dopo.");
    }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: il numero con più cicli all'estrazione "
                              "E, verificato nei cicli dopo E.");
    }
    QString AiutoAtteso() const override {
        return QStringLiteral("Con --griglia numeri: le righe CC atteso per caso (di un numero, "
                              "in media) e Migliore atteso per caso (il migliore di 90 numeri).");
    }
    bool Controlla(const Chiamata& c) const override {
        const QString griglia = Griglia(c);
        if (griglia != QStringLiteral("cicli") && griglia != QStringLiteral("distribuzione") &&
            griglia != QStringLiteral("numeri")) {
            c.errori << QStringLiteral("Griglia non valida: %1 (cicli, distribuzione o numeri).\n")
                            .arg(griglia);
            return false;
        }
        if (!AlPiuUna(c, {QStringLiteral("atteso"), QStringLiteral("fuori-campione"),
                          QStringLiteral("progressiva")})) {
            return false;
        }
        if (c.Presente(QStringLiteral("atteso")) && griglia != QStringLiteral("numeri")) {
            c.errori << QStringLiteral("--atteso si usa con --griglia numeri.\n");
            return false;
        }
        return true;
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio& a = e.archivio;
        ParametriCiclo2 p;
        p.riferimento = a.TotEstrazioni;
        namespace l = liste_ciclo2;
        const bool ok = LeggiRuote(c, QStringLiteral("ruote"), p.ruote) &&
                        LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
                        DallaLista(c, l::Cicli, p.cicli) && DallaLista(c, l::Durata, p.durata) &&
                        DallaLista(c, l::Salto, p.salto) && DallaLista(c, l::Colpi, p.colpi) &&
                        Intero(c, QStringLiteral("riferimento"), 1, a.TotEstrazioni, p.riferimento);
        if (!ok) {
            return CodiceUso;
        }
        if (const auto codice = e.Progressiva(AnalisiCiclo2{p})) {
            return *codice;
        }
        int riferimento = 0;
        if (!e.LeggiFuoriCampione(p.riferimento, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            const FuoriCampioneCiclo2 f = VerificaFuoriCampione(a, p, riferimento);
            if (!f.scelta) {
                return e.ScriviFuoriCampione(
                    {QString::fromStdString(TestoFuoriCampione(f, riferimento))});
            }
            Tabella scelta("Scelto all'estrazione|Numero|CC|Cicli");
            scelta.AggiungiRiga({std::to_string(riferimento), std::to_string(f.scelta->numero),
                                 std::to_string(f.scelta->cc),
                                 std::to_string(f.scelta->cicliDentro)});
            return e.ScriviFuoriCampione({{}, &scelta, &f.riepilogo, &f.confronto, riferimento});
        }
        const Rilevazione r = RilevaCicli(a, p);
        const QString griglia = Griglia(c);
        e.Scrivi(griglia == QStringLiteral("cicli")           ? TabellaCicli2(r)
                 : griglia == QStringLiteral("distribuzione") ? TabellaDistribuzione(r)
                                                              : TabellaNumeri(RiepilogoNumeri(r)));
        if (e.atteso) {
            const CCAttesoCicli atteso = AttesoNumeri(a, r);
            e.ScriviAttesoCC(atteso.medio, atteso.migliore, atteso.probabilitaMigliore);
        }
        return CodiceOk;
    }

private:
    static QString Griglia(const Chiamata& c) {
        return c.Valore(QStringLiteral("griglia")).value_or(QStringLiteral("cicli"));
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoCicli2() {
    return std::make_unique<ComandoCicli2>();
}

} // namespace strovel::cli

// The cycle commands of strovel-cli: the Strovel module's formula list and the second cycle
// module's cycles and the ambo cycle module's grids.

#include "cli/comando.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/ruote.h"
#include "cycles/ambi_cicli.h"
#include "cycles/ambi_cicli_caso.h"
#include "cycles/ciclo2.h"
#include "cycles/ciclo2_caso.h"
#include "cycles/ciclo2_tabelle.h"
#include "cycles/strovel.h"
#include "cycles/strovel_caso.h"
#include "cycles/strovel_tabelle.h"

#include <algorithm>

namespace strovel::cli {

namespace {

const QString MancanoRuote = QStringLiteral("Attenzione si deve selezionare almeno una ruota di "
                                            "rilevazione ed una su cui giocare\n");

class ComandoCicli : public Comando {
public:
    QString Nome() const override { return QStringLiteral("cicli"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("Il modulo cicli Strovel: ELABORA (o \"esamina tutte le ruote\") e "
                              "il suo elenco di formule, colonne 0..20.");
    }
    QList<QCommandLineOption> Opzioni() const override {
        namespace l = liste_strovel;
        const QString n = QStringLiteral("N");
        return {
            ConValore(QStringLiteral("riferimento"),
                      QStringLiteral("L'estrazione di riferimento (predefinita l'ultima)."), n),
            OpzioneLista(QStringLiteral("cicli"), QStringLiteral("N° Cicli"), l::Cicli,
                         QStringLiteral("C")),
            OpzioneLista(QStringLiteral("durata"), QStringLiteral("Durata"), l::Durata,
                         QStringLiteral("D")),
            OpzioneLista(QStringLiteral("considera"), QStringLiteral("Considera"), l::Considera,
                         QStringLiteral("K")),
            OpzioneLista(QStringLiteral("salto"), QStringLiteral("Salto"), l::Salto,
                         QStringLiteral("S")),
            OpzioneLista(QStringLiteral("colpi"), QStringLiteral("Colpi"), l::Colpi, n),
            OpzioneLista(QStringLiteral("elenco"), QStringLiteral("Elenco"), l::Elenco,
                         QStringLiteral("E")),
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
            Interruttore(QStringLiteral("atteso"),
                         QStringLiteral("Dopo l'elenco: Atteso per caso (i positivi di una "
                                        "formula a caso), Probabilità (di trovarne per caso "
                                        "quanti la prima) e Migliore atteso per caso (il "
                                        "migliore di altrettante formule a caso).")),
            ConValore(QStringLiteral("fuori-campione"),
                      QStringLiteral("Verifica fuori campione: la prima formula all'estrazione "
                                     "E, verificata come ambata nei cicli dopo E."),
                      QStringLiteral("E")),
            OpzioneCsv(),
        };
    }
    int Esegui(const Chiamata& c) const override {
        if (!AlPiuUna(c, {QStringLiteral("atteso"), QStringLiteral("fuori-campione")})) {
            return CodiceUso;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        ParametriStrovel p;
        p.riferimento = archivio->TotEstrazioni;
        namespace l = liste_strovel;
        const bool ok =
            Intero(c, QStringLiteral("riferimento"), 1, archivio->TotEstrazioni, p.riferimento) &&
            DallaLista(c, QStringLiteral("cicli"), l::Cicli, p.cicli) &&
            DallaLista(c, QStringLiteral("durata"), l::Durata, p.durata) &&
            DallaLista(c, QStringLiteral("considera"), l::Considera, p.considera) &&
            DallaLista(c, QStringLiteral("salto"), l::Salto, p.salto) &&
            DallaLista(c, QStringLiteral("colpi"), l::Colpi, p.colpi) &&
            DallaLista(c, QStringLiteral("elenco"), l::Elenco, p.elenco) &&
            LeggiRuote(c, QStringLiteral("rilevazione"), p.rilevazione) &&
            LeggiRuote(c, QStringLiteral("gioco"), p.gioco);
        if (!ok) {
            return CodiceUso;
        }
        if (const auto op = c.Valore(QStringLiteral("operatore"))) {
            const auto operazione = OperazioneDaVoce(op->toStdString());
            if (op->size() != 1 || !operazione) {
                c.errori
                    << QStringLiteral("Operatore non valido: %1 (uno tra + - X F C V).\n").arg(*op);
                return CodiceUso;
            }
            p.operazione = *operazione;
        }
        p.stop = c.Presente(QStringLiteral("stop"));
        const bool perRitardo = c.Presente(QStringLiteral("ritardo-ambata"));
        const bool tutte = c.Presente(QStringLiteral("tutte-operazioni"));
        const bool csv = c.Presente(QStringLiteral("csv"));
        int riferimento = 0;
        if (!Intero(c, QStringLiteral("fuori-campione"), 1, p.riferimento, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            return FuoriCampione(c, *archivio, p, tutte, riferimento, csv);
        }
        const EsitoStrovel e = tutte ? EsaminaTutteLeOperazioni(*archivio, p, perRitardo)
                                     : ElaboraStrovel(*archivio, p, perRitardo);
        if (e.mancanoRuote) {
            c.errori << MancanoRuote;
            return CodiceErrore;
        }
        ScriviTabella(TabellaFormule(e.formule, 21), csv, c.uscita);
        if (c.Presente(QStringLiteral("atteso"))) {
            if (const auto caso = ConfrontaFormule(*archivio, e)) {
                ScriviAtteso(caso->primo, csv, c.uscita);
                Tabella t("||");
                t.AggiungiRiga({"Migliore atteso per caso", UnDecimale(caso->migliore), ""});
                ScriviRighe(t, csv, c.uscita);
            }
        }
        return CodiceOk;
    }

private:
    static int FuoriCampione(const Chiamata& c, const Archivio& a, const ParametriStrovel& p,
                             bool tutte, int riferimento, bool csv) {
        const FuoriCampioneStrovel f = VerificaFuoriCampione(a, p, tutte, riferimento);
        if (f.mancanoRuote) {
            c.errori << MancanoRuote;
            return CodiceErrore;
        }
        if (!f.scelta) {
            c.errori << QStringLiteral("Nessuna formula all'estrazione %1.\n").arg(riferimento);
            return CodiceErrore;
        }
        Tabella scelta("Scelta all'estrazione|Formula|P1|Cicli");
        scelta.AggiungiRiga({std::to_string(riferimento), TestoFormula(*f.scelta->formula),
                             std::to_string(f.scelta->p1), std::to_string(f.cicliDentro)});
        const int casi = static_cast<int>(f.cicli.size());
        ScriviFuoriCampione(scelta, {casi, f.positivi, casi - f.positivi - f.inGioco, f.inGioco},
                            f.confronto, csv, c.uscita);
        return CodiceOk;
    }
};

class ComandoCicli2 : public Comando {
public:
    QString Nome() const override { return QStringLiteral("cicli2"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("Strovel: Modulo 2, RILEVA CICLI: i cicli con le presenze dei "
                              "numeri (FgCicli), la distribuzione (FgMax) o il riepilogo per "
                              "numero (FgB1).");
    }
    QList<QCommandLineOption> Opzioni() const override {
        namespace l = liste_ciclo2;
        return {
            OpzioneRuote(QStringLiteral("ruote"), QStringLiteral("Ruote"), QStringLiteral("TU")),
            OpzionePosizioni(),
            OpzioneLista(QStringLiteral("cicli"), QStringLiteral("N° Cicli"), l::Cicli,
                         QStringLiteral("C")),
            OpzioneLista(QStringLiteral("durata"), QStringLiteral("Durata"), l::Durata,
                         QStringLiteral("D")),
            OpzioneLista(QStringLiteral("salto"), QStringLiteral("Salto"), l::Salto,
                         QStringLiteral("S")),
            OpzioneLista(QStringLiteral("colpi"), QStringLiteral("Colpi"), l::Colpi,
                         QStringLiteral("G")),
            ConValore(QStringLiteral("riferimento"),
                      QStringLiteral("L'estrazione di riferimento (predefinita l'ultima)."),
                      QStringLiteral("R")),
            ConValore(QStringLiteral("griglia"),
                      QStringLiteral("La griglia da scrivere: cicli (predefinita), "
                                     "distribuzione o numeri."),
                      QStringLiteral("cicli|distribuzione|numeri")),
            Interruttore(QStringLiteral("atteso"),
                         QStringLiteral("Con --griglia numeri: le righe CC atteso per caso (di "
                                        "un numero, in media) e Migliore atteso per caso (il "
                                        "migliore di 90 numeri).")),
            ConValore(QStringLiteral("fuori-campione"),
                      QStringLiteral("Verifica fuori campione: il numero con più cicli "
                                     "all'estrazione E, verificato nei cicli dopo E."),
                      QStringLiteral("E")),
            OpzioneCsv(),
        };
    }
    int Esegui(const Chiamata& c) const override {
        const QString griglia =
            c.Valore(QStringLiteral("griglia")).value_or(QStringLiteral("cicli"));
        if (griglia != QStringLiteral("cicli") && griglia != QStringLiteral("distribuzione") &&
            griglia != QStringLiteral("numeri")) {
            c.errori << QStringLiteral("Griglia non valida: %1 (cicli, distribuzione o numeri).\n")
                            .arg(griglia);
            return CodiceUso;
        }
        if (!AlPiuUna(c, {QStringLiteral("atteso"), QStringLiteral("fuori-campione")})) {
            return CodiceUso;
        }
        if (c.Presente(QStringLiteral("atteso")) && griglia != QStringLiteral("numeri")) {
            c.errori << QStringLiteral("--atteso si usa con --griglia numeri.\n");
            return CodiceUso;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        ParametriCiclo2 p;
        p.riferimento = archivio->TotEstrazioni;
        namespace l = liste_ciclo2;
        const bool ok =
            LeggiRuote(c, QStringLiteral("ruote"), p.ruote) &&
            LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
            DallaLista(c, QStringLiteral("cicli"), l::Cicli, p.cicli) &&
            DallaLista(c, QStringLiteral("durata"), l::Durata, p.durata) &&
            DallaLista(c, QStringLiteral("salto"), l::Salto, p.salto) &&
            DallaLista(c, QStringLiteral("colpi"), l::Colpi, p.colpi) &&
            Intero(c, QStringLiteral("riferimento"), 1, archivio->TotEstrazioni, p.riferimento);
        if (!ok) {
            return CodiceUso;
        }
        const bool csv = c.Presente(QStringLiteral("csv"));
        int riferimento = 0;
        if (!Intero(c, QStringLiteral("fuori-campione"), 1, p.riferimento, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            const FuoriCampioneCiclo2 f = VerificaFuoriCampione(*archivio, p, riferimento);
            if (f.numero == 0) {
                c.errori << QString::fromStdString(TestoFuoriCampione(f, riferimento)) << '\n';
                return CodiceErrore;
            }
            Tabella scelta("Scelto all'estrazione|Numero|CC|Cicli");
            scelta.AggiungiRiga({std::to_string(riferimento), std::to_string(f.numero),
                                 std::to_string(f.cc), std::to_string(f.cicliDentro)});
            const int casi = static_cast<int>(f.cicli.size());
            ScriviFuoriCampione(scelta,
                                {casi, f.positivi, casi - f.positivi - f.inGioco, f.inGioco},
                                f.confronto, csv, c.uscita);
            return CodiceOk;
        }
        const Rilevazione r = RilevaCicli(*archivio, p);
        const Tabella t = griglia == QStringLiteral("cicli") ? TabellaCicli2(r)
                          : griglia == QStringLiteral("distribuzione")
                              ? TabellaDistribuzione(r)
                              : TabellaNumeri(RiepilogoNumeri(r));
        ScriviTabella(t, csv, c.uscita);
        if (c.Presente(QStringLiteral("atteso"))) {
            const CCAttesoCicli atteso = AttesoNumeri(r);
            ScriviAttesoCC(atteso.medio, atteso.migliore, csv, c.uscita);
        }
        return CodiceOk;
    }
};

class ComandoAmbiCicli : public Comando {
public:
    QString Nome() const override { return QStringLiteral("cicli-ambi"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("Gli ambi nei cicli: ELABORA e la griglia degli ambi (Fg1), dei "
                              "cicli (Fg2) o dei gruppi di 2 o 3 ambi (FG9).");
    }
    QList<QCommandLineOption> Opzioni() const override {
        namespace l = liste_ambi_cicli;
        return {
            ConValore(QStringLiteral("numeri"),
                      QStringLiteral("I numeri scelti, da 1 a 90, separati da virgole."),
                      QStringLiteral("N1,N2,..")),
            OpzioneRuote(QStringLiteral("ruote"), QStringLiteral("Ruote"), QStringLiteral("TU")),
            OpzioneLista(QStringLiteral("cicli"), QStringLiteral("N° Cicli"), l::Cicli,
                         QStringLiteral("C")),
            OpzioneLista(QStringLiteral("durata"), QStringLiteral("Durata"), l::Durata,
                         QStringLiteral("D")),
            ConValore(QStringLiteral("riferimento"),
                      QStringLiteral("L'estrazione di riferimento (predefinita l'ultima)."),
                      QStringLiteral("R")),
            Interruttore(QStringLiteral("decrescente"),
                         QStringLiteral("Ordine decrescente: ambi ordinati per CC.")),
            ConValore(QStringLiteral("griglia"),
                      QStringLiteral("La griglia da scrivere: ambi (predefinita), cicli, gruppi2 "
                                     "(Elabora 2 ambi) o gruppi3 (Elabora 3 ambi)."),
                      QStringLiteral("ambi|cicli|gruppi2|gruppi3")),
            Interruttore(QStringLiteral("atteso"),
                         QStringLiteral("Con --griglia ambi, gruppi2 o gruppi3: le righe CC "
                                        "atteso per caso (di un ambo o gruppo a caso, in media) "
                                        "e Migliore atteso per caso (il migliore di "
                                        "altrettanti a caso).")),
            ConValore(QStringLiteral("fuori-campione"),
                      QStringLiteral("Verifica fuori campione: l'ambo con più cicli "
                                     "all'estrazione E, verificato nei cicli dopo E."),
                      QStringLiteral("E")),
            OpzioneCsv(),
        };
    }
    int Esegui(const Chiamata& c) const override {
        const QString griglia =
            c.Valore(QStringLiteral("griglia")).value_or(QStringLiteral("ambi"));
        const QStringList griglie = {QStringLiteral("ambi"), QStringLiteral("cicli"),
                                     QStringLiteral("gruppi2"), QStringLiteral("gruppi3")};
        if (!griglie.contains(griglia)) {
            c.errori << QStringLiteral("Griglia non valida: %1 (ambi, cicli, gruppi2 o gruppi3).\n")
                            .arg(griglia);
            return CodiceUso;
        }
        if (!AlPiuUna(c, {QStringLiteral("atteso"), QStringLiteral("fuori-campione")})) {
            return CodiceUso;
        }
        if (c.Presente(QStringLiteral("atteso")) && griglia == QStringLiteral("cicli")) {
            c.errori << QStringLiteral("--atteso si usa con --griglia ambi, gruppi2 o gruppi3.\n");
            return CodiceUso;
        }
        NumeriScelti scelti{};
        for (const QString& parte : c.Valore(QStringLiteral("numeri"))
                                        .value_or(QString())
                                        .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = parte.trimmed().toInt(&ok);
            if (!ok || n < 1 || n > 90) {
                c.errori << QStringLiteral("Numero non valido in --numeri: %1 (da 1 a 90).\n")
                                .arg(parte);
                return CodiceUso;
            }
            scelti[static_cast<std::size_t>(n)] = true;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        ParametriAmbiCicli p;
        p.riferimento = archivio->TotEstrazioni;
        namespace l = liste_ambi_cicli;
        const bool ok =
            LeggiRuote(c, QStringLiteral("ruote"), p.ruote) &&
            DallaLista(c, QStringLiteral("cicli"), l::Cicli, p.cicli) &&
            DallaLista(c, QStringLiteral("durata"), l::Durata, p.durata) &&
            Intero(c, QStringLiteral("riferimento"), 1, archivio->TotEstrazioni, p.riferimento);
        if (!ok) {
            return CodiceUso;
        }
        if (std::count(scelti.begin(), scelti.end(), true) < 2) {
            c.errori << QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri.\n");
            return CodiceErrore;
        }
        const bool csv = c.Presente(QStringLiteral("csv"));
        int riferimento = 0;
        if (!Intero(c, QStringLiteral("fuori-campione"), 1, p.riferimento, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            const FuoriCampioneAmbi f =
                VerificaFuoriCampione(*archivio, p, AmbiDi(scelti), riferimento);
            if (f.n1 == 0) {
                c.errori << QString::fromStdString(TestoFuoriCampione(f, riferimento)) << '\n';
                return CodiceErrore;
            }
            Tabella scelta("Scelto all'estrazione|N1|N2|CC|Cicli");
            scelta.AggiungiRiga({std::to_string(riferimento), std::to_string(f.n1),
                                 std::to_string(f.n2), std::to_string(f.cc),
                                 std::to_string(f.cicliDentro)});
            const int casi = static_cast<int>(f.cicli.size());
            ScriviFuoriCampione(scelta, {casi, f.positivi, casi - f.positivi, 0}, f.confronto, csv,
                                c.uscita);
            return CodiceOk;
        }
        ElaborazioneAmbi e = ContaAmbi(*archivio, p, AmbiDi(scelti));
        if (c.Presente(QStringLiteral("decrescente"))) {
            OrdinaPerCC(e.ambi);
        }
        Tabella t;
        AttesoCicli atteso;
        if (griglia == QStringLiteral("ambi")) {
            t = TabellaAmbiCicli(e, true);
            atteso = AttesoAmbi(*archivio, e);
        } else if (griglia == QStringLiteral("cicli")) {
            t = TabellaCicliAmbi(*archivio, e.cicli);
        } else {
            const int membri = griglia == QStringLiteral("gruppi2") ? 2 : 3;
            t = TabellaGruppi(e.ambi, MiglioriGruppi(e.ambi, membri));
            atteso = AttesoGruppi(*archivio, e, membri);
        }
        ScriviTabella(t, csv, c.uscita);
        if (c.Presente(QStringLiteral("atteso"))) {
            ScriviAttesoCC(atteso.medio, atteso.migliore, csv, c.uscita);
        }
        return CodiceOk;
    }
};

} // namespace

std::vector<std::unique_ptr<Comando>> ComandiCicli() {
    std::vector<std::unique_ptr<Comando>> comandi;
    comandi.push_back(std::make_unique<ComandoCicli>());
    comandi.push_back(std::make_unique<ComandoCicli2>());
    comandi.push_back(std::make_unique<ComandoAmbiCicli>());
    return comandi;
}

} // namespace strovel::cli

// strovel-cli cicli-ambi: the ambi of the chosen numbers in the cycles, and their groups.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "cycles/ambi/ambi_cicli.h"
#include "cycles/ambi/ambi_cicli_atteso.h"

#include <algorithm>

namespace strovel::cli {

namespace {

class ComandoAmbiCicli : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("cicli-ambi"); }
    QString Descrizione() const override {
        return QStringLiteral("Gli ambi nei cicli: ELABORA e la griglia degli ambi (Fg1), dei "
                              "cicli (Fg2) o dei gruppi di 2 o 3 ambi (FG9).");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        namespace l = liste_ambi_cicli;
        return {
            ConValore(QStringLiteral("numeri"),
                      QStringLiteral("I numeri scelti, da 1 a 90, separati da virgole."),
                      QStringLiteral("N1,N2,..")),
            OpzioneRuote(QStringLiteral("ruote"), QStringLiteral("Ruote"), QStringLiteral("TU")),
            OpzioneLista(l::Cicli),
            OpzioneLista(l::Durata),
            ConValore(QStringLiteral("riferimento"),
                      QStringLiteral("L'estrazione di riferimento (predefinita l'ultima)."),
                      QStringLiteral("R")),
            Interruttore(QStringLiteral("decrescente"),
                         QStringLiteral("Ordine decrescente: ambi ordinati per CC.")),
            ConValore(QStringLiteral("griglia"),
                      QStringLiteral("La griglia da scrivere: ambi (predefinita), cicli, gruppi2 "
                                     "(Elabora 2 ambi) o gruppi3 (Elabora 3 ambi)."),
                      QStringLiteral("ambi|cicli|gruppi2|gruppi3")),
        };
    }
    QString AiutoProgressiva() const override {
        return QStringLiteral("Verifica progressiva: dall'estrazione E, ogni PASSO estrazioni "
                              "(predefinito un ciclo), l'ambo con più cicli sull'archivio com'era "
                              "allora, verificato nel primo ciclo dopo.");
    }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: l'ambo con più cicli all'estrazione E, "
                              "verificato nei cicli dopo E.");
    }
    QString AiutoAtteso() const override {
        return QStringLiteral("Con --griglia ambi, gruppi2 o gruppi3: le righe CC atteso per "
                              "caso (di un ambo o gruppo a caso, in media) e Migliore atteso per "
                              "caso (il migliore di altrettanti a caso).");
    }
    bool Controlla(const Chiamata& c) const override {
        const QString griglia = Griglia(c);
        const QStringList griglie = {QStringLiteral("ambi"), QStringLiteral("cicli"),
                                     QStringLiteral("gruppi2"), QStringLiteral("gruppi3")};
        if (!griglie.contains(griglia)) {
            c.errori << QStringLiteral("Griglia non valida: %1 (ambi, cicli, gruppi2 o gruppi3).\n")
                            .arg(griglia);
            return false;
        }
        if (!AlPiuUna(c, {QStringLiteral("atteso"), QStringLiteral("fuori-campione"),
                          QStringLiteral("progressiva")})) {
            return false;
        }
        if (c.Presente(QStringLiteral("atteso")) && griglia == QStringLiteral("cicli")) {
            c.errori << QStringLiteral("--atteso si usa con --griglia ambi, gruppi2 o gruppi3.\n");
            return false;
        }
        NumeriScelti scelti{};
        if (!LeggiNumeri(c, scelti)) {
            return false;
        }
        if (griglia.startsWith(QStringLiteral("gruppi")) &&
            std::count(scelti.begin(), scelti.end(), true) == 2) {
            c.errori << QStringLiteral("Con 2 numeri c'è un solo ambo e nessun gruppo di ambi: "
                                       "--griglia %1 vuole almeno 3 numeri in --numeri.\n")
                            .arg(griglia);
            return false;
        }
        return true;
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio& a = e.archivio;
        NumeriScelti scelti{};
        LeggiNumeri(c, scelti);
        ParametriAmbiCicli p;
        p.riferimento = a.TotEstrazioni;
        namespace l = liste_ambi_cicli;
        const bool ok = LeggiRuote(c, QStringLiteral("ruote"), p.ruote) &&
                        DallaLista(c, l::Cicli, p.cicli) && DallaLista(c, l::Durata, p.durata) &&
                        Intero(c, QStringLiteral("riferimento"), 1, a.TotEstrazioni, p.riferimento);
        if (!ok) {
            return CodiceUso;
        }
        if (std::count(scelti.begin(), scelti.end(), true) < 2) {
            e.errori() << QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri.\n");
            return CodiceErrore;
        }
        if (const auto codice = e.Progressiva(AnalisiAmbiCicli{p, AmbiDi(scelti)})) {
            return *codice;
        }
        int riferimento = 0;
        if (!e.LeggiFuoriCampione(p.riferimento, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            const FuoriCampioneAmbi f = VerificaFuoriCampione(a, p, AmbiDi(scelti), riferimento);
            if (!f.scelta) {
                return e.ScriviFuoriCampione(
                    {QString::fromStdString(TestoFuoriCampione(f, riferimento))});
            }
            Tabella scelta("Scelto all'estrazione|N1|N2|CC|Cicli");
            const SceltaAmbi& s = *f.scelta;
            scelta.AggiungiRiga({std::to_string(riferimento), std::to_string(s.n1),
                                 std::to_string(s.n2), std::to_string(s.cc),
                                 std::to_string(s.cicliDentro)});
            return e.ScriviFuoriCampione({{}, &scelta, &f.riepilogo, &f.confronto, riferimento});
        }
        ElaborazioneAmbi el = ContaAmbi(a, p, AmbiDi(scelti));
        if (e.Presente(QStringLiteral("decrescente"))) {
            OrdinaPerCC(el.ambi);
        }
        const QString griglia = Griglia(c);
        Tabella t;
        AttesoCicli atteso;
        if (griglia == QStringLiteral("ambi")) {
            t = TabellaAmbiCicli(el, true);
            atteso = AttesoAmbi(a, el);
        } else if (griglia == QStringLiteral("cicli")) {
            t = TabellaCicliAmbi(a, el.cicli);
        } else {
            const int membri = griglia == QStringLiteral("gruppi2") ? 2 : 3;
            auto gruppi = MiglioriGruppi(el.ambi, membri);
            // The window keeps its 200 rows; a script gets only the groups there are.
            std::erase(gruppi, std::nullopt);
            t = TabellaGruppi(el.ambi, gruppi);
            atteso = AttesoGruppi(a, el, membri, PrimoGruppo(gruppi));
        }
        e.Scrivi(t);
        if (e.atteso) {
            e.ScriviAttesoCC(atteso.medio, atteso.migliore, atteso.probabilitaMigliore);
        }
        return CodiceOk;
    }

private:
    static QString Griglia(const Chiamata& c) {
        return c.Valore(QStringLiteral("griglia")).value_or(QStringLiteral("ambi"));
    }

    /// "--numeri": the chosen numbers; false after saying which item is wrong.
    static bool LeggiNumeri(const Chiamata& c, NumeriScelti& scelti) {
        for (const QString& parte : c.Valore(QStringLiteral("numeri"))
                                        .value_or(QString())
                                        .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = parte.trimmed().toInt(&ok);
            if (!ok || n < 1 || n > 90) {
                c.errori << QStringLiteral("Numero non valido in --numeri: %1 (da 1 a 90).\n")
                                .arg(parte);
                return false;
            }
            scelti[static_cast<std::size_t>(n)] = true;
        }
        return true;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoCicliAmbi() {
    return std::make_unique<ComandoAmbiCicli>();
}

} // namespace strovel::cli

// strovel-cli ambata-dinamica: RILEVAZIONE, CONFIGURA and ELABORA of the dynamic ambata.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "cli/opzioni_casi.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "core/ruote.h"
#include "methods/ambata/ambata_atteso.h"
#include "methods/ambata/ambata_dinamica.h"

#include <algorithm>

namespace strovel::cli {

namespace {

/// "BA1,CA3": one reference row per item, wheel code then position, 1 to 5 rows.
bool LeggiRiferimenti(const Chiamata& c, std::vector<Riferimento>& riferimenti) {
    const auto testo = c.Valore(QStringLiteral("riferimenti"));
    if (!testo) {
        return true;
    }
    riferimenti.clear();
    for (const QString& parte : testo->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString voce = parte.trimmed().toUpper();
        std::string codice = voce.left(2).toStdString();
        const int r = voce.size() == 3 ? CercaRuota(codice) : -1;
        const int posizione = voce.size() == 3 ? voce.right(1).toInt() : 0;
        if (r < 0 || posizione < 1 || posizione > 5) {
            c.errori << QStringLiteral("Riferimento non valido in --riferimenti: %1 (una sigla "
                                       "di ruota seguita dalla posizione 1..5, per esempio "
                                       "BA1).\n")
                            .arg(parte);
            return false;
        }
        riferimenti.push_back({r, posizione});
    }
    if (riferimenti.empty() || static_cast<int>(riferimenti.size()) > MassimoRiferimenti) {
        c.errori << QStringLiteral("--riferimenti vuole da 1 a %1 riferimenti.\n")
                        .arg(MassimoRiferimenti);
        return false;
    }
    return true;
}

class ComandoAmbataDinamica : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("ambata-dinamica"); }
    QString Descrizione() const override {
        return QStringLiteral("L'ambata dinamica: RILEVAZIONE, CONFIGURA ed ELABORA, stampa la "
                              "griglia dei casi (o il riepilogo, o MIGLIORI).");
    }
    QStringList Obbligatorie() const override { return {QStringLiteral("spia")}; }
    QList<QCommandLineOption> OpzioniProprie() const override {
        QList<QCommandLineOption> o{ConValore(QStringLiteral("spia"),
                                              QStringLiteral("Il numero spia, da 1 a 90."),
                                              QStringLiteral("N"))};
        o += OpzioniCasi();
        o += {
            ConValore(QStringLiteral("riferimenti"),
                      QStringLiteral("Le righe di riferimento: sigla della ruota e posizione, "
                                     "da 1 a 5 separate da virgole (predefinito BA1)."),
                      QStringLiteral("BA1,CA3,..")),
            Interruttore(QStringLiteral("somme"), QStringLiteral("Utilizza somme.")),
            OpzioneFine(),
            ConValore(QStringLiteral("migliori"),
                      QStringLiteral("Stampa MIGLIORI per la riga di riferimento R invece dei "
                                     "casi."),
                      QStringLiteral("R")),
        };
        return o;
    }
    QString AiutoRiepilogo() const override {
        return QStringLiteral("Stampa il riepilogo (N° Casi, Positivi, Negativi, In gioco) invece "
                              "dei casi.");
    }
    QString AiutoProgressiva() const override {
        return QStringLiteral("Verifica progressiva: dall'estrazione E, ogni PASSO estrazioni "
                              "(predefiniti i colpi), il riferimento che MIGLIORI sceglie "
                              "sull'archivio com'era allora per la riga di --migliori (la prima "
                              "senza), giocato nel primo caso dopo.");
    }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: MIGLIORI (sulla riga di --migliori, "
                              "predefinita 1) all'estrazione E, poi il riferimento scelto "
                              "verificato sui casi dopo E.");
    }
    QString AiutoAtteso() const override {
        return AiutoAttesoConRiepilogo() +
               QStringLiteral(" Con --migliori: Migliore atteso per caso.");
    }
    bool Controlla(const Chiamata& c) const override {
        const bool fuoriCampione = c.Presente(QStringLiteral("fuori-campione"));
        const bool progressiva = c.Presente(QStringLiteral("progressiva"));
        if (!AlPiuUna(c, {QStringLiteral("riepilogo"), QStringLiteral("migliori")}) ||
            !AlPiuUna(c, {QStringLiteral("fuori-campione"), QStringLiteral("progressiva")})) {
            return false;
        }
        if ((fuoriCampione || progressiva) && c.Presente(QStringLiteral("riepilogo"))) {
            c.errori << QStringLiteral("--%1 stampa già il suo riepilogo.\n")
                            .arg(fuoriCampione ? QStringLiteral("fuori-campione")
                                               : QStringLiteral("progressiva"));
            return false;
        }
        return fuoriCampione || progressiva || c.Presente(QStringLiteral("migliori")) ||
               AttesoConRiepilogo(c);
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio& a = e.archivio;
        ParametriAmbata p;
        p.fine = a.TotEstrazioni;
        const bool ok =
            NumeroLotto(c, QStringLiteral("spia"), p.spia) &&
            LeggiRuote(c, QStringLiteral("rilevazione"), p.rilevazione) &&
            LeggiRuote(c, QStringLiteral("gioco"), p.gioco) &&
            LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
            DallaLista(c, liste_casi::Presenze, p.presenze) &&
            DallaLista(c, liste_casi::Colpi, p.colpi) && LeggiRiferimenti(c, p.riferimenti) &&
            Intero(c, QStringLiteral("fine"), 1, std::max<int>(1, a.TotEstrazioni), p.fine);
        int migliori = 0;
        if (!ok || !Intero(c, QStringLiteral("migliori"), 1, static_cast<int>(p.riferimenti.size()),
                           migliori)) {
            return CodiceUso;
        }
        p.somme = e.Presente(QStringLiteral("somme"));
        if (const auto codice = e.Progressiva(AnalisiAmbata{p, std::max(migliori, 1)})) {
            return *codice;
        }
        int riferimento = 0;
        if (!e.LeggiFuoriCampione(p.fine, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            return FuoriCampioneAmbata_(e, p, std::max(migliori, 1), riferimento);
        }
        const auto casi = RilevaCasi(a, p);
        const auto piano = PianoColpi(p.colpi, static_cast<int>(p.riferimenti.size()));
        if (migliori > 0) {
            const EsitoMigliori m = Migliori(a, p, casi, piano, migliori);
            e.Scrivi(TabellaMigliori(m, static_cast<int>(casi.size())));
            if (e.atteso) {
                const MiglioriACaso caso = MiglioriPerCaso(a, p, casi, migliori, PrimoMigliori(m));
                e.ScriviMiglioreAtteso(caso.atteso, caso.probabilita);
            }
            return CodiceOk;
        }
        const GiocateAmbata giocate = GiocaAmbate(a, p, casi, piano);
        if (!e.riepilogo) {
            e.Scrivi(TabellaEsitiAmbata(a, casi, p.colpi, giocate));
            return CodiceOk;
        }
        e.Scrivi(TabellaRiepilogo(RiepilogoAmbata(a, casi, p.colpi, giocate)));
        if (casi.empty()) {
            // No percentage of no cases; the reason is the search, not the configuration.
            e.errori() << QStringLiteral("Nessun caso: il numero spia %1 non è mai uscito sulle "
                                         "ruote di rilevazione e nelle posizioni scelte fino "
                                         "all'estrazione %2.\n")
                              .arg(p.spia)
                              .arg(p.fine);
            return CodiceErrore;
        }
        if (e.atteso) {
            e.ScriviAtteso(ConfrontaAmbata(a, p, casi, giocate));
        }
        return CodiceOk;
    }

private:
    /// The reference MIGLIORI chooses at draw `riferimento`, then its verification after it with
    /// what chance gives.
    static int FuoriCampioneAmbata_(const Esecuzione& e, const ParametriAmbata& p, int riga,
                                    int riferimento) {
        const FuoriCampioneAmbata f = FuoriCampione(e.archivio, p, riga, riferimento);
        if (!f.completo) {
            return e.ScriviFuoriCampione({QString::fromUtf8(MessaggioConfigurazione)});
        }
        Tabella scelta("Scelto all'estrazione|Ru|R|Esiti|Casi");
        const SceltaAmbata& s = *f.scelta;
        scelta.AggiungiRiga({std::to_string(riferimento), Sigla(s.scelto.ruota),
                             std::to_string(s.scelto.posizione), std::to_string(s.positiviDentro),
                             std::to_string(s.casiDentro)});
        return e.ScriviFuoriCampione({{}, &scelta, &f.riepilogo, &f.confronto, riferimento});
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoAmbataDinamica() {
    return std::make_unique<ComandoAmbataDinamica>();
}

} // namespace strovel::cli

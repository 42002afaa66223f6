// strovel-cli ambo-somme: the ambo by sums and differences with every choice of its window.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "core/archivio.h"
#include "core/intervallo.h"
#include "core/tabella.h"
#include "methods/ambo_somme/ambo_somme.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/ambo_somme/ambo_somme_tabelle.h"

#include <algorithm>

namespace strovel::cli {

namespace {

/// A list of classes from `minimo` to `massimo`: values and ranges "a-b" apart by commas. An
/// absent option keeps every class allowed.
template <std::size_t N>
bool LeggiClassi(const Chiamata& c, const QString& nome, int minimo, int massimo,
                 std::array<bool, N>& classi) {
    const auto testo = c.Valore(nome);
    if (!testo) {
        return true;
    }
    classi.fill(false);
    for (const QString& parte : testo->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList estremi = parte.trimmed().split(QLatin1Char('-'));
        bool ok1 = false, ok2 = false;
        const int da = estremi.value(0).toInt(&ok1);
        const int a = estremi.size() == 2 ? estremi.value(1).toInt(&ok2) : da;
        ok2 = estremi.size() == 1 || ok2;
        if (!ok1 || !ok2 || estremi.size() > 2 || da < minimo || a > massimo || da > a) {
            c.errori << QStringLiteral("Valore non valido in --%1: %2 (da %3 a %4, anche a-b).\n")
                            .arg(nome, parte)
                            .arg(minimo)
                            .arg(massimo);
            return false;
        }
        for (int v = da; v <= a; ++v) {
            classi[static_cast<std::size_t>(v)] = true;
        }
    }
    return true;
}

bool LeggiOrdine(const Chiamata& c, const QString& nome, Ordine& ordine) {
    const auto testo = c.Valore(nome);
    if (!testo) {
        return true;
    }
    if (*testo == QStringLiteral("crescenti")) {
        ordine = Ordine::Crescenti;
    } else if (*testo == QStringLiteral("decrescenti")) {
        ordine = Ordine::Decrescenti;
    } else {
        c.errori << QStringLiteral("Valore non valido in --%1: %2 (crescenti o decrescenti).\n")
                        .arg(nome, *testo);
        return false;
    }
    return true;
}

bool LeggiRelazioni(const Chiamata& c, std::array<bool, 7>& relazioni) {
    const auto testo = c.Valore(QStringLiteral("relazioni"));
    if (!testo) {
        return true;
    }
    relazioni.fill(false);
    for (const QString& parte : testo->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const std::string voce = parte.trimmed().toLower().toStdString();
        const auto trovata = std::find_if(NomiRelazioni.begin(), NomiRelazioni.end(), [&](auto n) {
            return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size())).toLower() ==
                   QString::fromStdString(voce);
        });
        if (trovata == NomiRelazioni.end()) {
            c.errori << QStringLiteral("Relazione sconosciuta in --relazioni: %1 (tutte, gemelle, "
                                       "diametrali, adiacenti, gmtv, cfrz, bnp).\n")
                            .arg(parte);
            return false;
        }
        relazioni[static_cast<std::size_t>(trovata - NomiRelazioni.begin())] = true;
    }
    return true;
}

bool LeggiVersione(const Chiamata& c, VersioneAmbo& v) {
    const QString testo = c.Valore(QStringLiteral("versione")).value_or(QStringLiteral("1"));
    const std::pair<const char*, VersioneAmbo> versioni[] = {{"1", VersioneAmbo::Versione1},
                                                             {"2", VersioneAmbo::Versione2},
                                                             {"1old", VersioneAmbo::Ver1Old},
                                                             {"2old", VersioneAmbo::Ver2Old}};
    for (const auto& [nome, versione] : versioni) {
        if (testo == QLatin1String(nome)) {
            v = versione;
            return true;
        }
    }
    c.errori << QStringLiteral("Versione non valida in --versione: %1 (1, 2, 1old o 2old).\n")
                    .arg(testo);
    return false;
}

class ComandoAmboSomme : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("ambo-somme"); }
    QString Descrizione() const override {
        return QStringLiteral("Il metodo di Valdimo: l'ambo uguale su due ruote, i casi (Fg1) "
                              "della versione scelta o, con --riepilogo, il riepilogo (FgX).");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        namespace l = liste_ambo_somme;
        const QString classi = QStringLiteral("%1 consentite, valori o intervalli a-b separati "
                                              "da virgole (predefinite tutte).");
        return {
            ConValore(QStringLiteral("inizio"),
                      QStringLiteral("Inizio dell'intervallo (predefinito fine - %1, almeno 1).")
                          .arg(ArretramentoAmboSomme),
                      QStringLiteral("S")),
            ConValore(QStringLiteral("fine"),
                      QStringLiteral("Fine dell'intervallo (predefinita l'ultima estrazione)."),
                      QStringLiteral("E")),
            OpzioneRuote(QStringLiteral("ruote"), QStringLiteral("Ruote"), QStringLiteral("TU")),
            OpzionePosizioni(),
            ConValore(QStringLiteral("somme"), classi.arg(QStringLiteral("Somme (1..90)")),
                      QStringLiteral("L")),
            ConValore(QStringLiteral("differenze"),
                      classi.arg(QStringLiteral("Differenze (1..90)")), QStringLiteral("L")),
            ConValore(QStringLiteral("decine"), classi.arg(QStringLiteral("Decine (0..9)")),
                      QStringLiteral("L")),
            ConValore(QStringLiteral("cadenze"), classi.arg(QStringLiteral("Cadenze (0..9)")),
                      QStringLiteral("L")),
            ConValore(QStringLiteral("figure"), classi.arg(QStringLiteral("Figure (0..9)")),
                      QStringLiteral("L")),
            ConValore(QStringLiteral("r1"), QStringLiteral("R1 Numeri crescenti o decrescenti."),
                      QStringLiteral("crescenti|decrescenti")),
            ConValore(QStringLiteral("r2"), QStringLiteral("R2 Numeri crescenti o decrescenti."),
                      QStringLiteral("crescenti|decrescenti")),
            Interruttore(QStringLiteral("posizione-esatta"), QStringLiteral("Posizione esatta.")),
            Interruttore(QStringLiteral("adiacenti1"), QStringLiteral("Adiacenti 1° ruota.")),
            Interruttore(QStringLiteral("adiacenti2"), QStringLiteral("Adiacenti 2° ruota.")),
            ConValore(QStringLiteral("relazioni"),
                      QStringLiteral("Relazioni fra le ruote (predefinita tutte)."),
                      QStringLiteral("tutte,gemelle,diametrali,adiacenti,gmtv,cfrz,bnp")),
            Interruttore(QStringLiteral("ba-ve-adiacenti"),
                         QStringLiteral("BA-VE Adiacenti (versioni 1 e 2).")),
            Interruttore(QStringLiteral("isotopia"),
                         QStringLiteral("Isotopia: l'ambo nelle stesse posizioni sulle due "
                                        "ruote.")),
            Interruttore(QStringLiteral("distanza-maggiore"),
                         QStringLiteral("Distanza maggiore: differenza da 45 a 89.")),
            Interruttore(QStringLiteral("distanza-minore"),
                         QStringLiteral("Distanza minore: differenza da 1 a 45.")),
            OpzioneLista(l::Casi),
            OpzioneLista(l::Colpi),
            ConValore(QStringLiteral("versione"),
                      QStringLiteral("VERSIONE 1, VERSIONE 2, VER 1 old, VER 2 old (predefinita "
                                     "1)."),
                      QStringLiteral("1|2|1old|2old")),
            Interruttore(QStringLiteral("senza-ambata"), QStringLiteral("Ambata tolta.")),
            Interruttore(QStringLiteral("ambi-a-tutte"), QStringLiteral("Ambi a tutte.")),
            Interruttore(QStringLiteral("ambi-fra-ruote"),
                         QStringLiteral("Ambi su ruota tolta (versioni 1 e 2).")),
            Interruttore(QStringLiteral("solo-ambo"),
                         QStringLiteral("Visualizza tutti i numeri tolta.")),
        };
    }
    QString AiutoRiepilogo() const override { return QStringLiteral("Il riepilogo (FgX)."); }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: i casi dopo l'estrazione E, ciascuno coi "
                              "numeri che il metodo dava allora, nel riepilogo col confronto col "
                              "caso.");
    }
    QString AiutoAtteso() const override { return AiutoAttesoConRiepilogo(); }
    bool Controlla(const Chiamata& c) const override { return AttesoConRiepilogo(c); }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio* archivio = &e.archivio;
        FiltroAmbo f = FiltroAmbo::Tutto();
        OpzioniGiocoAmbo o;
        int fine = archivio->TotEstrazioni;
        if (!Intero(c, QStringLiteral("fine"), 1, archivio->TotEstrazioni, fine)) {
            return CodiceUso;
        }
        int inizio = InizioPredefinito(fine, ArretramentoAmboSomme);
        int riferimento = 0;
        if (!e.LeggiFuoriCampione(fine, riferimento)) {
            return CodiceUso;
        }
        int limite = liste_ambo_somme::Casi.predefinito;
        const bool ok =
            Intero(c, QStringLiteral("inizio"), 1, fine, inizio) &&
            LeggiRuote(c, QStringLiteral("ruote"), f.ruote) &&
            LeggiPosizioni(c, QStringLiteral("posizioni"), f.posizioni) &&
            LeggiClassi(c, QStringLiteral("somme"), 1, 90, f.somme) &&
            LeggiClassi(c, QStringLiteral("differenze"), 1, 90, f.differenze) &&
            LeggiClassi(c, QStringLiteral("decine"), 0, 9, f.decine) &&
            LeggiClassi(c, QStringLiteral("cadenze"), 0, 9, f.cadenze) &&
            LeggiClassi(c, QStringLiteral("figure"), 0, 9, f.figure) &&
            LeggiOrdine(c, QStringLiteral("r1"), f.ordineR1) &&
            LeggiOrdine(c, QStringLiteral("r2"), f.ordineR2) && LeggiRelazioni(c, f.relazioni) &&
            DallaLista(c, liste_ambo_somme::Casi, limite) &&
            DallaLista(c, liste_ambo_somme::Colpi, o.colpi) && LeggiVersione(c, o.versione);
        if (!ok) {
            return CodiceUso;
        }
        f.massimoCasi = c.Presente(QStringLiteral("casi")) ? limite : LimiteCasiAmbo;
        f.posizioneEsatta = c.Presente(QStringLiteral("posizione-esatta"));
        f.adiacenti1 = c.Presente(QStringLiteral("adiacenti1"));
        f.adiacenti2 = c.Presente(QStringLiteral("adiacenti2"));
        f.baVeAdiacenti = c.Presente(QStringLiteral("ba-ve-adiacenti"));
        f.isotopia = c.Presente(QStringLiteral("isotopia"));
        f.distanzaMaggiore = c.Presente(QStringLiteral("distanza-maggiore"));
        f.distanzaMinore = c.Presente(QStringLiteral("distanza-minore"));
        o.ambata = !c.Presente(QStringLiteral("senza-ambata"));
        o.ambiATutte = c.Presente(QStringLiteral("ambi-a-tutte"));
        o.ambiSuRuota = !c.Presente(QStringLiteral("ambi-fra-ruote"));
        if (!Coerente(f)) {
            c.errori << QString::fromUtf8(MessaggioIncoerente) << QLatin1Char('\n');
            return CodiceErrore;
        }
        if (riferimento > 0) {
            const auto r = FuoriCampione(AnalisiAmboSomme{f, o, fine}, *archivio, riferimento);
            if (r.riepilogo.casi == 0) {
                return e.NienteDopo(riferimento);
            }
            e.Scrivi(TabellaRiepilogoSomme(r.ambo, o.versione));
            e.ScriviAtteso(r.confronto);
            return CodiceOk;
        }
        const auto trovati = CercaAmbi(*archivio, FiltroEffettivo(f, o.versione), inizio, fine);
        const std::vector<EsitoAmbo> esiti = GiocaAmbi(*archivio, trovati, o);
        if (e.riepilogo) {
            e.Scrivi(TabellaRiepilogoSomme(RiassumiAmbo(esiti), o.versione));
            if (e.atteso) {
                e.ScriviAtteso(ConfrontaAmbi(trovati, esiti, o));
            }
        } else {
            e.Scrivi(TabellaCasiSomme(*archivio, trovati, esiti, o,
                                      !c.Presente(QStringLiteral("solo-ambo"))));
        }
        return CodiceOk;
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoAmboSomme() {
    return std::make_unique<ComandoAmboSomme>();
}

} // namespace strovel::cli

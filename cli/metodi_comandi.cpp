// The forecasting methods of strovel-cli: the dynamic ambata and the spy quintet.

#include "cli/comando.h"
#include "core/archivio.h"
#include "core/probabilita.h"
#include "core/ruote.h"
#include "methods/ambata_dinamica.h"
#include "methods/cinquina_maltese.h"
#include "methods/cinquina_spiona.h"
#include "methods/quadrato_maltese.h"
#include "methods/ritardi_sequenza.h"

#include <algorithm>

namespace strovel::cli {

namespace {

/// The options both method commands share, in the order the window shows them.
QList<QCommandLineOption> OpzioniComuni() {
    return {
        OpzioneRuote(QStringLiteral("rilevazione"), QStringLiteral("Ruote di rilevazione"),
                     QStringLiteral("TU")),
        OpzioneRuote(QStringLiteral("gioco"), QStringLiteral("Ruote di gioco"),
                     QStringLiteral("TU")),
        OpzionePosizioni(),
        OpzioneLista(QStringLiteral("presenze"), QStringLiteral("Presenze (numero di casi)"),
                     liste_casi::Presenze, QStringLiteral("K")),
        OpzioneLista(QStringLiteral("colpi"), QStringLiteral("Colpi"), liste_casi::Colpi,
                     QStringLiteral("G")),
    };
}

QCommandLineOption OpzioneFine() {
    return ConValore(QStringLiteral("fine"),
                     QStringLiteral("Fine dell'analisi, indice dell'estrazione (predefinita "
                                    "l'ultima)."),
                     QStringLiteral("E"));
}

/// A number 1..90 from option `nome`.
bool NumeroLotto(const Chiamata& c, const QString& nome, int& numero) {
    return Intero(c, nome, 1, 90, numero);
}

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

const QString MessaggioConfigurazione = QStringLiteral("Attenzione ! manca una configurazione.");

class ComandoAmbataDinamica : public Comando {
public:
    QString Nome() const override { return QStringLiteral("ambata-dinamica"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("L'ambata dinamica: RILEVAZIONE, CONFIGURA ed ELABORA, stampa la "
                              "griglia dei casi (o il riepilogo, o MIGLIORI).");
    }
    QStringList Obbligatorie() const override { return {QStringLiteral("spia")}; }
    QList<QCommandLineOption> Opzioni() const override {
        QList<QCommandLineOption> o{ConValore(QStringLiteral("spia"),
                                              QStringLiteral("Il numero spia, da 1 a 90."),
                                              QStringLiteral("N"))};
        o += OpzioniComuni();
        o += {
            ConValore(QStringLiteral("riferimenti"),
                      QStringLiteral("Le righe di riferimento: sigla della ruota e posizione, "
                                     "da 1 a 5 separate da virgole (predefinito BA1)."),
                      QStringLiteral("BA1,CA3,..")),
            Interruttore(QStringLiteral("somme"), QStringLiteral("Utilizza somme.")),
            OpzioneFine(),
            Interruttore(QStringLiteral("riepilogo"),
                         QStringLiteral("Stampa il riepilogo (N° Casi, Positivi, Negativi, In "
                                        "gioco) invece dei casi.")),
            ConValore(QStringLiteral("migliori"),
                      QStringLiteral("Stampa MIGLIORI per la riga di riferimento R invece dei "
                                     "casi."),
                      QStringLiteral("R")),
            ConValore(QStringLiteral("fuori-campione"),
                      QStringLiteral("Verifica fuori campione: MIGLIORI (sulla riga di "
                                     "--migliori, predefinita 1) all'estrazione E, poi il "
                                     "riferimento scelto verificato sui casi dopo E."),
                      QStringLiteral("E")),
            OpzioneAtteso(),
            OpzioneCsv(),
        };
        return o;
    }
    int Esegui(const Chiamata& c) const override {
        const bool fuoriCampione = c.Presente(QStringLiteral("fuori-campione"));
        if (!AlPiuUna(c, {QStringLiteral("riepilogo"), QStringLiteral("migliori")}) ||
            (fuoriCampione && c.Presente(QStringLiteral("riepilogo")))) {
            if (fuoriCampione) {
                c.errori << QStringLiteral("--fuori-campione stampa già il suo riepilogo.\n");
            }
            return CodiceUso;
        }
        if (!fuoriCampione && !c.Presente(QStringLiteral("migliori")) && !AttesoConRiepilogo(c)) {
            return CodiceUso;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        const Archivio& a = *archivio;
        ParametriAmbata p;
        p.fine = a.TotEstrazioni;
        const bool ok =
            NumeroLotto(c, QStringLiteral("spia"), p.spia) &&
            LeggiRuote(c, QStringLiteral("rilevazione"), p.rilevazione) &&
            LeggiRuote(c, QStringLiteral("gioco"), p.gioco) &&
            LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
            DallaLista(c, QStringLiteral("presenze"), liste_casi::Presenze, p.presenze) &&
            DallaLista(c, QStringLiteral("colpi"), liste_casi::Colpi, p.colpi) &&
            LeggiRiferimenti(c, p.riferimenti) &&
            Intero(c, QStringLiteral("fine"), 1, std::max<int>(1, a.TotEstrazioni), p.fine);
        int migliori = 0;
        if (!ok || !Intero(c, QStringLiteral("migliori"), 1, static_cast<int>(p.riferimenti.size()),
                           migliori)) {
            return CodiceUso;
        }
        p.somme = c.Presente(QStringLiteral("somme"));
        const bool csv = c.Presente(QStringLiteral("csv"));
        if (fuoriCampione) {
            int riferimento = 0;
            if (!Intero(c, QStringLiteral("fuori-campione"), 1, p.fine, riferimento)) {
                return CodiceUso;
            }
            return FuoriCampioneAmbata_(c, a, p, std::max(migliori, 1), riferimento, csv);
        }
        const auto casi = RilevaCasi(a, p);
        const auto piano = PianoColpi(p.colpi, static_cast<int>(p.riferimenti.size()));
        if (migliori > 0) {
            ScriviTabella(TabellaMigliori(Migliori(a, p, casi, piano, migliori),
                                          static_cast<int>(casi.size())),
                          csv, c.uscita);
            if (c.Presente(QStringLiteral("atteso"))) {
                Tabella t("||");
                t.AggiungiRiga({"Migliore atteso per caso",
                                UnDecimale(MiglioreAtteso(p, casi, GiocaAmbate(a, p, casi, piano))),
                                ""});
                ScriviRighe(t, csv, c.uscita);
            }
            return CodiceOk;
        }
        const GiocateAmbata giocate = GiocaAmbate(a, p, casi, piano);
        if (!c.Presente(QStringLiteral("riepilogo"))) {
            ScriviTabella(TabellaEsitiAmbata(a, casi, p.colpi, giocate), csv, c.uscita);
            return CodiceOk;
        }
        ScriviTabella(TabellaRiepilogo(RiepilogoAmbata(a, casi, p.colpi, giocate)), csv, c.uscita);
        if (casi.empty()) {
            // No percentage of no cases: the window's message, as its summary stops there.
            c.errori << MessaggioConfigurazione << '\n';
            return CodiceErrore;
        }
        if (c.Presente(QStringLiteral("atteso"))) {
            ScriviAtteso(ConfrontaAmbata(p, casi, giocate), csv, c.uscita);
        }
        return CodiceOk;
    }

private:
    /// The reference MIGLIORI chooses at draw `riferimento`, then its verification after it with
    /// what chance gives.
    static int FuoriCampioneAmbata_(const Chiamata& c, const Archivio& a, const ParametriAmbata& p,
                                    int riga, int riferimento, bool csv) {
        const FuoriCampioneAmbata f = FuoriCampione(a, p, riga, riferimento);
        if (!f.completo) {
            c.errori << MessaggioConfigurazione << '\n';
            return CodiceErrore;
        }
        Tabella scelta("Scelto all'estrazione|Ru|R|Esiti|Casi");
        scelta.AggiungiRiga({std::to_string(riferimento), Sigla(f.scelto.ruota),
                             std::to_string(f.scelto.posizione), std::to_string(f.positiviDentro),
                             std::to_string(f.casiDentro)});
        ScriviFuoriCampione(scelta, f.riepilogo, f.confronto, csv, c.uscita);
        return CodiceOk;
    }
};

class ComandoCinquinaSpiona : public Comando {
public:
    QString Nome() const override { return QStringLiteral("cinquina-spiona"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("La cinquina spiona: ELABORA e la tabella dei numeri ordinata su "
                              "Pres (o i casi, la verifica di un numero, i suoi compagni).");
    }
    QList<QCommandLineOption> Opzioni() const override {
        QList<QCommandLineOption> o = OpzioniComuni();
        o += {
            OpzioneFine(),
            Interruttore(QStringLiteral("casi"), QStringLiteral("Stampa la griglia dei casi.")),
            ConValore(QStringLiteral("verifica"),
                      QStringLiteral("Stampa la griglia dei casi dopo la verifica del numero N."),
                      QStringLiteral("N")),
            ConValore(QStringLiteral("compagni"),
                      QStringLiteral("Stampa i numeri compagni di N nelle estrazioni vincenti."),
                      QStringLiteral("N")),
            Interruttore(QStringLiteral("atteso"),
                         QStringLiteral("Con la tabella dei numeri: le righe CC atteso per caso "
                                        "(in media) e Migliore atteso per caso (il migliore di "
                                        "90 numeri).")),
            ConValore(QStringLiteral("fuori-campione"),
                      QStringLiteral("Verifica fuori campione: il primo numero della classifica "
                                     "all'estrazione E, giocato come ambata dopo E."),
                      QStringLiteral("E")),
            OpzioneCsv(),
        };
        return o;
    }
    int Esegui(const Chiamata& c) const override {
        if (!AlPiuUna(c, {QStringLiteral("casi"), QStringLiteral("verifica"),
                          QStringLiteral("compagni"), QStringLiteral("atteso"),
                          QStringLiteral("fuori-campione")})) {
            return CodiceUso;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        const Archivio& a = *archivio;
        ParametriCinquina p;
        p.fine = a.TotEstrazioni;
        int verifica = 0;
        int compagni = 0;
        const bool ok =
            LeggiRuote(c, QStringLiteral("rilevazione"), p.rilevazione) &&
            LeggiRuote(c, QStringLiteral("gioco"), p.gioco) &&
            LeggiPosizioni(c, QStringLiteral("posizioni"), p.posizioni) &&
            DallaLista(c, QStringLiteral("presenze"), liste_casi::Presenze, p.presenze) &&
            DallaLista(c, QStringLiteral("colpi"), liste_casi::Colpi, p.colpi) &&
            Intero(c, QStringLiteral("fine"), 1, std::max<int>(1, a.TotEstrazioni), p.fine) &&
            NumeroLotto(c, QStringLiteral("verifica"), verifica) &&
            NumeroLotto(c, QStringLiteral("compagni"), compagni);
        if (!ok) {
            return CodiceUso;
        }
        const bool csv = c.Presente(QStringLiteral("csv"));
        int riferimento = 0;
        if (!Intero(c, QStringLiteral("fuori-campione"), 1, p.fine, riferimento)) {
            return CodiceUso;
        }
        if (riferimento > 0) {
            const FuoriCampioneCinquina f = FuoriCampioneSpia(a, p, riferimento);
            if (f.numero == 0) {
                c.errori
                    << QStringLiteral("Nessun caso fino all'estrazione %1.\n").arg(riferimento);
                return CodiceErrore;
            }
            Tabella t("Scelto all'estrazione|Numero|Pres|Colpo|Ruote");
            std::string ruote;
            for (int w = 0; w < 11; ++w) {
                ruote += f.giocata.vincenti[static_cast<std::size_t>(w)] ? " " + Sigla(w) : "";
            }
            t.AggiungiRiga({std::to_string(riferimento), std::to_string(f.numero),
                            std::to_string(f.presenze),
                            f.giocata.colpo > 0 ? std::to_string(f.giocata.colpo) : "", ruote});
            ScriviTabella(t, csv, c.uscita);
            ScriviAtteso(f.confronto, csv, c.uscita);
            return CodiceOk;
        }
        const EsitoCinquina e = ElaboraCinquina(a, p);
        if (c.Presente(QStringLiteral("casi"))) {
            ScriviTabella(TabellaCasiCinquina(a, p, e.casi), csv, c.uscita);
        } else if (verifica > 0) {
            const auto v = VerificaNumero(a, p, e.casi, verifica);
            ScriviTabella(TabellaCasiCinquina(a, p, e.casi, &v), csv, c.uscita);
        } else if (compagni > 0) {
            const auto v = VerificaNumero(a, p, e.casi, compagni);
            ScriviTabella(Compagni(a, p, e.casi, v, compagni), csv, c.uscita);
        } else {
            ScriviTabella(TabellaNumeriCinquina(a, p, e), csv, c.uscita);
            if (c.Presente(QStringLiteral("atteso"))) {
                const CCAtteso atteso = AttesoCinquina(a, p, e);
                ScriviAttesoCC(atteso.medio, atteso.migliore, csv, c.uscita);
            }
        }
        return CodiceOk;
    }
};

class ComandoRitardi : public Comando {
public:
    QString Nome() const override { return QStringLiteral("ritardi"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("Sequenza dei ritardi: PRESENZE (--presenze K) o PERIODO "
                              "(--periodo) e la griglia dei ritardi (Fg2).");
    }
    QList<QCommandLineOption> Opzioni() const override {
        return {
            ConValore(QStringLiteral("inizio"),
                      QStringLiteral("Inizio dell'intervallo (predefinito fine - 359, almeno 1)."),
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
            OpzioneCsv(),
        };
    }
    int Esegui(const Chiamata& c) const override {
        const bool periodo = c.Presente(QStringLiteral("periodo"));
        if (periodo == c.Valore(QStringLiteral("presenze")).has_value()) {
            c.errori << QStringLiteral("Indicare --presenze K oppure --periodo (uno dei due).\n");
            return CodiceUso;
        }
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        ParametriSequenza p;
        const int ultima = archivio->TotEstrazioni;
        p.fine = ultima;
        int k = 0;
        if (!Intero(c, QStringLiteral("fine"), 1, ultima, p.fine)) {
            return CodiceUso;
        }
        p.inizio = std::max(1, p.fine - 359);
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
        const auto sequenze =
            periodo ? SequenzaPeriodo(*archivio, p) : SequenzaPresenze(*archivio, p, k);
        ScriviTabella(TabellaSequenze(sequenze), c.Presente(QStringLiteral("csv")), c.uscita);
        return CodiceOk;
    }
};

class ComandoMaltese : public Comando {
public:
    QString Nome() const override { return QStringLiteral("maltese"); }
    bool ConFiltroCalendario() const override { return true; }
    QString Descrizione() const override {
        return QStringLiteral("Il quadrato Maltese, versione semplificata per ambata (o, con "
                              "--cinquina, la cinquina per ambo e terno): i casi o, con "
                              "--riepilogo, le quattro righe del riepilogo.");
    }
    QList<QCommandLineOption> Opzioni() const override {
        namespace l = liste_maltese;
        return {
            ConValore(QStringLiteral("ruota"), QStringLiteral("La ruota (predefinita BA)."),
                      QStringLiteral("BA|CA|..")),
            OpzioneLista(QStringLiteral("casi"), QStringLiteral("N° casistiche"), l::Casi,
                         QStringLiteral("M")),
            ConValore(
                QStringLiteral("colpi"),
                QStringLiteral("Colpi: %1.").arg(QString::fromStdString(l::Colpi.Descrizione())),
                QStringLiteral("G")),
            ConValore(QStringLiteral("fine"),
                      QStringLiteral("La posizione della seconda estrazione del caso più recente "
                                     "(predefinita l'ultima)."),
                      QStringLiteral("e")),
            ConValore(QStringLiteral("cinquina"),
                      QStringLiteral("La scheda Cinquina per ambo e terno 1, 2 o 3."),
                      QStringLiteral("1|2|3")),
            Interruttore(QStringLiteral("decimali-fissi"),
                         QStringLiteral("Modalità decimali fissi (predefinita la calcolatrice).")),
            ConValore(QStringLiteral("cifre"),
                      QStringLiteral("Cifre, almeno 6 (predefinite %1).").arg(CifrePredefinite),
                      QStringLiteral("N")),
            Interruttore(QStringLiteral("ultima-del-mese"),
                         QStringLiteral("Sì alla domanda sull'ultima estrazione (dal giorno 25).")),
            Interruttore(QStringLiteral("terno"),
                         QStringLiteral("VERIFICA TERNO invece della verifica per ambo.")),
            Interruttore(QStringLiteral("decimali"),
                         QStringLiteral("VISUALIZZA NUMERI CON DECIMALI: il calcolo dei casi.")),
            Interruttore(QStringLiteral("riepilogo"),
                         QStringLiteral("Le righe N° Casi, Positivi, Negativi, In gioco.")),
            ConValore(QStringLiteral("fuori-campione"),
                      QStringLiteral("Verifica fuori campione: i casi dopo l'estrazione E, "
                                     "ciascuno col numero che il metodo dava allora, nel "
                                     "riepilogo col confronto col caso."),
                      QStringLiteral("E")),
            OpzioneAtteso(),
            OpzioneCsv(),
        };
    }
    int Esegui(const Chiamata& c) const override {
        const auto archivio = ArchivioDelComando(c);
        if (!archivio) {
            return CodiceErrore;
        }
        int variante = 0, cifre = CifrePredefinite;
        if (!AttesoConRiepilogo(c) || !Intero(c, QStringLiteral("cinquina"), 1, 3, variante) ||
            !Intero(c, QStringLiteral("cifre"), 0, 99, cifre)) {
            return CodiceUso;
        }
        ParametriMaltese p;
        p.fine = archivio->NumEstrazioniAnalisi;
        std::array<bool, 11> ruote{};
        if (const auto testo = c.Valore(QStringLiteral("ruota"))) {
            if (!LeggiRuote(c, QStringLiteral("ruota"), ruote) ||
                std::count(ruote.begin(), ruote.end(), true) != 1) {
                c.errori << QStringLiteral("Ruota non valida in --ruota: %1 (una sola sigla).\n")
                                .arg(*testo);
                return CodiceUso;
            }
            p.ruota = static_cast<int>(std::find(ruote.begin(), ruote.end(), true) - ruote.begin());
        }
        namespace l = liste_maltese;
        const bool ok =
            DallaLista(c, QStringLiteral("casi"), l::Casi, p.casi) &&
            DallaLista(c, QStringLiteral("colpi"), l::Colpi, p.colpi) &&
            Intero(c, QStringLiteral("fine"), 1, archivio->NumEstrazioniAnalisi, p.fine);
        int riferimento = 0;
        if (!ok || !Intero(c, QStringLiteral("fuori-campione"), 1, p.fine, riferimento)) {
            return CodiceUso;
        }
        const bool csv = c.Presente(QStringLiteral("csv"));
        // Out of sample: every case after the reference, whatever the case limit.
        const bool fuori = riferimento > 0;
        const bool riepilogo = fuori || c.Presente(QStringLiteral("riepilogo"));
        const bool atteso = fuori || c.Presente(QStringLiteral("atteso"));
        if (fuori) {
            p.casi = p.fine - riferimento;
        }
        if (variante > 0) {
            if (cifre < CifreMinime) {
                c.errori << QString::fromUtf8(MessaggioCifre) << QLatin1Char('\n');
                return CodiceErrore;
            }
            ParametriCinquinaMaltese q;
            q.ruota = p.ruota;
            q.casi = p.casi;
            q.colpi = p.colpi;
            q.fine = p.fine;
            q.variante = variante;
            q.cifre = cifre;
            q.modalita = c.Presente(QStringLiteral("decimali-fissi"))
                             ? ModalitaDecimali::DecimaliFissi
                             : ModalitaDecimali::Calcolatrice;
            const int ultima = archivio->NumEstrazioniAnalisi;
            q.ultimaDelMese = q.fine >= ultima && c.Presente(QStringLiteral("ultima-del-mese")) &&
                              ChiedereUltima(archivio->Data(archivio->IndiceModello(ultima)));
            auto cinquine = ElaboraCinquinaMaltese(*archivio, q);
            std::erase_if(cinquine,
                          [&](const CasoCinquina& k) { return k.posizione <= riferimento; });
            if (c.Presente(QStringLiteral("terno"))) {
                VerificaCinquine(*archivio, q.ruota, q.colpi, 3, cinquine);
            }
            if (riepilogo) {
                ScriviRiepilogo(RiassumiCinquine(cinquine), csv, c.uscita);
                if (atteso) {
                    ScriviAtteso(ConfrontaCinquine(cinquine), csv, c.uscita);
                }
            } else if (c.Presente(QStringLiteral("decimali"))) {
                ScriviTabella(TabellaDecimali(cinquine), csv, c.uscita);
            } else {
                ScriviTabella(TabellaCinquina(*archivio, q.ruota, cinquine), csv, c.uscita);
            }
            return CodiceOk;
        }
        const auto casi = ElaboraMaltese(*archivio, p);
        if (riepilogo) {
            ScriviRiepilogo(RiassumiMaltese(casi), csv, c.uscita);
            if (atteso) {
                ScriviAtteso(ConfrontaMaltese(casi), csv, c.uscita);
            }
            return CodiceOk;
        }
        ScriviTabella(TabellaMaltese(*archivio, p.ruota, casi), csv, c.uscita);
        return CodiceOk;
    }

private:
    /// The four summary lines as name and count, without a header row.
    static void ScriviRiepilogo(const RiepilogoMaltese& r, bool csv, QTextStream& uscita) {
        Tabella t;
        t.intestazioni = {"", ""};
        t.AggiungiRiga({"N° Casi", std::to_string(r.casi)});
        t.AggiungiRiga({"Positivi", std::to_string(r.positivi)});
        t.AggiungiRiga({"Negativi", std::to_string(r.negativi)});
        t.AggiungiRiga({"In gioco", std::to_string(r.inGioco)});
        ScriviRighe(t, csv, uscita);
    }
};

} // namespace

std::vector<std::unique_ptr<Comando>> ComandiMetodi() {
    std::vector<std::unique_ptr<Comando>> comandi;
    comandi.push_back(std::make_unique<ComandoAmbataDinamica>());
    comandi.push_back(std::make_unique<ComandoCinquinaSpiona>());
    comandi.push_back(std::make_unique<ComandoRitardi>());
    comandi.push_back(std::make_unique<ComandoMaltese>());
    comandi.push_back(CreaComandoAmboSomme());
    return comandi;
}

} // namespace strovel::cli

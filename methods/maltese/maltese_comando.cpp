// strovel-cli maltese: the Maltese square's first tab and its three cinquina tabs.

#include "cli/comandi.h"
#include "cli/comando_analisi.h"
#include "core/archivio.h"
#include "core/esiti.h"
#include "methods/maltese/maltese.h"
#include "methods/maltese/maltese_cinquina.h"

#include <algorithm>

namespace strovel::cli {

namespace {

class ComandoMaltese : public ComandoAnalisi {
public:
    QString Nome() const override { return QStringLiteral("maltese"); }
    QString Descrizione() const override {
        return QStringLiteral("Il quadrato Maltese, versione semplificata per ambata (o, con "
                              "--cinquina, la cinquina per ambo e terno): i casi o, con "
                              "--riepilogo, le quattro righe del riepilogo.");
    }
    QList<QCommandLineOption> OpzioniProprie() const override {
        namespace l = liste_maltese;
        return {
            ConValore(QStringLiteral("ruota"), QStringLiteral("La ruota (predefinita BA)."),
                      QStringLiteral("BA|CA|..")),
            OpzioneLista(l::Casi),
            OpzioneLista(l::Colpi),
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
                      QStringLiteral("Cifre, da %1 a %2 (predefinite %3).")
                          .arg(CifreMinime)
                          .arg(CifreMassime)
                          .arg(CifrePredefinite),
                      QStringLiteral("N")),
            Interruttore(QStringLiteral("ultima-del-mese"),
                         QStringLiteral("Sì alla domanda sull'ultima estrazione (dal giorno 25).")),
            Interruttore(QStringLiteral("terno"),
                         QStringLiteral("VERIFICA TERNO invece della verifica per ambo.")),
            Interruttore(QStringLiteral("decimali"),
                         QStringLiteral("VISUALIZZA NUMERI CON DECIMALI: il calcolo dei casi.")),
        };
    }
    QString AiutoRiepilogo() const override {
        return QStringLiteral("Le righe N° Casi, Positivi, Negativi, In gioco.");
    }
    QString AiutoFuoriCampione() const override {
        return QStringLiteral("Verifica fuori campione: i casi dopo l'estrazione E, ciascuno col "
                              "numero che il metodo dava allora, nel riepilogo col confronto col "
                              "caso.");
    }
    QString AiutoAtteso() const override { return AiutoAttesoConRiepilogo(); }
    bool Controlla(const Chiamata& c) const override {
        if (!c.Presente(QStringLiteral("cinquina"))) {
            // These choose how a cinquina tab works: without one they would change nothing.
            for (const char* nome :
                 {"cifre", "decimali-fissi", "ultima-del-mese", "terno", "decimali"}) {
                if (c.Presente(QLatin1String(nome))) {
                    c.errori << QStringLiteral("--%1 si usa con --cinquina 1, 2 o 3.\n")
                                    .arg(QLatin1String(nome));
                    return false;
                }
            }
        }
        return AlPiuUna(c, {QStringLiteral("decimali"), QStringLiteral("riepilogo"),
                            QStringLiteral("fuori-campione")}) &&
               AttesoConRiepilogo(c);
    }

    int EseguiSu(const Esecuzione& e) const override {
        const Chiamata& c = e.chiamata;
        const Archivio& a = e.archivio;
        int variante = 0, cifre = CifrePredefinite;
        if (!Intero(c, QStringLiteral("cinquina"), 1, 3, variante) ||
            !Intero(c, QStringLiteral("cifre"), CifreMinime, CifreMassime, cifre)) {
            return CodiceUso;
        }
        ParametriMaltese p;
        p.fine = a.NumEstrazioniAnalisi;
        std::array<bool, 11> ruote{};
        if (const auto testo = c.Valore(QStringLiteral("ruota"))) {
            if (!LeggiRuote(c, QStringLiteral("ruota"), ruote) ||
                std::count(ruote.begin(), ruote.end(), true) != 1) {
                e.errori() << QStringLiteral("Ruota non valida in --ruota: %1 (una sola sigla).\n")
                                  .arg(*testo);
                return CodiceUso;
            }
            p.ruota = static_cast<int>(std::find(ruote.begin(), ruote.end(), true) - ruote.begin());
        }
        namespace l = liste_maltese;
        const bool ok = DallaLista(c, l::Casi, p.casi) && DallaLista(c, l::Colpi, p.colpi) &&
                        Intero(c, QStringLiteral("fine"), 1, a.NumEstrazioniAnalisi, p.fine);
        int riferimento = 0;
        if (!ok || !e.LeggiFuoriCampione(p.fine, riferimento)) {
            return CodiceUso;
        }
        const bool fuori = riferimento > 0;
        if (variante > 0) {
            ParametriCinquinaMaltese q;
            q.ruota = p.ruota;
            q.casi = p.casi;
            q.colpi = p.colpi;
            q.fine = p.fine;
            q.variante = variante;
            q.cifre = cifre;
            q.modalita = e.Presente(QStringLiteral("decimali-fissi"))
                             ? ModalitaDecimali::DecimaliFissi
                             : ModalitaDecimali::Calcolatrice;
            const int ultima = a.NumEstrazioniAnalisi;
            q.ultimaDelMese = q.fine >= ultima && e.Presente(QStringLiteral("ultima-del-mese")) &&
                              ChiedereUltima(a.Data(a.IndiceModello(ultima)));
            const bool terno = e.Presente(QStringLiteral("terno"));
            if (fuori) {
                const auto f = FuoriCampione(AnalisiCinquinaMaltese{q, terno}, a, riferimento);
                if (f.riepilogo.casi == 0) {
                    return e.NienteDopo(riferimento);
                }
                ScriviRiepilogo(e, f.riepilogo);
                e.ScriviAtteso(f.confronto);
                return CodiceOk;
            }
            auto cinquine = ElaboraCinquinaMaltese(a, q);
            if (terno) {
                VerificaCinquine(a, q.ruota, q.colpi, 3, cinquine);
            }
            if (e.riepilogo) {
                ScriviRiepilogo(e, RiassumiCinquine(cinquine));
                if (e.atteso) {
                    e.ScriviAtteso(ConfrontaCinquine(cinquine));
                }
            } else if (e.Presente(QStringLiteral("decimali"))) {
                e.Scrivi(TabellaDecimali(cinquine));
            } else {
                e.Scrivi(TabellaCinquina(a, q.ruota, cinquine));
            }
            return CodiceOk;
        }
        if (fuori) {
            const auto f = FuoriCampione(AnalisiMaltese{p}, a, riferimento);
            if (f.riepilogo.casi == 0) {
                return e.NienteDopo(riferimento);
            }
            ScriviRiepilogo(e, f.riepilogo, NonIncassabili(f.casi));
            e.ScriviAtteso(f.confronto);
            return CodiceOk;
        }
        const auto casi = ElaboraMaltese(a, p);
        if (e.riepilogo) {
            ScriviRiepilogo(e, RiassumiMaltese(casi), NonIncassabili(casi));
            if (e.atteso) {
                e.ScriviAtteso(ConfrontaMaltese(casi));
            }
            return CodiceOk;
        }
        e.Scrivi(TabellaMaltese(a, p.ruota, casi));
        return CodiceOk;
    }

private:
    /// The four summary lines as name and count, without a header row; for the square's cases
    /// (`nonIncassabili` not negative) a fifth, the hits at colpo 1.
    static void ScriviRiepilogo(const Esecuzione& e, const RiepilogoEsiti& r,
                                int nonIncassabili = -1) {
        Tabella t;
        t.intestazioni = {"", ""};
        t.AggiungiRiga({"N° Casi", std::to_string(r.casi)});
        t.AggiungiRiga({"Positivi", std::to_string(r.positivi)});
        t.AggiungiRiga({"Negativi", std::to_string(r.negativi)});
        t.AggiungiRiga({"In gioco", std::to_string(r.inGioco)});
        if (nonIncassabili >= 0) {
            t.AggiungiRiga({"Non incassabili", std::to_string(nonIncassabili)});
        }
        e.ScriviRighe(t);
    }
};

} // namespace

std::unique_ptr<Comando> CreaComandoMaltese() {
    return std::make_unique<ComandoMaltese>();
}

} // namespace strovel::cli

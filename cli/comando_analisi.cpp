#include "cli/comando_analisi.h"

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/progressiva.h"
#include "core/tabella.h"

namespace strovel::cli {

bool Esecuzione::LeggiFuoriCampione(int massimo, int& riferimento) const {
    riferimento = 0;
    return Intero(chiamata, QStringLiteral("fuori-campione"), 1, massimo, riferimento);
}

bool Esecuzione::LeggiProgressiva(int massimo, int naturale, int& da, int& passo) const {
    da = 0;
    passo = naturale;
    const auto testo = chiamata.Valore(QStringLiteral("progressiva"));
    if (!testo) {
        return true;
    }
    const QStringList parti = testo->split(QLatin1Char(':'));
    bool okE = false;
    bool okPasso = true;
    const int e = parti.value(0).toInt(&okE);
    const int p = parti.size() == 2 ? parti[1].toInt(&okPasso) : naturale;
    if (parti.size() > 2 || !okE || !okPasso || e < 1 || e > massimo || p < 1) {
        errori() << QStringLiteral("Valore non valido per --progressiva: %1 (E da 1 a %2, "
                                   "poi :PASSO da 1 facoltativo).\n")
                        .arg(*testo)
                        .arg(massimo);
        return false;
    }
    da = e;
    passo = p;
    return true;
}

void Esecuzione::Scrivi(const Tabella& t) const {
    ScriviTabella(t, csv, uscita());
}

void Esecuzione::ScriviRighe(const Tabella& t) const {
    cli::ScriviRighe(t, csv, uscita());
}

void Esecuzione::ScriviAtteso(const Confronto& confronto) const {
    Tabella t("||");
    for (const auto& riga : RigheAtteso(confronto)) {
        t.AggiungiRiga(riga);
    }
    ScriviRighe(t);
}

void Esecuzione::ScriviAttesoCC(double medio, double migliore, double probabilitaMigliore) const {
    Tabella t("|");
    t.AggiungiRiga({"CC atteso per caso", UnDecimale(medio)});
    t.AggiungiRiga({"Migliore atteso per caso", UnDecimale(migliore)});
    t.AggiungiRiga({"Probabilità del migliore", UnDecimale(probabilitaMigliore * 100)});
    ScriviRighe(t);
}

void Esecuzione::ScriviMiglioreAtteso(double migliore, double probabilitaMigliore) const {
    Tabella t("||");
    t.AggiungiRiga({"Migliore atteso per caso", UnDecimale(migliore), ""});
    t.AggiungiRiga({"Probabilità del migliore", "", UnDecimale(probabilitaMigliore * 100)});
    ScriviRighe(t);
}

int Esecuzione::ScriviFuoriCampione(const FuoriCampioneScritto& f) const {
    if (!f.nienteScelto.isEmpty()) {
        errori() << f.nienteScelto << '\n';
        return CodiceErrore;
    }
    if (f.riepilogo->casi == 0) {
        return NienteDopo(f.riferimento);
    }
    Scrivi(*f.scelta);
    Scrivi(TabellaRiepilogo(*f.riepilogo));
    ScriviAtteso(*f.confronto);
    return CodiceOk;
}

int Esecuzione::NienteDopo(int riferimento) const {
    errori() << QString::fromStdString(NienteDaVerificare(riferimento)) << '\n';
    return CodiceErrore;
}

int Esecuzione::ScriviProgressiva(const EsitoProgressivo& p) const {
    if (p.passi.empty()) {
        errori() << QString::fromStdString(TestoProgressiva(p)) << '\n';
        return CodiceErrore;
    }
    Scrivi(TabellaProgressiva(p));
    ScriviRighe(RiepilogoProgressivo(p));
    return CodiceOk;
}

QList<QCommandLineOption> ComandoAnalisi::Opzioni() const {
    QList<QCommandLineOption> o = OpzioniProprie();
    if (const QString t = AiutoRiepilogo(); !t.isEmpty()) {
        o << Interruttore(QStringLiteral("riepilogo"), t);
    }
    if (const QString t = AiutoFuoriCampione(); !t.isEmpty()) {
        o << ConValore(QStringLiteral("fuori-campione"), t, QStringLiteral("E"));
    }
    if (const QString t = AiutoAtteso(); !t.isEmpty()) {
        o << Interruttore(QStringLiteral("atteso"), t);
    }
    if (const QString t = AiutoProgressiva(); !t.isEmpty()) {
        o << ConValore(QStringLiteral("progressiva"), t, QStringLiteral("E[:PASSO]"));
    }
    o << OpzioneCsv();
    return o;
}

QString ComandoAnalisi::AiutoAttesoConRiepilogo() {
    return QStringLiteral("Con --riepilogo: le righe Atteso per caso (i positivi che darebbe il "
                          "caso e la loro percentuale) e Probabilità (di trovarne almeno tanti "
                          "per caso, in percentuale).");
}

bool ComandoAnalisi::AttesoConRiepilogo(const Chiamata& c) {
    if (c.Presente(QStringLiteral("atteso")) && !c.Presente(QStringLiteral("riepilogo"))) {
        c.errori << QStringLiteral("--atteso si usa con --riepilogo.\n");
        return false;
    }
    return true;
}

int ComandoAnalisi::Esegui(const Chiamata& c) const {
    if (!Controlla(c)) {
        return CodiceUso;
    }
    const auto archivio = ArchivioDelComando(c);
    if (!archivio) {
        return CodiceErrore;
    }
    Esecuzione e{c, *archivio};
    e.csv = c.Presente(QStringLiteral("csv"));
    e.riepilogo = c.Presente(QStringLiteral("riepilogo"));
    e.atteso = c.Presente(QStringLiteral("atteso"));
    e.fuoriCampione = c.Presente(QStringLiteral("fuori-campione"));
    return EseguiSu(e);
}

} // namespace strovel::cli

#include "cli/comando_analisi.h"

#include "core/archivio.h"
#include "core/esiti.h"
#include "core/probabilita.h"
#include "core/tabella.h"

namespace strovel::cli {

bool Esecuzione::LeggiFuoriCampione(int massimo, int& riferimento) const {
    riferimento = 0;
    return Intero(chiamata, QStringLiteral("fuori-campione"), 1, massimo, riferimento);
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

void Esecuzione::ScriviAttesoCC(double medio, double migliore) const {
    Tabella t("|");
    t.AggiungiRiga({"CC atteso per caso", UnDecimale(medio)});
    t.AggiungiRiga({"Migliore atteso per caso", UnDecimale(migliore)});
    ScriviRighe(t);
}

void Esecuzione::ScriviMiglioreAtteso(double migliore) const {
    Tabella t("||");
    t.AggiungiRiga({"Migliore atteso per caso", UnDecimale(migliore), ""});
    ScriviRighe(t);
}

int Esecuzione::ScriviFuoriCampione(const FuoriCampioneScritto& f) const {
    if (!f.nienteScelto.isEmpty()) {
        errori() << f.nienteScelto << '\n';
        return CodiceErrore;
    }
    Scrivi(*f.scelta);
    Scrivi(TabellaRiepilogo(*f.riepilogo));
    if (f.riepilogo->casi > 0) {
        ScriviAtteso(*f.confronto);
    }
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

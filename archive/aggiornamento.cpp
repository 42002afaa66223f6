#include "archive/aggiornamento.h"

#include "core/data_testo.h"
#include "core/riga_estrazione.h"
#include "core/ruote.h"
#include "storage/archivio_db.h"
#include "storage/file_sicuri.h"
#include "storage/testo_qt.h"

#include <QHash>

#include <algorithm>
#include <set>

namespace strovel {

namespace {

/// Every draw of the archive by its stored date, read once: comparing thousands of candidates
/// this way costs one query instead of one seek each.
struct Indice {
    QHash<QString, std::array<QString, 11>> ruote;
    bool ok = false;
};

Indice LeggiIndice(const DatabaseArchivio& db) {
    Indice indice;
    if (auto ruote = db.RuotePerData()) {
        indice.ruote = std::move(*ruote);
        indice.ok = true;
    }
    return indice;
}

/// The stored form of a candidate's date, or an empty text when it does not convert.
QString Chiave(const QString& testoData) {
    const auto d = LeggiData(S(testoData));
    return d ? Q(TestoIso(*d)) : QString();
}

} // namespace

std::array<bool, 11> RuoteMalformate(const RigaAggiornamento& riga) {
    std::array<bool, 11> male{};
    for (std::size_t w = 0; w < 11; ++w) {
        male[w] = ErroreTestoRuota(S(riga.ruote[w])).has_value();
    }
    return male;
}

QString MotivoMalformato(const RigaAggiornamento& riga) {
    if (!LeggiData(S(riga.data))) {
        return SoloSpazi(riga)
                   ? QStringLiteral("la riga contiene solo spazi")
                   : QStringLiteral("la data \"%1\" non è una data valida").arg(riga.data);
    }
    for (std::size_t w = 0; w < 11; ++w) {
        if (const auto motivo = ErroreTestoRuota(S(riga.ruote[w]))) {
            return Q(NomiRuote[w]) + QStringLiteral(": ") + Q(*motivo);
        }
    }
    return {};
}

QString RigaMalformato(const Candidata& c) {
    return QStringLiteral("Record malformato del %1 (riga %2): %3")
        .arg(c.riga.data)
        .arg(c.riga.riga)
        .arg(c.malformato);
}

FileAggiornamento LeggiFileAggiornamento(const QString& percorso) {
    FileAggiornamento f;
    if (!LeggiFileIngresso(percorso, f.contenuto, &f.motivo)) {
        f.esito = FileAggiornamento::Esito::NonLeggibile;
        return f;
    }
    const auto record = DividiRecord(f.contenuto);
    if (record.isEmpty() || !PrimoRecordValido(record.front().testo)) {
        f.esito = FileAggiornamento::Esito::FormatoErrato;
        f.contenuto.clear();
        return f;
    }
    f.esito = FileAggiornamento::Esito::Letto;
    return f;
}

std::vector<Candidata> Candidate(const QByteArray& contenuto) {
    std::vector<Candidata> c;
    for (RigaAggiornamento& r : CaricaRigheAggiornamento(contenuto)) {
        Candidata nuova;
        nuova.riga = std::move(r);
        nuova.malformato = MotivoMalformato(nuova.riga);
        c.push_back(std::move(nuova));
    }
    return c;
}

EsitoControllo ConfrontoArchivio(const DatabaseArchivio& db, std::vector<Candidata>& candidate,
                                 const Progresso& progresso) {
    EsitoControllo esito;
    if (candidate.empty()) {
        return esito;
    }
    const Indice indice = LeggiIndice(db);
    if (!indice.ok) {
        esito.passoFallito = QString::fromUtf8(PassoControllo);
        esito.motivo = QStringLiteral("l'archivio non è leggibile");
        return esito;
    }
    int errori = 0;
    const int n = static_cast<int>(candidate.size());
    progresso.Massimo(n);
    for (int r = n - 1; r >= 0; --r) {
        progresso.Valore(n - 1 - r);
        Candidata& c = candidate[static_cast<std::size_t>(r)];
        const QString chiave = Chiave(c.riga.data);
        if (chiave.isEmpty()) {
            esito.messaggi << RigaMalformato(c);
            esito.passoFallito = QString::fromUtf8(PassoControllo);
            esito.motivo = QStringLiteral("la data \"%1\" della riga %2 non è valida")
                               .arg(c.riga.data)
                               .arg(c.riga.riga);
            return esito;
        }
        const auto trovata = indice.ruote.constFind(chiave);
        if (trovata == indice.ruote.constEnd()) {
            esito.messaggi << QStringLiteral("Manca estrazione del: ") + c.riga.data;
            c.daImportare = true;
            if (!c.malformato.isEmpty()) {
                esito.messaggi << RigaMalformato(c);
            }
            continue;
        }
        int uguali = 0;
        for (std::size_t w = 0; w < 11; ++w) {
            c.uguali[w] = (*trovata)[w] == c.riga.ruote[w];
            uguali += c.uguali[w] ? 1 : 0;
        }
        if (uguali != 11) {
            esito.messaggi << QStringLiteral("Errori Estrazione del ") + c.riga.data;
            ++errori;
            c.conErrori = true;
        }
        if (!c.malformato.isEmpty()) {
            esito.messaggi << RigaMalformato(c);
        }
    }
    if (errori == 0) {
        esito.messaggi << QStringLiteral("Nessuna anomalia rilevata");
    }
    return esito;
}

int MalformateDaScrivere(const std::vector<Candidata>& candidate, bool correggi) {
    return static_cast<int>(
        std::count_if(candidate.begin(), candidate.end(), [&](const Candidata& c) {
            return !c.malformato.isEmpty() && (c.daImportare || (c.conErrori && correggi));
        }));
}

EsitoApplicazione AggiornamentoArchivio(DatabaseArchivio& db,
                                        const std::vector<Candidata>& candidate, bool correggi,
                                        const QDateTime& adesso, bool ancheMalformati) {
    EsitoApplicazione esito;
    const Indice indice = LeggiIndice(db);
    std::set<QString> presenti; // dates in the archive, and those added by this apply
    for (auto it = indice.ruote.constBegin(); it != indice.ruote.constEnd(); ++it) {
        presenti.insert(it.key());
    }
    std::vector<ModificaArchivio> modifiche;
    for (const Candidata& c : candidate) {
        const QString chiave = Chiave(c.riga.data);
        RigaEstrazione riga;
        riga.data = S(c.riga.data);
        for (std::size_t w = 0; w < 11; ++w) {
            riga.ruote[w] = S(c.riga.ruote[w]);
        }
        const bool aggiunge = c.daImportare && (chiave.isEmpty() || !presenti.count(chiave));
        const bool corregge =
            c.conErrori && correggi && !chiave.isEmpty() && presenti.count(chiave);
        if ((aggiunge || corregge) && !c.malformato.isEmpty() && !ancheMalformati) {
            esito.saltate << QStringLiteral("Estrazione del %1 non scritta, record malformato: %2")
                                 .arg(c.riga.data, c.malformato);
            continue;
        }
        if (aggiunge) {
            // A date that does not convert goes to the batch too (only when malformed records
            // are asked for), so that the apply fails with its reason.
            ++esito.aggiunte;
            esito.messaggi << QStringLiteral("Aggiunta estrazione del") + c.riga.data;
            modifiche.push_back({ModificaArchivio::Tipo::Aggiungi, riga});
            presenti.insert(chiave);
        }
        if (corregge) {
            ++esito.modificate;
            esito.messaggi << QStringLiteral("Modificata estrazione del") + c.riga.data;
            modifiche.push_back({ModificaArchivio::Tipo::Modifica, riga});
        }
    }
    if (esito.aggiunte > 0) {
        esito.messaggi << QStringLiteral("aggiunti N° %1 record").arg(esito.aggiunte);
    }
    if (!modifiche.empty() && !db.Applica(modifiche, adesso, &esito.errore)) {
        esito.aggiunte = 0;
        esito.modificate = 0;
        esito.messaggi.clear();
        esito.messaggi << QStringLiteral("Aggiornamento non eseguito: ") + esito.errore;
        if (esito.errore.isEmpty()) {
            esito.errore = QStringLiteral("scrittura nell'archivio non riuscita");
        }
    }
    return esito;
}

Tabella TabellaCandidate(const std::vector<Candidata>& candidate) {
    Tabella t(IntestazioneImporta);
    for (const Candidata& c : candidate) {
        std::vector<std::string> testi = {"", S(c.riga.data)};
        for (const QString& w : c.riga.ruote) {
            testi.push_back(S(w));
        }
        auto& riga = t.AggiungiRiga(testi);
        if (c.daImportare) {
            riga[1].stile.segno = Segno::DaImportare;
        } else if (c.conErrori) {
            riga[1].stile.segno = Segno::ConErrori;
        }
        // A malformed record shows in a colour of its own: the fixed first cell, the blocks at
        // fault and a date that does not convert. The import and error marks stay as they are.
        const std::array<bool, 11> male = RuoteMalformate(c.riga);
        if (!c.malformato.isEmpty()) {
            riga[0].stile.segno = Segno::Malformato;
            if (!LeggiData(S(c.riga.data)) && riga[1].stile.segno == Segno::Nessuno) {
                riga[1].stile.segno = Segno::Malformato;
            }
        }
        for (std::size_t w = 0; w < 11; ++w) {
            if (c.uguali[w]) {
                riga[2 + w].stile.segno = Segno::Uguale;
            } else if (male[w]) {
                riga[2 + w].stile.segno = Segno::Malformato;
            }
        }
    }
    return t;
}

} // namespace strovel

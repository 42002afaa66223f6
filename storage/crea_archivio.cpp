#include "storage/crea_archivio.h"

#include "core/data_testo.h"
#include "storage/archivio_db.h"
#include "storage/file_sicuri.h"
#include "storage/testo_aggiornamento.h"
#include "storage/testo_qt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace strovel {

namespace {

bool Fallisci(ErroreTesto* errore, int riga, const QString& motivo) {
    if (errore) {
        *errore = {riga, motivo};
    }
    return false;
}

bool LeggiColonne(const QByteArray& contenuto, std::vector<RigaEstrazione>& righe,
                  ErroreTesto* errore) {
    std::vector<std::pair<Data, RigaEstrazione>> lette;
    std::set<Data> viste;
    for (const RigaAggiornamento& r : CaricaRigheAggiornamento(contenuto)) {
        if (SoloSpazi(r)) {
            return Fallisci(errore, r.riga, QStringLiteral("la riga contiene solo spazi"));
        }
        const auto data = LeggiData(S(r.data));
        if (!data || r.data.size() != 10) {
            return Fallisci(
                errore, r.riga,
                QStringLiteral("la data \"%1\" non è una data gg/mm/aaaa valida").arg(r.data));
        }
        if (!viste.insert(*data).second) {
            return Fallisci(errore, r.riga,
                            QStringLiteral("la data %1 compare due volte").arg(r.data));
        }
        RigaEstrazione riga;
        riga.data = TestoData(*data);
        for (std::size_t k = 0; k < 11; ++k) {
            riga.ruote[k] = S(r.ruote[k]);
            if (const auto motivo = ErroreTestoRuota(riga.ruote[k])) {
                return Fallisci(errore, r.riga, Q(*motivo));
            }
        }
        lette.emplace_back(*data, std::move(riga));
    }
    std::stable_sort(lette.begin(), lette.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    righe.clear();
    for (auto& [data, riga] : lette) {
        righe.push_back(std::move(riga));
    }
    return true;
}

} // namespace

FormatoTesto RiconosciFormato(const QByteArray& contenuto) {
    for (const QByteArray& linea : SenzaBom(contenuto).split('\n')) {
        if (!linea.trimmed().isEmpty()) {
            return linea.contains('\t') ? FormatoTesto::Storico : FormatoTesto::Colonne;
        }
    }
    return FormatoTesto::Colonne;
}

bool LeggiArchivioTesto(const QByteArray& contenuto, std::vector<RigaEstrazione>& righe,
                        ErroreTesto* errore) {
    const qsizetype nul = contenuto.indexOf('\0');
    if (nul >= 0) {
        const int riga = static_cast<int>(contenuto.left(nul).count('\n')) + 1;
        return Fallisci(errore, riga, QStringLiteral("il file non è un testo"));
    }
    const bool ok = RiconosciFormato(contenuto) == FormatoTesto::Storico
                        ? LeggiStorico(contenuto, righe, errore)
                        : LeggiColonne(contenuto, righe, errore);
    if (ok && righe.empty()) {
        return Fallisci(errore, 1, QStringLiteral("il file non contiene estrazioni"));
    }
    if (ok && righe.size() > 9999) {
        return Fallisci(
            errore, 1,
            QStringLiteral("il file contiene %1 estrazioni: il massimo è 9999").arg(righe.size()));
    }
    return ok;
}

bool CreaArchivioDaRighe(const QString& percorso, const std::vector<RigaEstrazione>& righe,
                         const QDateTime& adesso, QString* errore) {
    if (QFileInfo::exists(percorso)) {
        if (errore) {
            *errore =
                QStringLiteral("Il file %1 esiste già: non viene sovrascritto.").arg(percorso);
        }
        return false;
    }
    // Built under a temporary name and renamed only when complete.
    const QString temporaneo = percorso + QStringLiteral(".parziale");
    QFile::remove(temporaneo);
    bool ok = DatabaseArchivio::CreaArchivio(temporaneo, errore);
    if (ok) {
        DatabaseArchivio db;
        std::vector<ModificaArchivio> modifiche;
        modifiche.reserve(righe.size());
        for (const RigaEstrazione& riga : righe) {
            modifiche.push_back({ModificaArchivio::Tipo::Aggiungi, riga});
        }
        ok = db.ApriArchivio(temporaneo, errore) && db.Applica(modifiche, adesso, errore);
        db.Chiudi();
    }
    if (ok && !QFile::rename(temporaneo, percorso)) {
        if (errore) {
            *errore = QStringLiteral("Impossibile scrivere il file %1.")
                          .arg(QDir::toNativeSeparators(percorso));
        }
        ok = false;
    }
    if (!ok) {
        QFile::remove(temporaneo);
        // The user knows the archive by the name chosen, not by the file it is built in.
        if (errore) {
            errore->replace(temporaneo, percorso);
            errore->replace(QDir::toNativeSeparators(temporaneo),
                            QDir::toNativeSeparators(percorso));
        }
    }
    return ok;
}

bool CreaArchivioDaTesto(const QString& percorsoTesto, const QString& percorsoArchivio,
                         const QDateTime& adesso, QString* errore) {
    QByteArray contenuto;
    if (!LeggiFileIngresso(percorsoTesto, contenuto, errore)) {
        return false;
    }
    std::vector<RigaEstrazione> righe;
    ErroreTesto e;
    if (!LeggiArchivioTesto(contenuto, righe, &e)) {
        if (errore) {
            *errore = QStringLiteral("File %1, riga %2: %3.")
                          .arg(percorsoTesto)
                          .arg(e.riga)
                          .arg(e.motivo);
        }
        return false;
    }
    return CreaArchivioDaRighe(percorsoArchivio, righe, adesso, errore);
}

} // namespace strovel

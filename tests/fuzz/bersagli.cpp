#include "tests/fuzz/bersagli.h"

#include "archive/aggiornamento.h"
#include "archive/incolla.h"
#include "core/data_testo.h"
#include "core/decodifica.h"
#include "core/riga_estrazione.h"
#include "storage/crea_archivio.h"
#include "storage/testo_aggiornamento.h"
#include "storage/testo_storico.h"

#include <QFile>
#include <QList>

namespace strovel::fuzz {

namespace {

QByteArray Byte(const std::uint8_t* dati, std::size_t n) {
    return QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n));
}

/// What every accepted archive must satisfy: dates in order and unique, wheels well formed.
std::optional<std::string> ControllaRighe(const std::vector<RigaEstrazione>& righe) {
    std::optional<strovel::Data> precedente;
    for (const RigaEstrazione& r : righe) {
        const auto d = LeggiData(r.data);
        if (!d || TestoData(*d) != r.data) {
            return "data accettata ma non valida: " + r.data;
        }
        if (precedente && !(*precedente < *d)) {
            return "date non in ordine crescente o ripetute: " + r.data;
        }
        precedente = d;
        for (const std::string& w : r.ruote) {
            if (ErroreTestoRuota(w)) {
                return "ruota accettata ma malformata: " + w;
            }
        }
    }
    if (righe.size() > 9999) {
        return "più di 9999 estrazioni accettate";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FuzzColonne(const std::uint8_t* dati, std::size_t n) {
    const QByteArray contenuto = Byte(dati, n);
    // The update reader: one row per record with a date cell, blocks cut at fixed positions.
    const auto righe = CaricaRigheAggiornamento(contenuto);
    for (const RigaAggiornamento& r : righe) {
        if (r.data.isEmpty() || r.data.size() > 10) {
            return std::string("cella della data vuota o più lunga di 10 caratteri");
        }
        for (const QString& w : r.ruote) {
            if (w.size() > 14) {
                return std::string("blocco di ruota più lungo di 14 caratteri");
            }
        }
    }
    // The malformed-record rule must agree with the strict reader of a new archive.
    for (const Candidata& c : Candidate(contenuto)) {
        if (c.malformato.isEmpty() && !LeggiData(c.riga.data.toStdString())) {
            return std::string("record con data non valida non segnalato come malformato");
        }
    }
    std::vector<RigaEstrazione> archivio;
    ErroreTesto errore;
    if (LeggiArchivioTesto(contenuto, archivio, &errore)) {
        return ControllaRighe(archivio);
    }
    if (errore.motivo.isEmpty() || errore.riga < 1) {
        return std::string("rifiuto senza riga o senza motivo");
    }
    return std::nullopt;
}

std::optional<std::string> FuzzStorico(const std::uint8_t* dati, std::size_t n) {
    std::vector<RigaEstrazione> righe;
    ErroreTesto errore;
    if (LeggiStorico(Byte(dati, n), righe, &errore)) {
        return ControllaRighe(righe);
    }
    if (errore.motivo.isEmpty() || errore.riga < 1) {
        return std::string("rifiuto senza riga o senza motivo");
    }
    return std::nullopt;
}

std::optional<std::string> FuzzRuota(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    const auto numeri = DecodificaRuota(testo);
    const bool buona = !ErroreTestoRuota(testo).has_value();
    for (const std::int16_t v : numeri) {
        if (buona && (v < 0 || v > 90)) {
            return "numero fuori da 0..90 in una ruota ben formata: " + std::to_string(v);
        }
    }
    // A well-formed text decodes back to itself.
    if (buona && TestoRuota(numeri) != testo) {
        return std::string("una ruota ben formata non si ricompone uguale");
    }
    return std::nullopt;
}

std::optional<std::string> FuzzIncolla(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    const std::vector<int> numeri = NumeriIncollati(testo);
    if (numeri.size() > static_cast<std::size_t>(NumeroCaselle)) {
        return std::string("più numeri delle caselle");
    }
    for (const int v : numeri) {
        if (v < 0) {
            return "numero negativo: " + std::to_string(v);
        }
    }
    return std::nullopt;
}

std::optional<std::string> FuzzData(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    for (const auto d : {LeggiData(testo), LeggiDataIso(testo)}) {
        if (!d) {
            continue;
        }
        if (!DataValida(*d)) {
            return std::string("data accettata ma inesistente");
        }
        if (LeggiData(TestoData(*d)) != d || LeggiDataIso(TestoIso(*d)) != d) {
            return std::string("la data non si rilegge uguale dai suoi testi");
        }
        if (DataDaNumeroGiorno(NumeroGiorno(*d)) != *d) {
            return std::string("numero del giorno non reversibile");
        }
        const int g = GiornoSettimana(*d);
        if (g < 1 || g > 7) {
            return std::string("giorno della settimana fuori da 1..7");
        }
    }
    return std::nullopt;
}

const std::vector<VoceBersaglio>& Bersagli() {
    static const std::vector<VoceBersaglio> elenco = {
        {"colonne", &FuzzColonne}, {"storico", &FuzzStorico}, {"ruota", &FuzzRuota},
        {"incolla", &FuzzIncolla}, {"data", &FuzzData},
    };
    return elenco;
}

std::vector<QByteArray> SemiDaiDatiReali(const QString& nome, const QString& cartellaDati) {
    const bool storico = nome == QStringLiteral("storico");
    QFile file(cartellaDati +
               (storico ? QStringLiteral("/storico.txt") : QStringLiteral("/archivio.txt")));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QList<QByteArray> linee = file.readAll().split('\n');
    std::vector<QByteArray> semi;
    // Spread over the whole archive: early draws with missing wheels, recent ones complete.
    const qsizetype passo = std::max<qsizetype>(1, linee.size() / 40);
    for (qsizetype k = 0; k + 3 < linee.size(); k += passo) {
        const QByteArray& linea = linee[k];
        if (nome == QStringLiteral("colonne") || storico) {
            semi.push_back(linee[k] + '\n' + linee[k + 1] + '\n' + linee[k + 2] + '\n');
        } else if (nome == QStringLiteral("ruota")) {
            semi.push_back(linea.mid(11, 14));
        } else if (nome == QStringLiteral("incolla")) {
            semi.push_back(linea.mid(11, 164).replace('-', ' '));
        } else if (nome == QStringLiteral("data")) {
            semi.push_back(linea.left(10));
        }
    }
    return semi;
}

} // namespace strovel::fuzz

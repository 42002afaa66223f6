#include "storage/testo_storico.h"

#include "core/data_testo.h"
#include "storage/testo_aggiornamento.h"
#include "storage/testo_qt.h"

#include <QList>
#include <QStringList>

#include <optional>

#include <algorithm>
#include <map>

namespace strovel {

namespace {

int RuotaStorico(const QString& codice) {
    static const char* const codici[] = {"BA", "CA", "FI", "GE", "MI", "NA",
                                         "PA", "RM", "TO", "VE", "RN"};
    for (int r = 0; r < 11; ++r) {
        if (codice == QLatin1String(codici[r])) {
            return r;
        }
    }
    // The program's own codes are accepted too.
    if (codice == QLatin1String("RO")) {
        return 7;
    }
    if (codice == QLatin1String("NZ")) {
        return 10;
    }
    return -1;
}

bool Fallisci(ErroreTesto* errore, int riga, const QString& motivo) {
    if (errore) {
        *errore = {riga, motivo};
    }
    return false;
}

} // namespace

bool LeggiStorico(const QByteArray& contenuto, std::vector<RigaEstrazione>& righe,
                  ErroreTesto* errore) {
    std::map<std::string, RigaEstrazione> perData; // keyed by yyyy-mm-dd: date order
    std::map<std::string, std::array<bool, 11>> presenti;
    const QList<QByteArray> linee = SenzaBom(contenuto).split('\n');
    for (qsizetype k = 0; k < linee.size(); ++k) {
        const int numeroRiga = static_cast<int>(k + 1);
        QByteArray linea = linee[k];
        if (linea.endsWith('\r')) {
            linea.chop(1);
        }
        if (linea.isEmpty()) {
            continue;
        }
        // A line of blanks alone is most likely a draw lost in editing: it is reported.
        if (linea.trimmed().isEmpty()) {
            return Fallisci(errore, numeroRiga, QStringLiteral("la riga contiene solo spazi"));
        }
        if (linea.contains('\0')) {
            return Fallisci(errore, numeroRiga, QStringLiteral("il file non è un testo"));
        }
        const QList<QByteArray> campi = linea.split('\t');
        if (campi.size() != 7) {
            return Fallisci(errore, numeroRiga,
                            QStringLiteral("attesi 7 campi separati da tabulazioni, trovati %1")
                                .arg(campi.size()));
        }
        const QString testoData = QString::fromLatin1(campi[0].trimmed());
        const QStringList parti = testoData.split(QLatin1Char('/'));
        std::optional<Data> data;
        if (parti.size() == 3 && parti[0].size() == 4) {
            data =
                LeggiData(S(parti[2] + QLatin1Char('/') + parti[1] + QLatin1Char('/') + parti[0]));
        }
        if (!data) {
            return Fallisci(
                errore, numeroRiga,
                QStringLiteral("la data \"%1\" non è una data aaaa/mm/gg valida").arg(testoData));
        }
        const QString codice = QString::fromLatin1(campi[1].trimmed()).toUpper();
        const int ruota = RuotaStorico(codice);
        if (ruota < 0) {
            return Fallisci(errore, numeroRiga,
                            QStringLiteral("la ruota \"%1\" non è conosciuta").arg(codice));
        }
        std::array<std::int16_t, 5> numeri{};
        for (int p = 0; p < 5; ++p) {
            bool ok = false;
            const QByteArray campo = campi[2 + p].trimmed();
            const int n = campo.toInt(&ok);
            if (!ok || n < 1 || n > 90) {
                return Fallisci(errore, numeroRiga,
                                QStringLiteral("\"%1\" non è un numero da 1 a 90")
                                    .arg(QString::fromLatin1(campo)));
            }
            numeri[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(n);
        }
        const std::string chiave = TestoIso(*data);
        auto [it, nuova] = perData.try_emplace(chiave);
        auto& visti = presenti[chiave];
        if (nuova) {
            it->second.data = TestoData(*data);
            it->second.ruote.fill(std::string(RuotaNonEstratta));
            visti.fill(false);
        }
        if (visti[static_cast<std::size_t>(ruota)]) {
            return Fallisci(errore, numeroRiga,
                            QStringLiteral("la ruota %1 del %2 compare due volte")
                                .arg(codice, Q(it->second.data)));
        }
        visti[static_cast<std::size_t>(ruota)] = true;
        std::string testoRuota = TestoRuota(numeri);
        if (const auto motivo = ErroreTestoRuota(testoRuota)) {
            return Fallisci(errore, numeroRiga, Q(*motivo));
        }
        it->second.ruote[static_cast<std::size_t>(ruota)] = std::move(testoRuota);
    }
    righe.clear();
    righe.reserve(perData.size());
    for (auto& [chiave, riga] : perData) {
        righe.push_back(std::move(riga));
    }
    return true;
}

} // namespace strovel

#include "storage/testo_aggiornamento.h"

#include <algorithm>

namespace strovel {

QByteArray SenzaBom(const QByteArray& contenuto) {
    return contenuto.startsWith("\xEF\xBB\xBF") ? contenuto.mid(3) : contenuto;
}

QList<RecordTesto> DividiRecord(const QByteArray& contenuto) {
    QList<RecordTesto> record;
    const QString testo = QString::fromLatin1(SenzaBom(contenuto));
    int riga = 1;
    int rigaInizio = 1;
    qsizetype inizio = 0;
    const qsizetype n = testo.size();
    for (qsizetype k = 0; k <= n; ++k) {
        const bool fine = k == n;
        const QChar c = fine ? QChar() : testo[k];
        if (!fine && c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char(',')) {
            continue;
        }
        // The text after the last break is a record only when it holds something.
        if (!fine || k > inizio) {
            record.append({testo.mid(inizio, k - inizio), rigaInizio});
        }
        if (c == QLatin1Char('\r') && k + 1 < n && testo[k + 1] == QLatin1Char('\n')) {
            ++k;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            ++riga;
        }
        inizio = k + 1;
        rigaInizio = riga;
    }
    return record;
}

bool PrimoRecordValido(const QString& primoRecord) {
    return primoRecord.size() == 178 && primoRecord.endsWith(QStringLiteral("pr"));
}

bool SoloSpazi(const RigaAggiornamento& riga) {
    return riga.data.trimmed().isEmpty() &&
           std::all_of(riga.ruote.begin(), riga.ruote.end(),
                       [](const QString& w) { return w.trimmed().isEmpty(); });
}

RigaAggiornamento LeggiRecordAggiornamento(const RecordTesto& record) {
    RigaAggiornamento riga;
    riga.riga = record.riga;
    riga.data = record.testo.mid(0, 10);
    for (int k = 0; k < 11; ++k) {
        riga.ruote[static_cast<std::size_t>(k)] = record.testo.mid(11 + 15 * k, 14);
    }
    return riga;
}

std::vector<RigaAggiornamento> CaricaRigheAggiornamento(const QByteArray& contenuto) {
    std::vector<RigaAggiornamento> righe;
    for (const RecordTesto& record : DividiRecord(contenuto)) {
        RigaAggiornamento riga = LeggiRecordAggiornamento(record);
        if (!riga.data.isEmpty()) {
            righe.push_back(std::move(riga));
        }
    }
    return righe;
}

} // namespace strovel

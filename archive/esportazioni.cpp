#include "archive/esportazioni.h"

#include "core/archivio.h"
#include "storage/file_sicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace strovel {

namespace {

/// "0#": at least two digits.
QByteArray DueCifre(int n) {
    QByteArray t = QByteArray::number(n);
    if (t.size() < 2 && n >= 0) {
        t.prepend('0');
    }
    return t;
}

/// Date parts by position in dd/mm/yyyy.
QByteArray Parte(const std::string& data, std::size_t da, std::size_t lunghezza) {
    if (data.size() < da + lunghezza) {
        return {};
    }
    return QByteArray(data.data() + da, static_cast<qsizetype>(lunghezza));
}

QByteArray UltimeDue(const std::string& data) {
    return data.size() >= 2 ? QByteArray(data.data() + data.size() - 2, 2) : QByteArray();
}

/// Maximum at the first draw, then the value at every tenth.
void Avanza(const Progresso& progresso, int tot, int i) {
    if (i == 1) {
        progresso.Massimo(tot);
    }
    if (i % 10 == 0) {
        progresso.Valore(i);
    }
}

void Intero16(char* p, int v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
    p[0] = static_cast<char>(u & 0xFF);
    p[1] = static_cast<char>(u >> 8);
}

} // namespace

QByteArray TestoTrindolo(const Archivio& a, const Progresso& progresso) {
    QByteArray out;
    out.reserve(a.TotEstrazioni * 120);
    for (int i = 1; i <= a.TotEstrazioni; ++i) {
        Avanza(progresso, a.TotEstrazioni, i);
        const std::string& data = a.DateEstrazioni[static_cast<std::size_t>(i)];
        out += '"';
        for (int w = 0; w < 10; ++w) {
            for (int p = 1; p <= 5; ++p) {
                out += DueCifre(a.Estratti(i, w, p));
            }
        }
        out += UltimeDue(data) + Parte(data, 3, 2) + Parte(data, 0, 2);
        out += DueCifre(a.ProgressivoMese[static_cast<std::size_t>(i)]);
        out += DueCifre(a.ProgressivoAnno[static_cast<std::size_t>(i)]);
        out += "\"\r\n";
    }
    return out;
}

QByteArray RecordPelvano(const Archivio& a, int i) {
    QByteArray r(110, '\0');
    const std::string& data = a.DateEstrazioni[static_cast<std::size_t>(i)];
    Intero16(r.data(), Parte(data, 0, 2).toInt());
    Intero16(r.data() + 2, Parte(data, 3, 2).toInt());
    Intero16(r.data() + 4, UltimeDue(data).toInt());
    int pos = 6;
    for (int w = 0; w < 10; ++w) {
        for (int p = 1; p <= 5; ++p) {
            // "00": two ASCII digits (a value outside 0..99 keeps its last two).
            const int n = a.Estratti(i, w, p);
            const QByteArray t = QByteArray::number(n).rightJustified(2, '0').right(2);
            std::memcpy(r.data() + pos, t.constData(), 2);
            pos += 2;
        }
    }
    Intero16(r.data() + 106, a.ProgressivoMese[static_cast<std::size_t>(i)]);
    Intero16(r.data() + 108, a.ProgressivoAnno[static_cast<std::size_t>(i)]);
    return r;
}

EsitoEsportazione ScriviPelvano(const Archivio& a, const QString& percorso,
                                const QStringList& protetti, const Progresso& progresso) {
    EsitoEsportazione esito;
    if (!DestinazioneAmmessa(percorso, protetti, &esito.errore)) {
        esito.rifiutata = true;
        return esito;
    }
    // Records past the archive's last draw stay as the old file has them.
    QByteArray contenuto;
    if (QFileInfo::exists(percorso) && !LeggiFileIngresso(percorso, contenuto, &esito.errore)) {
        return esito;
    }
    const qsizetype necessari = static_cast<qsizetype>(a.TotEstrazioni) * 110;
    if (contenuto.size() < necessari) {
        contenuto.resize(necessari);
    }
    for (int i = 1; i <= a.TotEstrazioni; ++i) {
        Avanza(progresso, a.TotEstrazioni, i);
        std::memcpy(contenuto.data() + static_cast<qsizetype>(i - 1) * 110,
                    RecordPelvano(a, i).constData(), 110);
    }
    return ScriviFileTesto(percorso, contenuto, protetti);
}

QByteArray TestoNazionale(const Archivio& a, const Progresso& progresso) {
    QByteArray out;
    for (int i = 1; i <= a.TotEstrazioni; ++i) {
        Avanza(progresso, a.TotEstrazioni, i);
        const int primo = a.Estratti(i, 10, 1);
        if (primo < 1 || primo > 90) {
            continue;
        }
        out += QByteArray::number(i).rightJustified(5, '0') + '-';
        for (int p = 1; p <= 5; ++p) {
            out += QByteArray::number(a.Estratti(i, 10, p)).rightJustified(2, '0');
        }
        out += "\r\n";
    }
    return out;
}

QString PercorsoTrindolo() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\KVAR3\\DATI32.III");
#else
    QString prefisso = qEnvironmentVariable("WINEPREFIX");
    if (prefisso.isEmpty()) {
        prefisso = QDir::home().filePath(QStringLiteral(".wine"));
    }
    return QDir(prefisso).filePath(QStringLiteral("drive_c/KVAR3/DATI32.III"));
#endif
}

EsitoEsportazione ScriviFileTesto(const QString& percorso, const QByteArray& contenuto,
                                  const QStringList& protetti) {
    EsitoEsportazione esito;
    esito.ok = ScriviFileSicuro(percorso, contenuto, protetti, &esito.errore, &esito.rifiutata);
    return esito;
}

} // namespace strovel

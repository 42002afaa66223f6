#include "archive/calendario.h"

#include "core/data_testo.h"
#include "storage/archivio_db.h"

#include <map>
#include <set>

namespace strovel {

std::optional<Tabella> CalendarioAnno(const DatabaseArchivio& db, int anno, bool lettere) {
    // The crosstab "TRANSFORM Sum(Weekday(...)) ... PIVOT G" as a plain query and a pivot here.
    const auto righe = db.GiorniDellAnno(anno);
    if (!righe) {
        return std::nullopt;
    }
    std::map<int, std::map<int, int>> mesi; // month -> day -> sum of weekdays
    std::set<int> giorni;
    for (const auto& r : *righe) {
        const auto d = LeggiDataIso(r.dataIso.toStdString());
        if (!d) {
            continue;
        }
        // ISO 1 = Monday .. 7 = Sunday; here 1 = Sunday .. 7 = Saturday.
        const int settimana = GiornoSettimana(*d) % 7 + 1;
        mesi[r.mese][r.giorno] += settimana;
        giorni.insert(r.giorno);
    }
    std::string intestazione = "|A|M";
    for (int g : giorni) {
        intestazione += "|" + std::to_string(g);
    }
    Tabella t(intestazione);
    for (const auto& [mese, valori] : mesi) {
        auto& riga = t.AggiungiRiga({"", std::to_string(anno), std::to_string(mese)});
        riga[1].stile = {Segno::Nessuno, Colore{255, 255, 192}, std::nullopt, true, std::nullopt};
        riga[2].stile = {Segno::Nessuno, Colore{192, 255, 192}, std::nullopt, true, std::nullopt};
        std::size_t c = 3;
        for (int g : giorni) {
            const auto it = valori.find(g);
            if (it != valori.end()) {
                riga[c].testo = lettere && it->second >= 1 && it->second <= 7
                                    ? LettereGiorni[it->second]
                                    : std::to_string(it->second);
            }
            ++c;
        }
    }
    t.larghezze.assign(t.intestazioni.size(), 2);
    t.larghezze[0] = 1;
    t.larghezze[1] = 4;
    t.larghezze[2] = 2;
    return t;
}

std::optional<std::string> DataDellaCella(const Tabella& calendario, std::size_t riga,
                                          std::size_t colonna) {
    if (riga >= calendario.righe.size() || colonna < 3 ||
        colonna >= calendario.intestazioni.size()) {
        return std::nullopt;
    }
    const auto& r = calendario.righe[riga];
    const int giorno = std::stoi(calendario.intestazioni[colonna]);
    const int mese = std::stoi(r[2].testo);
    auto dueCifre = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return dueCifre(giorno) + "/" + dueCifre(mese) + "/" + r[1].testo;
}

} // namespace strovel

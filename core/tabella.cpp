#include "core/tabella.h"

namespace strovel {

namespace {

std::string PerTsv(const std::string& testo) {
    std::string s = testo;
    for (char& c : s) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return s;
}

std::string PerCsv(const std::string& testo) {
    if (testo.find_first_of(",\"\n\r") == std::string::npos) {
        return testo;
    }
    std::string s = "\"";
    for (char c : testo) {
        if (c == '"') {
            s += '"';
        }
        s += c;
    }
    s += '"';
    return s;
}

template <typename Converti>
std::string Testo(const Tabella& t, char separatore, Converti converti) {
    std::string out;
    auto riga = [&](auto inizio, auto fine, auto testoDi) {
        for (auto it = inizio; it != fine; ++it) {
            if (it != inizio) {
                out += separatore;
            }
            out += converti(testoDi(*it));
        }
        out += '\n';
    };
    riga(t.intestazioni.begin(), t.intestazioni.end(), [](const std::string& s) { return s; });
    for (const auto& r : t.righe) {
        riga(r.begin(), r.end(), [](const Cella& c) { return c.testo; });
    }
    return out;
}

} // namespace

std::vector<std::string> DividiIntestazione(std::string_view intestazione) {
    std::vector<std::string> parti;
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t barra = intestazione.find('|', inizio);
        parti.emplace_back(intestazione.substr(
            inizio, barra == std::string_view::npos ? std::string_view::npos : barra - inizio));
        if (barra == std::string_view::npos) {
            return parti;
        }
        inizio = barra + 1;
    }
}

Tabella::Tabella(std::string_view intestazione) : intestazioni(DividiIntestazione(intestazione)) {}

std::vector<Cella>& Tabella::AggiungiRiga() {
    righe.emplace_back(intestazioni.size());
    return righe.back();
}

std::vector<Cella>& Tabella::AggiungiRiga(const std::vector<std::string>& testi) {
    std::vector<Cella>& riga = AggiungiRiga();
    for (std::size_t c = 0; c < riga.size() && c < testi.size(); ++c) {
        riga[c].testo = testi[c];
    }
    return riga;
}

std::string Tabella::Tsv() const {
    return Testo(*this, '\t', PerTsv);
}

std::string Tabella::Csv() const {
    return Testo(*this, ',', PerCsv);
}

} // namespace strovel

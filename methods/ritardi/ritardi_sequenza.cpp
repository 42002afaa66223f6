#include "methods/ritardi/ritardi_sequenza.h"

#include "core/archivio.h"
#include "core/formato.h"

#include <algorithm>
#include <bit>
#include <string>

namespace strovel {

namespace {

constexpr int NumRuote = 11;
/// Numbers 1..90 as bits n - 1 of two words.
using Insieme90Bit = std::array<std::uint64_t, 2>;

/// The numbers draw i brought out on the selected wheels and positions.
Insieme90Bit Usciti(const Archivio& a, int i, const ParametriSequenza& p, bool tutteLePosizioni) {
    Insieme90Bit s{};
    for (int w = 0; w < NumRuote; ++w) {
        if (!p.ruote[static_cast<std::size_t>(w)]) {
            continue;
        }
        if (tutteLePosizioni) {
            const auto m = a.Maschera(i, w);
            s[0] |= m[0];
            s[1] |= m[1];
            continue;
        }
        for (int q = 1; q <= 5; ++q) {
            const int n = a.Estratti(i, w, q);
            if (p.posizioni[static_cast<std::size_t>(q - 1)] && n >= 1 && n <= 90) {
                s[static_cast<std::size_t>((n - 1) / 64)] |= std::uint64_t{1} << ((n - 1) % 64);
            }
        }
    }
    return s;
}

/// One walk back from E for all numbers at once: each number records the draws since its last
/// appearance, and stops once it has `k` appearances (0: never).
std::vector<SequenzaNumero> Cammina(const Archivio& a, const ParametriSequenza& p, int ultima,
                                    int k, const Progresso& progresso) {
    std::vector<SequenzaNumero> s(90);
    std::array<int, 90> ultimaUscita{};
    std::array<bool, 90> finito{};
    for (int n = 1; n <= 90; ++n) {
        s[static_cast<std::size_t>(n - 1)].numero = n;
        ultimaUscita[static_cast<std::size_t>(n - 1)] = p.fine + 1;
    }
    const bool tutte =
        std::all_of(p.posizioni.begin(), p.posizioni.end(), [](bool x) { return x; });
    int attivi = 90;
    progresso.Massimo(90);
    // The bar runs to 90 as the walk goes back; it is told only when its value changes.
    const int lunghezza = std::max(p.fine - ultima + 1, 1);
    int mostrato = 0;
    for (int i = p.fine; i >= ultima && attivi > 0; --i) {
        const int valore = (p.fine - i) * 90 / lunghezza;
        if (valore != mostrato) {
            mostrato = valore;
            progresso.Valore(valore);
        }
        const Insieme90Bit u = Usciti(a, i, p, tutte);
        for (std::size_t parola = 0; parola < 2; ++parola) {
            for (std::uint64_t bit = u[parola]; bit != 0; bit &= bit - 1) {
                const auto idx = static_cast<std::size_t>(std::countr_zero(bit)) + parola * 64;
                if (idx >= 90 || finito[idx]) {
                    continue;
                }
                SequenzaNumero& sn = s[idx];
                const int d = ultimaUscita[idx] - i - 1;
                sn.ritardi.push_back(d);
                sn.rmax = std::max(sn.rmax, d);
                ++sn.presenze;
                ultimaUscita[idx] = i;
                if (k > 0 && sn.presenze == k) {
                    finito[idx] = true;
                    sn.esaminate = p.fine - i + 1;
                    --attivi;
                }
            }
        }
    }
    for (std::size_t n = 0; n < 90; ++n) {
        if (!finito[n]) {
            s[n].esaminate = std::max(p.fine - ultima + 1, 0);
        }
    }
    progresso.Valore(90);
    progresso.Completa();
    return s;
}

} // namespace

std::vector<SequenzaNumero> SequenzaPresenze(const Archivio& a, const ParametriSequenza& p, int k,
                                             const Progresso& progresso) {
    return Cammina(a, p, 1, k, progresso);
}

std::vector<SequenzaNumero> SequenzaPeriodo(const Archivio& a, const ParametriSequenza& p,
                                            const Progresso& progresso) {
    std::vector<SequenzaNumero> s = Cammina(a, p, std::max(p.inizio, 1), 0, progresso);
    for (SequenzaNumero& sn : s) {
        sn.esaminate = p.fine - p.inizio + 1;
    }
    return s;
}

namespace {

constexpr Colore VerdePresenze{192, 255, 192};
constexpr Colore Giallo{255, 255, 0};
constexpr Colore SfondoIC{255, 224, 192};
constexpr Colore SfondoURIT{192, 255, 255};
constexpr Colore Blu{0, 0, 255};

int Valore(const Cella& c) {
    return c.testo.empty() ? 0 : std::stoi(c.testo);
}

} // namespace

Tabella TabellaSequenze(const std::vector<SequenzaNumero>& sequenze) {
    Tabella t(IntestazioneSequenze);
    std::size_t colonne = 8;
    for (const SequenzaNumero& s : sequenze) {
        colonne = std::max(colonne, s.ritardi.size() + 7);
    }
    t.intestazioni.resize(colonne);
    for (std::size_t c = 7; c < colonne; ++c) {
        t.intestazioni[c] = std::to_string(c - 6);
    }
    for (const SequenzaNumero& s : sequenze) {
        auto& riga = t.AggiungiRiga({std::to_string(s.numero), std::to_string(s.presenze),
                                     std::to_string(s.rmax), "", std::to_string(s.esaminate)});
        if (s.presenze > 0 && s.esaminate > 0) {
            riga[3].testo = Decimale(s.esaminate, s.presenze);
            // IC = current delay / (D / P), exact.
            riga[5].testo = Decimale(std::int64_t{s.ritardi.front()} * s.presenze, s.esaminate);
        }
        for (std::size_t j = 0; j < s.ritardi.size(); ++j) {
            riga[7 + j].testo = std::to_string(s.ritardi[j]);
        }
        for (Cella& c : riga) {
            c.stile.centrato = true;
        }
        riga[0].stile.grassetto = true;
        riga[1].stile.sfondo = VerdePresenze;
        riga[2].stile.sfondo = Giallo;
        riga[2].stile.grassetto = true;
        riga[3].stile.testo = Blu;
        riga[5].stile.sfondo = SfondoIC;
        riga[6].stile.sfondo = SfondoURIT;
        riga[7].stile.testo = ColoreRosso;
        riga[7].stile.grassetto = true;
        // The current delay reached the longest: the number in red, the longest on yellow.
        if (!riga[7].testo.empty() && s.ritardi.front() >= s.rmax) {
            riga[0].stile.testo = ColoreRosso;
        }
        for (std::size_t j = 0; j < s.ritardi.size(); ++j) {
            if (s.ritardi[j] == s.rmax) {
                riga[7 + j].stile.sfondo = Giallo;
            }
        }
    }
    // Delay columns narrow, the current one a little wider.
    t.larghezze.assign(colonne, 0);
    for (std::size_t c = 7; c < colonne; ++c) {
        t.larghezze[c] = c == 7 ? 4 : 3;
    }
    return t;
}

void EvidenziaAndamento(Tabella& t, Andamento andamento) {
    for (auto& riga : t.righe) {
        for (std::size_t c = 6; c < riga.size(); ++c) {
            riga[c].stile.sfondo = ColoreBianco;
        }
        for (std::size_t c = riga.size() - 1; c >= 8; --c) {
            if (riga[c].testo.empty()) {
                continue;
            }
            const int x = Valore(riga[c]);     // the older delay
            const int y = Valore(riga[c - 1]); // the newer one
            const bool segna = andamento == Andamento::Decrescenti ? x > y
                               : andamento == Andamento::Uguali    ? x == y
                                                                   : x < y;
            if (segna) {
                riga[c - 1].stile.sfondo = ColoreVerdeChiaro;
            }
        }
    }
}

bool SommaRitardi(Tabella& t, int colonna) {
    if (colonna < 7 || colonna >= t.Colonne()) {
        return false;
    }
    for (auto& riga : t.righe) {
        int somma = 0;
        for (int c = 7; c <= colonna; ++c) {
            somma += Valore(riga[static_cast<std::size_t>(c)]);
        }
        riga[6].testo = std::to_string(somma);
        riga[0].stile.sfondo = ColoreBottone;
    }
    t.sfondiIntestazioni.resize(static_cast<std::size_t>(t.Colonne()));
    t.sfondiIntestazioni[static_cast<std::size_t>(colonna)] = ColoreArancio;
    return true;
}

int InizioUltime(int fine, int n) {
    return n >= 1 && fine - n > 100 ? fine - n + 1 : 0;
}

int MassimoUltime(int fine) {
    return fine - 101;
}

} // namespace strovel

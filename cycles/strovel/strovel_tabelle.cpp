#include "cycles/strovel/strovel_tabelle.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "cycles/strovel/strovel_statistiche.h"

#include <algorithm>
#include <string>

namespace strovel {

namespace {

std::string Testo(const std::optional<int>& v) {
    return v ? std::to_string(*v) : std::string();
}

} // namespace

Tabella TabellaCicli(const Archivio& a, const std::vector<Ciclo>& cicli) {
    Tabella t(IntestazioneCicli);
    for (const Ciclo& c : cicli) {
        t.AggiungiRiga({std::to_string(c.numero), std::to_string(c.inizio), a.Data(c.inizio),
                        std::to_string(c.fine), a.Data(c.fine), std::to_string(c.considerata),
                        a.Data(c.considerata), std::to_string(c.inizioGioco)});
    }
    return t;
}

Tabella TabellaFormule(const std::vector<RigaFormula>& righe, int colonne) {
    Tabella t(IntestazioneFormule);
    if (colonne < t.Colonne()) {
        t.intestazioni.resize(static_cast<std::size_t>(std::max(colonne, 1)));
    }
    for (const RigaFormula& r : righe) {
        std::vector<std::string> testi(22);
        testi[0] = std::to_string(r.rango);
        if (r.formula) {
            const FormulaStrovel& f = *r.formula;
            testi[1] = Sigla(f.r1);
            testi[2] = std::to_string(f.r1);
            testi[3] = std::to_string(f.p);
            testi[4] = std::to_string(f.f);
            testi[5] = std::string(1, static_cast<char>(f.op));
            testi[6] = Sigla(f.r2);
            testi[7] = std::to_string(f.r2);
            testi[10] = std::to_string(r.p1);
            testi[11] = Testo(r.p2);
            for (std::size_t j = 0; j < 4; ++j) {
                testi[12 + j] = Testo(r.numeri[j]);
                testi[16 + j] = Testo(r.ritardi[j]);
            }
            testi[20] = Testo(r.sommaRitardi);
            testi[21] = Testo(r.presenze);
        }
        auto& riga = t.AggiungiRiga(testi);
        if (r.formula && FormulaSicura(*r.formula)) {
            for (std::size_t c = 1; c <= 7; ++c) {
                riga[c].stile.sfondo = ColoreArancioChiaro;
            }
        }
        if (r.negativaEvidenziata) {
            for (Cella& c : riga) {
                c.stile.sfondo = ColoreRosso;
            }
        }
        if (r.presenze && riga.size() > 21) {
            riga[21].stile.sfondo = ColorePresenze(*r.presenze);
        }
        for (std::size_t j = 0; j < 4 && r.formula; ++j) {
            if (r.uscitoDopo[j] && 12 + j < riga.size()) {
                riga[12 + j].stile.sfondo = ColoreVerdeChiaro;
                riga[12 + j].stile.grassetto = true;
            }
        }
    }
    return t;
}

Tabella TabellaPrevisioniStrovel(const std::vector<RigaPrevisione>& previsioni) {
    Tabella t(IntestazionePrevisioni);
    for (const RigaPrevisione& p : previsioni) {
        auto& riga = t.AggiungiRiga({"", Sigla(p.ruota), std::to_string(p.numero),
                                     std::to_string(p.formule), Testo(p.rit)});
        // An ambata given by more than one formula stands out.
        if (p.formule >= 2) {
            for (std::size_t c = 1; c < riga.size(); ++c) {
                riga[c].stile.sfondo = ColoreArancioChiaro;
            }
        }
    }
    return t;
}

Tabella TabellaEstrazione(const Archivio& a, int k) {
    Tabella t("Ruota|1|2|3|4|5");
    for (int w = 0; w < NumRuote; ++w) {
        std::vector<std::string> testi = {Sigla(w)};
        for (int q = 1; q <= 5; ++q) {
            testi.push_back(std::to_string(a.Estratti(k, w, q)));
        }
        t.AggiungiRiga(testi);
    }
    return t;
}

std::string DidascaliaEstrazione(const Archivio& a, int k) {
    const int i = std::clamp<int>(k, 0, a.TotEstrazioni);
    return std::to_string(k) + " del " + a.DateEstrazioni[static_cast<std::size_t>(i)];
}

} // namespace strovel

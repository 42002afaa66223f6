#include "core/progressiva.h"

#include "core/colori.h"
#include "core/esiti.h"
#include "core/formato.h"

namespace strovel {

namespace {

const char* NomeEsito(Classe c) {
    return c == Classe::Positivo ? "Positivo" : c == Classe::InGioco ? "In gioco" : "Negativo";
}

} // namespace

void Riassumi(EsitoProgressivo& p) {
    std::vector<Classe> classi;
    std::vector<double> probabilita;
    for (const PassoProgressivo& passo : p.passi) {
        classi.push_back(passo.esito);
        probabilita.push_back(passo.probabilita);
    }
    p.riepilogo = Riassumi(classi);
    p.confronto = ConfrontaConIlCaso(probabilita, p.riepilogo.positivi);
}

Tabella TabellaProgressiva(const EsitoProgressivo& p) {
    Tabella t(IntestazioneProgressiva);
    for (const PassoProgressivo& passo : p.passi) {
        auto& riga = t.AggiungiRiga({std::to_string(passo.riferimento), passo.scelta,
                                     NomeEsito(passo.esito), UnDecimale(passo.probabilita * 100)});
        if (passo.esito == Classe::Positivo) {
            riga[2].stile.sfondo = ColorePositivo;
        } else if (passo.esito == Classe::InGioco) {
            riga[2].stile.sfondo = ColoreArancio;
        }
    }
    return t;
}

Tabella RiepilogoProgressivo(const EsitoProgressivo& p) {
    Tabella t("||");
    const RiepilogoEsiti& r = p.riepilogo;
    if (r.casi == 0) {
        return t;
    }
    for (const auto& [titolo, quanti] :
         {std::pair{"Positivi", r.positivi}, std::pair{"Negativi", r.negativi},
          std::pair{"In gioco", r.inGioco}}) {
        t.AggiungiRiga(
            {titolo, std::to_string(quanti), Decimale(std::int64_t{quanti} * 100, r.casi)});
    }
    for (const auto& riga : RigheAtteso(p.confronto)) {
        t.AggiungiRiga(riga);
    }
    return t;
}

std::string TestoProgressiva(const EsitoProgressivo& p) {
    const RiepilogoEsiti& r = p.riepilogo;
    std::string testo = "Dall'estrazione " + std::to_string(p.da) + ", una scelta ogni " +
                        std::to_string(p.passo) +
                        (p.passo == 1 ? " estrazione: " : " estrazioni: ");
    if (r.casi == 0) {
        return testo + "nessuna scelta da verificare.";
    }
    testo += std::to_string(r.casi) + (r.casi == 1 ? " scelta, " : " scelte, ") +
             std::to_string(r.positivi) + (r.positivi == 1 ? " positiva" : " positive") + " (" +
             Decimale(std::int64_t{r.positivi} * 100, r.casi) + "%), " +
             std::to_string(r.negativi) + (r.negativi == 1 ? " negativa, " : " negative, ") +
             std::to_string(r.inGioco) + " in gioco.\n" + TestoConfronto(p.confronto);
    return testo;
}

} // namespace strovel

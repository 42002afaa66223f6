#include "app/funzioni.h"

#include "archive/archivio_finestra.h"
#include "archive/minielenco_finestra.h"
#include "cycles/ambi/ambi_cicli_finestra.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/strovel/strovel_finestra.h"
#include "methods/ambata/ambata_finestra.h"
#include "methods/ambo_somme/ambo_somme_finestra.h"
#include "methods/maltese/maltese_finestra.h"
#include "methods/ritardi/ritardi_finestra.h"
#include "methods/spia/cinquina_spiona_finestra.h"
#include "ui/nomi_accessibili.h"

namespace strovel {

namespace {

template <class Finestra> QWidget* Crea(const ServiziFinestra& s) {
    auto* finestra = new Finestra(s);
    DaiNomiAccessibili(finestra);
    return finestra;
}

} // namespace

const std::vector<Funzione>& Funzioni() {
    // The two cycle modules share their tooltip; the captions tell them apart.
    static const std::vector<Funzione> funzioni = {
        {"Command1", "Gestione archivio", "Gestione archivio", "archivio", 320, false, nullptr,
         &Crea<FinestraArchivio>},
        {"Command2", "Mini elenco estrazioni", "Mini elenco estrazioni", "Estrazioni_minielenco", 0,
         false, nullptr, &Crea<FinestraMiniElenco>},
        {"Command10", "Strovel: Modulo cicli", "Modulo cicli", "Strovel", 250, true, "cicli",
         &Crea<FinestraStrovel>},
        {"Command3", "Strovel: Modulo 2", "Modulo cicli", "Ciclo2", 270, true, "cicli2",
         &Crea<FinestraCiclo2>},
        {"Command4", "Sequenza dei ritardi", "Sequenza dei ritardi", "RitardiSequenza", 360, true,
         "ritardi", &Crea<FinestraRitardiSequenza>},
        {"Command5", "Metodo Ambata dinamica", "Metodo Ambata dinamica", "MetodoAmbata", 370, true,
         "ambata-dinamica", &Crea<FinestraAmbataDinamica>},
        {"Command6", "La cinquina spiona", "La cinquina spiona", "TerzineSpione", 410, true,
         "cinquina-spiona", &Crea<FinestraCinquinaSpiona>},
        {"Command7", "Gli ambi nei cicli", "Gli ambi nei cicli", "CicliAMbi", 420, true,
         "cicli-ambi", &Crea<FinestraAmbiCicli>},
        {"Command8", "Il metodo di Valdimo", "Il metodo di Valdimo", "AmboOltreFrm", 470, true,
         "ambo-somme", &Crea<FinestraAmboSomme>},
        {"Command9", "Il Quadrato Maltese", "Il Quadrato Maltese", "Metodi_QuadratoMaltese", 480,
         true, "maltese", &Crea<FinestraQuadratoMaltese>},
    };
    return funzioni;
}

const Funzione* FunzioneDelTipo(std::string_view tipo) {
    for (const Funzione& f : Funzioni()) {
        if (tipo == f.tipo) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace strovel

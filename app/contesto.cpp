#include "app/contesto.h"

namespace strovel {

QString Contesto::TitoloAvvio() {
    return QStringLiteral("Strovel 2026: Versione ") + QStringLiteral(STROVEL_VERSIONE);
}

void Contesto::ChiudiTutto() {
    archivioDb.Chiudi();
    impostazioni.Chiudi();
}

} // namespace strovel

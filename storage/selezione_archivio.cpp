#include "storage/selezione_archivio.h"

#include "storage/cartella_programma.h"
#include "storage/impostazioni.h"

namespace strovel {

bool ApplicaSceltaArchivio(DatabaseImpostazioni& impostazioni, const QString& cartellaProgramma,
                           const QString& scelto, QString& percorsoCorrente, QString& etichetta) {
    if (!ScriviPercorsoDatabase(cartellaProgramma, scelto)) {
        return false;
    }
    percorsoCorrente = scelto;
    impostazioni.ScriviParametro(QStringLiteral("percorsoarchivio"), scelto);
    etichetta = QStringLiteral("Database: ") + scelto;
    return true;
}

} // namespace strovel

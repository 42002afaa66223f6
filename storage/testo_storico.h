#pragma once
// The tab-separated historical archive: one line per draw and wheel,
// "yyyy/mm/dd<TAB>WHEEL<TAB>n1<TAB>n2<TAB>n3<TAB>n4<TAB>n5", wheel codes BA CA FI GE MI NA PA
// RM TO VE RN.

#include "core/riga_estrazione.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace strovel {

struct ErroreTesto {
    int riga = 0;
    QString motivo;
};

/// The draws of a historical archive, in date order; a wheel not drawn on a date holds
/// "00-00-00-00-00". On a malformed line returns false with the line and the reason.
bool LeggiStorico(const QByteArray& contenuto, std::vector<RigaEstrazione>& righe,
                  ErroreTesto* errore);

} // namespace strovel

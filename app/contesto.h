#pragma once
// What the windows share for the whole run: the archive in memory, the two databases, the
// program folder, the parameters read at start-up, the dialogs and the clock.

#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/impostazioni.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

namespace strovel {

class Dialoghi;

struct Contesto {
    explicit Contesto(Dialoghi& d) : dialoghi(d) {}

    Dialoghi& dialoghi;
    QString cartellaProgramma;
    /// Archive used when none is configured (the start command's demo archive); may be empty.
    QString archivioDemo;
    std::function<QDateTime()> adesso = [] { return QDateTime::currentDateTime(); };
    /// Opens a web address in the desktop's browser.
    std::function<void(const QString&)> apriIndirizzo;

    // Heap-held: the Archivio alone is about 3 MB.
    std::unique_ptr<Archivio> archivio = std::make_unique<Archivio>();
    DatabaseImpostazioni impostazioni;
    DatabaseArchivio archivioDb;

    /// Current archive path ("PercorsoArchivio", or the one just chosen).
    QString percorsoArchivio;
    /// Address of the web text archive ("IndirizzoInternet").
    QString indirizzoInternet;
    /// First draw of the model list ("EstrazioneIniziale"); 0 when missing.
    int estrazioneIniziale = 0;

    /// "Strovel 2026: Versione " and the program's version.
    static QString TitoloAvvio();
    /// Closes every open file of the program (both databases).
    void ChiudiTutto();
};

} // namespace strovel

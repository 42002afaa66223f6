#pragma once
// What every window receives from the program: one struct, the same for all, so that a new
// window has the constructor of every other one.

#include "storage/caricamento.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

namespace strovel {

class Archivio;
class DatabaseArchivio;
class DatabaseImpostazioni;
class Dialoghi;

struct ServiziFinestra {
    /// The archive in memory: read by every window, reloaded by the archive window.
    Archivio* archivio = nullptr;
    /// The whole archive when `archivio` holds only the draws "Giorni e mesi" keeps; null when
    /// the window reads the whole archive itself. What a window stores to name a draw is its
    /// index here, so that it means the same draw with or without the filter.
    const Archivio* archivioCompleto = nullptr;
    /// The archive database (the archive window writes through it).
    DatabaseArchivio* db = nullptr;
    /// The settings database.
    DatabaseImpostazioni* impostazioni = nullptr;
    Dialoghi* dialoghi = nullptr;
    /// Where the settings, the presets and Estr_Agg.txt live.
    QString cartellaProgramma;
    /// The main window's progress bar pb1.
    Progresso pb1;
    /// "Today" and "now" (tests fix them).
    std::function<QDateTime()> adesso = [] { return QDateTime::currentDateTime(); };
    /// The "IndirizzoInternet" parameter read at start-up; the archive window keeps it current.
    QString* indirizzoInternet = nullptr;
    /// Opens a web address in the desktop's browser (tests record it instead).
    std::function<void(const QString&)> apriIndirizzo;
    /// After every full reload: the main window's range labels and draw grid.
    std::function<void()> dopoRicarica;
    /// Where the weekday calendar's year list ends.
    int annoCorrente = QDate::currentDate().year();
};

} // namespace strovel

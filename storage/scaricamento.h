#pragma once
// The web text archive of draws: its address and a blocking download.

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace strovel {

/// The fixed path of the web text archive on its site.
inline constexpr const char* PercorsoArchivioWeb = "/archivioPelvano/archivioPelvano2023.txt";

/// The download address: scheme, host and port of the configured address, and the fixed path.
/// An address without a scheme is taken as http. Invalid when there is no host.
QUrl IndirizzoDownload(const QString& indirizzoInternet);

struct LimitiDownload {
    int attesaMassimaMs = 30000;           ///< no answer within this time: failure
    qint64 dimensioneMassima = 64LL << 20; ///< larger bodies are refused
};

/// One GET of `url`, waiting for the whole body. User input is held back while waiting, as
/// the window does not respond until the download ends. False, with the reason in Italian,
/// on a connection failure, an HTTP error status, a timeout or an oversized body.
bool Scarica(const QUrl& url, QByteArray& corpo, QString* errore,
             const LimitiDownload& limiti = {});

} // namespace strovel

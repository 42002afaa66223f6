#include "storage/scaricamento.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace strovel {

QUrl IndirizzoDownload(const QString& indirizzoInternet) {
    QString testo = indirizzoInternet.trimmed();
    if (!testo.contains(QStringLiteral("://"))) {
        testo = QStringLiteral("http://") + testo;
    }
    const QUrl base(testo, QUrl::TolerantMode);
    if (!base.isValid() || base.host().isEmpty()) {
        return {};
    }
    QUrl url;
    url.setScheme(base.scheme());
    url.setHost(base.host());
    url.setPort(base.port());
    url.setPath(QString::fromLatin1(PercorsoArchivioWeb));
    return url;
}

namespace {

/// Qt's network failures told in Italian, with what the user can do.
QString MessaggioRete(QNetworkReply::NetworkError errore, const QUrl& url) {
    const QString sito = url.host();
    switch (errore) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("il sito %1 non è raggiungibile (connessione rifiutata): "
                              "controllare l'indirizzo o riprovare più tardi")
            .arg(sito);
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("il sito %1 non è stato trovato: controllare l'indirizzo e la "
                              "connessione a internet")
            .arg(sito);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("il sito %1 ha chiuso la connessione prima della fine: riprovare "
                              "più tardi")
            .arg(sito);
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return QStringLiteral("la connessione a internet non è disponibile: controllare la rete "
                              "e riprovare");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("la connessione sicura con il sito %1 non è riuscita: controllare "
                              "l'indirizzo")
            .arg(sito);
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        return QStringLiteral("il proxy della rete non risponde: controllare le impostazioni di "
                              "rete");
    case QNetworkReply::ProtocolUnknownError:
        return QStringLiteral("l'indirizzo %1 non è un indirizzo web (http o https)")
            .arg(url.toDisplayString());
    default:
        return QStringLiteral("collegamento al sito %1 non riuscito (errore di rete %2): "
                              "riprovare più tardi")
            .arg(sito)
            .arg(static_cast<int>(errore));
    }
}

} // namespace

bool Scarica(const QUrl& url, QByteArray& corpo, QString* errore, const LimitiDownload& limiti) {
    auto fallisci = [errore](const QString& motivo) {
        if (errore) {
            *errore = motivo;
        }
        return false;
    };
    if (!url.isValid() || url.host().isEmpty()) {
        return fallisci(QStringLiteral("indirizzo internet non valido"));
    }
    QNetworkAccessManager rete;
    QNetworkRequest richiesta(url);
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                           QNetworkRequest::NoLessSafeRedirectPolicy);
    richiesta.setTransferTimeout(limiti.attesaMassimaMs);
    QNetworkReply* risposta = rete.get(richiesta);
    QEventLoop attesa;
    bool troppoGrande = false;
    QObject::connect(risposta, &QNetworkReply::finished, &attesa, &QEventLoop::quit);
    QObject::connect(
        risposta, &QNetworkReply::downloadProgress, &attesa, [&](qint64 ricevuti, qint64 totale) {
            if (ricevuti > limiti.dimensioneMassima || totale > limiti.dimensioneMassima) {
                troppoGrande = true;
                risposta->abort();
            }
        });
    // A hard stop as well, for a server that trickles bytes forever.
    QTimer scadenza;
    scadenza.setSingleShot(true);
    bool scaduto = false;
    QObject::connect(&scadenza, &QTimer::timeout, &attesa, [&] {
        scaduto = true;
        risposta->abort();
    });
    scadenza.start(limiti.attesaMassimaMs * 2);
    if (!risposta->isFinished()) {
        attesa.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const int stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const auto errReti = risposta->error();
    corpo = troppoGrande || scaduto ? QByteArray() : risposta->readAll();
    risposta->deleteLater();
    if (troppoGrande) {
        return fallisci(QStringLiteral("il file scaricato supera la dimensione massima"));
    }
    if (scaduto || errReti == QNetworkReply::OperationCanceledError ||
        errReti == QNetworkReply::TimeoutError) {
        return fallisci(QStringLiteral("il sito non ha risposto in tempo"));
    }
    if (stato >= 400) {
        return fallisci(QStringLiteral("il sito ha risposto con l'errore HTTP %1").arg(stato));
    }
    if (errReti != QNetworkReply::NoError) {
        return fallisci(MessaggioRete(errReti, url));
    }
    return true;
}

} // namespace strovel

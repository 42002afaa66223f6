#include "storage/scaricamento.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace strovel {
namespace {

/// A tiny HTTP server on 127.0.0.1 that answers every request the same way.
class Server {
public:
    enum class Modo { Ok, Errore404, Silenzio, Vuoto };
    explicit Server(Modo modo, QByteArray corpo = {}) : modo_(modo), corpo_(std::move(corpo)) {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                richieste_ += s->readAll();
                if (!richieste_.contains("\r\n\r\n") || modo_ == Modo::Silenzio) {
                    return;
                }
                QByteArray risposta;
                if (modo_ == Modo::Errore404) {
                    risposta = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
                } else {
                    const QByteArray testo = modo_ == Modo::Vuoto ? QByteArray() : corpo_;
                    risposta = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                               QByteArray::number(testo.size()) + "\r\n\r\n" + testo;
                }
                s->write(risposta);
                s->disconnectFromHost();
            });
        });
    }
    QUrl Url() const {
        return IndirizzoDownload(
            QStringLiteral("http://127.0.0.1:%1/pagina").arg(server_.serverPort()));
    }
    const QByteArray& Richieste() const { return richieste_; }

private:
    QTcpServer server_;
    Modo modo_;
    QByteArray corpo_;
    QByteArray richieste_;
};

TEST(IndirizzoDownload, SchemaHostEPercorsoFisso) {
    EXPECT_EQ(IndirizzoDownload(QStringLiteral("https://www.esempio.it/qualcosa?x=1")).toString(),
              QStringLiteral("https://www.esempio.it/archivioPelvano/archivioPelvano2023.txt"));
    EXPECT_EQ(IndirizzoDownload(QStringLiteral("www.esempio.it")).toString(),
              QStringLiteral("http://www.esempio.it/archivioPelvano/archivioPelvano2023.txt"));
    EXPECT_EQ(IndirizzoDownload(QStringLiteral("http://127.0.0.1:8080")).port(), 8080);
    EXPECT_FALSE(IndirizzoDownload(QString()).isValid());
}

TEST(Scarica, RispostaCompleta) {
    Server s(Server::Modo::Ok, "riga uno\r\nriga due\r\n");
    QByteArray corpo;
    QString errore;
    ASSERT_TRUE(Scarica(s.Url(), corpo, &errore)) << errore.toStdString();
    EXPECT_EQ(corpo, QByteArray("riga uno\r\nriga due\r\n"));
    EXPECT_TRUE(s.Richieste().startsWith("GET /archivioPelvano/archivioPelvano2023.txt "));
}

TEST(Scarica, ErroreHttpSilenzioECorpoVuoto) {
    QByteArray corpo;
    QString errore;
    {
        Server s(Server::Modo::Errore404);
        EXPECT_FALSE(Scarica(s.Url(), corpo, &errore));
        EXPECT_TRUE(errore.contains(QStringLiteral("404")));
    }
    {
        Server s(Server::Modo::Silenzio);
        LimitiDownload limiti;
        limiti.attesaMassimaMs = 300;
        EXPECT_FALSE(Scarica(s.Url(), corpo, &errore, limiti));
        EXPECT_TRUE(errore.contains(QStringLiteral("tempo"))) << errore.toStdString();
    }
    {
        Server s(Server::Modo::Vuoto);
        ASSERT_TRUE(Scarica(s.Url(), corpo, &errore));
        EXPECT_TRUE(corpo.isEmpty());
    }
    {
        Server s(Server::Modo::Ok, QByteArray(5000, 'x'));
        LimitiDownload limiti;
        limiti.dimensioneMassima = 1000;
        EXPECT_FALSE(Scarica(s.Url(), corpo, &errore, limiti));
    }
    // Nobody listening.
    QTcpServer chiuso;
    chiuso.listen(QHostAddress::LocalHost);
    const quint16 porta = chiuso.serverPort();
    chiuso.close();
    EXPECT_FALSE(Scarica(IndirizzoDownload(QStringLiteral("http://127.0.0.1:%1").arg(porta)), corpo,
                         &errore));
    // In Italian, saying what happened and what to do; never Qt's English text.
    EXPECT_EQ(errore, QStringLiteral("il sito 127.0.0.1 non è raggiungibile (connessione "
                                     "rifiutata): controllare l'indirizzo o riprovare più tardi"));
}

} // namespace
} // namespace strovel

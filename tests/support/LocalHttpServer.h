#pragma once

// A tiny HTTP server on 127.0.0.1 for the tests and benchmarks: it answers every request
// with one canned answer, or never answers at all.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

class LocalHttpServer {
public:
    LocalHttpServer() { server_.listen(QHostAddress::LocalHost, 0); }

    bool IsListening() const { return server_.isListening(); }

    QUrl Url(const QString& path = QStringLiteral("/software/wyc/info.txt")) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }

    // Every request gets this answer, after delayMs.
    void Answer(int status, const QByteArray& contentType, const QByteArray& body,
                int delayMs = 0) {
        QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + " Canned\r\n";
        if (!contentType.isEmpty())
            answer += "Content-Type: " + contentType + "\r\n";
        answer += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        answer += "Connection: close\r\n\r\n";
        answer += body;
        Listen([this, answer, delayMs](QTcpSocket* socket) {
            QTimer::singleShot(delayMs, socket, [socket, answer] {
                socket->write(answer);
                socket->disconnectFromHost();
            });
        });
    }

    // Requests are read and never answered.
    void NeverAnswer() {
        Listen([](QTcpSocket*) {});
    }

    int Requests() const { return requests_; }
    const QByteArray& LastRequest() const { return lastRequest_; }
    // How many clients have hung up on the server.
    int Hangups() const { return hangups_; }

private:
    template <typename OnRequest> void Listen(OnRequest onRequest) {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, onRequest] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                auto* head = new QByteArray;
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket, head, onRequest] {
                                     const bool complete = head->contains("\r\n\r\n");
                                     head->append(socket->readAll());
                                     if (complete || !head->contains("\r\n\r\n"))
                                         return;
                                     ++requests_;
                                     lastRequest_ = *head;
                                     onRequest(socket);
                                 });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket, head] {
                    ++hangups_;
                    delete head;
                    socket->deleteLater();
                });
            }
        });
    }

    QTcpServer server_;
    int requests_ = 0;
    int hangups_ = 0;
    QByteArray lastRequest_;
};

// A port on 127.0.0.1 on which nothing listens.
inline quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// An address on such a port.
inline QUrl ClosedAddress(const QString& path) {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(ClosedPort()).arg(path));
}

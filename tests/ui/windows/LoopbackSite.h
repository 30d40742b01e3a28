#pragma once

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// The maker's site on loopback: the banner page it serves is whatever the test says.
class LoopbackSite {
public:
    LoopbackSite() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->readAll();
                Requests << request.left(request.indexOf("\r\n"));
                const QByteArray body = Page.toUtf8();
                socket->write(
                    "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                    QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    QString Address() const { return QString("http://127.0.0.1:%1/").arg(server_.serverPort()); }

    QString Page;
    QList<QByteArray> Requests;

private:
    QTcpServer server_;
};

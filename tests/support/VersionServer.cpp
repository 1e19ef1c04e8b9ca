#include "tests/support/VersionServer.h"

#include <QHostAddress>

VersionServer::VersionServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* connection = server_.nextPendingConnection()) {
            QObject::connect(connection, &QTcpSocket::disconnected, &server_,
                             [this] { ++hangUps_; });
            QObject::connect(connection, &QTcpSocket::readyRead, &server_,
                             [this, connection] { serve(connection); });
        }
    });
    Answer("");
}

void VersionServer::Answer(std::string body, int status, std::string contentType) {
    AnswerRaw("HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Not Found") +
              "\r\nContent-Type: " + contentType + "\r\nContent-Length: " +
              std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
}

void VersionServer::AnswerRaw(std::string response) {
    behaviour_ = Behaviour::Answer;
    response_ = QByteArray::fromStdString(response);
}

std::string VersionServer::url() const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/VersionInfo/Rollkeep.txt";
}

void VersionServer::serve(QTcpSocket* connection) {
    // The request head may come in pieces; it is answered once it is whole.
    QByteArray head = connection->property("head").toByteArray() + connection->readAll();
    connection->setProperty("head", head);
    if (connection->property("answered").toBool() || !head.contains("\r\n\r\n"))
        return;
    connection->setProperty("answered", true);
    requests_.append(head.left(head.indexOf("\r\n\r\n")));
    if (behaviour_ == Behaviour::Answer) {
        connection->write(response_);
        connection->disconnectFromHost();
    } else if (behaviour_ == Behaviour::Endless) {
        connection->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n");
        QObject::connect(connection, &QTcpSocket::bytesWritten, &server_,
                         [this, connection] { sendMore(connection); });
        sendMore(connection);
    }
}

void VersionServer::sendMore(QTcpSocket* connection) {
    // A little at a time, so the test sees when the other side stops taking it.
    if (connection->state() != QAbstractSocket::ConnectedState || connection->bytesToWrite() > 0)
        return;
    static const QByteArray lines = QByteArray("Rollkeep\n9.9.9\n") + QByteArray(64 * 1024, 'x');
    connection->write(lines);
    bytesSent_ += lines.size();
}

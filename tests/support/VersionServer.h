#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <string>

// A web server on loopback for the update check's tests: it answers every
// request the one way it was told, and records what it was asked.
class VersionServer {
public:
    enum class Behaviour {
        Answer,   // the status and body given, then the connection closes
        Hang,     // takes the connection and never answers
        Endless,  // a body that never ends
    };

    VersionServer();
    ~VersionServer();

    void Answer(std::string body, int status = 200, std::string contentType = "text/plain");
    void Hang() { behaviour_ = Behaviour::Hang; }
    void SendEndlessly() { behaviour_ = Behaviour::Endless; }

    // The address of the version text on this server.
    std::string url() const;

    // The request heads received (request line and header lines).
    const QList<QByteArray>& requests() const { return requests_; }
    // Body bytes sent so far over all connections.
    qint64 bytesSent() const { return bytesSent_; }
    // Connections the other side has closed.
    int hangUps() const { return hangUps_; }

private:
    void serve(QTcpSocket* connection);
    void sendMore(QTcpSocket* connection);

    QTcpServer server_;
    Behaviour behaviour_ = Behaviour::Answer;
    QByteArray response_;
    QList<QByteArray> requests_;
    QList<QPointer<QTcpSocket>> connections_;
    qint64 bytesSent_ = 0;
    int hangUps_ = 0;
};

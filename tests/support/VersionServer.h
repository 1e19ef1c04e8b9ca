#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <string>

// A web server on loopback for the update check's tests: it answers every
// request the one way it was told, and records what it was asked.
class VersionServer {
public:
    VersionServer();

    // The status and body given, then the connection closes.
    void Answer(std::string body, int status = 200, std::string contentType = "text/plain");
    // The bytes given as the whole response, head and body, then the
    // connection closes: for answers no well-behaved server gives.
    void AnswerRaw(std::string response);
    // Takes the connection and never answers.
    void Hang() { behaviour_ = Behaviour::Hang; }
    // A body that never ends.
    void SendEndlessly() { behaviour_ = Behaviour::Endless; }

    // The address of the version text on this server.
    std::string url() const;
    // The request heads received (request line and header lines).
    const QList<QByteArray>& requests() const { return requests_; }
    // Body bytes sent so far, and connections the other side has closed.
    qint64 bytesSent() const { return bytesSent_; }
    int hangUps() const { return hangUps_; }

private:
    enum class Behaviour { Answer, Hang, Endless };
    void serve(QTcpSocket* connection);
    void sendMore(QTcpSocket* connection);

    QTcpServer server_;
    Behaviour behaviour_ = Behaviour::Answer;
    QByteArray response_;
    QList<QByteArray> requests_;
    qint64 bytesSent_ = 0;
    int hangUps_ = 0;
};

#include "platform/HTTPSocket.h"

#include "platform/QtText.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>
#include <cerrno>

void InternetHeaders::AppendHeader(std::string name, std::string value) {
    lines_.emplace_back(std::move(name), std::move(value));
}

std::string InternetHeaders::Value(std::string_view name) const {
    for (const auto& [key, value] : lines_) {
        if (SameText(key, name))
            return value;
    }
    return {};
}

struct HTTPSocket::Network {
    QNetworkAccessManager manager;
};

struct HTTPSocket::Transfer {
    std::string url;
    FolderItem file;
    QFile body;
    std::int64_t received = 0;
    QPointer<QNetworkReply> reply;
    // Receiver of the reply's signals: gone with the transfer, so nothing
    // reaches a transfer that was dropped.
    QObject context;
};

namespace {

// How much of the body waits in memory before it is written to the file.
constexpr qint64 kReadChunk = 64 * 1024;

constexpr int kFirstRedirectStatus = 300;
constexpr int kFirstErrorStatus = 400;

// Makes the file for this user alone. Whatever stands at the name goes first,
// so an older download (or a link someone planted there) is never written
// through; the exclusive create then fails rather than follow a link that
// appears in between.
int createPrivateFile(const FolderItem& file) {
    const char* path = file.Path().c_str();
    if (::unlink(path) != 0 && errno != ENOENT)
        return -1;
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// Whether the reply holds the whole answer of the address asked for. No
// status means no response came at all. Qt reports a body cut short of the
// length the server announced, a redirect loop or one leading nowhere as a
// network error. An error status it reports as a content, protocol or server
// error, which its list puts after the network's and the proxy's: the answer
// is then whole all the same. A redirect left at the end was not followed,
// so its body is not the address's.
bool isWholeAnswer(const QNetworkReply& reply, const QVariant& status) {
    if (!status.isValid())
        return false;
    const int code = status.toInt();
    const QNetworkReply::NetworkError error = reply.error();
    if (code >= kFirstErrorStatus)
        return error == QNetworkReply::NoError || error >= QNetworkReply::ContentAccessDenied;
    return error == QNetworkReply::NoError && code < kFirstRedirectStatus;
}

}  // namespace

HTTPSocket::HTTPSocket(std::string name) : name_(std::move(name)) {}

HTTPSocket::~HTTPSocket() {
    drop();
}

void HTTPSocket::Get(std::string_view url, const FolderItem& file) {
    drop();
    if (!file.IsValid())
        return;
    const int descriptor = createPrivateFile(file);
    if (descriptor < 0)
        return;
    auto transfer = std::make_unique<Transfer>();
    transfer->url.assign(url);
    transfer->file = file;
    if (!transfer->body.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        file.Delete();
        return;
    }

    if (!network_)
        network_ = std::make_unique<Network>();
    QNetworkRequest request(QUrl(toQString(url)));
    request.setRawHeader("Accept", "*/*");
    request.setRawHeader("Accept-Language", "en");
    QNetworkReply* reply = network_->manager.get(request);
    // Bytes wait in the reply only until they are written to the file; a
    // server that sends faster than the file takes them is slowed down.
    reply->setReadBufferSize(kReadChunk);
    transfer->reply = reply;
    QObject::connect(reply, &QNetworkReply::readyRead, &transfer->context, [this] { receive(); });
    QObject::connect(reply, &QNetworkReply::finished, &transfer->context, [this] { finish(); });
    transfer_ = std::move(transfer);
}

void HTTPSocket::receive() {
    QNetworkReply* reply = transfer_->reply;
    while (reply->bytesAvailable() > 0) {
        const QByteArray bytes = reply->read(kReadChunk);
        transfer_->received += bytes.size();
        if ((maximumBodySize_ > 0 && transfer_->received > maximumBodySize_) ||
            transfer_->body.write(bytes) != bytes.size()) {
            drop();
            return;
        }
    }
}

void HTTPSocket::finish() {
    receive();
    if (!transfer_)
        return;
    QNetworkReply* reply = transfer_->reply;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!isWholeAnswer(*reply, status) || !transfer_->body.flush()) {
        drop();
        return;
    }
    InternetHeaders headers;
    for (const auto& [name, value] : reply->rawHeaderPairs())
        headers.AppendHeader(name.toStdString(), value.toStdString());
    const std::string url = transfer_->url;
    const FolderItem file = transfer_->file;
    transfer_->body.close();
    reply->deleteLater();
    transfer_.reset();

    // Raised from the event loop itself rather than from inside the network
    // code's own signal, as the handler may wait in a modal window. A socket
    // that goes before then takes the event with it.
    QMetaObject::invokeMethod(
        &network_->manager,
        [this, url, httpStatus = status.toInt(), headers, file] {
            // The owner may let go of the socket while the handler waits; it
            // must still be here when the handler goes on.
            const std::shared_ptr<HTTPSocket> keepAlive = weak_from_this().lock();
            Event_DownloadComplete(url, httpStatus, headers, file);
        },
        Qt::QueuedConnection);
}

void HTTPSocket::drop() {
    if (!transfer_)
        return;
    std::unique_ptr<Transfer> transfer = std::move(transfer_);
    // Disconnected before the abort, which reports "finished" at once.
    if (QNetworkReply* reply = transfer->reply) {
        QObject::disconnect(reply, nullptr, &transfer->context, nullptr);
        reply->abort();
        reply->deleteLater();
    }
    transfer->body.close();
    transfer->file.Delete();
}

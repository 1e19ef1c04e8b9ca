#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// A holder locks before it listens, and a copy that is ending stops listening
// before its lock goes; a later start waits this long for either to pass.
constexpr auto kHandOverWait = std::chrono::seconds(3);
constexpr auto kRetryPause = std::chrono::milliseconds(50);
constexpr int kConnectMilliseconds = 500;
constexpr int kWriteMilliseconds = 1000;

bool privateTo(const struct stat& info, uid_t user) {
    return S_ISDIR(info.st_mode) && info.st_uid == user && (info.st_mode & 0777) == 0700;
}

// XDG_RUNTIME_DIR when it is ours alone; otherwise a folder of our own in the
// temporary folder, made private. Nothing when neither can be had (someone
// else owns the folder of that name): then later starts can't reach us, but
// the lock still keeps the roll to one writer.
std::filesystem::path runtimeFolder(std::string& problem) {
    const uid_t user = ::geteuid();
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat info = {};
    if (!runtime.isEmpty() && ::stat(runtime.constData(), &info) == 0 && privateTo(info, user))
        return runtime.toStdString();

    const QByteArray own =
        QFile::encodeName(QDir::tempPath() + QStringLiteral("/rollkeep-%1").arg(user));
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST) {
        problem = own.toStdString() + ": " + SystemErrorText(errno);
        return {};
    }
    // Not followed: a link there could lead anywhere.
    if (::lstat(own.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user) {
        problem = own.toStdString() + " is not a folder of this user";
        return {};
    }
    if ((info.st_mode & 0777) != 0700 && ::chmod(own.constData(), 0700) != 0) {
        problem = own.toStdString() + ": " + SystemErrorText(errno);
        return {};
    }
    return own.toStdString();
}

// The same folder reached by another path (a link, "..") gives the same name.
std::string socketName(const FolderItem& dataFolder) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(dataFolder.Path(), error);
    if (error)
        folder = std::filesystem::absolute(dataFolder.Path(), error);
    const QByteArray hash = QCryptographicHash::hash(
        QFile::encodeName(QString::fromStdString(folder.string())), QCryptographicHash::Sha256);
    return "rollkeep-" + hash.toHex().left(16).toStdString();
}

std::filesystem::path socketPath(const FolderItem& dataFolder, std::string& problem) {
    const std::filesystem::path folder = runtimeFolder(problem);
    if (folder.empty())
        return {};
    return folder / socketName(dataFolder);
}

// Opened for writing, so the holder can note its process; a lock file that
// can only be read still locks.
int openLockFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd >= 0 || (errno != EACCES && errno != EROFS))
        return fd;
    return ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
}

}  // namespace

struct SingleInstance::Private {
    FolderItem dataFolder;
    std::filesystem::path socket;
    int lockFile = -1;
    std::unique_ptr<QLocalServer> server;
    std::string problem;

    void recordHolder();
    void serve(SingleInstance& instance);
    bool handOver();
};

void SingleInstance::Private::recordHolder() {
    const std::string holder =
        std::to_string(::getpid()) + "\n" + QSysInfo::machineHostName().toStdString() + "\n";
    // Only a note for a later start's message; the lock itself is what counts.
    if (::ftruncate(lockFile, 0) == 0) {
        [[maybe_unused]] const ssize_t written =
            ::pwrite(lockFile, holder.data(), holder.size(), 0);
    }
}

void SingleInstance::Private::serve(SingleInstance& instance) {
    if (socket.empty()) {
        problem = "later starts can't reach this copy: " + problem;
        return;
    }
    const QString name = QFile::decodeName(socket.c_str());
    // We hold the lock, so whatever is at our socket's place was left by a
    // copy that ended without cleaning up.
    QLocalServer::removeServer(name);
    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        problem = "later starts can't reach this copy: " + server->errorString().toStdString();
        server.reset();
        return;
    }
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this, &instance] {
        while (QLocalSocket* caller = server->nextPendingConnection()) {
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            QObject::connect(caller, &QLocalSocket::readyRead, caller, [caller, &instance] {
                while (caller->canReadLine())
                    if (caller->readLine().trimmed() == "activate" && instance.Activated)
                        instance.Activated();
            });
        }
    });
}

bool SingleInstance::Private::handOver() {
    if (socket.empty())
        return false;
    QLocalSocket holder;
    holder.connectToServer(QFile::decodeName(socket.c_str()));
    if (!holder.waitForConnected(kConnectMilliseconds))
        return false;
    holder.write("activate\n");
    const bool sent = holder.waitForBytesWritten(kWriteMilliseconds) || holder.bytesToWrite() == 0;
    holder.disconnectFromServer();
    return sent;
}

SingleInstance::SingleInstance(FolderItem dataFolder) : d(std::make_unique<Private>()) {
    d->dataFolder = std::move(dataFolder);
}

SingleInstance::~SingleInstance() {
    d->server.reset();
    if (d->lockFile >= 0)
        ::close(d->lockFile);
}

SingleInstance::State SingleInstance::Start() {
    d->dataFolder.CreateAsFolder();
    d->socket = socketPath(d->dataFolder, d->problem);
    const std::filesystem::path lockPath = d->dataFolder.Child(kLockFileName).Path();
    const auto lockFailure = [&lockPath] {
        const int error = errno;
        return "can't lock \"" + lockPath.string() + "\" (" + SystemErrorText(error) + ")";
    };
    d->lockFile = openLockFile(lockPath);
    if (d->lockFile < 0) {
        const std::string reason = lockFailure();
        // Where nothing can be written, running without the lock can't make
        // a second writer; anywhere else it could.
        if (::access(d->dataFolder.Path().c_str(), W_OK) != 0) {
            d->problem = reason + "; nothing can be saved there";
            return State::Holder;
        }
        d->problem = reason;
        return State::Failed;
    }

    const auto deadline = std::chrono::steady_clock::now() + kHandOverWait;
    for (;;) {
        if (::flock(d->lockFile, LOCK_EX | LOCK_NB) == 0) {
            d->recordHolder();
            d->serve(*this);
            return State::Holder;
        }
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            d->problem = lockFailure();
            return State::Failed;
        }
        if (d->handOver())
            return State::HandedOver;
        if (std::chrono::steady_clock::now() >= deadline)
            return State::Unreachable;
        std::this_thread::sleep_for(kRetryPause);
    }
}

const std::string& SingleInstance::Problem() const {
    return d->problem;
}

std::string SingleInstance::Holder() const {
    QFile lock(QFile::decodeName(d->dataFolder.Child(kLockFileName).Path().c_str()));
    if (!lock.open(QIODevice::ReadOnly))
        return "another process";
    const QList<QByteArray> lines = lock.readAll().split('\n');
    const QByteArray pid = lines.value(0).trimmed();
    const QByteArray host = lines.value(1).trimmed();
    if (pid.isEmpty())
        return "another process";
    std::string holder = "process " + pid.toStdString();
    if (!host.isEmpty() && host != QSysInfo::machineHostName().toUtf8())
        holder += " on host " + host.toStdString();
    return holder;
}

std::filesystem::path SingleInstance::SocketPath(const FolderItem& dataFolder) {
    std::string problem;
    return socketPath(dataFolder, problem);
}

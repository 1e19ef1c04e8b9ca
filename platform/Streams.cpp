#include "platform/Streams.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// Why the last create on this thread failed; the output stream sets it,
// FolderItem hands it out.
thread_local std::string lastWriteError;

QString qtPath(const FolderItem& file) {
    return QFileInfo(file.Path()).filePath();
}

// The system's own words when it said why, which Qt's text doesn't always
// carry ("Unknown error" for a full disk); Qt's text otherwise.
std::string reasonFor(const QFileDevice& file, int savedErrno) {
    if (savedErrno != 0)
        return std::strerror(savedErrno);
    const std::string text = file.errorString().toStdString();
    return text.empty() ? "unknown error" : text;
}

// Why the item can't be a text file at all; empty when it may be one. A
// folder gets the system's words, where Qt has its own.
std::string whyNoFileCanBe(const FolderItem& file) {
    if (!file.IsValid())
        return "no file";
    if (file.IsFolder())
        return std::strerror(EISDIR);
    return {};
}

// After a rename the new name lives in the folder, which must reach the disk too.
void syncFolder(const FolderItem& file) {
    const int folder =
        ::open(file.Path().parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

}  // namespace

std::string FolderItem::LastWriteError() {
    return lastWriteError;
}

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& file) {
    // The system opens a folder for reading without complaint; Qt 6 happens
    // to refuse it, but the rule is ours to keep.
    if (!whyNoFileCanBe(file).empty())
        return nullptr;
    QFile in(qtPath(file));
    if (!in.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return nullptr;
    return std::unique_ptr<TextInputStream>(
        new TextInputStream(std::string(bytes.constData(), static_cast<size_t>(bytes.size()))));
}

TextInputStream::TextInputStream(std::string bytes) : bytes_(std::move(bytes)) {}

std::string TextInputStream::ReadAll() {
    return std::exchange(bytes_, {});
}

void TextInputStream::Close() {
    bytes_ = {};
}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    lastWriteError = whyNoFileCanBe(file);
    if (!lastWriteError.empty())
        return nullptr;
    auto out = std::make_unique<QSaveFile>(qtPath(file));
    errno = 0;
    if (!out->open(QIODevice::WriteOnly)) {
        lastWriteError = reasonFor(*out, errno);
        return nullptr;
    }
    return std::unique_ptr<TextOutputStream>(new TextOutputStream(std::move(out)));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

// An uncommitted QSaveFile removes its new file and leaves the old one alone.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::Write(std::string_view text) {
    if (!file_ || text.empty() || !error_.empty())
        return;
    const auto size = static_cast<qint64>(text.size());
    errno = 0;
    // After a short write the file can never be whole, so it must not be committed.
    if (file_->write(text.data(), size) != size)
        fail(errno);
}

void TextOutputStream::fail(int savedErrno) {
    error_ = reasonFor(*file_, savedErrno);
    file_->cancelWriting();
}

void TextOutputStream::WriteLine(std::string_view text) {
    Write(text);
    Write(EndOfLine);
}

bool TextOutputStream::Close() {
    if (!file_)
        return false;
    if (!error_.empty()) {
        file_.reset();
        return false;
    }
    errno = 0;
    const bool committed = file_->commit();
    if (committed)
        syncFolder(FolderItem(file_->fileName().toStdString()));
    else
        error_ = reasonFor(*file_, errno);
    file_.reset();
    return committed;
}

std::optional<std::string> WriteTextFile(const FolderItem& file, std::string_view text) {
    auto out = TextOutputStream::Create(file);
    if (!out)
        return FolderItem::LastWriteError();
    out->Write(text);
    if (!out->Close())
        return out->ErrorText();
    return std::nullopt;
}

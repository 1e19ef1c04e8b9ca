#include "platform/Streams.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <new>
#include <utility>

namespace {

// Why the last create or open on this thread failed; the streams set them,
// FolderItem hands them out.
thread_local std::string lastWriteError;
thread_local std::string lastReadError;

QString qtPath(const FolderItem& file) {
    return QFileInfo(file.Path()).filePath();
}

// The system's own words when it said why, which Qt's text doesn't always
// carry ("Unknown error" for a full disk); Qt's text otherwise.
std::string reasonFor(const QFileDevice& file, int savedErrno) {
    if (savedErrno != 0)
        return SystemErrorText(savedErrno);
    const std::string text = file.errorString().toStdString();
    return text.empty() ? "unknown error" : text;
}

// Why the item can't be a text file at all; empty when it may be one. A
// folder gets the system's words, where Qt has its own.
std::string whyNoFileCanBe(const FolderItem& file) {
    if (!file.IsValid())
        return "no file";
    if (file.IsFolder())
        return SystemErrorText(EISDIR);
    return {};
}

// Why an open file is no text file to read; empty for a regular file. Reading
// anything else could wait for ever (a pipe nobody writes to) or never end
// (a device).
std::string whyNotRegular(const struct stat& status) {
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return SystemErrorText(EISDIR);
    if (S_ISFIFO(status.st_mode))
        return "Is a named pipe, not a file";
    if (S_ISSOCK(status.st_mode))
        return "Is a socket, not a file";
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return "Is a device, not a file";
    return "Is not a regular file";
}

std::string tooLarge(uint64_t size, uint64_t largest) {
    constexpr int kMegabyte = 20;
    std::string bound = std::to_string(largest) + " bytes";
    if (largest >> kMegabyte)
        bound += " (" + std::to_string(largest >> kMegabyte) + " MB)";
    return "it is " + std::to_string(size) + " bytes, more than the " + bound +
           " that can safely be read";
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

std::string FolderItem::LastReadError() {
    return lastReadError;
}

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& file, uint64_t largest) {
    if (!file.IsValid()) {
        lastReadError = "no file";
        return nullptr;
    }
    // Without O_NONBLOCK opening a named pipe waits for a writer. The checks
    // are made on the descriptor opened, so nothing can swap the file between
    // them and the read.
    const int descriptor =
        ::open(file.Path().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        lastReadError = SystemErrorText(errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        lastReadError = SystemErrorText(errno);
    else if (lastReadError = whyNotRegular(status);
             lastReadError.empty() && static_cast<uint64_t>(status.st_size) > largest)
        lastReadError = tooLarge(static_cast<uint64_t>(status.st_size), largest);
    if (!lastReadError.empty()) {
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<TextInputStream>(
        new TextInputStream(descriptor, static_cast<uint64_t>(status.st_size), largest));
}

TextInputStream::TextInputStream(int descriptor, uint64_t size, uint64_t largest)
    : descriptor_(descriptor), size_(size), largest_(largest) {}

TextInputStream::~TextInputStream() {
    Close();
}

size_t TextInputStream::Read(char* buffer, size_t size) {
    if (descriptor_ < 0 || !error_.empty())
        return 0;
    // A file that grows while it is read is held to the same bound.
    if (size > largest_ - read_ && largest_ != kAnySize)
        size = static_cast<size_t>(largest_ - read_) + 1;
    ssize_t got;
    do
        got = ::read(descriptor_, buffer, size);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        error_ = SystemErrorText(errno);
        return 0;
    }
    read_ += static_cast<uint64_t>(got);
    if (read_ > largest_) {
        error_ = tooLarge(read_, largest_);
        return 0;
    }
    return static_cast<size_t>(got);
}

std::string TextInputStream::ReadAll() {
    constexpr size_t kLeastRoom = 64 * 1024;
    std::string text;
    try {
        // The size when opened is only a hint: the file may have changed since.
        text.resize(static_cast<size_t>(size_ - std::min(read_, size_)) + kLeastRoom);
        size_t held = 0;
        for (;;) {
            if (text.size() - held < kLeastRoom)
                text.resize(text.size() * 2);
            const size_t got = Read(text.data() + held, text.size() - held);
            if (got == 0)
                break;
            held += got;
        }
        text.resize(held);
    } catch (const std::bad_alloc&) {
        error_ = SystemErrorText(ENOMEM);
    }
    if (!error_.empty())
        return {};
    return text;
}

void TextInputStream::Close() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
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

FileText ReadWholeFile(const FolderItem& file, uint64_t largest) {
    auto in = TextInputStream::Open(file, largest);
    if (!in)
        return {{}, FolderItem::LastReadError()};
    std::string text = in->ReadAll();
    return {std::move(text), in->ErrorText()};
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

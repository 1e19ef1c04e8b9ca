#include "platform/Streams.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString qtPath(const FolderItem& file) {
    return QFileInfo(file.Path()).filePath();
}

}  // namespace

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& file) {
    // The system opens a folder for reading without complaint; Qt 6 happens
    // to refuse it, but the rule is ours to keep.
    if (!file.IsValid() || file.IsFolder())
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

std::string TextInputStream::ReadLine() {
    const std::string_view rest = std::string_view(bytes_).substr(position_);
    const size_t end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        position_ = bytes_.size();
        return std::string(rest);
    }
    const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    position_ += end + (crlf ? 2 : 1);
    return std::string(rest.substr(0, end));
}

std::string TextInputStream::ReadAll() {
    std::string rest = bytes_.substr(position_);
    position_ = bytes_.size();
    return rest;
}

bool TextInputStream::EndOfFile() const {
    return position_ >= bytes_.size();
}

void TextInputStream::Close() {
    bytes_.clear();
    bytes_.shrink_to_fit();
    position_ = 0;
}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    if (!file.IsValid())
        return nullptr;
    auto out = std::make_unique<QSaveFile>(qtPath(file));
    if (!out->open(QIODevice::WriteOnly))
        return nullptr;
    return std::unique_ptr<TextOutputStream>(new TextOutputStream(std::move(out)));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

// An uncommitted QSaveFile removes its new file and leaves the old one alone.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::Write(std::string_view text) {
    if (!file_ || text.empty())
        return;
    const auto size = static_cast<qint64>(text.size());
    // After a short write the file can never be whole, so it must not be committed.
    if (file_->write(text.data(), size) != size)
        file_->cancelWriting();
}

void TextOutputStream::WriteLine(std::string_view text) {
    Write(text);
    Write(EndOfLine);
}

bool TextOutputStream::Close() {
    if (!file_)
        return false;
    const bool committed = file_->commit();
    file_.reset();
    return committed;
}

#include "platform/Files.h"

#include "platform/Streams.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

FolderItem fromQtPath(const QString& path) {
    if (path.isEmpty())
        return {};
    return FolderItem(QFileInfo(path).filesystemFilePath());
}

}  // namespace

FolderItem::FolderItem(fs::path path) : path_(std::move(path)) {
    // "/a/b/" names the same folder as "/a/b"; without the trailing separator
    // Name() and Parent() see the folder itself instead of an empty last part.
    while (!path_.has_filename() && path_.has_relative_path())
        path_ = path_.parent_path();
}

FolderItem FolderItem::Child(std::string_view name) const {
    if (!IsValid())
        return {};
    return FolderItem(path_ / fs::path(name));
}

FolderItem FolderItem::Parent() const {
    const fs::path parent = path_.parent_path();
    if (parent.empty() || parent == path_)
        return {};
    return FolderItem(parent);
}

bool FolderItem::Exists() const {
    std::error_code error;
    return IsValid() && fs::exists(path_, error);
}

bool FolderItem::IsFolder() const {
    std::error_code error;
    return IsValid() && fs::is_directory(path_, error);
}

bool FolderItem::CreateAsFolder() const {
    if (!IsValid())
        return false;
    std::error_code error;
    fs::create_directories(path_, error);
    return fs::is_directory(path_, error);
}

bool FolderItem::Delete() const {
    std::error_code error;
    return IsValid() && fs::remove(path_, error);
}

std::string FolderItem::Name() const {
    return path_.filename().string();
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
    return TextInputStream::Open(*this);
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
    return TextOutputStream::Create(*this);
}

std::string SystemErrorText(int error) {
    return std::strerror(error);
}

namespace SpecialFolder {

FolderItem ApplicationData() {
    return fromQtPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

FolderItem Temporary() {
    return fromQtPath(QDir::tempPath());
}

}  // namespace SpecialFolder

#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class TextInputStream;
class TextOutputStream;

// A file or folder, named by its path; the item need not exist.
class FolderItem {
public:
    FolderItem() = default;
    explicit FolderItem(std::filesystem::path path);

    // False for the empty item ("no item").
    bool IsValid() const { return !path_.empty(); }

    FolderItem Child(std::string_view name) const;
    FolderItem Parent() const;

    bool Exists() const;
    bool IsFolder() const;
    // Creates the folder (and missing parents); true when it exists afterwards.
    bool CreateAsFolder() const;
    // Deletes a file or an empty folder; true on success.
    bool Delete() const;

    std::string Name() const;

    const std::filesystem::path& Path() const { return path_; }

    // Nothing when the item is missing, no regular file, or can't be read
    // (see TextInputStream).
    std::unique_ptr<TextInputStream> OpenAsTextFile() const;
    // Nothing when the file can't be created. What is written replaces the
    // file only when the stream is closed (see TextOutputStream).
    std::unique_ptr<TextOutputStream> CreateTextFile() const;

    // The system's reason why the last text file this thread tried to
    // create could not be ("Permission denied", "Is a directory"); empty
    // when that one succeeded.
    static std::string LastWriteError();
    // The same for the last text file this thread tried to open for reading.
    static std::string LastReadError();

    friend bool operator==(const FolderItem&, const FolderItem&) = default;

private:
    std::filesystem::path path_;
};

// The system's words for an error number ("No such file or directory").
std::string SystemErrorText(int error);

namespace SpecialFolder {
// The user's application-data folder: the XDG data home (~/.local/share).
FolderItem ApplicationData();
FolderItem Temporary();
}  // namespace SpecialFolder

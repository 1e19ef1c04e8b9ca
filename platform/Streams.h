#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class FolderItem;
class QSaveFile;

// Reads a text file. The text is taken as bytes, unchanged.
class TextInputStream {
public:
    // Nothing when the item is missing, a folder, or can't be read.
    static std::unique_ptr<TextInputStream> Open(const FolderItem& file);

    // Everything not yet read.
    std::string ReadAll();
    void Close();

private:
    explicit TextInputStream(std::string bytes);
    std::string bytes_;
};

// Writes a text file safely: the text goes to a new file beside the old one,
// which is renamed over the old file only when Close() succeeds, and the
// folder is synced so the new name survives a power loss. A failed write, a
// crash or a stream destroyed without Close() leaves the old file whole.
class TextOutputStream {
public:
    // Nothing when the file can't be created; then FolderItem::LastWriteError()
    // says why.
    static std::unique_ptr<TextOutputStream> Create(const FolderItem& file);
    ~TextOutputStream();

    void Write(std::string_view text);
    // The text followed by EndOfLine.
    void WriteLine(std::string_view text);
    // Commits the file; false (and the old file kept) when anything failed.
    bool Close();
    // The system's reason why a write or the commit failed ("No space left on
    // device", "Read-only file system"); empty while nothing has failed.
    std::string ErrorText() const { return error_; }

private:
    explicit TextOutputStream(std::unique_ptr<QSaveFile> file);
    void fail(int savedErrno);

    std::unique_ptr<QSaveFile> file_;
    std::string error_;
};

// Writes the text as the whole file, through a TextOutputStream: the file is
// replaced whole or not at all. The system's reason when it was not.
std::optional<std::string> WriteTextFile(const FolderItem& file, std::string_view text);

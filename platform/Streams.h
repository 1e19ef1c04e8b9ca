#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class FolderItem;
class QSaveFile;

// Reads a text file. The text is taken as bytes, unchanged. Only a regular
// file is read: a folder, a named pipe, a device or a socket, or a link to
// one, is refused as unreadable, and opening never waits for a writer.
class TextInputStream {
public:
    static constexpr uint64_t kAnySize = std::numeric_limits<uint64_t>::max();

    // Nothing when the file is missing, is no regular file, can't be read or
    // holds more than the largest size given; then FolderItem::LastReadError()
    // says why.
    static std::unique_ptr<TextInputStream> Open(const FolderItem& file,
                                                 uint64_t largest = kAnySize);
    ~TextInputStream();

    // The file's size when it was opened.
    uint64_t Size() const { return size_; }
    // Up to size bytes; 0 at the end of the file, and when the read failed or
    // the file grew past the largest size, which ErrorText() then tells.
    size_t Read(char* buffer, size_t size);
    // Everything not yet read; empty, with ErrorText() set, when it could not
    // be read or held.
    std::string ReadAll();
    // The reason the last read failed; empty while nothing has.
    std::string ErrorText() const { return error_; }
    void Close();

private:
    TextInputStream(int descriptor, uint64_t size, uint64_t largest);
    int descriptor_;
    uint64_t size_;
    uint64_t largest_;
    uint64_t read_ = 0;
    std::string error_;
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

// A whole text file as read by a TextInputStream: its bytes, or why they
// could not be read.
struct FileText {
    // Empty when the file could not be read.
    std::string text;
    // The system's reason (or the size bound's) when the file is missing, is
    // no regular file, can't be read or is too large; empty when it was read.
    std::string failure;
};

// Reads the whole file, refused when it holds more than the largest size.
FileText ReadWholeFile(const FolderItem& file, uint64_t largest = TextInputStream::kAnySize);

// Writes the text as the whole file, through a TextOutputStream: the file is
// replaced whole or not at all. The system's reason when it was not.
std::optional<std::string> WriteTextFile(const FolderItem& file, std::string_view text);

#include "core/MemberFile.h"

#include "core/RowTable.h"
#include "platform/EventLoop.h"
#include "platform/Text.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

using MemberFile::kSeparator;

// Enough to keep the system's write calls few without holding a second copy
// of a big roll.
constexpr size_t kWriteChunk = 1 << 20;

enum class ReadState {
    Reading,
    Read,
    Unreadable,
};

// What the last load of each file found; a file not named here was never read.
std::map<std::filesystem::path, ReadState>& reads() {
    static std::map<std::filesystem::path, ReadState> states;
    return states;
}

QString qtPath(const FolderItem& file) {
    return QString::fromStdString(file.Path().string());
}

// The whole file, read in one go into a buffer of its size.
struct WholeFile {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
    std::string_view text() const { return {bytes.get(), size}; }
};

bool readWhole(const FolderItem& file, WholeFile& whole, std::string& reason) {
    if (file.IsFolder()) {
        reason = std::strerror(EISDIR);
        return false;
    }
    QFile in(qtPath(file));
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        reason = in.errorString().toStdString();
        return false;
    }
    // One byte more than the file's size, so a file that grew (or one whose
    // size the system does not tell) shows itself without a second pass.
    size_t capacity = static_cast<size_t>(std::max<qint64>(in.size(), 0)) + 1;
    whole.bytes = std::make_unique_for_overwrite<char[]>(capacity);
    for (;;) {
        const qint64 got =
            in.read(whole.bytes.get() + whole.size, static_cast<qint64>(capacity - whole.size));
        if (got < 0) {
            reason = in.errorString().toStdString();
            return false;
        }
        if (got == 0)
            return true;
        whole.size += static_cast<size_t>(got);
        if (whole.size == capacity) {
            capacity *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(larger.get(), whole.bytes.get(), whole.size);
            whole.bytes = std::move(larger);
        }
    }
}

FolderItem storedRoll(const FolderItem& folder, std::string_view fileName) {
    const FolderItem current = folder.Child(fileName);
    if (current.Exists() || fileName.size() <= 2)
        return current;
    const FolderItem legacy = folder.Child(fileName.substr(2));
    return legacy.Exists() ? legacy : current;
}

// The cell as it can be stored; see AppendLine.
void appendStorable(std::string& line, std::string_view cell) {
    const bool plain = cell.find_first_of("\r\n") == std::string_view::npos &&
                       cell.find(kSeparator) == std::string_view::npos &&
                       (cell.empty() || cell.back() != '@');
    if (plain) {
        line += cell;
        return;
    }
    std::string text = ReplaceAll(cell, "\r\n", "###");
    text = ReplaceAll(text, "\r", "###");
    text = ReplaceAll(text, "\n", "###");
    while (text.find(kSeparator) != std::string::npos)
        text = ReplaceAll(text, kSeparator, "@@ @");
    if (!text.empty() && text.back() == '@')
        text += ' ';
    line += text;
}

}  // namespace

namespace MemberFile {

void ParseRows(RowTable& rows, std::string_view text) {
    const int columns = rows.ColumnCount();
    std::vector<std::string_view> cells(static_cast<size_t>(columns));
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end) {
        // The line runs to the first "\n" or "\r"; "\r\n" ends it as one.
        const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)));
        if (!lineEnd)
            lineEnd = end;
        const char* next = lineEnd == end ? end : lineEnd + 1;
        if (const auto* cr =
                static_cast<const char*>(std::memchr(at, '\r', size_t(lineEnd - at)))) {
            next = cr + 1 == lineEnd ? lineEnd + 1 : cr + 1;
            lineEnd = cr;
        }
        const std::string_view line(at, size_t(lineEnd - at));
        at = next;
        if (line.empty())
            continue;

        size_t start = 0;
        for (std::string_view& cell : cells) {
            if (start > line.size()) {
                cell = {};
            } else {
                size_t cellEnd = line.find(kSeparator, start);
                if (cellEnd == std::string_view::npos)
                    cellEnd = line.size();
                cell = line.substr(start, cellEnd - start);
                start = cellEnd + kSeparator.size();
            }
            EventLoop::Turn();
        }
        rows.AddRow(cells);
        EventLoop::Turn();
    }
}

void AppendLine(std::string& out, const RowTable& rows, int row) {
    for (int column = 0; column < rows.ColumnCount(); ++column) {
        appendStorable(out, rows.Cell(row, column));
        out += kSeparator;
        EventLoop::Turn();
    }
}

LoadResult Load(RowTable& rows, const FolderItem& folder, std::string_view fileName) {
    rows.Clear();
    LoadResult result;
    if (!folder.IsValid())
        return result;
    const std::filesystem::path target = folder.Child(fileName).Path();
    result.file = storedRoll(folder, fileName);
    if (!result.file.Exists()) {
        // Nothing stored yet: the empty list is the whole roll.
        reads()[target] = ReadState::Read;
        return result;
    }
    // Until the whole file is in the rows, a save would store only part of it.
    reads()[target] = ReadState::Reading;
    WholeFile whole;
    if (!readWhole(result.file, whole, result.reason)) {
        reads()[target] = ReadState::Unreadable;
        result.outcome = LoadResult::Outcome::Unreadable;
        return result;
    }
    ParseRows(rows, whole.text());
    reads()[target] = ReadState::Read;
    result.outcome = LoadResult::Outcome::Read;
    return result;
}

SaveResult Save(const RowTable& rows, const FolderItem& folder, std::string_view fileName) {
    SaveResult result;
    result.file = folder.Child(fileName);
    if (!folder.IsValid()) {
        result.outcome = SaveResult::Outcome::Failed;
        result.reason = "There is no data folder.";
        return result;
    }
    if (!SafeToReplace(folder, fileName)) {
        result.outcome = SaveResult::Outcome::Refused;
        result.reason = "The stored roll could not be read, so it is not written over.";
        return result;
    }
    // A new file beside the old one, renamed over it once it is whole.
    QSaveFile out(qtPath(result.file));
    bool ok = out.open(QIODevice::WriteOnly);
    std::string chunk;
    chunk.reserve(kWriteChunk + 4096);
    auto flush = [&] {
        if (ok && !chunk.empty())
            ok = out.write(chunk.data(), static_cast<qint64>(chunk.size())) ==
                 static_cast<qint64>(chunk.size());
        chunk.clear();
    };
    for (int row = 0; ok && row < rows.RowCount(); ++row) {
        AppendLine(chunk, rows, row);
        chunk += EndOfLine;
        if (chunk.size() >= kWriteChunk)
            flush();
        EventLoop::Turn();
    }
    flush();
    if (!ok || !out.commit()) {
        result.outcome = SaveResult::Outcome::Failed;
        result.reason = out.errorString().toStdString();
        out.cancelWriting();
    }
    return result;
}

bool SafeToReplace(const FolderItem& folder, std::string_view fileName) {
    const auto found = reads().find(folder.Child(fileName).Path());
    return found != reads().end() && found->second == ReadState::Read;
}

void ForgetReads() {
    reads().clear();
}

}  // namespace MemberFile

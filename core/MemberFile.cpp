#include "core/MemberFile.h"

#include "core/Product.h"
#include "platform/EventLoop.h"
#include "platform/RowTable.h"
#include "platform/Streams.h"
#include "platform/Text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <vector>

namespace {

using MemberFile::kSeparator;

// Enough to keep the system's write calls few without holding a second copy
// of a big roll.
constexpr size_t kWriteChunk = 1 << 20;

// What this session knows of each stored roll, by the path it is saved to.
// Only a roll read whole (or found missing) may be replaced: not while a load
// fills the rows, which hold only part of it then, and never again in a
// session in which it could not be read, so an unreadable file never turns
// into an empty roll.
enum class ReadState {
    Reading,
    Whole,
    Unreadable,
};

struct KnownRoll {
    ReadState state = ReadState::Reading;
    MemberFile::ReadFailure failure;
};

std::map<std::filesystem::path, KnownRoll>& knownRolls() {
    static std::map<std::filesystem::path, KnownRoll> rolls;
    return rolls;
}

// Big enough that the system's read calls are few, small enough to stay in
// the processor's cache while its lines become rows.
constexpr size_t kReadChunk = 256 * 1024;

// Calls mark(at, lineEnd) for every line end ("\n" or "\r") and every
// place where "@@@" starts, in order; overlapping "@@@"s are all marked. The
// text is looked at 64 bytes at a time, a bit per byte.
template <class Mark>
void ForEachMark(std::string_view text, const Mark& mark) {
    constexpr size_t kBlock = 64;
    struct Masks {
        uint64_t at = 0;
        uint64_t lineEnd = 0;
    };
    auto masksAt = [&text](size_t offset) {
        const char* bytes = text.data() + offset;
        char padded[kBlock];
        if (text.size() - offset < kBlock) {
            std::memset(padded, 0, kBlock);
            std::memcpy(padded, bytes, text.size() - offset);
            bytes = padded;
        }
        Masks masks;
#if defined(__SSE2__)
        for (size_t part = 0; part < kBlock; part += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + part));
            const auto bits = [&chunk](char c) {
                return static_cast<uint64_t>(static_cast<uint32_t>(
                    _mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(c)))));
            };
            masks.at |= bits('@') << part;
            masks.lineEnd |= (bits('\n') | bits('\r')) << part;
        }
#else
        for (size_t i = 0; i < kBlock; ++i) {
            masks.at |= static_cast<uint64_t>(bytes[i] == '@') << i;
            masks.lineEnd |= static_cast<uint64_t>(bytes[i] == '\n' || bytes[i] == '\r') << i;
        }
#endif
        return masks;
    };

    if (text.empty())
        return;
    Masks current = masksAt(0);
    for (size_t offset = 0; offset < text.size(); offset += kBlock) {
        const Masks next = offset + kBlock < text.size() ? masksAt(offset + kBlock) : Masks{};
        // A "@@@" may run on into the next block.
        const uint64_t separators =
            current.at & (current.at >> 1 | next.at << 63) & (current.at >> 2 | next.at << 62);
        uint64_t marks = separators | current.lineEnd;
        while (marks) {
            const int bit = std::countr_zero(marks);
            marks &= marks - 1;
            mark(offset + static_cast<size_t>(bit), (current.lineEnd >> bit) & 1);
        }
        current = next;
    }
}

FolderItem storedRoll(const FolderItem& folder, std::string_view fileName) {
    const FolderItem current = folder.Child(fileName);
    if (current.Exists() || fileName.size() <= 2)
        return current;
    const FolderItem legacy = folder.Child(fileName.substr(2));
    return legacy.Exists() ? legacy : current;
}

// The bytes for which a cell may have to change to be stored.
constexpr std::array<bool, 256> kMayChangeCell = [] {
    std::array<bool, 256> bytes{};
    bytes['\r'] = bytes['\n'] = bytes['@'] = true;
    return bytes;
}();

// The cell as it can be stored; see AppendLine.
void appendStorable(std::string& line, std::string_view cell) {
    // One table look-up a byte: most cells hold no "@" and no line end at
    // all, and those go as they are.
    bool mayChange = false;
    for (const char c : cell)
        mayChange |= kMayChangeCell[static_cast<unsigned char>(c)];
    const bool plain =
        !mayChange || (cell.find_first_of("\r\n") == std::string_view::npos &&
                       cell.find(kSeparator) == std::string_view::npos && cell.back() != '@');
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

namespace {

// Reads the file a chunk at a time, each chunk's whole lines straight into
// rows; a line cut by the chunk's end waits for the rest in the next one.
// The file is never held whole besides its rows.
bool readRows(RowTable& rows, const FolderItem& file, std::string& reason) {
    auto in = TextInputStream::Open(file, kLargestFile);
    if (!in) {
        reason = FolderItem::LastReadError();
        return false;
    }
    try {
        size_t capacity = kReadChunk;
        auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
        size_t held = 0;
        // Parses whole lines; false once the rows are more than may be held.
        const auto parse = [&](size_t bytes) {
            ParseRows(rows, {buffer.get(), bytes});
            if (rows.RowCount() <= kMostRows)
                return true;
            reason = TooManyRows(in->Size());
            return false;
        };
        for (;;) {
            const size_t got = in->Read(buffer.get() + held, capacity - held);
            if (got == 0) {
                reason = in->ErrorText();
                return reason.empty() && parse(held);
            }
            const size_t fresh = held;
            held += got;
            size_t whole = held;
            while (whole > fresh && buffer[whole - 1] != '\n' && buffer[whole - 1] != '\r')
                --whole;
            if (whole == fresh) {
                // No line ends in what came: a line longer than the buffer,
                // which grows at once to hold the whole file, so a roll of
                // one long line is copied once, not once per doubling.
                if (held == capacity) {
                    capacity = std::max<size_t>(capacity * 2, in->Size() + 1);
                    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
                    std::memcpy(larger.get(), buffer.get(), held);
                    buffer = std::move(larger);
                }
                continue;
            }
            if (!parse(whole))
                return false;
            std::memmove(buffer.get(), buffer.get() + whole, held - whole);
            held -= whole;
        }
    } catch (const std::bad_alloc&) {
        reason = SystemErrorText(ENOMEM);
        return false;
    }
}

}  // namespace

std::string TooManyRows(uint64_t fileSize) {
    return "it is " + std::to_string(fileSize) + " bytes in more than " +
           std::to_string(kMostRows) + " lines, more than can safely be held";
}

void ParseRows(RowTable& rows, std::string_view text) {
    const size_t columns = static_cast<size_t>(rows.ColumnCount());
    std::vector<std::string_view> cells(columns);
    size_t lineStart = 0;
    size_t cellStart = 0;
    size_t cell = 0;
    // A separator found ends the search: the next one starts after it, so
    // "@@@@" holds one separator and an "@".
    size_t nextSeparator = 0;

    // Every line ends at "\n" or "\r"; "\r\n" leaves an empty line between
    // them, and empty lines are skipped.
    auto endLine = [&](size_t at) {
        if (at > lineStart) {
            if (cell < columns)
                cells[cell++] = text.substr(cellStart, at - cellStart);
            for (; cell < columns; ++cell)
                cells[cell] = {};
            // A turn for each cell and one for the row, as filling the row
            // cell by cell would give; each is cheap unless a slice is up.
            for (size_t turns = 0; turns < columns; ++turns)
                EventLoop::Turn();
            rows.AddRow(cells);
            EventLoop::Turn();
        }
        lineStart = cellStart = nextSeparator = at + 1;
        cell = 0;
    };

    ForEachMark(text, [&](size_t at, bool lineEnd) {
        if (lineEnd) {
            endLine(at);
        } else if (at >= nextSeparator) {
            // Fields past the last column are ignored.
            if (cell < columns)
                cells[cell++] = text.substr(cellStart, at - cellStart);
            cellStart = nextSeparator = at + kSeparator.size();
        }
    });
    endLine(text.size());
}

void AppendLine(std::string& out, const RowTable& rows, int row) {
    for (int column = 0; column < rows.ColumnCount(); ++column) {
        appendStorable(out, rows.Cell(row, column));
        out += kSeparator;
        EventLoop::Turn();
    }
}

LoadResult Load(RowTable& rows, const FolderItem& folder, std::string_view fileName) {
    LoadResult result;
    if (!folder.IsValid()) {
        rows.Clear();
        return result;
    }
    KnownRoll& known = knownRolls()[folder.Child(fileName).Path()];
    if (known.state != ReadState::Unreadable)
        known.state = ReadState::Reading;
    rows.Clear();
    result.file = storedRoll(folder, fileName);
    if (result.file.Exists()) {
        if (!readRows(rows, result.file, result.reason)) {
            rows.Clear();
            known = {ReadState::Unreadable, {result.file, result.reason}};
            result.outcome = LoadResult::Outcome::Unreadable;
            return result;
        }
        result.outcome = LoadResult::Outcome::Read;
    }
    // A missing file is read whole too: the empty list is the whole roll.
    if (known.state == ReadState::Reading)
        known.state = ReadState::Whole;
    return result;
}

SaveResult Save(const RowTable& rows, const FolderItem& folder, std::string_view fileName) {
    SaveResult result;
    result.file = folder.Child(fileName);
    if (auto refusal = WhyRefused(folder, fileName)) {
        result.outcome = SaveResult::Outcome::Refused;
        result.reason = std::move(*refusal);
        return result;
    }
    auto out = result.file.CreateTextFile();
    if (!out) {
        result.outcome = SaveResult::Outcome::Failed;
        result.reason = FolderItem::LastWriteError();
        return result;
    }
    std::string chunk;
    chunk.reserve(kWriteChunk + 4096);
    // A failed write ends the save: nothing after it could make the file whole.
    for (int row = 0; row < rows.RowCount() && out->ErrorText().empty(); ++row) {
        AppendLine(chunk, rows, row);
        chunk += EndOfLine;
        if (chunk.size() >= kWriteChunk) {
            out->Write(chunk);
            chunk.clear();
        }
        EventLoop::Turn();
    }
    out->Write(chunk);
    if (!out->Close()) {
        result.outcome = SaveResult::Outcome::Failed;
        result.reason = out->ErrorText();
    }
    return result;
}

std::optional<ReadFailure> FailedRead(const FolderItem& folder, std::string_view fileName) {
    const auto known = knownRolls().find(folder.Child(fileName).Path());
    if (known == knownRolls().end() || known->second.state != ReadState::Unreadable)
        return std::nullopt;
    return known->second.failure;
}

// The user is told this whenever a save is refused, whichever command
// asked, so the roll in the window is never taken for a stored one.
std::optional<std::string> WhyRefused(const FolderItem& folder, std::string_view fileName) {
    const auto known = knownRolls().find(folder.Child(fileName).Path());
    if (known != knownRolls().end() && known->second.state == ReadState::Whole)
        return std::nullopt;
    const auto failure = FailedRead(folder, fileName);
    if (!failure)
        return "it was not read whole, so it is not written over";
    const std::string which = failure->file == folder.Child(fileName)
                                  ? "it"
                                  : "the member list \"" + failure->file.Path().string() + "\"";
    return which + " could not be read (" + failure->reason +
           "), so nothing is written over it until " + std::string(Product::kName) +
           " is started again";
}

void ForgetReads() {
    knownRolls().clear();
}

}  // namespace MemberFile

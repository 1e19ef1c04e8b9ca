#pragma once

#include "platform/Files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RowTable;

// The member file: the roll stored as one line per member, each cell
// followed by "@@@" (the last one too), no header, no escapes.
//
// A stored roll that exists but could not be read is never written over in
// the same session, so an unreadable file never becomes an empty roll; nor is
// a file written over while it is being read, or before it was ever read.
// That is kept per file.
namespace MemberFile {

inline constexpr std::string_view kSeparator = "@@@";

// The largest member file read, and the largest import file, whose lines
// become rows of the roll the same way. Read and shown, a roll takes up to
// about three times its size in memory (one long line; the README has the
// figures), so this keeps it well within any computer the program runs on.
// The program's other files, read whole, are held to it too.
inline constexpr uint64_t kLargestFile = uint64_t{512} << 20;
// Each row costs some 70 bytes however short its line, so a file of very
// short lines is bounded by its rows too: this many take about as much
// memory as the largest file of one long line.
inline constexpr int kMostRows = 10'000'000;

// Why a file of that size and more than kMostRows lines is not read.
std::string TooManyRows(uint64_t fileSize);

struct LoadResult {
    enum class Outcome {
        Read,
        // Neither the file nor its older name exists: the roll is empty.
        Missing,
        Unreadable,
    };
    Outcome outcome = Outcome::Missing;
    // The file read or tried, which may be the older name.
    FolderItem file;
    // The system's reason when the file could not be read.
    std::string reason;
};

struct SaveResult {
    enum class Outcome {
        Written,
        // A filtered subset is shown: the file was left alone.
        Filtered,
        // The stored roll was not read whole, so it is not written over.
        Refused,
        Failed,
    };
    Outcome outcome = Outcome::Written;
    FolderItem file;
    std::string reason;
};

// Appends the rows of the file of that name in the folder (or, when it does
// not exist, of the older name: the same less its first two characters).
// Blank lines are skipped; a line's fields past the last column are ignored
// and missing ones are empty. Lines end at "\n", "\r\n" or "\r".
LoadResult Load(RowTable& rows, const FolderItem& folder, std::string_view fileName);

// Writes every row to the file of that name in the folder, replacing it
// whole or not at all.
SaveResult Save(const RowTable& rows, const FolderItem& folder, std::string_view fileName);

// The rows of the text of a member file, appended.
void ParseRows(RowTable& rows, std::string_view text);
// One row as its line, without the line end. A cell that would break the
// file is changed as little as it takes: line ends become "###" (as notes
// store them), a "@@@" or a trailing "@" gets a blank.
void AppendLine(std::string& out, const RowTable& rows, int row);

// A stored roll that exists but could not be read in this session: the file
// tried (which may be the older name) and the system's reason.
struct ReadFailure {
    FolderItem file;
    std::string reason;
};
std::optional<ReadFailure> FailedRead(const FolderItem& folder, std::string_view fileName);

// Why a save would not replace the file of that name in the folder, as the
// user is told it; nothing once a load read it whole (or found none) in a
// session in which it never failed to be read.
std::optional<std::string> WhyRefused(const FolderItem& folder, std::string_view fileName);

// Forgets every roll read, as a new session would; for tests.
void ForgetReads();

}  // namespace MemberFile

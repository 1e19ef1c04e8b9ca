// Feeds arbitrary bytes to the reader of the maker's version text and checks
// that the name, the version and the notes it gives are the text's lines,
// with nothing lost or added but the CR of a CRLF; then compares the version
// read, and the whole text, with ours.

#include "core/Version.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "version text: %s\n", what);
        std::abort();
    }
}

bool holdsLineEnd(std::string_view text) {
    return text.find(EndOfLine) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The reader gives the event loop a turn after each note line.
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const VersionText read = ReadVersionText(text);

    // The text as an LF-only server would have sent it.
    const std::string lines = ReplaceAll(text, "\r\n", EndOfLine);
    const auto lineEnds = std::count(lines.begin(), lines.end(), EndOfLine.front());
    check(!holdsLineEnd(read.name) && !holdsLineEnd(read.version),
          "the name or the version holds a line end");
    std::string joined = read.name;
    if (lineEnds >= 1)
        joined.append(EndOfLine).append(read.version);
    if (lineEnds >= 2) {
        // Each note line comes with a line end of its own, the last one too.
        check(read.notes.ends_with(EndOfLine), "the notes don't end with a line end");
        joined.append(EndOfLine).append(read.notes, 0, read.notes.size() - EndOfLine.size());
    } else {
        check(read.notes.empty(), "notes from a text of fewer than three lines");
    }
    check(joined == lines, "the lines read are not the text's");

    IsNewerVersion(read.version);
    IsNewerVersion(text);
    return 0;
}

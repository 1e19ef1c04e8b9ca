// Feeds arbitrary bytes to the import file's line splitter and checks that
// the lines it gives are the file cut at its line ends: no line holds a CR or
// an LF, the lines and the ends cut away make up the whole file again, and
// the reading comes to an end.

#include "core/MemberImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Not data: the splitter drops it at the start of a file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "import lines: %s\n", what);
        std::abort();
    }
}

// Takes the line end at the front of the rest away: CRLF, a CR or an LF.
bool removeLineEnd(std::string_view& rest) {
    for (const std::string_view end : {"\r\n", "\r", "\n"}) {
        if (rest.starts_with(end)) {
            rest.remove_prefix(end.size());
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view rest = text;
    if (rest.starts_with(kByteOrderMark))
        rest.remove_prefix(kByteOrderMark.size());

    ImportLines lines(text);
    // Every line but the last is followed by a line end, so there can't be
    // more lines than bytes and one.
    for (size_t count = 1;; ++count) {
        check(count <= size + 1, "more lines than the file can hold");
        const std::string_view line = lines.ReadLine();
        check(line.find_first_of("\r\n") == std::string_view::npos, "a line holds a line end");
        check(rest.starts_with(line), "a line is not the file's next bytes");
        rest.remove_prefix(line.size());
        const bool ended = removeLineEnd(rest);
        check(ended || rest.empty(), "a line stops short of a line end");
        check(lines.AtEnd() == rest.empty(), "the end is not where the file ends");
        if (lines.AtEnd())
            break;
    }
    return 0;
}

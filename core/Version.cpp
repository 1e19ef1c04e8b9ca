#include "core/Version.h"

#include "platform/EventLoop.h"
#include "platform/Text.h"

namespace {

constexpr char kCarriageReturn = '\r';

}  // namespace

double VersionValue(std::string_view version) {
    std::string digits = ReplaceAll(version, ".", "");
    if (Len(digits) == 2)
        digits += "0";
    if (Len(digits) == 1)
        digits += "00";
    return Val(digits);
}

bool IsNewerVersion(std::string_view announced, std::string_view own) {
    return VersionValue(announced) > VersionValue(own);
}

VersionText ReadVersionText(std::string_view text) {
    VersionText read;
    // One pass over the text: a body of many short lines must not cost a
    // search from its start for every line.
    int field = 1;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(EndOfLine, start);
        std::string_view piece = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        // A server writing CRLF ends its lines there too: a CR left behind
        // would make "1.1" count as 11 and break the notice's headline.
        if (end != std::string_view::npos && piece.ends_with(kCarriageReturn))
            piece.remove_suffix(1);
        if (field == 1) {
            read.name = piece;
        } else if (field == 2) {
            read.version = piece;
        } else {
            read.notes.append(piece).append(EndOfLine);
            EventLoop::Turn();
        }
        if (end == std::string_view::npos)
            break;
        start = end + EndOfLine.size();
        ++field;
    }
    return read;
}

#include "core/MemberImport.h"

#include "platform/EventLoop.h"
#include "platform/RowTable.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::string_view kFieldSeparator = ",";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int ImportFieldNumber(std::string_view mappingText) {
    const double value = std::trunc(Val(mappingText));
    // Numbers beyond an int name a field no line has; clamping them keeps
    // the conversion defined.
    constexpr double kLargest = std::numeric_limits<int>::max();
    if (value >= kLargest)
        return std::numeric_limits<int>::max();
    if (value <= -kLargest)
        return -std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

MemberCells ImportedMember(std::string_view line, const MappingTexts& mappingTexts) {
    MemberCells cells;
    for (int mapping = 0; mapping < kImportMappingCount; ++mapping) {
        const int field = ImportFieldNumber(mappingTexts[mapping]);
        if (field != 0)
            cells[+kImportColumns[mapping]] = NthField(line, kFieldSeparator, field);
    }
    return cells;
}

void AppendImportedMembers(RowTable& rows, std::string_view fileText,
                           const MappingTexts& mappingTexts) {
    ImportLines lines(fileText);
    std::array<std::string_view, kColumnCount> cellViews;
    do {
        const MemberCells cells = ImportedMember(lines.ReadLine(), mappingTexts);
        std::copy(cells.begin(), cells.end(), cellViews.begin());
        rows.AddRow(cellViews);
        EventLoop::Turn();
    } while (!lines.AtEnd());
}

ImportLines::ImportLines(std::string_view text) : rest_(text) {
    if (rest_.starts_with(kByteOrderMark))
        rest_.remove_prefix(kByteOrderMark.size());
}

std::string_view ImportLines::ReadLine() {
    const size_t end = rest_.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        const std::string_view line = rest_;
        rest_ = {};
        return line;
    }
    const std::string_view line = rest_.substr(0, end);
    const bool crlf = rest_[end] == '\r' && rest_.substr(end + 1).starts_with('\n');
    rest_.remove_prefix(end + (crlf ? 2 : 1));
    return line;
}

#include "core/MemberImport.h"

#include "platform/EventLoop.h"
#include "platform/RowTable.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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

namespace {

// The import file's fields go into the cells of one row at a time; each
// field is looked for once, however many mapping rows name it.
class MemberMapping {
public:
    explicit MemberMapping(const MappingTexts& mappingTexts) {
        for (int mapping = 0; mapping < kImportMappingCount; ++mapping) {
            fieldNumbers_[mapping] = ImportFieldNumber(mappingTexts[mapping]);
            lastField_ = std::max(lastField_, fieldNumbers_[mapping]);
        }
    }

    // The cells of the member the line gives, as views into the line.
    const std::array<std::string_view, kColumnCount>& Cells(std::string_view line) {
        splitFields(line);
        for (int mapping = 0; mapping < kImportMappingCount; ++mapping) {
            const int field = fieldNumbers_[mapping];
            if (field == 0)
                continue;
            cells_[+kImportColumns[mapping]] =
                field >= 1 && static_cast<size_t>(field) <= fields_.size()
                    ? fields_[static_cast<size_t>(field) - 1]
                    : std::string_view();
        }
        return cells_;
    }

private:
    // The line's fields as far as the last one a mapping row names: a line
    // with k commas has k + 1 fields, an empty line one empty field.
    void splitFields(std::string_view line) {
        fields_.clear();
        size_t start = 0;
        while (static_cast<int>(fields_.size()) < lastField_) {
            const size_t comma = line.find(kFieldSeparator, start);
            if (comma == std::string_view::npos) {
                fields_.push_back(line.substr(start));
                return;
            }
            fields_.push_back(line.substr(start, comma - start));
            start = comma + kFieldSeparator.size();
        }
    }

    std::array<int, kImportMappingCount> fieldNumbers_{};
    int lastField_ = 0;
    std::vector<std::string_view> fields_;
    std::array<std::string_view, kColumnCount> cells_{};
};

}  // namespace

MemberCells ImportedMember(std::string_view line, const MappingTexts& mappingTexts) {
    MemberMapping mapping(mappingTexts);
    const auto& cells = mapping.Cells(line);
    MemberCells member;
    std::copy(cells.begin(), cells.end(), member.begin());
    return member;
}

void AppendImportedMembers(RowTable& rows, std::string_view fileText,
                           const MappingTexts& mappingTexts) {
    // The texts are read once: the event loop's turns only paint, so nobody
    // can change them while the rows are appended.
    MemberMapping mapping(mappingTexts);
    ImportLines lines(fileText);
    do {
        rows.AddRow(mapping.Cells(lines.ReadLine()));
        EventLoop::Turn();
    } while (!lines.AtEnd());
}

size_t ImportLineCount(std::string_view fileText) {
    ImportLines lines(fileText);
    size_t count = 0;
    do {
        lines.ReadLine();
        ++count;
    } while (!lines.AtEnd());
    return count;
}

ImportLines::ImportLines(std::string_view text) : text_(text) {
    if (text_.starts_with(kByteOrderMark))
        text_.remove_prefix(kByteOrderMark.size());
    nextLineFeed_ = text_.find('\n');
    nextReturn_ = text_.find('\r');
}

size_t ImportLines::next(char lineEnd, size_t& found) {
    // An end found ahead is kept until the reading has passed it, so each
    // byte is searched once for either end: a file of CR lines isn't
    // searched to its end for an LF at every line.
    if (found != std::string_view::npos && found < at_)
        found = text_.find(lineEnd, at_);
    return found;
}

std::string_view ImportLines::ReadLine() {
    const size_t end = std::min(next('\n', nextLineFeed_), next('\r', nextReturn_));
    if (end == std::string_view::npos) {
        const std::string_view line = text_.substr(at_);
        at_ = text_.size();
        return line;
    }
    const std::string_view line = text_.substr(at_, end - at_);
    const bool crlf = text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
    at_ = end + (crlf ? 2 : 1);
    return line;
}

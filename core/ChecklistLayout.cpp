#include "core/ChecklistLayout.h"

#include "platform/Text.h"

namespace {

constexpr int kLineStep = 14;
constexpr int kColumnOffset = 250;
constexpr int kLinesFirstPage = 45;
constexpr int kLinesLaterPages = 44;
// The first page is set 25 further left than the later ones.
constexpr int kFirstPageIndent = -25;
// The second column's start does not follow the resolution: at 72 units per
// inch it puts the second column level with the first.
constexpr int kSecondColumnTopFirstPage = 86;
constexpr int kSecondColumnTopLaterPages = 72;
constexpr int kFirstNameCharacters = 15;

}  // namespace

ChecklistLayout::ChecklistLayout(int horizontalResolution, int verticalResolution)
    : horizontal_(horizontalResolution), vertical_(verticalResolution) {}

ChecklistLayout::Place ChecklistLayout::Title() const {
    return {0, horizontal_ + kFirstPageIndent, vertical_};
}

ChecklistLayout::Place ChecklistLayout::Line(int row) const {
    if (row < kLinesFirstPage)  // under the title
        return {0, horizontal_ + kFirstPageIndent, vertical_ + kLineStep * (row + 2)};
    if (row < 2 * kLinesFirstPage)
        return {0, horizontal_ + kFirstPageIndent + kColumnOffset,
                kSecondColumnTopFirstPage + kLineStep * (row - kLinesFirstPage + 1)};
    const int onLaterPages = row - 2 * kLinesFirstPage;
    const int page = 1 + onLaterPages / (2 * kLinesLaterPages);
    const int line = onLaterPages % (2 * kLinesLaterPages);
    if (line < kLinesLaterPages)
        return {page, horizontal_, vertical_ + kLineStep * (line + 1)};
    return {page, horizontal_ + kColumnOffset,
            kSecondColumnTopLaterPages + kLineStep * (line - kLinesLaterPages + 1)};
}

std::string ChecklistLayout::TitleText(std::string_view shortDate) {
    return "Member Checklist     " + std::string(shortDate);
}

std::string ChecklistLayout::LineText(std::string_view lastName, std::string_view firstName) {
    return "____ " + std::string(lastName) + ", " + Left(firstName, kFirstNameCharacters);
}

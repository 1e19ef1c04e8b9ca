#include "core/ChecklistLayout.h"

#include "platform/Text.h"

namespace {

// The title and the first line of each column stand an inch from the page's
// top and left edges.
constexpr int kInch = 72;
constexpr int kLineStep = 14;
constexpr int kColumnOffset = 250;
constexpr int kLinesFirstPage = 45;
constexpr int kLinesLaterPages = 44;
// The first page is set 25 further left than the later ones.
constexpr int kFirstPageIndent = -25;
// The second column starts level with the first.
constexpr int kSecondColumnTopFirstPage = kInch + kLineStep;
constexpr int kSecondColumnTopLaterPages = kInch;
constexpr int kFirstNameCharacters = 15;
// Lines are drawn uncut, but no sheet a printer takes is 5,000 points across
// (B0 on its side is about 4,000), and at the lines' size no character that
// shows is narrower than a point: this much of a cell's start already runs
// off the page. Laying out the whole of a cell of a few hundred megabytes
// would take gigabytes.
constexpr int kCharactersAcrossAnySheet = 5'000;

}  // namespace

ChecklistLayout::Place ChecklistLayout::Title() {
    return {0, kInch + kFirstPageIndent, kInch};
}

ChecklistLayout::Place ChecklistLayout::Line(int row) {
    if (row < kLinesFirstPage)  // under the title
        return {0, kInch + kFirstPageIndent, kInch + kLineStep * (row + 2)};
    if (row < 2 * kLinesFirstPage)
        return {0, kInch + kFirstPageIndent + kColumnOffset,
                kSecondColumnTopFirstPage + kLineStep * (row - kLinesFirstPage + 1)};
    const int onLaterPages = row - 2 * kLinesFirstPage;
    const int page = 1 + onLaterPages / (2 * kLinesLaterPages);
    const int line = onLaterPages % (2 * kLinesLaterPages);
    if (line < kLinesLaterPages)
        return {page, kInch, kInch + kLineStep * (line + 1)};
    return {page, kInch + kColumnOffset,
            kSecondColumnTopLaterPages + kLineStep * (line - kLinesLaterPages + 1)};
}

std::string ChecklistLayout::TitleText(std::string_view shortDate) {
    return "Member Checklist     " + std::string(shortDate);
}

std::string ChecklistLayout::LineText(std::string_view lastName, std::string_view firstName) {
    return "____ " + Left(lastName, kCharactersAcrossAnySheet) + ", " +
           Left(firstName, kFirstNameCharacters);
}

std::string ChecklistLayout::DueDateText(std::string_view dueDate) {
    return Left(dueDate, kCharactersAcrossAnySheet);
}

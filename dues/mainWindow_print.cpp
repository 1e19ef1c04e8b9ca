// The printed checklist of the members the list shows.

#include "platform/Date.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Printing.h"
#include "platform/Text.h"
#include "roll/mainWindow.h"

namespace {

constexpr int kLineStep = 14;
constexpr int kDueDateOffset = 170;
constexpr int kColumnOffset = 250;
constexpr int kLinesFirstPage = 45;
constexpr int kLinesLaterPages = 44;
// The second column's start does not follow the resolution: at 72 units per
// inch it puts the second column level with the first.
constexpr int kSecondColumnTopFirstPage = 86;
constexpr int kSecondColumnTopLaterPages = 72;

}  // namespace

void mainWindow::PrintChecklist() {
    const Date today;
    PrinterSetup setup;
    std::unique_ptr<Graphics> g = OpenPrinterDialog(setup);
    if (!g)
        return;

    int x = setup.HorizontalResolution - 25;
    int y = setup.VerticalResolution;
    g->SetBold(true);
    g->DrawString("Member Checklist     " + today.ShortDate(), x, y, 0, false);
    g->SetBold(false);
    g->SetTextSize(10);
    y += kLineStep;

    int row = 0;
    // Prints up to `lines` rows from the next unprinted one down one column.
    auto printColumn = [&](int lines) {
        for (int line = 0; line < lines && row < memberList.ListCount(); ++line, ++row) {
            y += kLineStep;
            g->DrawString(
                "____ " + memberList.Cell(row, 0) + ", " + Left(memberList.Cell(row, 1), 15), x, y,
                0, false);
            g->DrawString(memberList.Cell(row, 14), x + kDueDateOffset, y, 0, false);
            EventLoop::Turn();
        }
    };

    printColumn(kLinesFirstPage);
    if (row < memberList.ListCount()) {
        y = kSecondColumnTopFirstPage;
        x += kColumnOffset;
        printColumn(kLinesFirstPage);
    }
    // A later page is begun only when a row remains for it.
    while (row < memberList.ListCount()) {
        g->NextPage();
        x = setup.HorizontalResolution;
        y = setup.VerticalResolution;
        printColumn(kLinesLaterPages);
        if (row < memberList.ListCount()) {
            y = kSecondColumnTopLaterPages;
            x += kColumnOffset;
            printColumn(kLinesLaterPages);
        }
        EventLoop::Turn();
    }
}

// The printed checklist of the members the list shows.

#include "core/ChecklistLayout.h"
#include "core/Column.h"
#include "platform/Date.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Printing.h"
#include "roll/mainWindow.h"

void mainWindow::PrintChecklist() {
    const Date today;
    std::unique_ptr<Graphics> g = OpenPrinterDialog();
    if (!g)
        return;
    const ChecklistLayout::Place title = ChecklistLayout::Title();
    g->SetBold(true);
    g->DrawString(ChecklistLayout::TitleText(today.ShortDate()), title.x, title.y, 0, false);
    g->SetBold(false);
    g->SetTextSize(ChecklistLayout::kLineTextSize);

    const RowTable& rows = memberList.Rows();
    int page = 0;
    // The turns between lines only repaint, so the rows stay as they are
    // (EventLoop::Turn).
    for (int row = 0; row < memberList.ListCount(); ++row) {
        const ChecklistLayout::Place line = ChecklistLayout::Line(row);
        if (line.page != page) {
            // A later page is begun only when a row remains for it.
            if (page > 0)
                EventLoop::Turn();
            g->NextPage();
            page = line.page;
        }
        g->DrawString(ChecklistLayout::LineText(rows.Cell(row, +Column::LastName),
                                                rows.Cell(row, +Column::FirstName)),
                      line.x, line.y, 0, false);
        g->DrawString(ChecklistLayout::DueDateText(rows.Cell(row, +Column::DueDate)),
                      line.x + ChecklistLayout::kDueDateOffset, line.y, 0, false);
        EventLoop::Turn();
    }
    if (page > 0)
        EventLoop::Turn();
}

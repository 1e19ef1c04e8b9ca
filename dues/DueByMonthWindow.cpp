#include "dues/DueByMonthWindow.h"

#include "core/Column.h"
#include "core/ListFilters.h"
#include "platform/Date.h"
#include "platform/FocusOrder.h"
#include "roll/mainWindow.h"

DueByMonthWindow::DueByMonthWindow() {
    SetKind(WindowKind::Sheet);
    SetTitle("Untitled");
    SetContentSize(390, 114);
    SetResizable(true);

    Add(Label17, 31, 35, 181, 20);
    Add(PopupMenu1, 197, 34, 161, 20);
    for (const char* month : {"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"})
        PopupMenu1.AddRow(month);
    PopupMenu1.SetListIndex(0);
    Add(PushButton1, 278, 67, 80, 20);
    Add(PushButton2, 31, 67, 80, 20);
    PushButton2.SetCancel(true);
    SetFocusOrder({&PopupMenu1, &PushButton1, &PushButton2});

    PushButton1.Action = [this] { PushButton1_Action(); };
    PushButton2.Action = [this] { PushButton2_Action(); };
}

// Unlike the list filters, Find narrows the rows shown as they are, without a
// reload.
void DueByMonthWindow::PushButton1_Action() {
    const Date today;
    mainWindow& main = mainWindow::instance();
    // Left open after a failed save, for another try or Cancel.
    if (!main.enterFilteredState())
        return;
    const int month = PopupMenu1.ListIndex() + 1;
    const int year = today.Year();
    main.keepOnlyRows(Column::DueDate, [&](std::string_view due) {
        return DueInYear(due, year) && DueInMonth(due, month);
    });
    main.infoLabel.SetText("Memberships Due in " + PopupMenu1.Text());
    main.memberList.SetListIndex(-1);
    // Made anew, with January, the next time.
    Close();
}

void DueByMonthWindow::PushButton2_Action() {
    Close();
}

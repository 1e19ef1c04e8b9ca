#include "dues/reportWindow.h"

#include "core/Counts.h"
#include "platform/Text.h"
#include "roll/mainWindow.h"

namespace {

// The rows the main window's list shows: the whole roll, or a filter's rows.
const RowTable& shownRows() {
    return mainWindow::instance().memberList.Rows();
}

}  // namespace

reportWindow::reportWindow() {
    SetKind(WindowKind::Sheet);
    SetTitle("Untitled");
    SetContentSize(498, 163);
    SetResizable(true);

    struct Count {
        Label& label;
        int labelLeft, labelTop, labelWidth;
        TextField& field;
        int left, top;
    };
    const Count counts[] = {
        {Label1, 11, 34, 123, paidFld, 146, 33},      {Label3, 0, 67, 134, dueFld, 146, 65},
        {Label2, 251, 34, 123, paidFld1, 386, 33},    {Label5, 240, 67, 134, dueFld1, 386, 65},
        {Label4, 34, 111, 100, TextField1, 146, 111},
    };
    for (const Count& count : counts) {
        Add(count.label, count.labelLeft, count.labelTop, count.labelWidth, 20);
        count.label.SetAlignment(Align::Right);
        Add(count.field, count.left, count.top, 80, 22);
        count.field.SetReadOnly(true);
        count.field.SetAlignment(Align::Right);
    }
    Add(PushButton1, 386, 112, 80, 20);
    PushButton1.SetDefault(true);
    PushButton1.Action = [this] { PushButton1_Action(); };

    // The counts are taken once, as the fields open.
    paidFld_Open();
    dueFld_Open();
    paidFld1_Open();
    dueFld1_Open();
    TextField1_Open();
}

void reportWindow::paidFld_Open() {
    paidFld.SetText(Str(CountRows(shownRows(), kActiveFilter)));
}
void reportWindow::dueFld_Open() {
    dueFld.SetText(Str(CountRows(shownRows(), kInactiveFilter)));
}
void reportWindow::paidFld1_Open() {
    paidFld1.SetText(Str(CountRows(shownRows(), kPaidFilter)));
}
void reportWindow::dueFld1_Open() {
    dueFld1.SetText(Str(CountRows(shownRows(), kDueFilter)));
}

void reportWindow::TextField1_Open() {
    TextField1.SetText(Str(shownRows().RowCount()));
}

void reportWindow::PushButton1_Action() {
    Close();
}

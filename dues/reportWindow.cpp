#include "dues/reportWindow.h"

#include "platform/EventLoop.h"
#include "platform/Text.h"
#include "roll/mainWindow.h"

namespace {

// The rows of the main window's list whose cell in the column equals the
// value, case ignored.
std::string countRows(int column, std::string_view value) {
    Listbox& list = mainWindow::instance().memberList;
    int count = 0;
    for (int row = 0; row <= list.ListCount() - 1; ++row) {
        if (SameText(list.Cell(row, column), value))
            ++count;
        EventLoop::Turn();
    }
    return Str(count);
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
    paidFld.SetText(countRows(17, "active"));
}
void reportWindow::dueFld_Open() {
    dueFld.SetText(countRows(17, "inactive"));
}
void reportWindow::paidFld1_Open() {
    paidFld1.SetText(countRows(13, "paid"));
}
void reportWindow::dueFld1_Open() {
    dueFld1.SetText(countRows(13, "due"));
}

void reportWindow::TextField1_Open() {
    TextField1.SetText(Str(mainWindow::instance().memberList.ListCount()));
}

void reportWindow::PushButton1_Action() {
    Close();
}

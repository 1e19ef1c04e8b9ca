#include "exchange/ExportWindow.h"

#include "core/MemberExport.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Listbox.h"
#include "platform/Streams.h"
#include "roll/mainWindow.h"

ExportWindow::ExportWindow() {
    SetKind(WindowKind::Sheet);
    SetTitle("Export Data");
    SetContentSize(452, 128);
    SetResizable(true);
    SetMaximizable(true);
    SetMinimizable(true);

    Add(Label1, 20, 40, 412, 40);
    Label1.SetMultiline(true);
    Add(PushButton1, 348, 84, 80, 20);
    PushButton1.Action = [this] { PushButton1_Action(); };
    Add(PushButton2, 256, 84, 80, 20);
    PushButton2.SetCancel(true);
    PushButton2.Action = [this] { PushButton2_Action(); };
}

void ExportWindow::PushButton1_Action() {
    const std::optional<FolderItem> chosen = GetSaveFile({"", "Rollkeep Export.csv"});
    if (!chosen)
        return;
    // The name is settled first, so the file is written once, whole, where it
    // stays, and no other file is renamed or replaced.
    const FolderItem file = FinalExportFile(*chosen);
    if (auto out = file.CreateTextFile()) {
        if (!writeRows(mainWindow::instance().memberList, *out))
            ReportWriteFailure(file, out->ErrorText());
    } else {
        ReportWriteFailure(file, FolderItem::LastWriteError());
    }
    Close();
}

bool ExportWindow::writeRows(const Listbox& list, TextOutputStream& out) {
    ExportLine line;
    for (int row = 0; row < list.ListCount(); ++row) {
        line.Clear();
        for (int column = 0; column < list.ColumnCount(); ++column) {
            line.AddCell(list.Cell(row, column));
            EventLoop::Turn();
        }
        out.WriteLine(line.Text());
        EventLoop::Turn();
    }
    return out.Close();
}

void ExportWindow::PushButton2_Action() {
    Close();
}

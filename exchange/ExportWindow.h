#pragma once

#include "platform/Label.h"
#include "platform/PushButton.h"
#include "platform/Window.h"

class Listbox;
class TextOutputStream;

// Writes the rows the main window's list shows (the whole roll, or what a
// filter left) to a comma-separated file the user names.
class ExportWindow : public Window {
public:
    ExportWindow();

    static ExportWindow& instance() { return Window::Instance<ExportWindow>(); }
    static ExportWindow* existing() { return Window::Existing<ExportWindow>(); }

    Label Label1{"Label1",
                 "To export membership information to a comma separated file (.csv) click the "
                 "Export button."};
    PushButton PushButton1{"PushButton1", "Export"};
    PushButton PushButton2{"PushButton2", "Cancel"};

    void PushButton1_Action();
    void PushButton2_Action();

private:
    // Writes one line per row and commits the file; false when that failed.
    static bool writeRows(const Listbox& list, TextOutputStream& out);
};

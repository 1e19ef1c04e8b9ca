#pragma once

#include "platform/Label.h"
#include "platform/PopupMenu.h"
#include "platform/PushButton.h"
#include "platform/Window.h"

// Narrows the main window's list to the memberships due in a chosen month of
// this year.
class DueByMonthWindow : public Window {
public:
    DueByMonthWindow();

    static DueByMonthWindow& instance() { return Window::Instance<DueByMonthWindow>(); }
    static DueByMonthWindow* existing() { return Window::Existing<DueByMonthWindow>(); }

    Label Label17{"Label17", "Find memberships due in:"};
    PopupMenu PopupMenu1{"PopupMenu1"};
    PushButton PushButton1{"PushButton1", "Find"};
    PushButton PushButton2{"PushButton2", "Cancel"};

    // Find.
    void PushButton1_Action();
    // Cancel.
    void PushButton2_Action();
};

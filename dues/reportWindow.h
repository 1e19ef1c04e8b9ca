#pragma once

#include "platform/Label.h"
#include "platform/PushButton.h"
#include "platform/TextField.h"
#include "platform/Window.h"

// The member counts of the rows the main window's list shows, taken once when
// the window is made.
class reportWindow : public Window {
public:
    reportWindow();

    static reportWindow& instance() { return Window::Instance<reportWindow>(); }
    static reportWindow* existing() { return Window::Existing<reportWindow>(); }

    // The field names don't follow their captions: paidFld shows the active
    // members, dueFld the inactive ones.
    Label Label1{"Label1", "Active Members:"};
    TextField paidFld{"paidFld"};
    Label Label3{"Label3", "Inactive Members:"};
    TextField dueFld{"dueFld"};
    Label Label2{"Label2", "Paid Memberships:"};
    TextField paidFld1{"paidFld1"};
    Label Label5{"Label5", "Due Memberships:"};
    TextField dueFld1{"dueFld1"};
    Label Label4{"Label4", "Total:"};
    TextField TextField1{"TextField1"};
    PushButton PushButton1{"PushButton1", "OK"};

    void paidFld_Open();
    void dueFld_Open();
    void paidFld1_Open();
    void dueFld1_Open();
    void TextField1_Open();
    void PushButton1_Action();
};

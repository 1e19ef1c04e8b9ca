#pragma once

#include "platform/Canvas.h"
#include "platform/Label.h"
#include "platform/PushButton.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

// Tells the user that a newer release exists, with its release notes, and
// offers its download page. Its texts come from the network and are shown as
// plain text, never as markup.
class newVersionWindow : public Window {
public:
    newVersionWindow();

    static newVersionWindow& instance() { return Window::Instance<newVersionWindow>(); }
    static newVersionWindow* existing() { return Window::Existing<newVersionWindow>(); }

    Label StaticText1{"StaticText1"};
    PushButton PushButton1{"PushButton1", "Download Now"};
    PushButton PushButton2{"PushButton2", "Download Later"};
    Canvas Canvas1{"Canvas1"};
    Label Label1{"Label1",
                 "Would you like to download it now?\r\rPLEASE NOTE: All new versions of Velloran "
                 "Software products now require OS 10.7 or later."};
    Label Label2{"Label2", "Release Notes:"};
    TextArea versionText{"versionText"};
    Label versionLabel{"versionLabel", "New Version:"};

    void PushButton1_Action();
    void PushButton2_Action();
};

#pragma once

#include "platform/Canvas.h"
#include "platform/Label.h"
#include "platform/Window.h"

// The product's name, version, logo and maker. Choosing it again while it is
// open brings up the same window.
class AboutWindow : public Window {
public:
    AboutWindow();

    static AboutWindow& instance() { return Window::Instance<AboutWindow>(); }
    static AboutWindow* existing() { return Window::Existing<AboutWindow>(); }

    Canvas Canvas1{"Canvas1"};
    Label StaticText1{"StaticText1"};
    Label StaticText2{"StaticText2"};
    Label StaticText3{"StaticText3"};

protected:
    void Event_Open() override;
};

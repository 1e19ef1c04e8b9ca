#pragma once

#include "platform/Canvas.h"
#include "platform/Label.h"
#include "platform/ProgressWheel.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "startup/VersionCheckSocket.h"

#include <memory>

// The first window of every run: the name, logo and maker, while the update
// check starts. Two seconds after it opens it hands over to the main window,
// whether or not the check has finished.
class SplashWindow : public Window {
public:
    SplashWindow();

    static SplashWindow& instance() { return Window::Instance<SplashWindow>(); }
    static SplashWindow* existing() { return Window::Existing<SplashWindow>(); }

    Label StaticText1{"StaticText1"};
    Timer Timer1{"Timer1"};
    Canvas Canvas1{"Canvas1"};
    Label AppNameLabel{"AppNameLabel"};
    Label StaticText11{"StaticText11", "Checking for newer version..."};
    ProgressWheel ProgressWheel1{"ProgressWheel1"};
    // Shared, so that a notice opened by its handler can outlive this window:
    // the hand-over closes the splash while the notice may still be up.
    std::shared_ptr<VersionCheckSocket> VersionCheckSocket1 =
        std::make_shared<VersionCheckSocket>("VersionCheckSocket1");

    void AppNameLabel_Open();
    void Timer1_Action();

protected:
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;
    void Event_Close() override;
};

#include "startup/SplashWindow.h"

#include "core/Product.h"
#include "roll/Globals.h"
#include "roll/Pictures.h"
#include "roll/mainWindow.h"
#include "startup/VersionCheck.h"

namespace {

void setGreyVerdana(Label& label) {
    label.SetTextFont("Verdana");
    label.SetTextSize(10);
    label.SetTextColor(0x4C, 0x4C, 0x4C);
}

}  // namespace

SplashWindow::SplashWindow() {
    SetTitle("");
    SetContentSize(428, 168);
    SetResizable(false);
    SetClosable(false);
    SetMinimizable(false);
    SetMaximizable(false);
    SetMovableModal(true);
    SetVisibleAtCreation(true);

    Add(StaticText1, 174, 75, 200, 20);
    StaticText1.SetText(Product::kCopyright);
    setGreyVerdana(StaticText1);

    Timer1.SetPeriod(2000);
    Timer1.Action = [this] { Timer1_Action(); };
    Timer1.SetMode(Timer::Mode::Single);

    Add(Canvas1, 40, 28, 102, 108);
    Canvas1.SetBackdrop(groupclipartusergroup43());

    Add(AppNameLabel, 154, 18, 245, 56);
    AppNameLabel.SetTextFont("System");
    AppNameLabel.SetTextSize(32);
    AppNameLabel.SetTextColor(0, 0, 0);
    AppNameLabel_Open();

    Add(StaticText11, 174, 107, 200, 20);
    setGreyVerdana(StaticText11);

    Add(ProgressWheel1, 358, 107, 16, 16);
}

void SplashWindow::AppNameLabel_Open() {
    AppNameLabel.SetText(Product::kName);
}

void SplashWindow::Event_Open() {
    VersionCheck::doVersionCheck(VersionCheck::VersionTextAddress());
}

void SplashWindow::Timer1_Action() {
    mainWindow& main = mainWindow::instance();
    main.SetVisible(true);
    main.Show();
    Globals::gAppOpening = false;
    Close();
}

bool SplashWindow::Event_CancelClose(bool appQuitting) {
    // It has no close button; a close forced on it before the hand-over would
    // leave the program running with no window, and activations ignored.
    return Globals::gAppOpening && !appQuitting;
}

void SplashWindow::Event_Close() {
    // A quit during the splash ends the run here: no hand-over afterwards.
    Timer1.SetMode(Timer::Mode::Off);
}

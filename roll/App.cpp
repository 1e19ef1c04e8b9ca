#include "roll/App.h"

#include "roll/Globals.h"
#include "roll/MainMenuBar.h"
#include "roll/mainWindow.h"

void App::Event_Open() {
    Globals::gAppOpening = true;
    // Until the splash window stands between the start and the main window,
    // the hand-over happens at once.
    mainWindow& main = mainWindow::instance();
    main.SetVisible(true);
    main.Show();
    Globals::gAppOpening = false;
}

void App::Event_Activate() {
    if (Globals::gAppOpening)
        return;
    // A closed main window comes back, loading the roll as last saved.
    mainWindow::instance().SetVisible(true);
}

void App::Event_EnableMenuItems() {
    if (MenuItem* about = MainMenuBar::instance().FindItem("AboutRollkeep"))
        about->SetEnabled(true);
}

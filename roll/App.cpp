#include "roll/App.h"

#include "roll/Globals.h"
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

#include "roll/App.h"

#include "roll/Globals.h"
#include "roll/MainMenuBar.h"
#include "roll/mainWindow.h"

App::App(int& argc, char** argv) : Application(argc, argv) {
    // Set as the program starts, before any window: one menu bar serves them all.
    SetMenuBar(MainMenuBar::instance());
    // The roll is kept in the folder the application locks.
    Globals::gProgramDataFolder = DataFolder();
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

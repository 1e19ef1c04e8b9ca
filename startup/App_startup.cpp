// The application's start, kept with the splash window it shows so that the
// files of the roll need no window of the start-up.

#include "roll/App.h"
#include "roll/Globals.h"
#include "startup/SplashWindow.h"

void App::Event_Open() {
    Globals::gAppOpening = true;
    // The splash hands over to the main window itself.
    SplashWindow::instance().Show();
}

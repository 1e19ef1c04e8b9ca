// The main window's way to the counts window, kept with the dues so that the
// main window's own files need no window of the dues.

#include "dues/reportWindow.h"
#include "roll/mainWindow.h"

void mainWindow::showCounts() {
    reportWindow::instance().Show();
}

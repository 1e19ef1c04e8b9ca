// The Edit menu's command on the main window that opens the e-mail
// template editor.

#include "dues/EmailEditWindow.h"
#include "roll/mainWindow.h"

// An editor already open comes to the front with its texts as they are.
bool mainWindow::_EmailNotification_Action() {
    EmailEditWindow::instance().Show();
    return true;
}

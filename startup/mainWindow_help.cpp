// The Help menu's commands on the main window: the maker's pages in the
// user's browser.

#include "platform/Dialogs.h"
#include "roll/mainWindow.h"
#include "startup/MakerSite.h"

bool mainWindow::_UsersGuide_Action() {
    ShowURL(MakerSite::kUsersGuideURL);
    return true;
}

bool mainWindow::_VLNItem_Action() {
    ShowURL(MakerSite::kSiteURL);
    return true;
}

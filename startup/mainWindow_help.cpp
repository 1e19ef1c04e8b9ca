// The menu commands about the program itself: the About window, and the
// maker's pages in the user's browser.

#include "core/Product.h"
#include "platform/Dialogs.h"
#include "roll/mainWindow.h"
#include "startup/AboutWindow.h"

bool mainWindow::_AboutRollkeep_Action() {
    AboutWindow::instance().Show();
    return true;
}

bool mainWindow::_UsersGuide_Action() {
    ShowURL(Product::kUsersGuideURL);
    return true;
}

bool mainWindow::_VLNItem_Action() {
    ShowURL(Product::kSiteURL);
    return true;
}

// The menu bar's commands on the main window. Commands that open the windows
// of the other parts of the program live beside those windows.

#include "roll/Globals.h"
#include "roll/mainWindow.h"

void mainWindow::AddMenuHandlers() {
    _AddMenuHandler("FileFindDueMemberships", [this] { return _FileFindDueMemberships_Action(); });
    _AddMenuHandler("FileShowAllMembers", [this] { return _FileShowAllMembers_Action(); });
    _AddMenuHandler("EmailNotification", [this] { return _EmailNotification_Action(); });
    _AddMenuHandler("ImportData", [this] { return _ImportData_Action(); });
    _AddMenuHandler("ExportData", [this] { return _ExportData_Action(); });
    _AddMenuHandler("PrintCheck", [this] { return _PrintCheck_Action(); });
    _AddMenuHandler("SaveData", [this] { return _SaveData_Action(); });
    _AddMenuHandler("AboutRollkeep", [this] { return _AboutRollkeep_Action(); });
    _AddMenuHandler("UsersGuide", [this] { return _UsersGuide_Action(); });
    _AddMenuHandler("VLNItem", [this] { return _VLNItem_Action(); });
}

bool mainWindow::_FileShowAllMembers_Action() {
    ShowAllMembers();
    return true;
}

bool mainWindow::_PrintCheck_Action() {
    PrintChecklist();
    return true;
}

// While a filter is shown the list is only part of the roll, which must not
// be written over the whole one.
bool mainWindow::_SaveData_Action() {
    Globals::saveRoll(memberList);
    return true;
}

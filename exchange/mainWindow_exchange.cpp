// The File menu's commands on the main window that open the import and the
// export windows.

#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "roll/mainWindow.h"

bool mainWindow::_ImportData_Action() {
    CustomImportWindow::instance().Show();
    return true;
}

bool mainWindow::_ExportData_Action() {
    ExportWindow::instance().Show();
    return true;
}

// The File menu's commands on the main window that open the import and the
// export windows, as sheets over the main window.

#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "roll/mainWindow.h"

bool mainWindow::_ImportData_Action() {
    CustomImportWindow::instance().ShowWithin(*this);
    return true;
}

bool mainWindow::_ExportData_Action() {
    ExportWindow::instance().ShowWithin(*this);
    return true;
}

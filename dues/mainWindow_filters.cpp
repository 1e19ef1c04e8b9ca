// The list filters: the member list narrowed in place to the due, paid,
// active or inactive members, from the toolbar's "Find Members" drop-down or
// the menu's "Find Due Memberships...".

#include "core/ListFilters.h"
#include "dues/DueByMonthWindow.h"
#include "platform/EventLoop.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

void mainWindow::Toolbar11_DropDownMenuAction(ToolButton&, MenuItem& hitItem) {
    const FindMenuItem* item = FindMenuItemNamed(hitItem.Text);
    if (!item)
        return;
    if (item->filter) {
        if (doListFilter(*item->filter))
            infoLabel.SetText(item->filter->caption);
    } else {
        DueByMonthWindow::instance().ShowWithin(*this);
    }
}

bool mainWindow::doListFilter(const ListFilter& filter) {
    // The failed save was told; the reload would lose what it couldn't store.
    if (!restoreOrPersistRoll())
        return false;
    enterFilteredState();
    keepOnlyRows(filter.column, [&](std::string_view cell) { return FilterKeeps(filter, cell); });
    return true;
}

// The menu's due filter leaves the caption as it was.
bool mainWindow::_FileFindDueMemberships_Action() {
    doListFilter(kDueFilter);
    return true;
}

bool mainWindow::restoreOrPersistRoll() {
    // Filters don't combine: each one starts from the whole stored roll.
    if (Globals::gSearchOn)
        Globals::loadListBox(memberList, Roll::kFileName);
    // The edits made since the last save go into the file before the list
    // stops being the whole roll.
    return Globals::saveRoll(memberList);
}

void mainWindow::enterFilteredState() {
    Globals::gSearchOn = true;
    Toolbar11.AddButton->SetEnabled(false);
    Toolbar11.DeleteButton->SetEnabled(false);
    // A member being added waits in the form until the whole roll is back.
    saveBtn.SetEnabled(false);
    if (memberList.SelCount() > 0)
        lockFormUnderFilter();
}

void mainWindow::keepOnlyRows(Column column,
                              const std::function<bool(std::string_view cell)>& keeps) {
    // From the last row up, so the rows still to be visited keep their index;
    // the list closes the gaps in one go.
    for (int row = memberList.ListCount() - 1; row >= 0; --row) {
        if (!keeps(memberList.Cell(row, +column)))
            memberList.RemoveRow(row);
        EventLoop::Turn();
    }
    memberCountFld.SetText(Str(memberList.ListCount()));
}

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
    // Filters don't combine: each one starts from the whole stored roll.
    if (Globals::gSearchOn)
        Globals::loadListBox(memberList, Roll::kFileName);
    if (!enterFilteredState())
        return false;
    keepOnlyRows(filter.column, [&](std::string_view cell) { return FilterKeeps(filter, cell); });
    return true;
}

// The menu's due filter leaves the caption as it was.
bool mainWindow::_FileFindDueMemberships_Action() {
    doListFilter(kDueFilter);
    return true;
}

bool mainWindow::enterFilteredState() {
    // The edits made since the last save go into the file before the list
    // stops being the whole roll, as the next reload reads the file. When
    // that fails it was told, and the list stays as it is.
    if (!Globals::saveRoll(memberList))
        return false;
    Globals::gSearchOn = true;
    Toolbar11.AddButton->SetEnabled(false);
    Toolbar11.DeleteButton->SetEnabled(false);
    // A member being added waits in the form until the whole roll is back.
    saveBtn.SetEnabled(false);
    if (memberList.SelCount() > 0)
        lockFormUnderFilter();
    return true;
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

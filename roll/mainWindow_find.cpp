// Deleting members, showing the whole roll again, and finding members by name.

#include "core/MemberRow.h"
#include "platform/Dialogs.h"
#include "roll/Globals.h"
#include "roll/MainMenuBar.h"
#include "roll/mainWindow.h"

void mainWindow::DeleteMember() {
    if (memberList.SelCount() == 0) {
        MsgBox("No member selected");
        return;
    }
    if (!AskQuestion(MessageDialog::CautionIcon, "Do you want to delete the selected member?",
                     "This action cannot be undone. ", "Delete"))
        return;
    memberList.RemoveRow(memberList.ListIndex());
    // While a filter is shown the row leaves only the list; the file keeps it.
    Globals::saveRoll(memberList);
}

void mainWindow::ShowAllMembers() {
    // The reload reads the file: the whole roll shown goes there first, as
    // before a filter, so no edit is lost. A failed save was told, and the
    // list keeps what the file lacks. A filtered list is never written: the
    // file is the whole roll, and what the filter showed is given up for it.
    if (!Globals::saveRoll(memberList))
        return;
    Globals::loadListBox(memberList, Roll::kFileName);
    infoLabel.SetText("Member Information");
    Globals::gSearchOn = false;
    if (MenuItem* saveData = MainMenuBar::instance().FindItem("SaveData"))
        saveData->SetEnabled(true);
    // Adding and deleting are on exactly while the whole roll is shown, by
    // whichever route Show All Members comes: a member added or deleted in a
    // filtered list would never reach the file.
    Toolbar11.AddButton->SetEnabled(true);
    Toolbar11.DeleteButton->SetEnabled(true);
    // A member typed in while a filter was shown waited in the form for this.
    if (Globals::gAddingMember)
        saveBtn.SetEnabled(!LastName.Text().empty());
}

void mainWindow::doSearch() {
    const int row = FindMemberByName(memberList.Rows(), searchFld.Text());
    if (row >= 0)
        memberList.SetListIndex(row);
}

void mainWindow::searchFld_KeyUp(std::string_view key) {
    if (key == "\r")
        doSearch();
}

// Typing alone never searches.
void mainWindow::searchFld_TextChange() {}

void mainWindow::PushButton1_Action() {
    doSearch();
}

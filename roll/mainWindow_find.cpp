// Deleting members, showing the whole roll again, and finding members by name.

#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/MainMenuBar.h"
#include "roll/mainWindow.h"

void mainWindow::DeleteMember() {
    if (memberList.SelCount() == 0) {
        MsgBox("No member selected");
        return;
    }
    MessageDialog caution;
    caution.Icon = MessageDialog::CautionIcon;
    caution.ActionCaption = "Delete";
    caution.CancelVisible = true;
    caution.Message = "Do you want to delete the selected member?";
    caution.Explanation = "This action cannot be undone. ";
    if (caution.ShowModal() != MessageDialog::Button::Action)
        return;
    memberList.RemoveRow(memberList.ListIndex());
    // While a filter is shown the row leaves only the list; the file keeps it.
    if (!Globals::gSearchOn)
        Globals::saveListbox(memberList, "rkMemberList");
}

void mainWindow::ShowAllMembers() {
    // Whatever the list held and the file does not is given up for the file.
    memberList.DeleteAllRows();
    Globals::loadListBox(memberList, "rkMemberList");
    infoLabel.SetText("Member Information");
    Globals::gSearchOn = false;
    if (MenuItem* saveData = MainMenuBar::instance().FindItem("SaveData"))
        saveData->SetEnabled(true);
    // Adding and deleting are on exactly while the whole roll is shown, by
    // whichever route Show All Members comes: a member added or deleted in a
    // filtered list would never reach the file.
    Toolbar11.AddButton->SetEnabled(true);
    Toolbar11.DeleteButton->SetEnabled(true);
}

void mainWindow::doSearch() {
    const std::string text = searchFld.Text();
    const int length = Len(text);
    // A last name anywhere in the list wins over any first name.
    for (int column : {0, 1}) {
        for (int row = 0; row < memberList.ListCount(); ++row) {
            if (SameText(Left(memberList.Cell(row, column), length), text)) {
                memberList.SetListIndex(row);
                return;
            }
            EventLoop::Turn();
        }
    }
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

// The record form: selecting a row fills the form, and every change of a field
// goes straight into the selected row.

#include "platform/EventLoop.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

namespace {
const char* const kTypes[] = {"Individual", "Family", "Organization", "Other"};
}  // namespace

void mainWindow::memberList_Change() {
    if (memberList.SelCount() == 0) {
        ClearFlds();
        saveBtn.SetEnabled(false);
        emailBtn.SetEnabled(false);
        RenewBtn.SetEnabled(false);
        blockFields();
        searchFld.SetEnabled(true);
        ComboBox1.SetEnabled(false);
        paymentBtn.SetEnabled(true);
        return;
    }

    if (!Globals::gSearchOn)
        unblockFields();
    saveBtn.SetEnabled(false);
    ComboBox1.SetEnabled(true);
    fillForm(memberList.ListIndex());
    if (!Globals::gSearchOn) {
        infoLabel.SetText("Member Information");
    } else {
        saveBtn.SetEnabled(false);
        blockFields();
        ComboBox1.SetEnabled(false);
        paymentBtn.SetEnabled(false);
        infoLabel.SetText("Search Results");
    }
    const bool hasAddress = !EmailAddress.Text().empty();
    emailBtn.SetEnabled(hasAddress);
    RenewBtn.SetEnabled(hasAddress);
}

// Each field is set in turn, and its change handler writes it back into the
// row before the next one is set.
void mainWindow::fillForm(int row) {
    // While a new member is entered, the last name shown decides whether it
    // can be saved, also when the field already shows this row's last name
    // and so raises no change.
    const std::string lastName = memberList.Cell(row, 0);
    if (LastName.Text() == lastName)
        LastName_TextChange();
    else
        LastName.SetText(lastName);
    firstName.SetText(memberList.Cell(row, 1));
    memberID.SetText(memberList.Cell(row, 2));
    EmailAddress.SetText(memberList.Cell(row, 3));
    HomePhone.SetText(memberList.Cell(row, 4));
    mobilePhone.SetText(memberList.Cell(row, 5));
    streetAddress.SetText(memberList.Cell(row, 6));
    cityFld.SetText(memberList.Cell(row, 7));
    postalZip.SetText(memberList.Cell(row, 8));
    provinceState.SetText(memberList.Cell(row, 9));
    joinedFld.SetText(memberList.Cell(row, 10));

    // A type matching no item leaves the box, and so the cell, as it was.
    const std::string type = memberList.Cell(row, 11);
    for (int item = 0; item < 4; ++item) {
        if (!SameText(type, kTypes[item]))
            continue;
        // The item's own spelling goes into the row even when the box already
        // shows that item and so raises no change.
        if (ComboBox1.Text() == kTypes[item])
            ComboBox1_TextChanged();
        else
            ComboBox1.SetListIndex(item);
        break;
    }

    companyFld.SetText(memberList.Cell(row, 12));
    dueFld.SetText(memberList.Cell(row, 14));
    notesFld.SetText(ReplaceAll(memberList.Cell(row, 16), "###", EndOfLine));
    CheckBox1.SetValue(SameText(memberList.Cell(row, 17), "active"));
}

void mainWindow::writeLive(int column, std::string_view text) {
    const int row = memberList.ListIndex();
    if (row < 0 || Globals::gAddingMember)
        return;
    memberList.SetCell(row, column, text);
}

void mainWindow::LastName_TextChange() {
    writeLive(0, LastName.Text());
    // While a new member is entered, a last name is all it takes to save.
    if (Globals::gAddingMember)
        saveBtn.SetEnabled(!LastName.Text().empty());
}

void mainWindow::firstName_TextChange() {
    writeLive(1, firstName.Text());
}
void mainWindow::memberID_TextChange() {
    writeLive(2, memberID.Text());
}
void mainWindow::EmailAddress_TextChange() {
    writeLive(3, EmailAddress.Text());
}
void mainWindow::HomePhone_TextChange() {
    writeLive(4, HomePhone.Text());
}
void mainWindow::mobilePhone_TextChange() {
    writeLive(5, mobilePhone.Text());
}
void mainWindow::streetAddress_TextChange() {
    writeLive(6, streetAddress.Text());
}
void mainWindow::cityFld_TextChange() {
    writeLive(7, cityFld.Text());
}
void mainWindow::postalZip_TextChange() {
    writeLive(8, postalZip.Text());
}
void mainWindow::provinceState_TextChange() {
    writeLive(9, provinceState.Text());
}
void mainWindow::joinedFld_TextChange() {
    writeLive(10, joinedFld.Text());
}
void mainWindow::ComboBox1_TextChanged() {
    writeLive(11, ComboBox1.Text());
}
void mainWindow::companyFld_TextChange() {
    writeLive(12, companyFld.Text());
}

void mainWindow::notesFld_TextChange() {
    // No cell may hold a line end: notes keep theirs as "###".
    writeLive(16, ReplaceAll(notesFld.Text(), EndOfLine, "###"));
}

void mainWindow::CheckBox1_Action() {
    // The status is written even while a new member is entered.
    const int row = memberList.ListIndex();
    if (row < 0)
        return;
    memberList.SetCell(row, 17, CheckBox1.Value() ? "Active" : "Inactive");
}

void mainWindow::ClearFlds() {
    for (TextField* field :
         {&firstName, &LastName, &EmailAddress, &HomePhone, &mobilePhone, &streetAddress, &cityFld,
          &provinceState, &postalZip, &joinedFld, &dueFld, &memberID})
        field->SetText({});
    notesFld.SetText({});
}

void mainWindow::blockFields() {
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* field = dynamic_cast<TextField*>(&ControlAt(i)))
            field->SetEnabled(false);
        EventLoop::Turn();
    }
    notesFld.SetEnabled(false);
}

void mainWindow::unblockFields() {
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* field = dynamic_cast<TextField*>(&ControlAt(i)))
            field->SetEnabled(true);
        EventLoop::Turn();
    }
    notesFld.SetEnabled(true);
}

// The record form: selecting a row fills the form, and every change of a field
// goes straight into the selected row.

#include "core/Column.h"
#include "core/MemberRow.h"
#include "platform/EventLoop.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

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
        lockFormUnderFilter();
        infoLabel.SetText("Search Results");
    }
    const bool hasAddress = !EmailAddress.Text().empty();
    emailBtn.SetEnabled(hasAddress);
    RenewBtn.SetEnabled(hasAddress);
}

void mainWindow::lockFormUnderFilter() {
    saveBtn.SetEnabled(false);
    blockFields();
    ComboBox1.SetEnabled(false);
    paymentBtn.SetEnabled(false);
}

void mainWindow::clearSelection() {
    if (memberList.ListIndex() < 0)
        memberList_Change();
    else
        memberList.SetListIndex(-1);
}

// Each field is set in turn, and its change handler writes it back into the
// row before the next one is set.
void mainWindow::fillForm(int row) {
    auto cell = [&](Column column) { return memberList.Cell(row, +column); };
    // While a new member is entered, the last name shown decides whether it
    // can be saved, also when the field already shows this row's last name
    // and so raises no change.
    const std::string lastName = cell(Column::LastName);
    if (LastName.Text() == lastName)
        LastName_TextChange();
    else
        LastName.SetText(lastName);
    firstName.SetText(cell(Column::FirstName));
    memberID.SetText(cell(Column::MemberID));
    EmailAddress.SetText(cell(Column::Email));
    HomePhone.SetText(cell(Column::HomePhone));
    mobilePhone.SetText(cell(Column::MobilePhone));
    streetAddress.SetText(cell(Column::Street));
    cityFld.SetText(cell(Column::City));
    postalZip.SetText(cell(Column::PostalCode));
    provinceState.SetText(cell(Column::Province));
    joinedFld.SetText(cell(Column::Joined));

    // A type matching no item leaves the box, and so the cell, as it was.
    const int item = MembershipTypeIndex(cell(Column::Type));
    if (item >= 0) {
        // The item's own spelling goes into the row even when the box already
        // shows that item and so raises no change.
        if (ComboBox1.Text() == kMembershipTypes[size_t(item)])
            ComboBox1_TextChanged();
        else
            ComboBox1.SetListIndex(item);
    }

    companyFld.SetText(cell(Column::Company));
    dueFld.SetText(cell(Column::DueDate));
    notesFld.SetText(NotesText(cell(Column::Notes)));
    CheckBox1.SetValue(IsActiveStatus(cell(Column::Status)));
}

void mainWindow::writeLive(Column column, std::string_view text) {
    const int row = memberList.ListIndex();
    if (row < 0 || Globals::gAddingMember)
        return;
    memberList.SetCell(row, +column, text);
}

void mainWindow::LastName_TextChange() {
    writeLive(Column::LastName, LastName.Text());
    // While a new member is entered, a last name is all it takes to save, but
    // only into the whole roll: a filtered list never reaches the file.
    if (Globals::gAddingMember)
        saveBtn.SetEnabled(!LastName.Text().empty() && !Globals::gSearchOn);
}

void mainWindow::firstName_TextChange() {
    writeLive(Column::FirstName, firstName.Text());
}
void mainWindow::memberID_TextChange() {
    writeLive(Column::MemberID, memberID.Text());
}
void mainWindow::EmailAddress_TextChange() {
    writeLive(Column::Email, EmailAddress.Text());
}
void mainWindow::HomePhone_TextChange() {
    writeLive(Column::HomePhone, HomePhone.Text());
}
void mainWindow::mobilePhone_TextChange() {
    writeLive(Column::MobilePhone, mobilePhone.Text());
}
void mainWindow::streetAddress_TextChange() {
    writeLive(Column::Street, streetAddress.Text());
}
void mainWindow::cityFld_TextChange() {
    writeLive(Column::City, cityFld.Text());
}
void mainWindow::postalZip_TextChange() {
    writeLive(Column::PostalCode, postalZip.Text());
}
void mainWindow::provinceState_TextChange() {
    writeLive(Column::Province, provinceState.Text());
}
void mainWindow::joinedFld_TextChange() {
    writeLive(Column::Joined, joinedFld.Text());
}
void mainWindow::ComboBox1_TextChanged() {
    writeLive(Column::Type, ComboBox1.Text());
}
void mainWindow::companyFld_TextChange() {
    writeLive(Column::Company, companyFld.Text());
}

void mainWindow::notesFld_TextChange() {
    // No cell may hold a line end: notes keep theirs as "###".
    writeLive(Column::Notes, NotesCell(notesFld.Text()));
}

void mainWindow::CheckBox1_Action() {
    // The status is written even while a new member is entered.
    const int row = memberList.ListIndex();
    if (row < 0)
        return;
    memberList.SetCell(row, +Column::Status, StatusText(CheckBox1.Value()));
}

void mainWindow::ClearFlds() {
    for (TextField* field :
         {&firstName, &LastName, &EmailAddress, &HomePhone, &mobilePhone, &streetAddress, &cityFld,
          &provinceState, &postalZip, &joinedFld, &dueFld, &memberID})
        field->SetText({});
    notesFld.SetText({});
}

void mainWindow::blockFields() {
    setFieldsEnabled(false);
}

void mainWindow::unblockFields() {
    setFieldsEnabled(true);
}

void mainWindow::setFieldsEnabled(bool enabled) {
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* field = dynamic_cast<TextField*>(&ControlAt(i)))
            field->SetEnabled(enabled);
        EventLoop::Turn();
    }
    notesFld.SetEnabled(enabled);
}

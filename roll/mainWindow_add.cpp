// Adding members: the empty form, the proposed member number, and the save.

#include "core/Column.h"
#include "core/MemberMail.h"
#include "core/MemberNumber.h"
#include "core/MemberRow.h"
#include "platform/Date.h"
#include "platform/Dialogs.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

void mainWindow::AddMember() {
    memberList.SetListIndex(-1);
    unblockFields();
    infoLabel.SetText("Add New Member - click 'SAVE NEW MEMBER' after entering member information");
    saveBtn.SetVisible(true);
    saveBtn.SetEnabled(false);
    ClearFlds();
    Date today;
    joinedFld.SetText(today.ShortDate());
    today.SetYear(today.Year() + 1);
    dueFld.SetText(today.ShortDate());
    doMemberNumber();
    ComboBox1.SetEnabled(true);
    // Set last, so the proposals above are not written into any row.
    Globals::gAddingMember = true;
}

void mainWindow::doMemberNumber() {
    const MemberNumber::Proposal proposal = MemberNumber::Next(Globals::gProgramDataFolder);
    if (!proposal.readable)
        MsgBox("The selected file is not a text file.");
    memberID.SetText(proposal.number);
}

void mainWindow::saveBtn_Action() {
    // A member that can't be stored gets no number and no welcome e-mail; it
    // stays in the form, as typed.
    if (Globals::rollSavesRefused())
        return;
    Globals::gAddingMember = true;
    AddNewMember(memberList.Rows(), newMemberFromForm(), Date().Year());
    infoLabel.SetText("Member Information");

    if (offerToSend("Do you want to send a '" + kWelcomeNotice.subject + "' email?")) {
        if (EmailAddress.Text().empty())
            MsgBox("No email address available.");
        else
            sendNotice(kWelcomeNotice);
    }

    // A number file that can't be written is told; the member is saved all
    // the same, and only the next proposal is off.
    if (const auto failure = MemberNumber::Store(Globals::gProgramDataFolder, memberID.Text()))
        ReportWriteFailure(Globals::gProgramDataFolder.Child(MemberNumber::kFileName), *failure);

    memberList.SortByColumn(+Column::LastName);
    // No row was selected during most adds, so the form is emptied and shut
    // here, not by a change of the selection.
    clearSelection();
    Globals::gAddingMember = false;
    Globals::saveRoll(memberList);
    saveBtn.SetEnabled(false);
}

NewMember mainWindow::newMemberFromForm() const {
    NewMember member;
    member.lastName = LastName.Text();
    member.firstName = firstName.Text();
    member.memberID = memberID.Text();
    member.email = EmailAddress.Text();
    member.homePhone = HomePhone.Text();
    member.mobilePhone = mobilePhone.Text();
    member.street = streetAddress.Text();
    member.city = cityFld.Text();
    member.postalCode = postalZip.Text();
    member.province = provinceState.Text();
    member.joined = joinedFld.Text();
    // The item chosen, never text typed into the box.
    member.typeIndex = ComboBox1.ListIndex();
    member.company = companyFld.Text();
    member.dueDate = dueFld.Text();
    member.notes = notesFld.Text();
    member.active = CheckBox1.Value();
    return member;
}

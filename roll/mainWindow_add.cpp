// Adding members: the empty form, the proposed member number, and the save.

#include "platform/Date.h"
#include "platform/Dialogs.h"
#include "platform/Streams.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <cmath>

namespace {

// The next member number after the text stored last: the number it begins
// with, plus one, cut to a whole number.
std::string nextMemberNumber(std::string_view stored) {
    const double next = std::trunc(Val(stored) + 1);
    // A number too large for whole digits gives no proposal rather than garbage.
    if (!std::isfinite(next) || std::fabs(next) > 9e15)
        return {};
    return Str(static_cast<long long>(next));
}

}  // namespace

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
    const FolderItem file = Globals::gProgramDataFolder.Child("LastMemberNumber");
    std::string number = "6000001";
    if (file.Exists()) {
        if (auto in = file.OpenAsTextFile()) {
            number = nextMemberNumber(in->ReadAll());
            in->Close();
        } else {
            MsgBox("The selected file is not a text file.");
            number.clear();
        }
    }
    memberID.SetText(number);
}

void mainWindow::saveBtn_Action() {
    Globals::gAddingMember = true;
    memberList.AddRow({});
    const int row = memberList.LastIndex();
    memberList.SetCell(row, 0, LastName.Text());
    memberList.SetCell(row, 1, firstName.Text());
    memberList.SetCell(row, 2, memberID.Text());
    memberList.SetCell(row, 3, EmailAddress.Text());
    memberList.SetCell(row, 4, HomePhone.Text());
    memberList.SetCell(row, 5, mobilePhone.Text());
    memberList.SetCell(row, 6, streetAddress.Text());
    memberList.SetCell(row, 7, cityFld.Text());
    memberList.SetCell(row, 8, postalZip.Text());
    memberList.SetCell(row, 9, provinceState.Text());
    memberList.SetCell(row, 10, joinedFld.Text());
    switch (ComboBox1.ListIndex()) {
        case 0:
            memberList.SetCell(row, 11, "Individual");
            break;
        case 1:
            memberList.SetCell(row, 11, "Family");
            break;
        case 2:
            memberList.SetCell(row, 11, "Organization");
            break;
        case 3:
            memberList.SetCell(row, 11, "Other");
            break;
        default:
            break;
    }
    memberList.SetCell(row, 12, companyFld.Text());
    memberList.SetCell(row, 13, "Paid");
    memberList.SetCell(row, 14, dueFld.Text());
    memberList.SetCell(row, 15, Str(Date().Year()));
    memberList.SetCell(row, 16, ReplaceAll(notesFld.Text(), EndOfLine, "###"));
    memberList.SetCell(row, 17, CheckBox1.Value() ? "active" : "Inactive");

    infoLabel.SetText("Member Information");

    MessageDialog welcome;
    welcome.Icon = MessageDialog::QuestionIcon;
    welcome.ActionCaption = "Send";
    welcome.CancelVisible = true;
    welcome.Message = "Do you want to send a 'Welcome to Pellam' email?";
    if (welcome.ShowModal() == MessageDialog::Button::Action) {
        const std::string recipient = EmailAddress.Text();
        if (recipient.empty())
            MsgBox("No email address available.");
        else
            sendTemplateMail(recipient, "Welcome to Pellam", "membWelcomeText");
    }

    // A number file that can't be written is told; the member is saved all
    // the same, and only the next proposal is off.
    const FolderItem numberFile = Globals::gProgramDataFolder.Child("LastMemberNumber");
    if (auto out = numberFile.CreateTextFile()) {
        out->Write(memberID.Text());
        if (!out->Close())
            ReportWriteFailure(numberFile, out->ErrorText());
    } else {
        ReportWriteFailure(numberFile, FolderItem::LastWriteError());
    }

    memberList.SortByColumn(0);
    memberList.SetListIndex(-1);
    Globals::gAddingMember = false;
    if (!Globals::gSearchOn)
        Globals::saveListbox(memberList, "rkMemberList");
    saveBtn.SetEnabled(false);
}

// Paid/due rules, payments and the member e-mails of the main window.

#include "platform/Date.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Streams.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/MailBody.h"
#include "roll/mainWindow.h"

#include <charconv>
#include <cmath>

namespace {

// The decimal digits of a whole number of any size, as a year that is not a
// date may be.
std::string wholeNumberText(double value) {
    char digits[400];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 0);
    return std::string(digits, end.ptr);
}

}  // namespace

// The start-up pass. Unlike the live rule it also looks at the year paid, so a
// member who paid this year stays "Paid" until the due date is touched, and it
// leaves rows without a due date alone.
void mainWindow::SetDueStatus() {
    const Date today;
    const int count = memberList.ListCount();
    for (int row = 0; row < count; ++row) {
        const std::string due = memberList.Cell(row, 14);
        if (!due.empty()) {
            const double dueYear = Val(NthField(due, "-", 1));
            const double dueMonth = Val(NthField(due, "-", 2));
            const double yearPaid = Val(memberList.Cell(row, 15));
            // The day never counts: a membership is due from the first of its month.
            const bool isDue =
                today.Year() + 1 > dueYear && today.Year() > yearPaid && today.Month() >= dueMonth;
            memberList.SetCell(row, 13, isDue ? "Due" : "Paid");
        }
        EventLoop::Turn();
    }
    if (!Globals::gSearchOn)
        Globals::saveListbox(memberList, "rkMemberList");
    Globals::loadListBox(memberList, "rkMemberList");
}

// The live rule: the due date alone decides.
void mainWindow::dueFld_TextChange() {
    if (Globals::gAddingMember)
        return;
    const int row = memberList.ListIndex();
    if (row < 0)
        return;
    const std::string due = dueFld.Text();
    memberList.SetCell(row, 14, due);
    const double dueYear = std::trunc(Val(NthField(due, "-", 1)));
    const double dueMonth = std::trunc(Val(NthField(due, "-", 2)));
    const Date today;
    const bool paid = dueYear > today.Year() || dueMonth > today.Month();
    memberList.SetCell(row, 13, paid ? "Paid" : "Due");
}

void mainWindow::paymentBtn_Action() {
    doPaymentMade();
}

void mainWindow::doPaymentMade() {
    const Date today;
    const int row = memberList.ListIndex();
    if (row >= 0) {
        memberList.SetCell(row, 13, "Paid");
        memberList.SetCell(row, 15, Str(today.Year()));
    }
    const std::string due = dueFld.Text();
    if (!Globals::gAddingMember && !due.empty()) {
        // Month and day are taken over exactly as they stand; setting the
        // field runs the live rule, which stores the date and marks the row.
        const double nextYear = std::trunc(Val(NthField(due, "-", 1))) + 1;
        dueFld.SetText(wholeNumberText(nextYear) + "-" + NthField(due, "-", 2) + "-" +
                       NthField(due, "-", 3));
    }

    MessageDialog offer;
    offer.Icon = MessageDialog::QuestionIcon;
    offer.ActionCaption = "Send";
    offer.CancelVisible = true;
    offer.Message = "Do you want to send a 'Payment Received' email?";
    if (offer.ShowModal() == MessageDialog::Button::Action)
        sendTemplateMail(EmailAddress.Text(), "Pellam Membership Payment Received",
                         "PaymentRecText");
}

void mainWindow::RenewBtn_Action() {
    const std::string recipient = EmailAddress.Text();
    if (recipient.empty()) {
        MsgBox("No email address available.");
        return;
    }
    // Without a renewal text there is nothing to remind of.
    if (!Globals::gProgramDataFolder.Child("membDueText").Exists())
        return;
    sendTemplateMail(recipient, "Pellam Membership Renewal", "membDueText");
}

void mainWindow::emailBtn_Action() {
    const std::string body = mailHeader();
    const std::string recipient = EmailAddress.Text();
    if (recipient.empty()) {
        MsgBox("No email address available.");
        return;
    }
    MailBody({recipient, "Pellam Message", body});
}

std::string mainWindow::mailHeader() const {
    return "Pellam Member Number: " + memberID.Text() + std::string(EndOfLine) +
           std::string(EndOfLine);
}

void mainWindow::sendTemplateMail(const std::string& recipient, std::string_view subject,
                                  std::string_view templateName) {
    std::string body;
    if (auto in = Globals::gProgramDataFolder.Child(templateName).OpenAsTextFile()) {
        body = mailHeader() + in->ReadAll();
        in->Close();
    } else {
        MsgBox("The selected file is not a text file.");
    }
    MailBody({recipient, std::string(subject), body});
}

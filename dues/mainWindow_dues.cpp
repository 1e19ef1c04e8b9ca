// Paid/due rules, payments and the member e-mails of the main window.

#include "core/DueRules.h"
#include "core/MemberMail.h"
#include "platform/Date.h"
#include "platform/Dialogs.h"
#include "roll/Globals.h"
#include "roll/MailBody.h"
#include "roll/mainWindow.h"

// The start-up pass. Unlike the live rule it also looks at the year paid, so a
// member who paid this year stays "Paid" until the due date is touched, and it
// leaves rows without a due date alone.
void mainWindow::SetDueStatus() {
    ::SetDueStatus(memberList.Rows(), Date());
    Globals::saveRoll(memberList);
    Globals::loadListBox(memberList, Roll::kFileName);
}

// The live rule: the due date alone decides.
void mainWindow::dueFld_TextChange() {
    if (Globals::gAddingMember || memberList.ListIndex() < 0)
        return;
    ApplyDueDate(memberList.Rows(), memberList.ListIndex(), dueFld.Text(), Date());
}

void mainWindow::paymentBtn_Action() {
    doPaymentMade();
}

void mainWindow::doPaymentMade() {
    const Date today;
    if (memberList.ListIndex() >= 0)
        RecordPayment(memberList.Rows(), memberList.ListIndex(), today);
    // Setting the field runs the live rule, which stores the date and marks
    // the row again.
    if (!Globals::gAddingMember && !dueFld.Text().empty())
        dueFld.SetText(NextDueDate(dueFld.Text()));
    if (offerToSend("Do you want to send a 'Payment Received' email?"))
        sendNotice(kPaymentNotice);
}

void mainWindow::RenewBtn_Action() {
    if (EmailAddress.Text().empty()) {
        MsgBox("No email address available.");
        return;
    }
    // Without a renewal text there is nothing to remind of.
    if (!Globals::gProgramDataFolder.Child(kRenewalNotice.templateName).Exists())
        return;
    sendNotice(kRenewalNotice);
}

void mainWindow::emailBtn_Action() {
    const MemberMail mail = PlainMail(EmailAddress.Text(), memberID.Text());
    if (mail.recipient.empty()) {
        MsgBox("No email address available.");
        return;
    }
    MailBody({mail.recipient, mail.subject, mail.body});
}

bool mainWindow::offerToSend(std::string_view question) const {
    return AskQuestion(MessageDialog::QuestionIcon, question, "", "Send");
}

void mainWindow::sendNotice(const Notice& notice) {
    const ComposedNotice composed =
        ComposeNotice(notice, Globals::gProgramDataFolder, EmailAddress.Text(), memberID.Text());
    if (!composed.templateRead)
        MsgBox("The selected file is not a text file.");
    MailBody({composed.mail.recipient, composed.mail.subject, composed.mail.body});
}

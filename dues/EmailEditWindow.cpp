#include "dues/EmailEditWindow.h"

#include "core/EmailTemplates.h"
#include "platform/Dialogs.h"
#include "roll/Globals.h"

EmailEditWindow::EmailEditWindow() {
    SetTitle("Renewal Email Message");
    SetContentSize(802, 468);
    SetResizable(true);
    SetMinimizable(true);
    SetMaximizable(true);
    CenterOnScreen();

    Add(TabPanel1, 32, 20, 738, 390);
    for (const char* caption : {"Member Welcome", "Member Renewal", "Payment Received"})
        TabPanel1.Append(caption);
    int panel = 0;
    for (TextArea* area : {&MembWelcomeFld, &membDueFld, &paymentRecFld}) {
        Add(*area, TabPanel1, panel++, 52, 58, 698, 332);
        area->SetSpellChecking(true);
    }
    TabPanel1.SetValue(0);
    Add(PushButton1, 690, 428, 80, 20);

    MembWelcomeFld.TextChange = [this] { MembWelcomeFld_TextChange(); };
    membDueFld.TextChange = [this] { membDueFld_TextChange(); };
    paymentRecFld.TextChange = [this] { paymentRecFld_TextChange(); };
    PushButton1.Action = [this] { PushButton1_Action(); };
}

TextArea& EmailEditWindow::areaFor(std::string_view templateName) {
    if (templateName == kWelcomeTemplate)
        return MembWelcomeFld;
    if (templateName == kRenewalTemplate)
        return membDueFld;
    return paymentRecFld;
}

void EmailEditWindow::Event_Open() {
    for (std::string_view name : kEmailTemplates) {
        const EmailTemplate loaded = LoadEmailTemplate(Globals::gProgramDataFolder, name);
        areaFor(name).SetText(loaded.text);
        if (loaded.readError.empty())
            continue;
        unreadTemplates_.insert(name);
        MsgBox("The e-mail text \"" + Globals::gProgramDataFolder.Child(name).Path().string() +
               "\" could not be read: " + loaded.readError +
               ". Its tab starts empty, and Save leaves the file as it is unless you type into "
               "that tab.");
    }
    // Filling the areas marked them changed; nothing is, yet.
    emailTextChanged = false;
}

void EmailEditWindow::typedInto(std::string_view templateName) {
    emailTextChanged = true;
    unreadTemplates_.erase(templateName);
}

void EmailEditWindow::MembWelcomeFld_TextChange() {
    typedInto(kWelcomeTemplate);
}

void EmailEditWindow::membDueFld_TextChange() {
    typedInto(kRenewalTemplate);
}

void EmailEditWindow::paymentRecFld_TextChange() {
    typedInto(kPaymentTemplate);
}

void EmailEditWindow::PushButton1_Action() {
    saveTemplates();
}

bool EmailEditWindow::saveTemplates() {
    bool saved = true;
    for (std::string_view name : kEmailTemplates) {
        if (unreadTemplates_.contains(name))
            continue;
        if (auto failure =
                SaveEmailTemplate(Globals::gProgramDataFolder, name, areaFor(name).Text())) {
            ReportWriteFailure(Globals::gProgramDataFolder.Child(name), *failure);
            saved = false;
        }
    }
    if (saved)
        emailTextChanged = false;
    return saved;
}

bool EmailEditWindow::Event_CancelClose(bool) {
    if (!emailTextChanged)
        return false;
    const std::optional<bool> save = AskUnlessUnattended(
        MessageDialog::CautionIcon, "Do you want to save changes tbefore closing?",
        "If you don't save, your changes will be lost. ", "Save", "Don't Save");
    // Nobody is there to answer: the texts are kept, as the roll is.
    if (!save) {
        saveTemplates();
        return false;
    }
    // Texts that could not be written stay open in the editor, and a quit
    // waits for them.
    if (*save)
        return !saveTemplates();
    // "Don't Save": the changes go with the window, and a quit that asked
    // goes on, as the question's explanation promises.
    emailTextChanged = false;
    return false;
}

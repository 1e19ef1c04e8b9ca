#include "dues/EmailEditWindow.h"

#include "core/EmailTemplates.h"
#include "platform/Application.h"
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
    for (std::string_view name : kEmailTemplates)
        areaFor(name).SetText(LoadEmailTemplate(Globals::gProgramDataFolder, name));
    // Filling the areas marked them changed; nothing is, yet.
    emailTextChanged = false;
}

void EmailEditWindow::MembWelcomeFld_TextChange() {
    emailTextChanged = true;
}

void EmailEditWindow::membDueFld_TextChange() {
    emailTextChanged = true;
}

void EmailEditWindow::paymentRecFld_TextChange() {
    emailTextChanged = true;
}

void EmailEditWindow::PushButton1_Action() {
    saveTemplates();
}

bool EmailEditWindow::saveTemplates() {
    bool saved = true;
    for (std::string_view name : kEmailTemplates) {
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

bool EmailEditWindow::Event_CancelClose(bool appQuitting) {
    if (!emailTextChanged)
        return false;
    // Nobody is there to answer: the texts are kept, as the roll is.
    if (appQuitting && Application::QuitIsUnattended()) {
        saveTemplates();
        return false;
    }

    // The other answer throws the changes away, and says so.
    if (AskQuestion(MessageDialog::CautionIcon, "Do you want to save changes tbefore closing?",
                    "If you don't save, your changes will be lost. ", "Save", "Don't Save")) {
        // Texts that could not be written stay open in the editor, and a
        // quit waits for them.
        return !saveTemplates();
    }
    // Closing with the flag cleared asks nothing again. Refusing the request
    // that brought us here stops a quit: the program goes on without the editor.
    emailTextChanged = false;
    Close();
    return true;
}

#include "roll/mainWindow.h"

#include "core/Column.h"
#include "core/ListFilters.h"
#include "core/MemberFile.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FocusOrder.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/MainMenuBar.h"
#include "roll/Pictures.h"

#include <cstdio>

mainWindow::mainWindow() {
    SetTitle("Rollkeep");
    SetContentSize(1098, 641);
    SetResizable(false);
    SetMaximizable(false);
    SetMinimizable(true);
    CenterOnScreen();
    SetVisibleAtCreation(true);
    SetMenuBar(MainMenuBar::instance());
    buildLayout();
    connectHandlers();
    AddMenuHandlers();
    memberList_Open();
    Toolbar11_Open();
    // Every load of the roll shows the count of the rows here, whichever list
    // it filled.
    Globals::gRollLoaded = [this] { memberCountFld.SetText(Str(memberList.ListCount())); };
}

mainWindow::~mainWindow() {
    // A closed window can go after the next one was made, whose hook stays.
    const mainWindow* shown = existing();
    if (!shown || shown == this)
        Globals::gRollLoaded = nullptr;
}

void mainWindow::buildLayout() {
    // The frame comes first, so the form's controls can go into it.
    Add(GroupBox1, 20, 251, 1053, 370);

    Add(searchFld, 24, 20, 168, 22);
    Add(PushButton1, 204, 21, 119, 20);
    Add(infoLabel, 335, 14, 724, 34);
    infoLabel.SetTextSize(20);
    infoLabel.SetAlignment(Align::Right);
    Add(memberList, 24, 54, 1054, 154);
    Add(Label19, 24, 219, 108, 20);
    Add(memberCountFld, 133, 219, 80, 22);
    memberCountFld.SetReadOnly(true);
    memberCountFld.SetAlignment(Align::Center);

    struct FormRow {
        Label& label;
        int labelLeft, labelTop, labelWidth;
        Control& field;
        int left, top, width, height;
    };
    const FormRow form[] = {
        {Label2, 54, 263, 100, firstName, 54, 283, 217, 22},
        {Label3, 283, 263, 100, LastName, 283, 283, 201, 22},
        {Label14, 496, 263, 100, memberID, 496, 283, 260, 22},
        {Label18, 54, 317, 100, EmailAddress, 54, 337, 309, 22},
        {Label6, 54, 373, 100, HomePhone, 54, 393, 309, 22},
        {Label11, 375, 373, 100, streetAddress, 375, 393, 381, 22},
        {Label7, 54, 427, 100, mobilePhone, 54, 449, 309, 22},
        {Label5, 375, 428, 100, cityFld, 375, 449, 241, 22},
        {Label1, 773, 428, 100, notesFld, 773, 449, 266, 78},
        {Label9, 54, 483, 100, companyFld, 54, 503, 309, 22},
        {Label12, 375, 483, 100, provinceState, 375, 503, 241, 22},
        {Label13, 630, 483, 100, postalZip, 630, 503, 126, 22},
        {Label10, 54, 538, 133, ComboBox1, 54, 559, 141, 20},
        {Label8, 215, 537, 100, joinedFld, 213, 558, 170, 22},
        {Label16, 405, 539, 146, dueFld, 405, 558, 170, 22},
    };
    for (const FormRow& row : form) {
        Add(row.label, GroupBox1, row.labelLeft, row.labelTop, row.labelWidth, 20);
        Add(row.field, GroupBox1, row.left, row.top, row.width, row.height);
        row.field.SetEnabled(false);
    }
    Add(CheckBox1, GroupBox1, 630, 450, 143, 20);

    notesFld.SetEnabled(true);
    notesFld.SetSpellChecking(true);
    for (std::string_view type : kMembershipTypes)
        ComboBox1.AddRow(type);
    ComboBox1.SetListIndex(0);
    joinedFld.SetAlignment(Align::Center);
    dueFld.SetAlignment(Align::Center);

    Add(Label17, GroupBox1, 775, 276, 264, 34);
    Label17.SetTextFont("Aldrich");
    Label17.SetTextSize(32);
    Label17.SetAlignment(Align::Center);
    Add(emailBtn, GroupBox1, 377, 337, 107, 20);
    emailBtn.SetEnabled(false);
    Add(RenewBtn, GroupBox1, 503, 338, 180, 20);
    RenewBtn.SetEnabled(false);
    Add(Canvas1, GroupBox1, 855, 317, 101, 110);
    Canvas1.SetBackdrop(groupclipartusergroup43());
    Add(Label22, GroupBox1, 442, 579, 100, 20);
    Label22.SetTextColor(102, 102, 102);
    Label22.SetAlignment(Align::Center);
    Add(paymentBtn, GroupBox1, 587, 560, 169, 20);
    Add(saveBtn, GroupBox1, 812, 551, 181, 34);
    saveBtn.SetTextSize(18);
    saveBtn.SetEnabled(false);

    SetToolbar(Toolbar11);

    SetFocusOrder({&firstName, &LastName, &memberID, &EmailAddress, &HomePhone, &mobilePhone,
                   &companyFld, &streetAddress, &cityFld, &provinceState, &postalZip, &ComboBox1,
                   &joinedFld, &dueFld, &notesFld, &CheckBox1});
    SetFocusOrder({&memberList, &firstName});
    SetFocusOrder({&CheckBox1, &searchFld, &PushButton1, &memberCountFld});
}

void mainWindow::connectHandlers() {
    memberList.Change = [this] { memberList_Change(); };
    memberList.CellBackgroundPaint = memberList_CellBackgroundPaint;
    LastName.TextChange = [this] { LastName_TextChange(); };
    firstName.TextChange = [this] { firstName_TextChange(); };
    memberID.TextChange = [this] { memberID_TextChange(); };
    EmailAddress.TextChange = [this] { EmailAddress_TextChange(); };
    HomePhone.TextChange = [this] { HomePhone_TextChange(); };
    mobilePhone.TextChange = [this] { mobilePhone_TextChange(); };
    streetAddress.TextChange = [this] { streetAddress_TextChange(); };
    cityFld.TextChange = [this] { cityFld_TextChange(); };
    postalZip.TextChange = [this] { postalZip_TextChange(); };
    provinceState.TextChange = [this] { provinceState_TextChange(); };
    joinedFld.TextChange = [this] { joinedFld_TextChange(); };
    ComboBox1.TextChanged = [this] { ComboBox1_TextChanged(); };
    companyFld.TextChange = [this] { companyFld_TextChange(); };
    dueFld.TextChange = [this] { dueFld_TextChange(); };
    notesFld.TextChange = [this] { notesFld_TextChange(); };
    CheckBox1.Action = [this] { CheckBox1_Action(); };
    searchFld.TextChange = [this] { searchFld_TextChange(); };
    searchFld.KeyUp = [this](std::string_view key) { searchFld_KeyUp(key); };
    PushButton1.Action = [this] { PushButton1_Action(); };
    saveBtn.Action = [this] { saveBtn_Action(); };
    emailBtn.Action = [this] { emailBtn_Action(); };
    RenewBtn.Action = [this] { RenewBtn_Action(); };
    paymentBtn.Action = [this] { paymentBtn_Action(); };
    Toolbar11.Action = [this](ToolButton& item) { Toolbar11_Action(item); };
    Toolbar11.DropDownMenuAction = [this](ToolButton& item, MenuItem& hitItem) {
        Toolbar11_DropDownMenuAction(item, hitItem);
    };
}

void mainWindow::Event_Open() {
    // A main window made again after the first was closed loads the whole
    // roll, so it is no filtered view, and it is no half-entered new member
    // whose form could never be saved.
    Globals::gSearchOn = false;
    Globals::gAddingMember = false;

    // The folder the application locked; made again if it has gone.
    if (!Globals::gProgramDataFolder.Exists())
        Globals::gProgramDataFolder.CreateAsFolder();
    Globals::loadListBox(memberList, Roll::kFileName);
    Application::StartUpLoaded();
    // An unreadable roll leaves the list empty: the paid/due pass would find
    // nothing to mark, and its save would only be refused after this message.
    if (const auto failure = MemberFile::FailedRead(Globals::gProgramDataFolder, Roll::kFileName))
        MsgBox("The member list \"" + failure->file.Path().string() +
               "\" could not be read: " + failure->reason +
               ". It is left as it is, and nothing will be written over it until Rollkeep is "
               "started again.");
    else
        SetDueStatus();
}

bool mainWindow::Event_CancelClose(bool) {
    if (!Globals::saveRoll(memberList) && !mayCloseUnsaved())
        return true;
    SetVisible(false);
    return false;
}

void mainWindow::Event_Close() {
    // Saved once more as the window goes, unless the user chose to close
    // without saving.
    if (!closingUnsaved_)
        Globals::saveRoll(memberList);
}

bool mainWindow::mayCloseUnsaved() {
    const std::optional<bool> closeAnyway = AskUnlessUnattended(
        MessageDialog::CautionIcon, "The member list could not be saved. Close the window anyway?",
        "The members stay in the window while it is open. If you close it, the changes made "
        "since the member list was last saved are lost.",
        "Close Anyway");
    if (!closeAnyway)
        std::fputs("Rollkeep: the member list could not be saved; its changes are lost.\n", stderr);
    else if (!*closeAnyway)
        return false;
    closingUnsaved_ = true;
    return true;
}

void mainWindow::memberList_Open() {
    for (int column = 0; column < kColumnCount; ++column)
        memberList.SetHeading(column, kColumnHeadings[size_t(column)]);
}

bool mainWindow::memberList_CellBackgroundPaint(CellGraphics& g, int row, int) {
    if (row % 2 == 0)
        g.SetForeColor(217, 233, 255);
    else
        g.SetForeColor(255, 255, 255);
    g.FillRect(0, 0, g.Width(), g.Height());
    return false;
}

void mainWindow::Toolbar11_Open() {
    auto findMenu = std::make_unique<ToolButton>();
    findMenu->Style = ToolButton::DropDownStyle;
    findMenu->Caption = "Find Members";
    findMenu->Name = "FindMenu";
    findMenu->Icon = findIcon();
    auto root = std::make_unique<MenuItem>();
    for (const FindMenuItem& item : kFindMenuItems)
        root->Append(std::make_unique<MenuItem>(item.text));
    findMenu->DropDownMenu = std::move(root);
    Toolbar11.Append(std::move(findMenu));
}

void mainWindow::Toolbar11_Action(ToolButton& item) {
    const std::string& name = item.Name;
    if (SameText(name, "Counts")) {
        Globals::saveRoll(memberList);
        showCounts();
    } else if (SameText(name, "Print")) {
        PrintChecklist();
    } else if (SameText(name, "AddButton")) {
        AddMember();
    } else if (SameText(name, "DeleteButton")) {
        DeleteMember();
    } else if (SameText(name, "ShowAllMembers")) {
        ShowAllMembers();
    }
}

#include "exchange/CustomImportWindow.h"

#include "core/MemberFile.h"
#include "platform/Dialogs.h"
#include "platform/FocusOrder.h"
#include "platform/Listbox.h"
#include "platform/Streams.h"
#include "platform/Text.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

CustomImportWindow::CustomImportWindow()
    : mappingFields_{&fname,   &lname,   &membID, &emailAdd, &hPhone, &mPhone, &streetAdd,
                     &cityFld, &codeFld, &ProvSt, &company,  &jDate,  &dDate,  &typeFld} {
    SetKind(WindowKind::Sheet);
    SetTitle("Custom Data Import");
    SetContentSize(667, 510);
    SetResizable(false);
    SetMaximizable(false);
    SetMinimizable(true);

    Add(StaticText8, 25, 24, 622, 48);
    StaticText8.SetItalic(true);
    StaticText8.SetMultiline(true);
    Add(StaticText12, 20, 76, 150, 20);
    StaticText12.SetBold(true);
    StaticText12.SetAlignment(Align::Center);
    Add(StaticText7, 161, 76, 149, 20);
    StaticText7.SetBold(true);
    StaticText7.SetAlignment(Align::Center);
    Add(Label7, 341, 158, 274, 140);
    Label7.SetTextSize(20);
    Label7.SetMultiline(true);

    Label* const labels[] = {&StaticText1, &StaticText3,  &StaticText2, &StaticText4, &StaticText5,
                             &StaticText6, &StaticText10, &StaticText9, &Label1,      &Label2,
                             &Label4,      &Label3,       &Label5,      &Label6};
    constexpr int labelTops[] = {99,  124, 148, 172, 196, 220, 244,
                                 268, 292, 316, 340, 364, 388, 409};
    constexpr int fieldTops[] = {97,  122, 146, 170, 194, 219, 242,
                                 266, 291, 315, 340, 363, 387, 411};
    for (int row = 0; row < kImportMappingCount; ++row) {
        Add(*labels[row], 63, labelTops[row], 160, 20);
        TextField& field = *mappingFields_[row];
        Add(field, 229, fieldTops[row], 41, 22);
        field.SetAlignment(Align::Center);
        field.SetText(Str(row + 1));
    }
    SetFocusOrder({&fname, &lname, &membID, &emailAdd, &hPhone, &mPhone, &streetAdd, &cityFld,
                   &codeFld, &ProvSt, &company, &jDate, &dDate, &typeFld});

    Add(PushButton1, 516, 409, 80, 20);
    PushButton1.SetDefault(true);
    PushButton1.Action = [this] { PushButton1_Action(); };
    Add(PushButton2, 424, 409, 80, 20);
    PushButton2.Action = [this] { PushButton2_Action(); };
}

void CustomImportWindow::PushButton1_Action() {
    const std::optional<FolderItem> chosen = GetOpenFile({"Select a data file", "TEXT;CSV"});
    if (!chosen)
        return;
    // The file's lines become rows of the roll, so it is held to the roll's bounds.
    auto [fileText, failure] = ReadWholeFile(*chosen, MemberFile::kLargestFile);
    if (failure.empty() && ImportLineCount(fileText) > MemberFile::kMostRows)
        failure = MemberFile::TooManyRows(fileText.size());
    if (!failure.empty()) {
        // Nothing has changed; the window stays for another file.
        MsgBox("The file \"" + chosen->Path().string() + "\" could not be read: " + failure + ".");
        return;
    }

    // The event loop's turns only paint, so no click, close or quit reaches
    // this window or the list until the rows are appended and saved.
    mainWindow& main = mainWindow::instance();
    // The rows go to the whole roll, which is then saved: a filtered list is
    // first replaced by the roll, exactly as the toolbar's Show All does.
    if (Globals::gSearchOn)
        main.ShowAllMembers();
    AppendImportedMembers(main.memberList.Rows(), fileText, mappingTexts());
    // A failed save is told by the save itself; the rows stay in the list.
    Globals::saveRoll(main.memberList);

    Close();
}

MappingTexts CustomImportWindow::mappingTexts() const {
    MappingTexts texts;
    for (int row = 0; row < kImportMappingCount; ++row)
        texts[row] = mappingFields_[row]->Text();
    return texts;
}

void CustomImportWindow::PushButton2_Action() {
    Close();
}

#pragma once

#include "core/MemberImport.h"
#include "platform/Label.h"
#include "platform/PushButton.h"
#include "platform/TextField.h"
#include "platform/Window.h"

// Appends members read from a comma-separated file to the roll. For each
// member field the user names the field of the file's lines that holds it,
// or 0 for none.
class CustomImportWindow : public Window {
public:
    CustomImportWindow();

    static CustomImportWindow& instance() { return Window::Instance<CustomImportWindow>(); }
    static CustomImportWindow* existing() { return Window::Existing<CustomImportWindow>(); }

    Label StaticText8{"StaticText8",
                      "Indicate which IMPORT DATA FIELDS correspond to the appropriate ROLLKEEP "
                      "FIELD below. \rIf the import data does not contain data for a Rollkeep "
                      "field enter a zero."};
    Label StaticText12{"StaticText12", "Rollkeep Field"};
    Label StaticText7{"StaticText7", "Import Data Field #"};
    Label Label7{"Label7", "Imported data must be in comma delimited format (.csv)."};

    // The mapping rows, top to bottom. The field beside "Last Name" is fname,
    // the one beside "First Name" lname; each fills its label's column.
    Label StaticText1{"StaticText1", "Last Name"};
    TextField fname{"fname"};
    Label StaticText3{"StaticText3", "First Name"};
    TextField lname{"lname"};
    Label StaticText2{"StaticText2", "Member ID"};
    TextField membID{"membID"};
    Label StaticText4{"StaticText4", "Email Address"};
    TextField emailAdd{"emailAdd"};
    Label StaticText5{"StaticText5", "Home Phone"};
    TextField hPhone{"hPhone"};
    Label StaticText6{"StaticText6", "Mobile Phone"};
    TextField mPhone{"mPhone"};
    Label StaticText10{"StaticText10", "Street Address"};
    TextField streetAdd{"streetAdd"};
    Label StaticText9{"StaticText9", "City"};
    TextField cityFld{"cityFld"};
    Label Label1{"Label1", "Postal/Zip Code"};
    TextField codeFld{"codeFld"};
    Label Label2{"Label2", "Province/State"};
    TextField ProvSt{"ProvSt"};
    Label Label4{"Label4", "Company"};
    TextField company{"company"};
    Label Label3{"Label3", "Date Joined"};
    TextField jDate{"jDate"};
    Label Label5{"Label5", "Fees Due Date"};
    TextField dDate{"dDate"};
    Label Label6{"Label6", "Type"};
    TextField typeFld{"typeFld"};

    PushButton PushButton1{"PushButton1", "Import"};
    PushButton PushButton2{"PushButton2", "Cancel"};

    void PushButton1_Action();
    void PushButton2_Action();

private:
    // The mapping fields' texts as they stand now, in the rows' order.
    MappingTexts mappingTexts() const;

    std::array<TextField*, kImportMappingCount> mappingFields_;
};

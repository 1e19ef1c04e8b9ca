#pragma once

#include "core/Column.h"
#include "platform/Canvas.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Listbox.h"
#include "platform/PushButton.h"
#include "platform/TextArea.h"
#include "platform/TextField.h"
#include "platform/Window.h"
#include "roll/Toolbar1.h"

#include <functional>
#include <string>
#include <string_view>

struct ListFilter;
struct NewMember;
struct Notice;

// The program's one working window: the member list with the search row above
// it, and the record form of the selected member below it.
class mainWindow : public Window {
public:
    mainWindow();
    ~mainWindow() override;

    // The shared instance, made (and opened: data folder, roll, paid/due pass)
    // when there is none.
    static mainWindow& instance() { return Window::Instance<mainWindow>(); }
    static mainWindow* existing() { return Window::Existing<mainWindow>(); }

    // Above and around the list.
    TextField searchFld{"searchFld"};
    PushButton PushButton1{"PushButton1", "Search Names"};
    Label infoLabel{"infoLabel", "Member Information"};
    Listbox memberList{"memberList", kColumnCount};
    Label Label19{"Label19", "Members Listed:"};
    TextField memberCountFld{"memberCountFld"};

    // The record form.
    GroupBox GroupBox1{"GroupBox1"};
    Label Label2{"Label2", "First Name"};
    TextField firstName{"firstName"};
    Label Label3{"Label3", "Last Name"};
    TextField LastName{"LastName"};
    Label Label14{"Label14", "Member ID"};
    TextField memberID{"memberID"};
    Label Label18{"Label18", "Email Address"};
    TextField EmailAddress{"EmailAddress"};
    Label Label6{"Label6", "Home Phone"};
    TextField HomePhone{"HomePhone"};
    Label Label11{"Label11", "Street Address"};
    TextField streetAddress{"streetAddress"};
    Label Label7{"Label7", "Mobile Phone"};
    TextField mobilePhone{"mobilePhone"};
    Label Label5{"Label5", "City"};
    TextField cityFld{"cityFld"};
    Label Label1{"Label1", "Notes"};
    TextArea notesFld{"notesFld"};
    Label Label9{"Label9", "Company"};
    TextField companyFld{"companyFld"};
    Label Label12{"Label12", "Province/State"};
    TextField provinceState{"provinceState"};
    Label Label13{"Label13", "Postal/Zip Code"};
    TextField postalZip{"postalZip"};
    Label Label10{"Label10", "Membership Type"};
    ComboBox ComboBox1{"ComboBox1"};
    Label Label8{"Label8", "Date Joined"};
    TextField joinedFld{"joinedFld"};
    Label Label16{"Label16", "Membership Due Date\r"};
    TextField dueFld{"dueFld"};
    CheckBox CheckBox1{"CheckBox1", "Active Member"};
    Label Label17{"Label17", "Rollkeep"};
    PushButton emailBtn{"emailBtn", "Send Email"};
    PushButton RenewBtn{"RenewBtn", "Send Renewal Email"};
    Canvas Canvas1{"Canvas1"};
    Label Label22{"Label22", "YYYY-MM-DD"};
    PushButton paymentBtn{"paymentBtn", "Payment Received"};
    PushButton saveBtn{"saveBtn", "Save New Member"};

    Toolbar1 Toolbar11{"Toolbar11"};

    // The member list.
    void memberList_Open();
    void memberList_Change();
    // Needs nothing of the window: the stripes follow the row index alone.
    static bool memberList_CellBackgroundPaint(CellGraphics& g, int row, int column);

    // The record form: each field writes itself into the selected row.
    void LastName_TextChange();
    void firstName_TextChange();
    void memberID_TextChange();
    void EmailAddress_TextChange();
    void HomePhone_TextChange();
    void mobilePhone_TextChange();
    void streetAddress_TextChange();
    void cityFld_TextChange();
    void postalZip_TextChange();
    void provinceState_TextChange();
    void joinedFld_TextChange();
    void ComboBox1_TextChanged();
    void companyFld_TextChange();
    void dueFld_TextChange();
    void notesFld_TextChange();
    void CheckBox1_Action();
    void ClearFlds();
    void blockFields();
    void unblockFields();

    // Adding, deleting and finding members.
    void AddMember();
    void doMemberNumber();
    void saveBtn_Action();
    void DeleteMember();
    // Shows the stored roll and ends a filter. The whole roll shown is stored
    // first; when that fails, nothing else changes.
    void ShowAllMembers();
    void doSearch();
    void searchFld_KeyUp(std::string_view key);
    void searchFld_TextChange();
    void PushButton1_Action();

    // Dues, payments and notices.
    void SetDueStatus();
    void paymentBtn_Action();
    void doPaymentMade();
    void RenewBtn_Action();
    void emailBtn_Action();
    void PrintChecklist();

    // The toolbar.
    void Toolbar11_Open();
    void Toolbar11_Action(ToolButton& item);

    // The list filters.
    void Toolbar11_DropDownMenuAction(ToolButton& item, MenuItem& hitItem);
    bool _FileFindDueMemberships_Action();
    // Narrows the list to the rows the filter keeps, from the whole roll; the
    // caption above the list is the caller's to set. False, with the list as
    // it was, when the roll shown could not be saved first.
    bool doListFilter(const ListFilter& filter);
    // Stores the roll shown, unless a filter shows it already, then marks the
    // list as a filtered subset: nothing saves it, the tool buttons that would
    // change the roll and "Save New Member" are off until Show All Members,
    // and a member already shown is shown as under a filter. False, with
    // nothing changed, when the store failed.
    [[nodiscard]] bool enterFilteredState();
    // Removes, from the last row up, every row whose cell in the column is
    // not kept, and shows how many rows are left.
    void keepOnlyRows(Column column, const std::function<bool(std::string_view cell)>& keeps);

    // The menu bar's commands, registered under their items' names; each
    // answers that it handled the command.
    void AddMenuHandlers();
    bool _FileShowAllMembers_Action();
    bool _EmailNotification_Action();
    bool _ImportData_Action();
    bool _ExportData_Action();
    bool _PrintCheck_Action();
    bool _SaveData_Action();
    bool _AboutRollkeep_Action();
    bool _UsersGuide_Action();
    bool _VLNItem_Action();

protected:
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;
    void Event_Close() override;

private:
    // Asks whether to close although the roll could not be saved; a quit
    // nobody can answer closes and says so on standard error.
    bool mayCloseUnsaved();
    void buildLayout();
    void connectHandlers();
    void fillForm(int row);
    // Every text field of the window, and the notes, on or off.
    void setFieldsEnabled(bool enabled);
    // The form of a member shown in a filtered list: looked at, not edited,
    // as the file won't take its edits.
    void lockFormUnderFilter();
    // No member selected, and the form emptied and shut as for any cleared
    // selection, also when none was selected.
    void clearSelection();
    // Writes a field's text into the selected row, unless a new member is
    // being entered.
    void writeLive(Column column, std::string_view text);
    // The new member as the form holds it.
    NewMember newMemberFromForm() const;
    // Asks whether to send an e-mail: true for "Send".
    bool offerToSend(std::string_view question) const;
    // The notice to the member the form shows, composed from its template in
    // the data folder and handed to the mail script.
    void sendNotice(const Notice& notice);
    // Brings the counts of the rows shown forward.
    void showCounts();

    bool closingUnsaved_ = false;
};

#include "roll/MainMenuBar.h"

namespace {

// A menu or an item, enabled whenever a handler for it can be reached.
// Shortcuts name the command key as "Cmd", which is Ctrl here.
template <class Kind = MenuItem>
std::unique_ptr<MenuItem> item(std::string_view name, std::string_view text,
                               std::string_view shortcut = {}) {
    auto made = std::make_unique<Kind>();
    made->Name = name;
    made->AutoEnable = true;
    made->Text = text;
    made->Visible = true;
    made->KeyboardShortcut = shortcut;
    return made;
}

}  // namespace

MainMenuBar& MainMenuBar::instance() {
    static const std::unique_ptr<MainMenuBar> shared(new MainMenuBar);
    return *shared;
}

MainMenuBar::MainMenuBar() {
    Name = "MainMenuBar";
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void MainMenuBar::appendTo(std::string_view menuName, std::unique_ptr<MenuItem> item) {
    Child(menuName)->Append(std::move(item));
}

void MainMenuBar::Untitled0() {
    Append(item("FileMenu", "&File"));
    appendTo("FileMenu", item("ImportData", "Import Data..."));
    appendTo("FileMenu", item("ExportData", "Export Data..."));
    appendTo("FileMenu", item("UntitledSeparator", "-"));
    appendTo("FileMenu", item("SaveData", "Save Data", "Cmd+S"));
    appendTo("FileMenu", item("UntitledSeparator0", "-"));
    appendTo("FileMenu", item("PrintCheck", "Print Checklist", "Cmd+P"));
    appendTo("FileMenu", item("UntitledSeparator1", "-"));
    appendTo("FileMenu", item<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MainMenuBar::Untitled1() {
    Append(item("OptionsMenu", "Options"));
    appendTo("OptionsMenu", item("FileShowAllMembers", "Show All Members", "Cmd+M"));
    appendTo("OptionsMenu", item("UntitledSeparator3", "-"));
    appendTo("OptionsMenu", item("FileFindDueMemberships", "Find Due Memberships...", "Cmd+F"));
    // There is no application menu here, so About stays in Options.
    appendTo("OptionsMenu", item<ApplicationMenuItem>("AboutRollkeep", "About Rollkeep..."));
}

void MainMenuBar::Untitled2() {
    Append(item("EditMenu", "&Edit"));
    appendTo("EditMenu", item("EditUndo", "&Undo", "Cmd+Z"));
    appendTo("EditMenu", item("EditSeparator1", "-"));
    appendTo("EditMenu", item("EditCut", "Cu&t", "Cmd+X"));
    appendTo("EditMenu", item("EditCopy", "&Copy", "Cmd+C"));
    appendTo("EditMenu", item("EditPaste", "&Paste", "Cmd+V"));
    appendTo("EditMenu", item("EditClear", "&Delete"));
    appendTo("EditMenu", item("EditSeparator2", "-"));
    appendTo("EditMenu", item("EmailNotification", "Edit Emails..."));
    appendTo("EditMenu", item("UntitledSeparator2", "-"));
    appendTo("EditMenu", item("EditSelectAll", "Select &All", "Cmd+A"));
}

// A menu with no items; the bar does not show it.
void MainMenuBar::Untitled3() {
    Append(item("Menu", ""));
}

void MainMenuBar::Untitled4() {
    Append(item("HelpMenu", "Help"));
    appendTo("HelpMenu", item("UsersGuide", "Users Guide"));
    appendTo("HelpMenu", item("VLNItem", "Velloran Software Website"));
}

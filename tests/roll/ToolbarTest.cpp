// The main window's toolbar: which command a click reaches, by the button's
// name or on the button itself; deleting a member; showing the whole roll
// again, stored first when it is what the list shows, which also turns adding
// and deleting back on after a filter.

#include "core/Column.h"
#include "dues/reportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QAction>
#include <sstream>

namespace {

using Button = MessageDialog::Button;
using Names = std::vector<std::string>;

class ToolbarTest : public ProgramTest {
protected:
    static void click(mainWindow& main, std::string_view name) {
        ToolButton item;
        item.Name = name;
        main.Toolbar11_Action(item);
    }

    // The last names of the member file, in file order.
    Names storedNames() const {
        Names names;
        std::istringstream lines(data.read("rkMemberList"));
        for (std::string line; std::getline(lines, line);)
            names.push_back(line.substr(0, line.find("@@@")));
        return names;
    }
};

TEST_F(ToolbarTest, ClicksReachTheCommandNamedIgnoringCaseAndOtherNamesDoNothing) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetCell(0, +Column::Status, "Inactive");
    // The spacer and the "Find Members" drop-down's own button among them.
    for (const char* name : {"ToolItem1", "FindMenu", "Count", "Counts ", "Delete", ""})
        click(main, name);
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(Window::OpenWindows().size(), 1u);
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);

    // Counts saves the roll before counting it.
    click(main, "counts");
    ASSERT_NE(reportWindow::existing(), nullptr);
    EXPECT_EQ(reportWindow::existing()->TextField1.Text(), "4");
    EXPECT_NE(data.read("rkMemberList").find("@@@Inactive@@@\n"), std::string::npos);

    dialogs.AnswerPrint(nullptr);
    click(main, "PRINT");
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked().front().kind, ScriptedDialogs::Kind::Print);

    click(main, "deleteBUTTON");
    EXPECT_EQ(dialogs.messages(), Names{"No member selected"});
    click(main, "addbutton");
    EXPECT_TRUE(Globals::gAddingMember);
}

TEST_F(ToolbarTest, DeleteAsksAndOnlyAConfirmedDeleteReachesTheListAndTheFile) {
    mainWindow& main = openWithFourMembers();
    const struct {
        int selected;
        Button answer;
        Names left;
    } steps[] = {
        {1, Button::Cancel, {"Adams", "Brown", "Clark", "Dunn"}},
        {1, Button::Action, {"Adams", "Clark", "Dunn"}},
        {2, Button::Action, {"Adams", "Clark"}},  // the last row
        {0, Button::Action, {"Clark"}},           // the first row
    };
    for (const auto& s : steps) {
        SCOPED_TRACE("row " + std::to_string(s.selected) + " of " + std::to_string(s.left.size()));
        dialogs.clear();
        main.memberList.SetListIndex(s.selected);
        dialogs.AnswerQuestion(s.answer);
        main.Toolbar11.DeleteButton->action()->trigger();
        EXPECT_EQ(column(main.memberList, 0), s.left);
        EXPECT_EQ(storedNames(), s.left);
        ASSERT_EQ(dialogs.questions().size(), 1u);
        EXPECT_EQ(dialogs.questions()[0].text, "Do you want to delete the selected member?");
        // The form follows the selection, so nothing typed after a delete can
        // land on the member that moved up into the deleted one's place.
        const bool deleted = s.answer == Button::Action;
        EXPECT_EQ(main.memberList.ListIndex(), deleted ? -1 : s.selected);
        EXPECT_EQ(main.LastName.Text(), deleted ? "" : s.left[size_t(s.selected)]);
    }
}

TEST_F(ToolbarTest, ShowAllKeepsTheEditsOfTheWholeRollAndEndsAFilter) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetListIndex(0);
    main.LastName.SetText("Edited");
    main.memberList.AddRow("Unsaved");
    ASSERT_EQ(main.memberList.Cell(0, +Column::LastName), "Edited");
    click(main, "showallmembers");
    // The reload reads the file, so what the list held went there first.
    const Names edited{"Edited", "Brown", "Clark", "Dunn", "Unsaved"};
    EXPECT_EQ(storedNames(), edited);
    EXPECT_EQ(column(main.memberList, 0), edited);
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(main.LastName.Text(), "");

    // A filter turns adding and deleting off, which would never reach the file.
    main._FileFindDueMemberships_Action();
    ASSERT_TRUE(Globals::gSearchOn);
    main.Toolbar11.ShowAllMembers->action()->trigger();
    EXPECT_EQ(column(main.memberList, 0), edited);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_FALSE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
        EXPECT_TRUE(button->action()->isEnabled()) << button->Name;

    // Without a member file the stored roll is gone, and a filtered list
    // can't stand in for it: the list empties, quietly.
    main._FileFindDueMemberships_Action();
    data.dataFolder().Child("rkMemberList").Delete();
    click(main, "ShowAllMembers");
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_TRUE(dialogs.asked().empty());
}

}  // namespace

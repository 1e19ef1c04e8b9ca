// The main window's toolbar: which command a click reaches, by the button's
// name, and the buttons that change the roll only while all of it is shown.

#include "core/Column.h"
#include "dues/reportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;

class ToolbarTest : public ProgramTest {
protected:
    static void click(mainWindow& main, std::string_view name) {
        ToolButton item;
        item.Name = name;
        main.Toolbar11_Action(item);
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

    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    click(main, "showallmembers");
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListCount(), 4);

    click(main, "addbutton");
    EXPECT_TRUE(Globals::gAddingMember);
}

// A member added or deleted in a filtered list would never reach the file.
TEST_F(ToolbarTest, AddAndDeleteButtonsAreDeadWhileFilteredUntilShowAllMembers) {
    writeRoll(
        {{.last = "Adams"}, {.last = "Brown", .paidDue = "Due", .due = ""}, {.last = "Clark"}});
    mainWindow& main = mainWindow::instance();
    Toolbar1& bar = main.Toolbar11;
    main._FileFindDueMemberships_Action();
    ASSERT_EQ(column(main.memberList, 0), Names{"Brown"});
    main.memberList.SetListIndex(0);

    bar.AddButton->action()->trigger();
    bar.DeleteButton->action()->trigger();
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(main.memberList.ListCount(), 1);

    bar.ShowAllMembers->action()->trigger();
    EXPECT_EQ(main.memberList.ListCount(), 3);
    main.memberList.SetListIndex(0);
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    bar.DeleteButton->action()->trigger();
    EXPECT_EQ(column(main.memberList, 0), (Names{"Brown", "Clark"}));
    EXPECT_EQ(data.read("rkMemberList").find("Adams"), std::string::npos);
    bar.AddButton->action()->trigger();
    EXPECT_TRUE(Globals::gAddingMember);
}

}  // namespace

// The toolbar's "Find Members" filters and the menu's due filter: what they
// keep, what they write, and how the window shows the filtered state.

#include "tests/support/ProgramTest.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;

class FiltersTest : public ProgramTest {
protected:
    // No due dates, so the paid/due pass at start leaves column 13 as written.
    mainWindow& open() {
        writeRoll({
            {.last = "Due", .paidDue = "Due", .due = "", .status = "Active"},
            {.last = "due", .paidDue = "due", .due = "", .status = "active"},
            {.last = "DueBlank", .paidDue = "Due ", .due = "", .status = "Active "},
            {.last = "NoState", .paidDue = "", .due = "", .status = ""},
            {.last = "Paid", .paidDue = "Paid", .due = "", .status = "Inactive"},
            {.last = "PAID", .paidDue = "PAID", .due = "", .status = "INACTIVE"},
        });
        return mainWindow::instance();
    }

    static void choose(mainWindow& main, std::string_view text) {
        MenuItem item(text);
        main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), item);
    }

    // Adding or deleting while filtered would never reach the file.
    static void expectFiltered(mainWindow& main, bool filtered) {
        EXPECT_EQ(Globals::gSearchOn, filtered);
        for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
            EXPECT_EQ(button->action()->isEnabled(), !filtered) << button->Name;
    }
};

TEST_F(FiltersTest, EachChoiceKeepsWholeTextsIgnoringCaseFromTheWholeRoll) {
    mainWindow& main = open();
    const std::string stored = data.read("rkMemberList");
    const struct {
        std::string_view choice;
        Names kept;
        std::string caption;
    } cases[] = {
        {"Due Members", {"Due", "due"}, "Due Memberships"},
        {"paid members", {"Paid", "PAID"}, "Paid Memberships"},
        {"Active Members", {"Due", "due"}, "Active Memberships"},
        {"INACTIVE MEMBERS", {"Paid", "PAID"}, "Inactive Memberships"},
        // Straight after another filter: from the whole roll again, not its rows.
        {"Due Members", {"Due", "due"}, "Due Memberships"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        choose(main, c.choice);
        EXPECT_EQ(column(main.memberList, 0), c.kept);
        EXPECT_EQ(main.infoLabel.Text(), c.caption);
        EXPECT_EQ(main.memberCountFld.Text(), std::to_string(c.kept.size()));
        expectFiltered(main, true);
        EXPECT_EQ(data.read("rkMemberList"), stored);
    }
}

TEST_F(FiltersTest, AFilterStoresLiveEditsFirstAndNothingWhileFilteredUntilShowAll) {
    for (bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "menu" : "toolbar");
        mainWindow& main = open();
        main.memberList.SetListIndex(4);
        main.firstName.SetText("Edited");
        if (fromMenu)
            EXPECT_TRUE(main._FileFindDueMemberships_Action());
        else
            choose(main, "Paid Members");
        const std::string written = data.read("rkMemberList");
        EXPECT_NE(written.find("Edited"), std::string::npos);
        expectFiltered(main, true);

        // While filtered nothing reaches the file; the next filter reloads it.
        main.memberList.SetCell(0, +Column::FirstName, "Lost");
        choose(main, "Paid Members");
        EXPECT_EQ(data.read("rkMemberList"), written);
        EXPECT_EQ(column(main.memberList, +Column::FirstName), (Names{"Edited", ""}));

        if (fromMenu)
            main.ShowAllMembers();
        else
            main.Toolbar11_Action(*main.Toolbar11.ShowAllMembers);
        EXPECT_EQ(main.memberList.ListCount(), 6);
        EXPECT_EQ(main.infoLabel.Text(), "Member Information");
        expectFiltered(main, false);
        closeAllWindows();
    }
}

}  // namespace

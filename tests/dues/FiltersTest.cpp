// The toolbar's "Find Members" filters and the menu's due filter: what they
// keep, what they write, and how the window shows the filtered state.

#include "tests/support/ProgramTest.h"

#include "dues/DueByMonthWindow.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;

class FiltersTest : public ProgramTest {
protected:
    // A roll whose paid/due pass leaves column 13 as written: every due date
    // lies in a later year, except where a row has none.
    mainWindow& open() {
        writeRoll({
            {.last = "Due", .paidDue = "Due", .due = "", .status = "Active"},
            {.last = "due", .paidDue = "due", .due = "", .status = "active"},
            {.last = "DueBlank", .paidDue = "Due ", .due = "", .status = "Active "},
            {.last = "NoState", .paidDue = "", .due = "", .status = ""},
            {.last = "Paid", .paidDue = "Paid", .due = "", .status = "Inactive"},
            {.last = "PAID", .paidDue = "PAID", .due = "", .status = "INACTIVE"},
        });
        mainWindow& main = mainWindow::instance();
        stored = data.read("rkMemberList");
        return main;
    }

    void choose(mainWindow& main, std::string_view text) {
        MenuItem item(text);
        main.Toolbar11_DropDownMenuAction(findMenu(main), item);
    }

    static ToolButton& findMenu(mainWindow& main) {
        return main.Toolbar11.Item(main.Toolbar11.Count() - 1);
    }

    static void expectFiltered(mainWindow& main, bool filtered) {
        EXPECT_EQ(Globals::gSearchOn, filtered);
        for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton}) {
            EXPECT_EQ(button->Enabled(), !filtered) << button->Name;
            EXPECT_EQ(button->action()->isEnabled(), !filtered) << button->Name;
        }
    }

    std::string stored;
};

TEST_F(FiltersTest, EachChoiceKeepsWholeTextsIgnoringCaseFromTheWholeRoll) {
    mainWindow& main = open();
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
        choose(main, c.choice);
        EXPECT_EQ(column(main.memberList, 0), c.kept) << c.choice;
        EXPECT_EQ(main.infoLabel.Text(), c.caption);
        EXPECT_EQ(main.memberCountFld.Text(), std::to_string(c.kept.size()));
        expectFiltered(main, true);
        // The file keeps the whole roll while filtered.
        EXPECT_EQ(data.read("rkMemberList"), stored);
    }

    main.Toolbar11_Action(*main.Toolbar11.ShowAllMembers);
    EXPECT_EQ(main.memberList.ListCount(), 6);
    EXPECT_EQ(main.memberCountFld.Text(), "6");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    expectFiltered(main, false);
}

TEST_F(FiltersTest, OtherChoicesAndTheButtonItselfChangeNothing) {
    mainWindow& main = open();
    main.memberList.SetListIndex(2);
    for (std::string_view text : {"Due Members ", "", "Find Members", "Due"})
        choose(main, text);
    main.Toolbar11_Action(findMenu(main));
    EXPECT_EQ(main.memberList.ListCount(), 6);
    EXPECT_EQ(main.memberList.ListIndex(), 2);
    expectFiltered(main, false);
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);

    // "Due by Month" only brings up its window.
    choose(main, "due by MONTH");
    ASSERT_NE(DueByMonthWindow::existing(), nullptr);
    EXPECT_TRUE(DueByMonthWindow::existing()->Visible());
    EXPECT_EQ(main.memberList.ListCount(), 6);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    expectFiltered(main, false);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(FiltersTest, AFilterStoresLiveEditsFirstAndEditsWhileFilteredAreNotStored) {
    for (bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "menu" : "toolbar");
        mainWindow& main = open();
        main.memberList.SetListIndex(4);
        main.firstName.SetText("Edited");
        if (fromMenu)
            main._FileFindDueMemberships_Action();
        else
            choose(main, "Paid Members");
        EXPECT_NE(data.read("rkMemberList").find("Edited"), std::string::npos);

        // While filtered nothing reaches the file; the next filter reloads it.
        const std::string written = data.read("rkMemberList");
        main.memberList.SetCell(0, 1, "Lost");
        main.Toolbar11_Action(*main.Toolbar11.Counts);
        choose(main, "Paid Members");
        EXPECT_EQ(data.read("rkMemberList"), written);
        EXPECT_EQ(column(main.memberList, 1), (Names{"Edited", ""}));
        closeAllWindows();
        EXPECT_EQ(data.read("rkMemberList"), written);
        Globals::gSearchOn = false;
    }
}

TEST_F(FiltersTest, MenuDueFilterKeepsTheCaptionAndSwitchesTheRollButtonsOff) {
    mainWindow& main = open();
    EXPECT_TRUE(main._FileFindDueMemberships_Action());
    EXPECT_EQ(column(main.memberList, 0), (Names{"Due", "due"}));
    EXPECT_EQ(main.memberCountFld.Text(), "2");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    // Adding or deleting now would never reach the file.
    expectFiltered(main, true);

    // After a toolbar filter the caption stays the toolbar's.
    choose(main, "Inactive Members");
    main._FileFindDueMemberships_Action();
    EXPECT_EQ(main.infoLabel.Text(), "Inactive Memberships");
    EXPECT_EQ(column(main.memberList, 0), (Names{"Due", "due"}));

    // Show All Members by the menu's route turns them on again.
    main.ShowAllMembers();
    expectFiltered(main, false);
    EXPECT_EQ(main.memberList.ListCount(), 6);
}

TEST_F(FiltersTest, AnEmptyOrMissingRollLeavesAnEmptyFilteredList) {
    mainWindow& main = mainWindow::instance();
    choose(main, "Active Members");
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_EQ(main.infoLabel.Text(), "Active Memberships");
    expectFiltered(main, true);

    // The stored roll disappears while filtered: the next filter finds none.
    main.memberList.AddRow("Shown only");
    main.memberList.SetCell(0, 17, "Active");
    data.dataFolder().Child("rkMemberList").Delete();
    choose(main, "Active Members");
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_FALSE(data.exists("rkMemberList"));
}

}  // namespace

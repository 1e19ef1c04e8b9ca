// The toolbar's "Find Members" filters and the menu's due filter: which
// members they keep, what they write, and the filtered state they leave.

#include "tests/support/ProgramTest.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;
using FiltersTest = ProgramTest;

TEST_F(FiltersTest, EachChoiceKeepsWholeTextsIgnoringCaseFromTheWholeRoll) {
    // No due dates, so the paid/due pass at start leaves the column as written.
    writeRoll({
        {.last = "Due", .paidDue = "Due", .due = "", .status = "Active"},
        {.last = "due", .paidDue = "due", .due = "", .status = "active"},
        {.last = "DueBlank", .paidDue = "Due ", .due = "", .status = "Active "},
        {.last = "NoState", .paidDue = "", .due = "", .status = ""},
        {.last = "Paid", .paidDue = "Paid", .due = "", .status = "Inactive"},
        {.last = "PAID", .paidDue = "PAID", .due = "", .status = "INACTIVE"},
    });
    mainWindow& main = mainWindow::instance();
    // An edit not yet stored is written before the first filter reads the file.
    main.memberList.SetListIndex(0);
    main.firstName.SetText("Edited");
    std::string stored;
    const struct {
        std::string_view choice;  // empty: the menu's due filter
        Names kept;
        std::string caption;
    } cases[] = {
        {"Due Members", {"Due", "due"}, "Due Memberships"},
        {"paid members", {"Paid", "PAID"}, "Paid Memberships"},
        {"Active Members", {"Due", "due"}, "Active Memberships"},
        {"INACTIVE MEMBERS", {"Paid", "PAID"}, "Inactive Memberships"},
        // Straight after another filter: from the whole roll again, not its
        // rows. The menu's filter leaves the caption as it was.
        {"", {"Due", "due"}, "Inactive Memberships"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        if (c.choice.empty()) {
            EXPECT_TRUE(main._FileFindDueMemberships_Action());
        } else {
            MenuItem item(c.choice);
            main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1),
                                              item);
        }
        EXPECT_EQ(column(main.memberList, +Column::LastName), c.kept);
        EXPECT_EQ(main.infoLabel.Text(), c.caption);
        EXPECT_EQ(main.memberCountFld.Text(), std::to_string(c.kept.size()));
        // Adding or deleting while filtered would never reach the file.
        EXPECT_TRUE(Globals::gSearchOn);
        for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
            EXPECT_FALSE(button->action()->isEnabled()) << button->Name;
        if (stored.empty())
            stored = data.read("rkMemberList");
        EXPECT_EQ(data.read("rkMemberList"), stored);
    }
    EXPECT_NE(stored.find("Due@@@Edited@@@"), std::string::npos);
}

}  // namespace

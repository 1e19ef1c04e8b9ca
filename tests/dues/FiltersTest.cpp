// The toolbar's "Find Members" filters, the menu's due filter and the
// due-by-month window: which members they keep, what they write, and the
// filtered state they leave.

#include "dues/DueByMonthWindow.h"
#include "tests/support/ProgramTest.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;
using FiltersTest = ProgramTest;

TEST_F(FiltersTest, EachChoiceKeepsWholeTextsIgnoringCaseFromTheWholeRoll) {
    // No due dates, so the paid/due pass at start leaves the column as written.
    writeRoll({
        {.last = "Due", .paidDue = "Due", .due = "", .status = "Active"},
        {.last = "due", .paidDue = "due", .due = "", .status = "inactive"},
        {.last = "DueBlank", .paidDue = "Due ", .due = "", .status = "Active "},
        {.last = "NoState", .paidDue = "", .due = "", .status = ""},
        {.last = "Paid", .paidDue = "Paid", .due = "", .status = "Active"},
        {.last = "PAID", .paidDue = "PAID", .due = "", .status = "INACTIVE"},
        {.last = "Paid2", .paidDue = "paid", .due = "", .status = "active"},
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
        {"paid members", {"Paid", "PAID", "Paid2"}, "Paid Memberships"},
        {"INACTIVE MEMBERS", {"due", "PAID"}, "Inactive Memberships"},
        // Straight after another filter: from the whole roll again, not its
        // rows. The menu's filter leaves the caption as it was.
        {"", {"Due", "due"}, "Inactive Memberships"},
        {"Active Members", {"Due", "Paid", "Paid2"}, "Active Memberships"},
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

// A member shown when a filter starts is shown as any member of a filtered
// list is: its form shut, since Show All Members would drop every edit.
TEST_F(FiltersTest, AMemberShownWhenAFilterStartsIsShownShut) {
    writeRoll({{.last = "Adams", .due = "2026-01-01"}, {.last = "Brown"}});
    mainWindow& main = mainWindow::instance();
    for (const FilterRoute& route : filterRoutes(main, "Active Members")) {
        SCOPED_TRACE(route.name);
        main.Toolbar11.ShowAllMembers->action()->trigger();
        main.memberList.SetListIndex(0);
        route.start();
        EXPECT_EQ(main.LastName.Text(), "Adams");
        EXPECT_FALSE(main.LastName.Enabled() || main.notesFld.Enabled() ||
                     main.paymentBtn.Enabled());
    }
}

// Today being 2026-06-15.
TEST_F(FiltersTest, DueByMonthKeepsThisYearsDatesOfTheMonthOfTheRollStoredFirst) {
    writeRoll({{.due = "2026-03-15"},
               {.due = "2026-3-1"},
               {.due = "2025-03-15"},
               {.due = "2027-03-15"},
               {.due = "2026-04-01"},
               {.due = ""}});
    mainWindow& main = mainWindow::instance();
    // An edit not yet stored goes into the file before the list is narrowed.
    main.memberList.SetListIndex(0);
    main.firstName.SetText("Edited");

    MenuItem byMonth("due by MONTH");
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), byMonth);
    DueByMonthWindow& window = DueByMonthWindow::instance();
    window.PopupMenu1.SetListIndex(2);  // March
    window.PushButton1.Push();

    EXPECT_EQ(column(main.memberList, +Column::DueDate), (Names{"2026-03-15", "2026-3-1"}));
    EXPECT_EQ(main.infoLabel.Text(), "Memberships Due in March");
    EXPECT_EQ(main.memberCountFld.Text(), "2");
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    // Adding or deleting while filtered would never reach the file.
    EXPECT_TRUE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
        EXPECT_FALSE(button->action()->isEnabled()) << button->Name;
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);

    // Over a filter Find writes nothing, so the file keeps the whole roll with the edit.
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), byMonth);
    DueByMonthWindow::instance().PushButton1.Push();
    main.Toolbar11.ShowAllMembers->action()->trigger();
    EXPECT_EQ(main.memberList.ListCount(), 6);
    EXPECT_EQ(main.memberList.Cell(0, +Column::FirstName), "Edited");
}

}  // namespace

// The due-by-month window: which members Find keeps and the filtered state it
// leaves. The clock stands at 2026-06-15.

#include "tests/support/ProgramTest.h"

#include "dues/DueByMonthWindow.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;

using DueByMonthTest = ProgramTest;

TEST_F(DueByMonthTest, FindKeepsThisYearsDatesOfTheMonthAndWritesNothing) {
    // Due date, kept for March.
    const std::pair<std::string, bool> cases[] = {
        {"2026-03-15", true},  {"2026-3-1", true},    {"2025-03-15", false},
        {"2027-03-15", false}, {"2026-04-01", false}, {"", false},
    };
    std::vector<Member> roll;
    Names kept;
    for (const auto& [due, keep] : cases) {
        roll.push_back({.due = due});
        if (keep)
            kept.push_back(due);
    }
    writeRoll(roll);
    mainWindow& main = mainWindow::instance();
    const std::string stored = data.read("rkMemberList");
    main.memberList.SetListIndex(0);

    MenuItem byMonth("due by MONTH");
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), byMonth);
    DueByMonthWindow& window = DueByMonthWindow::instance();
    for (int item = 0; item < window.PopupMenu1.ListCount(); ++item)
        if (window.PopupMenu1.List(item) == "March")
            window.PopupMenu1.SetListIndex(item);
    window.PushButton1.Push();

    EXPECT_EQ(column(main.memberList, +Column::DueDate), kept);
    EXPECT_EQ(main.infoLabel.Text(), "Memberships Due in March");
    EXPECT_EQ(main.memberCountFld.Text(), std::to_string(kept.size()));
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    // Adding or deleting while filtered would never reach the file.
    EXPECT_TRUE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
        EXPECT_FALSE(button->action()->isEnabled()) << button->Name;
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

}  // namespace

// The due-by-month window: choosing a month, Find over the rows shown, and
// the filtered state it leaves. The clock stands at 2026-06-15.

#include "tests/support/ProgramTest.h"

#include "dues/DueByMonthWindow.h"

#include <QAction>

namespace {

using Names = std::vector<std::string>;

class DueByMonthTest : public ProgramTest {
protected:
    static void choose(mainWindow& main, std::string_view text) {
        MenuItem item(text);
        main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), item);
    }

    static void find(std::string_view month) {
        DueByMonthWindow& window = DueByMonthWindow::instance();
        for (int item = 0; item < window.PopupMenu1.ListCount(); ++item)
            if (window.PopupMenu1.List(item) == month)
                window.PopupMenu1.SetListIndex(item);
        window.PushButton1.Push();
    }
};

TEST_F(DueByMonthTest, FindKeepsThisYearsDatesOfTheMonthAndTheWindowStartsAgainAtJanuary) {
    const std::pair<std::string, bool> cases[] = {
        {"2026-03-15", true},  {"2026-3-1", true},    {"2026-03", true},
        {"2026-3.9-40", true},  // the leading number of each field
        {"2025-03-15", false}, {"2027-03-15", false}, {"2026/03/15", false},
        {"2026", false},       {"15/03/2026", false}, {"2026-04-01", false},
        {"", false},
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

    // It starts at January; Cancel changes nothing.
    choose(main, "due by MONTH");
    ASSERT_NE(DueByMonthWindow::existing(), nullptr);
    EXPECT_EQ(DueByMonthWindow::existing()->PopupMenu1.Text(), "January");
    DueByMonthWindow::existing()->PushButton2.Push();
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);
    EXPECT_EQ(main.memberList.ListCount(), std::ssize(cases));

    main.memberList.SetListIndex(0);
    find("March");
    EXPECT_EQ(column(main.memberList, +Column::DueDate), kept);
    EXPECT_EQ(main.infoLabel.Text(), "Memberships Due in March");
    EXPECT_EQ(main.memberCountFld.Text(), std::to_string(kept.size()));
    EXPECT_TRUE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
        EXPECT_FALSE(button->action()->isEnabled()) << button->Name;
    // No member is selected, the window is gone, and nothing was written.
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), stored);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(DueByMonthWindow::instance().PopupMenu1.Text(), "January");
}

}  // namespace

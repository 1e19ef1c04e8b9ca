// The due-by-month window: choosing a month, Find's two passes over the rows
// shown, and the filtered state it leaves. The clock stands at 2026-06-15.

#include "tests/support/ProgramTest.h"

#include "dues/DueByMonthWindow.h"

#include <QAction>
#include <QMainWindow>
#include <QTest>

namespace {

using Names = std::vector<std::string>;

class DueByMonthTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({
            {.last = "Dash", .paidDue = "Paid", .due = "2026-03-15"},
            {.last = "Short", .due = "2026-3-1", .yearPaid = "2025"},
            {.last = "NoDay", .paidDue = "Paid", .due = "2026-03"},
            {.last = "Fraction", .paidDue = "Paid", .due = "2026-3.9-40"},
            {.last = "LastYear", .paidDue = "Paid", .due = "2025-03-15"},
            {.last = "NextYear", .paidDue = "Paid", .due = "2027-03-15"},
            {.last = "Slashes", .paidDue = "Paid", .due = "2026/03/15"},
            {.last = "YearOnly", .paidDue = "Paid", .due = "2026"},
            {.last = "Local", .paidDue = "Paid", .due = "15/03/2026"},
            {.last = "April", .paidDue = "Paid", .due = "2026-04-01"},
            {.last = "Empty", .paidDue = "Paid", .due = ""},
        });
        mainWindow& main = mainWindow::instance();
        stored = data.read("rkMemberList");
        return main;
    }

    static void find(std::string_view month) {
        DueByMonthWindow& window = DueByMonthWindow::instance();
        for (int item = 0; item < window.PopupMenu1.ListCount(); ++item)
            if (window.PopupMenu1.List(item) == month)
                window.PopupMenu1.SetListIndex(item);
        window.PushButton1.Push();
    }

    std::string stored;
};

TEST_F(DueByMonthTest, FindKeepsThisYearsDatesOfTheMonthInTheirOrder) {
    mainWindow& main = open();
    main.memberList.SetListIndex(0);
    ASSERT_EQ(main.LastName.Text(), "Dash");

    find("March");
    EXPECT_EQ(column(main.memberList, 0), (Names{"Dash", "Short", "NoDay", "Fraction"}));
    EXPECT_EQ(main.infoLabel.Text(), "Memberships Due in March");
    EXPECT_EQ(main.memberCountFld.Text(), "4");
    EXPECT_TRUE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
        EXPECT_FALSE(button->action()->isEnabled()) << button->Name;
    // No member is selected, and the form shows none.
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(main.LastName.Text(), "");
    EXPECT_FALSE(main.LastName.Enabled());
    // The window is done and gone; nothing was written.
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(DueByMonthTest, FindNarrowsWhatIsShownWithoutStoringOrReloading) {
    mainWindow& main = open();
    // An edit not yet stored is seen by Find, and not written by it.
    main.memberList.SetListIndex(9);
    main.dueFld.SetText("2026-03-30");
    main.memberList.SetListIndex(-1);
    find("March");
    EXPECT_EQ(column(main.memberList, 0), (Names{"Dash", "Short", "NoDay", "Fraction", "April"}));
    EXPECT_EQ(data.read("rkMemberList"), stored);

    // Show All gives the stored roll back, without the edit.
    main.Toolbar11_Action(*main.Toolbar11.ShowAllMembers);
    EXPECT_EQ(main.memberList.ListCount(), 11);
    EXPECT_EQ(main.memberList.Cell(9, 14), "2026-04-01");
    EXPECT_TRUE(main.Toolbar11.AddButton->action()->isEnabled());

    // After a list filter, Find keeps that filter's rows of the month only.
    MenuItem paid("Paid Members");
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), paid);
    find("March");
    EXPECT_EQ(column(main.memberList, 0), (Names{"Dash", "NoDay", "Fraction"}));
    EXPECT_EQ(main.infoLabel.Text(), "Memberships Due in March");

    // A second Find narrows these rows further.
    find("April");
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_EQ(main.infoLabel.Text(), "Memberships Due in April");
}

TEST_F(DueByMonthTest, TheWindowKeepsItsMonthWhileOpenAndStartsAtJanuary) {
    mainWindow& main = open();
    DueByMonthWindow& window = DueByMonthWindow::instance();
    EXPECT_EQ(window.PopupMenu1.ListCount(), 12);
    EXPECT_EQ(window.PopupMenu1.Text(), "January");
    window.PopupMenu1.SetListIndex(4);

    // Choosing "Due by Month" again brings the same window with its month.
    MenuItem byMonth("Due by Month");
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), byMonth);
    EXPECT_EQ(&DueByMonthWindow::instance(), &window);
    EXPECT_EQ(window.PopupMenu1.Text(), "May");
    // A sheet over the main window, which waits for it.
    EXPECT_EQ(window.Kind(), WindowKind::Sheet);
    EXPECT_EQ(window.ParentWindow(), &main);

    // Cancel, and Escape, close it and change nothing.
    window.PushButton2.Push();
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DueByMonthWindow& again = DueByMonthWindow::instance();
    EXPECT_EQ(again.PopupMenu1.Text(), "January");
    again.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(again.frame()));
    QTest::keyClick(again.PopupMenu1.widget(), Qt::Key_Escape);
    EXPECT_EQ(DueByMonthWindow::existing(), nullptr);

    EXPECT_EQ(main.memberList.ListCount(), 11);
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
}

}  // namespace

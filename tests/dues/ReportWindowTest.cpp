// The counts window: which rows it counts, that it counts once, and how it
// is laid out.

#include "dues/reportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

namespace {

class ReportWindowTest : public ProgramTest {
protected:
    // Status and Paid/Due as given; without a due date the paid/due pass at
    // start leaves column 13 as it is.
    mainWindow& open(std::initializer_list<std::pair<std::string, std::string>> statusAndPaidDue) {
        std::vector<Member> members;
        for (const auto& [status, paidDue] : statusAndPaidDue)
            members.push_back({.last = "M" + std::to_string(members.size()),
                               .paidDue = paidDue,
                               .due = "",
                               .status = status});
        writeRoll(members);
        return mainWindow::instance();
    }

    static reportWindow& showCounts(mainWindow& main) {
        main.Toolbar11_Action(*main.Toolbar11.Counts);
        EXPECT_NE(reportWindow::existing(), nullptr);
        return reportWindow::instance();
    }

    // Active, inactive, paid, due, total, in the order the captions list them.
    static std::vector<std::string> counts(const reportWindow& report) {
        return {report.paidFld.Text(), report.dueFld.Text(), report.paidFld1.Text(),
                report.dueFld1.Text(), report.TextField1.Text()};
    }
    using Counts = std::vector<std::string>;
};

TEST_F(ReportWindowTest, CountsTheThreeMemberExample) {
    mainWindow& main = open({{"Active", "Paid"}, {"inactive", "Due"}, {"", ""}});
    ASSERT_EQ(main.memberList.Cell(1, 13), "Due");
    EXPECT_EQ(counts(showCounts(main)), (Counts{"1", "1", "1", "1", "3"}));
}

TEST_F(ReportWindowTest, OnlyWholeTextsCountWhateverTheirCase) {
    mainWindow& main = open({{"ACTIVE", "PAID"},
                             {"active", "paid"},
                             {"Active ", "Paid!"},
                             {"activ", "Due "},
                             {"Inactive", "dUE"},
                             {"Paid", "Active"}});
    EXPECT_EQ(counts(showCounts(main)), (Counts{"2", "1", "2", "1", "6"}));
}

TEST_F(ReportWindowTest, AnEmptyListGivesZeroEverywhere) {
    mainWindow& main = open({});
    EXPECT_EQ(counts(showCounts(main)), (Counts{"0", "0", "0", "0", "0"}));
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(ReportWindowTest, CountsOnlyTheRowsAFilterLeft) {
    mainWindow& main = open({{"Active", "Paid"},
                             {"Active", "Due"},
                             {"Inactive", "Due"},
                             {"Inactive", "Paid"},
                             {"", "Due"}});
    // As "Due Members" leaves it.
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(3);
    main.memberList.RemoveRow(0);
    reportWindow& report = showCounts(main);
    EXPECT_EQ(counts(report), (Counts{"1", "1", "0", "3", "3"}));
    EXPECT_EQ(report.Title(), "Untitled");
}

TEST_F(ReportWindowTest, NumbersAreTakenOnceAndAnewAfterOK) {
    mainWindow& main = open({{"Active", "Paid"}, {"Inactive", "Due"}});
    reportWindow& report = showCounts(main);
    ASSERT_EQ(counts(report), (Counts{"1", "1", "1", "1", "2"}));

    main.memberList.SetCell(1, 17, "Active");
    main.memberList.AddRow("New");
    main.memberList.SetCell(2, 13, "Paid");
    EXPECT_EQ(counts(report), (Counts{"1", "1", "1", "1", "2"}));
    // Shown again while open: brought forward, not counted again.
    EXPECT_EQ(&showCounts(main), &report);
    EXPECT_EQ(counts(report), (Counts{"1", "1", "1", "1", "2"}));

    report.PushButton1.Push();
    EXPECT_EQ(reportWindow::existing(), nullptr);
    EXPECT_EQ(counts(showCounts(main)), (Counts{"2", "0", "2", "1", "3"}));
}

TEST_F(ReportWindowTest, BelongsToTheMainWindowAndClosesWithIt) {
    mainWindow& main = open({{"Active", "Paid"}});
    main.Show();
    EXPECT_EQ(showCounts(main).ParentWindow(), &main);
    main.Close();
    EXPECT_EQ(reportWindow::existing(), nullptr);
}

TEST_F(ReportWindowTest, ReturnPressesOK) {
    mainWindow& main = open({{"Active", "Paid"}});
    reportWindow& report = showCounts(main);
    // A sheet counts as active as soon as its window is; the keys go to the
    // window that really is.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == report.frame(); }));
    report.paidFld.lineEdit()->setFocus();
    QTest::keyClick(report.paidFld.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(reportWindow::existing(), nullptr);
}

TEST_F(ReportWindowTest, CaptionsStandBesideTheFieldsTheyName) {
    mainWindow& main = open({});
    reportWindow& report = showCounts(main);
    struct Placed {
        const Label& label;
        const char* caption;
        QRect labelArea;
        const TextField& field;
        const char* fieldName;
        QPoint fieldAt;
    };
    const Placed placed[] = {
        {report.Label1, "Active Members:", {11, 34, 123, 20}, report.paidFld, "paidFld", {146, 33}},
        {report.Label3, "Inactive Members:", {0, 67, 134, 20}, report.dueFld, "dueFld", {146, 65}},
        {report.Label2,
         "Paid Memberships:",
         {251, 34, 123, 20},
         report.paidFld1,
         "paidFld1",
         {386, 33}},
        {report.Label5,
         "Due Memberships:",
         {240, 67, 134, 20},
         report.dueFld1,
         "dueFld1",
         {386, 65}},
        {report.Label4, "Total:", {34, 111, 100, 20}, report.TextField1, "TextField1", {146, 111}},
    };
    for (const Placed& p : placed) {
        EXPECT_EQ(p.label.Text(), p.caption);
        EXPECT_EQ(p.label.widget()->geometry(), p.labelArea) << p.caption;
        EXPECT_EQ(p.field.Name(), p.fieldName);
        EXPECT_EQ(p.field.widget()->geometry(), QRect(p.fieldAt, QSize(80, 22))) << p.caption;
        EXPECT_TRUE(p.field.lineEdit()->isReadOnly()) << p.caption;
        EXPECT_TRUE(p.field.lineEdit()->alignment() & Qt::AlignRight) << p.caption;
    }
    EXPECT_EQ(report.PushButton1.Caption(), "OK");
    EXPECT_EQ(report.PushButton1.widget()->geometry(), QRect(386, 112, 80, 20));
    EXPECT_TRUE(static_cast<QPushButton*>(report.PushButton1.widget())->isDefault());
    EXPECT_EQ(report.Title(), "Untitled");
}

}  // namespace

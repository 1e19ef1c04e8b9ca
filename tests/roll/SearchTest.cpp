// Finding a member by the beginning of a last name, or failing that of a first
// name, from the search field and the "Search Names" button.

#include "tests/support/ProgramTest.h"

#include <QLineEdit>
#include <QTest>

namespace {

class SearchTest : public ProgramTest {
protected:
    // Row 2's and row 5's last names both begin with "Brook"; row 0's and
    // row 4's first names do too.
    mainWindow& open() {
        writeRoll({{.last = "Adams", .first = "Brooke"},
                   {.last = "Li", .first = "Anna"},
                   {.last = "Brookes", .first = "Zoe"},
                   {.last = "Van Dyke", .first = "Anne"},
                   {.last = "Lindqvist", .first = "Brook"},
                   {.last = "Brook", .first = "Xavier"},
                   {.last = "Öberg", .first = "Émile"}});
        return mainWindow::instance();
    }

    static int search(mainWindow& main, std::string_view text) {
        main.searchFld.SetText(text);
        main.doSearch();
        return main.memberList.ListIndex();
    }
};

TEST_F(SearchTest, LastNamesAnywhereBeatFirstNamesAndTheTopRowWins) {
    mainWindow& main = open();
    // Row 5 equals the text exactly, row 2 only begins with it; row 2 is higher.
    EXPECT_EQ(search(main, "Brook"), 2);
    EXPECT_EQ(main.LastName.Text(), "Brookes");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    // Only first names begin with "Ann": the first of them.
    EXPECT_EQ(search(main, "Ann"), 1);
    EXPECT_EQ(search(main, "Anne"), 3);
    EXPECT_EQ(search(main, "Xav"), 5);
}

TEST_F(SearchTest, CaseIsIgnoredAlsoBeyondAscii) {
    mainWindow& main = open();
    EXPECT_EQ(search(main, "BROOKES"), 2);
    main.memberList.SetListIndex(-1);
    EXPECT_EQ(search(main, "brookes"), 2);
    EXPECT_EQ(search(main, "öB"), 6);
    EXPECT_EQ(search(main, "ÉMILE"), 6);
}

TEST_F(SearchTest, TheWholeTextCountsIncludingATrailingBlank) {
    mainWindow& main = open();
    // Longer than "Li": only a cell at least as long can match.
    EXPECT_EQ(search(main, "Lin"), 4);
    EXPECT_EQ(search(main, "Van "), 3);
    EXPECT_EQ(search(main, "Li"), 1);
    // "Lindqvist " is one character longer than the name; nothing matches.
    EXPECT_EQ(search(main, "Lindqvist "), 1);
    EXPECT_EQ(search(main, " Li"), 1);
}

TEST_F(SearchTest, NoMatchKeepsTheSelectedMemberShown) {
    mainWindow& main = open();
    main.memberList.SetListIndex(3);
    const std::string stored = data.read("rkMemberList");
    EXPECT_EQ(search(main, "Zzz"), 3);
    EXPECT_EQ(main.LastName.Text(), "Van Dyke");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(data.read("rkMemberList"), stored);

    main.memberList.SetListIndex(-1);
    EXPECT_EQ(search(main, "Zzz"), -1);
}

TEST_F(SearchTest, EmptyTextSelectsTheFirstRowAndAnEmptyListNothing) {
    mainWindow& main = open();
    ASSERT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(search(main, ""), 0);
    EXPECT_EQ(main.LastName.Text(), "Adams");

    main.memberList.DeleteAllRows();
    EXPECT_EQ(search(main, ""), -1);
    EXPECT_EQ(search(main, "Brook"), -1);
}

TEST_F(SearchTest, OnlyReturnInTheFieldOrTheButtonSearches) {
    mainWindow& main = open();
    main.searchFld.SetText("Brook");
    main.searchFld_TextChange();
    main.searchFld_KeyUp("a");
    main.searchFld_KeyUp("\n");
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    main.searchFld_KeyUp("\r");
    EXPECT_EQ(main.memberList.ListIndex(), 2);

    main.searchFld.SetText("Ann");
    main.PushButton1.Push();
    EXPECT_EQ(main.memberList.ListIndex(), 1);
}

TEST_F(SearchTest, TypingInTheFieldSearchesOnlyAtReturn) {
    mainWindow& main = open();
    QLineEdit* field = main.searchFld.lineEdit();
    QTest::keyClicks(field, "Van");
    ASSERT_EQ(main.searchFld.Text(), "Van");
    QTest::keyClick(field, Qt::Key_Space);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(main.memberList.ListIndex(), 3);

    field->clear();
    QTest::keyClicks(field, "brookes");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(main.memberList.ListIndex(), 2);
}

TEST_F(SearchTest, WhileFilteredSearchesTheSubsetAndNeverEndsTheFilter) {
    mainWindow& main = open();
    const std::string stored = data.read("rkMemberList");
    Globals::gSearchOn = true;
    // Left: Li, Van Dyke, Brook.
    for (int row : {6, 4, 2, 0})
        main.memberList.RemoveRow(row);

    EXPECT_EQ(search(main, "Brook"), 2);
    EXPECT_EQ(main.LastName.Text(), "Brook");
    EXPECT_EQ(main.infoLabel.Text(), "Search Results");
    EXPECT_TRUE(Globals::gSearchOn);
    // The selection disabled the field; the button still searches its text.
    EXPECT_FALSE(main.searchFld.Enabled());
    main.searchFld.SetText("Anne");
    main.PushButton1.Push();
    EXPECT_EQ(main.memberList.ListIndex(), 1);

    // A later save path still leaves the file alone.
    main.memberList.SetCell(1, 0, "Changed");
    main.Toolbar11_Action(*main.Toolbar11.Counts);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

}  // namespace

// Finding a member by the beginning of a last name, or failing that of a first
// name, from the search field and the "Search Names" button.

#include "core/Column.h"
#include "tests/support/ProgramTest.h"

#include <QLineEdit>
#include <QTest>

namespace {

using SearchTest = ProgramTest;

TEST_F(SearchTest, SelectsTheTopLastNameMatchElseTheTopFirstNameMatch) {
    writeRoll({{.last = "Adams", .first = "Brooke"},
               {.last = "Li", .first = "Anna"},
               {.last = "Brookes", .first = "Zoe"},
               {.last = "Van Dyke", .first = "Anne"},
               {.last = "Lindqvist", .first = "Brook"},
               {.last = "Brook", .first = "Xavier"},
               {.last = "Öberg", .first = "Émile"}});
    mainWindow& main = mainWindow::instance();
    const struct {
        std::string text;
        int selectedBefore, found;
    } cases[] = {
        // "Brook" is all of row 5's last name but only the beginning of row 2's.
        {"Brook", -1, 2},
        {"Anne", -1, 3},
        {"brookES", -1, 2},
        {"öB", -1, 6},
        {"ÉMILE", -1, 6},
        // The whole text counts, blanks too.
        {"Lin", -1, 4},
        {"Van ", -1, 3},
        {"Lindqvist ", -1, -1},
        // No match leaves the member shown as it is; no text finds the top row.
        {"Zzz", 3, 3},
        {"", 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        main.memberList.SetListIndex(c.selectedBefore);
        main.searchFld.SetText(c.text);
        main.doSearch();
        EXPECT_EQ(main.memberList.ListIndex(), c.found);
        if (c.found >= 0) {
            EXPECT_EQ(main.LastName.Text(), main.memberList.Cell(c.found, +Column::LastName));
        }
    }
    EXPECT_TRUE(dialogs.asked().empty());

    // Typing alone never searches: only Return in the field or the button do.
    main.memberList.SetListIndex(-1);
    main.searchFld.SetText("");
    QLineEdit* field = main.searchFld.lineEdit();
    QTest::keyClicks(field, "Van");
    QTest::keyClick(field, Qt::Key_Space);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(main.memberList.ListIndex(), 3);
    main.searchFld.SetText("Ann");
    main.PushButton1.Push();
    EXPECT_EQ(main.memberList.ListIndex(), 1);

    // While filtered, the subset is searched and stays: Li, Van Dyke, Brook.
    Globals::gSearchOn = true;
    for (int row : {6, 4, 2, 0})
        main.memberList.RemoveRow(row);
    main.searchFld.SetText("Brook");
    main.doSearch();
    EXPECT_EQ(main.memberList.ListIndex(), 2);
    EXPECT_EQ(main.infoLabel.Text(), "Search Results");
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListCount(), 3);

    main.memberList.DeleteAllRows();
    main.searchFld.SetText("");
    main.doSearch();
    EXPECT_EQ(main.memberList.ListIndex(), -1);
}

}  // namespace

// The row store under the member list: removals and reorders followed, and
// the changes told in batches. Cells themselves are tested through Listbox.

#include "platform/RowTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A cell may be set from a view into its own row, even when the row is
// packed anew around the new text.
TEST(RowTableCells, SetFromATextInsideItsOwnRow) {
    RowTable table(4);
    table.AddRow(std::string(70000, 'x'));
    table.SetCell(0, 3, table.Cell(0, 0).substr(0, 3));
    table.SetCell(0, 0, table.Cell(0, 3));
    EXPECT_EQ(table.Cell(0, 0), "xxx");
    EXPECT_EQ(table.Cell(0, 3), "xxx");
}

// The first cells, top to bottom.
std::vector<std::string> firstColumn(const RowTable& table) {
    std::vector<std::string> texts;
    for (int row = 0; row < table.RowCount(); ++row)
        texts.emplace_back(table.Cell(row, 0));
    return texts;
}

TEST(RowTableRemoval, ReorderFollowsTheLastRowAndSkipsGaps) {
    RowTable table(1);
    for (const char* text : {"d", "c", "b", "a", "e"})
        table.AddRow(text);
    table.RemoveRow(4);
    table.RemoveRow(1);
    EXPECT_EQ(table.LastIndex(), -1);
    table.AddRow("f");
    table.Reorder({3, 2, 1, 0});
    EXPECT_EQ(firstColumn(table), (std::vector<std::string>{"f", "a", "b", "d"}));
    EXPECT_EQ(table.LastIndex(), 0);
    // An order that does not name every row is refused.
    table.Reorder({0, 1});
    EXPECT_EQ(table.RowCount(), 4);
    table.Clear();
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(table.LastIndex(), -1);
}

TEST(RowTableChanges, ToldOnceInStepsUntilCaughtUp) {
    RowTable table(2);
    RowChanges& changes = table.Changes();
    int told = 0;
    changes.Changed = [&] { ++told; };
    for (int n = 0; n < 5; ++n)
        table.AddRow(std::to_string(n));
    table.RemoveRow(3);
    table.RemoveRow(1);
    table.AddRow("new");
    EXPECT_EQ(told, 1);
    ASSERT_EQ(changes.Steps().size(), 4u);
    EXPECT_EQ(changes.Steps()[0].appended, 5);
    EXPECT_EQ(changes.Steps()[1].removedRow, 3);
    // Row 4 as first appended is row 2 now; rows 1 and 3 are gone.
    EXPECT_EQ(changes.RowNow(4, 1), 2);
    EXPECT_EQ(changes.RowNow(3, 1), -1);
    EXPECT_EQ(changes.RowNow(1, 2), -1);
    EXPECT_EQ(changes.RowNow(1, 3), 1);
    // Cells of rows nobody was shown yet are no change to tell.
    table.SetCell(0, 1, "x");
    EXPECT_FALSE(changes.CellsChanged());

    changes.CaughtUp(table.RowCount());
    EXPECT_FALSE(changes.Pending());
    table.SetCell(0, 1, "y");
    EXPECT_EQ(told, 2);
    EXPECT_TRUE(changes.CellsChanged());
    EXPECT_TRUE(changes.Steps().empty());
}

TEST(RowTableChanges, ManyStepsOrAReorderBecomeEverything) {
    RowTable table(1);
    for (int n = 0; n < 40; ++n)
        table.AddRow(std::to_string(n));
    table.Changes().CaughtUp(table.RowCount());
    for (int row = 39; row >= 0; row -= 2)
        table.RemoveRow(row);
    EXPECT_TRUE(table.Changes().Everything());
    EXPECT_TRUE(table.Changes().Steps().empty());

    table.Changes().CaughtUp(table.RowCount());
    table.Reorder({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    EXPECT_TRUE(table.Changes().Everything());
}

}  // namespace

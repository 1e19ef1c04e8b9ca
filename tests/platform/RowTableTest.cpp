// The row store under the member list. Its rows, their order and the changes
// it tells are tried through Listbox and its view in ListboxTest.

#include "platform/RowTable.h"

#include <gtest/gtest.h>
#include <string>

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

}  // namespace

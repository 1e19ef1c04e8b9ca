#include "core/Counts.h"

#include "core/RowTable.h"
#include "platform/EventLoop.h"
#include "platform/Text.h"

int CountRows(const RowTable& rows, const CountRule& rule) {
    int count = 0;
    for (int row = 0; row < rows.RowCount(); ++row) {
        if (SameText(rows.Cell(row, +rule.column), rule.value))
            ++count;
        EventLoop::Turn();
    }
    return count;
}

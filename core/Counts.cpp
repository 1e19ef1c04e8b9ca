#include "core/Counts.h"

#include "platform/EventLoop.h"
#include "platform/RowTable.h"
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

#include "core/Counts.h"

#include "platform/EventLoop.h"
#include "platform/RowTable.h"

int CountRows(const RowTable& rows, const ListFilter& filter) {
    int count = 0;
    for (int row = 0; row < rows.RowCount(); ++row) {
        if (FilterKeeps(filter, rows.Cell(row, +filter.column)))
            ++count;
        EventLoop::Turn();
    }
    return count;
}

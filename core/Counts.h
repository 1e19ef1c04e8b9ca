#pragma once

#include "core/ListFilters.h"

class RowTable;

// The number of rows the filter would keep. Walks the rows once, with a turn
// of the event loop after each (which leaves the rows alone: EventLoop::Turn).
int CountRows(const RowTable& rows, const ListFilter& filter);

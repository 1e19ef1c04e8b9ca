#pragma once

#include "core/ListFilters.h"

class RowTable;

// The number of rows the filter would keep. Walks the rows once, reading the
// row count again before each row, as the rows may change while it yields.
int CountRows(const RowTable& rows, const ListFilter& filter);

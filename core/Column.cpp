#include "core/Column.h"

static_assert(kColumnHeadings.size() == +Column::Status + 1);

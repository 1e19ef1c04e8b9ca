#include "core/ListFilters.h"

#include "platform/Text.h"

#include <cmath>

namespace {

// The leading number of the n-th "-" field, truncated toward zero.
double dueDateNumber(std::string_view dueDate, int field) {
    return std::trunc(Val(NthField(dueDate, "-", field)));
}

}  // namespace

const FindMenuItem* FindMenuItemNamed(std::string_view text) {
    for (const FindMenuItem& item : kFindMenuItems)
        if (SameText(text, item.text))
            return &item;
    return nullptr;
}

bool FilterKeeps(const ListFilter& filter, std::string_view cell) {
    return SameText(cell, filter.value);
}

bool DueInYear(std::string_view dueDate, int year) {
    return dueDateNumber(dueDate, 1) == year;
}

bool DueInMonth(std::string_view dueDate, int month) {
    return dueDateNumber(dueDate, 2) == month;
}

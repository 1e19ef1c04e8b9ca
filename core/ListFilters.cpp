#include "core/ListFilters.h"

#include "core/DueRules.h"
#include "platform/Text.h"

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
    return ReadDueDate(dueDate).WholeYear() == year;
}

bool DueInMonth(std::string_view dueDate, int month) {
    return ReadDueDate(dueDate).WholeMonth() == month;
}

#pragma once

#include <string>
#include <string_view>

// Where the printed checklist puts what: a bold title, then one line per
// member in columns of a fixed number of lines, two columns to a page. The
// page's size is never read and nothing is measured. Positions are points
// (72 to the inch), as the drawing surface takes them; pages count from 0.
class ChecklistLayout {
public:
    struct Place {
        int page;
        int x;
        int y;
    };

    // The title, on the first page only.
    static Place Title();
    // The line of the row'th member shown, from 0. Its due date goes
    // kDueDateOffset further right.
    static Place Line(int row);

    static std::string TitleText(std::string_view shortDate);
    // "____ ", the last name, ", " and the first 15 characters of the first name.
    static std::string LineText(std::string_view lastName, std::string_view firstName);
    // The due date as it is stored.
    static std::string DueDateText(std::string_view dueDate);

    static constexpr int kDueDateOffset = 170;
    static constexpr double kLineTextSize = 10;
};

#pragma once

#include <string>
#include <string_view>

// Where the printed checklist puts what: a bold title, then one line per
// member in columns of a fixed number of lines, two columns to a page. The
// page's size is never read and nothing is measured, so the layout depends on
// the printer's resolution alone. Positions are in the units of the drawing
// surface; pages count from 0.
class ChecklistLayout {
public:
    struct Place {
        int page;
        int x;
        int y;
    };

    ChecklistLayout(int horizontalResolution, int verticalResolution);

    // The title, on the first page only.
    Place Title() const;
    // The line of the row'th member shown, from 0. Its due date goes
    // kDueDateOffset further right.
    Place Line(int row) const;

    static std::string TitleText(std::string_view shortDate);
    // "____ ", the last name, ", " and the first 15 characters of the first name.
    static std::string LineText(std::string_view lastName, std::string_view firstName);

    static constexpr int kDueDateOffset = 170;
    static constexpr double kLineTextSize = 10;

private:
    int horizontal_;
    int vertical_;
};

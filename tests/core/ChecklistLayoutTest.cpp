// Where the checklist's lines fall: columns fill in list order, a page is
// begun only for rows that remain, and the title is on the first page alone.

#include "core/ChecklistLayout.h"

#include <gtest/gtest.h>

namespace {

int pagesFor(const ChecklistLayout& layout, int rows) {
    return rows == 0 ? 1 : layout.Line(rows - 1).page + 1;
}

TEST(ChecklistLayout, PagesNeededForAListOfRows) {
    const ChecklistLayout layout(72, 72);
    const struct {
        int rows;
        int pages;
    } cases[] = {{0, 1}, {1, 1}, {45, 1}, {90, 1}, {91, 2}, {178, 2}, {179, 3}, {266, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(pagesFor(layout, c.rows), c.pages) << c.rows;
}

TEST(ChecklistLayout, ColumnsAtResolution72) {
    const ChecklistLayout layout(72, 72);
    EXPECT_EQ(layout.Title().x, 47);
    EXPECT_EQ(layout.Title().y, 72);
    const struct {
        int row, page, x, y;
    } cases[] = {
        {0, 0, 47, 100},   {44, 0, 47, 716},   {45, 0, 297, 100},
        {89, 0, 297, 716}, {90, 1, 72, 86},    {133, 1, 72, 688},
        {134, 1, 322, 86}, {177, 1, 322, 688}, {178, 2, 72, 86},
    };
    for (const auto& c : cases) {
        const ChecklistLayout::Place place = layout.Line(c.row);
        EXPECT_EQ(place.page, c.page) << c.row;
        EXPECT_EQ(place.x, c.x) << c.row;
        EXPECT_EQ(place.y, c.y) << c.row;
    }
}

TEST(ChecklistLayout, OtherResolutionsMoveAllButTheSecondColumnsTop) {
    const ChecklistLayout layout(300, 300);
    EXPECT_EQ(layout.Line(0).x, 275);
    EXPECT_EQ(layout.Line(0).y, 328);
    EXPECT_EQ(layout.Line(45).y, 100);
    EXPECT_EQ(layout.Line(90).y, 314);
    EXPECT_EQ(layout.Line(134).y, 86);
}

TEST(ChecklistLayout, LineTexts) {
    EXPECT_EQ(ChecklistLayout::TitleText("2026-06-15"), "Member Checklist     2026-06-15");
    EXPECT_EQ(ChecklistLayout::LineText("Brown", "Ann"), "____ Brown, Ann");
    EXPECT_EQ(ChecklistLayout::LineText("", ""), "____ , ");
    EXPECT_EQ(ChecklistLayout::LineText("A very long last name indeed", "Maximilianus-Johannes"),
              "____ A very long last name indeed, Maximilianus-Jo");
    EXPECT_EQ(ChecklistLayout::LineText("Ö", "ÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ"), "____ Ö, ÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ");
}

}  // namespace

// The printed checklist as a reader finds it on paper: every member shown,
// once and in order, on pages that each hold lines, and no line running off
// the sheet or into another.

#include "tests/support/ProgramTest.h"
#include "tests/support/RecordingGraphics.h"

#include <cmath>

namespace {

using Text = Recording::Text;

// The smaller of A4 and Letter in points, less a quarter inch all round.
constexpr double kLeft = 18, kRight = 595 - 18, kBottom = 792 - 18;

// A line of 10 point text is never wider than 0.6 em a character.
double width(const Text& text) {
    return 6.0 * static_cast<double>(text.text.size());
}

class ChecklistTest : public ProgramTest {
protected:
    // Prints the checklist and gives what was drawn.
    Recording print(mainWindow& main) {
        auto recording = std::make_shared<Recording>();
        dialogs.AnswerPrint([recording] { return std::make_unique<RecordingGraphics>(recording); });
        main.PrintChecklist();
        return *recording;
    }

    static std::vector<std::string> texts(const Recording& recording) {
        std::vector<std::string> strings;
        for (const Text& text : recording.texts)
            strings.push_back(text.text);
        return strings;
    }
};

TEST_F(ChecklistTest, EveryMemberStandsOnceInOrderOnPagesThatFitTheSheet) {
    // Rows shown, and the pages they fill; no page is left blank.
    const std::pair<int, int> cases[] = {{0, 1}, {90, 1}, {91, 2}, {178, 2}, {179, 3}};
    for (const auto& [rows, pages] : cases) {
        SCOPED_TRACE(std::to_string(rows) + " rows");
        mainWindow& main = mainWindow::instance();
        std::vector<std::string> expected{"Member Checklist     2026-06-15"};
        for (int row = 0; row < rows; ++row) {
            const std::string n = std::to_string(row), due = "2027-0" + n.substr(0, 1) + "-01";
            main.memberList.AddRow("Last" + n);
            main.memberList.SetCell(row, +Column::FirstName, "First" + n);
            main.memberList.SetCell(row, +Column::DueDate, due);
            expected.insert(expected.end(), {"____ Last" + n + ", First" + n, due});
        }
        const Recording recording = print(main);
        ASSERT_EQ(texts(recording), expected);
        EXPECT_EQ(recording.pages, pages);

        // Each member's line, from the name's left end to the date's right end.
        struct Line {
            int page;
            double left, right, y;
        };
        std::vector<Line> lines;
        for (size_t i = 1; i < expected.size(); i += 2) {
            const Text &name = recording.texts[i], &due = recording.texts[i + 1];
            SCOPED_TRACE(name.text);
            // The date on the name's line and clear of it; pages follow without a gap.
            EXPECT_TRUE(due.page == name.page && due.y == name.y && due.x > name.x + width(name));
            const int previousPage = lines.empty() ? 1 : lines.back().page;
            EXPECT_TRUE(name.page == previousPage || name.page == previousPage + 1);
            // On the sheet, and below the title on the first page.
            EXPECT_TRUE(name.x >= kLeft && due.x + width(due) <= kRight && name.y <= kBottom);
            EXPECT_TRUE(name.page > 1 || name.y > recording.texts[0].y);
            lines.push_back({name.page, name.x, due.x + width(due), name.y});
        }
        EXPECT_EQ(lines.empty() ? 1 : lines.back().page, pages);
        // No two lines of a page run into each other.
        for (size_t a = 0; a < lines.size(); ++a)
            for (size_t b = a + 1; b < lines.size(); ++b) {
                const Line &one = lines[a], &other = lines[b];
                EXPECT_TRUE(one.page != other.page || std::abs(one.y - other.y) >= 10 ||
                            one.right < other.left || other.right < one.left)
                    << expected[2 * a + 1] << " and " << expected[2 * b + 1];
            }
        // Closing saves the list; the next case starts from no roll.
        closeAllWindows();
        data.dataFolder().Child("rkMemberList").Delete();
        dialogs.clear();
    }
}

TEST_F(ChecklistTest, PrintsTheRowsShownWithFirstNamesCutToFifteenCharacters) {
    writeRoll({{.last = "Featherstonehaugh-Cholmondeley", .first = "Maximilianus-Alexander"},
               {.last = "Hidden"},
               {.last = "Øster", .first = "Åsa-Märta Sofía Ñ", .due = ""}});
    mainWindow& main = mainWindow::instance();
    const std::string stored = data.read("rkMemberList");
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(1);

    const std::vector<std::string> expected = {
        "Member Checklist     2026-06-15", "____ Featherstonehaugh-Cholmondeley, Maximilianus-Al",
        "2027-03-01",
        // Characters, not bytes.
        "____ Øster, Åsa-Märta Sofía", ""};
    EXPECT_EQ(texts(print(main)), expected);
    EXPECT_EQ(main.memberList.ListCount(), 2);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

// A cell of any length is drawn by as much of its start as runs off the
// sheet, so a roll of one huge line prints like any other.
TEST_F(ChecklistTest, PrintsOnlyTheStartOfAHugeCell) {
    std::string huge;
    for (int n = 0; n < 1'000'000; ++n)
        huge += "é";
    writeRoll({{.last = huge, .first = "Ann", .due = huge}});
    const Recording recording = print(mainWindow::instance());

    ASSERT_EQ(recording.texts.size(), 3U);
    const Text &line = recording.texts[1], &due = recording.texts[2];
    ASSERT_LT(line.text.size() + due.text.size(), 100'000U);
    EXPECT_EQ(line.text, "____ " + huge.substr(0, line.text.size() - 10) + ", Ann");
    EXPECT_EQ(due.text, huge.substr(0, due.text.size()));
    for (const Text* drawn : {&line, &due}) {
        // Whole characters only, and at a point each still past the sheet's edge.
        const QString shown = QString::fromUtf8(drawn->text);
        EXPECT_EQ(shown.toStdString(), drawn->text);
        EXPECT_GT(drawn->x + static_cast<double>(shown.size()), kRight);
    }
}

}  // namespace

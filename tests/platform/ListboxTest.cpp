#include "platform/Listbox.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <random>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

Rows cells(const Listbox& list) {
    Rows rows;
    for (int row = 0; row < list.ListCount(); ++row) {
        rows.emplace_back();
        for (int column = 0; column < list.ColumnCount(); ++column)
            rows.back().push_back(list.Cell(row, column));
    }
    return rows;
}

Texts column(const Listbox& list, int column) {
    Texts texts;
    for (int row = 0; row < list.ListCount(); ++row)
        texts.push_back(list.Cell(row, column));
    return texts;
}

// Rows "0", "1", ... in the first cell.
void addNumberedRows(Listbox& list, int count) {
    for (int n = 0; n < count; ++n)
        list.AddRow(std::to_string(n));
}

TEST(ListboxCells, KeepEveryByteAndIgnoreCellsOutOfRange) {
    Listbox list("list", 3);
    const std::string invalid = "ab\xff\xfe\xc3(\x80z";
    const std::string withNul("a\0b", 3);
    const std::string longText(70000, 'x');
    list.AddRow(invalid);
    list.SetCell(0, 2, withNul);
    list.AddRow(longText);
    // Rewriting a middle cell longer, then shorter, must not disturb its neighbours.
    list.SetCell(0, 1, longText);
    list.SetCell(0, 1, "é");
    list.SetCell(1, 0, "short");
    for (auto [row, col] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 3}}) {
        EXPECT_EQ(list.Cell(row, col), "");
        list.SetCell(row, col, "written");
    }
    list.RemoveRow(2);
    list.RemoveRow(-1);
    EXPECT_EQ(cells(list), (Rows{{invalid, "é", withNul}, {"short", "", ""}}));

    // A column given up and made again comes back empty, not with its old text.
    list.SetColumnCount(2);
    list.SetColumnCount(3);
    EXPECT_EQ(cells(list), (Rows{{invalid, "é", ""}, {"short", "", ""}}));
}

// Random edits against plain vectors of rows, with the selection and the row
// added last followed too.
TEST(ListboxRows, RandomEditsMatchPlainRows) {
    Listbox list("list", 3);
    Rows expected;
    int expectedIndex = -1;
    int expectedLast = -1;
    int changes = 0;
    int expectedChanges = 0;
    list.Change = [&] { ++changes; };
    std::mt19937 random(7);
    auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    for (int step = 0; step < 4000; ++step) {
        const int count = static_cast<int>(expected.size());
        const int action = below(10);
        if (action < 3 || count == 0) {
            const std::string text = "r" + std::to_string(step);
            list.AddRow(text);
            expected.push_back({text, "", ""});
            expectedLast = count;
        } else if (action < 6) {
            // A short run from a row upward, as a filter removes.
            for (int row = below(count), n = below(5); row >= 0 && n >= 0;
                 row -= 1 + below(3), --n) {
                list.RemoveRow(row);
                expected.erase(expected.begin() + row);
                if (row == expectedIndex)
                    ++expectedChanges;
                for (int* followed : {&expectedIndex, &expectedLast}) {
                    if (row < *followed)
                        --*followed;
                    else if (row == *followed)
                        *followed = -1;
                }
            }
        } else if (action < 8) {
            const int row = below(count);
            const int col = below(3);
            const std::string text = "s" + std::to_string(step);
            list.SetCell(row, col, text);
            expected[size_t(row)][size_t(col)] = text;
        } else if (action < 9) {
            const int row = below(count);
            ASSERT_EQ(list.Cell(row, 0), expected[size_t(row)][0]) << "step " << step;
        } else {
            // Past the end means no row.
            const int row = below(count + 2) - 1;
            const int selected = row < count ? row : -1;
            if (selected != expectedIndex)
                ++expectedChanges;
            list.SetListIndex(row);
            expectedIndex = selected;
        }
        ASSERT_EQ(list.ListCount(), static_cast<int>(expected.size())) << "step " << step;
        ASSERT_EQ(list.ListIndex(), expectedIndex) << "step " << step;
        ASSERT_EQ(list.LastIndex(), expectedLast) << "step " << step;
    }
    EXPECT_EQ(cells(list), expected);
    EXPECT_EQ(changes, expectedChanges);
}

TEST(ListboxRows, DeleteAllRowsClearsTheSelectionOnce) {
    Listbox list("list");
    addNumberedRows(list, 6);
    list.SetListIndex(3);
    std::vector<int> seen;
    list.Change = [&] { seen.push_back(list.ListIndex()); };
    list.DeleteAllRows();
    list.DeleteAllRows();
    EXPECT_EQ(seen, (std::vector<int>{-1}));
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.LastIndex(), -1);
}

TEST(ListboxSort, StableIgnoringCaseAndSelectionFollows) {
    Listbox list("list", 2);
    const std::pair<const char*, const char*> rows[] = {{"b", "1"},    {"A", "2"},    {"é", "3"},
                                                        {"gone", "x"}, {"a", "4"},    {"B", "5"},
                                                        {"É", "6"},    {"gone", "y"}, {"", "7"}};
    for (const auto& [first, second] : rows) {
        list.AddRow(first);
        list.SetCell(list.LastIndex(), 1, second);
    }
    list.RemoveRow(7);
    list.RemoveRow(3);
    list.SetListIndex(3);  // "a", 4
    int changes = 0;
    list.Change = [&] { ++changes; };

    list.SortByColumn(0);
    EXPECT_EQ(column(list, 1), (Texts{"7", "2", "4", "1", "5", "3", "6"}));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.Cell(list.LastIndex(), 1), "7");
    EXPECT_EQ(changes, 0);

    list.SortByColumn(1);
    EXPECT_EQ(column(list, 0), (Texts{"b", "A", "é", "a", "B", "É", ""}));
    EXPECT_EQ(list.ListIndex(), 3);
}

// Names sorted as the list sorts them under the given language.
Texts sortedNames(const QLocale& locale, const Texts& names) {
    QLocale::setDefault(locale);
    Listbox list("list");
    for (const std::string& name : names)
        list.AddRow(name);
    list.SortByColumn(0);
    QLocale::setDefault(QLocale::system());
    return column(list, 0);
}

TEST(ListboxSort, FollowsTheUsersLanguageNotTheCharacterCodes) {
    const Texts names = {"Zimmermann", "Żak",   "Müller", "Nash",   "Şahin",
                         "Öztürk",     "Åberg", "miller", "Miller", "Olsen",
                         "Østergaard", "Adams", "Smith",  "Ziegler"};
    // Case is ignored, so the two Millers keep their order.
    const Texts english = {"Åberg", "Adams", "miller",     "Miller",    "Müller",
                           "Nash",  "Olsen", "Østergaard", "Öztürk",    "Şahin",
                           "Smith", "Żak",   "Ziegler",    "Zimmermann"};
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale::c()})
        EXPECT_EQ(sortedNames(locale, names), english) << locale.name().toStdString();
    // A Swede finds the letters that end the alphabet at its end.
    EXPECT_EQ(
        sortedNames(QLocale(QLocale::Swedish, QLocale::Sweden), {"Åberg", "Zimmermann", "Adams"}),
        (Texts{"Adams", "Zimmermann", "Åberg"}));
}

}  // namespace

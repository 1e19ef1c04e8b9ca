#include "platform/Listbox.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <random>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows cells(const Listbox& list) {
    Rows rows;
    for (int row = 0; row < list.ListCount(); ++row) {
        rows.emplace_back();
        for (int column = 0; column < list.ColumnCount(); ++column)
            rows.back().push_back(list.Cell(row, column));
    }
    return rows;
}

void addRows(Listbox& list, const Rows& rows) {
    for (const auto& row : rows) {
        list.AddRow(row.at(0));
        for (size_t column = 1; column < row.size(); ++column)
            list.SetCell(list.LastIndex(), static_cast<int>(column), row[column]);
    }
}

// Rows "0", "1", ... in the first cell, "c<n>" in the second.
void addNumberedRows(Listbox& list, int count) {
    for (int n = 0; n < count; ++n) {
        list.AddRow(std::to_string(n));
        list.SetCell(list.LastIndex(), 1, "c" + std::to_string(n));
    }
}

std::vector<std::string> column(const Listbox& list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.ListCount(); ++row)
        texts.push_back(list.Cell(row, column));
    return texts;
}

}  // namespace

TEST(ListboxCells, KeepEveryByteOfEveryCell) {
    Listbox list("list", 4);
    const std::string invalid = "ab\xff\xfe\xc3(\x80z";
    const std::string withNul("a\0b", 3);
    const std::string longText(70000, 'x');
    addRows(list, {{"", invalid, "", withNul}, {longText, "", "é", ""}});

    EXPECT_EQ(cells(list), (Rows{{"", invalid, "", withNul}, {longText, "", "é", ""}}));

    // Rewriting a middle cell longer, then shorter, must not disturb its neighbours.
    list.SetCell(0, 1, longText);
    list.SetCell(0, 2, "mid");
    EXPECT_EQ(cells(list)[0], (std::vector<std::string>{"", longText, "mid", withNul}));
    list.SetCell(0, 1, "");
    list.SetCell(1, 0, "short");
    EXPECT_EQ(cells(list), (Rows{{"", "", "mid", withNul}, {"short", "", "é", ""}}));
}

TEST(ListboxCells, OutOfRangeReadsEmptyAndWritesNothing) {
    Listbox list("list", 2);
    EXPECT_EQ(list.LastIndex(), -1);
    addRows(list, {{"a", "b"}});
    const Rows before = cells(list);

    for (auto [row, col] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 2}}) {
        EXPECT_EQ(list.Cell(row, col), "");
        list.SetCell(row, col, "written");
    }
    list.RemoveRow(1);
    list.RemoveRow(-1);
    EXPECT_EQ(cells(list), before);
    EXPECT_EQ(list.ListCount(), 1);
}

TEST(ListboxCells, ColumnCountAndHeadings) {
    Listbox list("list", 3);
    addRows(list, {{"a", "b", "c"}});
    list.SetHeading(1, "Second");
    list.SetHeading(3, "none");
    EXPECT_EQ(list.Heading(1), "Second");
    EXPECT_EQ(list.Heading(3), "");

    list.SetColumnCount(2);
    EXPECT_EQ(cells(list), (Rows{{"a", "b"}}));
    list.SetColumnCount(4);
    // A column given up and made again comes back empty, not with its old text.
    EXPECT_EQ(cells(list), (Rows{{"a", "b", "", ""}}));
    EXPECT_EQ(list.Heading(1), "Second");
}

TEST(ListboxRemoval, DescendingFilterThenForwardReads) {
    Listbox list("list", 2);
    addNumberedRows(list, 1000);
    std::vector<std::string> expected;
    for (int n = 0; n < 1000; ++n)
        if (n % 3 != 0)
            expected.push_back(std::to_string(n));

    // The filters' loop: read a row, maybe remove it, move up.
    for (int row = list.ListCount() - 1; row >= 0; --row)
        if (std::stoi(list.Cell(row, 0)) % 3 == 0)
            list.RemoveRow(row);

    EXPECT_EQ(list.ListCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(column(list, 0), expected);
    EXPECT_EQ(list.Cell(0, 1), "c1");
    EXPECT_EQ(list.Cell(list.ListCount() - 1, 1), "c998");
}

TEST(ListboxRemoval, AddAndWriteAfterRemovals) {
    Listbox list("list", 2);
    addNumberedRows(list, 10);
    list.RemoveRow(8);
    list.RemoveRow(3);
    // A row above every gap is read and written without closing them.
    list.SetCell(2, 1, "two");
    list.AddRow("new");
    EXPECT_EQ(list.LastIndex(), 8);
    EXPECT_EQ(column(list, 0),
              (std::vector<std::string>{"0", "1", "2", "4", "5", "6", "7", "9", "new"}));
    EXPECT_EQ(list.Cell(2, 1), "two");

    list.RemoveRow(0);
    list.RemoveRow(7);  // below the gap just made
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"1", "2", "4", "5", "6", "7", "9"}));
    EXPECT_EQ(list.LastIndex(), -1);
}

// Random edits against plain vectors of rows, with the selection followed too.
TEST(ListboxRemoval, RandomEditsMatchPlainRows) {
    Listbox list("list", 3);
    Rows expected;
    int expectedIndex = -1;
    int changes = 0;
    int expectedChanges = 0;
    list.Change = [&] { ++changes; };
    std::mt19937 random(7);
    auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int made = 0;

    for (int step = 0; step < 4000; ++step) {
        const int count = static_cast<int>(expected.size());
        const int action = below(10);
        if (action < 3 || count == 0) {
            const std::string text = "r" + std::to_string(made++);
            list.AddRow(text);
            expected.push_back({text, "", ""});
        } else if (action < 6) {
            // A short descending run, as a filter makes.
            for (int row = below(count), n = below(5); row >= 0 && n >= 0;
                 row -= 1 + below(3), --n) {
                list.RemoveRow(row);
                expected.erase(expected.begin() + row);
                if (row < expectedIndex) {
                    --expectedIndex;
                } else if (row == expectedIndex) {
                    expectedIndex = -1;
                    ++expectedChanges;
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
            const int row = below(count + 1) - 1;
            if (row != expectedIndex)
                ++expectedChanges;
            list.SetListIndex(row);
            expectedIndex = row;
        }
        ASSERT_EQ(list.ListCount(), static_cast<int>(expected.size())) << "step " << step;
        ASSERT_EQ(list.ListIndex(), expectedIndex) << "step " << step;
    }
    EXPECT_EQ(cells(list), expected);
    EXPECT_EQ(changes, expectedChanges);
}

TEST(ListboxSelection, ChangeRaisedOnlyWhenTheSelectionChanges) {
    Listbox list("list");
    addNumberedRows(list, 5);
    std::vector<int> seen;
    list.Change = [&] { seen.push_back(list.ListIndex()); };

    list.SetListIndex(2);
    list.SetListIndex(2);
    list.SetListIndex(4);
    list.SetListIndex(-1);
    list.SetListIndex(-1);
    list.SetListIndex(1);
    list.SetListIndex(5);  // past the end: no row
    EXPECT_EQ(seen, (std::vector<int>{2, 4, -1, 1, -1}));
    EXPECT_EQ(list.SelCount(), 0);
}

TEST(ListboxSelection, RemovingRowsAroundTheSelection) {
    Listbox list("list");
    addNumberedRows(list, 6);
    std::vector<int> seen;
    list.Change = [&] { seen.push_back(list.ListIndex()); };
    list.SetListIndex(3);
    seen.clear();

    list.RemoveRow(5);
    list.RemoveRow(0);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.Cell(list.ListIndex(), 0), "3");
    EXPECT_TRUE(seen.empty());

    list.RemoveRow(2);
    EXPECT_EQ(seen, (std::vector<int>{-1}));
    EXPECT_EQ(list.SelCount(), 0);

    list.SetListIndex(1);
    seen.clear();
    list.DeleteAllRows();
    list.DeleteAllRows();
    EXPECT_EQ(seen, (std::vector<int>{-1}));
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.LastIndex(), -1);
}

TEST(ListboxSort, StableIgnoringCaseAndSelectionFollows) {
    Listbox list("list", 2);
    addRows(list,
            {{"b", "1"}, {"A", "2"}, {"é", "3"}, {"a", "4"}, {"B", "5"}, {"É", "6"}, {"", "7"}});
    int changes = 0;
    list.SetListIndex(3);  // "a", 4
    list.Change = [&] { ++changes; };

    list.SortByColumn(0);
    EXPECT_EQ(column(list, 1), (std::vector<std::string>{"7", "2", "4", "1", "5", "3", "6"}));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.Cell(list.ListIndex(), 1), "4");
    EXPECT_EQ(list.Cell(list.LastIndex(), 1), "7");
    EXPECT_EQ(changes, 0);

    list.SortByColumn(1);
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"b", "A", "é", "a", "B", "É", ""}));
    EXPECT_EQ(list.ListIndex(), 3);
}

// Names sorted as the list sorts them under the given language.
std::vector<std::string> sortedNames(const QLocale& locale, std::vector<std::string> names) {
    QLocale::setDefault(locale);
    Listbox list("list");
    for (const std::string& name : names)
        list.AddRow(name);
    list.SortByColumn(0);
    QLocale::setDefault(QLocale::system());
    return column(list, 0);
}

TEST(ListboxSort, FollowsTheUsersLanguageNotTheCharacterCodes) {
    const std::vector<std::string> names = {"Zimmermann", "Żak",   "Müller", "Nash",   "Şahin",
                                            "Öztürk",     "Åberg", "miller", "Miller", "Olsen",
                                            "Østergaard", "Adams", "Smith",  "Ziegler"};
    // Case is ignored, so the two Millers keep their order.
    const std::vector<std::string> english = {"Åberg", "Adams", "miller",     "Miller",    "Müller",
                                              "Nash",  "Olsen", "Østergaard", "Öztürk",    "Şahin",
                                              "Smith", "Żak",   "Ziegler",    "Zimmermann"};
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale::c()})
        EXPECT_EQ(sortedNames(locale, names), english) << locale.name().toStdString();
    // A Swede finds the letters that end the alphabet at its end.
    EXPECT_EQ(
        sortedNames(QLocale(QLocale::Swedish, QLocale::Sweden), {"Åberg", "Zimmermann", "Adams"}),
        (std::vector<std::string>{"Adams", "Zimmermann", "Åberg"}));
}

TEST(ListboxSort, SortsWhatRemainsAfterRemovals) {
    Listbox list("list");
    addRows(list, {{"d"}, {"c"}, {"b"}, {"a"}, {"e"}});
    list.RemoveRow(4);
    list.RemoveRow(1);
    list.SortByColumn(0);
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"a", "b", "d"}));
    list.SortByColumn(5);
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"a", "b", "d"}));
}

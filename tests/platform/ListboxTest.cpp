#include "platform/Listbox.h"

#include "platform/EventLoop.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QImage>
#include <QItemSelectionModel>
#include <QLocale>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

Rows cells(const Listbox& list) {
    Rows rows(size_t(list.ListCount()));
    for (int row = 0; row < list.ListCount(); ++row)
        for (int column = 0; column < list.ColumnCount(); ++column)
            rows[size_t(row)].push_back(list.Cell(row, column));
    return rows;
}

// What the view can read, cell by cell.
Rows shown(const Listbox& list) {
    const QAbstractItemModel* model = list.view()->model();
    Rows rows(size_t(model->rowCount()));
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            rows[size_t(row)].push_back(model->index(row, column).data().toString().toStdString());
    return rows;
}

Texts column(const Listbox& list, int column) {
    Texts texts;
    for (int row = 0; row < list.ListCount(); ++row)
        texts.push_back(list.Cell(row, column));
    return texts;
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
}

// Random edits against plain vectors of rows, with the selection, the row
// added last and the changes told followed too.
TEST(ListboxRows, RandomEditsMatchPlainRows) {
    Listbox list("list", 3);
    Rows expected;
    int expectedIndex = -1, expectedLast = -1, changes = 0, expectedChanges = 0;
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
                expectedChanges += row == expectedIndex;
                for (int* followed : {&expectedIndex, &expectedLast}) {
                    if (row < *followed)
                        --*followed;
                    else if (row == *followed)
                        *followed = -1;
                }
            }
        } else if (action < 8) {
            const int row = below(count), col = below(3);
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
            expectedChanges += selected != expectedIndex;
            list.SetListIndex(row);
            expectedIndex = selected;
        }
        ASSERT_EQ(list.ListCount(), static_cast<int>(expected.size())) << "step " << step;
        ASSERT_EQ(list.ListIndex(), expectedIndex) << "step " << step;
        ASSERT_EQ(list.LastIndex(), expectedLast) << "step " << step;
    }
    EXPECT_EQ(cells(list), expected);
    EXPECT_EQ(changes, expectedChanges);

    // Emptied, the selection goes once.
    list.SetListIndex(0);
    changes = 0;
    list.DeleteAllRows();
    list.DeleteAllRows();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.ListIndex(), -1);
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

TEST(ListboxSort, FollowsTheUsersLanguageNotTheCharacterCodes) {
    const auto sorted = [](const QLocale& locale, const Texts& names) {
        QLocale::setDefault(locale);
        Listbox list("list");
        for (const std::string& name : names)
            list.AddRow(name);
        list.SortByColumn(0);
        QLocale::setDefault(QLocale::system());
        return column(list, 0);
    };
    const Texts names = {"Zimmermann", "Żak",   "Müller", "Nash",   "Şahin",
                         "Öztürk",     "Åberg", "miller", "Miller", "Olsen",
                         "Østergaard", "Adams", "Smith",  "Ziegler"};
    // Case is ignored, so the two Millers keep their order.
    const Texts english = {"Åberg", "Adams", "miller",     "Miller",    "Müller",
                           "Nash",  "Olsen", "Østergaard", "Öztürk",    "Şahin",
                           "Smith", "Żak",   "Ziegler",    "Zimmermann"};
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale::c()})
        EXPECT_EQ(sorted(locale, names), english) << locale.name().toStdString();
    // A Swede finds the letters that end the alphabet at its end.
    EXPECT_EQ(sorted(QLocale(QLocale::Swedish, QLocale::Sweden), {"Åberg", "Zimmermann", "Adams"}),
              (Texts{"Adams", "Zimmermann", "Åberg"}));
}

// The view hears of changes when the event loop runs, as after a turn.
void publish() {
    QCoreApplication::processEvents();
}

void addNumberedRows(Listbox& list, int count) {
    for (int n = 0; n < count; ++n) {
        list.AddRow(std::to_string(n));
        for (int column = 1; column < list.ColumnCount(); ++column)
            list.SetCell(list.LastIndex(), column,
                         std::to_string(n) + ":" + std::to_string(column));
    }
}

TEST(ListboxView, TellsTheViewEachChangeInOrderOnceTheLoopRuns) {
    Listbox list("list", 3);
    QAbstractItemModel* model = list.view()->model();
    // Stops the program at the first change told out of order.
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted),
        removed(model, &QAbstractItemModel::rowsRemoved),
        reset(model, &QAbstractItemModel::modelReset),
        changed(model, &QAbstractItemModel::dataChanged);

    addNumberedRows(list, 500);
    EXPECT_EQ(model->rowCount(), 0);
    publish();
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(shown(list), cells(list));

    // A few changes reach the view one by one, each where it was made.
    list.RemoveRow(400);
    list.RemoveRow(5);
    list.SetCell(0, 1, "changed");
    list.AddRow("appended");
    list.RemoveRow(6);
    publish();
    ASSERT_EQ(removed.count(), 3);
    EXPECT_EQ((std::vector{removed[0][1].toInt(), removed[1][1].toInt(), removed[2][1].toInt()}),
              (std::vector{400, 5, 6}));
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(shown(list), cells(list));

    // A filter's many removals reach it as one reset.
    for (int row = list.ListCount() - 1; row >= 0; row -= 2)
        list.RemoveRow(row);
    publish();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(removed.count(), 3);
    EXPECT_EQ(shown(list), cells(list));

    list.SortByColumn(1);
    addNumberedRows(list, 3);
    publish();
    EXPECT_EQ(shown(list), cells(list));
}

TEST(ListboxView, PaintHookColoursRowsUnderTextAndSelectionAndClicksSelect) {
    Listbox list("list", 3);
    addNumberedRows(list, 30);
    const QColor blue(173, 216, 230);
    bool paintWholeCell = false;
    list.CellBackgroundPaint = [&](CellGraphics& g, int row, int) {
        g.SetForeColor(row % 2 ? 255 : 173, row % 2 ? 255 : 216, row % 2 ? 255 : 230);
        g.FillRect(0, 0, g.Width(), g.Height());
        return paintWholeCell;
    };
    list.view()->resize(400, 300);
    list.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.view()));
    publish();
    const auto cell = [&](int row, int column) {
        return list.view()->visualRect(list.view()->model()->index(row, column));
    };
    const auto colour = [&](const QImage& image, int row) {
        return image.pixelColor(cell(row, 1).right() - 3, cell(row, 1).center().y());
    };
    // Whether anything but blue was drawn inside the first cell, such as its text.
    const auto firstCellHasText = [&](const QImage& image) {
        const QRect inside = cell(0, 0).adjusted(2, 2, -2, -2);
        for (int y = inside.top(); y < inside.bottom(); ++y)
            for (int x = inside.left(); x < inside.right(); ++x)
                if (image.pixelColor(x, y) != blue)
                    return true;
        return false;
    };

    QImage image = list.view()->viewport()->grab().toImage();
    EXPECT_EQ(colour(image, 0), blue);
    EXPECT_EQ(colour(image, 1), QColor(Qt::white));
    EXPECT_TRUE(firstCellHasText(image));
    // The selection still shows over the colour, unless the hook drew all.
    list.SetListIndex(2);
    image = list.view()->viewport()->grab().toImage();
    EXPECT_NE(colour(image, 2), blue);
    EXPECT_EQ(colour(image, 4), blue);
    paintWholeCell = true;
    image = list.view()->viewport()->grab().toImage();
    EXPECT_EQ(colour(image, 2), blue);
    EXPECT_FALSE(firstCellHasText(image));

    const auto viewSelectedRow = [&] {
        const QModelIndexList rows = list.view()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    };
    addNumberedRows(list, 200);
    // The rows are not published yet; selecting one must still show it.
    list.SetListIndex(180);
    EXPECT_EQ(viewSelectedRow(), 180);
    list.SetCell(180, 1, "");
    list.SortByColumn(1);
    publish();
    EXPECT_EQ(viewSelectedRow(), 0);
    list.RemoveRow(0);
    publish();
    EXPECT_EQ(viewSelectedRow(), -1);

    std::vector<int> seen;
    list.Change = [&] { seen.push_back(list.ListIndex()); };
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, modifiers,
                          cell(row, 0).center());
    };
    click(3);
    click(3);
    list.RemoveRow(0);
    list.RemoveRow(1);
    publish();
    EXPECT_EQ(viewSelectedRow(), 1);
    click(1, Qt::ControlModifier);
    EXPECT_EQ(seen, (std::vector<int>{3, -1}));
}

// A cell of any length costs no more to show than a screen's width of it:
// the view is given only its start.
TEST(ListboxView, AHugeCellIsShownByItsStartOnly) {
    std::string huge = "Start ";
    for (int n = 0; n < 200'000; ++n)
        huge += "\xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9ex";  // é€𝄞x
    Listbox list("list", 2);
    list.AddRow(huge);
    publish();

    const QString shownStart = list.view()->model()->index(0, 0).data().toString();
    EXPECT_TRUE(QString::fromStdString(huge).startsWith(shownStart));
    EXPECT_GT(shownStart.size(), 6);
    EXPECT_LT(shownStart.size(), 100'000) << "of a cell of " << huge.size() << " bytes";
    EXPECT_EQ(list.Cell(0, 0), huge);
}

// Gives the event loop the turn a row loop gives it once a slice is over.
void turnAfterASlice() {
    std::this_thread::sleep_for(std::chrono::milliseconds(6));
    for (int call = 0; call < 1000; ++call)
        EventLoop::Turn();
}

// Telling the view of rows removed costs as much as the rows left, so a
// loop of removals must not pay it at every turn: the view repaints the rows
// as they are then, the selected one standing out, and hears of the
// removals once the loop is done.
TEST(ListboxView, RowsRemovedInALoopReachTheViewOnceTheLoopIsDone) {
    Listbox list("list", 2);
    addNumberedRows(list, 60);
    list.view()->resize(300, 200);
    list.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.view()));
    publish();
    QAbstractItemModel* model = list.view()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved),
        reset(model, &QAbstractItemModel::modelReset);
    int painted = 0;
    list.CellBackgroundPaint = [&](CellGraphics& g, int, int) {
        ++painted;
        g.SetForeColor(255, 255, 255);
        g.FillRect(0, 0, g.Width(), g.Height());
        return false;
    };
    // A row on screen, with rows above and below it removed.
    list.SetListIndex(8);

    // As a filter does: from the last row up, every odd-numbered one.
    for (int row = list.ListCount() - 1; row >= 0; row -= 2) {
        list.RemoveRow(row);
        painted = 0;
        turnAfterASlice();
        EXPECT_GT(painted, 0) << "row " << row;
    }
    EXPECT_EQ(removed.count() + reset.count(), 0);
    const QImage image = list.view()->viewport()->grab().toImage();
    std::vector<std::string> standingOut;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QRect cell = list.view()->visualRect(model->index(row, 1));
        if (cell.intersects(image.rect()) &&
            image.pixelColor(cell.right() - 3, cell.center().y()) != QColor(Qt::white))
            standingOut.push_back(model->index(row, 0).data().toString().toStdString());
    }
    EXPECT_EQ(standingOut, std::vector<std::string>{"8"});

    publish();
    EXPECT_EQ(removed.count() + reset.count(), 1);
    EXPECT_EQ(shown(list), cells(list));
    EXPECT_EQ(list.view()->selectionModel()->selectedRows().value(0).row(), 4);
}

TEST(ListboxView, ListAndViewMayGoInEitherOrder) {
    QWidget window;
    window.resize(400, 300);
    {
        Listbox list("list", 2);
        list.CellBackgroundPaint = [](CellGraphics&, int, int) { return false; };
        list.view()->setParent(&window);
        addNumberedRows(list, 20);
        window.show();
        publish();
        list.SetListIndex(3);
        list.AddRow("unpublished");
    }
    // The view stays on the window until the window goes, without its rows.
    EXPECT_FALSE(window.grab().isNull());
    publish();

    Listbox list("list", 2);
    {
        QWidget other;
        list.view()->setParent(&other);
    }
    EXPECT_EQ(list.view(), nullptr);
    addNumberedRows(list, 3);
    list.SetListIndex(1);
    list.RemoveRow(1);
    publish();
    EXPECT_EQ(list.ListCount(), 2);
}

}  // namespace

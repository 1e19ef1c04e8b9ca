#include "platform/Listbox.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <string>
#include <vector>

namespace {

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

// Every cell the view can read equals the list's.
void expectViewShowsList(const Listbox& list) {
    const QAbstractItemModel* model = list.view()->model();
    ASSERT_EQ(model->rowCount(), list.ListCount());
    ASSERT_EQ(model->columnCount(), list.ColumnCount());
    for (int row = 0; row < list.ListCount(); ++row)
        for (int column = 0; column < list.ColumnCount(); ++column)
            ASSERT_EQ(model->index(row, column).data().toString().toStdString(),
                      list.Cell(row, column))
                << row << "," << column;
}

int viewSelectedRow(const Listbox& list) {
    const QModelIndexList rows = list.view()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void showView(Listbox& list) {
    list.view()->resize(400, 300);
    list.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.view()));
    publish();
}

void clickRow(Listbox& list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect cell = list.view()->visualRect(list.view()->model()->index(row, 0));
    QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, modifiers, cell.center());
}

QColor colorInCell(const Listbox& list, const QImage& image, int row, int column) {
    const QRect cell = list.view()->visualRect(list.view()->model()->index(row, column));
    return image.pixelColor(cell.right() - 3, cell.center().y());
}

// Whether anything but the colour was drawn inside the cell, such as its text.
bool cellHasMoreThan(const Listbox& list, const QImage& image, int row, int column, QColor color) {
    const QRect cell = list.view()->visualRect(list.view()->model()->index(row, column));
    for (int y = cell.top() + 2; y < cell.bottom() - 2; ++y)
        for (int x = cell.left() + 2; x < cell.right() - 2; ++x)
            if (image.pixelColor(x, y) != color)
                return true;
    return false;
}

TEST(ListboxView, TellsTheViewEachChangeInOrderOnceTheLoopRuns) {
    Listbox list("list", 3);
    QAbstractItemModel* model = list.view()->model();
    // Stops the program at the first change told out of order.
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);

    addNumberedRows(list, 500);
    EXPECT_EQ(model->rowCount(), 0);
    publish();
    EXPECT_EQ(inserted.count(), 1);
    expectViewShowsList(list);

    // A few changes reach the view one by one, each where it was made.
    list.RemoveRow(400);
    list.RemoveRow(5);
    list.SetCell(0, 1, "changed");
    list.AddRow("appended");
    list.RemoveRow(6);
    publish();
    ASSERT_EQ(removed.count(), 3);
    EXPECT_EQ(removed[0][1].toInt(), 400);
    EXPECT_EQ(removed[1][1].toInt(), 5);
    EXPECT_EQ(removed[2][1].toInt(), 6);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(reset.count(), 0);
    expectViewShowsList(list);

    // A filter's many removals reach it as one reset.
    for (int row = list.ListCount() - 1; row >= 0; row -= 2)
        list.RemoveRow(row);
    publish();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(removed.count(), 3);
    expectViewShowsList(list);

    list.SortByColumn(1);
    list.SetColumnCount(5);
    addNumberedRows(list, 3);
    publish();
    expectViewShowsList(list);
}

TEST(ListboxView, ClicksAndTheListIndexAgree) {
    Listbox list("list", 2);
    showView(list);
    addNumberedRows(list, 200);
    // The rows are not published yet; selecting one must still show it.
    list.SetListIndex(150);
    EXPECT_EQ(viewSelectedRow(list), 150);
    list.SetCell(150, 1, "");
    list.SortByColumn(1);
    publish();
    EXPECT_EQ(viewSelectedRow(list), 0);
    list.RemoveRow(0);
    publish();
    EXPECT_EQ(viewSelectedRow(list), -1);

    std::vector<int> seen;
    list.Change = [&] { seen.push_back(list.ListIndex()); };
    clickRow(list, 3);
    clickRow(list, 3);
    list.RemoveRow(0);
    list.RemoveRow(1);
    publish();
    EXPECT_EQ(viewSelectedRow(list), 1);
    clickRow(list, 1, Qt::ControlModifier);
    EXPECT_EQ(seen, (std::vector<int>{3, -1}));
}

TEST(ListboxView, PaintHookColoursRowsUnderTextAndSelection) {
    Listbox list("list", 3);
    addNumberedRows(list, 30);
    bool paintWholeCell = false;
    list.CellBackgroundPaint = [&](CellGraphics& g, int row, int) {
        if (row % 2 == 0)
            g.SetForeColor(173, 216, 230);
        else
            g.SetForeColor(255, 255, 255);
        g.FillRect(0, 0, g.Width(), g.Height());
        return paintWholeCell;
    };
    showView(list);

    QImage image = list.view()->viewport()->grab().toImage();
    EXPECT_EQ(colorInCell(list, image, 0, 1), QColor(173, 216, 230));
    EXPECT_EQ(colorInCell(list, image, 1, 1), QColor(255, 255, 255));
    EXPECT_TRUE(cellHasMoreThan(list, image, 0, 0, QColor(173, 216, 230)));

    // The selection still shows over the colour, unless the hook drew all.
    list.SetListIndex(2);
    image = list.view()->viewport()->grab().toImage();
    EXPECT_NE(colorInCell(list, image, 2, 1), QColor(173, 216, 230));
    EXPECT_EQ(colorInCell(list, image, 4, 1), QColor(173, 216, 230));

    paintWholeCell = true;
    image = list.view()->viewport()->grab().toImage();
    EXPECT_EQ(colorInCell(list, image, 2, 1), QColor(173, 216, 230));
    EXPECT_FALSE(cellHasMoreThan(list, image, 0, 0, QColor(173, 216, 230)));
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

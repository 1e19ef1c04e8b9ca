// The main window as a user sees it: all eighteen columns of the roll side by
// side with their headings, and no button's caption cut short.

#include "tests/support/ProgramTest.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace {

class MainWindowLayoutTest : public ProgramTest {
protected:
    mainWindow& openShown() {
        mainWindow& main = mainWindow::instance();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.frame()));
        QCoreApplication::processEvents();
        return main;
    }
};

TEST_F(MainWindowLayoutTest, EveryColumnIsOnScreenUnderItsHeadingWithoutScrolling) {
    writeRoll({{.last = "Ames"}, {.last = "Bell"}, {.last = "Cole"}});
    mainWindow& main = openShown();
    const std::vector<std::string> headings = {
        "Last Name", "First Name", "Member ID", "Email",    "Home Phone", "Mobile Phone",
        "Street",    "City",       "PC",        "Prov",     "Joined",     "Type",
        "Company",   "Paid/Due",   "Due Date",  "Year Pd.", "Notes",      "Status"};
    QTableView* view = main.memberList.view();
    const QHeaderView* header = view->horizontalHeader();
    ASSERT_EQ(view->model()->columnCount(), 18);
    EXPECT_TRUE(header->isVisible());
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    for (int column = 0; column < 18; ++column) {
        SCOPED_TRACE(headings[size_t(column)]);
        EXPECT_EQ(view->model()->headerData(column, Qt::Horizontal).toString().toStdString(),
                  headings[size_t(column)]);
        const int left = header->sectionViewportPosition(column);
        EXPECT_GE(left, 0);
        EXPECT_LE(left + header->sectionSize(column), view->viewport()->width());
        EXPECT_GT(header->sectionSize(column), 20);
    }
}

// Labels shrink a text too wide for them; buttons would cut it off.
TEST_F(MainWindowLayoutTest, EveryButtonsCaptionFitsTheButton) {
    mainWindow& main = openShown();
    int buttons = 0;
    for (int i = 0; i < main.ControlCount(); ++i) {
        const auto* button = qobject_cast<const QAbstractButton*>(main.ControlAt(i).widget());
        if (!button)
            continue;
        ++buttons;
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_LE(button->minimumSizeHint().width(), button->width());
    }
    EXPECT_GT(buttons, 0);
}

}  // namespace

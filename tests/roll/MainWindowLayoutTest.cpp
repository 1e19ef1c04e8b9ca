// The main window as a user sees it: all eighteen columns of the roll side by
// side, no button's caption cut short, and every picture there to show.

#include "core/Column.h"
#include "roll/Pictures.h"
#include "tests/support/ProgramTest.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace {

using MainWindowLayoutTest = ProgramTest;

TEST_F(MainWindowLayoutTest, EveryColumnIsOnScreenWithoutScrollingAndEveryCaptionFits) {
    writeRoll({{.last = "Ames"}, {.last = "Bell"}, {.last = "Cole"}});
    mainWindow& main = mainWindow::instance();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.frame()));
    QCoreApplication::processEvents();
    QTableView* view = main.memberList.view();
    const QHeaderView* header = view->horizontalHeader();
    ASSERT_EQ(view->model()->columnCount(), kColumnCount);
    EXPECT_TRUE(header->isVisible());
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    const char* const headings[kColumnCount] = {
        "Last Name", "First Name", "Member ID", "Email",    "Home Phone", "Mobile Phone",
        "Street",    "City",       "PC",        "Prov",     "Joined",     "Type",
        "Company",   "Paid/Due",   "Due Date",  "Year Pd.", "Notes",      "Status"};
    for (int column = 0; column < kColumnCount; ++column) {
        SCOPED_TRACE(headings[column]);
        EXPECT_EQ(view->model()->headerData(column, Qt::Horizontal).toString(), headings[column]);
        const int left = header->sectionViewportPosition(column);
        EXPECT_GE(left, 0);
        EXPECT_LE(left + header->sectionSize(column), view->viewport()->width());
        EXPECT_GT(header->sectionSize(column), 20);
    }

    // Labels shrink a text too wide for them; buttons would cut it off.
    int buttons = 0;
    for (int i = 0; i < main.ControlCount(); ++i)
        if (const auto* button = qobject_cast<const QAbstractButton*>(main.ControlAt(i).widget())) {
            ++buttons;
            EXPECT_LE(button->minimumSizeHint().width(), button->width())
                << button->text().toStdString();
        }
    EXPECT_GT(buttons, 0);
}

TEST(Pictures, EveryPictureIsBundledAndLoads) {
    const std::pair<const char*, Picture (*)()> pictures[] = {
        {"groupclipartusergroup43", groupclipartusergroup43},
        {"groupclipartusergroup42", groupclipartusergroup42},
        {"tally", tally},
        {"print_icon", print_icon},
        {"AddIcon", AddIcon},
        {"deleteIcon", deleteIcon},
        {"findIcon", findIcon},
    };
    for (const auto& [name, get] : pictures)
        EXPECT_GT(get().Width(), 0) << name;
}

}  // namespace

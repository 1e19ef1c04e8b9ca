// Starting the program and bringing its main window back.

#include "core/Column.h"
#include "dues/reportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

namespace {

using AppTest = StartUpTest;

TEST_F(AppTest, OpenHandsOverToTheMainWindow) {
    writeRoll({{.last = "Adams"}});
    startUp(app);
    mainWindow* main = mainWindow::existing();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->Visible());
    EXPECT_EQ(main->Title(), "Rollkeep");
    EXPECT_EQ(main->memberList.Cell(0, +Column::LastName), "Adams");
    EXPECT_FALSE(Globals::gAppOpening);
}

TEST_F(AppTest, ActivationDuringStartUpMakesNoMainWindow) {
    Globals::gAppOpening = true;
    app.Event_Activate();
    EXPECT_EQ(mainWindow::existing(), nullptr);
}

TEST_F(AppTest, ActivationBringsAClosedMainWindowBackWithTheSavedRoll) {
    writeRoll({{.last = "Adams"}});
    startUp(app);
    mainWindow::instance().memberList.SetCell(0, +Column::LastName, "Adamson");
    mainWindow::instance().Close();
    ASSERT_EQ(mainWindow::existing(), nullptr);

    app.Event_Activate();
    mainWindow* again = mainWindow::existing();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->Visible());
    EXPECT_EQ(again->memberList.Cell(0, +Column::LastName), "Adamson");
}

TEST_F(AppTest, ActivationShowsAHiddenMainWindow) {
    startUp(app);
    mainWindow& main = mainWindow::instance();
    main.SetVisible(false);
    app.Event_Activate();
    EXPECT_EQ(mainWindow::existing(), &main);
    EXPECT_TRUE(main.Visible());
}

TEST_F(AppTest, ActivationLeavesTheFocusInTheWindowTheUserIsIn) {
    writeRoll({{.last = "Adams"}});
    startUp(app);
    mainWindow& main = mainWindow::instance();
    main.Toolbar11_Action(*main.Toolbar11.Counts);
    QWidget* counts = reportWindow::instance().frame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == counts; }));

    // Clicking the counts window activates the program again.
    app.Event_Activate();
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), counts);
    EXPECT_TRUE(main.Visible());
}

TEST_F(AppTest, QuitSavesTheRollUnlessFiltered) {
    writeRoll({{.last = "Adams"}});
    startUp(app);
    mainWindow::instance().memberList.SetCell(0, +Column::FirstName, "Quit edit");
    app.Quit();
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_NE(data.read("rkMemberList").find("Adams@@@Quit edit@@@"), std::string::npos);

    app.Event_Activate();
    Globals::gSearchOn = true;
    mainWindow::instance().memberList.SetCell(0, +Column::FirstName, "Lost");
    app.Quit();
    EXPECT_EQ(data.read("rkMemberList").find("Lost"), std::string::npos);
}

}  // namespace

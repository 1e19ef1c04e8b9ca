// The splash window that opens every run and hands over to the main window.

#include "startup/SplashWindow.h"
#include "tests/support/ProgramTest.h"

#include <QMainWindow>

namespace {

using SplashWindowTest = StartUpTest;

TEST_F(SplashWindowTest, ActivationDuringTheSplashShowsNoMainWindowUntilTheHandOver) {
    writeRoll({{.last = "Adams"}});
    app.Event_Open();
    app.Event_Activate();
    EXPECT_EQ(mainWindow::existing(), nullptr);

    SplashWindow::instance().Timer1_Action();
    ASSERT_NE(mainWindow::existing(), nullptr);
    EXPECT_TRUE(mainWindow::instance().Visible());
    EXPECT_EQ(mainWindow::instance().memberList.Cell(0, 0), "Adams");
    EXPECT_FALSE(Globals::gAppOpening);
    EXPECT_EQ(SplashWindow::existing(), nullptr);
}

TEST_F(SplashWindowTest, OnlyAQuitClosesItBeforeTheHandOver) {
    app.Event_Open();
    SplashWindow& splash = SplashWindow::instance();
    EXPECT_FALSE(splash.Close());
    EXPECT_TRUE(splash.Visible());

    app.Quit();
    EXPECT_EQ(SplashWindow::existing(), nullptr);
    EXPECT_EQ(mainWindow::existing(), nullptr);
}

}  // namespace

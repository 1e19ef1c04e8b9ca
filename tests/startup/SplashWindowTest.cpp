// The splash window that opens every run and hands over to the main window.

#include "startup/SplashWindow.h"
#include "tests/support/ProgramTest.h"

namespace {

using SplashWindowTest = StartUpTest;

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

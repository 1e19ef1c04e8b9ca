// The splash window that opens every run and hands over to the main window.

#include "core/Product.h"
#include "startup/SplashWindow.h"
#include "tests/support/ProgramTest.h"

#include <QMainWindow>
#include <QTest>

namespace {

using SplashWindowTest = StartUpTest;

TEST_F(SplashWindowTest, ShowsNameMakerAndTheCheckingLineWhichNeverChanges) {
    app.Event_Open();
    SplashWindow& splash = SplashWindow::instance();
    EXPECT_TRUE(splash.Visible());
    EXPECT_EQ(splash.Title(), "");
    EXPECT_EQ(splash.frame()->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(splash.frame()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(splash.AppNameLabel.Text(), "Rollkeep");
    EXPECT_NE(splash.StaticText1.Text().find("Velloran Software"), std::string::npos);
    EXPECT_EQ(splash.StaticText1.Text(), Product::kCopyright);
    EXPECT_TRUE(splash.ProgressWheel1.Visible());
    EXPECT_FALSE(splash.Canvas1.Backdrop().IsNull());

    // The check against a port where nobody listens is over, and said nothing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.VersionCheckSocket1->IsConnected(); }, 3000));
    EXPECT_EQ(splash.StaticText11.Text(), "Checking for newer version...");
    EXPECT_TRUE(dialogs.asked().empty());
}

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

    // A quit during the splash ends the run there: no hand-over follows.
    app.Quit();
    EXPECT_EQ(SplashWindow::existing(), nullptr);
    QTest::qWait(2200);
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_TRUE(Globals::gAppOpening);
}

}  // namespace

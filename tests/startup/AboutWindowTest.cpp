// The About window.

#include "core/Product.h"
#include "startup/AboutWindow.h"
#include "tests/support/ProgramTest.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>

namespace {

using AboutWindowTest = ProgramTest;

TEST_F(AboutWindowTest, ShowsNameVersionLogoAndMaker) {
    AboutWindow& about = AboutWindow::instance();
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(about.Title(), "About Rollkeep");
    EXPECT_EQ(about.StaticText1.Text(), "Rollkeep");
    EXPECT_EQ(about.StaticText2.Text(), "v" + std::string(Product::kVersion));
    EXPECT_EQ(about.StaticText2.Text(), "v1.0.0");
    EXPECT_NE(about.StaticText3.Text().find("Velloran Software"), std::string::npos);
    EXPECT_FALSE(about.Canvas1.Backdrop().IsNull());
    EXPECT_EQ(about.frame()->windowModality(), Qt::NonModal);
}

TEST_F(AboutWindowTest, ChoosingItAgainBringsUpTheSameWindowUntilItIsClosed) {
    AboutWindow& first = AboutWindow::instance();
    first.SetVisible(false);
    AboutWindow& again = AboutWindow::instance();
    again.Show();
    EXPECT_EQ(&again, &first);
    EXPECT_TRUE(again.Visible());

    again.Close();
    EXPECT_EQ(AboutWindow::existing(), nullptr);
    AboutWindow& fresh = AboutWindow::instance();
    EXPECT_TRUE(fresh.Visible());
    EXPECT_EQ(fresh.Title(), "About Rollkeep");
}

TEST_F(AboutWindowTest, ChosenTwiceFromTheMenuItIsOneWindow) {
    mainWindow& main = mainWindow::instance();
    QMenuBar* bar = main.frame()->menuBar();
    QAction* about = bar->findChild<QAction*>(QStringLiteral("AboutRollkeep"));
    ASSERT_NE(about, nullptr);
    about->trigger();
    AboutWindow* first = AboutWindow::existing();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Visible());
    about->trigger();
    EXPECT_EQ(AboutWindow::existing(), first);
    EXPECT_EQ(std::ranges::count(Window::OpenWindows(), first), 1);
}

}  // namespace

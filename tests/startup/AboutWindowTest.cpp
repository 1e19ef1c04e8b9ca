// The About window.

#include "startup/AboutWindow.h"
#include "tests/support/ProgramTest.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>

namespace {

using AboutWindowTest = ProgramTest;

TEST_F(AboutWindowTest, ChosenTwiceFromTheMenuItIsOneWindowUntilItIsClosed) {
    QAction* about = mainWindow::instance().frame()->menuBar()->findChild<QAction*>(
        QStringLiteral("AboutRollkeep"));
    ASSERT_NE(about, nullptr);
    about->trigger();
    AboutWindow* first = AboutWindow::existing();
    ASSERT_NE(first, nullptr);
    first->SetVisible(false);
    about->trigger();
    EXPECT_EQ(AboutWindow::existing(), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_EQ(std::ranges::count(Window::OpenWindows(), first), 1);

    first->Close();
    EXPECT_EQ(AboutWindow::existing(), nullptr);
    about->trigger();
    ASSERT_NE(AboutWindow::existing(), nullptr);
    EXPECT_TRUE(AboutWindow::existing()->Visible());
}

}  // namespace

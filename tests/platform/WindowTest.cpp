#include "platform/EventLoop.h"
#include "platform/PushButton.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Windows closed in a test are deleted when the loop that closed them gets
// control back; tests have no running loop, so they hand control back here.
void finishDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window with a button, that may refuse to close and notes what happens to it.
class JournalWindow : public Window {
public:
    JournalWindow() {
        ++made;
        SetContentSize(600, 400);
        Add(button, 10, 10, 100, 24);
        button.Action = [this] { onClick(); };
    }
    ~JournalWindow() override { ++destroyed; }

    PushButton button{"button", "Click"};
    std::function<void()> onClick = [] {};
    static inline int made = 0, opened = 0, closed = 0, destroyed = 0;
    // What Instance<W>() gave while the window's Event_Open ran.
    static inline Window* instanceDuringOpen = nullptr;
    static inline bool refuse = false;
    static inline std::vector<bool> quittingAsked;

protected:
    void Event_Open() override {
        ++opened;
        instanceDuringOpen = &Window::Instance<JournalWindow>();
    }
    bool Event_CancelClose(bool appQuitting) override {
        quittingAsked.push_back(appQuitting);
        return refuse;
    }
    void Event_Close() override { ++closed; }
};

class SheetWindow : public Window {
public:
    SheetWindow() {
        SetKind(WindowKind::Sheet);
        SetContentSize(200, 100);
        SetResizable(true);
    }
    bool Event_CancelClose(bool) override { return refuse; }
    static inline bool refuse = false;
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        JournalWindow::made = JournalWindow::opened = 0;
        JournalWindow::closed = JournalWindow::destroyed = 0;
        JournalWindow::refuse = SheetWindow::refuse = false;
        JournalWindow::quittingAsked.clear();
    }
    ~WindowTest() override {
        JournalWindow::refuse = SheetWindow::refuse = false;
        for (Window* open : Window::OpenWindows())
            open->Close();
        finishDeferredDeletes();
    }
};

TEST_F(WindowTest, SharedInstanceIsMadeOnceAndAfreshAfterClosing) {
    JournalWindow& first = Window::Instance<JournalWindow>();
    EXPECT_EQ(JournalWindow::instanceDuringOpen, &first);
    EXPECT_EQ(&Window::Instance<JournalWindow>(), &first);
    EXPECT_EQ(JournalWindow::made, 1);
    EXPECT_EQ(JournalWindow::opened, 1);

    EXPECT_TRUE(first.Close());
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);
    Window::Instance<JournalWindow>();
    EXPECT_EQ(JournalWindow::made, 2);
    EXPECT_EQ(JournalWindow::opened, 2);
}

class ModalWindow : public Window {
public:
    ModalWindow() { SetContentSize(120, 80); }
    ~ModalWindow() override { destroyed = true; }
    static inline bool destroyed = false;
};

TEST_F(WindowTest, ShowModalReturnsOnceTheWindowIsClosedOrHidden) {
    ModalWindow::destroyed = false;
    ModalWindow& window = Window::Instance<ModalWindow>();
    bool modalWhileShown = false;
    QTimer::singleShot(0, [&] {
        modalWhileShown = QApplication::activeModalWidget() == window.frame();
        window.SetVisible(false);
    });
    window.ShowModal();
    EXPECT_TRUE(modalWhileShown);
    // Hidden, not closed: the caller may still read it before closing it.
    EXPECT_EQ(Window::Existing<ModalWindow>(), &window);

    QTimer::singleShot(0, [&] { window.Close(); });
    window.ShowModal();
    EXPECT_EQ(Window::Existing<ModalWindow>(), nullptr);
    EXPECT_FALSE(ModalWindow::destroyed);
    finishDeferredDeletes();
    EXPECT_TRUE(ModalWindow::destroyed);
}

TEST_F(WindowTest, CloseButtonAsksAsCloseDoesAndTheWindowOutlivesTheHandlerThatClosedIt) {
    JournalWindow& window = Window::Instance<JournalWindow>();
    window.Show();
    JournalWindow::refuse = true;
    EXPECT_FALSE(window.Close(true));
    EXPECT_FALSE(window.frame()->close());
    EXPECT_EQ(JournalWindow::quittingAsked, (std::vector<bool>{true, false}));
    EXPECT_TRUE(window.Visible());
    finishDeferredDeletes();
    EXPECT_EQ(JournalWindow::destroyed, 0);

    JournalWindow::refuse = false;
    EXPECT_TRUE(window.frame()->close());
    EXPECT_TRUE(window.Close());
    EXPECT_EQ(JournalWindow::closed, 1);
    EXPECT_EQ(JournalWindow::quittingAsked.size(), 3u);
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);
    // Gone only once control is back in the loop.
    EXPECT_EQ(JournalWindow::destroyed, 0);
    finishDeferredDeletes();
    EXPECT_EQ(JournalWindow::destroyed, 1);

    // Closed from its own button's handler, which goes on working, giving the
    // event loop turns as a long loop over rows does.
    JournalWindow& again = Window::Instance<JournalWindow>();
    again.Show();
    bool aliveAfterTurns = false;
    again.onClick = [&] {
        again.Close();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30)
            EventLoop::Turn();
        aliveAfterTurns = JournalWindow::destroyed == 1;
        again.button.SetEnabled(false);
    };
    QTest::mouseClick(again.button.widget(), Qt::LeftButton);
    EXPECT_TRUE(aliveAfterTurns);
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);
    finishDeferredDeletes();
    EXPECT_EQ(JournalWindow::destroyed, 2);
}

TEST_F(WindowTest, SheetStandsCentredOverItsWindowHoldsUpThatWindowAloneAndClosesFirst) {
    JournalWindow& parent = Window::Instance<JournalWindow>();
    int clicks = 0;
    parent.onClick = [&] { ++clicks; };
    parent.Show();
    parent.frame()->move(100, 50);
    // Through the window system, as a person's click comes, so that modality counts.
    const auto clickParentButton = [&] {
        QWidget* button = parent.button.widget();
        QTest::mouseClick(parent.frame()->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(parent.frame(), button->rect().center()));
        QCoreApplication::processEvents();
    };
    SheetWindow& sheet = Window::Instance<SheetWindow>();
    sheet.ShowWithin(parent);

    // Show returned at once, with the sheet up.
    ASSERT_TRUE(sheet.Visible());
    EXPECT_EQ(sheet.frame()->parentWidget(), parent.frame());
    EXPECT_EQ(sheet.frame()->frameGeometry().center(), parent.frame()->frameGeometry().center());
    EXPECT_EQ(QApplication::activeModalWidget(), sheet.frame());
    // Held up is its own window alone, not the rest of the program.
    EXPECT_EQ(sheet.frame()->windowModality(), Qt::WindowModal);
    clickParentButton();
    EXPECT_EQ(clicks, 0);
    sheet.Close();
    clickParentButton();
    EXPECT_EQ(clicks, 1);

    // Closing the window asks its sheet first, and a refusal keeps both.
    Window::Instance<SheetWindow>().Show();
    SheetWindow::refuse = true;
    EXPECT_FALSE(parent.Close());
    EXPECT_TRUE(Window::Existing<SheetWindow>()->Visible());
    EXPECT_TRUE(parent.Visible());
    SheetWindow::refuse = false;
    EXPECT_TRUE(parent.Close());
    EXPECT_EQ(Window::Existing<SheetWindow>(), nullptr);
    // The sheet's frame was let go of before its window's went.
    finishDeferredDeletes();
    EXPECT_EQ(JournalWindow::destroyed, 1);
}

}  // namespace

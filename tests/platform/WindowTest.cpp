#include "platform/EventLoop.h"
#include "platform/PushButton.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

namespace {

// Windows closed in a test are deleted when the loop that closed them gets
// control back; tests have no running loop, so they hand control back here.
void finishDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Gives the event loop real turns for a while, as a long loop over rows does.
void turnFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        EventLoop::Turn();
}

struct Journal {
    int made = 0;
    int opened = 0;
    int closed = 0;
    int destroyed = 0;
    bool refuse = false;
    std::vector<bool> quittingAsked;
    // What Instance<W>() gave while the window's Event_Open ran.
    Window* instanceDuringOpen = nullptr;
};

Journal journal;

class JournalWindow : public Window {
public:
    JournalWindow() {
        ++journal.made;
        SetTitle("Journal");
    }
    ~JournalWindow() override { ++journal.destroyed; }

protected:
    void Event_Open() override {
        ++journal.opened;
        journal.instanceDuringOpen = &Window::Instance<JournalWindow>();
    }
    bool Event_CancelClose(bool appQuitting) override {
        journal.quittingAsked.push_back(appQuitting);
        return journal.refuse;
    }
    void Event_Close() override { ++journal.closed; }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { journal = {}; }
    void TearDown() override {
        for (Window* open : Window::OpenWindows())
            open->Close();
        finishDeferredDeletes();
    }
};

TEST_F(WindowTest, SharedInstanceIsMadeOnceAndAfreshAfterClosing) {
    JournalWindow& first = Window::Instance<JournalWindow>();
    EXPECT_EQ(journal.instanceDuringOpen, &first);
    EXPECT_EQ(&Window::Instance<JournalWindow>(), &first);
    EXPECT_EQ(journal.made, 1);
    EXPECT_EQ(journal.opened, 1);

    EXPECT_TRUE(first.Close());
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);
    Window::Instance<JournalWindow>();
    EXPECT_EQ(journal.made, 2);
    EXPECT_EQ(journal.opened, 2);
}

TEST_F(WindowTest, CloseButtonAsksAsCloseDoesAndClosesOnce) {
    JournalWindow& window = Window::Instance<JournalWindow>();
    window.Show();
    journal.refuse = true;
    EXPECT_FALSE(window.Close(true));
    EXPECT_FALSE(window.frame()->close());
    EXPECT_EQ(journal.quittingAsked, (std::vector<bool>{true, false}));
    EXPECT_TRUE(window.Visible());
    finishDeferredDeletes();
    EXPECT_EQ(journal.destroyed, 0);

    journal.refuse = false;
    EXPECT_TRUE(window.frame()->close());
    EXPECT_TRUE(window.Close());
    EXPECT_EQ(journal.closed, 1);
    EXPECT_EQ(journal.quittingAsked.size(), 3u);
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);
    // Gone only once control is back in the loop.
    EXPECT_EQ(journal.destroyed, 0);
    finishDeferredDeletes();
    EXPECT_EQ(journal.destroyed, 1);
}

// Closes itself from its button's handler and then goes on working in it.
class SelfClosingWindow : public Window {
public:
    SelfClosingWindow() {
        SetContentSize(200, 100);
        Add(closeButton, 10, 10, 80, 24);
        closeButton.Action = [this] {
            Close();
            turnFor(30);
            stillAliveAfterTurns = !destroyed;
            closeButton.SetCaption("Closed");
        };
    }
    ~SelfClosingWindow() override { destroyed = true; }

    PushButton closeButton{"closeButton", "Close"};
    static inline bool destroyed = false;
    static inline bool stillAliveAfterTurns = false;
};

TEST_F(WindowTest, WindowClosingItselfInItsHandlerOutlivesTheHandler) {
    SelfClosingWindow::destroyed = false;
    SelfClosingWindow& window = Window::Instance<SelfClosingWindow>();
    window.Show();

    QTest::mouseClick(window.closeButton.widget(), Qt::LeftButton);

    EXPECT_TRUE(SelfClosingWindow::stillAliveAfterTurns);
    EXPECT_FALSE(SelfClosingWindow::destroyed);
    EXPECT_EQ(Window::Existing<SelfClosingWindow>(), nullptr);
    finishDeferredDeletes();
    EXPECT_TRUE(SelfClosingWindow::destroyed);
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

// A window with a button that counts its clicks, and a sheet to go over it.
class ParentWindow : public Window {
public:
    ParentWindow() {
        SetContentSize(600, 400);
        Add(button, 10, 10, 100, 24);
        button.Action = [this] { ++clicks; };
    }
    PushButton button{"button", "Click"};
    int clicks = 0;
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

class SheetTest : public WindowTest {
protected:
    // Through the window system, as a person's click comes, so that modality counts.
    void clickParentButton() {
        QWidget* button = parent.button.widget();
        QTest::mouseClick(parent.frame()->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(parent.frame(), button->rect().center()));
        QCoreApplication::processEvents();
    }

    void SetUp() override {
        WindowTest::SetUp();
        SheetWindow::refuse = false;
        parent.Show();
        parent.frame()->move(100, 50);
    }
    ParentWindow& parent = Window::Instance<ParentWindow>();
};

TEST_F(SheetTest, SheetStandsCentredOverItsWindowAndHoldsUpThatWindowAlone) {
    SheetWindow& sheet = Window::Instance<SheetWindow>();
    sheet.ShowWithin(parent);

    // Show returned at once, with the sheet up.
    ASSERT_TRUE(sheet.Visible());
    EXPECT_EQ(sheet.ParentWindow(), &parent);
    EXPECT_EQ(sheet.frame()->frameGeometry().center(), parent.frame()->frameGeometry().center());
    EXPECT_EQ(QApplication::activeModalWidget(), sheet.frame());

    // Held up is its own window alone, not the rest of the program.
    EXPECT_EQ(sheet.frame()->windowModality(), Qt::WindowModal);
    clickParentButton();
    EXPECT_EQ(parent.clicks, 0);

    sheet.Close();
    clickParentButton();
    EXPECT_EQ(parent.clicks, 1);
    EXPECT_EQ(sheet.ParentWindow(), nullptr);
}

TEST_F(SheetTest, ClosingTheWindowClosesItsSheetFirst) {
    SheetWindow& sheet = Window::Instance<SheetWindow>();
    sheet.Show();

    SheetWindow::refuse = true;
    EXPECT_FALSE(parent.Close());
    EXPECT_TRUE(sheet.Visible());
    EXPECT_TRUE(parent.Visible());

    SheetWindow::refuse = false;
    EXPECT_TRUE(parent.Close());
    EXPECT_EQ(Window::Existing<SheetWindow>(), nullptr);
    finishDeferredDeletes();
    // The sheet's frame was let go of before its window's went.
    EXPECT_EQ(Window::Existing<ParentWindow>(), nullptr);
}

}  // namespace

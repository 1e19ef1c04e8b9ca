#include "platform/CheckBox.h"
#include "platform/EventLoop.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/MenuBar.h"
#include "platform/PushButton.h"
#include "platform/TabPanel.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
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

class OtherWindow : public Window {
public:
    OtherWindow() { SetVisibleAtCreation(true); }
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
    EXPECT_EQ(&Window::Instance<JournalWindow>(), &first);
    EXPECT_EQ(Window::Existing<JournalWindow>(), &first);
    EXPECT_EQ(journal.made, 1);
    EXPECT_EQ(journal.opened, 1);
    // Not visible at creation unless the window asks to be.
    EXPECT_FALSE(first.Visible());

    EXPECT_TRUE(first.Close());
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);
    EXPECT_TRUE(Window::OpenWindows().empty());

    Window::Instance<JournalWindow>();
    EXPECT_EQ(journal.made, 2);
    EXPECT_EQ(journal.opened, 2);
}

TEST_F(WindowTest, EventOpenReachesTheInstanceBeingOpened) {
    JournalWindow& window = Window::Instance<JournalWindow>();
    EXPECT_EQ(journal.instanceDuringOpen, &window);
    EXPECT_EQ(journal.made, 1);
}

TEST_F(WindowTest, VisibleAtCreationShowsTheInstance) {
    EXPECT_TRUE(Window::Instance<OtherWindow>().Visible());
}

TEST_F(WindowTest, OpenWindowsListsOldestFirst) {
    OtherWindow& older = Window::Instance<OtherWindow>();
    JournalWindow& newer = Window::Instance<JournalWindow>();
    EXPECT_EQ(Window::OpenWindows(), (std::vector<Window*>{&older, &newer}));
}

TEST_F(WindowTest, RefusedCloseKeepsTheWindowOpenOnEitherPath) {
    JournalWindow& window = Window::Instance<JournalWindow>();
    window.Show();
    journal.refuse = true;

    EXPECT_FALSE(window.Close(true));
    EXPECT_FALSE(window.frame()->close());
    EXPECT_EQ(journal.quittingAsked, (std::vector<bool>{true, false}));
    EXPECT_EQ(journal.closed, 0);
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(Window::Existing<JournalWindow>(), &window);

    finishDeferredDeletes();
    EXPECT_EQ(journal.destroyed, 0);
}

TEST_F(WindowTest, CloseButtonClosesAsCloseDoes) {
    JournalWindow& window = Window::Instance<JournalWindow>();
    window.Show();

    EXPECT_TRUE(window.frame()->close());
    EXPECT_EQ(journal.closed, 1);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(Window::Existing<JournalWindow>(), nullptr);

    // A closed window closes only once.
    EXPECT_TRUE(window.Close());
    EXPECT_EQ(journal.closed, 1);
    EXPECT_EQ(journal.quittingAsked.size(), 1u);

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

TEST_F(WindowTest, ShowModalReturnsOnceTheWindowHasClosed) {
    ModalWindow::destroyed = false;
    ModalWindow& window = Window::Instance<ModalWindow>();
    bool modalWhileShown = false;
    QTimer::singleShot(0, [&] {
        modalWhileShown = QApplication::activeModalWidget() == window.frame();
        window.Close();
    });

    window.ShowModal();

    EXPECT_TRUE(modalWhileShown);
    EXPECT_EQ(Window::Existing<ModalWindow>(), nullptr);
    EXPECT_FALSE(ModalWindow::destroyed);
    finishDeferredDeletes();
    EXPECT_TRUE(ModalWindow::destroyed);
}

TEST_F(WindowTest, ShowModalReturnsWhenCodeHidesTheWindow) {
    ModalWindow& window = Window::Instance<ModalWindow>();
    QTimer::singleShot(0, [&] { window.SetVisible(false); });

    window.ShowModal();

    // Hidden, not closed: the caller may still read it before closing it.
    EXPECT_EQ(Window::Existing<ModalWindow>(), &window);
    EXPECT_FALSE(window.Visible());
}

class FixedWindow : public Window {
public:
    FixedWindow() {
        SetContentSize(300, 200);
        SetResizable(false);
        SetMaximizable(false);
        auto file = std::make_unique<MenuItem>("File");
        file->Append(std::make_unique<MenuItem>("Close"));
        menus.Append(std::move(file));
        SetMenuBar(menus);
        Add(name, 10, 10, 100, 20);
        Add(group, 10, 40, 200, 120);
        Add(paid, group, 30, 70, 100, 20);
        Add(note, 10, 170, 100, 20);
    }

    MenuBar menus;
    TextField name{"name"};
    GroupBox group{"group", "Dues"};
    CheckBox paid{"paid", "Paid"};
    Label note{"note", "Note"};
};

TEST_F(WindowTest, ContentSizeIsExactAndAFixedWindowCannotBeResized) {
    FixedWindow& window = Window::Instance<FixedWindow>();
    window.Show();
    QMainWindow* frame = window.frame();

    EXPECT_EQ(frame->centralWidget()->size(), QSize(300, 200));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    // The menu bar comes on top of the content area, not out of it.
    EXPECT_GT(frame->height(), 200);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(WindowTest, ControlsKeepTheirOrderAndTheirPlaceInsideFrames) {
    FixedWindow& window = Window::Instance<FixedWindow>();
    window.Show();

    ASSERT_EQ(window.ControlCount(), 4);
    EXPECT_EQ(&window.ControlAt(0), &window.name);
    EXPECT_EQ(&window.ControlAt(2), &window.paid);
    EXPECT_EQ(&window.ControlAt(3), &window.note);

    QWidget* content = window.frame()->centralWidget();
    QWidget* paid = window.paid.widget();
    EXPECT_EQ(paid->parentWidget(), window.group.widget());
    // Given in the content area's measure, wherever the frame is.
    EXPECT_EQ(paid->mapTo(content, QPoint()), QPoint(30, 70));
    EXPECT_EQ(paid->size(), QSize(100, 20));
    EXPECT_TRUE(paid->isVisible());
}

class TabbedWindow : public Window {
public:
    TabbedWindow() {
        SetContentSize(400, 300);
        SetResizable(true);
        Add(tabs, 32, 20, 300, 250);
        for (const char* caption : {"One", "Two"})
            tabs.Append(caption);
        Add(first, tabs, 0, 52, 58, 200, 22);
        Add(second, tabs, 1, 52, 58, 200, 22);
    }

    TabPanel tabs{"tabs"};
    TextField first{"first"};
    TextField second{"second"};
};

TEST_F(WindowTest, ControlsOnATabPanelStandWherePlacedAndShowWithTheirPanel) {
    TabbedWindow& window = Window::Instance<TabbedWindow>();
    std::vector<int> changes;
    window.tabs.Change = [&] { changes.push_back(window.tabs.Value()); };
    window.Show();

    EXPECT_EQ(window.tabs.Value(), 0);
    QWidget* content = window.frame()->centralWidget();
    for (TextField* field : {&window.first, &window.second})
        EXPECT_EQ(field->widget()->mapTo(content, QPoint()), QPoint(52, 58)) << field->Name();
    EXPECT_TRUE(window.first.widget()->isVisible());
    EXPECT_FALSE(window.second.widget()->isVisible());

    window.tabs.SetValue(1);
    EXPECT_EQ(changes, std::vector{1});
    EXPECT_FALSE(window.first.widget()->isVisible());
    EXPECT_TRUE(window.second.widget()->isVisible());
    // A panel that does not exist changes nothing.
    window.tabs.SetValue(2);
    EXPECT_EQ(window.tabs.Value(), 1);

    // Placed from the top left, they stay there as the window grows.
    window.frame()->resize(window.frame()->size() + QSize(200, 100));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.second.widget()->mapTo(content, QPoint()), QPoint(52, 58));
    EXPECT_EQ(window.second.widget()->size(), QSize(200, 22));
}

class KeysWindow : public Window {
public:
    KeysWindow() {
        SetContentSize(200, 100);
        Add(field, 10, 10, 100, 22);
        Add(ok, 10, 40, 80, 24);
        Add(cancel, 100, 40, 80, 24);
        ok.SetDefault(true);
        cancel.SetCancel(true);
        ok.Action = [this] { pressed += "ok "; };
        cancel.Action = [this] { pressed += "cancel "; };
    }

    TextField field{"field"};
    PushButton ok{"ok", "OK"};
    PushButton cancel{"cancel", "Cancel"};
    std::string pressed;
};

TEST_F(WindowTest, ReturnAndEscapePressTheDefaultAndCancelButtons) {
    KeysWindow& window = Window::Instance<KeysWindow>();
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    window.field.lineEdit()->setFocus();

    QTest::keyClick(window.field.lineEdit(), Qt::Key_Return);
    QTest::keyClick(window.field.lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(window.pressed, "ok cancel ");

    window.ok.SetDefault(false);
    QTest::keyClick(window.field.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(window.pressed, "ok cancel ");
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

TEST_F(SheetTest, ShowPutsTheSheetOverTheActiveWindowModalToItAlone) {
    SheetWindow& sheet = Window::Instance<SheetWindow>();
    sheet.Show();

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

TEST_F(SheetTest, ShowWithinNamesTheWindowAndShowingAgainKeepsThePlace) {
    OtherWindow& other = Window::Instance<OtherWindow>();
    SheetWindow& sheet = Window::Instance<SheetWindow>();
    sheet.ShowWithin(parent);
    EXPECT_EQ(sheet.ParentWindow(), &parent);

    // Already up: it stays with its window, where the user may have moved it.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.frame()));
    sheet.frame()->move(0, 0);
    sheet.ShowWithin(other);
    EXPECT_EQ(sheet.ParentWindow(), &parent);
    EXPECT_EQ(sheet.frame()->pos(), QPoint(0, 0));
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

TEST_F(SheetTest, ShowModalWaitsAndHoldsUpOnlyTheSheetsWindow) {
    SheetWindow& sheet = Window::Instance<SheetWindow>();
    bool modalToParent = false;
    QTimer::singleShot(0, [&] {
        modalToParent =
            sheet.frame()->windowModality() == Qt::WindowModal && sheet.ParentWindow() == &parent;
        sheet.Close();
    });
    sheet.ShowModal();
    EXPECT_TRUE(modalToParent);
    EXPECT_EQ(Window::Existing<SheetWindow>(), nullptr);
}

}  // namespace

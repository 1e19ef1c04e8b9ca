// A menu bar as a window shows it: commands reaching the window's handlers by
// item name, automatic enabling, shortcuts, the standard Edit commands on the
// focused text control.

#include "platform/Application.h"
#include "platform/MenuBar.h"
#include "platform/TextArea.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const Names kEditCommands = {"EditUndo",  "EditCut",   "EditCopy",
                             "EditPaste", "EditClear", "EditSelectAll"};

template <class Kind = MenuItem>
std::unique_ptr<MenuItem> item(std::string_view name, std::string_view shortcut = {}) {
    auto made = std::make_unique<Kind>(name);
    made->Name = name;
    made->AutoEnable = true;
    made->KeyboardShortcut = shortcut;
    return made;
}

// File: Save. Edit: the standard commands. Help: About, kept in place as
// an application menu item, and an item enabled only by hand.
class TestBar : public MenuBar {
public:
    TestBar() {
        auto file = item("FileMenu");
        file->Append(item("SaveData", "Cmd+S"));
        Append(std::move(file));
        auto edit = item("EditMenu");
        for (const std::string& name : kEditCommands)
            edit->Append(item(name));
        Append(std::move(edit));
        auto help = item("HelpMenu");
        help->Append(item<ApplicationMenuItem>("About"));
        help->Append(item("Manual"));
        help->Child("Manual")->AutoEnable = false;
        Append(std::move(help));
    }
};

MenuBar* barShown = nullptr;

template <int N>
class MenuWindow : public Window {
public:
    MenuWindow() {
        SetContentSize(300, 160);
        SetMenuBar(*barShown);
        Add(field, 10, 10, 200, 22);
        Add(area, 10, 40, 200, 80);
    }
    void handle(std::string_view name, std::function<bool()> handler) {
        _AddMenuHandler(name, std::move(handler));
    }
    QAction* entry(const std::string& name) const {
        return frame()->menuWidget()->template findChild<QAction*>(QString::fromStdString(name));
    }
    // What a menu hears as it opens.
    void openMenu(const char* name) const {
        emit frame()->menuWidget()->template findChild<QMenu*>(name)->aboutToShow();
    }
    Names enabledEdits() const {
        openMenu("EditMenu");
        Names on;
        for (const std::string& name : kEditCommands)
            if (entry(name)->isEnabled())
                on.push_back(name);
        return on;
    }

    TextField field{"field"};
    TextArea area{"area"};
};
using FirstWindow = MenuWindow<1>;
using SecondWindow = MenuWindow<2>;

struct TestApplication : Application {
    TestApplication() : Application(argc, argv) {}
    void Event_EnableMenuItems() override { onEnableMenuItems(); }
    std::function<void()> onEnableMenuItems = [] {};
    static inline int argc = 1;
    static inline char name[] = "MenuBarTest";
    static inline char* argv[] = {name, nullptr};
};

class MenuBarTest : public ::testing::Test {
protected:
    MenuBarTest() { barShown = &bar; }
    ~MenuBarTest() override {
        for (Window* window : Window::OpenWindows())
            window->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        barShown = nullptr;
    }

    template <class W = FirstWindow>
    static W& show() {
        W& window = Window::Instance<W>();
        window.Show();
        return window;
    }
    static void focusOn(QWidget* control) {
        control->window()->activateWindow();
        control->setFocus();
        QCoreApplication::processEvents();
    }

    TestBar bar;
};

TEST_F(MenuBarTest, ChoosingAnItemRunsTheLatestHandlerUnderItsNameInItsOwnWindow) {
    FirstWindow& one = show();
    SecondWindow& two = show<SecondWindow>();
    Names ran;
    auto record = [&ran](const char* what) {
        return [&ran, what] {
            ran.push_back(what);
            return true;
        };
    };
    one.handle("savedata", record("one saves"));
    two.handle("SaveData", record("two saves"));
    two.handle("SaveData", record("two saves again"));

    one.entry("SaveData")->trigger();
    two.entry("SaveData")->trigger();

    EXPECT_EQ(ran, (Names{"one saves", "two saves again"}));
    EXPECT_TRUE(one.HandleMenuCommand("SAVEDATA"));
    EXPECT_FALSE(one.HandleMenuCommand("About"));
}

TEST_F(MenuBarTest, ItemsAreEnabledWhileAHandlerCanBeReachedThenTheApplicationDecides) {
    TestApplication application;
    FirstWindow& window = show();
    window.handle("SaveData", [] { return true; });
    MenuItem& about = *bar.FindItem("About");
    bar.FindItem("Manual")->SetEnabled(false);
    application.onEnableMenuItems = [&] {
        // Runs after the automatic enabling, so it has the last word.
        EXPECT_FALSE(about.Enabled());
        about.SetEnabled(true);
    };

    window.openMenu("FileMenu");
    EXPECT_TRUE(window.entry("SaveData")->isEnabled());
    EXPECT_TRUE(window.entry("About")->isEnabled());
    // Without automatic enabling an item keeps the state code gave it.
    EXPECT_FALSE(window.entry("Manual")->isEnabled());

    application.onEnableMenuItems = [] {};
    SecondWindow& other = show<SecondWindow>();
    other.openMenu("HelpMenu");
    // The same bar, seen from a window with no handler for it.
    EXPECT_FALSE(window.entry("SaveData")->isEnabled());
    EXPECT_FALSE(other.entry("SaveData")->isEnabled());
}

TEST_F(MenuBarTest, ARealCtrlKeyPressReachesAHandlerRegisteredAfterTheMenuLastOpened) {
    FirstWindow& window = show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    focusOn(window.field.lineEdit());
    int saves = 0;
    window.openMenu("FileMenu");
    ASSERT_FALSE(window.entry("SaveData")->isEnabled());
    window.handle("SaveData", [&] { return ++saves > 0; });

    QTest::keyClick(window.field.lineEdit(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves, 1);
    // A plain "s" is typed, not a command.
    QTest::keyClick(window.field.lineEdit(), Qt::Key_S);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(window.field.Text(), "s");
}

TEST_F(MenuBarTest, EditCommandsActOnTheFocusedFieldAndOnlyWhenTheyCan) {
    FirstWindow& window = show();
    window.field.SetText("Adams");
    QLineEdit* field = window.field.lineEdit();
    focusOn(field);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    EXPECT_EQ(window.enabledEdits(), Names{"EditSelectAll"});

    // Each step selects (unless from < 0), then chooses the command.
    struct Step {
        int from, length;
        const char *command, *text, *clipboard;
    };
    const Step steps[] = {
        {-1, 0, "EditSelectAll", "Adams", ""}, {-1, 0, "EditCopy", "Adams", "Adams"},
        {0, 2, "EditCut", "ams", "Ad"},        {3, 0, "EditPaste", "amsAd", "Ad"},
        {0, 3, "EditClear", "Ad", "Ad"},       {-1, 0, "EditUndo", "amsAd", "Ad"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        if (step.from >= 0)
            field->setSelection(step.from, step.length);
        window.openMenu("EditMenu");
        ASSERT_TRUE(window.entry(step.command)->isEnabled());
        window.entry(step.command)->trigger();
        EXPECT_EQ(window.field.Text(), step.text);
        EXPECT_EQ(clipboard->text(), step.clipboard);
    }

    // A field that can't be changed can still be copied from.
    window.field.SetReadOnly(true);
    field->selectAll();
    EXPECT_EQ(window.enabledEdits(), (Names{"EditCopy", "EditSelectAll"}));
}

// Alt and a menu's letter put the focus on the bar itself.
TEST_F(MenuBarTest, AMenuOpenedFromTheKeyboardEditsTheTextAreaThatHadTheFocus) {
    FirstWindow& window = show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    window.field.SetText("field");
    focusOn(window.area.textEdit());
    QTest::keyClicks(window.area.textEdit(), "Lee");
    QGuiApplication::clipboard()->setText("ds");

    window.frame()->menuWidget()->setFocus(Qt::MenuBarFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), window.frame()->menuWidget());
    window.openMenu("EditMenu");
    ASSERT_TRUE(window.entry("EditPaste")->isEnabled());
    window.entry("EditPaste")->trigger();
    EXPECT_EQ(window.area.Text(), "Leeds");
    EXPECT_EQ(window.field.Text(), "field");
}

}  // namespace

// A menu bar as a window shows it: commands reaching the window's handlers by
// item name, automatic enabling, shortcuts, the standard Edit commands on the
// focused text control, and the quit item.

#include "platform/Application.h"
#include "platform/MenuBar.h"
#include "platform/MenuBarView.h"
#include "platform/TextArea.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

template <class Kind = MenuItem>
std::unique_ptr<MenuItem> item(std::string_view name, std::string_view text,
                               std::string_view shortcut = {}) {
    auto made = std::make_unique<Kind>(text);
    made->Name = name;
    made->AutoEnable = true;
    made->KeyboardShortcut = shortcut;
    return made;
}

// File: Save, a separator, Quit. Edit: the standard commands. A menu with
// nothing in it. Help: About, kept in place as an application menu item.
class TestBar : public MenuBar {
public:
    TestBar() {
        auto file = item("FileMenu", "&File");
        file->Append(item("SaveData", "&Save", "Cmd+S"));
        file->Append(item("Line", "-"));
        file->Append(item<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
        Append(std::move(file));
        auto edit = item("EditMenu", "&Edit");
        for (const char* name :
             {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
            edit->Append(item(name, name));
        Append(std::move(edit));
        Append(item("Menu", ""));
        auto help = item("HelpMenu", "Help");
        help->Append(item<ApplicationMenuItem>("About", "About..."));
        auto manual = item("Manual", "Manual");
        manual->AutoEnable = false;
        help->Append(std::move(manual));
        Append(std::move(help));
    }
};

// The bar the test windows show.
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

    // The entry the bar shows for the item of that name.
    QAction* entry(const char* name) const {
        return frame()->menuWidget()->template findChild<QAction*>(QString::fromLatin1(name));
    }
    QMenu* menu(const char* name) const {
        return frame()->menuWidget()->template findChild<QMenu*>(QString::fromLatin1(name));
    }
    // What a menu hears as it opens.
    void openMenu(const char* name) const { emit menu(name)->aboutToShow(); }

    TextField field{"field"};
    TextArea area{"area"};
    bool refuseClose = false;

protected:
    bool Event_CancelClose(bool quitting) override {
        closedForQuit = quitting;
        return refuseClose;
    }

public:
    bool closedForQuit = false;
};
using FirstWindow = MenuWindow<1>;
using SecondWindow = MenuWindow<2>;

class TestApplication : public Application {
public:
    TestApplication() : Application(argc_, argv_) {}
    std::function<void()> onEnableMenuItems;

protected:
    void Event_EnableMenuItems() override {
        if (onEnableMenuItems)
            onEnableMenuItems();
    }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "MenuBarTest";
    static inline char* argv_[] = {name_, nullptr};
};

class MenuBarTest : public ::testing::Test {
protected:
    MenuBarTest() { barShown = &bar; }
    ~MenuBarTest() override {
        for (Window* window : Window::OpenWindows()) {
            if (auto* refusing = dynamic_cast<FirstWindow*>(window))
                refusing->refuseClose = false;
            window->Close();
        }
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

TEST_F(MenuBarTest, ChoosingAnItemRunsTheHandlerRegisteredUnderItsNameInItsWindow) {
    FirstWindow& one = show();
    SecondWindow& two = show<SecondWindow>();
    Names ran;
    one.handle("savedata", [&] {
        ran.push_back("one saves");
        return true;
    });
    two.handle("SaveData", [&] {
        ran.push_back("two saves");
        return true;
    });
    two.handle("SaveData", [&] {
        ran.push_back("two saves again");
        return true;
    });

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
    MenuItem& manual = *bar.FindItem("Manual");
    manual.SetEnabled(false);
    application.onEnableMenuItems = [&] {
        // Runs after the automatic enabling, so it has the last word.
        EXPECT_FALSE(about.Enabled());
        about.SetEnabled(true);
    };

    window.openMenu("FileMenu");

    EXPECT_TRUE(window.entry("SaveData")->isEnabled());
    // The quit item needs no handler to quit.
    EXPECT_TRUE(window.entry("FileQuit")->isEnabled());
    EXPECT_TRUE(window.entry("About")->isEnabled());
    // Without automatic enabling an item keeps the state code gave it.
    EXPECT_FALSE(window.entry("Manual")->isEnabled());
    manual.SetEnabled(true);
    EXPECT_TRUE(window.entry("Manual")->isEnabled());

    application.onEnableMenuItems = nullptr;
    SecondWindow& other = show<SecondWindow>();
    other.openMenu("HelpMenu");
    // The same bar, seen from a window with no handler for it.
    EXPECT_FALSE(bar.FindItem("SaveData")->Enabled());
    EXPECT_FALSE(window.entry("SaveData")->isEnabled());
    EXPECT_FALSE(other.entry("SaveData")->isEnabled());
}

TEST_F(MenuBarTest, TheBarShowsItsMenusItemsSeparatorsAndMnemonicsButNoEmptyMenu) {
    FirstWindow& window = show();
    QMenuBar* shown = window.frame()->menuBar();
    QStringList titles;
    for (QAction* menu : shown->actions())
        if (menu->isVisible())
            titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Help"}));

    const QList<QAction*> file = window.menu("FileMenu")->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->text(), "&Save");
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[2]->text(), "&Quit");
    EXPECT_EQ(window.menu("HelpMenu")->actions().at(0)->text(), "About...");
}

TEST_F(MenuBarTest, ShortcutsUseTheCommandKeyAndWorkOnceAHandlerIsThere) {
    FirstWindow& window = show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    focusOn(window.field.lineEdit());
    EXPECT_EQ(window.entry("SaveData")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(MenuBarView::keySequence("Cmd+Shift+P"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));

    int saves = 0;
    // Opening the menu while nothing handles Save leaves it disabled; the
    // shortcut still finds the handler registered afterwards.
    window.openMenu("FileMenu");
    ASSERT_FALSE(window.entry("SaveData")->isEnabled());
    window.handle("SaveData", [&] {
        ++saves;
        return true;
    });
    QTest::keyClick(window.field.lineEdit(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves, 1);
    // A plain "s" is typed, not a command.
    QTest::keyClick(window.field.lineEdit(), Qt::Key_S);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(window.field.Text(), "s");
}

TEST_F(MenuBarTest, EditCommandsActOnTheFocusedFieldAndOnlyWhenTheyCan) {
    FirstWindow& window = show();
    int changes = 0;
    window.field.TextChange = [&] { ++changes; };
    window.field.SetText("Adams");
    QLineEdit* field = window.field.lineEdit();
    focusOn(field);
    auto enabled = [&window](const char* name) {
        window.openMenu("EditMenu");
        return window.entry(name)->isEnabled();
    };
    QGuiApplication::clipboard()->clear();

    EXPECT_FALSE(enabled("EditCopy"));
    EXPECT_FALSE(enabled("EditCut"));
    EXPECT_FALSE(enabled("EditClear"));
    EXPECT_FALSE(enabled("EditPaste"));
    EXPECT_TRUE(enabled("EditSelectAll"));

    window.entry("EditSelectAll")->trigger();
    EXPECT_EQ(field->selectedText(), "Adams");
    ASSERT_TRUE(enabled("EditCopy"));
    window.entry("EditCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Adams");

    field->setSelection(0, 2);
    ASSERT_TRUE(enabled("EditCut"));
    window.entry("EditCut")->trigger();
    EXPECT_EQ(window.field.Text(), "ams");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Ad");

    field->setCursorPosition(3);
    ASSERT_TRUE(enabled("EditPaste"));
    window.entry("EditPaste")->trigger();
    EXPECT_EQ(window.field.Text(), "amsAd");

    field->setSelection(0, 3);
    ASSERT_TRUE(enabled("EditClear"));
    window.entry("EditClear")->trigger();
    EXPECT_EQ(window.field.Text(), "Ad");

    ASSERT_TRUE(enabled("EditUndo"));
    window.entry("EditUndo")->trigger();
    EXPECT_EQ(window.field.Text(), "amsAd");
    // Each edit reached the program as typing would.
    EXPECT_GE(changes, 5);

    // A field that can't be changed can still be copied from.
    window.field.SetReadOnly(true);
    field->selectAll();
    EXPECT_TRUE(enabled("EditCopy"));
    EXPECT_FALSE(enabled("EditCut"));
    EXPECT_FALSE(enabled("EditPaste"));
    EXPECT_FALSE(enabled("EditClear"));
}

TEST_F(MenuBarTest, EditCommandsFollowTheFocusIntoATextArea) {
    FirstWindow& window = show();
    window.field.SetText("field text");
    window.area.SetText("first line");
    QTextEdit* area = window.area.textEdit();
    focusOn(area);

    window.entry("EditSelectAll")->trigger();
    window.entry("EditCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "first line");
    EXPECT_TRUE(window.field.lineEdit()->selectedText().isEmpty());
    window.entry("EditClear")->trigger();
    EXPECT_EQ(window.area.Text(), "");
    window.entry("EditPaste")->trigger();
    window.entry("EditPaste")->trigger();
    EXPECT_EQ(window.area.Text(), "first linefirst line");
}

TEST_F(MenuBarTest, AMenuOpenedFromTheKeyboardEditsTheFieldThatHadTheFocus) {
    FirstWindow& window = show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    focusOn(window.field.lineEdit());
    QTest::keyClicks(window.field.lineEdit(), "Lee");
    QGuiApplication::clipboard()->setText("ds");

    // Alt and a menu's letter put the focus on the bar itself.
    window.frame()->menuWidget()->setFocus(Qt::MenuBarFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), window.frame()->menuWidget());
    window.openMenu("EditMenu");
    ASSERT_TRUE(window.entry("EditPaste")->isEnabled());
    window.entry("EditPaste")->trigger();
    EXPECT_EQ(window.field.Text(), "Leeds");
}

TEST_F(MenuBarTest, TheQuitItemQuitsThroughTheApplicationUnlessAWindowRefuses) {
    TestApplication application;
    FirstWindow& window = show();
    window.refuseClose = true;
    window.entry("FileQuit")->trigger();
    EXPECT_TRUE(window.closedForQuit);
    EXPECT_TRUE(window.Visible());

    // A handler of the window's own comes before the quit.
    int asked = 0;
    window.handle("FileQuit", [&] {
        ++asked;
        return true;
    });
    window.closedForQuit = false;
    window.entry("FileQuit")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(window.closedForQuit);

    window.handle("FileQuit", [] { return false; });
    window.refuseClose = false;
    window.entry("FileQuit")->trigger();
    EXPECT_EQ(Window::Existing<FirstWindow>(), nullptr);
}

}  // namespace

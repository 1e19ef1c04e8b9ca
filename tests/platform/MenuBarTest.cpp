// The Edit commands finding the text control they act on when the menu is
// opened from the keyboard. Which commands the program's own bar holds,
// enables and runs is tried in tests/roll/MainMenuBarTest.cpp.

#include "platform/MenuBar.h"
#include "platform/TextArea.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QTextEdit>

namespace {

std::unique_ptr<MenuItem> item(std::string_view name) {
    auto made = std::make_unique<MenuItem>(name);
    made->Name = name;
    made->AutoEnable = true;
    return made;
}

class TestBar : public MenuBar {
public:
    TestBar() {
        auto edit = item("EditMenu");
        edit->Append(item("EditPaste"));
        Append(std::move(edit));
    }
};

class MenuWindow : public Window {
public:
    MenuWindow() {
        SetContentSize(300, 160);
        static TestBar bar;
        SetMenuBar(bar);
        Add(field, 10, 10, 200, 22);
        Add(area, 10, 40, 200, 80);
    }

    TextField field{"field"};
    TextArea area{"area"};
};

}  // namespace

// Alt and a menu's letter put the focus on the bar itself.
TEST(MenuBar, AMenuOpenedFromTheKeyboardEditsTheTextAreaThatHadTheFocus) {
    MenuWindow& window = Window::Instance<MenuWindow>();
    window.Show();
    window.frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    window.field.SetText("field");
    window.area.textEdit()->setFocus();
    QTest::keyClicks(window.area.textEdit(), "Lee");
    QGuiApplication::clipboard()->setText("ds");

    QWidget* bar = window.frame()->menuWidget();
    bar->setFocus(Qt::MenuBarFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), bar);
    // What the menu hears as it opens, then the choice.
    emit bar->findChild<QMenu*>("EditMenu")->aboutToShow();
    QAction* paste = bar->findChild<QAction*>("EditPaste");
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(window.area.Text(), "Leeds");
    EXPECT_EQ(window.field.Text(), "field");
}

// What each of the program's buttons shows and does is tried through the main
// window in tests/roll/ToolbarTest.cpp; here, that a real click or menu choice
// reaches the handlers, and that nothing does once the toolbar is gone.

#include "platform/Toolbar.h"

#include <gtest/gtest.h>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

namespace {

std::unique_ptr<ToolButton> button(std::string name,
                                   ToolButton::StyleKind style = ToolButton::PushButtonStyle) {
    auto made = std::make_unique<ToolButton>();
    made->Name = std::move(name);
    made->Caption = made->Name;
    made->Style = style;
    return made;
}

}  // namespace

TEST(Toolbar, ClicksAndMenuChoicesReachTheirHandlersOnlyWhileTheToolbarLives) {
    QMainWindow window;
    std::vector<std::string> heard;
    QPointer<QAction> add;
    QPointer<QToolButton> print;
    {
        Toolbar toolbar("mainToolbar");
        toolbar.Action = [&heard](ToolButton& item) { heard.push_back(item.Name); };
        toolbar.DropDownMenuAction = [&heard](ToolButton& item, MenuItem& hit) {
            heard.push_back(item.Name + ":" + hit.Text);
        };
        add = toolbar.Append(button("addButton")).action();
        auto printButton = button("printButton", ToolButton::DropDownStyle);
        printButton->DropDownMenu = std::make_unique<MenuItem>();
        for (const char* text : {"Checklist", "Dues owed"})
            printButton->DropDownMenu->Append(std::make_unique<MenuItem>(text));
        print = qobject_cast<QToolButton*>(
            toolbar.toolBar()->widgetForAction(toolbar.Append(std::move(printButton)).action()));
        ASSERT_NE(print, nullptr);
        window.addToolBar(toolbar.toolBar());

        print->click();
        print->menu()->actions().at(1)->trigger();
        add->trigger();
        EXPECT_EQ(heard,
                  (std::vector<std::string>{"printButton", "printButton:Dues owed", "addButton"}));
    }
    // The buttons may outlive the toolbar on its window; they must do nothing.
    ASSERT_TRUE(add && print);
    heard.clear();
    add->trigger();
    print->click();
    EXPECT_TRUE(heard.empty());
}

// What each of the program's buttons shows and does is tried through the main
// window in tests/roll/ToolbarTest.cpp, a plain button's click included; here,
// that a drop-down button's own click and a choice from its menu reach their
// handlers.

#include "platform/Toolbar.h"

#include <gtest/gtest.h>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

TEST(Toolbar, ADropDownButtonsClickAndMenuChoicesReachTheirHandlers) {
    QMainWindow window;
    Toolbar toolbar("mainToolbar");
    std::vector<std::string> heard;
    toolbar.Action = [&heard](ToolButton& item) { heard.push_back(item.Name); };
    toolbar.DropDownMenuAction = [&heard](ToolButton& item, MenuItem& hit) {
        heard.push_back(item.Name + ":" + hit.Text);
    };
    auto printButton = std::make_unique<ToolButton>();
    printButton->Name = printButton->Caption = "printButton";
    printButton->Style = ToolButton::DropDownStyle;
    printButton->DropDownMenu = std::make_unique<MenuItem>();
    for (const char* text : {"Checklist", "Dues owed"})
        printButton->DropDownMenu->Append(std::make_unique<MenuItem>(text));
    auto* print = qobject_cast<QToolButton*>(
        toolbar.toolBar()->widgetForAction(toolbar.Append(std::move(printButton)).action()));
    ASSERT_NE(print, nullptr);
    window.addToolBar(toolbar.toolBar());

    print->click();
    print->menu()->actions().at(1)->trigger();
    EXPECT_EQ(heard, (std::vector<std::string>{"printButton", "printButton:Dues owed"}));
}

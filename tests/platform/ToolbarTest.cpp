#include "platform/Toolbar.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <optional>

namespace {

Picture filledIcon(Qt::GlobalColor color) {
    QPixmap pixmap(32, 32);
    pixmap.fill(color);
    return Picture(pixmap);
}

std::unique_ptr<ToolButton> pushButton(std::string name, std::string caption,
                                       std::string helpTag = {}) {
    auto button = std::make_unique<ToolButton>();
    button->Name = std::move(name);
    button->Caption = std::move(caption);
    button->HelpTag = std::move(helpTag);
    return button;
}

std::unique_ptr<ToolButton> flexibleSpace() {
    auto space = std::make_unique<ToolButton>();
    space->Name = "space";
    space->Style = ToolButton::FlexibleSpaceStyle;
    return space;
}

// "Print" with a menu of the lists it can print.
std::unique_ptr<ToolButton> printDropDown() {
    auto button = pushButton("printButton", "Print", "Print a list");
    button->Style = ToolButton::DropDownStyle;
    button->DropDownMenu = std::make_unique<MenuItem>();
    for (const char* text : {"Checklist", "Dues owed", "Addresses"})
        button->DropDownMenu->Append(std::make_unique<MenuItem>(text));
    return button;
}

QToolButton* dropDownWidget(const Toolbar& toolbar, const ToolButton& button) {
    return qobject_cast<QToolButton*>(toolbar.toolBar()->widgetForAction(button.action()));
}

// What the toolbar reported, in order.
struct Clicks {
    std::vector<std::string> actions;
    std::vector<std::string> menuChoices;

    void listenTo(Toolbar& toolbar) {
        toolbar.Action = [this](ToolButton& item) { actions.push_back(item.Name); };
        toolbar.DropDownMenuAction = [this](ToolButton& item, MenuItem& hit) {
            menuChoices.push_back(item.Name + ":" + hit.Text);
        };
    }
};

}  // namespace

TEST(Toolbar, ShowsButtonsLeftToRightWithCaptionsTipsAndIcons) {
    Toolbar toolbar("mainToolbar");
    auto add = pushButton("addButton", "Add", "Add a member");
    add->Icon = filledIcon(Qt::green);
    toolbar.Append(std::move(add));
    toolbar.Append(pushButton("findButton", "Find", "Find members"));
    toolbar.Append(flexibleSpace());
    toolbar.Append(printDropDown());

    QToolBar* bar = toolbar.toolBar();
    EXPECT_EQ(bar->objectName(), "mainToolbar");
    EXPECT_FALSE(bar->isMovable());
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(bar->iconSize(), QSize(32, 32));

    const QList<QAction*> actions = bar->actions();
    ASSERT_EQ(actions.size(), 4);
    ASSERT_EQ(toolbar.Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(actions[i], toolbar.Item(i).action()) << i;
    EXPECT_EQ(actions[0]->objectName(), "addButton");
    EXPECT_EQ(actions[0]->text(), "Add");
    EXPECT_EQ(actions[0]->toolTip(), "Add a member");
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_EQ(actions[1]->text(), "Find");
    EXPECT_TRUE(actions[1]->icon().isNull());

    QWidget* space = bar->widgetForAction(actions[2]);
    ASSERT_NE(space, nullptr);
    EXPECT_EQ(space->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);

    QToolButton* print = dropDownWidget(toolbar, toolbar.Item(3));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), "Print");
    EXPECT_EQ(print->toolTip(), "Print a list");
    EXPECT_EQ(print->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(print->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    ASSERT_NE(print->menu(), nullptr);
    QStringList choices;
    for (QAction* choice : print->menu()->actions())
        choices << choice->text();
    EXPECT_EQ(choices, (QStringList{"Checklist", "Dues owed", "Addresses"}));
}

TEST(Toolbar, ClicksAndMenuChoicesReachTheirHandlersWithTheirButton) {
    Toolbar toolbar("mainToolbar");
    Clicks clicks;
    clicks.listenTo(toolbar);
    toolbar.Append(pushButton("addButton", "Add"));
    toolbar.Append(pushButton("findButton", "Find"));
    ToolButton& print = toolbar.Append(printDropDown());

    toolbar.Item(1).action()->trigger();
    toolbar.Item(0).action()->trigger();
    QToolButton* printWidget = dropDownWidget(toolbar, print);
    ASSERT_NE(printWidget, nullptr);
    printWidget->click();
    printWidget->menu()->actions().at(1)->trigger();

    EXPECT_EQ(clicks.actions, (std::vector<std::string>{"findButton", "addButton", "printButton"}));
    EXPECT_EQ(clicks.menuChoices, std::vector<std::string>{"printButton:Dues owed"});
}

TEST(Toolbar, DisabledButtonsCanNotBeUsed) {
    Toolbar toolbar("mainToolbar");
    auto early = pushButton("deleteButton", "Delete");
    early->SetEnabled(false);
    ToolButton& deleteButton = toolbar.Append(std::move(early));
    ToolButton& print = toolbar.Append(printDropDown());
    QMainWindow window;
    window.addToolBar(toolbar.toolBar());
    window.show();

    EXPECT_FALSE(deleteButton.action()->isEnabled());
    print.SetEnabled(false);
    EXPECT_FALSE(print.Enabled());
    EXPECT_FALSE(print.action()->isEnabled());
    EXPECT_FALSE(dropDownWidget(toolbar, print)->isEnabled());

    deleteButton.SetEnabled(true);
    print.SetEnabled(true);
    EXPECT_TRUE(deleteButton.action()->isEnabled());
    EXPECT_TRUE(dropDownWidget(toolbar, print)->isEnabled());
}

TEST(Toolbar, ButtonsLeftOnAWindowAfterTheToolbarIsGoneDoNothing) {
    QMainWindow window;
    int clicks = 0;
    QPointer<QAction> add;
    QPointer<QToolButton> print;
    {
        Toolbar toolbar("mainToolbar");
        toolbar.Action = [&clicks](ToolButton&) { ++clicks; };
        toolbar.DropDownMenuAction = [&clicks](ToolButton&, MenuItem&) { ++clicks; };
        add = toolbar.Append(pushButton("addButton", "Add")).action();
        ToolButton& printButton = toolbar.Append(printDropDown());
        print = dropDownWidget(toolbar, printButton);
        window.addToolBar(toolbar.toolBar());
    }
    ASSERT_TRUE(add && print);
    add->trigger();
    print->click();
    EXPECT_EQ(clicks, 0);
}

TEST(Toolbar, AToolbarNeverShownTakesItsWidgetsAlong) {
    QPointer<QToolBar> bar;
    {
        Toolbar toolbar("spare");
        toolbar.Append(pushButton("addButton", "Add"));
        bar = toolbar.toolBar();
    }
    EXPECT_TRUE(bar.isNull());
}

TEST(Toolbar, StaysOnItsWindowWhateverTheUserClicks) {
    QMainWindow window;
    Toolbar toolbar("mainToolbar");
    toolbar.Append(pushButton("addButton", "Add", "Add a member"));
    window.addToolBar(toolbar.toolBar());
    window.show();

    QToolBar* bar = toolbar.toolBar();
    EXPECT_FALSE(bar->isFloatable());
    // A right-click opens nothing from which it could be hidden.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 bar->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bar, &rightClick);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(bar->isVisible());
}

TEST(Toolbar, OnlyButtonsWithAHelpTagShowOne) {
    Toolbar toolbar("mainToolbar");
    toolbar.Append(pushButton("addButton", "Add", "Add a member"));
    toolbar.Append(pushButton("plainButton", "Plain"));
    auto find = printDropDown();
    find->HelpTag.clear();
    toolbar.Append(std::move(find));
    QMainWindow window;
    window.addToolBar(toolbar.toolBar());
    window.show();

    const auto tipShownFor = [&](int index) {
        QWidget* button = toolbar.toolBar()->widgetForAction(toolbar.Item(index).action());
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(button, &hover);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    };
    // Without one, not even the caption.
    EXPECT_EQ(tipShownFor(1), "");
    EXPECT_EQ(tipShownFor(2), "");
    EXPECT_EQ(tipShownFor(0), "Add a member");
    QToolTip::hideText();
}

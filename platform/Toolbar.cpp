#include "platform/Toolbar.h"

#include "platform/QtText.h"

#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

QIcon buttonIcon(const ToolButton& button) {
    return button.Icon.IsNull() ? QIcon() : QIcon(button.Icon.pixmap());
}

// Keeps a button without a help tag from showing its caption as one.
class NoHelpTag : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

void setHelpTag(QWidget* button, const ToolButton& item) {
    if (item.HelpTag.empty())
        button->installEventFilter(new NoHelpTag(button));
    else
        button->setToolTip(toQString(item.HelpTag));
}

}  // namespace

QAction* ToolButton::action() const {
    return static_cast<QAction*>(action_.get());
}

void ToolButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (QAction* shown = action())
        shown->setEnabled(enabled);
}

Toolbar::Toolbar(std::string name) : Control(std::move(name), new QToolBar) {
    toolBar()->setMovable(false);
    toolBar()->setFloatable(false);
    toolBar()->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar()->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar()->setIconSize(QSize(32, 32));
}

QToolBar* Toolbar::toolBar() const {
    return static_cast<QToolBar*>(widget());
}

Toolbar::~Toolbar() = default;

ToolButton& Toolbar::Append(std::unique_ptr<ToolButton> button) {
    ToolButton& appended = *buttons_.emplace_back(std::move(button));
    switch (appended.Style) {
        case ToolButton::DropDownStyle:
            appendDropDown(appended);
            break;
        case ToolButton::FlexibleSpaceStyle: {
            auto* space = new QWidget;
            space->setObjectName(toQString(appended.Name));
            space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            appended.action_ = toolBar()->addWidget(space);
            break;
        }
        default:
            appendPushButton(appended);
            break;
    }
    if (appended.action())
        appended.action()->setEnabled(appended.Enabled());
    return appended;
}

void Toolbar::appendPushButton(ToolButton& button) {
    QAction* action = toolBar()->addAction(buttonIcon(button), toQString(button.Caption));
    action->setObjectName(toQString(button.Name));
    action->setToolTip(toQString(button.HelpTag));
    QObject::connect(action, &QAction::triggered, context(), [this, &button] {
        if (Action)
            Action(button);
    });
    button.action_ = action;
    setHelpTag(toolBar()->widgetForAction(action), button);
}

// A drop-down button is a button in its own right with a menu on its arrow,
// which a toolbar action alone does not give.
void Toolbar::appendDropDown(ToolButton& button) {
    auto* toolButton = new QToolButton;
    toolButton->setObjectName(toQString(button.Name));
    toolButton->setToolButtonStyle(toolBar()->toolButtonStyle());
    toolButton->setIconSize(toolBar()->iconSize());
    toolButton->setAutoRaise(true);

    auto* click = new QAction(buttonIcon(button), toQString(button.Caption), toolButton);
    QObject::connect(click, &QAction::triggered, context(), [this, &button] {
        if (Action)
            Action(button);
    });
    toolButton->setDefaultAction(click);
    setHelpTag(toolButton, button);

    QMenu& menu = *menus_.emplace_back(std::make_unique<QMenu>());
    if (button.DropDownMenu)
        fillMenu(menu, *button.DropDownMenu, button);
    toolButton->setMenu(&menu);
    toolButton->setPopupMode(QToolButton::MenuButtonPopup);

    button.action_ = toolBar()->addWidget(toolButton);
}

void Toolbar::fillMenu(QMenu& menu, MenuItem& item, ToolButton& button) {
    for (int i = 0; i < item.Count(); ++i) {
        MenuItem& child = item.Item(i);
        if (child.Count() > 0) {
            QMenu* subMenu = menu.addMenu(toQString(child.Text));
            subMenu->setObjectName(toQString(child.Name));
            fillMenu(*subMenu, child, button);
            continue;
        }
        QAction* choice = menu.addAction(toQString(child.Text));
        choice->setObjectName(toQString(child.Name));
        QObject::connect(choice, &QAction::triggered, context(), [this, &button, &child] {
            if (DropDownMenuAction)
                DropDownMenuAction(button, child);
        });
    }
}

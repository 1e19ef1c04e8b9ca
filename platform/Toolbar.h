#pragma once

#include "platform/Control.h"
#include "platform/MenuItem.h"
#include "platform/ObjectGuard.h"
#include "platform/Picture.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QToolBar;

// One button of a toolbar.
class ToolButton {
public:
    enum StyleKind { PushButtonStyle = 0, DropDownStyle = 3, FlexibleSpaceStyle = 6 };

    std::string Name;
    StyleKind Style = PushButtonStyle;
    std::string Caption;
    std::string HelpTag;
    Picture Icon;
    // For a drop-down button: the menu whose children it offers.
    std::unique_ptr<MenuItem> DropDownMenu;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The toolbar's action for this button, once appended.
    QAction* action() const;

private:
    friend class Toolbar;
    bool enabled_ = true;
    // Gone once the window holding the toolbar is.
    ObjectGuard action_;
};

// A window's toolbar: buttons with icons and captions, from left to right.
// Like any control, the window that shows it owns its widget.
class Toolbar : public Control {
public:
    explicit Toolbar(std::string name);
    ~Toolbar() override;

    // Appends the button at the right end; the toolbar keeps it.
    ToolButton& Append(std::unique_ptr<ToolButton> button);
    int Count() const { return static_cast<int>(buttons_.size()); }
    ToolButton& Item(int index) const { return *buttons_.at(static_cast<size_t>(index)); }

    // A click on a button (on a drop-down button: on the button, not its menu).
    std::function<void(ToolButton& item)> Action;
    // A choice from a drop-down button's menu.
    std::function<void(ToolButton& item, MenuItem& hitItem)> DropDownMenuAction;

    QToolBar* toolBar() const;

private:
    void appendPushButton(ToolButton& button);
    void appendDropDown(ToolButton& button);
    void fillMenu(QMenu& menu, MenuItem& item, ToolButton& button);

    std::vector<std::unique_ptr<ToolButton>> buttons_;
    std::vector<std::unique_ptr<QMenu>> menus_;
};

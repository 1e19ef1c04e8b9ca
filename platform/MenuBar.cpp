#include "platform/MenuBar.h"

#include "platform/Application.h"
#include "platform/EditCommands.h"
#include "platform/MenuBarView.h"
#include "platform/Window.h"

#include <QMainWindow>

namespace {

QWidget* focusedControl(Window& window) {
    QMainWindow* frame = window.frame();
    if (!frame)
        return nullptr;
    if (auto* bar = dynamic_cast<MenuBarView*>(frame->menuWidget()))
        return bar->editedControl();
    return frame->focusWidget();
}

bool isQuitItem(const MenuItem& item) {
    return dynamic_cast<const QuitMenuItem*>(&item) != nullptr;
}

// Whether choosing the item in that window would do something.
bool reachable(const MenuItem& item, Window& window) {
    if (EditCommands::IsEditCommand(item.Name) &&
        EditCommands::CanAct(item.Name, focusedControl(window)))
        return true;
    return window.HasMenuHandler(item.Name) || isQuitItem(item);
}

void autoEnable(MenuItem& parent, Window& window) {
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem& item = parent.Item(i);
        // A menu is left as it is; only what it holds follows the handlers.
        if (item.Count() > 0)
            autoEnable(item, window);
        else if (item.AutoEnable && !item.IsSeparator())
            item.SetEnabled(reachable(item, window));
    }
}

}  // namespace

MenuBar::MenuBar() = default;

void MenuBar::UpdateEnabled(Window& receiver) {
    autoEnable(*this, receiver);
    // The application has the last word.
    if (Application* application = Application::Current())
        application->Event_EnableMenuItems();
}

bool MenuBar::Choose(MenuItem& item, Window& receiver) {
    if (EditCommands::IsEditCommand(item.Name) &&
        EditCommands::Act(item.Name, focusedControl(receiver)))
        return true;
    if (receiver.HandleMenuCommand(item.Name))
        return true;
    if (isQuitItem(item)) {
        if (Application* application = Application::Current())
            application->Quit();
        return true;
    }
    return false;
}

#pragma once

#include "platform/MenuItem.h"

class Window;

// A menu bar: its children are the menus, left to right, and theirs the items.
// One bar may serve several windows (Window::SetMenuBar); each shows it. The
// application's bar (Application::SetMenuBar) also serves, by its keys alone,
// every window that shows none.
//
// Choosing an item in a window runs, in this order, the first that applies:
// the standard editing of the window's focused text control for the items
// named EditUndo, EditCut, EditCopy, EditPaste, EditClear and EditSelectAll;
// the window's menu handler registered under the item's name; for a
// QuitMenuItem, quitting the application.
//
// Before a menu opens and before a shortcut is taken, the items are brought
// up to date: an item with AutoEnable is enabled exactly when choosing it
// would do something, then the application's Event_EnableMenuItems runs.
class MenuBar : public MenuItem {
public:
    MenuBar();

    // Brings the items' enabled states up to date for a command that window
    // would receive.
    void UpdateEnabled(Window& receiver);
    // Runs the item as choosing it in that window does. False when it did
    // nothing.
    static bool Choose(MenuItem& item, Window& receiver);
};

#pragma once

// Platform code only: how a MenuBar shows in a window.

#include "platform/MenuItem.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenuBar>
#include <QPointer>
#include <memory>
#include <vector>

class MenuBar;
class QMenu;
class Window;

struct MenuItem::Views {
    std::vector<QPointer<QAction>> actions;
};

// One window's menu bar, built from a MenuBar: each menu and item gets an
// entry that follows the item's enabled state and chooses it in this window.
class MenuBarView : public QMenuBar {
public:
    MenuBarView(MenuBar& bar, Window& window);

    // The key sequence of a shortcut text such as "Cmd+S".
    static QKeySequence keySequence(std::string_view shortcut);

    // The control the Edit commands act on: the window's focused control, or
    // while the bar itself has the focus (a menu opened from the keyboard),
    // the control that had it before.
    QWidget* editedControl() const;

private:
    // Watches the keys pressed in the window for the bar's shortcuts, which
    // are taken only after the items are up to date.
    void beforeShortcut(QObject* watched, const QEvent* event);
    void addMenu(MenuItem& menu);
    void fillMenu(QMenu& menu, MenuItem& parent);
    void show(MenuItem& item, QAction* action);

    MenuBar& bar_;
    Window& window_;
    QList<QKeySequence> shortcuts_;
    QPointer<QWidget> focusBeforeBar_;
    // Sees the program's events for beforeShortcut.
    std::unique_ptr<QObject> watch_;
};

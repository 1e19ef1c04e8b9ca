#include "platform/MenuBarKeys.h"

#include "platform/MenuBar.h"
#include "platform/MenuBarView.h"
#include "platform/Window.h"

#include <QAction>
#include <QMainWindow>

namespace {

void takeKeys(MenuBar& bar, MenuItem& parent, Window& window) {
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem& item = parent.Item(i);
        if (item.Count() > 0) {
            takeKeys(bar, item, window);
            continue;
        }
        if (item.KeyboardShortcut.empty() || item.IsSeparator())
            continue;
        // Owned by the window's frame, so it goes with the window.
        auto* key = new QAction(window.frame());
        key->setShortcut(MenuBarView::keySequence(item.KeyboardShortcut));
        key->setShortcutContext(Qt::WindowShortcut);
        window.frame()->addAction(key);
        QObject::connect(key, &QAction::triggered, key, [&bar, &item, &window] {
            bar.UpdateEnabled(window);
            if (item.Enabled())
                MenuBar::Choose(item, window);
        });
    }
}

}  // namespace

void TakeMenuBarKeys(MenuBar& bar, Window& window) {
    takeKeys(bar, bar, window);
}

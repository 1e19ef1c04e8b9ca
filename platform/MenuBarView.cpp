#include "platform/MenuBarView.h"

#include "platform/MenuBar.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <functional>

namespace {

// Sees every event of the program before its receiver does, and lets it
// through. It stands in for the bar itself: a QMenuBar as the program's
// filter takes every widget's change of parent anywhere for one of its own,
// and remembers its window once more each time, so each window opened made
// every later event a little slower and the program a little bigger.
class EventWatch : public QObject {
public:
    explicit EventWatch(std::function<void(QObject*, QEvent*)> watch) : watch_(std::move(watch)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        watch_(watched, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> watch_;
};

}  // namespace

MenuBarView::MenuBarView(MenuBar& bar, Window& window) : bar_(bar), window_(window) {
    setObjectName(toQString(bar.Name));
    for (int i = 0; i < bar.Count(); ++i)
        addMenu(bar.Item(i));
    // Ours, not the bar's child: it goes before the bar starts coming apart,
    // while the events of its teardown would still reach it.
    watch_ = std::make_unique<EventWatch>(
        [this](QObject* watched, QEvent* event) { beforeShortcut(watched, event); });
    qApp->installEventFilter(watch_.get());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == this && old && old->window() == this->window())
            focusBeforeBar_ = old;
    });
}

QWidget* MenuBarView::editedControl() const {
    QWidget* focus = window()->focusWidget();
    return focus == this ? focusBeforeBar_.data() : focus;
}

QKeySequence MenuBarView::keySequence(std::string_view shortcut) {
    // Qt's "Ctrl" is the platform's command key: Ctrl here, Command on a Mac.
    QString text = toQString(shortcut);
    text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"), Qt::CaseInsensitive);
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

void MenuBarView::addMenu(MenuItem& menu) {
    QMenu* shown = QMenuBar::addMenu(toQString(menu.Text));
    shown->setObjectName(toQString(menu.Name));
    fillMenu(*shown, menu);
    // A menu with nothing in it has nothing to open.
    show(menu, shown->menuAction());
    if (menu.Count() == 0)
        shown->menuAction()->setVisible(false);
    connect(shown, &QMenu::aboutToShow, this, [this] { bar_.UpdateEnabled(window_); });
}

void MenuBarView::fillMenu(QMenu& menu, MenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem& item = parent.Item(i);
        if (item.IsSeparator()) {
            QAction* separator = menu.addSeparator();
            separator->setObjectName(toQString(item.Name));
            separator->setVisible(item.Visible);
            continue;
        }
        if (item.Count() > 0) {
            QMenu* subMenu = menu.addMenu(toQString(item.Text));
            subMenu->setObjectName(toQString(item.Name));
            fillMenu(*subMenu, item);
            show(item, subMenu->menuAction());
            continue;
        }
        QAction* action = menu.addAction(toQString(item.Text));
        action->setObjectName(toQString(item.Name));
        // Every item stays where the menu puts it, whatever its text says.
        action->setMenuRole(QAction::NoRole);
        if (!item.KeyboardShortcut.empty()) {
            action->setShortcut(keySequence(item.KeyboardShortcut));
            shortcuts_.append(action->shortcut());
        }
        show(item, action);
        connect(action, &QAction::triggered, this,
                [this, &item] { MenuBar::Choose(item, window_); });
    }
}

void MenuBarView::show(MenuItem& item, QAction* action) {
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible);
    std::erase_if(item.views_->actions, [](const QPointer<QAction>& gone) { return !gone; });
    item.views_->actions.emplace_back(action);
}

void MenuBarView::beforeShortcut(QObject* watched, const QEvent* event) {
    // The override is asked of the focused control before a key is matched
    // against the shortcuts.
    if (event->type() != QEvent::ShortcutOverride)
        return;
    auto* control = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<const QKeyEvent*>(event);
    // It travels on to the parents; one update is enough.
    const bool first = control && (control == QApplication::focusWidget() ||
                                   (!QApplication::focusWidget() && control->isWindow()));
    if (first && control->window() == window() &&
        shortcuts_.contains(QKeySequence(key->keyCombination())))
        bar_.UpdateEnabled(window_);
}

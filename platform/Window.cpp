#include "platform/Window.h"

#include "platform/Control.h"
#include "platform/GroupBox.h"
#include "platform/QtText.h"
#include "platform/TabPanel.h"
#include "platform/Toolbar.h"
#include "platform/WindowFrame.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

namespace {

// Deletes a closed window once control is back in the event loop level that
// closed it: a window closing itself from one of its own handlers still runs
// the rest of that handler, even when the handler gives the loop a turn.
class ClosedWindowDisposal : public QObject {
public:
    explicit ClosedWindowDisposal(Window* window) : window_(window) {}
    ~ClosedWindowDisposal() override { delete window_; }

private:
    Window* window_;
};

// The open shared instances in the order they were made.
std::vector<Window*>& openOrder() {
    static std::vector<Window*> windows;
    return windows;
}

}  // namespace

Window::Window() : frame_(std::make_unique<WindowFrame>(this)) {}

Window::~Window() {
    release();
    frame_.reset();
}

std::map<std::type_index, Window*>& Window::registry() {
    static std::map<std::type_index, Window*> instances;
    return instances;
}

std::vector<Window*> Window::OpenWindows() {
    return openOrder();
}

QMainWindow* Window::frame() const {
    return frame_.get();
}

void Window::open(std::type_index type) {
    type_ = type;
    open_ = true;
    registry()[type] = this;
    openOrder().push_back(this);
    // Registered first: the window's own Event_Open may reach it through
    // Instance<W>().
    Event_Open();
    if (open_ && visibleAtCreation_)
        Show();
}

void Window::Show() {
    if (!frame_)
        return;
    // The size a fixed window takes follows its toolbar and menu bar, which
    // may have come after its content size.
    frame_->layout()->activate();
    frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
}

void Window::ShowModal() {
    if (!frame_)
        return;
    QEventLoop loop;
    QObject::connect(frame_.get(), &WindowFrame::dismissed, &loop, &QEventLoop::quit);
    frame_->setWindowModality(Qt::ApplicationModal);
    Show();
    // Event_Open or the show itself may already have closed it.
    if (frame_->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (frame_)
        frame_->setWindowModality(Qt::NonModal);
}

bool Window::Close(bool appQuitting) {
    return closeRequested(appQuitting);
}

bool Window::closeRequested(bool appQuitting) {
    const bool shared = type_ != typeid(Window);
    if (shared && !open_)
        return true;
    if (Event_CancelClose(appQuitting))
        return false;
    // Closed from here on, so a Close() from Event_Close does not run it twice.
    const bool wasOpen = open_;
    open_ = false;
    Event_Close();
    if (frame_)
        frame_->hide();
    release();
    if (frame_)
        emit frame_->dismissed();
    if (wasOpen)
        (new ClosedWindowDisposal(this))->deleteLater();
    return true;
}

void Window::release() {
    open_ = false;
    auto found = registry().find(type_);
    if (found != registry().end() && found->second == this)
        registry().erase(found);
    std::erase(openOrder(), this);
}

bool Window::Visible() const {
    return frame_ && frame_->isVisible();
}

void Window::SetVisible(bool visible) {
    if (visible)
        Show();
    else if (frame_)
        frame_->hide();
}

std::string Window::Title() const {
    return toStdString(frame_->windowTitle());
}

void Window::SetTitle(std::string_view title) {
    frame_->setWindowTitle(toQString(title));
}

void Window::SetContentSize(int width, int height) {
    frame_->content()->setFixedSize(width, height);
    frame_->layout()->activate();
    frame_->adjustSize();
}

void Window::SetResizable(bool resizable) {
    // The whole window, toolbar and menu bar included, keeps the size its
    // layout asks for.
    frame_->layout()->setSizeConstraint(resizable ? QLayout::SetDefaultConstraint
                                                  : QLayout::SetFixedSize);
    if (resizable) {
        frame_->setMinimumSize(0, 0);
        frame_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    frame_->layout()->activate();
}

namespace {

void setTitleBarButton(QWidget* frame, Qt::WindowType button, bool on) {
    Qt::WindowFlags flags = frame->windowFlags();
    if (!flags.testFlag(Qt::CustomizeWindowHint))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint;
    flags.setFlag(button, on);
    // No full-screen mode for windows laid out to a fixed size.
    if (button == Qt::WindowMaximizeButtonHint && !on)
        flags.setFlag(Qt::WindowFullscreenButtonHint, false);
    // Changing the flags hides a shown window.
    const bool wasVisible = frame->isVisible();
    frame->setWindowFlags(flags);
    if (wasVisible)
        frame->show();
}

}  // namespace

void Window::SetMinimizable(bool on) {
    setTitleBarButton(frame_.get(), Qt::WindowMinimizeButtonHint, on);
}

void Window::SetMaximizable(bool on) {
    setTitleBarButton(frame_.get(), Qt::WindowMaximizeButtonHint, on);
}

void Window::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    frame_->layout()->activate();
    QRect area = frame_->frameGeometry();
    area.moveCenter(screen->availableGeometry().center());
    frame_->move(area.topLeft());
}

namespace {

void place(QWidget* widget, QWidget* parent, const QRect& geometry) {
    const bool hiddenByCode =
        widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    widget->setParent(parent);
    widget->setGeometry(geometry);
    // A new parent hides the widget; it shows with the window unless the
    // program hid it.
    widget->setVisible(!hiddenByCode);
}

}  // namespace

void Window::Add(Control& control, int left, int top, int width, int height) {
    place(control.widget(), frame_->content(), QRect(left, top, width, height));
    controls_.push_back(&control);
}

void Window::Add(Control& control, GroupBox& frame, int left, int top, int width, int height) {
    QWidget* box = frame.widget();
    QWidget* content = frame_->content();
    const QPoint origin = content->isAncestorOf(box) ? box->mapTo(content, QPoint()) : box->pos();
    place(control.widget(), box, QRect(left - origin.x(), top - origin.y(), width, height));
    controls_.push_back(&control);
}

void Window::Add(Control& control, TabPanel& tabs, int panel, int left, int top, int width,
                 int height) {
    QWidget* page = tabs.panel(panel);
    if (!page)
        return;
    const QPoint origin = tabs.widget()->mapTo(frame_->content(), QPoint()) + tabs.panelOrigin();
    place(control.widget(), page, QRect(left - origin.x(), top - origin.y(), width, height));
    controls_.push_back(&control);
}

void Window::SetToolbar(Toolbar& toolbar) {
    QToolBar* bar = toolbar.toolBar();
    bar->setMovable(false);
    bar->setFloatable(false);
    frame_->addToolBar(bar);
    frame_->layout()->invalidate();
    frame_->layout()->activate();
}

void Window::SetMenuBar(QMenuBar* menuBar) {
    frame_->setMenuBar(menuBar);
    // A new menu bar does not by itself make the layout measure again, and a
    // fixed window must grow by its height now.
    frame_->layout()->invalidate();
    frame_->layout()->activate();
}

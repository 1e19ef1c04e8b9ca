#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/GroupBox.h"
#include "platform/MenuBarKeys.h"
#include "platform/MenuBarView.h"
#include "platform/QtText.h"
#include "platform/TabPanel.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "platform/WindowFrame.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QToolBar>
#include <optional>

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

// The smallest a resizable window gets, either way.
constexpr int kMinimumWindowSize = 64;

// The open shared instances in the order they were made.
std::vector<Window*>& openOrder() {
    static std::vector<Window*> windows;
    return windows;
}

}  // namespace

Window::Window() : frame_(std::make_unique<WindowFrame>(this)) {}

Window::~Window() {
    // A sheet's frame is a child of ours; it goes its own way, not with us.
    for (Window* sheet : sheets())
        sheet->detachFromParent();
    if (parent_)
        detachFromParent();
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
    // The program has one menu bar, which serves every window, shown in it
    // or not: a window without one of its own takes its keys.
    if (const Application* application = Application::Current())
        if (MenuBar* bar = application->ProgramMenuBar(); bar && !frame_->menuWidget())
            TakeMenuBarKeys(*bar, *this);
    // Registered first: the window's own Event_Open may reach it through
    // Instance<W>().
    Event_Open();
    if (open_ && visibleAtCreation_)
        Show();
}

namespace {

// The frame the window manager draws around a window, once it has.
QMargins ownDecorations(const QWidget* frame) {
    const QRect outer = frame->frameGeometry();
    const QRect inner = frame->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

// A window's decorations, or, before it has any, those of another window of
// ours that is on screen: the best guess there is.
QMargins decorations(const QWidget* frame) {
    if (QMargins own = ownDecorations(frame); !own.isNull())
        return own;
    for (Window* other : Window::OpenWindows())
        if (other->frame() != frame && other->Visible())
            if (QMargins theirs = ownDecorations(other->frame()); !theirs.isNull())
                return theirs;
    return {};
}

// Moves the window so that the whole of it, decorations included, is
// centred on the point; gives the position of its frame.
QPoint centreAt(QWidget* frame, QPoint centre) {
    frame->layout()->activate();
    QRect outer = frame->geometry().marginsAdded(decorations(frame));
    outer.moveCenter(centre);
    // A window's position is that of its frame.
    frame->move(outer.topLeft());
    return outer.topLeft();
}

}  // namespace

Window* Window::frontWindow() const {
    const std::vector<Window*>& windows = openOrder();
    if (const QWidget* active = QApplication::activeWindow())
        for (Window* window : windows)
            if (window != this && window->frame_.get() == active)
                return window;
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        if (*window != this && (*window)->Visible())
            return *window;
    return nullptr;
}

void Window::Show() {
    if (kind_ == WindowKind::Sheet && frame_ && !frame_->isVisible())
        if (Window* parent = frontWindow())
            attachTo(*parent);
    bringUp();
}

void Window::ShowWithin(Window& parent) {
    if (kind_ == WindowKind::Sheet && &parent != this && frame_ && !frame_->isVisible())
        attachTo(parent);
    bringUp();
}

void Window::bringUp() {
    if (!frame_)
        return;
    // The size a fixed window takes follows its toolbar and menu bar, which
    // may have come after its content size.
    frame_->layout()->activate();
    if (!frame_->isVisible())
        placeFrame();
    frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    frame_->show();
    // Some window systems know the decorations as soon as the window is up.
    frameMoved();
    frame_->raise();
    frame_->activateWindow();
    shownBefore_ = true;
    // A window that comes up while the program waits for an answer opens
    // behind the question, which stays in front until it is answered.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != frame_.get() && modal->isVisible() &&
        modal->windowModality() == Qt::ApplicationModal) {
        modal->raise();
        modal->activateWindow();
    }
}

std::optional<QPoint> Window::placementCentre() const {
    if (parent_ && parent_->frame_)
        return parent_->frame_->frameGeometry().center();
    if (centreOnScreen_)
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->availableGeometry().center();
    return std::nullopt;
}

void Window::placeFrame() {
    if (shownBefore_ && !parent_)
        return;
    const std::optional<QPoint> centre = placementCentre();
    if (!centre)
        return;
    const QPoint placedAt = centreAt(frame_.get(), *centre);
    // Until the window manager has framed a window, its decorations are a
    // guess; once they are known the window is centred again.
    if (ownDecorations(frame_.get()).isNull())
        frame_->pendingPlacement = placedAt;
}

void Window::frameMoved() {
    const std::optional<QPoint> placedAt = frame_->pendingPlacement;
    if (!placedAt || !frame_->isVisible() || ownDecorations(frame_.get()).isNull())
        return;
    frame_->pendingPlacement.reset();
    // Moved by someone else meanwhile: left where it is.
    // (Some window systems put the frame at the point, some the content.)
    if (frame_->frameGeometry().topLeft() != *placedAt && frame_->geometry().topLeft() != *placedAt)
        return;
    if (const std::optional<QPoint> centre = placementCentre())
        centreAt(frame_.get(), *centre);
}

void Window::attachTo(Window& parent) {
    if (parent_ == &parent)
        return;
    // A child window of the parent's frame: the window manager keeps it over
    // its parent, and window modality blocks the parent alone.
    frame_->setParent(parent.frame_.get(), frame_->windowFlags());
    frame_->setWindowModality(Qt::WindowModal);
    parent_ = &parent;
}

void Window::detachFromParent() {
    if (!parent_)
        return;
    parent_ = nullptr;
    if (frame_)
        frame_->setParent(nullptr, frame_->windowFlags());
}

std::vector<Window*> Window::sheets() const {
    std::vector<Window*> found;
    for (Window* window : openOrder())
        if (window->parent_ == this)
            found.insert(found.begin(), window);
    return found;
}

void Window::ShowModal() {
    if (!frame_)
        return;
    QEventLoop loop;
    QObject::connect(frame_.get(), &WindowFrame::dismissed, &loop, &QEventLoop::quit);
    const bool sheet = kind_ == WindowKind::Sheet;
    const Qt::WindowModality modality = frame_->windowModality();
    if (!sheet)
        frame_->setWindowModality(Qt::ApplicationModal);
    Show();
    // Event_Open or the show itself may already have closed it.
    if (frame_ && frame_->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (frame_ && !sheet)
        frame_->setWindowModality(modality);
}

bool Window::Close(bool appQuitting) {
    return closeRequested(appQuitting);
}

bool Window::closeRequested(bool appQuitting) {
    const bool shared = type_ != typeid(Window);
    if (shared && !open_)
        return true;
    // Sheets go first, as they would in front of the window; one that stays
    // keeps the window open too.
    for (Window* sheet : sheets())
        if (!sheet->closeRequested(appQuitting))
            return false;
    if (Event_CancelClose(appQuitting))
        return false;
    // Closed from here on, so a Close() from Event_Close does not run it twice.
    const bool wasOpen = open_;
    open_ = false;
    Event_Close();
    if (frame_)
        frame_->hide();
    detachFromParent();
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
    // Making a visible window visible changes nothing: it neither comes to
    // the front nor takes the focus from the window the user is in.
    if (visible) {
        if (!Visible())
            Show();
    } else if (frame_) {
        frame_->hide();
    }
}

std::string Window::Title() const {
    return frame_->windowTitle().toStdString();
}

void Window::SetTitle(std::string_view title) {
    frame_->setWindowTitle(toQString(title));
}

void Window::SetKind(WindowKind kind) {
    kind_ = kind;
    // Told apart by the window manager as a dialog: it stays over its parent.
    Qt::WindowFlags flags = frame_->windowFlags() & ~Qt::WindowType_Mask;
    flags |= kind == WindowKind::Sheet ? Qt::Dialog : Qt::Window;
    frame_->setWindowFlags(flags);
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
        // The content keeps the size it was given to start with, and goes
        // with the window from then on.
        QWidget* content = frame_->content();
        const QSize size = content->size();
        content->setMinimumSize(0, 0);
        content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        content->resize(size);
        frame_->setMinimumSize(kMinimumWindowSize, kMinimumWindowSize);
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

void Window::SetClosable(bool on) {
    setTitleBarButton(frame_.get(), Qt::WindowCloseButtonHint, on);
}

void Window::SetMovableModal(bool modal) {
    frame_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

void Window::SetMinimizable(bool on) {
    setTitleBarButton(frame_.get(), Qt::WindowMinimizeButtonHint, on);
}

void Window::SetMaximizable(bool on) {
    setTitleBarButton(frame_.get(), Qt::WindowMaximizeButtonHint, on);
}

void Window::CenterOnScreen() {
    // Measured when shown: the toolbar and menu bar may come later.
    centreOnScreen_ = true;
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
    // Part of the window for good: the toolbar is neither moved nor floated,
    // and no menu offers to hide it.
    bar->toggleViewAction()->setVisible(false);
    frame_->addToolBar(bar);
    frame_->layout()->invalidate();
    frame_->layout()->activate();
}

void Window::SetMenuBar(MenuBar& menuBar) {
    frame_->setMenuBar(new MenuBarView(menuBar, *this));
    // A new menu bar does not by itself make the layout measure again, and a
    // fixed window must grow by its height now.
    frame_->layout()->invalidate();
    frame_->layout()->activate();
}

namespace {

// The handler registered under the item's name, letter case ignored; null
// when there is none.
template <class Handlers>
auto menuHandler(Handlers& handlers, std::string_view itemName)
    -> decltype(&handlers.front().second) {
    for (auto& [name, handler] : handlers)
        if (SameText(name, itemName))
            return &handler;
    return nullptr;
}

}  // namespace

void Window::_AddMenuHandler(std::string_view itemName, std::function<bool()> handler) {
    if (auto* registered = menuHandler(menuHandlers_, itemName))
        *registered = std::move(handler);
    else
        menuHandlers_.emplace_back(itemName, std::move(handler));
}

bool Window::HasMenuHandler(std::string_view itemName) const {
    return menuHandler(menuHandlers_, itemName) != nullptr;
}

bool Window::HandleMenuCommand(std::string_view itemName) {
    const auto* handler = menuHandler(menuHandlers_, itemName);
    return handler && *handler && (*handler)();
}

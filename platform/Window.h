#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

class Control;
class GroupBox;
class MenuBar;
class TabPanel;
class Toolbar;
class QMainWindow;
class QPoint;
class WindowFrame;

// How a window stands among the program's other windows.
enum class WindowKind {
    // A window of its own.
    Document,
    // A window that belongs to another one: shown centred over it and modal
    // to it alone, while the program's other windows stay usable. Show
    // returns at once; the sheet closes before the window it belongs to.
    Sheet,
};

// A window of the program. Each window class has one shared instance, made on
// first reference through Instance<W>() and released when the window closes;
// the next reference makes a fresh one.
class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The shared instance of W, made (and opened) when there is none.
    template <class W>
    static W& Instance();
    // The shared instance of W when one exists, else nothing.
    template <class W>
    static W* Existing();

    // Brings the window up and returns at once. A sheet that is not yet up
    // goes over the active window of the program (or, when none is active,
    // over the window shown last).
    void Show();
    // Brings a sheet up over the given window; a document window just shows.
    void ShowWithin(Window& parent);
    // Brings the window up modally and returns when it has closed: a sheet
    // is modal to the window it is over, any other window to the program.
    void ShowModal();
    // Asks the window to close, as its close button does. False when
    // Event_CancelClose refused.
    bool Close(bool appQuitting = false);

    WindowKind Kind() const { return kind_; }

    bool Visible() const;
    void SetVisible(bool visible);
    std::string Title() const;
    void SetTitle(std::string_view title);

    // The controls in the order they were added.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    Control& ControlAt(int index) const { return *controls_.at(static_cast<size_t>(index)); }

    // Every open window, oldest first.
    static std::vector<Window*> OpenWindows();

    // Menu commands reach the window by the chosen item's name (letter case
    // ignored). True when a handler is registered under that name.
    bool HasMenuHandler(std::string_view itemName) const;
    // Runs the handler of that name; false when there is none or it did not
    // handle the command.
    bool HandleMenuCommand(std::string_view itemName);

    QMainWindow* frame() const;

protected:
    Window();

    // Opening: the window's design is built in the subclass's constructor;
    // Event_Open runs once the shared instance is in place.
    virtual void Event_Open() {}
    // Asked before the window closes; true keeps it open.
    virtual bool Event_CancelClose(bool appQuitting) {
        (void)appQuitting;
        return false;
    }
    virtual void Event_Close() {}

    // Window properties, set while the design is built.
    void SetKind(WindowKind kind);
    void SetContentSize(int width, int height);
    // A resizable window can be made as small as 64 x 64 and as large as the
    // screen allows; a fixed one keeps the size its content and bars need.
    void SetResizable(bool resizable);
    void SetClosable(bool on);
    void SetMinimizable(bool on);
    void SetMaximizable(bool on);
    // A movable modal window: while it is up, the program's other windows take
    // no input, even when it was brought up with Show.
    void SetMovableModal(bool modal);
    // Centres the whole window, title bar and toolbar included, on the main
    // screen when it is first shown.
    void CenterOnScreen();
    // Whether the shared instance shows itself as soon as it is made.
    void SetVisibleAtCreation(bool visible) { visibleAtCreation_ = visible; }

    // Places a control on the content area, in points from its top left.
    void Add(Control& control, int left, int top, int width, int height);
    // Places a control inside a frame; the position is still measured from
    // the window's content area.
    void Add(Control& control, GroupBox& frame, int left, int top, int width, int height);
    // Places a control on one panel of a tab panel (from 0), shown while that
    // panel is; the position is still measured from the window's content area.
    void Add(Control& control, TabPanel& tabs, int panel, int left, int top, int width, int height);
    void SetToolbar(Toolbar& toolbar);
    // Shows the bar at the window's top; its commands come to this window.
    // The bar must outlive the window.
    void SetMenuBar(MenuBar& menuBar);
    // Registers the handler of the menu item of that name, in place of any
    // earlier one. It answers whether it handled the command.
    void _AddMenuHandler(std::string_view itemName, std::function<bool()> handler);

private:
    friend class WindowFrame;
    void open(std::type_index type);
    bool closeRequested(bool appQuitting);
    void release();
    void attachTo(Window& parent);
    void detachFromParent();
    // Sheets shown over this window, newest first.
    std::vector<Window*> sheets() const;
    Window* frontWindow() const;
    void bringUp();
    // Centres a window on first showing: a sheet over its parent, a window
    // that asked for it on the screen.
    void placeFrame();
    std::optional<QPoint> placementCentre() const;
    // The window manager moved the frame, perhaps to put decorations round it.
    void frameMoved();

    static std::map<std::type_index, Window*>& registry();

    std::unique_ptr<WindowFrame> frame_;
    std::vector<Control*> controls_;
    std::vector<std::pair<std::string, std::function<bool()>>> menuHandlers_;
    std::type_index type_ = typeid(Window);
    bool visibleAtCreation_ = false;
    bool open_ = false;
    WindowKind kind_ = WindowKind::Document;
    Window* parent_ = nullptr;
    bool centreOnScreen_ = false;
    bool shownBefore_ = false;
};

template <class W>
W& Window::Instance() {
    if (W* existing = Existing<W>())
        return *existing;
    auto* window = new W();
    window->open(typeid(W));
    return *window;
}

template <class W>
W* Window::Existing() {
    auto found = registry().find(typeid(W));
    return found == registry().end() ? nullptr : static_cast<W*>(found->second);
}

#pragma once

#include <QMainWindow>
#include <optional>

class Window;

// The toolkit's window behind a Window. Its close button goes through the
// same path as Window::Close, so a window can refuse to close either way.
class WindowFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit WindowFrame(Window* window);
    ~WindowFrame() override;

    // The area the controls are placed on, below the toolbar.
    QWidget* content() const { return centralWidget(); }

    // No menu of toolbars to hide: a window's toolbar is part of it.
    QMenu* createPopupMenu() override { return nullptr; }

    // Where the window was put before the window manager framed it, while
    // it is to be placed again once its decorations are known.
    std::optional<QPoint> pendingPlacement;

signals:
    // The window closed, or code hid it: a modal run of it is over.
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    Window* window_;
};

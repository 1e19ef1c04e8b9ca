#include "platform/WindowFrame.h"

#include "platform/Window.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QMoveEvent>

WindowFrame::WindowFrame(Window* window) : window_(window) {
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    setCentralWidget(content);
}

WindowFrame::~WindowFrame() {
    // Deleted by someone other than its window (the toolkit tearing down the
    // last widgets): the window must not delete it a second time.
    if (window_ && window_->frame_.get() == this)
        (void)window_->frame_.release();
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    if (window_->closeRequested(false))
        event->accept();
    else
        event->ignore();
}

void WindowFrame::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // A minimised window gets a spontaneous hide and stays visible.
    if (!event->spontaneous())
        emit dismissed();
}

void WindowFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (window_ && window_->frame_.get() == this)
        window_->frameMoved();
}

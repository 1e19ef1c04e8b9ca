#include "platform/Canvas.h"

#include <QPainter>
#include <QWidget>

namespace {

// Shows one picture as large as fits, centred, over whatever is behind it.
class BackdropView : public QWidget {
public:
    void setPicture(const QPixmap& picture) {
        picture_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.isNull())
            return;
        const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), fitted);
        target.moveCenter(rect().center());
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, picture_);
    }

private:
    QPixmap picture_;
};

}  // namespace

Canvas::Canvas(std::string name) : Control(std::move(name), new BackdropView) {}

void Canvas::SetBackdrop(const Picture& picture) {
    static_cast<BackdropView*>(widget())->setPicture(picture.pixmap());
}

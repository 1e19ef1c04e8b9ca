#include "platform/ProgressWheel.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

// Twelve spokes, the brightest one stepping round; it only turns while it is
// on screen.
class WheelView : public QWidget {
public:
    WheelView() {
        turn_.setInterval(80);
        QObject::connect(&turn_, &QTimer::timeout, this, [this] {
            step_ = (step_ + 1) % kSpokes;
            update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { turn_.start(); }
    void hideEvent(QHideEvent*) override { turn_.stop(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = qMin(width(), height()) / 2.0;
        painter.translate(width() / 2.0, height() / 2.0);
        QColor colour = palette().color(QPalette::WindowText);
        QPen pen(colour, qMax(1.5, radius / 5.0), Qt::SolidLine, Qt::RoundCap);
        for (int spoke = 0; spoke < kSpokes; ++spoke) {
            const int age = (step_ - spoke + kSpokes) % kSpokes;
            colour.setAlphaF(1.0 - age * 0.07);
            pen.setColor(colour);
            painter.setPen(pen);
            painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
            painter.rotate(360.0 / kSpokes);
        }
    }

private:
    static constexpr int kSpokes = 12;
    QTimer turn_;
    int step_ = 0;
};

}  // namespace

ProgressWheel::ProgressWheel(std::string name) : Control(std::move(name), new WheelView) {}

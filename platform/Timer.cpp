#include "platform/Timer.h"

#include <QTimer>

struct Timer::Private {
    QTimer timer;
};

Timer::Timer(std::string name) : d(std::make_unique<Private>()), name_(std::move(name)) {
    QObject::connect(&d->timer, &QTimer::timeout, &d->timer, [this] {
        // A single-shot timer is off once it has fired, also for its action.
        if (mode_ == Mode::Single)
            mode_ = Mode::Off;
        if (Action)
            Action();
    });
}

Timer::~Timer() = default;

void Timer::SetMode(Mode mode) {
    mode_ = mode;
    restart();
}

void Timer::SetPeriod(int milliseconds) {
    period_ = milliseconds;
    restart();
}

void Timer::restart() {
    d->timer.stop();
    if (mode_ == Mode::Off)
        return;
    d->timer.setSingleShot(mode_ == Mode::Single);
    d->timer.start(period_);
}

#include "platform/EventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace {

constexpr qint64 kSliceMilliseconds = 5;
// Reading the clock costs more than the rest of a turn together; a loop calls
// Turn() at least this often per slice, so reading it on every 16th call only
// delays a turn by a few calls' work.
constexpr unsigned kCallsPerClockReading = 16;

unsigned callsSinceClockReading = 0;
QElapsedTimer sinceLastProcessing;

}  // namespace

int EventLoop::PaintPreparationEventType() {
    static const int type = QEvent::registerEventType();
    return type;
}

void EventLoop::Turn() {
    if (++callsSinceClockReading < kCallsPerClockReading)
        return;
    callsSinceClockReading = 0;
    if (!QCoreApplication::instance())
        return;
    if (sinceLastProcessing.isValid() && sinceLastProcessing.elapsed() < kSliceMilliseconds)
        return;
    // Only the posted events that paint are delivered, in the order a paint
    // needs them: what views show, then the layouts, then the repaints.
    // Timers, socket notifiers and window-system events are the dispatcher's
    // and are not touched; every other posted event stays queued.
    QCoreApplication::sendPostedEvents(nullptr, PaintPreparationEventType());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    sinceLastProcessing.start();
}

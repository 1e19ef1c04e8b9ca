#include "platform/EventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace {

constexpr qint64 kSliceMilliseconds = 5;
// Reading the clock costs more than the rest of a turn together; a loop calls
// Turn() far more often than this per slice (a loop over cells does a few
// nanoseconds of work between calls), so reading it on every 64th call only
// delays a turn by a few microseconds.
constexpr unsigned kCallsPerClockReading = 64;

QElapsedTimer sinceLastProcessing;
bool inTurn = false;

}  // namespace

int EventLoop::PaintPreparationEventType() {
    static const int type = QEvent::registerEventType();
    return type;
}

bool EventLoop::InTurn() {
    return inTurn;
}

unsigned EventLoop::detail::callsUntilClockReading = kCallsPerClockReading;

void EventLoop::detail::TurnOnClockReading() {
    callsUntilClockReading = kCallsPerClockReading;
    if (!QCoreApplication::instance())
        return;
    if (sinceLastProcessing.isValid() && sinceLastProcessing.elapsed() < kSliceMilliseconds)
        return;
    // Only the posted events that paint are delivered, in the order a paint
    // needs them: what views show, then the layouts, then the repaints.
    // Timers, socket notifiers and window-system events are the dispatcher's
    // and are not touched; every other posted event stays queued.
    inTurn = true;
    QCoreApplication::sendPostedEvents(nullptr, PaintPreparationEventType());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    inTurn = false;
    sinceLastProcessing.start();
}

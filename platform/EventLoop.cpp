#include "platform/EventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

constexpr qint64 kSliceMilliseconds = 5;
// Reading the clock costs more than the rest of a turn together; a loop calls
// Turn() at least this often per slice, so reading it on every 16th call only
// delays a turn by a few calls' work.
constexpr unsigned kCallsPerClockReading = 16;

unsigned callsSinceClockReading = 0;
QElapsedTimer sinceLastProcessing;

}  // namespace

void EventLoop::Turn() {
    if (++callsSinceClockReading < kCallsPerClockReading)
        return;
    callsSinceClockReading = 0;
    if (!QCoreApplication::instance())
        return;
    if (sinceLastProcessing.isValid() && sinceLastProcessing.elapsed() < kSliceMilliseconds)
        return;
    // Input waits: a click now could change the rows the caller is walking.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceLastProcessing.start();
}

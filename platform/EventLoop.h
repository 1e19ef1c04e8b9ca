#pragma once

namespace EventLoop {

// Gives the window a chance to repaint from inside a long loop over rows or
// cells. It costs next to nothing per call: work is really done only when a
// few milliseconds have passed since the last time.
//
// The rule every loop relies on: a turn only paints. Clicks, key presses,
// timers, sockets, quit requests and every other queued call wait until the
// handler that loops has returned to the event loop, so nothing can add,
// remove or change rows under the loop, or free its window. A loop may read
// the row count once.
inline void Turn();

// The type of event a turn delivers before painting, besides Qt's own paint
// requests: an object that must bring what it shows up to date before the
// window paints (a list telling its view of the rows a loop added) posts
// itself one of these instead of a queued call, which a turn holds back.
int PaintPreparationEventType();

// Whether a turn is delivering its events: a loop is still running and may
// go on changing what it changed, so whatever costs more to bring up to date
// than to repaint can wait until the loop is done.
bool InTurn();

namespace detail {
// Counts the calls down to the next look at the clock.
extern unsigned callsUntilClockReading;
void TurnOnClockReading();
}  // namespace detail

// Loops call this after every cell, so the common case is a count inlined
// into the loop; only every so many calls is the clock read.
inline void Turn() {
    if (--detail::callsUntilClockReading == 0)
        detail::TurnOnClockReading();
}

}  // namespace EventLoop

#pragma once

namespace EventLoop {

// Gives the event loop a turn from inside a long loop over rows or cells.
// It costs next to nothing per call: events are really processed only when a
// few milliseconds have passed since the last time. Clicks and key presses
// wait until the loop is done, so no input can change the rows under it.
void Turn();

}  // namespace EventLoop

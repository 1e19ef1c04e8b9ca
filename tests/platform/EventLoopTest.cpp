#include "platform/EventLoop.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QThread>
#include <memory>

namespace {

// Posts a call to the event queue and says whether it has run.
class PostedCall {
public:
    PostedCall() {
        QMetaObject::invokeMethod(
            qApp, [ran = ran_] { *ran = true; }, Qt::QueuedConnection);
    }
    bool ran() const { return *ran_; }

private:
    std::shared_ptr<bool> ran_ = std::make_shared<bool>(false);
};

class KeyCounter : public QObject {
public:
    int keyPresses = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            ++keyPresses;
        return QObject::event(event);
    }
};

// Turns until events are really processed, so that a new slice starts now.
// Returns false if that never happened.
bool turnUntilProcessed() {
    const PostedCall call;
    QElapsedTimer waited;
    waited.start();
    while (!call.ran() && waited.elapsed() < 2000)
        EventLoop::Turn();
    return call.ran();
}

TEST(EventLoop, ProcessesPostedEventsOnceASliceHasPassed) {
    ASSERT_TRUE(turnUntilProcessed());
    QElapsedTimer sinceProcessing;
    sinceProcessing.start();

    const PostedCall call;
    for (int i = 0; i < 1000; ++i)
        EventLoop::Turn();
    // Only meaningful when those calls fitted in the slice; a busy machine
    // may have stopped this thread longer.
    if (sinceProcessing.nsecsElapsed() < 4'000'000) {
        EXPECT_FALSE(call.ran()) << "processed within the same slice";
    }

    QThread::msleep(6);
    for (int i = 0; i < 100 && !call.ran(); ++i)
        EventLoop::Turn();
    EXPECT_TRUE(call.ran());
}

// A call that posts itself again each time it runs, counting its runs: each
// run is one time the loop really processed its events.
struct RecurringCall {
    std::shared_ptr<int> runs = std::make_shared<int>(0);
    std::shared_ptr<bool> stopped = std::make_shared<bool>(false);

    void post() const {
        QMetaObject::invokeMethod(
            qApp,
            [copy = *this] {
                if (*copy.stopped)
                    return;
                ++*copy.runs;
                copy.post();
            },
            Qt::QueuedConnection);
    }
};

TEST(EventLoop, EventsAreProcessedOncePerSliceNotPerCall) {
    ASSERT_TRUE(turnUntilProcessed());
    RecurringCall recurring;
    recurring.post();
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 2'000'000; ++i)
        EventLoop::Turn();
    const qint64 slices = elapsed.elapsed() / 5 + 1;
    *recurring.stopped = true;
    // However fast or slow the machine, no more than one processing per slice.
    EXPECT_LE(*recurring.runs, slices);
}

TEST(EventLoop, ProgramPostedInputEventsAreNotHeldBack) {
    // Qt holds back only input that comes from the window system; a key event
    // the program posts itself is an ordinary posted event and is delivered.
    KeyCounter receiver;
    QCoreApplication::postEvent(&receiver,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    ASSERT_TRUE(turnUntilProcessed());
    EXPECT_EQ(receiver.keyPresses, 1);
}

}  // namespace

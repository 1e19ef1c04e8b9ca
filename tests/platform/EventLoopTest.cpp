#include "platform/EventLoop.h"
#include "platform/Listbox.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace {

// Turns for a while, long enough for several slices to pass.
void turnFor(int milliseconds) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < milliseconds)
        EventLoop::Turn();
}

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// Counts the paint preparations delivered to it; each one posts the next, so
// every delivery is one time a turn did its work.
class RecurringPreparation : public QObject {
public:
    int runs = 0;
    bool stopped = false;

    void post() {
        QCoreApplication::postEvent(
            this, new QEvent(static_cast<QEvent::Type>(EventLoop::PaintPreparationEventType())));
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != EventLoop::PaintPreparationEventType())
            return QObject::event(event);
        if (!stopped) {
            ++runs;
            post();
        }
        return true;
    }
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

}  // namespace

TEST(EventLoop, ATurnRepaintsTheWindow) {
    PaintCounter widget;
    widget.resize(100, 100);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();
    const int before = widget.paints;
    widget.update();
    turnFor(20);
    EXPECT_GT(widget.paints, before);
}

TEST(EventLoop, NothingButPaintingRunsInsideALoop) {
    // Everything that could run a handler of the program: a queued call (as a
    // quit request is posted), a timer, a socket that has something to read
    // (as the quit signals and the second start arrive), a posted key press.
    bool queuedCallRan = false;
    QMetaObject::invokeMethod(
        qApp, [&] { queuedCallRan = true; }, Qt::QueuedConnection);
    bool timerFired = false;
    QTimer::singleShot(0, qApp, [&] { timerFired = true; });
    int sockets[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets), 0);
    QSocketNotifier notifier(sockets[1], QSocketNotifier::Read);
    bool socketRead = false;
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        char byte;
        [[maybe_unused]] const auto got = ::read(sockets[1], &byte, 1);
        socketRead = true;
    });
    ASSERT_EQ(::write(sockets[0], "x", 1), 1);
    KeyCounter receiver;
    QCoreApplication::postEvent(&receiver,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));

    turnFor(50);
    EXPECT_FALSE(queuedCallRan);
    EXPECT_FALSE(timerFired);
    EXPECT_FALSE(socketRead);
    EXPECT_EQ(receiver.keyPresses, 0);

    // Once the loop is done and the event loop runs, each gets its turn.
    EXPECT_TRUE(QTest::qWaitFor([&] { return queuedCallRan && timerFired && socketRead; }, 2000));
    EXPECT_EQ(receiver.keyPresses, 1);
    ::close(sockets[0]);
    ::close(sockets[1]);
}

TEST(EventLoop, WorkIsDoneOncePerSliceNotPerCall) {
    turnFor(10);
    RecurringPreparation recurring;
    recurring.post();
    QElapsedTimer elapsed;
    elapsed.start();
    // Long enough for a few slices, however quick a turn is.
    while (elapsed.elapsed() < 20)
        for (int i = 0; i < 100'000; ++i)
            EventLoop::Turn();
    const qint64 slices = elapsed.elapsed() / 5 + 1;
    recurring.stopped = true;
    EXPECT_GE(recurring.runs, 1);
    // However fast or slow the machine, no more than one processing per slice.
    EXPECT_LE(recurring.runs, slices);
}

TEST(EventLoop, AListShowsItsRowsWhileALoopStillAddsThem) {
    Listbox list("list", 2);
    list.view()->resize(300, 200);
    list.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.view()));
    QElapsedTimer elapsed;
    elapsed.start();
    int shownDuringTheLoop = 0;
    while (elapsed.elapsed() < 50) {
        list.AddRow("row");
        EventLoop::Turn();
        shownDuringTheLoop = list.view()->model()->rowCount();
    }
    EXPECT_GT(shownDuringTheLoop, 0);
    EXPECT_LE(shownDuringTheLoop, list.ListCount());
}

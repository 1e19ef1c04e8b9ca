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
#include <QTimer>

namespace {

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type) : type_(type) {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type_;
        return false;
    }

private:
    QEvent::Type type_;
};

}  // namespace

TEST(EventLoop, ALoopRepaintsItsListButRunsNoOtherHandler) {
    Listbox list("list", 2);
    list.view()->resize(300, 200);
    list.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.view()));
    QCoreApplication::processEvents();
    const EventCounter paints(list.view()->viewport(), QEvent::Paint);

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
    QObject receiver;
    const EventCounter keyPresses(&receiver, QEvent::KeyPress);
    QCoreApplication::postEvent(&receiver,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));

    QElapsedTimer elapsed;
    elapsed.start();
    int shownDuringTheLoop = 0;
    while (elapsed.elapsed() < 50) {
        list.AddRow("row");
        EventLoop::Turn();
        shownDuringTheLoop = list.view()->model()->rowCount();
    }
    EXPECT_GT(shownDuringTheLoop, 0);
    EXPECT_GT(paints.count, 0);
    EXPECT_FALSE(queuedCallRan);
    EXPECT_FALSE(timerFired);
    EXPECT_FALSE(socketRead);
    EXPECT_EQ(keyPresses.count, 0);

    // Once the loop is done and the event loop runs, each gets its turn.
    EXPECT_TRUE(QTest::qWaitFor([&] { return queuedCallRan && timerFired && socketRead; }, 2000));
    EXPECT_EQ(keyPresses.count, 1);
    ::close(sockets[0]);
    ::close(sockets[1]);
}

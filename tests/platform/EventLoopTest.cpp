#include "platform/EventLoop.h"
#include "platform/Listbox.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// Counts the paints that reach a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

TEST(EventLoop, ALoopRepaintsItsListButRunsNoOtherHandler) {
    Listbox list("list", 2);
    list.view()->resize(300, 200);
    list.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.view()));
    QCoreApplication::processEvents();
    const PaintCounter paints(list.view()->viewport());

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
    QLineEdit typedInto;
    QCoreApplication::postEvent(&typedInto,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));

    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 50) {
        list.AddRow("row");
        EventLoop::Turn();
    }
    EXPECT_GT(list.view()->model()->rowCount(), 0);
    EXPECT_GT(paints.count, 0);
    EXPECT_FALSE(queuedCallRan);
    EXPECT_FALSE(timerFired);
    EXPECT_FALSE(socketRead);
    EXPECT_EQ(typedInto.text(), "");

    // Once the loop is done and the event loop runs, each gets its turn.
    EXPECT_TRUE(QTest::qWaitFor([&] { return queuedCallRan && timerFired && socketRead; }, 2000));
    EXPECT_EQ(typedInto.text(), "a");
    ::close(sockets[0]);
    ::close(sockets[1]);
}

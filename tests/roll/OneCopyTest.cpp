// The real program started as child processes on one roll: one copy keeps the
// roll and the others hand over to it or say who keeps it.

#include "tests/support/ProgramProcessTest.h"

#include <signal.h>
#include <unistd.h>
#include <QLocalServer>
#include <QTest>
#include <algorithm>

namespace {

constexpr const char* kHandedOver = "Rollkeep is already running; its window is brought up.";
// Generous: under the sanitizers a start takes a few seconds.
constexpr int kWait = 30000;

bool running(const QProcess* copy) {
    return copy->state() == QProcess::Running;
}

class OneCopyTest : public ProgramProcessTest {
protected:
    // A copy is up once the lock file names it and another start hands over to it.
    void expectKeepsTheRoll(QProcess& copy) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return std::atoll(read("Rollkeep.lock").c_str()) == copy.processId(); }, kWait));
        QProcess& later = start();
        ASSERT_TRUE(later.waitForFinished(kWait));
        EXPECT_EQ(later.exitCode(), 0);
        EXPECT_TRUE(later.readAllStandardOutput().contains(kHandedOver));
        EXPECT_TRUE(running(&copy));
    }
};

TEST_F(OneCopyTest, StartsAtTheSameInstantLeaveExactlyOneCopy) {
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<QProcess*> started{&start(), &start(), &start()};
        const auto stillRunning = [&] { return std::ranges::count_if(started, running); };
        ASSERT_TRUE(QTest::qWaitFor([&] { return stillRunning() <= 1; }, kWait));
        // Give a second keeper every chance to show itself.
        QTest::qWait(300);
        ASSERT_EQ(stillRunning(), 1);
        QProcess& keeper = **std::ranges::find_if(started, running);
        for (QProcess* copy : started)
            if (copy != &keeper) {
                EXPECT_EQ(copy->exitCode(), 0);
                EXPECT_TRUE(copy->readAllStandardOutput().contains(kHandedOver));
            }
        expectKeepsTheRoll(keeper);
        keeper.terminate();
        ASSERT_TRUE(keeper.waitForFinished(kWait));
        EXPECT_EQ(keeper.exitStatus(), QProcess::NormalExit);
    }
}

TEST_F(OneCopyTest, AKilledCopyOrASquatterDoesNotStopTheNextStartAndAnUnreachableKeeperIsNamed) {
    // Another user listens where a copy used to look for a running one.
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(home.filePath("tmp/Rollkeep-%1").arg(::getuid())));

    QProcess& killed = start();
    expectKeepsTheRoll(killed);
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(kWait));
    // Its socket and lock file are still there.
    ASSERT_EQ(QDir(home.filePath("runtime")).entryList(QDir::System | QDir::NoDotAndDotDot).size(),
              1);
    ASSERT_TRUE(QFile::exists(dataFile("Rollkeep.lock")));

    QProcess& keeper = start();
    expectKeepsTheRoll(keeper);
    EXPECT_FALSE(squatter.hasPendingConnections());

    // The same roll, started from a session with a runtime folder of its own.
    QProcess& later = start("elsewhere");
    ASSERT_TRUE(later.waitForFinished(kWait));
    EXPECT_NE(later.exitCode(), 0);
    EXPECT_TRUE(later.readAllStandardError().contains(
        QStringLiteral("process %1").arg(keeper.processId()).toUtf8()));
    EXPECT_TRUE(running(&keeper));
}

}  // namespace

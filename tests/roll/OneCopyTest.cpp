// The real program started as child processes on one roll: one copy keeps the
// roll and the others hand over to it or say who keeps it.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr const char* kHandedOver = "Rollkeep is already running; its window is brought up.";
// Generous: under the sanitizers a start takes a few seconds.
constexpr int kWaitMilliseconds = 30000;

class OneCopyTest : public ::testing::Test {
protected:
    OneCopyTest() {
        for (const char* folder : {"data", "tmp", "runtime", "elsewhere"}) {
            QDir(home.path()).mkpath(folder);
            QFile::setPermissions(home.filePath(folder),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    ~OneCopyTest() override {
        for (auto& copy : copies)
            if (copy->state() != QProcess::NotRunning) {
                copy->kill();
                copy->waitForFinished();
            }
    }

    // Starts the program on this test's roll; runtime names the folder that
    // stands for XDG_RUNTIME_DIR.
    QProcess& start(const char* runtime = "runtime") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath(runtime));
        environment.insert("TMPDIR", home.filePath("tmp"));
        auto& copy = copies.emplace_back(std::make_unique<QProcess>());
        copy->setProcessEnvironment(environment);
        copy->start(ROLLKEEP_PROGRAM, {});
        EXPECT_TRUE(copy->waitForStarted());
        return *copy;
    }

    static bool running(const QProcess* copy) { return copy->state() == QProcess::Running; }

    // The process the lock file names, once one does.
    qint64 holder() const {
        QFile lock(home.filePath("data/Rollkeep/Rollkeep.lock"));
        if (!lock.open(QIODevice::ReadOnly))
            return 0;
        return lock.readLine().trimmed().toLongLong();
    }

    // A copy is up once it keeps the roll and another start hands over to it.
    void expectKeepsTheRoll(QProcess& copy) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return holder() == copy.processId(); }, kWaitMilliseconds));
        QProcess& later = start();
        ASSERT_TRUE(later.waitForFinished(kWaitMilliseconds));
        EXPECT_EQ(later.exitCode(), 0);
        EXPECT_TRUE(later.readAllStandardOutput().contains(kHandedOver));
        EXPECT_TRUE(running(&copy));
    }

    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> copies;
};

TEST_F(OneCopyTest, StartsAtTheSameInstantLeaveExactlyOneCopy) {
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        copies.clear();
        std::vector<QProcess*> started{&start(), &start(), &start()};
        const auto stillRunning = [&] { return std::ranges::count_if(started, running); };
        ASSERT_TRUE(QTest::qWaitFor([&] { return stillRunning() <= 1; }, kWaitMilliseconds));
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
        ASSERT_TRUE(keeper.waitForFinished(kWaitMilliseconds));
        EXPECT_EQ(keeper.exitStatus(), QProcess::NormalExit);
    }
}

TEST_F(OneCopyTest, AKilledCopyOrASquatterDoesNotStopTheNextStartAndAnUnreachableKeeperIsNamed) {
    // Another user listens where a copy used to look for a running one.
    QLocalServer squatter;
    ASSERT_TRUE(
        squatter.listen(home.filePath("tmp") + QStringLiteral("/Rollkeep-%1").arg(::getuid())));

    QProcess& killed = start();
    expectKeepsTheRoll(killed);
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(kWaitMilliseconds));
    // Its socket and lock file are still there.
    ASSERT_EQ(QDir(home.filePath("runtime")).entryList(QDir::System | QDir::NoDotAndDotDot).size(),
              1);
    ASSERT_TRUE(QFile::exists(home.filePath("data/Rollkeep/Rollkeep.lock")));

    QProcess& keeper = start();
    expectKeepsTheRoll(keeper);
    EXPECT_FALSE(squatter.hasPendingConnections());

    // The same roll, started from a session with a runtime folder of its own.
    QProcess& later = start("elsewhere");
    ASSERT_TRUE(later.waitForFinished(kWaitMilliseconds));
    EXPECT_NE(later.exitCode(), 0);
    EXPECT_TRUE(later.readAllStandardError().contains(
        QStringLiteral("process %1").arg(keeper.processId()).toUtf8()));
    EXPECT_TRUE(running(&keeper));
}

}  // namespace

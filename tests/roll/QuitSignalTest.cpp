// The real program, sent SIGTERM at many moments of its start-up and of its
// paid/due pass's save: the stored roll is then the old one or the new one,
// whole, and the program has ended cleanly.

#include <gtest/gtest.h>
#include <signal.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kMembers = 3000;

std::string readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// A roll of which the paid/due pass changes many rows, so the roll it writes
// differs from the one it read.
std::string makeRoll() {
    std::mt19937 random(8);
    std::string roll;
    for (int n = 0; n < kMembers; ++n) {
        const bool lapsed = random() % 2 == 0;
        const std::string id = std::to_string(n);
        roll += "Member" + std::to_string(random() % 100000) + "@@@First" + id + "@@@" +
                std::to_string(6000000 + n) + "@@@m" + id +
                "@example.org@@@555-0100@@@555-0101@@@1 Main Street@@@Town@@@A1A 1A1@@@ON@@@"
                "2015-04-01@@@Individual@@@@@@Paid@@@" +
                (lapsed ? "2019-01-01@@@2018" : "2099-01-01@@@2098") + "@@@@@@Active@@@\n";
    }
    return roll;
}

// Whether the process catches SIGTERM yet, from its signal mask in /proc.
bool catchesTerm(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

class QuitSignalTest : public ::testing::Test {
protected:
    QuitSignalTest() {
        QDir(home.path()).mkpath("Rollkeep");
        QDir(home.path()).mkpath("run");
        QFile::setPermissions(home.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString rollPath() const { return home.filePath("Rollkeep/rkMemberList"); }

    // Starts the program on the old roll and waits until it catches SIGTERM.
    void start(QProcess& program) {
        QFile roll(rollPath());
        ASSERT_TRUE(roll.open(QIODevice::WriteOnly | QIODevice::Truncate));
        roll.write(oldRoll.data(), static_cast<qint64>(oldRoll.size()));
        roll.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home.path());
        environment.insert("XDG_RUNTIME_DIR", home.filePath("run"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(ROLLKEEP_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(5000));
        QElapsedTimer waited;
        waited.start();
        while (!catchesTerm(program.processId()) && waited.elapsed() < 5000)
            QThread::usleep(200);
        ASSERT_TRUE(catchesTerm(program.processId()));
    }

    // Sends SIGTERM and checks the clean end and the roll left behind.
    void quitAndCheck(QProcess& program, const std::string& newRoll, const std::string& when) {
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(10000)) << when;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << when;
        EXPECT_EQ(program.exitCode(), 0) << when;
        const std::string stored = readFile(rollPath());
        EXPECT_TRUE(stored == oldRoll || stored == newRoll)
            << when << ": a roll of " << std::count(stored.begin(), stored.end(), '\n') << " lines";
        const QStringList left =
            QDir(home.filePath("Rollkeep")).entryList({"rkMemberList*"}, QDir::Files);
        EXPECT_EQ(left, QStringList{"rkMemberList"}) << when;
    }

    QTemporaryDir home;
    const std::string oldRoll = makeRoll();
};

TEST_F(QuitSignalTest, ASignalAtAnyMomentLeavesTheOldOrTheNewRollWhole) {
    // A run left alone: how long until the pass has saved, and what it saved.
    QProcess calibration;
    start(calibration);
    QElapsedTimer sinceReady;
    sinceReady.start();
    while (readFile(rollPath()) == oldRoll && sinceReady.elapsed() < 10000)
        QThread::usleep(500);
    const qint64 savedAfter = sinceReady.elapsed();
    QThread::msleep(300);
    quitAndCheck(calibration, readFile(rollPath()), "after start-up");
    const std::string newRoll = readFile(rollPath());
    ASSERT_NE(newRoll, oldRoll) << "the paid/due pass changed nothing";

    // Spread over the whole start-up, then close around the save and reload.
    const qint64 startUpUs = std::max<qint64>(savedAfter * 3 / 2, 20) * 1000;
    std::mt19937 random(12);
    std::vector<qint64> delaysUs;
    for (int i = 0; i < 10; ++i)
        delaysUs.push_back(startUpUs * i / 10 + random() % (startUpUs / 10));
    for (int i = 0; i < 6; ++i)
        delaysUs.push_back(std::max<qint64>(0, savedAfter * 1000 - 10'000 + random() % 20'000));
    for (const qint64 delay : delaysUs) {
        QProcess program;
        start(program);
        QThread::usleep(static_cast<unsigned long>(delay));
        quitAndCheck(program, newRoll, std::to_string(delay) + " µs after start");
        if (HasFailure())
            break;
    }
}

}  // namespace

// The real program, sent SIGTERM at many moments of its start-up and of its
// paid/due pass's save, from the first instant on and again while it quits:
// it ends cleanly, and the stored roll is then the old one or the new one,
// whole. Sent it while a question or a menu waits for the user, it still
// ends, and keeps what the user typed.

#include "tests/support/ProgramProcessTest.h"

#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <fstream>
#include <random>

namespace {

// Whether the process catches SIGTERM yet, from its signal mask in /proc.
bool catchesTerm(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

// Whether the process has begun to load the toolkit's libraries.
bool loadingTheToolkit(qint64 pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("libQt6Core") != std::string::npos)
            return true;
    return false;
}

// Signals a process through a handle on it, so that none reaches another
// process that was given its number once it ended.
class ProcessHandle {
public:
    explicit ProcessHandle(const QProcess& process)
        : fd_(static_cast<int>(::syscall(SYS_pidfd_open, process.processId(), 0))) {}
    ~ProcessHandle() { ::close(fd_); }
    // Through syscall(): glibc 2.36's header declares these without C linkage.
    void send(int signal) const { ::syscall(SYS_pidfd_send_signal, fd_, signal, nullptr, 0); }

private:
    int fd_;
};

class QuitSignalTest : public ProgramProcessTest {
protected:
    // A roll of which the paid/due pass changes many rows, so the roll it
    // writes differs from the one it read.
    static std::string makeRoll() {
        std::mt19937 random(8);
        std::string roll;
        for (int n = 0; n < 3000; ++n) {
            const std::string id = std::to_string(n);
            roll += "Member" + std::to_string(random() % 100000) + "@@@First" + id + "@@@" +
                    std::to_string(6000000 + n) + "@@@m" + id +
                    "@example.org@@@555-0100@@@555-0101@@@1 Main Street@@@Town@@@A1A 1A1@@@ON@@@"
                    "2015-04-01@@@Individual@@@@@@Paid@@@" +
                    (random() % 2 ? "2099-01-01@@@2098" : "2019-01-01@@@2018") +
                    "@@@@@@Active@@@\n";
        }
        return roll;
    }

    // Starts the program on the old roll once it catches SIGTERM.
    QProcess& startOnOldRoll() {
        std::ofstream(dataFile("rkMemberList").toStdString(), std::ios::binary) << oldRoll;
        QProcess& program = start();
        QElapsedTimer waited;
        waited.start();
        while (!catchesTerm(program.processId()) && waited.elapsed() < 5000)
            QThread::usleep(200);
        EXPECT_TRUE(catchesTerm(program.processId()));
        return program;
    }

    void quitAndCheck(QProcess& program, const std::string& newRoll) {
        ProcessHandle(program).send(SIGTERM);
        checkEnded(program, newRoll);
    }

    void checkEnded(QProcess& program, const std::string& newRoll) {
        // A process that already ended makes waitForFinished answer false.
        if (program.state() != QProcess::NotRunning) {
            ASSERT_TRUE(program.waitForFinished(10000));
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        const std::string stored = read("rkMemberList");
        EXPECT_TRUE(stored == oldRoll || stored == newRoll)
            << "a roll of " << std::ranges::count(stored, '\n') << " lines";
        EXPECT_EQ(QDir(dataFile("")).entryList({"rkMemberList*"}, QDir::Files),
                  QStringList{"rkMemberList"});
    }

    const std::string oldRoll = makeRoll();
};

TEST_F(QuitSignalTest, ASignalAtAnyMomentLeavesTheOldOrTheNewRollWhole) {
    // A run left alone: how long until the pass has saved, and what it saved.
    QProcess& calibration = startOnOldRoll();
    QElapsedTimer sinceReady;
    sinceReady.start();
    while (read("rkMemberList") == oldRoll && sinceReady.elapsed() < 10000)
        QThread::usleep(500);
    const qint64 savedAfter = sinceReady.elapsed();
    QThread::msleep(300);
    quitAndCheck(calibration, read("rkMemberList"));
    const std::string newRoll = read("rkMemberList");
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
        SCOPED_TRACE(std::to_string(delay) + " µs after start");
        QProcess& program = startOnOldRoll();
        QThread::usleep(static_cast<unsigned long>(delay));
        quitAndCheck(program, newRoll);
        if (HasFailure())
            break;
    }
}

TEST_F(QuitSignalTest, SignalsFromTheFirstInstantOnAndDuringTheQuitEndItWithStatusZero) {
    // Sent while the process loads the toolkit, before the program's own
    // first instruction: as soon as it can run, it must take the signal up.
    int sentWhileLoading = 0;
    for (int run = 0; run < 10 && sentWhileLoading < 3; ++run) {
        std::ofstream(dataFile("rkMemberList").toStdString(), std::ios::binary) << oldRoll;
        QProcess& program = start();
        const ProcessHandle handle(program);
        while (program.state() == QProcess::Running && !catchesTerm(program.processId()))
            if (loadingTheToolkit(program.processId())) {
                handle.send(SIGTERM);
                ++sentWhileLoading;
                break;
            }
        quitAndCheck(program, oldRoll);
    }
    EXPECT_GT(sentWhileLoading, 0) << "never caught the program loading";
    // One signal after another from a moment of the start-up on, until the
    // process is gone: those that come while it quits are absorbed.
    for (const int delayMs : {0, 10, 30, 60}) {
        SCOPED_TRACE(std::to_string(delayMs) + " ms after it catches SIGTERM");
        QProcess& program = startOnOldRoll();
        QThread::msleep(delayMs);
        const ProcessHandle handle(program);
        QElapsedTimer flooding;
        flooding.start();
        do
            handle.send(SIGTERM);
        while (!program.waitForFinished(1) && flooding.elapsed() < 10000);
        checkEnded(program, oldRoll);
    }
}

TEST_F(QuitSignalTest, AQuestionOrMenuLeftOpenHoldsOffASignalOnlyBriefly) {
    const struct {
        const char* step;
        std::string renewalText;
    } cases[] = {
        {"findMembers", ""},
        // Closing the editor asked about its changes; nobody answers, and
        // they are kept.
        {"templatePrompt", "Renew by June."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        std::ofstream(dataFile("rkMemberList").toStdString(), std::ios::binary)
            << "Adams@@@Ann@@@6000001@@@@@@@@@@@@@@@@@@@@@@@@2020-01-01@@@Individual@@@@@@Paid@@@"
               "2027-01-01@@@2026@@@@@@Active@@@\n";
        QProcess& program = startProgram(DRIVEN_PROGRAM, {c.step});
        QByteArray said;
        while (!said.contains("ready") && program.waitForReadyRead(20000))
            said += program.readAllStandardOutput();
        ASSERT_TRUE(said.contains("ready")) << program.readAllStandardError().toStdString();
        // Gone, so that only the quit's own save brings it back.
        const std::string roll = read("rkMemberList");
        ASSERT_TRUE(QFile::remove(dataFile("rkMemberList")));

        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(5000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(read("rkMemberList"), roll);
        EXPECT_EQ(read("membDueText"), c.renewalText);
    }
}

}  // namespace

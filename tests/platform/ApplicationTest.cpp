#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/QtDialogDriver.h"
#include "platform/SingleInstance.h"
#include "platform/Window.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <fstream>
#include <functional>

namespace {

// Counts how often it was asked to close and closed, and may refuse.
template <int N>
class CountingWindow : public Window {
public:
    static inline int asked = 0;
    static inline int closes = 0;
    static inline bool refuse = false;

protected:
    bool Event_CancelClose(bool) override {
        ++asked;
        return refuse;
    }
    void Event_Close() override { ++closes; }
};
using OlderWindow = CountingWindow<1>;
using NewerWindow = CountingWindow<2>;

class TestApplication : public Application {
public:
    TestApplication() : Application(argc_, argv_) {}
    std::function<void()> onOpen = [] {};
    std::function<void()> onActivate = [] {};

protected:
    void Event_Open() override { onOpen(); }
    void Event_Activate() override { onActivate(); }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "ApplicationTest";
    static inline char* argv_[] = {name_, nullptr};
};

void later(int milliseconds, std::function<void()> work) {
    QTimer::singleShot(milliseconds, qApp, std::move(work));
}

// Every test gets a data folder of its own, and with it a lock and a socket of
// its own, so none reaches a Rollkeep that really runs, nor another test's.
class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() {
        OlderWindow::asked = NewerWindow::asked = OlderWindow::closes = NewerWindow::closes = 0;
        // A test that fails must not hang in the event loop.
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [] {
            ADD_FAILURE() << "the event loop did not end";
            QCoreApplication::quit();
        });
        deadline.start(10000);
    }
    ~ApplicationTest() override {
        OlderWindow::refuse = NewerWindow::refuse = false;
        for (Window* window : Window::OpenWindows())
            window->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The signal comes while a handler waits in a loop of its own; the
    // handler's window is still there to finish its work on, and closes once
    // the handler is done.
    void quitWhileAHandlerWaits(int signal, std::function<void()> wait) {
        bool handlerFinished = false;
        app.onOpen = [&] {
            Window::Instance<OlderWindow>();
            later(0, [&] {
                later(100, [signal] { ::raise(signal); });
                wait();
                EXPECT_NE(Window::Existing<OlderWindow>(), nullptr);
                EXPECT_EQ(OlderWindow::closes, 0);
                handlerFinished = true;
            });
        };
        EXPECT_EQ(app.Run(), 0);
        EXPECT_TRUE(handlerFinished);
        EXPECT_EQ(OlderWindow::closes, 1);
        EXPECT_TRUE(Window::OpenWindows().empty());
    }

    QTimer deadline;
    TempDataFolder data;
    TestApplication app;
};

}  // namespace

TEST_F(ApplicationTest, AWindowThatRefusesStopsTheQuitAndTheProgramRunsOn) {
    bool stillRunningAfterRefusal = false;
    app.onOpen = [&] {
        Window::Instance<OlderWindow>();
        Window::Instance<NewerWindow>();
        NewerWindow::refuse = true;
        later(0, [] { ::raise(SIGHUP); });
        later(200, [&] {
            stillRunningAfterRefusal = true;
            // The newest window is asked first; the older one never was.
            EXPECT_EQ(NewerWindow::asked, 1);
            EXPECT_EQ(OlderWindow::asked, 0);
            EXPECT_EQ(Window::OpenWindows().size(), 2u);
            NewerWindow::refuse = false;
            ::raise(SIGTERM);
        });
    };
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(stillRunningAfterRefusal);
    EXPECT_EQ(OlderWindow::closes + NewerWindow::closes, 2);
}

TEST_F(ApplicationTest, AQuitDuringAModalQuestionWaitsForTheHandlerThatAsked) {
    auto scripted = SetDialogDriver(std::make_unique<QtDialogDriver>());
    quitWhileAHandlerWaits(SIGINT, [] {
        MessageDialog question;
        question.Message = "Send it?";
        question.CancelVisible = true;
        EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Cancel);
    });
    SetDialogDriver(std::move(scripted));
}

// Nothing ends this loop but the quit itself, which waits a few seconds for
// it and then ends every loop.
TEST_F(ApplicationTest, ASignalEndsEvenALoopThatNothingElseEnds) {
    quitWhileAHandlerWaits(SIGTERM, [] {
        QEventLoop().exec();
        EXPECT_TRUE(Application::QuitIsUnattended());
    });
}

TEST_F(ApplicationTest, ASecondStartHandsOverToTheRunningCopy) {
    QProcess secondStart;
    app.onOpen = [&] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        secondStart.setProcessEnvironment(environment);
        secondStart.start(SECOND_START_PROGRAM);
    };
    int activations = 0;
    app.onActivate = [&] {
        ++activations;
        app.Quit();
    };

    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(activations, 1);
    // A process that already ended makes waitForFinished answer false.
    if (secondStart.state() != QProcess::NotRunning) {
        ASSERT_TRUE(secondStart.waitForFinished(10000));
    }
    ASSERT_EQ(secondStart.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(secondStart.exitCode(), 0) << secondStart.readAllStandardError().toStdString();
    EXPECT_TRUE(secondStart.readAllStandardOutput().contains(
        "Rollkeep is already running; its window is brought up."));
}

TEST_F(ApplicationTest, ASocketLeftByACrashedCopyDoesNotBlockTheStart) {
    // A socket file nobody listens on, as a crash leaves it.
    const std::string path = SingleInstance::SocketPath(data.dataFolder()).string();
    sockaddr_un address = {.sun_family = AF_UNIX, .sun_path = {}};
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(stale);

    bool answered = false;
    app.onOpen = [&] {
        later(0, [&] {
            QLocalSocket caller;
            caller.connectToServer(QString::fromStdString(path));
            answered = caller.waitForConnected(1000);
            app.Quit();
        });
    };
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(answered) << "it listens in the crashed copy's place";
}

// The message window and standard error tell the same: first the reason in
// the system's words, then the folder the program needs and how.
TEST_F(ApplicationTest, AStartThatCantLockTheRollSaysWhyAndWhatToDoInAMessage) {
    const FolderItem folder = data.dataFolder();
    const std::string lock = folder.Child(SingleInstance::kLockFileName).Path().string();
    const std::pair<std::function<void()>, int> spoil[] = {
        {[&] { ASSERT_TRUE(folder.Child(SingleInstance::kLockFileName).CreateAsFolder()); },
         EISDIR},
        {[&] { std::ofstream(folder.Path()) << "not a folder"; }, ENOTDIR},
    };
    for (const auto& [makeUnusable, error] : spoil) {
        std::filesystem::remove_all(folder.Path());
        makeUnusable();
        ScriptedDialogs& dialogs = ScriptedDialogs::Install();
        bool opened = false;
        app.onOpen = [&] { opened = true; };
        testing::internal::CaptureStderr();
        EXPECT_EQ(app.Run(), 1);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(opened);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const std::string message = dialogs.messages()[0];
        EXPECT_EQ(said, message + "\n");
        EXPECT_TRUE(message.starts_with("Rollkeep can't start: it can't lock \"" + lock + "\" (" +
                                        SystemErrorText(error) + "). "))
            << message;
        EXPECT_NE(message.find(" folder \"" + folder.Path().string() + "\". "), std::string::npos)
            << message;
    }
}

TEST(ApplicationStartTest, AQuitSignalEndsAStartUpThatWaitsOnAReadWithStatusZero) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A start-up of its own, touching nothing of this test process.
        ::close_range(3, ~0U, 0);
        Application::CatchQuitSignalsFromStart();
        ::raise(SIGTERM);
        // A read that never returns, as from a pipe at the roll's place.
        int pipe[2];
        char byte;
        if (::pipe(pipe) == 0) [[maybe_unused]]
            const ssize_t read = ::read(pipe[0], &byte, 1);
        ::_exit(3);
    }
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0; waited < 100 && (ended = ::waitpid(child, &status, WNOHANG)) == 0;
         ++waited)
        QThread::msleep(50);
    if (ended != child) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "a quit signal did not end a start-up that waits on a read";
    }
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

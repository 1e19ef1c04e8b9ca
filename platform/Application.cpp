#include "platform/Application.h"

#include "platform/Dialogs.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"
#include "platform/Window.h"

#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

Application* current = nullptr;

// How long a quit signal during start-up may wait for the event loop before
// it ends the process without it: a read that blocks (a pipe at the roll's
// place, a hung network folder) keeps the loop from ever taking it up.
constexpr unsigned kStartUpQuitSeconds = 1;

// The signal handler may only write a byte; the event loop reads it and quits
// the program the way the user would.
int signalSockets[2] = {-1, -1};

// Set from the start of main until the program holds something a quit must
// save: until then ending at once loses nothing.
volatile std::sig_atomic_t nothingToLose = 0;

extern "C" void onQuitSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    if (nothingToLose)
        ::alarm(kStartUpQuitSeconds);
    errno = savedErrno;
}

extern "C" void onQuitNotTakenUp(int) {
    if (nothingToLose)
        ::_exit(0);
}

// Takes every byte the signal handler has written so far.
void takeSignalBytes() {
    char bytes[16];
    while (signalSockets[1] >= 0 && ::read(signalSockets[1], bytes, sizeof bytes) > 0) {
    }
}

void handle(int signal, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

// Caught once for the whole life of the process and never given back to the
// default, which would end the program half-way: a signal before the event
// loop runs waits in the socket, and one during or after a quit is absorbed.
bool catchQuitSignals() {
    static const bool caught = [] {
        const bool paired = ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0,
                                         signalSockets) == 0;
        if (!paired)
            std::perror("Rollkeep: no socket pair for signals");
        sigset_t quitSet;
        sigemptyset(&quitSet);
        for (const int signal : kQuitSignals) {
            if (paired)
                handle(signal, onQuitSignal);
            sigaddset(&quitSet, signal);
        }
        // Our launcher held them back while the toolkit loaded; one sent
        // meanwhile arrives now, into the socket. Let go of them even without
        // the socket, or neither the program nor anything it starts (the mail
        // program) could ever be ended by them.
        pthread_sigmask(SIG_UNBLOCK, &quitSet, nullptr);
        return paired;
    }();
    return caught;
}

// How often a quit that waits for a modal loop to end looks again, and how
// long a quit nobody can answer waits at most before it ends every loop.
constexpr int kQuitRetryMilliseconds = 50;
constexpr qint64 kLongestUnattendedWaitMilliseconds = 3000;

// A second start asks for the program's windows: every one that is up comes
// to the front, the newest on top and active.
void bringWindowsForward() {
    for (Window* window : Window::OpenWindows())
        if (window->Visible())
            window->Show();
}

// A start that can't go on says why and what to do, in one text on standard
// error and, when a person sees the screen, in a message window too: started
// from the desktop, the error output goes nowhere anyone reads.
void refuseStart(const std::string& reason, const std::string& remedy) {
    const std::string text = "Rollkeep can't start: " + reason + ". " + remedy;
    std::fprintf(stderr, "%s\n", text.c_str());
    if (CurrentDialogDriver().canBeSeen())
        MsgBox(text);
}

}  // namespace

struct Application::Private {
    std::unique_ptr<QApplication> ownApplication;
    std::unique_ptr<QObject> context;
    FolderItem dataFolder;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<QSocketNotifier> signalNotifier;
    bool quitting = false;
    QTimer quitRetry;
    // Runs while a quit nobody can answer runs or waits to run.
    QElapsedTimer unattendedWait;
    // The quit ended every event loop, so it closes the windows once Run's
    // loop has returned.
    bool loopsEnded = false;
    // Run() got past the checks that may refuse the start.
    bool opened = false;
    MenuBar* menuBar = nullptr;

    void quit(bool unattendedQuit);
    // A quit asked for inside a modal loop waits until the handler that
    // opened it is done; meanwhile it ends what it can of the loop.
    void waitForModalLoops();
    void becomeUnattended();
    bool unattended() const { return unattendedWait.isValid(); }
    void endQuit();
    void listenForQuitSignals();
    void stopListeningForQuitSignals();
};

void Application::Private::listenForQuitSignals() {
    if (!catchQuitSignals())
        return;
    // A signal caught before now waits in the socket and is read at once.
    signalNotifier = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, context.get(), [this] {
        takeSignalBytes();
        if (nothingToLose)
            ::alarm(0);
        quit(true);
    });
}

void Application::Private::stopListeningForQuitSignals() {
    signalNotifier.reset();
    // Whatever came once the event loop was done is absorbed.
    takeSignalBytes();
}

void Application::CatchQuitSignalsFromStart() {
    nothingToLose = 1;
    handle(SIGALRM, onQuitNotTakenUp);
    catchQuitSignals();
}

void Application::StartUpLoaded() {
    nothingToLose = 0;
}

Application::Application(int& argc, char** argv) : d(std::make_unique<Private>()) {
    catchQuitSignals();
    if (!QApplication::instance())
        d->ownApplication = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Rollkeep"));
    d->dataFolder =
        SpecialFolder::ApplicationData().Child(QCoreApplication::applicationName().toStdString());
    // The program lives on with its main window closed, until it is quit.
    QApplication::setQuitOnLastWindowClosed(false);
    current = this;
    d->context = std::make_unique<QObject>();

    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, d->context.get(),
                     [this](Qt::ApplicationState state) {
                         // A message refusing the start activates us too,
                         // but there is no program to bring up.
                         if (state == Qt::ApplicationActive && d->opened)
                             Event_Activate();
                     });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, d->context.get(),
                     [this] { d->quit(true); });

    d->quitRetry.setSingleShot(true);
    d->quitRetry.setInterval(kQuitRetryMilliseconds);
    QObject::connect(&d->quitRetry, &QTimer::timeout, d->context.get(),
                     [this] { d->quit(d->unattended()); });

    d->listenForQuitSignals();
}

Application::~Application() {
    d->stopListeningForQuitSignals();
    d->instance.reset();
    d->context.reset();
    if (current == this)
        current = nullptr;
}

int Application::Run() {
    // One copy runs per data folder, whatever the environment it starts in.
    const FolderItem& dataFolder = d->dataFolder;
    d->instance = std::make_unique<SingleInstance>(dataFolder);
    const SingleInstance::State state = d->instance->Start();
    if (state == SingleInstance::State::Failed) {
        refuseStart("it " + d->instance->Problem(),
                    "Rollkeep keeps its data in the folder \"" + dataFolder.Path().string() +
                        "\". It must be a folder you can write to, on a disk with free space, "
                        "and \"" +
                        SingleInstance::kLockFileName +
                        "\" in it, if there, must be an ordinary file. Put that right and start "
                        "Rollkeep again.");
        return 1;
    }
    if (!d->instance->Problem().empty())
        std::fprintf(stderr, "Rollkeep: %s\n", d->instance->Problem().c_str());
    switch (state) {
        case SingleInstance::State::HandedOver:
            std::puts("Rollkeep is already running; its window is brought up.");
            std::fflush(stdout);
            return 0;
        case SingleInstance::State::Unreachable:
            refuseStart("its data folder \"" + dataFolder.Path().string() + "\" is in use by " +
                            d->instance->Holder() + ", which doesn't answer",
                        "Quit that copy of Rollkeep and start Rollkeep again.");
            return 1;
        case SingleInstance::State::Failed:
        case SingleInstance::State::Holder:
            break;
    }
    d->instance->Activated = [this] {
        Event_Activate();
        bringWindowsForward();
    };

    d->opened = true;
    Event_Open();
    const int status = QApplication::exec();
    if (d->loopsEnded) {
        d->loopsEnded = false;
        d->quit(true);
        // Windows closed now go now, as those closed inside the loop did.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return status;
}

void Application::Quit() {
    d->quit(false);
}

const FolderItem& Application::DataFolder() const {
    return d->dataFolder;
}

bool Application::IsUnattendedQuit() const {
    return d->unattended();
}

void Application::SetMenuBar(MenuBar& menuBar) {
    d->menuBar = &menuBar;
}

MenuBar* Application::ProgramMenuBar() const {
    return d->menuBar;
}

bool Application::QuitIsUnattended() {
    const Application* application = Current();
    return application && application->IsUnattendedQuit();
}

void Application::Private::quit(bool unattendedQuit) {
    // From now on every window knows that nobody answers: a question ended
    // below is taken as such a quit takes it, not as the user's "no".
    if (unattendedQuit)
        becomeUnattended();
    // Inside a modal loop, the handler that opened it still runs below it
    // and would find its window gone.
    if (QThread::currentThread()->loopLevel() > 1) {
        waitForModalLoops();
        return;
    }
    // A window asking whether to save may run an event loop, in which a
    // second signal must not start a second quit.
    if (quitting)
        return;
    quitting = true;
    // Newest first: a window opened from another goes before it, so one that
    // keeps the quit from happening (a question about unsaved changes,
    // answered so) leaves the windows it was opened from as they were.
    std::vector<Window*> windows = Window::OpenWindows();
    std::ranges::reverse(windows);
    for (Window* window : windows) {
        // Closing one window may already have closed another.
        const std::vector<Window*> stillOpen = Window::OpenWindows();
        if (std::ranges::find(stillOpen, window) == stillOpen.end())
            continue;
        if (!window->Close(true)) {
            endQuit();
            return;
        }
    }
    endQuit();
    QCoreApplication::quit();
}

void Application::Private::waitForModalLoops() {
    // Menus and drop-downs first: one may be open over a modal dialog.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        const std::vector<Window*> windows = Window::OpenWindows();
        const auto window = std::ranges::find(windows, modal, &Window::frame);
        // A dialog ends as if cancelled, even one that ignores a close
        // because none of its buttons means "cancel".
        if (window != windows.end())
            (*window)->Close(true);
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
    // Whatever still holds a loop that nothing closes, a quit nobody can
    // answer doesn't wait for it for ever: every loop ends, each handler
    // returns, and the windows close after the last.
    if (unattended() && unattendedWait.hasExpired(kLongestUnattendedWaitMilliseconds)) {
        loopsEnded = true;
        QCoreApplication::exit(0);
        return;
    }
    quitRetry.start();
}

void Application::Private::becomeUnattended() {
    if (!unattended())
        unattendedWait.start();
}

void Application::Private::endQuit() {
    quitting = false;
    unattendedWait.invalidate();
    quitRetry.stop();
}

FolderItem Application::ExecutableFile() {
    return FolderItem(QCoreApplication::applicationFilePath().toStdString());
}

FolderItem Application::ResourcesFolder() {
    // The executable lives in libexec/ (tests: bin/), and Resources/ is
    // beside it.
    return ExecutableFile().Parent().Parent().Child("Resources");
}

Application* Application::Current() {
    return current;
}

// The program as its main starts it, with one thing a user does played in
// once the main window is up, for tests that quit the real process while it
// is open. It prints "ready" when it is.
//   templatePrompt: Edit > Edit Emails..., a renewal text typed, and the
//                   editor's close button: the editor asks about saving.
//   findMembers:    the toolbar's Find Members drop-down opened.

#include "dues/EmailEditWindow.h"
#include "roll/App.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// Calls work once ready() holds, looking again every few milliseconds.
void once(std::function<bool()> ready, std::function<void()> work) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, work] {
        if (!ready())
            return;
        poll->deleteLater();
        poll->stop();
        work();
    });
    poll->start(20);
}

// Tells the test once the step's modal state is up; the step itself then
// waits in its loop.
void reportWhen(std::function<bool()> up) {
    once(std::move(up), [] {
        std::puts("ready");
        std::fflush(stdout);
    });
}

void templatePrompt(mainWindow& main) {
    main.frame()->menuBar()->findChild<QAction*>("EmailNotification")->trigger();
    EmailEditWindow& editor = EmailEditWindow::instance();
    QTest::keyClicks(editor.membDueFld.textEdit(), "Renew by June.");
    reportWhen([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); });
    editor.frame()->close();
}

void findMembers(mainWindow& main) {
    // A click brings its window to the front first.
    main.frame()->activateWindow();
    once([&main] { return QApplication::activeWindow() == main.frame(); },
         [&main] {
             reportWhen([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); });
             main.frame()->findChild<QToolButton*>("FindMenu")->showMenu();
         });
}

}  // namespace

int main(int argc, char** argv) {
    Application::CatchQuitSignalsFromStart();
    App app(argc, argv);
    const std::string step = argc > 1 ? argv[1] : "";
    once([] { return mainWindow::existing() && !Globals::gAppOpening; },
         [step] {
             mainWindow& main = *mainWindow::existing();
             if (step == "templatePrompt")
                 templatePrompt(main);
             else if (step == "findMembers")
                 findMembers(main);
         });
    return app.Run();
}

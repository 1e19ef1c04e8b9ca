#pragma once

#include "platform/Files.h"

#include <memory>

class MenuBar;
class QApplication;

// The application object: makes the toolkit's application, starts the program
// through Event_Open and runs the event loop.
class Application {
public:
    Application(int& argc, char** argv);
    virtual ~Application();

    // Hands over to a copy of the program that already runs on the same data
    // folder (which takes it as an activation) and returns 0, or returns 1
    // when that copy doesn't answer; otherwise keeps the data folder to this
    // process, runs Event_Open and the event loop until the program quits.
    int Run();

    // The program's data folder: the folder named like the program in the
    // user's application-data folder, worked out once, as the application is
    // made. Run keeps it to this process, and the program keeps its files in
    // it, so the lock always guards the folder written.
    const FolderItem& DataFolder() const;

    // Closes every window as a quit does, newest first (each may refuse,
    // which stops the quit), then ends the event loop. SIGTERM, SIGINT and the end of the
    // desktop session quit the same way, but unattended.
    //
    // Asked for while a handler waits in a modal loop (a question, a modal
    // window, a drop-down menu), the quit ends that loop as if cancelled and
    // closes the windows once the handler is done. An unattended quit waits
    // a few seconds at most: then it ends every loop, whatever holds it.
    void Quit();

    // True while a quit that nobody is there to answer runs or waits to run:
    // one started by a signal or by the end of the desktop session. Windows
    // then close without asking, a question it ended was answered by nobody,
    // and whatever can't be saved is told on standard error.
    bool IsUnattendedQuit() const;
    // The same for the running program; false when none runs.
    static bool QuitIsUnattended();

    // The application's menu bar. Its keys work in every window of the
    // program, also in those that don't show it; each command acts in the
    // window it was given in (see MenuBar). Set before the first window
    // opens; the bar must outlive the application.
    void SetMenuBar(MenuBar& menuBar);
    MenuBar* ProgramMenuBar() const;

    // The running program's executable file.
    static FolderItem ExecutableFile();
    // The folder of the program's own files (the mail script, the pictures):
    // "Resources" beside the folder of the executable, found again on every
    // call.
    static FolderItem ResourcesFolder();
    static Application* Current();

    // The program's main calls this before anything else: quit signals are
    // caught from then on, for the life of the process, and one that comes
    // before the event loop runs is carried out once it does. Until
    // StartUpLoaded() there is nothing a quit could lose, so a quit signal
    // that the event loop can't take up (a read that blocks) ends the
    // process after a second, with status 0.
    static void CatchQuitSignalsFromStart();
    // The program now holds what a quit must save: from here on only the
    // event loop carries out a quit signal.
    static void StartUpLoaded();

protected:
    virtual void Event_Open() {}
    // The program became the active application, or was started again.
    virtual void Event_Activate() {}
    // The menus' enabled states are being brought up to date; runs after
    // the automatic enabling, before a menu opens or a shortcut is taken.
    virtual void Event_EnableMenuItems() {}

private:
    // The menus raise Event_EnableMenuItems before they open.
    friend class MenuBar;

    struct Private;
    std::unique_ptr<Private> d;
};

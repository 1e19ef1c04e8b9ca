#pragma once

#include "platform/Files.h"

#include <memory>

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

    // Closes every window as a quit does, newest first (each may refuse,
    // which stops the quit), then ends the event loop. SIGTERM, SIGINT and the end of the
    // desktop session quit the same way, but unattended.
    void Quit();

    // True while a quit runs that nobody is there to answer: one started by a
    // signal or by the end of the desktop session. Windows then close without
    // asking, and whatever they can't save is told on standard error.
    bool IsUnattendedQuit() const;
    // The same for the running program; false when none runs.
    static bool QuitIsUnattended();

    // The running program's executable file.
    static FolderItem ExecutableFile();
    // The folder of the program's own files (the mail script, the pictures):
    // "Resources" beside the folder of the executable, found again on every
    // call.
    static FolderItem ResourcesFolder();
    static Application* Current();

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

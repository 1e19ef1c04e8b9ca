#pragma once

#include "platform/Files.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

// One copy of the program per data folder. The copy that starts first locks
// the folder for as long as it runs, so no two processes ever write the files
// in it, and listens on a local socket named after the folder; a later start
// asks it through that socket to bring its window up.
//
// The lock is the system's lock on an open file: it goes with the process
// however the process ends, so a crash leaves nothing that blocks the next
// start. The socket lives in the user's private runtime folder
// (XDG_RUNTIME_DIR, or a folder of our own under the temporary folder), never
// in one that other users can write.
class SingleInstance {
public:
    enum class State {
        // This process holds the folder and serves later starts.
        Holder,
        // Another process holds the folder and was asked to come forward.
        HandedOver,
        // Another process holds the folder but doesn't answer.
        Unreachable,
        // The folder could be locked by nobody (see Problem()).
        Failed,
    };

    explicit SingleInstance(FolderItem dataFolder);
    // Stops serving, then lets go of the folder.
    ~SingleInstance();

    // Creates the folder when missing and takes the lock, or hands over to
    // the process that holds it. A holder that is still starting (or just
    // ending) is given a few seconds.
    State Start();

    // Runs on the event loop each time a later start asks for this copy.
    std::function<void()> Activated;

    // What went wrong, for Failed (worded to follow a subject: "can't lock
    // ..."); a note for a Holder that runs without the lock or without
    // serving later starts; empty otherwise.
    const std::string& Problem() const;
    // The process that holds the folder, as its lock file tells: for
    // Unreachable, e.g. "process 4242" or "process 4242 on host other".
    std::string Holder() const;

    // Where the socket for a data folder lives, whether or not anyone listens.
    static std::filesystem::path SocketPath(const FolderItem& dataFolder);
    // The name of the lock file inside the data folder.
    static constexpr const char* kLockFileName = "Rollkeep.lock";

private:
    struct Private;
    std::unique_ptr<Private> d;
};

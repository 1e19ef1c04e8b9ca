// What the user starts. Loading the toolkit takes the program a good many
// milliseconds before its first instruction runs, and a quit signal in that
// time (a logout just after the start) would kill it. This small program
// starts at once, holds the quit signals back and becomes the program in
// libexec/, which takes up any signal held back as soon as it runs.
// It keeps the process: the same number, arguments and environment.

#include "platform/QuitSignals.h"

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Where the program lies, seen from the folder of this launcher; named like
// it, so the process keeps the name that ps and the desktop show.
constexpr char kProgram[] = "/../libexec/rollkeep";

}  // namespace

int main(int, char** argv) {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : kQuitSignals)
        sigaddset(&held, signal);
    sigprocmask(SIG_BLOCK, &held, nullptr);

    char path[PATH_MAX + sizeof kProgram];
    const ssize_t length = ::readlink("/proc/self/exe", path, PATH_MAX);
    char* folderEnd = length > 0 ? static_cast<char*>(::memrchr(path, '/', length)) : nullptr;
    if (!folderEnd) {
        std::fputs("Rollkeep: can't find where it is installed\n", stderr);
        return 1;
    }
    std::memcpy(folderEnd, kProgram, sizeof kProgram);
    ::execv(path, argv);
    // The C library's words, as SystemErrorText gives them: the launcher
    // links nothing of the platform.
    std::fprintf(stderr, "Rollkeep: can't start %s: %s\n", path, std::strerror(errno));
    return 1;
}

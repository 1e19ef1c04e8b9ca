#pragma once

#include <csignal>

// The signals that ask the program to quit, the way File > Quit does but with
// nobody there to answer: kill's default, Ctrl+C in a terminal, and the end
// of the terminal or of the desktop session.
constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

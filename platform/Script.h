#pragma once

#include <string>
#include <vector>

class FolderItem;

// Runs an executable script with the arguments as an argument vector (never
// through a shell), waits for it to finish and returns what it printed on
// standard output. Empty when it could not be started.
std::string RunScript(const FolderItem& script, const std::vector<std::string>& arguments);

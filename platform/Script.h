#pragma once

#include <string>
#include <vector>

class FolderItem;

struct ScriptResult {
    // What the script printed on standard output.
    std::string output;
    // It ran to its end and said all went well (exit status 0).
    bool succeeded = false;
    // When it did not succeed: why, in a few words; the script's own output
    // says more when it printed any.
    std::string failure;
};

// Runs an executable script with the arguments as an argument vector (never
// through a shell) and waits for it to finish, but never longer than
// kScriptTimeLimitMs: a script that takes longer is stopped and counts as failed.
ScriptResult RunScript(const FolderItem& script, const std::vector<std::string>& arguments);

inline constexpr int kScriptTimeLimitMs = 10'000;

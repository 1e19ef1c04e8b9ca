#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>

class Listbox;

// State shared by the program's windows.
namespace Globals {

// The data folder, "Rollkeep" in the user's application-data folder.
inline FolderItem gProgramDataFolder;
// The list shows a filtered subset of the roll, so it must not be written
// over the member file.
inline bool gSearchOn = false;
// A new member is being entered in the record form.
inline bool gAddingMember = false;
// Start-up is in progress.
inline bool gAppOpening = false;

// Writes every row of the list to the file of that name in the data folder,
// replacing it: one line per row, each cell followed by "@@@". True when the
// file now holds the list. A write that fails is reported to the user and
// leaves the stored file as it was. A file is only written over once a load
// has read it whole (or found none): never during a load, before one, or in a
// session in which it could not be read; then nothing is written or shown.
bool saveListbox(Listbox& list, std::string_view fileName);

// Empties the list and fills it from the file of that name in the data folder
// (or, when that is missing, from the older name: the same less its first two
// characters), then shows the main window's row count.
void loadListBox(Listbox& list, std::string_view fileName);

// A stored roll that exists but could not be read in this session: the file
// that was tried and the system's reason. It is never written over while the
// program runs.
struct RollReadFailure {
    FolderItem file;
    std::string reason;
};
std::optional<RollReadFailure> rollReadFailure(std::string_view fileName);

// Forgets which rolls were read, as a new session would; for tests.
void forgetLoadedRolls();

}  // namespace Globals

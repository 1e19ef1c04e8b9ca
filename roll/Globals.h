#pragma once

#include "platform/Files.h"

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
// replacing it: one line per row, each cell followed by "@@@".
void saveListbox(Listbox& list, std::string_view fileName);

// Empties the list and fills it from the file of that name in the data folder
// (or, when that is missing, from the older name: the same less its first two
// characters), then shows the main window's row count.
void loadListBox(Listbox& list, std::string_view fileName);

}  // namespace Globals

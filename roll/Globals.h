#pragma once

#include "core/Roll.h"

#include <functional>
#include <string_view>

class Listbox;

// The module of shared state: the globals themselves live with the roll in
// core/Roll.h; here are the routines that store and load a list.
namespace Globals {

// Writes every row of the list to the file of that name in the data folder,
// replacing it: one line per row, each cell followed by "@@@". True when the
// file now holds the list. A write that fails is reported to the user and
// leaves the stored file as it was. A file is only written over once a load
// has read it whole (or found none): never during a load, before one, or in a
// session in which it could not be read; then nothing is written, and that is
// reported as a failed write is.
bool saveListbox(Listbox& list, std::string_view fileName);

// The member list saved to the member file as every path that stores the
// roll does it: not at all while it shows a filtered subset (then true, as
// there is nothing to save), else as saveListbox.
bool saveRoll(Listbox& list);

// Whether every save of the roll is refused now, as in a session whose member
// file could not be read; that is then told as saveRoll tells it, so a command
// can stop before it uses anything up for a change that can't be stored.
bool rollSavesRefused();

// Empties the list and fills it from the file of that name in the data folder
// (or, when that is missing, from the older name: the same less its first two
// characters), then shows the row count through gRollLoaded.
void loadListBox(Listbox& list, std::string_view fileName);

// Called after every load: the main window sets its member count here for as
// long as it exists.
inline std::function<void()> gRollLoaded;

}  // namespace Globals

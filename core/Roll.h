#pragma once

#include "core/MemberFile.h"
#include "platform/Files.h"

#include <string_view>

class RowTable;

// State shared by the program's windows.
namespace Globals {

// The data folder, "Rollkeep" in the user's application-data folder: the
// folder the application locks, handed over as the program starts.
inline FolderItem gProgramDataFolder;
// The list shows a filtered subset of the roll, so it must not be written
// over the member file.
inline bool gSearchOn = false;
// A new member is being entered in the record form.
inline bool gAddingMember = false;
// Start-up is in progress.
inline bool gAppOpening = false;

}  // namespace Globals

// The roll in the data folder's member file.
namespace Roll {

inline constexpr std::string_view kFileName = "rkMemberList";

// Every path that stores the roll comes here: while the list shows a filtered
// subset it is not the roll, and the file is left alone.
MemberFile::SaveResult SaveUnlessFiltered(const RowTable& rows);

}  // namespace Roll

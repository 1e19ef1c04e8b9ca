#include "roll/Globals.h"

#include "platform/Dialogs.h"
#include "platform/Listbox.h"
#include "platform/RowTable.h"

namespace {

// A refusal is told as a failed write is: either way the roll in the window
// is not in the file.
bool reported(const MemberFile::SaveResult& result) {
    using Outcome = MemberFile::SaveResult::Outcome;
    switch (result.outcome) {
        case Outcome::Written:
        case Outcome::Filtered:
            return true;
        case Outcome::Refused:
        case Outcome::Failed:
            ReportWriteFailure(result.file, result.reason);
            return false;
    }
    return false;
}

}  // namespace

namespace Globals {

bool saveListbox(Listbox& list, std::string_view fileName) {
    if (!gProgramDataFolder.IsValid())
        return false;
    return reported(MemberFile::Save(list.Rows(), gProgramDataFolder, fileName));
}

bool saveRoll(Listbox& list) {
    if (!gSearchOn && !gProgramDataFolder.IsValid())
        return false;
    return reported(Roll::SaveUnlessFiltered(list.Rows()));
}

bool rollSavesRefused() {
    if (!gProgramDataFolder.IsValid())
        return false;
    const auto refusal = MemberFile::WhyRefused(gProgramDataFolder, Roll::kFileName);
    if (refusal)
        ReportWriteFailure(gProgramDataFolder.Child(Roll::kFileName), *refusal);
    return refusal.has_value();
}

void loadListBox(Listbox& list, std::string_view fileName) {
    // The list's own way of emptying, so its selection goes too.
    list.DeleteAllRows();
    MemberFile::Load(list.Rows(), gProgramDataFolder, fileName);
    if (gRollLoaded)
        gRollLoaded();
}

}  // namespace Globals

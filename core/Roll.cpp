#include "core/Roll.h"

namespace Roll {

MemberFile::SaveResult SaveUnlessFiltered(const RowTable& rows) {
    if (Globals::gSearchOn) {
        MemberFile::SaveResult skipped;
        skipped.outcome = MemberFile::SaveResult::Outcome::Filtered;
        skipped.file = Globals::gProgramDataFolder.Child(kFileName);
        return skipped;
    }
    return MemberFile::Save(rows, Globals::gProgramDataFolder, kFileName);
}

}  // namespace Roll

#include "core/MemberNumber.h"

#include "core/MemberFile.h"
#include "platform/Streams.h"
#include "platform/Text.h"

#include <cmath>

namespace MemberNumber {

std::string After(std::string_view stored) {
    const double next = std::trunc(Val(stored) + 1);
    // A number too large for whole digits gives no proposal rather than garbage.
    if (!std::isfinite(next) || std::fabs(next) > 9e15)
        return {};
    return Str(static_cast<long long>(next));
}

Proposal Next(const FolderItem& folder) {
    const FolderItem file = folder.Child(kFileName);
    if (!file.Exists())
        return {std::string(kFirst)};
    const FileText stored = ReadWholeFile(file, MemberFile::kLargestFile);
    if (!stored.failure.empty())
        return {{}, false};
    return {After(stored.text)};
}

std::optional<std::string> Store(const FolderItem& folder, std::string_view number) {
    return WriteTextFile(folder.Child(kFileName), number);
}

}  // namespace MemberNumber

#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>

// Member numbers: the file "LastMemberNumber" in the data folder holds the
// number given to the last new member, as typed, with no line end.
namespace MemberNumber {

inline constexpr std::string_view kFileName = "LastMemberNumber";
// The proposal when no number was ever stored.
inline constexpr std::string_view kFirst = "6000001";

// The number after a stored text: the number it begins with, plus one, cut
// to a whole number; empty for a number too large for whole digits.
std::string After(std::string_view stored);

struct Proposal {
    std::string number;
    // False when the file exists but could not be read as text; the number
    // is then empty.
    bool readable = true;
};

// The number to propose for the next new member.
Proposal Next(const FolderItem& folder);

// Stores the number given to a new member, replacing the file whole or not at
// all. Nothing when it is stored, else the system's reason why not.
std::optional<std::string> Store(const FolderItem& folder, std::string_view number);

}  // namespace MemberNumber

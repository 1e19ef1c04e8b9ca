#pragma once

#include "platform/Files.h"

#include <chrono>
#include <cstdint>
#include <string>

// The bytes of a realistic member file of `members` rows: names of varied
// length, some not ASCII, ISO dates, the four types, both statuses, notes of
// several lines stored with "###", and some empty cells.
std::string GenerateRoll(int members, uint32_t seed = 1);

// Stores a generated roll of `members` rows as the member file ("rkMemberList")
// in the folder; the file's size.
size_t StoreGeneratedRoll(const FolderItem& folder, int members);

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

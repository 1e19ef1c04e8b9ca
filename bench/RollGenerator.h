#pragma once

#include <cstdint>
#include <string>

// The bytes of a realistic member file of `members` rows: names of varied
// length, some not ASCII, ISO dates, the four types, both statuses, notes of
// several lines stored with "###", and some empty cells.
std::string GenerateRoll(int members, uint32_t seed = 1);

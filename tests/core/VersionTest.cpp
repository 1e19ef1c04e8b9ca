// Reading the maker's version text and deciding whether it names a newer
// release than ours.

#include "core/Version.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

TEST(Version, ComparedWithOurOwn) {
    // Line 2 of the text, the number it stands for, newer than ours or not.
    // Padding counts characters, not bytes; a "\r" left by a server writing
    // "\r\n" doesn't stop the number.
    const std::vector<std::tuple<std::string_view, double, bool>> rows = {
        {"1.0.1", 101, true},   {"1.1", 110, true},      {"2", 200, true},
        {"1.0.10", 1010, true}, {"1.0", 100, false},     {"1", 100, false},
        {"10", 100, false},     {"0.9.9", 99, false},    {"", 0, false},
        {"ver1.1", 0, false},   {"1.1 beta", 11, false}, {Product::kVersion, 100, false},
        {"1.é", 1, false},      {"1.0.1\r", 101, true}};
    for (const auto& [line2, value, newer] : rows) {
        SCOPED_TRACE(line2);
        EXPECT_DOUBLE_EQ(VersionValue(line2), value);
        EXPECT_EQ(IsNewerVersion(line2), newer);
    }
}

TEST(Version, ReadsNameVersionAndNotes) {
    // The text, then the name, version and notes read from it.
    const std::vector<std::array<const char*, 4>> rows = {
        {"Rollkeep\n1.0.1\nFaster start\nNew icons", "Rollkeep", "1.0.1",
         "Faster start\nNew icons\n"},
        {"Rollkeep\n1.0.1", "Rollkeep", "1.0.1", ""},
        {"Rollkeep\n1.0.1\n", "Rollkeep", "1.0.1", "\n"},
        // Notes are kept as sent, markup and blank lines included.
        {"R\n2\n<b>x</b>\n\n  y\n", "R", "2", "<b>x</b>\n\n  y\n\n"},
        {"", "", "", ""},
        {"Rollkeep", "Rollkeep", "", ""},
        {"Rollkeep\r\n1.0.1\r\nfix\r\n", "Rollkeep\r", "1.0.1\r", "fix\r\n\n"},
    };
    for (const auto& [text, name, version, notes] : rows) {
        SCOPED_TRACE(text);
        const VersionText read = ReadVersionText(text);
        EXPECT_EQ(read.name, name);
        EXPECT_EQ(read.version, version);
        EXPECT_EQ(read.notes, notes);
    }
}

}  // namespace

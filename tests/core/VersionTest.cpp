// Deciding whether the maker's version text names a newer release than ours.

#include "core/Version.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(Version, ComparedWithOurOwn) {
    // Line 2 of the text, the number it stands for, newer than ours or not.
    // Padding counts characters, not bytes; a "\r" left by a server writing
    // "\r\n" doesn't stop the number.
    const struct {
        std::string_view line2;
        double value;
        bool newer;
    } cases[] = {
        {"1.0.1", 101, true},   {"1.1", 110, true},      {"2", 200, true},
        {"1.0.10", 1010, true}, {"1.0", 100, false},     {"1", 100, false},
        {"10", 100, false},     {"0.9.9", 99, false},    {"", 0, false},
        {"ver1.1", 0, false},   {"1.1 beta", 11, false}, {Product::kVersion, 100, false},
        {"1.é", 1, false},      {"1.0.1\r", 101, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line2);
        EXPECT_DOUBLE_EQ(VersionValue(c.line2), c.value);
        EXPECT_EQ(IsNewerVersion(c.line2), c.newer);
    }
}

TEST(Version, TextCutAtEitherLineEnd) {
    const struct {
        std::string_view text;
        VersionText read;
    } cases[] = {
        // CRLF and LF alike, mixed too; a CR anywhere else is text.
        {"Rollkeep\r\n1.1\r\nFaster\r\nSafer\r\n", {"Rollkeep", "1.1", "Faster\nSafer\n\n"}},
        {"Roll\rkeep\r\n1.1\nA\r\rB\r\n", {"Roll\rkeep", "1.1", "A\r\rB\n\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const VersionText read = ReadVersionText(c.text);
        EXPECT_EQ(read.name, c.read.name);
        EXPECT_EQ(read.version, c.read.version);
        EXPECT_EQ(read.notes, c.read.notes);
    }
}

}  // namespace

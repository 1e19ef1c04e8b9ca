// Reading the maker's version text and deciding whether it names a newer
// release than ours.

#include "core/Version.h"

#include <gtest/gtest.h>

namespace {

struct Announced {
    const char* line2;
    double value;
    bool newer;
};

void PrintTo(const Announced& row, std::ostream* out) {
    *out << '"' << row.line2 << '"';
}

class VersionComparison : public ::testing::TestWithParam<Announced> {};

TEST_P(VersionComparison, AgainstOurOwnVersion) {
    const Announced& row = GetParam();
    EXPECT_DOUBLE_EQ(VersionValue(row.line2), row.value) << '"' << row.line2 << '"';
    EXPECT_EQ(IsNewerVersion(row.line2), row.newer) << '"' << row.line2 << '"';
}

INSTANTIATE_TEST_SUITE_P(SecondLines, VersionComparison,
                         ::testing::Values(Announced{"1.0.1", 101, true},
                                           Announced{"1.1", 110, true}, Announced{"2", 200, true},
                                           Announced{"1.0.10", 1010, true},
                                           Announced{"1.0", 100, false}, Announced{"1", 100, false},
                                           Announced{"10", 100, false},
                                           Announced{"0.9.9", 99, false}, Announced{"", 0, false},
                                           Announced{"ver1.1", 0, false},
                                           Announced{"1.1 beta", 11, false}));

TEST(VersionComparison, OwnVersionIsOneHundred) {
    EXPECT_DOUBLE_EQ(VersionValue(Product::kVersion), 100);
    EXPECT_FALSE(IsNewerVersion(Product::kVersion));
    // Two-character results are padded by characters, not bytes.
    EXPECT_DOUBLE_EQ(VersionValue("1.é"), 1);
}

TEST(ReadVersionText, NameVersionAndNoteLinesEachWithALineEnd) {
    const VersionText read = ReadVersionText("Rollkeep\n1.0.1\nFaster start\nNew icons");
    EXPECT_EQ(read.name, "Rollkeep");
    EXPECT_EQ(read.version, "1.0.1");
    EXPECT_EQ(read.notes, "Faster start\nNew icons\n");
}

TEST(ReadVersionText, WhatFollowsTheVersionDecidesTheNotes) {
    EXPECT_EQ(ReadVersionText("Rollkeep\n1.0.1").notes, "");
    EXPECT_EQ(ReadVersionText("Rollkeep\n1.0.1\n").notes, "\n");
    EXPECT_EQ(ReadVersionText("Rollkeep\n1.0.1\nOne\n").notes, "One\n\n");
    // Notes are kept as sent, markup and blank lines included.
    EXPECT_EQ(ReadVersionText("R\n2\n<b>x</b>\n\n  y").notes, "<b>x</b>\n\n  y\n");
}

TEST(ReadVersionText, EmptyAndShortTexts) {
    const VersionText empty = ReadVersionText("");
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.version, "");
    EXPECT_EQ(empty.notes, "");

    const VersionText noName = ReadVersionText("\n1.0.1\nnotes");
    EXPECT_EQ(noName.name, "");
    EXPECT_EQ(noName.version, "1.0.1");

    const VersionText nameOnly = ReadVersionText("Rollkeep");
    EXPECT_EQ(nameOnly.name, "Rollkeep");
    EXPECT_EQ(nameOnly.version, "");
}

TEST(ReadVersionText, ACarriageReturnStaysPartOfItsLine) {
    // The platform line end is "\n" alone; a server writing "\r\n" leaves a
    // "\r" at the end of each line, which makes "1.0.1\r" still read as 101.
    const VersionText read = ReadVersionText("Rollkeep\r\n1.0.1\r\nfix\r\n");
    EXPECT_EQ(read.name, "Rollkeep\r");
    EXPECT_EQ(read.version, "1.0.1\r");
    EXPECT_TRUE(IsNewerVersion(read.version));
}

}  // namespace

// Which field of an import line goes into which cell, and where a file's
// lines end.

#include "core/MemberImport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Lines = std::vector<std::string>;

MappingTexts defaults() {
    MappingTexts texts;
    for (int row = 0; row < kImportMappingCount; ++row)
        texts[row] = std::to_string(row + 1);
    return texts;
}

Lines allLines(std::string_view text) {
    Lines lines;
    ImportLines reader(text);
    do {
        lines.emplace_back(reader.ReadLine());
    } while (!reader.AtEnd());
    return lines;
}

TEST(ImportedMember, EachMappingTextNamesAFieldOrNone) {
    const std::string line = "Brown,\"Smith, Jones\",6000001,a@b.org,5";
    MappingTexts texts = defaults();
    texts[0] = "2.9";   // Last Name: field 2
    texts[1] = "3 go";  // First Name: field 3
    texts[2] = "-1";
    texts[3] = "letters";
    texts[4] = "";
    texts[5] = "20";
    texts[6] = "1e300";
    texts[10] = "1";  // Company: field 1, taken twice
    const MemberCells cells = ImportedMember(line, texts);
    EXPECT_EQ(cells, (MemberCells{"\"Smith", " Jones\"", "", "", "", "", "", "", "", "", "", "",
                                  "Brown", "", "", "", "", ""}));

    // The rows follow the screen: Company, Date Joined, Fees Due Date, Type.
    const MemberCells byDefault = ImportedMember("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", defaults());
    EXPECT_EQ(byDefault, (MemberCells{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "14",
                                      "11", "", "13", "", "", ""}));
}

TEST(ImportLines, AnyLineEndEndsALineAndTheFirstLineIsAlwaysRead) {
    EXPECT_EQ(allLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(allLines("a\r\rb\n\r"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(allLines(""), (Lines{""}));
    EXPECT_EQ(allLines("a\n\n"), (Lines{"a", ""}));
    // Only a byte-order mark at the very start is dropped.
    EXPECT_EQ(allLines("\xEF\xBB\xBF"), (Lines{""}));
    EXPECT_EQ(allLines("a\n\xEF\xBB\xBF"
                       "b"),
              (Lines{"a",
                     "\xEF\xBB\xBF"
                     "b"}));
}

}  // namespace

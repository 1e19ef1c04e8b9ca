// Which field of an import line goes into which cell, and where a file's
// lines end.

#include "core/MemberImport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MemberImport, EachMappingTextNamesAFieldOrNone) {
    MappingTexts texts;
    for (int row = 0; row < kImportMappingCount; ++row)
        texts[row] = std::to_string(row + 1);
    texts[0] = "2.9";   // Last Name: field 2
    texts[1] = "3 go";  // First Name: field 3
    // No field at all.
    texts[2] = "-1";
    texts[3] = "letters";
    texts[4] = "";
    texts[5] = "20";
    texts[6] = "1e300";
    texts[10] = "1";  // Company: field 1, taken twice
    // Quotes don't protect a comma.
    EXPECT_EQ(ImportedMember("Brown,\"Smith, Jones\",6000001,a@b.org,5", texts),
              (MemberCells{"\"Smith", " Jones\"", "", "", "", "", "", "", "", "", "", "", "Brown",
                           "", "", "", "", ""}));
}

TEST(MemberImport, AnyLineEndEndsALineAndOnlyALeadingByteOrderMarkIsDropped) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\nb\r\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\rb\n\r", {"a", "", "b", ""}},
        {"", {""}},
        {"\xEF\xBB\xBF", {""}},
        {"a\n\xEF\xBB\xBFZ", {"a", "\xEF\xBB\xBFZ"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        ImportLines reader(c.text);
        do
            lines.emplace_back(reader.ReadLine());
        while (!reader.AtEnd());
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.text);
    }
}

}  // namespace

// Which field of an import line goes into which cell, and where a file's
// lines end.

#include "core/MemberImport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MemberImport, EachMappingTextNamesAFieldOrNone) {
    // Last name: field 2; first name: field 3; company: field 1;
    // then texts that name no field at all.
    const MappingTexts texts{"2.9", "3 go", "-1", "letters", "", "20", "1e300", "", "", "", "1"};
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

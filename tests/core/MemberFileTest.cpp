// The member file read and written without any window: what lines become
// which rows, and that what a save writes a load reads back.

#include "core/Column.h"
#include "core/MemberFile.h"
#include "platform/RowTable.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The cells of every row, empty cells at the end dropped.
Rows rowsOf(const RowTable& table) {
    Rows rows;
    for (int row = 0; row < table.RowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < table.ColumnCount(); ++column)
            cells.emplace_back(table.Cell(row, column));
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        rows.push_back(cells);
    }
    return rows;
}

Rows parsed(std::string_view text) {
    RowTable rows(kColumnCount);
    MemberFile::ParseRows(rows, text);
    return rowsOf(rows);
}

TEST(MemberFile, LinesBecomeRows) {
    std::vector<std::string> pastTheLast(17);
    pastTheLast.push_back("R");
    const struct {
        const char* name;
        std::string text;
        Rows expected;
    } cases[] = {
        {"empty file", "", {}},
        {"quotes are plain text", "\"Smith, Jr.\"@@@'Ann'@@@\n", {{"\"Smith, Jr.\"", "'Ann'"}}},
        {"any line end, blank lines skipped", "A@@@\r\n\r\n\rB@@@\rC\n\n", {{"A"}, {"B"}, {"C"}}},
        {"blanks are not a blank line", "   \n", {{"   "}}},
        {"a byte-order mark is kept", "\xEF\xBB\xBF@@@x\n", {{"\xEF\xBB\xBF", "x"}}},
        {"the line-end marker stays as stored", "Note@@@one###two@@@\n", {{"Note", "one###two"}}},
        {"fields past the last column ignored",
         std::string(17 * 3, '@') + "R@@@S@@@\n",
         {pastTheLast}},
        {"the first separator ends a cell", "a@b@@@@@c", {{"a@b", "@@c"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.text), c.expected) << c.name;

    // A separator or line end anywhere, also across the blocks the reader
    // looks at, and a "@@" that is no separator.
    for (size_t at = 0; at < 140; ++at) {
        const std::string lead(at, 'a');
        ASSERT_EQ(parsed(lead + "@@x@@@b\r\nc"), (Rows{{lead + "@@x", "b"}, {"c"}})) << at;
    }
}

TEST(MemberFile, WhatASaveWritesALoadReadsBack) {
    MemberFile::ForgetReads();
    const TempDataFolder data;
    data.write("rkMemberList", "");
    RowTable rows(kColumnCount);
    ASSERT_EQ(MemberFile::Load(rows, data.dataFolder(), "rkMemberList").outcome,
              MemberFile::LoadResult::Outcome::Read);
    // One cell longer than a read takes at once.
    const std::string longCell = std::string(300'000, 'n') + "###end";
    const Rows written = {
        {"\xEF\xBB\xBFZed", "\"Ann, Jr.\""},
        {"Brown", longCell},
        {},
    };
    for (const auto& cells : written) {
        const std::vector<std::string_view> views(cells.begin(), cells.end());
        rows.AddRow(views);
    }
    ASSERT_EQ(MemberFile::Save(rows, data.dataFolder(), "rkMemberList").outcome,
              MemberFile::SaveResult::Outcome::Written);
    const std::string file = data.read("rkMemberList");

    rows.Clear();
    MemberFile::Load(rows, data.dataFolder(), "rkMemberList");
    EXPECT_EQ(rowsOf(rows), written);
    // Saved again unchanged, the file stays byte for byte the same.
    ASSERT_EQ(MemberFile::Save(rows, data.dataFolder(), "rkMemberList").outcome,
              MemberFile::SaveResult::Outcome::Written);
    EXPECT_EQ(data.read("rkMemberList"), file);
    MemberFile::ForgetReads();
}

}  // namespace

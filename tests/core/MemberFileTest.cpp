// The member file read and written without any window: what lines become
// which rows, what a save writes, and when a stored roll is left alone.

#include "core/Column.h"
#include "core/MemberFile.h"
#include "core/Roll.h"
#include "platform/RowTable.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Outcome = MemberFile::SaveResult::Outcome;
using Rows = std::vector<std::vector<std::string>>;

// The first cells of every row, empty cells after them dropped.
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

class MemberFileTest : public ::testing::Test {
protected:
    MemberFileTest() {
        MemberFile::ForgetReads();
        data.dataFolder().CreateAsFolder();
        Globals::gProgramDataFolder = data.dataFolder();
        Globals::gSearchOn = false;
    }
    ~MemberFileTest() override {
        MemberFile::ForgetReads();
        Globals::gProgramDataFolder = FolderItem();
    }

    MemberFile::LoadResult load(std::string_view name = "rkMemberList") {
        return MemberFile::Load(rows, data.dataFolder(), name);
    }

    TempDataFolder data;
    RowTable rows{kColumnCount};
};

TEST_F(MemberFileTest, LinesBecomeRows) {
    const struct {
        const char* name;
        std::string text;
        Rows expected;
    } cases[] = {
        {"empty file", "", {}},
        {"fields joined by one separator", "Smith@@@John", {{"Smith", "John"}}},
        {"blank lines skipped", "\n\nA@@@\n\r\n\rB@@@\n", {{"A"}, {"B"}}},
        {"blanks are not a blank line", "   \n", {{"   "}}},
        {"fields past the last column ignored",
         std::string(17 * 3, '@') + "R@@@S@@@T@@@\n",
         {{"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "R"}}},
        {"empty cells inside a line", "@@@@@@third@@@", {{"", "", "third"}}},
        {"the first separator ends a cell", "a@b@@@@@c", {{"a@b", "@@c"}}},
    };
    for (const auto& c : cases) {
        rows.Clear();
        MemberFile::ParseRows(rows, c.text);
        EXPECT_EQ(rowsOf(rows), c.expected) << c.name;
    }
}

// The rows as the file's rule makes them, the plain way: lines cut at each
// line end, empty ones skipped, fields at the first "@@@" from the left.
Rows plainlyParsed(std::string_view text) {
    Rows rows;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        std::vector<std::string> cells;
        for (size_t at = 0; cells.size() < 18;) {
            if (at > line.size()) {
                cells.emplace_back();
                continue;
            }
            size_t separator = line.find("@@@", at);
            if (separator == std::string_view::npos)
                separator = line.size();
            cells.emplace_back(line.substr(at, separator - at));
            at = separator + 3;
        }
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        rows.push_back(cells);
    }
    return rows;
}

TEST_F(MemberFileTest, AnyTextIsReadAsThePlainRuleReadsIt) {
    std::mt19937 random(3);
    const char alphabet[] = {'@', '@', '@', '@', 'a', 'b', '\n', '\r', ' '};
    for (int round = 0; round < 300; ++round) {
        std::string text(std::uniform_int_distribution<size_t>(0, 400)(random), ' ');
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<size_t>(0, sizeof alphabet - 1)(random)];
        rows.Clear();
        MemberFile::ParseRows(rows, text);
        ASSERT_EQ(rowsOf(rows), plainlyParsed(text)) << testing::PrintToString(text);
    }
}

// A row whose cells would break the file still makes one line of eighteen
// cells, and an all-empty row is a line of separators, not a blank line.
TEST_F(MemberFileTest, WriterKeepsTheLinesStructure) {
    data.write("rkMemberList", "");
    load();
    rows.AddRow("Brown");
    const std::vector<std::string_view> breaking = {"one\ntwo", "a@@@b", "ends with @", "@@@@@@",
                                                    "cr\rlf\r\nend"};
    rows.AddRow(breaking);
    rows.AddRow("");
    ASSERT_EQ(MemberFile::Save(rows, data.dataFolder(), "rkMemberList").outcome, Outcome::Written);
    const std::string file = data.read("rkMemberList");
    EXPECT_EQ(file.substr(0, file.find('\n') + 1), "Brown" + std::string(54, '@') + "\n");
    EXPECT_EQ(file.substr(file.size() - 56), "\n" + std::string(54, '@') + "\n");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3);

    load();
    ASSERT_EQ(rows.RowCount(), 3);
    EXPECT_EQ(rows.Cell(1, 0), "one###two");
    EXPECT_EQ(rows.Cell(1, 4), "cr###lf###end");
    for (int column : {1, 2, 3})
        EXPECT_EQ(rows.Cell(1, column).find("@@@"), std::string_view::npos) << column;
    EXPECT_EQ(rows.Cell(1, 2).substr(0, 11), "ends with @");
    EXPECT_EQ(rows.Cell(1, 5), "");
    EXPECT_EQ(rowsOf(rows)[2], std::vector<std::string>{});
}

TEST_F(MemberFileTest, OlderNameIsReadAndNeverWritten) {
    data.write("MemberList", "Old@@@Timer@@@\n");
    const auto loaded = load();
    EXPECT_EQ(loaded.file.Name(), "MemberList");
    EXPECT_EQ(rowsOf(rows), (Rows{{"Old", "Timer"}}));
    ASSERT_EQ(Roll::SaveUnlessFiltered(rows).outcome, Outcome::Written);
    EXPECT_EQ(data.read("MemberList"), "Old@@@Timer@@@\n");
    data.write("rkMemberList", "New@@@\n");
    load();
    EXPECT_EQ(rowsOf(rows), (Rows{{"New"}}));
}

TEST_F(MemberFileTest, UnreadableRollIsNeverWrittenOverPerFile) {
    // A folder where the file should be: it exists but can't be read (as root,
    // a file's mode would not stop us).
    for (const char* name : {"rkMemberList", "MemberList"}) {
        SCOPED_TRACE(name);
        MemberFile::ForgetReads();
        data.dataFolder().Child("rkMemberList").Delete();
        data.dataFolder().Child("MemberList").Delete();
        ASSERT_TRUE(data.dataFolder().Child(name).CreateAsFolder());
        const auto loaded = load();
        EXPECT_EQ(loaded.outcome, MemberFile::LoadResult::Outcome::Unreadable);
        EXPECT_FALSE(loaded.reason.empty());
        const auto failure = MemberFile::FailedRead(data.dataFolder(), "rkMemberList");
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->file.Name(), name);
        EXPECT_EQ(failure->reason, loaded.reason);
        rows.AddRow("Someone");
        EXPECT_EQ(Roll::SaveUnlessFiltered(rows).outcome, Outcome::Refused);
        EXPECT_TRUE(data.dataFolder().Child(name).IsFolder());
        // Readable again, it is read, but this session still never writes it.
        data.dataFolder().Child(name).Delete();
        data.write(name, "Back@@@\n");
        EXPECT_EQ(load().outcome, MemberFile::LoadResult::Outcome::Read);
        EXPECT_EQ(rows.RowCount(), 1);
        EXPECT_EQ(Roll::SaveUnlessFiltered(rows).outcome, Outcome::Refused);
        data.dataFolder().Child(name).Delete();
    }
    // Another file in the same folder is not held back by it.
    data.write("otherRoll", "");
    MemberFile::Load(rows, data.dataFolder(), "otherRoll");
    EXPECT_EQ(MemberFile::Save(rows, data.dataFolder(), "otherRoll").outcome, Outcome::Written);
    // A file never read is never written.
    EXPECT_EQ(MemberFile::Save(rows, data.dataFolder(), "neverRead").outcome, Outcome::Refused);
    EXPECT_FALSE(data.exists("neverRead"));
}

TEST_F(MemberFileTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    data.write("rkMemberList", "Adams@@@\n");
    load();
    rows.AddRow("Lost");
    // The file's place is taken by a folder now: the new file can't replace it.
    data.dataFolder().Child("rkMemberList").Delete();
    ASSERT_TRUE(data.dataFolder().Child("rkMemberList").Child("inside").CreateAsFolder());
    const auto saved = MemberFile::Save(rows, data.dataFolder(), "rkMemberList");
    EXPECT_EQ(saved.outcome, Outcome::Failed);
    EXPECT_FALSE(saved.reason.empty());
    EXPECT_EQ(saved.file, data.dataFolder().Child("rkMemberList"));
    EXPECT_TRUE(data.dataFolder().Child("rkMemberList").Child("inside").IsFolder());
}

}  // namespace

// Exporting the rows shown: the lines written, the name the file gets, what
// stays untouched, and a failed write told.

#include "exchange/ExportWindow.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/ScratchFileSystem.h"

namespace {

using Names = std::vector<std::string>;

class ExportWindowTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Brown", .first = "Ann", .type = "Family", .notes = "one###two"},
                   {.last = "Acme, Inc.", .first = "Zoë", .status = "Inactive"}});
        return mainWindow::instance();
    }

    void exportTo(const FolderItem& chosen) {
        dialogs.AnswerSaveFile(chosen);
        ExportWindow::instance().PushButton1.Push();
    }
};

TEST_F(ExportWindowTest, WritesTheRowsShownUnderTheNameChosenWithCsvAddedAndChangesNothing) {
    const std::string brown =
        "Brown,Ann,,,,,,,,,2020-01-01,Family,,Paid,2027-03-01,2026,one###two,Active,\n";
    const std::string acme =
        "Acme, Inc.,Zoë,,,,,,,,,2020-01-01,Individual,,Paid,2027-03-01,2026,,Inactive,\n";
    mainWindow& main = open();
    const std::string stored = data.read("rkMemberList");
    Globals::gSearchOn = true;
    // A file already named as the export plus ".csv" is never touched.
    data.write("Roll.csv", "keep me\n");
    const struct {
        int shown;
        std::string chosen, written, bytes;
    } cases[] = {
        {2, "out", "out.csv", brown + acme},
        {2, "Roll", "Roll", brown + acme},
        {1, "one.csv", "one.csv", acme},
        {0, "empty", "empty.csv", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        while (main.memberList.ListCount() > c.shown)
            main.memberList.RemoveRow(0);
        exportTo(data.dataFolder().Child(c.chosen));
        ASSERT_TRUE(data.exists(c.written));
        EXPECT_EQ(data.read(c.written), c.bytes);
        EXPECT_EQ(ExportWindow::existing(), nullptr);
    }
    EXPECT_EQ(data.read("Roll.csv"), "keep me\n");
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(ExportWindowTest, AFailedWriteIsToldAndLeavesNoFile) {
    mainWindow& main = open();
    std::vector<std::pair<FolderItem, std::string>> failures{
        {data.root().Child("no such folder").Child("members.csv"), "No such file or directory"}};
    const ScratchFileSystem disk;  // only where mounting is allowed
    if (disk.mounted()) {
        for (int n = 0; n < 5000; ++n)
            main.memberList.AddRow("Member " + std::to_string(n));
        disk.fill();
        failures.emplace_back(disk.root().Child("members.csv"), "No space left on device");
    }
    for (const auto& [file, reason] : failures) {
        dialogs.clear();
        exportTo(file);
        EXPECT_EQ(dialogs.messages(), Names{"The file \"" + file.Path().string() +
                                            "\" could not be saved: " + reason + "."});
        EXPECT_FALSE(file.Exists());
        EXPECT_EQ(ExportWindow::existing(), nullptr);
    }
}

}  // namespace

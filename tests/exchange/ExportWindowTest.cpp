// Exporting the rows shown: the lines written, the name the file gets, what
// stays untouched, and reading an export back in.

#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/ScratchFileSystem.h"

#include <QLineEdit>
#include <fstream>
#include <sstream>

namespace {

using Names = std::vector<std::string>;

class ExportWindowTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Brown", .first = "Ann", .type = "Family", .notes = "one###two"},
                   {.last = "Acme, Inc.", .first = "Zoë", .status = "Inactive"}});
        stored = data.read("rkMemberList");
        return mainWindow::instance();
    }

    FolderItem outside(const std::string& name) const { return data.root().Child(name); }

    std::string contents(const std::string& name) const {
        std::ostringstream bytes;
        bytes << std::ifstream(outside(name).Path(), std::ios::binary).rdbuf();
        return bytes.str();
    }

    void exportTo(const FolderItem& chosen) {
        dialogs.AnswerSaveFile(chosen);
        ExportWindow::instance().PushButton1.Push();
    }

    std::string stored;
    const std::string brown =
        "Brown,Ann,,,,,,,,,2020-01-01,Family,,Paid,2027-03-01,2026,one###two,Active,\n";
    const std::string acme =
        "Acme, Inc.,Zoë,,,,,,,,,2020-01-01,Individual,,Paid,2027-03-01,2026,,Inactive,\n";
};

TEST_F(ExportWindowTest, WritesTheRowsShownAndChangesNothing) {
    mainWindow& main = open();
    main.memberList.SetListIndex(1);
    exportTo(outside("all.csv"));
    EXPECT_EQ(dialogs.asked(),
              (std::vector<ScriptedDialogs::Asked>{
                  {ScriptedDialogs::Kind::SaveFile, "", "Rollkeep Export.csv", {}, 0, true, {}}}));
    EXPECT_EQ(contents("all.csv"), brown + acme);
    EXPECT_EQ(ExportWindow::existing(), nullptr);

    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    exportTo(outside("filtered.csv"));
    EXPECT_EQ(contents("filtered.csv"), acme);
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListIndex(), 0);
    EXPECT_EQ(data.read("rkMemberList"), stored);

    main.memberList.DeleteAllRows();
    exportTo(outside("empty"));
    EXPECT_TRUE(outside("empty.csv").Exists());
    EXPECT_EQ(contents("empty.csv"), "");
}

TEST_F(ExportWindowTest, TheFileIsWrittenOnceUnderItsFinalNameAndNoOtherIsTouched) {
    open();
    std::ofstream(outside("Roll.csv").Path()) << "keep me\n";
    exportTo(outside("Roll"));
    EXPECT_EQ(contents("Roll"), brown + acme);
    EXPECT_EQ(contents("Roll.csv"), "keep me\n");
}

TEST_F(ExportWindowTest, NoFileChosenOrOneThatCantBeWritten) {
    mainWindow& main = open();
    ExportWindow& window = ExportWindow::instance();
    window.Show();
    EXPECT_EQ(window.ParentWindow(), &main);
    dialogs.AnswerSaveFile(std::nullopt);
    window.PushButton1.Push();
    EXPECT_EQ(ExportWindow::existing(), &window);
    EXPECT_TRUE(dialogs.messages().empty());

    const FolderItem nowhere = outside("no such folder").Child("members.csv");
    exportTo(nowhere);
    EXPECT_EQ(dialogs.messages(), Names{"The file \"" + nowhere.Path().string() +
                                        "\" could not be saved: No such file or directory."});
    EXPECT_EQ(ExportWindow::existing(), nullptr);
}

TEST_F(ExportWindowTest, AFullDiskIsToldAndLeavesNoFile) {
    const ScratchFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    mainWindow& main = open();
    for (int n = 0; n < 5000; ++n)
        main.memberList.AddRow("Member " + std::to_string(n));
    disk.fill();
    dialogs.AnswerSaveFile(disk.root().Child("members"));
    ExportWindow::instance().PushButton1.Push();
    EXPECT_EQ(dialogs.messages(),
              Names{"The file \"" + disk.root().Child("members.csv").Path().string() +
                    "\" could not be saved: No space left on device."});
    EXPECT_FALSE(disk.root().Child("members.csv").Exists());
}

TEST_F(ExportWindowTest, AnExportComesBackWithTheMappingForItsFieldOrder) {
    mainWindow& main = open();
    Names brownRow = row(main.memberList, 0);
    exportTo(outside("roll.csv"));

    CustomImportWindow& import = CustomImportWindow::instance();
    import.company.lineEdit()->setText("13");
    import.jDate.lineEdit()->setText("11");
    import.dDate.lineEdit()->setText("15");
    import.typeFld.lineEdit()->setText("12");
    dialogs.AnswerOpenFile(outside("roll.csv"));
    import.PushButton1.Push();

    // Never imported: paid/due, year paid, notes, status.
    for (Column never : {Column::PaidDue, Column::YearPaid, Column::Notes, Column::Status})
        brownRow[+never] = "";
    EXPECT_EQ(row(main.memberList, 2), brownRow);
    // The comma in "Acme, Inc." shifts every later field of its line.
    EXPECT_EQ(main.memberList.Cell(3, +Column::FirstName), " Inc.");
}

}  // namespace

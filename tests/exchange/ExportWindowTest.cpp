// Exporting the rows shown to comma-separated text: the lines written, the
// name the file gets, what stays untouched, and reading an export back in.

#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <fstream>
#include <sstream>

namespace {

using Names = std::vector<std::string>;

class ExportWindowTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Brown",
                    .first = "Ann",
                    .id = "6000001",
                    .email = "ann@example.org",
                    .type = "Family",
                    .notes = "first line###second line"},
                   {.last = "Acme, Inc.", .first = "Zoë", .id = "6000002", .status = "Inactive"}});
        mainWindow& main = mainWindow::instance();
        stored = data.read("rkMemberList");
        return main;
    }

    // A file in a folder of its own beside the data folder.
    FolderItem outside(const std::string& name) const { return data.root().Child(name); }

    static std::string contents(const FolderItem& file) {
        std::ifstream in(file.Path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // Exports to the file named in the save dialog.
    void exportTo(const FolderItem& chosen) {
        dialogs.AnswerSaveFile(chosen);
        ExportWindow::instance().PushButton1.Push();
    }

    static std::string exported(const Names& cells) {
        std::string line;
        for (const std::string& cell : cells)
            line += cell + ",";
        return line + "\n";
    }

    std::string stored;
};

TEST_F(ExportWindowTest, WritesOneLinePerRowInListOrder) {
    mainWindow& main = open();
    main.memberList.SetListIndex(1);
    exportTo(outside("members.csv"));

    EXPECT_EQ(dialogs.asked(),
              (std::vector<ScriptedDialogs::Asked>{
                  {ScriptedDialogs::Kind::SaveFile, "", "Rollkeep Export.csv", {}, 0, true}}));
    EXPECT_EQ(contents(outside("members.csv")),
              exported(row(main.memberList, 0)) + exported(row(main.memberList, 1)));
    // Cells as the list holds them: the comma of the company name splits it,
    // the notes keep "###" for their line end.
    EXPECT_EQ(contents(outside("members.csv")),
              "Brown,Ann,6000001,ann@example.org,,,,,,,2020-01-01,Family,,Paid,2027-03-01,2026,"
              "first line###second line,Active,\n"
              "Acme, Inc.,Zoë,6000002,,,,,,,,2020-01-01,Individual,,Paid,2027-03-01,2026,,"
              "Inactive,\n");

    EXPECT_EQ(ExportWindow::existing(), nullptr);
    EXPECT_EQ(main.memberList.ListCount(), 2);
    EXPECT_EQ(main.memberList.ListIndex(), 1);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(ExportWindowTest, AFilteredListWritesOnlyTheRowsShown) {
    mainWindow& main = open();
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    exportTo(outside("inactive.csv"));
    EXPECT_EQ(contents(outside("inactive.csv")), exported(row(main.memberList, 0)));
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListCount(), 1);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(ExportWindowTest, TheFileIsWrittenOnceUnderItsFinalName) {
    mainWindow& main = open();
    const std::string lines = exported(row(main.memberList, 0)) + exported(row(main.memberList, 1));

    exportTo(outside("Members"));
    EXPECT_EQ(contents(outside("Members.csv")), lines);
    EXPECT_FALSE(outside("Members").Exists());

    exportTo(outside("Members.txt"));
    EXPECT_EQ(contents(outside("Members.txt.csv")), lines);
    EXPECT_FALSE(outside("Members.txt").Exists());

    exportTo(outside("LOUD.CSV"));
    EXPECT_EQ(contents(outside("LOUD.CSV")), lines);
    EXPECT_FALSE(outside("LOUD.CSV.csv").Exists());
}

TEST_F(ExportWindowTest, NoFileOfTheLongerNameIsEverDestroyed) {
    mainWindow& main = open();
    std::ofstream(outside("Roll.csv").Path()) << "keep me\n";
    std::ofstream(outside("Roll").Path()) << "agreed to replace\n";
    exportTo(outside("Roll"));
    EXPECT_EQ(contents(outside("Roll.csv")), "keep me\n");
    EXPECT_EQ(contents(outside("Roll")),
              exported(row(main.memberList, 0)) + exported(row(main.memberList, 1)));
}

TEST_F(ExportWindowTest, AnEmptyListGivesAnEmptyFile) {
    mainWindow& main = open();
    main.memberList.DeleteAllRows();
    exportTo(outside("none"));
    EXPECT_TRUE(outside("none.csv").Exists());
    EXPECT_EQ(contents(outside("none.csv")), "");
}

TEST_F(ExportWindowTest, CancellingTheSaveDialogWritesNothingAndKeepsTheWindow) {
    open();
    ExportWindow& window = ExportWindow::instance();
    dialogs.AnswerSaveFile(std::nullopt);
    window.PushButton1.Push();
    EXPECT_EQ(ExportWindow::existing(), &window);
    EXPECT_EQ(dialogs.asked().size(), 1u);
}

TEST_F(ExportWindowTest, AFileThatCantBeWrittenIsReported) {
    open();
    exportTo(outside("no such folder").Child("members.csv"));
    EXPECT_EQ(dialogs.messages(), Names{"The export file could not be written."});
    EXPECT_FALSE(outside("no such folder").Exists());
    EXPECT_EQ(ExportWindow::existing(), nullptr);
}

TEST_F(ExportWindowTest, EscapeCancelsAndReturnDoesNotExport) {
    ExportWindow& window = ExportWindow::instance();
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    window.PushButton2.widget()->setFocus();
    QTest::keyClick(window.PushButton2.widget(), Qt::Key_Return);
    EXPECT_TRUE(dialogs.asked().empty());
    QTest::keyClick(window.PushButton2.widget(), Qt::Key_Escape);
    EXPECT_EQ(ExportWindow::existing(), nullptr);
}

TEST_F(ExportWindowTest, AnExportComesBackWithTheMappingForItsFieldOrder) {
    mainWindow& main = open();
    const std::vector<Names> before = {row(main.memberList, 0), row(main.memberList, 1)};
    exportTo(outside("roll.csv"));

    CustomImportWindow& import = CustomImportWindow::instance();
    import.company.lineEdit()->setText("13");
    import.jDate.lineEdit()->setText("11");
    import.dDate.lineEdit()->setText("15");
    import.typeFld.lineEdit()->setText("12");
    dialogs.AnswerOpenFile(outside("roll.csv"));
    import.PushButton1.Push();

    ASSERT_EQ(main.memberList.ListCount(), 4);
    // Paid/due, year paid, notes and status are never imported; the comma in
    // "Acme, Inc." shifts every later field of its line.
    Names first = before[0];
    for (Column never : {Column::PaidDue, Column::YearPaid, Column::Notes, Column::Status})
        first[+never] = "";
    EXPECT_EQ(row(main.memberList, 2), first);
    EXPECT_EQ(main.memberList.Cell(3, +Column::LastName), "Acme");
    EXPECT_EQ(main.memberList.Cell(3, +Column::FirstName), " Inc.");
}

}  // namespace

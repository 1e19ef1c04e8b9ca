// The rules of writing the rows to comma-separated text: the line of a row
// and the name the file is finally written under.

#include "core/MemberExport.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <fstream>

namespace {

TEST(ExportLine, EveryCellIsFollowedByACommaWithNoQuoting) {
    ExportLine line;
    for (const char* cell : {"Brown", "", "Smith, Jones", "\"quoted\"", "a###b"})
        line.AddCell(cell);
    EXPECT_EQ(line.Text(), "Brown,,Smith, Jones,\"quoted\",a###b,");

    line.Clear();
    for (int column = 0; column < 18; ++column)
        line.AddCell("");
    EXPECT_EQ(line.Text(), std::string(18, ','));
}

class FinalExportFileTest : public ::testing::Test {
protected:
    FolderItem chosen(const std::string& name) const {
        return FolderItem(folder.path().toStdString()).Child(name);
    }
    void create(const std::string& name) const { std::ofstream(chosen(name).Path()) << "x"; }

    QTemporaryDir folder;
};

TEST_F(FinalExportFileTest, ANameWithoutTheExtensionGetsIt) {
    EXPECT_EQ(FinalExportFile(chosen("Members")), chosen("Members.csv"));
    EXPECT_EQ(FinalExportFile(chosen("Members.txt")), chosen("Members.txt.csv"));
    EXPECT_EQ(FinalExportFile(chosen("Members.cs")), chosen("Members.cs.csv"));
    EXPECT_EQ(FinalExportFile(chosen("Liste für Ärzte")), chosen("Liste für Ärzte.csv"));
}

TEST_F(FinalExportFileTest, ANameEndingInTheExtensionInAnyCaseIsKept) {
    for (const char* name : {"Rollkeep Export.csv", "MEMBERS.CSV", "m.Csv", ".csv", "Öl.csv"})
        EXPECT_EQ(FinalExportFile(chosen(name)), chosen(name)) << name;
}

TEST_F(FinalExportFileTest, AnExistingFileOfTheLongerNameIsLeftAlone) {
    create("Members.csv");
    EXPECT_EQ(FinalExportFile(chosen("Members")), chosen("Members"));
    // Whether the chosen file itself exists does not matter: the user chose it.
    create("Other");
    EXPECT_EQ(FinalExportFile(chosen("Other")), chosen("Other.csv"));
}

}  // namespace

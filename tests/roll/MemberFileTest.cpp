// The member file: what is written, what is read back, and that a stored roll
// is never lost.

#include "core/Column.h"
#include "platform/Streams.h"
#include "tests/support/ProgramTest.h"

#include <filesystem>
#include <functional>

namespace {

class MemberFileTest : public ProgramTest {
protected:
    mainWindow& open() { return mainWindow::instance(); }
};

TEST_F(MemberFileTest, FirstStartCreatesTheFolderAndAnEmptyRoll) {
    ASSERT_FALSE(data.dataFolder().Exists());
    mainWindow& main = open();
    EXPECT_TRUE(data.dataFolder().IsFolder());
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    // The paid/due pass saves what it found: an empty roll.
    ASSERT_TRUE(data.exists("rkMemberList"));
    EXPECT_EQ(data.read("rkMemberList"), "");
}

TEST_F(MemberFileTest, WritesEighteenSeparatedCellsPerLine) {
    data.write("rkMemberList", memberLine({"Brown", "Ann", "6000001"}));
    mainWindow& main = open();
    ASSERT_EQ(main.memberList.ListCount(), 1);
    Globals::saveListbox(main.memberList, "rkMemberList");
    std::string expected = "Brown@@@Ann@@@6000001@@@";
    for (int i = 0; i < 15; ++i)
        expected += "@@@";
    EXPECT_EQ(data.read("rkMemberList"), expected + "\n");
}

TEST_F(MemberFileTest, RoundTripKeepsRowsCellsAndOrder) {
    mainWindow& main = open();
    Listbox& list = main.memberList;
    const std::vector<std::vector<std::string>> rows = {
        {"Zed", "Ünal", "1", "z@x.org"},
        {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
        {"Öberg", "Åsa", "3", "", "", "", "", "", "", "", "", "Family", "", "Due", "2026-01-01",
         "2025", "line one###line two", "Inactive"},
        {"bad\xff\xfe bytes", "  spaced  ", "x,y;z", "\"quoted\""},
    };
    for (const auto& cells : rows) {
        list.AddRow(cells[0]);
        for (size_t c = 1; c < cells.size(); ++c)
            list.SetCell(list.LastIndex(), static_cast<int>(c), cells[c]);
    }
    Globals::saveListbox(list, "rkMemberList");
    Globals::loadListBox(list, "rkMemberList");
    ASSERT_EQ(list.ListCount(), 4);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_EQ(list.Cell(static_cast<int>(r), static_cast<int>(c)), rows[r][c])
                << "row " << r << " column " << c;
    EXPECT_EQ(main.memberCountFld.Text(), "4");
}

TEST_F(MemberFileTest, CellsThatWouldBreakTheFileAreWrittenSafely) {
    mainWindow& main = open();
    Listbox& list = main.memberList;
    list.AddRow("one\ntwo");
    list.SetCell(0, +Column::FirstName, "a@@@b");
    list.SetCell(0, +Column::MemberID, "ends with @");
    list.SetCell(0, +Column::Email, "@@@@@@");
    list.SetCell(0, +Column::HomePhone, "cr\rlf\r\nend");
    list.AddRow("Next");
    Globals::saveListbox(list, "rkMemberList");
    Globals::loadListBox(list, "rkMemberList");

    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Cell(0, +Column::LastName), "one###two");
    EXPECT_EQ(list.Cell(0, +Column::HomePhone), "cr###lf###end");
    // Whatever became of the "@"s, no cell spilled into the next one.
    EXPECT_EQ(list.Cell(0, +Column::FirstName).find("@@@"), std::string::npos);
    EXPECT_NE(list.Cell(0, +Column::FirstName).find('a'), std::string::npos);
    EXPECT_NE(list.Cell(0, +Column::FirstName).find('b'), std::string::npos);
    EXPECT_EQ(list.Cell(0, +Column::MemberID).rfind("ends with @", 0), 0u);
    EXPECT_EQ(list.Cell(0, +Column::MobilePhone), "");
    EXPECT_EQ(list.Cell(1, +Column::LastName), "Next");
    const std::string file = data.read("rkMemberList");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 2);
}

TEST_F(MemberFileTest, ShortLongBlankAndSpaceLines) {
    data.write("rkMemberList", "Smith@@@John\n\n\n   \n" +
                                   memberLine({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
                                               "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T"}));
    mainWindow& main = open();
    Listbox& list = main.memberList;
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.Cell(0, +Column::LastName), "Smith");
    EXPECT_EQ(list.Cell(0, +Column::FirstName), "John");
    for (int c = +Column::MemberID; c < kColumnCount; ++c)
        EXPECT_EQ(list.Cell(0, c), "") << c;
    // A line of blanks is not empty: it is a member whose last name is blanks.
    EXPECT_EQ(list.Cell(1, +Column::LastName), "   ");
    EXPECT_EQ(list.Cell(2, +Column::Status), "R");
    EXPECT_EQ(list.ColumnCount(), kColumnCount);
    EXPECT_EQ(main.memberCountFld.Text(), "3");
}

TEST_F(MemberFileTest, WindowsAndOldMacLineEndsAreRead) {
    data.write("rkMemberList", "Ames@@@A\r\nBell@@@B\rCole@@@C");
    mainWindow& main = open();
    EXPECT_EQ(column(main.memberList, 0), (std::vector<std::string>{"Ames", "Bell", "Cole"}));
}

TEST_F(MemberFileTest, LegacyFileIsReadAndNeverWritten) {
    const std::string legacy = memberLine({"Old", "Timer"});
    data.write("MemberList", legacy);
    mainWindow& main = open();
    ASSERT_EQ(main.memberList.ListCount(), 1);
    EXPECT_EQ(main.memberList.Cell(0, +Column::LastName), "Old");
    // The open's paid/due pass saved under the current name.
    ASSERT_TRUE(data.exists("rkMemberList"));
    EXPECT_EQ(data.read("MemberList"), legacy);

    data.write("rkMemberList", memberLine({"New"}));
    Globals::loadListBox(main.memberList, "rkMemberList");
    EXPECT_EQ(main.memberList.Cell(0, +Column::LastName), "New");
}

TEST_F(MemberFileTest, UnreadableRollIsToldAndNeverOverwritten) {
    // A folder where the file should be: it exists, but can't be read as text
    // (as root, a file's mode would not stop us).
    data.dataFolder().CreateAsFolder();
    const FolderItem stored = data.dataFolder().Child("rkMemberList");
    ASSERT_TRUE(stored.CreateAsFolder());
    mainWindow& main = open();
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{
                  "The member list \"" + stored.Path().string() +
                  "\" could not be read: Is a directory. It is left as it is, and nothing will "
                  "be written over it until Rollkeep is started again."});

    main.memberList.AddRow("Someone");
    EXPECT_FALSE(Globals::saveListbox(main.memberList, "rkMemberList"));
    // Still not, once the file could be read: the session never read it whole.
    ASSERT_TRUE(stored.Delete());
    data.write("rkMemberList", memberLine({"Stored"}));
    Globals::loadListBox(main.memberList, "rkMemberList");
    EXPECT_FALSE(Globals::saveListbox(main.memberList, "rkMemberList"));
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    EXPECT_TRUE(main.Close());
    EXPECT_EQ(data.read("rkMemberList"), memberLine({"Stored"}));

    // A new session may write it again.
    MemberFile::ForgetReads();
    mainWindow& again = open();
    EXPECT_TRUE(Globals::saveListbox(again.memberList, "rkMemberList"));
}

TEST_F(MemberFileTest, ARollThatIsNoFileOrTooLargeIsToldAtOnceAndLeftAsItIs) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(data.dataFolder().CreateAsFolder());
    const fs::path stored = data.dataFolder().Child("rkMemberList").Path();
    for (const UnreadableFile& roll : unreadableFiles("rkMemberList")) {
        SCOPED_TRACE(roll.kind);
        MemberFile::ForgetReads();
        roll.make();
        dialogs.clear();
        mainWindow& main = open();
        EXPECT_EQ(main.memberList.ListCount(), 0);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].find("The member list \"" + stored.string() +
                                             "\" could not be read: " + roll.reason),
                  0u);

        dialogs.AnswerQuestion(MessageDialog::Button::Action);
        EXPECT_TRUE(main.Close());
        EXPECT_TRUE(fs::is_fifo(stored) || fs::file_size(stored) > MemberFile::kLargestFile);
        fs::remove(stored);
    }
}

TEST_F(MemberFileTest, UnreadableLegacyRollDoesNotBecomeAnEmptyRoll) {
    data.dataFolder().CreateAsFolder();
    ASSERT_TRUE(data.dataFolder().Child("MemberList").CreateAsFolder());
    mainWindow& main = open();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("/Rollkeep/MemberList\" could not be read"),
              std::string::npos);
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    main.Close();
    EXPECT_FALSE(data.exists("rkMemberList"));
}

TEST_F(MemberFileTest, CloseSavesTheListUnlessFiltered) {
    writeRoll({{.last = "Adams"}});
    mainWindow& main = open();
    main.memberList.SetCell(0, +Column::FirstName, "Edited");
    EXPECT_TRUE(main.Close());
    EXPECT_EQ(data.read("rkMemberList").find("Adams@@@Edited@@@"), 0u);

    mainWindow& again = open();
    Globals::gSearchOn = true;
    again.memberList.SetCell(0, +Column::FirstName, "Filtered edit");
    const std::string before = data.read("rkMemberList");
    EXPECT_TRUE(again.Close());
    EXPECT_EQ(data.read("rkMemberList"), before);
}

TEST_F(MemberFileTest, MainWindowMadeAgainReloadsWhatWasSaved) {
    writeRoll({{.last = "Adams"}, {.last = "Baker"}});
    mainWindow* first = &open();
    first->memberList.SetCell(1, +Column::LastName, "Barker");
    first->Close();
    EXPECT_EQ(mainWindow::existing(), nullptr);

    // A filter or a half-entered member does not outlive the window.
    Globals::gSearchOn = true;
    Globals::gAddingMember = true;
    mainWindow& second = open();
    EXPECT_EQ(column(second.memberList, 0), (std::vector<std::string>{"Adams", "Barker"}));
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_EQ(second.memberCountFld.Text(), "2");

    // The first window going for good leaves the count to the second.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    writeRoll({{.last = "Adams"}, {.last = "Baker"}, {.last = "Clark"}});
    Globals::loadListBox(second.memberList, "rkMemberList");
    EXPECT_EQ(second.memberCountFld.Text(), "3");
}

TEST_F(MemberFileTest, SaveReportsWhetherTheFileHoldsTheList) {
    writeRoll({{.last = "Adams"}});
    mainWindow& main = open();
    main.memberList.AddRow("Baker");
    EXPECT_TRUE(Globals::saveListbox(main.memberList, "rkMemberList"));
    EXPECT_NE(data.read("rkMemberList").find("Baker@@@"), std::string::npos);

    // A file no load has read this session is not written over, and the
    // user hears that the list is not saved.
    Globals::gProgramDataFolder = data.root();
    EXPECT_FALSE(Globals::saveListbox(main.memberList, "rkMemberList"));
    EXPECT_FALSE(data.root().Child("rkMemberList").Exists());
    EXPECT_EQ(dialogs.messages(), notSaved(data.root().Child("rkMemberList"),
                                           "it was not read whole, so it is not written over"));
    Globals::gProgramDataFolder = data.dataFolder();
}

}  // namespace

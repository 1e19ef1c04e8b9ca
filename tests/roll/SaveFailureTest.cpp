// Saves that fail are told, with the file and the system's reason, the roll
// stays in the window, and the stored roll is never written while it isn't whole.

#include "core/Column.h"
#include "platform/Streams.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/ScratchFileSystem.h"

#include <QTableView>
#include <QTest>
#include <csignal>
#include <functional>

namespace {

using Button = MessageDialog::Button;
using SaveFailureTest = ProgramTest;
using SaveFailureOnQuitTest = StartUpTest;

enum class Fault { FullDisk, ReadOnlyDisk, FolderInTheWay };

struct FailedSave {
    Fault fault;
    const char* name;
    std::string reason;
};

// How the case reads in the test list.
void PrintTo(const FailedSave& c, std::ostream* out) {
    *out << c.name;
}

class AFailedSave : public ProgramTest, public testing::WithParamInterface<FailedSave> {};

TEST_P(AFailedSave, IsToldAndTheWindowKeepsTheRollUntilTheUserLetsItGo) {
    const FailedSave& c = GetParam();
    // A small file system of its own where mounting is allowed (as root).
    const ScratchFileSystem disk;
    if (!disk.mounted() && c.fault != Fault::FolderInTheWay)
        GTEST_SKIP() << "a full or read-only disk needs a file system of its own, and only "
                        "root may mount one";
    const FolderItem home = disk.mounted() ? disk.root() : data.root();
    Globals::gProgramDataFolder = home.Child("Rollkeep");
    Globals::gProgramDataFolder.CreateAsFolder();
    const FolderItem roll = Globals::gProgramDataFolder.Child("rkMemberList");
    ASSERT_FALSE(WriteTextFile(roll, line({.last = "Adams"})));
    mainWindow& main = mainWindow::instance();
    const std::string before = roll.OpenAsTextFile()->ReadAll();
    if (c.fault == Fault::FullDisk)
        disk.fill();
    else if (c.fault == Fault::ReadOnlyDisk)
        ASSERT_TRUE(disk.makeReadOnly());
    else
        ASSERT_TRUE(roll.Delete() && roll.CreateAsFolder());
    for (int n = 0; n < 2000; ++n)
        main.memberList.AddRow("Member " + std::to_string(n));

    dialogs.clear();
    dialogs.AnswerQuestion(Button::Cancel);
    EXPECT_FALSE(main.Close());
    ASSERT_EQ(mainWindow::existing(), &main);
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.memberList.ListCount(), 2001);
    EXPECT_EQ(dialogs.messages(), notSaved(roll, c.reason));
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0].text,
              "The member list could not be saved. Close the window anyway?");
    if (c.fault == Fault::FolderInTheWay)
        EXPECT_TRUE(roll.IsFolder());
    else
        EXPECT_EQ(roll.OpenAsTextFile()->ReadAll(), before);

    // Agreed: the window goes, asking just once more.
    dialogs.clear();
    dialogs.AnswerQuestion(Button::Action);
    EXPECT_TRUE(main.Close());
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_EQ(dialogs.questions().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    SaveFailureTest, AFailedSave,
    testing::Values(FailedSave{Fault::FullDisk, "FullDisk", "No space left on device"},
                    FailedSave{Fault::ReadOnlyDisk, "ReadOnlyDisk", "Read-only file system"},
                    FailedSave{Fault::FolderInTheWay, "FolderInTheWay", "Is a directory"}),
    [](const testing::TestParamInfo<FailedSave>& info) { return std::string(info.param.name); });

// A filter, or Show All Members over the whole roll, leaves that roll to the
// file it has just saved, which the next reload reads; when that save failed,
// the file lacks the edits, so the command stops with the edited roll shown.
TEST_F(SaveFailureTest, AFilterOrShowAllWhoseSaveFailedLeavesTheEditedRollShown) {
    mainWindow& main = openWithFourMembers();
    const FolderItem roll = data.dataFolder().Child("rkMemberList");
    ASSERT_TRUE(roll.Delete() && roll.CreateAsFolder());
    main.memberList.SetListIndex(1);
    main.firstName.SetText("Edited");
    // The menu's due filter goes the toolbar's way.
    const FilterRoute routes[] = {
        filterRoutes(main, "Paid Members")[0],
        dueByMonthRoute(main),
        {"Show All", [&] { main.Toolbar11.ShowAllMembers->action()->trigger(); }}};
    for (const FilterRoute& route : routes) {
        SCOPED_TRACE(route.name);
        dialogs.clear();
        route.start();
        EXPECT_EQ(dialogs.messages(), notSaved(roll, "Is a directory"));
        EXPECT_FALSE(Globals::gSearchOn);
        EXPECT_EQ(main.memberList.ListCount(), 4);
        EXPECT_EQ(main.memberList.ListIndex(), 1);
        EXPECT_EQ(main.memberList.Cell(1, +Column::FirstName), "Edited");
        EXPECT_EQ(main.infoLabel.Text(), "Member Information");
        EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
        EXPECT_TRUE(main.firstName.Enabled());
    }
    // Left open for another try once the roll can be written.
    EXPECT_NE(DueByMonthWindow::existing(), nullptr);
    // The window then closes with the roll saved.
    EXPECT_TRUE(roll.Delete());
}

TEST_F(SaveFailureOnQuitTest, AQuitNobodyCanAnswerClosesWithoutAsking) {
    writeRoll({{.last = "Adams"}});
    startUp(app);
    // The quit ends no event loop here; activations must not make a new window.
    Globals::gAppOpening = true;
    const FolderItem roll = data.dataFolder().Child("rkMemberList");
    ASSERT_TRUE(roll.Delete() && roll.CreateAsFolder());
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow::existing() == nullptr; }, 2000));
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_FALSE(app.IsUnattendedQuit());
}

TEST_F(SaveFailureTest, EveryCommandWhoseSaveAnUnreadableRollRefusesSaysSoOnce) {
    // A folder where the roll should be: it can't be read, whoever runs the test.
    const FolderItem roll = data.dataFolder().Child("rkMemberList");
    ASSERT_TRUE(roll.CreateAsFolder());
    mainWindow& main = mainWindow::instance();
    ASSERT_EQ(dialogs.messages().size(), 1u);

    const auto refused = notSaved(roll,
                                  "it could not be read (Is a directory), so nothing is "
                                  "written over it until Rollkeep is started again");
    const struct {
        const char* command;
        std::function<void()> run;
    } commands[] = {
        // Stopped before anything is used up for a member that can't be
        // stored: no welcome e-mail, no member number; the form keeps it.
        {"Save New Member",
         [&] {
             main.Toolbar11_Action(*main.Toolbar11.AddButton);
             main.LastName.SetText("Typed");
             main.saveBtn.Push();
             EXPECT_TRUE(dialogs.questions().empty());
             EXPECT_FALSE(data.dataFolder().Child("LastMemberNumber").Exists());
             EXPECT_EQ(main.memberList.Rows().RowCount(), 0);
             EXPECT_EQ(main.LastName.Text(), "Typed");
             EXPECT_TRUE(main.saveBtn.Enabled());
         }},
        {"Save Data", [&] { main._SaveData_Action(); }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        dialogs.clear();
        c.run();
        EXPECT_EQ(dialogs.messages(), refused);
    }
    dialogs.AnswerQuestion(Button::Action);
    EXPECT_TRUE(main.Close());
    EXPECT_TRUE(roll.IsFolder());
}

TEST_F(SaveFailureTest, NoSaveWritesTheRollWhileALoadFillsTheList) {
    std::vector<Member> members(50000);
    for (size_t n = 0; n < members.size(); ++n)
        members[n].last = "Member" + std::to_string(n);
    writeRoll(members);
    mainWindow& main = mainWindow::instance();
    main.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.memberList.view()));
    const std::string stored = data.read("rkMemberList");

    // The list paints during the load; a save from there sees half a roll.
    int savesDuringLoad = 0, written = 0;
    main.memberList.CellBackgroundPaint = [&](CellGraphics&, int, int) {
        ++savesDuringLoad;
        written += Globals::saveListbox(main.memberList, "rkMemberList") ? 1 : 0;
        return false;
    };
    Globals::loadListBox(main.memberList, "rkMemberList");
    main.memberList.CellBackgroundPaint = nullptr;
    ASSERT_GT(savesDuringLoad, 0) << "the list never painted during the load";
    EXPECT_EQ(written, 0);
    EXPECT_EQ(data.read("rkMemberList"), stored);
    EXPECT_EQ(main.memberList.ListCount(), 50000);
    EXPECT_TRUE(Globals::saveListbox(main.memberList, "rkMemberList"));
}

}  // namespace

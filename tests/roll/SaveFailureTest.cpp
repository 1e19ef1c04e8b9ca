// Saves that fail are told, with the file and the system's reason, and the
// roll is never written while it isn't whole.

#include "platform/Streams.h"
#include "roll/App.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/ScratchFileSystem.h"

#include <QTableView>
#include <QTest>
#include <csignal>

namespace {

using Button = MessageDialog::Button;

class SaveFailureTest : public ProgramTest {
protected:
    mainWindow& open() { return mainWindow::instance(); }

    static std::string failure(const FolderItem& file, std::string_view reason) {
        return "The file \"" + file.Path().string() +
               "\" could not be saved: " + std::string(reason) + ".";
    }

    FolderItem roll() const { return data.dataFolder().Child("rkMemberList"); }

    // Puts a folder where the stored roll is, so that no save can replace it.
    void blockRoll() const {
        ASSERT_TRUE(roll().Delete());
        ASSERT_TRUE(roll().CreateAsFolder());
    }

    static ScriptedDialogs::Asked closeAnyway() {
        return ScriptedDialogs::Question(
            MessageDialog::CautionIcon,
            "The member list could not be saved. Close the window anyway?", "Close Anyway",
            "The members stay in the window while it is open. If you close it, the changes made "
            "since the member list was last saved are lost.");
    }

    // Opens the main window on a roll kept on a small file system of its own.
    mainWindow* openOn(const ScratchFileSystem& disk) {
        qputenv("XDG_DATA_HOME", disk.root().Path().c_str());
        const FolderItem folder = disk.root().Child("Rollkeep");
        folder.CreateAsFolder();
        auto out = folder.Child("rkMemberList").CreateTextFile();
        out->Write(line({.last = "Adams"}));
        out->Close();
        return &open();
    }
};

TEST_F(SaveFailureTest, AFailedSaveIsToldWithTheFileAndTheReason) {
    writeRoll({{.last = "Adams"}});
    mainWindow& main = open();
    // A data folder taken away while the program runs.
    ASSERT_TRUE(roll().Delete());
    ASSERT_TRUE(data.dataFolder().Delete());
    EXPECT_FALSE(Globals::saveListbox(main.memberList, "rkMemberList"));
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{failure(roll(), "No such file or directory")});
    dialogs.AnswerQuestion(Button::Action);
    EXPECT_TRUE(main.Close());
}

TEST_F(SaveFailureTest, AFullOrReadOnlyDiskIsToldAndTheStoredRollKept) {
    for (const bool full : {true, false}) {
        const ScratchFileSystem disk;
        if (!disk.mounted())
            GTEST_SKIP() << "mounting a small file system needs root";
        mainWindow& main = *openOn(disk);
        const FolderItem file = disk.root().Child("Rollkeep").Child("rkMemberList");
        const std::string before = file.OpenAsTextFile()->ReadAll();
        if (full)
            disk.fill();
        else
            ASSERT_TRUE(disk.makeReadOnly());
        for (int n = 0; n < 2000; ++n)
            main.memberList.AddRow("Member " + std::to_string(n));

        dialogs.clear();
        EXPECT_FALSE(Globals::saveListbox(main.memberList, "rkMemberList"));
        EXPECT_EQ(dialogs.messages(),
                  std::vector<std::string>{
                      failure(file, full ? "No space left on device" : "Read-only file system")});
        EXPECT_EQ(file.OpenAsTextFile()->ReadAll(), before);
        dialogs.AnswerQuestion(Button::Action);
        main.Close();
    }
}

TEST_F(SaveFailureTest, TheWindowStaysOpenWithTheRollUntilTheUserAgreesToLoseIt) {
    writeRoll({{.last = "Adams"}});
    mainWindow& main = open();
    main.memberList.AddRow("Baker");
    blockRoll();

    dialogs.AnswerQuestion(Button::Cancel);
    EXPECT_FALSE(main.Close());
    ASSERT_EQ(mainWindow::existing(), &main);
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(column(main.memberList, 0), (std::vector<std::string>{"Adams", "Baker"}));
    const std::vector<std::string> told{failure(roll(), "Is a directory")};
    EXPECT_EQ(dialogs.messages(), told);
    EXPECT_EQ(dialogs.questions(), std::vector{closeAnyway()});

    // Agreed: the window goes; that close tries and tells just once more.
    dialogs.clear();
    dialogs.AnswerQuestion(Button::Action);
    EXPECT_TRUE(main.Close());
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_EQ(dialogs.messages(), told);
    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_TRUE(roll().IsFolder());
}

TEST_F(SaveFailureTest, AQuitNobodyCanAnswerClosesWithoutAsking) {
    int argc = 1;
    char name[] = "rollkeep";
    char* argv[] = {name, nullptr};
    App app(argc, argv);
    writeRoll({{.last = "Adams"}});
    startUp(app);
    // The quit ends no event loop here; activations must not make a new window.
    Globals::gAppOpening = true;
    blockRoll();
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow::existing() == nullptr; }, 2000));
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_FALSE(app.IsUnattendedQuit());
}

TEST_F(SaveFailureTest, ANumberFileThatCannotBeWrittenIsToldAndTheMemberStillSaved) {
    mainWindow& main = open();
    main.Toolbar11_Action(*main.Toolbar11.AddButton);
    const FolderItem numberFile = data.dataFolder().Child("LastMemberNumber");
    ASSERT_TRUE(numberFile.CreateAsFolder());
    main.LastName.SetText("Able");
    dialogs.AnswerQuestion(Button::Cancel);
    main.saveBtn.Push();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{failure(numberFile, "Is a directory")});
    EXPECT_EQ(data.read("rkMemberList").find("Able@@@"), 0u);
}

TEST_F(SaveFailureTest, NoSaveWritesTheRollWhileALoadFillsTheList) {
    std::vector<Member> members(50000);
    for (size_t n = 0; n < members.size(); ++n)
        members[n].last = "Member" + std::to_string(n);
    writeRoll(members);
    mainWindow& main = open();
    main.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.memberList.view()));
    const std::string stored = data.read("rkMemberList");

    // The list paints during the load; a save from there sees half a roll.
    int savesDuringLoad = 0;
    int written = 0;
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

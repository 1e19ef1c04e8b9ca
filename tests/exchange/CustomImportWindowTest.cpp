// Importing members through the import window: what it appends and saves,
// what it leaves alone, and that nothing cuts into an import while it runs.

#include "exchange/CustomImportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QTest>
#include <QTimer>

namespace {

using Names = std::vector<std::string>;

class CustomImportWindowTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Brown", .first = "Bob"}, {.last = "Clark", .first = "Cy"}});
        data.write("LastMemberNumber", "6000002");
        stored = data.read("rkMemberList");
        return mainWindow::instance();
    }

    // Answers the next open dialog with a file of these bytes and imports.
    void import(std::string_view bytes) {
        data.write("members.csv", bytes);
        dialogs.AnswerOpenFile(data.dataFolder().Child("members.csv"));
        CustomImportWindow::instance().PushButton1.Push();
    }

    // What the import added to the member file.
    std::string storedSinceOpen() const { return data.read("rkMemberList").substr(stored.size()); }

    std::string stored;
};

TEST_F(CustomImportWindowTest, ShowsTheWholeRollAndAppendsOneMemberPerLineAndSavesIt) {
    mainWindow& main = open();
    MenuItem inactive("Inactive Members");
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), inactive);
    ASSERT_EQ(main.memberList.ListCount(), 0);
    import(
        "\xEF\xBB\xBF"
        "Abbot,Al,6000009\r\n\r\nLast,First,ID\r\nRen\xE9,Zo\xEB");

    // Not sorted; a blank line is a blank member, a header line a member.
    EXPECT_EQ(column(main.memberList, 0),
              (Names{"Brown", "Clark", "Abbot", "", "Last", "Ren\xE9"}));
    EXPECT_EQ(storedSinceOpen(), memberLine({"Abbot", "Al", "6000009"}) + memberLine({}) +
                                     memberLine({"Last", "First", "ID"}) +
                                     memberLine({"Ren\xE9", "Zo\xEB"}));
    EXPECT_EQ(data.read("LastMemberNumber"), "6000002");
    EXPECT_EQ(CustomImportWindow::existing(), nullptr);
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
}

TEST_F(CustomImportWindowTest, NoFileOrAnUnreadableOneChangesNothing) {
    mainWindow& main = open();
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    CustomImportWindow& window = CustomImportWindow::instance();
    for (const std::optional<FolderItem>& answer :
         {std::optional<FolderItem>(), std::optional(data.root().Child("missing.csv")),
          std::optional(data.root())}) {
        dialogs.AnswerOpenFile(answer);
        window.PushButton1.Push();
    }
    EXPECT_EQ(CustomImportWindow::existing(), &window);
    EXPECT_EQ(column(main.memberList, 0), Names{"Clark"});
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(CustomImportWindowTest, AFailedSaveIsToldAndTheImportedRowsStayInTheList) {
    mainWindow& main = open();
    const FolderItem roll = data.dataFolder().Child("rkMemberList");
    ASSERT_TRUE(roll.Delete());
    ASSERT_TRUE(roll.CreateAsFolder());
    import("Dunn,Di\n");
    EXPECT_EQ(dialogs.messages(), Names{"The file \"" + roll.Path().string() +
                                        "\" could not be saved: Is a directory."});
    EXPECT_EQ(column(main.memberList, 0), (Names{"Brown", "Clark", "Dunn"}));
    dialogs.AnswerQuestion(MessageDialog::Button::Action);  // closing without a saved roll
}

TEST_F(CustomImportWindowTest, NothingCutsIntoARunningImportAndAQuitWaitsForItsSave) {
    int argc = 1;
    char name[9] = "rollkeep";
    char* argv[2] = {name, nullptr};
    App app{argc, argv};
    open();
    std::string lines;
    for (int line = 0; line < 20000; ++line)
        lines += "Member" + std::to_string(line) + ",First\n";
    // Whatever comes while the import runs: a second import, Cancel, a quit.
    bool quitAfterImport = false;
    QTimer::singleShot(0, [&] {
        if (CustomImportWindow* running = CustomImportWindow::existing()) {
            running->PushButton1.Push();
            running->PushButton2.Push();
        } else {
            quitAfterImport = true;
        }
        app.Quit();
        EXPECT_EQ(mainWindow::existing(), nullptr);
    });
    import(lines);
    QTest::qWait(20);

    EXPECT_TRUE(quitAfterImport);
    EXPECT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(std::ranges::count(storedSinceOpen(), '\n'), 20000);
}

}  // namespace

// Importing members through the import window: what it appends and saves,
// and that nothing cuts into an import while it runs.

#include "exchange/CustomImportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace {

class CustomImportWindowTest : public StartUpTest {
protected:
    // Answers the next open dialog with a file of these bytes and imports.
    void import(std::string_view bytes) {
        data.write("members.csv", bytes);
        dialogs.AnswerOpenFile(data.dataFolder().Child("members.csv"));
        CustomImportWindow::instance().PushButton1.Push();
    }

    mainWindow& open() {
        writeRoll({{.last = "Brown", .first = "Bob"}, {.last = "Clark", .first = "Cy"}});
        data.write("LastMemberNumber", "6000002");
        stored = data.read("rkMemberList");
        return mainWindow::instance();
    }

    // What the import added to the member file after the whole roll as it was.
    std::string added() const {
        const std::string now = data.read("rkMemberList");
        EXPECT_EQ(now.substr(0, stored.size()), stored);
        return now.substr(std::min(stored.size(), now.size()));
    }

    std::string stored;
};

TEST_F(CustomImportWindowTest, ShowsTheWholeRollFirstAndAppendsTheMembersMappedAsAskedAndSavesIt) {
    mainWindow& main = open();
    MenuItem inactive("Inactive Members");
    main.Toolbar11_DropDownMenuAction(main.Toolbar11.Item(main.Toolbar11.Count() - 1), inactive);
    ASSERT_EQ(main.memberList.ListCount(), 0);
    // The file's fields: first name, last name, due date; no member number.
    CustomImportWindow& window = CustomImportWindow::instance();
    window.fname.lineEdit()->setText("2");
    window.lname.lineEdit()->setText("1");
    window.membID.lineEdit()->setText("0");
    window.dDate.lineEdit()->setText("3");
    import(
        "\xEF\xBB\xBF"
        "Al,Abbot,2027-05-01\r\nZo\xEB,Ren\xE9\n");

    EXPECT_EQ(column(main.memberList, +Column::LastName),
              (std::vector<std::string>{"Brown", "Clark", "Abbot", "Ren\xE9"}));
    EXPECT_EQ(added(), memberLine({"Abbot", "Al", "", "", "", "", "", "", "", "", "", "", "", "",
                                   "2027-05-01"}) +
                           memberLine({"Ren\xE9", "Zo\xEB"}));
    EXPECT_EQ(data.read("LastMemberNumber"), "6000002");
    EXPECT_EQ(CustomImportWindow::existing(), nullptr);
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
}

TEST_F(CustomImportWindowTest, AFileThatCantBeReadIsToldWithWhyAndTheWindowStaysForAnother) {
    namespace fs = std::filesystem;
    mainWindow& main = open();
    const fs::path file = data.dataFolder().Child("members.csv").Path();
    auto files = unreadableFiles("members.csv");
    files.push_back({"missing", [] {}, "No such file or directory."});
    for (const UnreadableFile& c : files) {
        SCOPED_TRACE(c.kind);
        c.make();
        dialogs.clear();
        dialogs.AnswerOpenFile(FolderItem(file));
        CustomImportWindow::instance().PushButton1.Push();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].find("The file \"" + file.string() +
                                             "\" could not be read: " + c.reason),
                  0u);
        EXPECT_NE(CustomImportWindow::existing(), nullptr);
        EXPECT_EQ(main.memberList.ListCount(), 2);
        EXPECT_EQ(data.read("rkMemberList"), stored);
        fs::remove(file);
    }
}

TEST_F(CustomImportWindowTest, NothingCutsIntoARunningImportAndAQuitWaitsForItsSave) {
    open();
    // Whatever comes while the import runs: a second import, Cancel, a quit.
    std::string lines;
    for (int line = 0; line < 20000; ++line)
        lines += "Member" + std::to_string(line) + ",First\n";
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
    EXPECT_EQ(std::ranges::count(added(), '\n'), 20000);
}

}  // namespace

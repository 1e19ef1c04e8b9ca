// Importing members through the import window: what it appends and saves,
// and that nothing cuts into an import while it runs.

#include "exchange/CustomImportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QLineEdit>
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

    // What the import added to the member file after the whole roll as it was.
    std::string storedSinceOpen() const {
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
              (Names{"Brown", "Clark", "Abbot", "Ren\xE9"}));
    EXPECT_EQ(storedSinceOpen(), memberLine({"Abbot", "Al", "", "", "", "", "", "", "", "", "", "",
                                             "", "", "2027-05-01"}) +
                                     memberLine({"Ren\xE9", "Zo\xEB"}));
    EXPECT_EQ(data.read("LastMemberNumber"), "6000002");
    EXPECT_EQ(CustomImportWindow::existing(), nullptr);
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
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

// Importing members from comma-separated text through the import window:
// what it appends, what it saves, what it leaves alone, and how it behaves
// while it runs.

#include "exchange/CustomImportWindow.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

using Names = std::vector<std::string>;

// Where Tab goes from a widget: the next one in the chain that takes it.
const QWidget* nextTabStop(const QWidget* widget) {
    do {
        widget = widget->nextInFocusChain();
    } while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

class CustomImportWindowTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Brown", .first = "Bob", .id = "6000001"},
                   {.last = "Clark", .first = "Cy", .id = "6000002"}});
        data.write("LastMemberNumber", "6000002");
        mainWindow& main = mainWindow::instance();
        stored = data.read("rkMemberList");
        return main;
    }

    // An import file beside the data folder, answered to the next open dialog.
    FolderItem importFile(std::string_view bytes) {
        const FolderItem file = data.root().Child("members.csv");
        std::ofstream(file.Path(), std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        dialogs.AnswerOpenFile(file);
        return file;
    }

    // Imports the bytes with the mapping the window shows.
    static void import(CustomImportWindow& window) { window.PushButton1.Push(); }

    // The lines the import added to the member file.
    std::string storedSinceOpen() const {
        const std::string now = data.read("rkMemberList");
        EXPECT_TRUE(now.starts_with(stored));
        return now.substr(std::min(stored.size(), now.size()));
    }

    std::string stored;
};

TEST_F(CustomImportWindowTest, OpensWithTheDefaultsAndTabsTopToBottom) {
    CustomImportWindow& window = CustomImportWindow::instance();
    EXPECT_EQ(window.Title(), "Custom Data Import");
    const std::vector<TextField*> fields = {
        &window.fname,   &window.lname,     &window.membID,  &window.emailAdd, &window.hPhone,
        &window.mPhone,  &window.streetAdd, &window.cityFld, &window.codeFld,  &window.ProvSt,
        &window.company, &window.jDate,     &window.dDate,   &window.typeFld};
    for (size_t row = 0; row < fields.size(); ++row) {
        EXPECT_EQ(fields[row]->Text(), std::to_string(row + 1)) << fields[row]->Name();
        if (row + 1 < fields.size()) {
            EXPECT_EQ(nextTabStop(fields[row]->widget()), fields[row + 1]->widget());
        }
    }
}

TEST_F(CustomImportWindowTest, AppendsOneMemberPerLineAndSavesTheRoll) {
    mainWindow& main = open();
    main.memberList.SetListIndex(1);
    CustomImportWindow& window = CustomImportWindow::instance();
    importFile("Abbot,Al,6000009\n\nLast,First,ID,Email\n");
    import(window);

    EXPECT_EQ(
        dialogs.asked(),
        (std::vector<ScriptedDialogs::Asked>{
            {ScriptedDialogs::Kind::OpenFile, "Select a data file", "TEXT;CSV", {}, 0, true}}));
    // Appended as read: not sorted, the blank line a blank member, the
    // header line a member like any other.
    EXPECT_EQ(column(main.memberList, 0), (Names{"Brown", "Clark", "Abbot", "", "Last"}));
    EXPECT_EQ(row(main.memberList, 2), (Names{"Abbot", "Al", "6000009", "", "", "", "", "", "", "",
                                              "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(row(main.memberList, 3), Names(18));
    EXPECT_EQ(storedSinceOpen(), memberLine({"Abbot", "Al", "6000009"}) + memberLine({}) +
                                     memberLine({"Last", "First", "ID", "Email"}));

    // What the import does not touch.
    EXPECT_EQ(main.memberCountFld.Text(), "2");
    EXPECT_EQ(main.memberList.ListIndex(), 1);
    EXPECT_EQ(main.LastName.Text(), "Clark");
    EXPECT_EQ(data.read("LastMemberNumber"), "6000002");
    EXPECT_EQ(CustomImportWindow::existing(), nullptr);
}

TEST_F(CustomImportWindowTest, AnEmptyFileAddsOneEmptyMember) {
    mainWindow& main = open();
    importFile("");
    import(CustomImportWindow::instance());
    EXPECT_EQ(main.memberList.ListCount(), 3);
    EXPECT_EQ(storedSinceOpen(), memberLine({}));
}

TEST_F(CustomImportWindowTest, SpreadsheetFilesComeInAsTheirTextSays) {
    mainWindow& main = open();
    // A byte-order mark, CRLF line ends, a name in Latin-1 rather than UTF-8,
    // UTF-8 text, and no line end after the last line.
    importFile(
        "\xEF\xBB\xBF"
        "Ren\xE9,Zo\xEB\r\nM\xC3\xBCller,J\xC3\xBCrgen\r\nOld,Mac\rLast,One");
    import(CustomImportWindow::instance());
    EXPECT_EQ(column(main.memberList, 0),
              (Names{"Brown", "Clark", "Ren\xE9", "M\xC3\xBCller", "Old", "Last"}));
    EXPECT_EQ(column(main.memberList, 1),
              (Names{"Bob", "Cy", "Zo\xEB", "J\xC3\xBCrgen", "Mac", "One"}));
    EXPECT_EQ(storedSinceOpen(), memberLine({"Ren\xE9", "Zo\xEB"}) +
                                     memberLine({"M\xC3\xBCller", "J\xC3\xBCrgen"}) +
                                     memberLine({"Old", "Mac"}) + memberLine({"Last", "One"}));
}

TEST_F(CustomImportWindowTest, TheMappingIsReadFromTheFieldsAsTyped) {
    mainWindow& main = open();
    CustomImportWindow& window = CustomImportWindow::instance();
    window.fname.lineEdit()->setText("2.9");
    window.lname.lineEdit()->setText("1");
    window.membID.lineEdit()->setText("zero");
    window.emailAdd.lineEdit()->setText("-1");
    window.hPhone.lineEdit()->setText("20");
    window.mPhone.lineEdit()->setText("1");
    importFile("Smith,\"Acme, Inc.\",x,4,5,6,7,8\n");
    import(window);
    EXPECT_EQ(row(main.memberList, 2), (Names{"\"Acme", "Smith", "", "", "", "Smith", "6", "7", "8",
                                              "", "", "", "", "", "", "", "", ""}));
}

TEST_F(CustomImportWindowTest, WithAFilterShownTheWholeRollComesBackFirst) {
    mainWindow& main = open();
    // What a filter leaves: a part of the roll, nothing saved, Add and Delete off.
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    main.infoLabel.SetText("Due Members");
    main.Toolbar11.AddButton->SetEnabled(false);
    main.Toolbar11.DeleteButton->SetEnabled(false);

    importFile("Dunn,Di\n");
    import(CustomImportWindow::instance());

    EXPECT_EQ(column(main.memberList, 0), (Names{"Brown", "Clark", "Dunn"}));
    EXPECT_EQ(storedSinceOpen(), memberLine({"Dunn", "Di"}));
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
    EXPECT_TRUE(main.Toolbar11.DeleteButton->Enabled());
    // The count is the one the reload of the roll showed.
    EXPECT_EQ(main.memberCountFld.Text(), "2");
}

TEST_F(CustomImportWindowTest, NoFileOrAnUnreadableOneChangesNothing) {
    mainWindow& main = open();
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    CustomImportWindow& window = CustomImportWindow::instance();

    dialogs.AnswerOpenFile(std::nullopt);
    import(window);
    dialogs.AnswerOpenFile(data.root().Child("missing.csv"));
    import(window);
    dialogs.AnswerOpenFile(data.root());
    import(window);

    EXPECT_EQ(dialogs.asked().size(), 3u);
    EXPECT_EQ(CustomImportWindow::existing(), &window);
    EXPECT_EQ(column(main.memberList, 0), Names{"Clark"});
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(CustomImportWindowTest, CancelClosesAndTheNextWindowStartsFromTheDefaults) {
    CustomImportWindow& window = CustomImportWindow::instance();
    window.company.lineEdit()->setText("0");
    window.PushButton2.Push();
    EXPECT_EQ(CustomImportWindow::existing(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CustomImportWindow::instance().company.Text(), "11");
}

TEST_F(CustomImportWindowTest, ReturnImportsAndEscapeDoesNotCancel) {
    CustomImportWindow& window = CustomImportWindow::instance();
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
    window.dDate.lineEdit()->setFocus();
    QTest::keyClick(window.dDate.lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(CustomImportWindow::existing(), &window);
    dialogs.AnswerOpenFile(std::nullopt);
    QTest::keyClick(window.dDate.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialogs.asked().size(), 1u);
}

// A large file, so that the import gives the event loop turns while it runs.
std::string manyLines(int count) {
    std::string bytes;
    for (int line = 0; line < count; ++line)
        bytes += "Member" + std::to_string(line) + ",First,600" + std::to_string(line) + "\n";
    return bytes;
}

TEST_F(CustomImportWindowTest, NoCloseAndNoSecondImportCutIntoARunningImport) {
    mainWindow& main = open();
    CustomImportWindow& window = CustomImportWindow::instance();
    window.Show();
    // Whatever reaches the window while the import runs, and once it is done.
    QTimer::singleShot(0, [] {
        if (CustomImportWindow* running = CustomImportWindow::existing()) {
            running->PushButton1.Push();
            running->PushButton2.Push();
            running->Close();
        }
    });
    importFile(manyLines(20000));
    import(window);
    QTest::qWait(20);

    EXPECT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(main.memberList.ListCount(), 20002);
    EXPECT_EQ(main.memberList.Cell(20001, 0), "Member19999");
    EXPECT_EQ(std::ranges::count(storedSinceOpen(), '\n'), 20000);
    EXPECT_EQ(CustomImportWindow::existing(), nullptr);
}

}  // namespace

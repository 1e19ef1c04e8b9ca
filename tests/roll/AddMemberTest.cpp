// Adding a member: the empty form with its proposals, the saved row in the
// list and the file, the member number kept, and the welcome e-mail.

#include "core/Column.h"
#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

#include <QComboBox>

namespace {

using Names = std::vector<std::string>;

class AddMemberTest : public ProgramTest {
protected:
    static void addMember(mainWindow& main) { main.Toolbar11_Action(*main.Toolbar11.AddButton); }

    MailCatcher mail;
};

TEST_F(AddMemberTest, ProposesTheNextNumberAndTheDatesOrTellsAnUnreadableNumberFile) {
    mainWindow& main = mainWindow::instance();
    const struct {
        const char* stored;  // nullptr: no number file yet
        std::string proposal;
    } numbers[] = {{nullptr, "6000001"}, {"6000001\r\n", "6000002"},
                   {"12.7", "13"},       {"  41", "42"},
                   {"M-17", "1"},        {"", "1"}};
    for (const auto& c : numbers) {
        SCOPED_TRACE(c.stored ? c.stored : "no file");
        if (c.stored)
            data.write("LastMemberNumber", c.stored);
        addMember(main);
        EXPECT_EQ(main.memberID.Text(), c.proposal);
    }

    Clock::SetFixed(2028, 2, 29, 23, 59);
    addMember(main);
    EXPECT_EQ(main.joinedFld.Text(), "2028-02-29");
    EXPECT_EQ(main.dueFld.Text(), "2029-02-28");
    EXPECT_TRUE(dialogs.asked().empty());

    // A number file that can't be read as text, whoever runs the test, is
    // told, and the form opens all the same.
    const FolderItem numberFile = data.dataFolder().Child("LastMemberNumber");
    ASSERT_TRUE(numberFile.Delete() && numberFile.CreateAsFolder());
    addMember(main);
    EXPECT_EQ(dialogs.messages(), Names{"The selected file is not a text file."});
    EXPECT_EQ(main.memberID.Text(), "");
    EXPECT_EQ(main.dueFld.Text(), "2029-02-28");
}

// While a member is entered, the form is the new member's: nothing typed or
// proposed lands in a row, even one selected meanwhile, but the status box.
TEST_F(AddMemberTest, WhileAddingTheFormWritesIntoNoRow) {
    writeRoll({{.last = "Ames", .first = "Ann", .status = "Inactive"}, {.first = "Nameless"}});
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);
    auto before = std::vector{row(main.memberList, 0), row(main.memberList, 1)};

    addMember(main);
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_FALSE(main.saveBtn.Enabled());
    main.LastName.SetText("N");
    EXPECT_TRUE(main.saveBtn.Enabled()) << "a last name is all it takes";

    main.memberList.SetListIndex(0);
    main.firstName.SetText("Changed");
    main.notesFld.SetText("note");
    main.ComboBox1.SetListIndex(2);
    main.dueFld.SetText("2020-01-01");
    main.CheckBox1.SetValue(true);
    before[0][+Column::Status] = "Active";
    main.memberList.SetListIndex(1);
    EXPECT_FALSE(main.saveBtn.Enabled()) << "the row shown has no last name";
    EXPECT_EQ((std::vector{row(main.memberList, 0), row(main.memberList, 1)}), before);
}

TEST_F(AddMemberTest, SavedMemberIsSortedIntoTheListAndTheFileAndItsNumberKept) {
    writeRoll({{.last = "Brown", .first = "first"},
               {.last = "adams"},
               {.last = "Clark"},
               {.last = "brown", .first = "second"}});
    mainWindow& main = mainWindow::instance();
    addMember(main);
    // Typed into the text fields, in column order.
    const Names typed = {"Baker",      "Ann",    "7100",      "ann@example.org", "555-0101",
                         "555-0102",   "1 Main", "Halifax",   "B3H 1A1",         "NS",
                         "2026-06-01", "Acme",   "2020-01-01"};
    for (size_t i = 0; i < typed.size(); ++i)
        formFields(main)[i]->SetText(typed[i]);
    main.ComboBox1.SetListIndex(2);
    // Only the chosen item counts for the type, never text typed into the box.
    static_cast<QComboBox*>(main.ComboBox1.widget())->setEditText("Patron");
    main.notesFld.SetText("line one\nline two");
    main.CheckBox1.SetValue(true);
    dialogs.AnswerQuestion(MessageDialog::Button::Cancel);
    main.saveBtn.Push();
    // A due date long past still starts the member as paid this year.
    Names saved(typed.begin(), typed.begin() + 11);
    saved.insert(saved.end(), {"Organization", "Acme", "Paid", "2020-01-01", "2026",
                               "line one###line two", "active"});
    const Names order = {"adams", "Baker", "Brown", "brown", "Clark"};

    EXPECT_EQ(column(main.memberList, 0), order);
    EXPECT_EQ(main.memberList.Cell(2, +Column::FirstName), "first")
        << "equal names keep their order";
    EXPECT_EQ(row(main.memberList, 1), saved);
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_FALSE(main.saveBtn.Enabled());
    EXPECT_TRUE(mail.mails().empty());

    closeAllWindows();
    mainWindow& again = mainWindow::instance();
    EXPECT_EQ(column(again.memberList, 0), order);
    EXPECT_EQ(row(again.memberList, 1), saved);
    addMember(again);
    EXPECT_EQ(again.memberID.Text(), "7101");
}

// Whether or not a row was clicked while it was entered, a saved member leaves
// the form empty and shut: nothing typed next can look kept and go nowhere.
TEST_F(AddMemberTest, SavingLeavesTheFormEmptyAndShut) {
    mainWindow& main = openWithFourMembers();
    for (const int clicked : {-1, 2}) {
        SCOPED_TRACE(clicked);
        addMember(main);
        main.memberList.SetListIndex(clicked);
        main.LastName.SetText("Baker");
        main.EmailAddress.SetText("baker@example.org");
        dialogs.AnswerQuestion(MessageDialog::Button::Cancel);
        main.saveBtn.Push();
        ASSERT_EQ(main.memberList.ListCount(), clicked < 0 ? 5 : 6);
        for (TextField* field : formFields(main)) {
            EXPECT_FALSE(field->Enabled()) << field->Name();
            if (field != &main.companyFld) {
                EXPECT_EQ(field->Text(), "") << field->Name();
            }
        }
        EXPECT_FALSE(main.notesFld.Enabled());
        EXPECT_FALSE(main.ComboBox1.Enabled());
        EXPECT_FALSE(main.emailBtn.Enabled());
    }
}

// The file never gets a member saved into a filtered list, so the member
// waits in the form, unsaved and unnumbered, until the whole roll is back.
TEST_F(AddMemberTest, AMemberTypedUnderAFilterWaitsInTheFormForTheWholeRoll) {
    mainWindow& main = openWithFourMembers();
    const std::string stored = data.read("rkMemberList");
    addMember(main);
    main.LastName.SetText("Bake");
    main.firstName.SetText("Ann");
    dueByMonthRoute(main).start();
    ASSERT_TRUE(Globals::gSearchOn);
    main.saveBtn.Push();
    main.LastName.SetText("Baker");
    main.saveBtn.Push();
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_FALSE(data.exists("LastMemberNumber"));
    EXPECT_EQ(data.read("rkMemberList"), stored);

    main.Toolbar11.ShowAllMembers->action()->trigger();
    EXPECT_EQ(main.LastName.Text(), "Baker");
    EXPECT_EQ(main.firstName.Text(), "Ann");
    EXPECT_EQ(main.memberID.Text(), "6000001");
    dialogs.AnswerQuestion(MessageDialog::Button::Cancel);
    main.saveBtn.Push();
    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(data.read("LastMemberNumber"), "6000001");
    EXPECT_NE(data.read("rkMemberList").find("Baker@@@Ann@@@6000001@@@"), std::string::npos);
}

TEST_F(AddMemberTest, TheWelcomeMailCarriesTheNewNumberAndNeedsAnAddress) {
    data.write("membWelcomeText", "Welcome aboard!");
    mainWindow& main = mainWindow::instance();
    for (const std::string address : {"ann@example.org", ""}) {
        SCOPED_TRACE(address);
        dialogs.clear();
        addMember(main);
        const std::string number = main.memberID.Text();
        main.LastName.SetText("Able");
        main.EmailAddress.SetText(address);
        dialogs.AnswerQuestion(MessageDialog::Button::Action);
        main.saveBtn.Push();

        ASSERT_EQ(dialogs.questions().size(), 1u);
        EXPECT_EQ(dialogs.questions()[0].text, "Do you want to send a 'Welcome to Pellam' email?");
        EXPECT_EQ(dialogs.messages(),
                  address.empty() ? Names{"No email address available."} : Names{});
        // Mailed or not, the member and the number are saved.
        EXPECT_EQ(data.read("LastMemberNumber"), number);
        EXPECT_NE(data.read("rkMemberList").find("Able@@@@@@" + number + "@@@"), std::string::npos);
    }
    ASSERT_EQ(mail.mails().size(), 1u);
    EXPECT_EQ(mail.mails()[0].recipient, "ann@example.org");
    EXPECT_EQ(mail.mails()[0].subject, "Welcome to Pellam");
    EXPECT_EQ(mail.mails()[0].body, "Pellam Member Number: 6000001\n\nWelcome aboard!");
}

}  // namespace

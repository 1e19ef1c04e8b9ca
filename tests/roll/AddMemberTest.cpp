// Adding a member: the empty form with its proposals, the saved row, the
// welcome e-mail, the member-number file and what the list and file show after.

#include "platform/Text.h"
#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

#include <QComboBox>

namespace {

using Button = MessageDialog::Button;

class AddMemberTest : public ProgramTest {
protected:
    mainWindow& open() { return mainWindow::instance(); }

    static void addMember(mainWindow& main) { main.Toolbar11_Action(*main.Toolbar11.AddButton); }

    // Saves the member entered, answering the welcome question as told.
    void save(mainWindow& main, Button answer) {
        dialogs.AnswerQuestion(answer);
        ASSERT_TRUE(main.saveBtn.Enabled());
        main.saveBtn.Push();
        EXPECT_EQ(dialogs.unusedAnswers(), 0u);
    }

    std::string proposalFor(mainWindow& main, std::string_view stored) {
        data.write("LastMemberNumber", stored);
        addMember(main);
        return main.memberID.Text();
    }

    MailCatcher mail;
};

TEST_F(AddMemberTest, ProposesTheNumberAfterTheOneStoredLast) {
    mainWindow& main = open();
    addMember(main);
    EXPECT_EQ(main.memberID.Text(), "6000001") << "no number file yet";

    EXPECT_EQ(proposalFor(main, "6000001"), "6000002");
    EXPECT_EQ(proposalFor(main, "6000001\n"), "6000002");
    EXPECT_EQ(proposalFor(main, "6000001\r\n"), "6000002");
    EXPECT_EQ(proposalFor(main, "12.7"), "13");
    EXPECT_EQ(proposalFor(main, "12.2"), "13");
    EXPECT_EQ(proposalFor(main, "  41"), "42");
    EXPECT_EQ(proposalFor(main, "99abc"), "100");
    EXPECT_EQ(proposalFor(main, "-0.5"), "0");
    EXPECT_EQ(proposalFor(main, "M-17"), "1");
    EXPECT_EQ(proposalFor(main, ""), "1");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(AddMemberTest, UnreadableNumberFileGivesAMessageAndNoNumber) {
    // A folder of that name exists but can't be read as text, whoever runs the test.
    ASSERT_TRUE(data.dataFolder().Child("LastMemberNumber").CreateAsFolder());
    mainWindow& main = open();
    addMember(main);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"The selected file is not a text file."});
    EXPECT_EQ(main.memberID.Text(), "");
    // The command went on to its end.
    EXPECT_EQ(main.dueFld.Text(), "2027-06-15");
    EXPECT_TRUE(Globals::gAddingMember);
}

TEST_F(AddMemberTest, ProposesTodayAndTheSameDayNextYear) {
    mainWindow& main = open();
    addMember(main);
    EXPECT_EQ(main.joinedFld.Text(), "2026-06-15");
    EXPECT_EQ(main.dueFld.Text(), "2027-06-15");

    Clock::SetFixed(2026, 1, 5, 23, 59);
    addMember(main);
    EXPECT_EQ(main.joinedFld.Text(), "2026-01-05");
    EXPECT_EQ(main.dueFld.Text(), "2027-01-05");

    Clock::SetFixed(2028, 2, 29, 9, 0);
    addMember(main);
    EXPECT_EQ(main.joinedFld.Text(), "2028-02-29");
    EXPECT_EQ(main.dueFld.Text(), "2029-02-28");
}

TEST_F(AddMemberTest, EmptyFormKeepsCompanyTypeAndActiveOfTheMemberShown) {
    writeRoll({{.last = "Shown",
                .first = "Sue",
                .id = "41",
                .email = "sue@example.org",
                .type = "Family",
                .due = "2027-01-01",
                .notes = "a###b",
                .status = "Inactive"}});
    mainWindow& main = open();
    main.memberList.SetCell(0, 12, "Acme Ltd");
    main.memberList.SetListIndex(0);
    ASSERT_EQ(main.companyFld.Text(), "Acme Ltd");
    const std::vector<std::string> shownRow = row(main.memberList, 0);

    addMember(main);
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(main.infoLabel.Text(),
              "Add New Member - click 'SAVE NEW MEMBER' after entering member information");
    for (TextField* field :
         {&main.firstName, &main.LastName, &main.EmailAddress, &main.HomePhone, &main.mobilePhone,
          &main.streetAddress, &main.cityFld, &main.provinceState, &main.postalZip}) {
        EXPECT_EQ(field->Text(), "") << field->Name();
        EXPECT_TRUE(field->Enabled()) << field->Name();
    }
    EXPECT_EQ(main.notesFld.Text(), "");
    EXPECT_TRUE(main.notesFld.Enabled());
    EXPECT_EQ(main.memberID.Text(), "6000001");
    EXPECT_EQ(main.companyFld.Text(), "Acme Ltd");
    EXPECT_EQ(main.ComboBox1.ListIndex(), 1);
    EXPECT_TRUE(main.ComboBox1.Enabled());
    EXPECT_FALSE(main.CheckBox1.Value());
    EXPECT_TRUE(main.saveBtn.Visible());
    EXPECT_FALSE(main.saveBtn.Enabled());
    EXPECT_TRUE(Globals::gAddingMember);
    // Emptying the form and proposing dates went into no row.
    EXPECT_EQ(row(main.memberList, 0), shownRow);

    // A last name is all it takes to save.
    main.LastName.SetText("N");
    EXPECT_TRUE(main.saveBtn.Enabled());
    main.LastName.SetText("");
    EXPECT_FALSE(main.saveBtn.Enabled());
}

TEST_F(AddMemberTest, SavedRowHoldsTheFormAsEighteenCells) {
    writeRoll({{.last = "Zimmer"}});
    mainWindow& main = open();
    addMember(main);
    main.LastName.SetText("Able");
    main.firstName.SetText("Ann");
    main.memberID.SetText("6000001");
    main.EmailAddress.SetText("ann@example.org");
    main.HomePhone.SetText("555-0101");
    main.mobilePhone.SetText("555-0102");
    main.streetAddress.SetText("1 Main St");
    main.cityFld.SetText("Halifax");
    main.postalZip.SetText("B3H 1A1");
    main.provinceState.SetText("NS");
    main.companyFld.SetText("Acme");
    main.ComboBox1.SetListIndex(2);
    // A due date long past still starts the member as paid this year.
    main.dueFld.SetText("2020-01-01");
    main.notesFld.SetText("line one\nline two");
    main.CheckBox1.SetValue(true);
    save(main, Button::Cancel);

    ASSERT_EQ(main.memberList.ListCount(), 2);
    EXPECT_EQ(row(main.memberList, 0),
              (std::vector<std::string>{"Able", "Ann", "6000001", "ann@example.org", "555-0101",
                                        "555-0102", "1 Main St", "Halifax", "B3H 1A1", "NS",
                                        "2026-06-15", "Organization", "Acme", "Paid", "2020-01-01",
                                        "2026", "line one###line two", "active"}));
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");

    EXPECT_EQ(dialogs.questions(),
              std::vector{ScriptedDialogs::Question(
                  3, "Do you want to send a 'Welcome to Pellam' email?", "Send")});

    // The file holds the row as the list does, in last-name order.
    Globals::loadListBox(main.memberList, "rkMemberList");
    ASSERT_EQ(main.memberList.ListCount(), 2);
    EXPECT_EQ(main.memberList.Cell(0, 0), "Able");
    EXPECT_EQ(main.memberList.Cell(0, 16), "line one###line two");
    EXPECT_EQ(main.memberList.Cell(1, 0), "Zimmer");
}

TEST_F(AddMemberTest, TypeComesFromTheChosenItemAndStatusFromTheBox) {
    mainWindow& main = open();
    auto* box = static_cast<QComboBox*>(main.ComboBox1.widget());
    const struct {
        int item;
        std::string typed;
        bool active;
        std::string type, status;
    } cases[] = {
        {0, "", true, "Individual", "active"},
        {1, "", false, "Family", "Inactive"},
        {2, "", true, "Organization", "active"},
        {3, "", false, "Other", "Inactive"},
        // Typed text is never read: only the chosen item counts.
        {1, "Patron", true, "Family", "active"},
        {-1, "Patron", true, "", "active"},
        {-1, "", false, "", "Inactive"},
    };
    int n = 0;
    for (const auto& c : cases) {
        addMember(main);
        main.LastName.SetText("Member" + std::to_string(n++));
        main.ComboBox1.SetListIndex(c.item);
        if (!c.typed.empty())
            box->setEditText(QString::fromStdString(c.typed));
        main.CheckBox1.SetValue(c.active);
        save(main, Button::Cancel);
        // Names in the order of adding, so the list keeps the new one last.
        const int saved = main.memberList.ListCount() - 1;
        ASSERT_EQ(main.memberList.Cell(saved, 0), "Member" + std::to_string(n - 1));
        EXPECT_EQ(main.memberList.Cell(saved, 11), c.type) << "item " << c.item << c.typed;
        EXPECT_EQ(main.memberList.Cell(saved, 17), c.status) << "item " << c.item;
    }
}

TEST_F(AddMemberTest, SaveSortsByLastNameIgnoringCaseAndEndsAdding) {
    writeRoll({{.last = "Brown", .first = "first"},
               {.last = "adams"},
               {.last = "Clark"},
               {.last = "brown", .first = "second"}});
    mainWindow& main = open();
    addMember(main);
    main.LastName.SetText("Baker");
    main.EmailAddress.SetText("baker@example.org");
    save(main, Button::Cancel);

    EXPECT_EQ(column(main.memberList, 0),
              (std::vector<std::string>{"adams", "Baker", "Brown", "brown", "Clark"}));
    // Equal names keep their order.
    EXPECT_EQ(main.memberList.Cell(2, 1), "first");
    EXPECT_EQ(main.memberList.Cell(3, 1), "second");
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_FALSE(main.saveBtn.Enabled());
    EXPECT_EQ(data.read("LastMemberNumber"), "6000001");

    const std::string file = data.read("rkMemberList");
    EXPECT_EQ(file.find("adams@@@"), 0u);
    EXPECT_NE(file.find("\nBaker@@@@@@6000001@@@baker@example.org@@@"), std::string::npos);
    EXPECT_LT(file.find("\nBaker@@@"), file.find("\nBrown@@@first"));
}

// With "Send" and an address the welcome goes out, template or not.
TEST_F(AddMemberTest, WelcomeMailCarriesTheNumberAndTheTemplate) {
    mainWindow& main = open();
    for (const bool withTemplate : {true, false}) {
        if (withTemplate)
            data.write("membWelcomeText", "Welcome aboard!\n\nSee you at the AGM.");
        else
            data.dataFolder().Child("membWelcomeText").Delete();
        addMember(main);
        const std::string number = main.memberID.Text();
        main.LastName.SetText("Able");
        main.EmailAddress.SetText("ann@example.org");
        save(main, Button::Action);

        const std::string body = withTemplate ? "Pellam Member Number: " + number +
                                                    "\n\nWelcome aboard!\n\nSee you at the AGM."
                                              : "";
        ASSERT_FALSE(mail.mails().empty());
        const MailCatcher::Mail last = mail.mails().back();
        EXPECT_EQ(last.recipient, "ann@example.org");
        EXPECT_EQ(last.subject, "Welcome to Pellam");
        EXPECT_EQ(last.body, body);
        EXPECT_EQ(data.read("LastMemberNumber"), number);
        EXPECT_FALSE(Globals::gAddingMember);
    }
    EXPECT_EQ(mail.mails().size(), 2u);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"The selected file is not a text file."});
    EXPECT_EQ(column(main.memberList, 2), (std::vector<std::string>{"6000001", "6000002"}));
    EXPECT_NE(data.read("rkMemberList").find("Able@@@@@@6000002@@@"), std::string::npos);
}

// "Send" without an address and the cancel answer save exactly alike.
TEST_F(AddMemberTest, NoAddressOrCancelSavesWithoutAMail) {
    data.write("membWelcomeText", "Welcome");
    for (const Button answer : {Button::Action, Button::Cancel}) {
        mainWindow& main = open();
        dialogs.clear();
        addMember(main);
        const std::string number = main.memberID.Text();
        main.LastName.SetText("Able");
        save(main, answer);

        EXPECT_EQ(dialogs.messages(), answer == Button::Action
                                          ? std::vector<std::string>{"No email address available."}
                                          : std::vector<std::string>{});
        EXPECT_TRUE(mail.mails().empty());
        EXPECT_EQ(data.read("LastMemberNumber"), number);
        EXPECT_EQ(main.memberList.ListIndex(), -1);
        EXPECT_FALSE(Globals::gAddingMember);
        EXPECT_FALSE(main.saveBtn.Enabled());
        EXPECT_NE(data.read("rkMemberList").find("Able@@@@@@" + number + "@@@"), std::string::npos);
    }
    EXPECT_EQ(data.read("LastMemberNumber"), "6000002");
}

TEST_F(AddMemberTest, TypedNumberIsStoredAndCountedOn) {
    mainWindow& main = open();
    addMember(main);
    main.LastName.SetText("Able");
    main.memberID.SetText("7100");
    save(main, Button::Cancel);
    EXPECT_EQ(data.read("LastMemberNumber"), "7100");

    addMember(main);
    EXPECT_EQ(main.memberID.Text(), "7101");
    main.LastName.SetText("Baker");
    main.memberID.SetText(" A-7 (family) ");
    save(main, Button::Cancel);
    // Whatever the field held, with nothing added.
    EXPECT_EQ(data.read("LastMemberNumber"), " A-7 (family) ");
    EXPECT_EQ(column(main.memberList, 2), (std::vector<std::string>{"7100", " A-7 (family) "}));
    addMember(main);
    EXPECT_EQ(main.memberID.Text(), "1");
}

TEST_F(AddMemberTest, WhileFilteredTheMemberFileIsNotWritten) {
    writeRoll({{.last = "Kept"}, {.last = "Hidden"}});
    mainWindow& main = open();
    const std::string stored = data.read("rkMemberList");
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(1);
    addMember(main);
    main.LastName.SetText("Able");
    save(main, Button::Cancel);

    EXPECT_EQ(column(main.memberList, 0), (std::vector<std::string>{"Able", "Kept"}));
    EXPECT_EQ(data.read("rkMemberList"), stored);
    // The number is taken all the same.
    EXPECT_EQ(data.read("LastMemberNumber"), "6000001");
    EXPECT_FALSE(Globals::gAddingMember);
}

// The proposed dates are ones the paid/due rules and payments read as dates.
TEST_F(AddMemberTest, NewMemberPaysAndFallsDueByItsProposedDates) {
    mainWindow& main = open();
    addMember(main);
    main.LastName.SetText("Able");
    main.EmailAddress.SetText("ann@example.org");
    save(main, Button::Cancel);

    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.memberList.Cell(0, 13), "Paid");
    dialogs.AnswerQuestion(Button::Cancel);
    main.paymentBtn.Push();
    EXPECT_EQ(main.dueFld.Text(), "2028-06-15");
    EXPECT_EQ(main.memberList.Cell(0, 14), "2028-06-15");
    EXPECT_EQ(main.memberList.Cell(0, 13), "Paid");
    EXPECT_EQ(main.memberList.Cell(0, 15), "2026");
    main.Close();

    // A year and a half later the renewed membership falls due.
    Clock::SetFixed(2028, 7, 1, 10, 0);
    mainWindow& again = open();
    ASSERT_EQ(again.memberList.ListCount(), 1);
    EXPECT_EQ(again.memberList.Cell(0, 14), "2028-06-15");
    EXPECT_EQ(again.memberList.Cell(0, 13), "Due");
}

}  // namespace

// The record form: selecting a row fills it, and every change of a control
// goes straight into the selected row.

#include "tests/support/ProgramTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace {

class RecordFormTest : public ProgramTest {
protected:
    mainWindow& open() { return mainWindow::instance(); }

    static std::vector<std::vector<std::string>> rows(const Listbox& list) {
        std::vector<std::vector<std::string>> all;
        for (int index = 0; index < list.ListCount(); ++index)
            all.push_back(row(list, index));
        return all;
    }

    static std::vector<TextField*> textFields(mainWindow& main) {
        return {&main.LastName,  &main.firstName,     &main.memberID,      &main.EmailAddress,
                &main.HomePhone, &main.mobilePhone,   &main.streetAddress, &main.cityFld,
                &main.postalZip, &main.provinceState, &main.joinedFld,     &main.companyFld,
                &main.dueFld};
    }

    // A row with a text of its own in every cell the form shows.
    static std::string fullLine(const std::string& last, const std::string& type,
                                const std::string& notes, const std::string& status) {
        return memberLine({last, "First " + last, "7" + last, last + "@example.org", "Home " + last,
                           "Mobile " + last, "Street " + last, "City " + last, "PC " + last,
                           "Prov " + last, "2020-02-0" + last, type, "Company " + last, "Paid",
                           "2027-03-0" + last, "2026", notes, status});
    }
};

TEST_F(RecordFormTest, SelectingARowFillsEveryControlInOrder) {
    data.write("rkMemberList", fullLine("1", "Family", "first###second", "Active"));
    mainWindow& main = open();

    // Each change handler runs as its control is filled, in the form's order.
    std::vector<std::string> order;
    for (TextField* field : textFields(main))
        field->TextChange = [&order, field, handler = field->TextChange] {
            order.push_back(field->Name());
            handler();
        };
    main.ComboBox1.TextChanged = [&order, handler = main.ComboBox1.TextChanged] {
        order.push_back("ComboBox1");
        handler();
    };
    main.notesFld.TextChange = [&order, handler = main.notesFld.TextChange] {
        order.push_back("notesFld");
        handler();
    };
    main.CheckBox1.Action = [&order, handler = main.CheckBox1.Action] {
        order.push_back("CheckBox1");
        handler();
    };

    main.memberList.SetListIndex(0);
    EXPECT_EQ(order,
              (std::vector<std::string>{"LastName", "firstName", "memberID", "EmailAddress",
                                        "HomePhone", "mobilePhone", "streetAddress", "cityFld",
                                        "postalZip", "provinceState", "joinedFld", "ComboBox1",
                                        "companyFld", "dueFld", "notesFld", "CheckBox1"}));

    const std::vector<std::string> shown = {
        "1",      "First 1", "71",     "1@example.org", "Home 1",    "Mobile 1",  "Street 1",
        "City 1", "PC 1",    "Prov 1", "2020-02-01",    "Company 1", "2027-03-01"};
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(textFields(main)[i]->Text(), shown[i]) << textFields(main)[i]->Name();
    EXPECT_EQ(main.ComboBox1.ListIndex(), 1);
    EXPECT_EQ(main.notesFld.Text(), "first\nsecond");
    EXPECT_TRUE(main.CheckBox1.Value());

    // The whole roll is shown: the form is usable.
    for (TextField* field : textFields(main))
        EXPECT_TRUE(field->Enabled()) << field->Name();
    for (Control* on :
         std::initializer_list<Control*>{&main.notesFld, &main.ComboBox1, &main.searchFld,
                                         &main.memberCountFld, &main.emailBtn, &main.RenewBtn})
        EXPECT_TRUE(on->Enabled()) << on->Name();
    EXPECT_FALSE(main.saveBtn.Enabled());
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
}

TEST_F(RecordFormTest, SelectingRowsLeavesTheirTextCellsAsTheyWere) {
    data.write("rkMemberList",
               fullLine("1", "Individual", "a######b###", "Active") +
                   memberLine({"  Ödön  ", "", "", "", "tab\there", "", "", "", "", "", "",
                               "Individual", "", "Due", "", "", "####", "Active"}) +
                   fullLine("3", "Other", "", "Inactive") +
                   memberLine({"bad\xff bytes", "é", "", "", "", "", "", "", "", "", "", "Other",
                               "x", "Paid", "2030-01-01", "", "###", "Inactive"}));
    mainWindow& main = open();
    const auto before = rows(main.memberList);
    for (int index : {0, 1, 2, 3, 1, 0, 3, 2})
        main.memberList.SetListIndex(index);
    EXPECT_EQ(rows(main.memberList), before);

    main.Close();
    closeAllWindows();
    mainWindow& again = open();
    EXPECT_EQ(rows(again.memberList), before);
}

TEST_F(RecordFormTest, TypeTakesTheItemsSpellingOrIsLeftAlone) {
    writeRoll({{.last = "Org", .type = "organization"},
               {.last = "Fam", .type = "FAMILY"},
               {.last = "Fam2", .type = "family"},
               {.last = "Odd", .type = "Honorary"},
               {.last = "Blank", .type = ""}});
    mainWindow& main = open();

    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.ComboBox1.ListIndex(), 2);
    EXPECT_EQ(main.memberList.Cell(0, 11), "Organization");

    main.memberList.SetListIndex(1);
    EXPECT_EQ(main.ComboBox1.ListIndex(), 1);
    EXPECT_EQ(main.memberList.Cell(1, 11), "Family");
    // The box already shows "Family"; the row still gets the item's spelling.
    main.memberList.SetListIndex(2);
    EXPECT_EQ(main.memberList.Cell(2, 11), "Family");

    // Nothing matches: the box keeps the previous member's type, the row its text.
    main.memberList.SetListIndex(3);
    EXPECT_EQ(main.ComboBox1.ListIndex(), 1);
    EXPECT_EQ(main.ComboBox1.Text(), "Family");
    EXPECT_EQ(main.memberList.Cell(3, 11), "Honorary");
    main.memberList.SetListIndex(4);
    EXPECT_EQ(main.ComboBox1.ListIndex(), 1);
    EXPECT_EQ(main.memberList.Cell(4, 11), "");
    EXPECT_EQ(main.memberList.Cell(2, 11), "Family");
}

TEST_F(RecordFormTest, ChosenOrTypedTypeGoesIntoTheRow) {
    writeRoll({{.last = "Ames", .type = "Family"}, {.last = "Bell", .type = "Family"}});
    mainWindow& main = open();
    main.memberList.SetListIndex(0);

    main.ComboBox1.SetListIndex(3);
    EXPECT_EQ(main.memberList.Cell(0, 11), "Other");
    main.ComboBox1.SetListIndex(1);
    EXPECT_EQ(main.memberList.Cell(0, 11), "Family");

    QComboBox* box = static_cast<QComboBox*>(main.ComboBox1.widget());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Life");
    EXPECT_EQ(main.memberList.Cell(0, 11), "Life");

    // The next member's own item is shown again, not what was typed for the last.
    main.memberList.SetListIndex(1);
    EXPECT_EQ(main.ComboBox1.Text(), "Family");
    EXPECT_EQ(main.memberList.Cell(1, 11), "Family");
    EXPECT_EQ(main.memberList.Cell(0, 11), "Life");
}

TEST_F(RecordFormTest, NotesKeepTheirLineEndsAsHashes) {
    writeRoll({{.last = "Ames", .notes = "one###two###"}, {.last = "Bell"}});
    mainWindow& main = open();
    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.notesFld.Text(), "one\ntwo\n");

    main.notesFld.SetText("first\nsecond");
    EXPECT_EQ(main.memberList.Cell(0, 16), "first###second");

    // Typed at the keyboard, with a plain and a soft line break.
    QTextEdit* edit = main.notesFld.textEdit();
    edit->clear();
    QTest::keyClicks(edit, "a");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "b");
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(edit, "c ### d");
    EXPECT_EQ(main.memberList.Cell(0, 16), "a###b###c ### d");

    // A "###" the user typed comes back as a line end.
    main.memberList.SetListIndex(1);
    EXPECT_EQ(main.notesFld.Text(), "");
    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.notesFld.Text(), "a\nb\nc \n d");
    EXPECT_EQ(main.memberList.Cell(0, 16), "a###b###c ### d");
}

TEST_F(RecordFormTest, StatusTicksOnlyForActiveAndIsRewrittenOnlyWhenTheBoxChanges) {
    writeRoll({{.last = "Caps", .status = "ACTIVE"},
               {.last = "Off", .status = "Inactive"},
               {.last = "Low", .status = "active"},
               {.last = "Imported", .status = ""},
               {.last = "Low2", .status = "active"},
               {.last = "Imported2", .status = ""},
               {.last = "Odd", .status = "Lapsed"}});
    mainWindow& main = open();
    Listbox& list = main.memberList;

    // Selected in turn: the box's value, and the status the row then holds.
    // It is rewritten in the form's spelling only when the box changes.
    struct Step {
        int row;
        bool ticked;
        std::string status;
    };
    const Step steps[] = {
        {0, true, "Active"}, {1, false, "Inactive"}, {2, true, "Active"}, {3, false, "Inactive"},
        {5, false, ""},      {6, false, "Lapsed"},   {2, true, "Active"}, {4, true, "active"},
    };
    for (const Step& step : steps) {
        list.SetListIndex(step.row);
        EXPECT_EQ(main.CheckBox1.Value(), step.ticked) << step.row;
        EXPECT_EQ(list.Cell(step.row, 17), step.status) << step.row;
    }

    // A click writes the status at once.
    QTest::mouseClick(main.CheckBox1.widget(), Qt::LeftButton, {},
                      main.CheckBox1.widget()->rect().center());
    EXPECT_FALSE(main.CheckBox1.Value());
    EXPECT_EQ(list.Cell(4, 17), "Inactive");
    main.CheckBox1.SetValue(true);
    EXPECT_EQ(list.Cell(4, 17), "Active");
}

TEST_F(RecordFormTest, EmailButtonsFollowTheAddressShownAtSelection) {
    writeRoll({{.last = "Ames", .email = "a@example.org"}, {.last = "Bell", .email = ""}});
    mainWindow& main = open();
    main.memberList.SetListIndex(1);
    EXPECT_FALSE(main.emailBtn.Enabled());
    EXPECT_FALSE(main.RenewBtn.Enabled());

    QTest::keyClicks(main.EmailAddress.lineEdit(), "b@example.org");
    EXPECT_EQ(main.memberList.Cell(1, 3), "b@example.org");
    EXPECT_FALSE(main.emailBtn.Enabled());
    EXPECT_FALSE(main.RenewBtn.Enabled());

    main.memberList.SetListIndex(0);
    EXPECT_TRUE(main.emailBtn.Enabled());
    EXPECT_TRUE(main.RenewBtn.Enabled());
    main.EmailAddress.SetText("");
    EXPECT_TRUE(main.emailBtn.Enabled());

    main.memberList.SetListIndex(1);
    EXPECT_TRUE(main.emailBtn.Enabled());
    EXPECT_TRUE(main.RenewBtn.Enabled());
}

TEST_F(RecordFormTest, FilteredRowIsShownBlockedAndOnlyItsStatusChanges) {
    writeRoll({{.last = "Ames", .email = "a@example.org", .type = "Other", .status = "Active"},
               {.last = "Bell", .email = "", .status = "Active"}});
    mainWindow& main = open();
    const std::string stored = data.read("rkMemberList");
    Globals::gSearchOn = true;

    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.LastName.Text(), "Ames");
    EXPECT_EQ(main.ComboBox1.ListIndex(), 3);
    for (TextField* field : textFields(main))
        EXPECT_FALSE(field->Enabled()) << field->Name();
    for (Control* off :
         std::initializer_list<Control*>{&main.notesFld, &main.ComboBox1, &main.paymentBtn,
                                         &main.searchFld, &main.memberCountFld, &main.saveBtn})
        EXPECT_FALSE(off->Enabled()) << off->Name();
    for (Control* on : std::initializer_list<Control*>{&main.CheckBox1, &main.emailBtn,
                                                       &main.RenewBtn, &main.memberList})
        EXPECT_TRUE(on->Enabled()) << on->Name();
    EXPECT_EQ(main.infoLabel.Text(), "Search Results");

    main.memberList.SetListIndex(1);
    EXPECT_FALSE(main.emailBtn.Enabled());
    EXPECT_FALSE(main.LastName.Enabled());

    QTest::mouseClick(main.CheckBox1.widget(), Qt::LeftButton, {},
                      main.CheckBox1.widget()->rect().center());
    EXPECT_EQ(main.memberList.Cell(1, 17), "Inactive");
    EXPECT_EQ(main.memberList.Cell(0, 17), "Active");
    // The filtered view is never saved, not even on closing.
    main.Close();
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(RecordFormTest, ClearingTheSelectionEmptiesAndBlocksTheFormAndWritesNothing) {
    writeRoll({{.last = "Ames",
                .first = "Ann",
                .id = "5",
                .email = "a@example.org",
                .type = "Family",
                .notes = "n###m",
                .status = "Active"},
               {.last = "Bell"}});
    mainWindow& main = open();
    main.memberList.SetCell(0, 12, "Acme");
    // Come from a filtered view, which switched "Payment Received" off.
    Globals::gSearchOn = true;
    main.memberList.SetListIndex(0);
    ASSERT_FALSE(main.paymentBtn.Enabled());
    const auto before = rows(main.memberList);

    main.memberList.SetListIndex(-1);
    EXPECT_EQ(rows(main.memberList), before);
    for (TextField* field : textFields(main)) {
        EXPECT_FALSE(field->Enabled()) << field->Name();
        if (field != &main.companyFld) {
            EXPECT_EQ(field->Text(), "") << field->Name();
        }
    }
    EXPECT_EQ(main.companyFld.Text(), "Acme");
    EXPECT_EQ(main.notesFld.Text(), "");
    EXPECT_FALSE(main.notesFld.Enabled());
    EXPECT_EQ(main.ComboBox1.ListIndex(), 1);
    EXPECT_FALSE(main.ComboBox1.Enabled());
    EXPECT_TRUE(main.CheckBox1.Value());
    EXPECT_TRUE(main.searchFld.Enabled());
    EXPECT_TRUE(main.paymentBtn.Enabled());
    EXPECT_FALSE(main.memberCountFld.Enabled());
    for (Control* off :
         std::initializer_list<Control*>{&main.saveBtn, &main.emailBtn, &main.RenewBtn})
        EXPECT_FALSE(off->Enabled()) << off->Name();
    EXPECT_EQ(main.infoLabel.Text(), "Search Results");

    // With no row selected, no change lands anywhere.
    main.companyFld.SetText("Other Co");
    main.notesFld.SetText("loose");
    main.CheckBox1.SetValue(false);
    main.ComboBox1.SetListIndex(3);
    main.dueFld.SetText("2020-01-01");
    EXPECT_EQ(rows(main.memberList), before);
}

TEST_F(RecordFormTest, WhileAddingEditsGoNowhereButTheStatusAndALastNameAllowsSaving) {
    writeRoll({{.last = "Ames", .first = "Ann", .status = "Inactive"},
               {.last = "", .first = "Nameless", .status = "Active"}});
    mainWindow& main = open();
    main.AddMember();
    ASSERT_TRUE(Globals::gAddingMember);
    const auto before = rows(main.memberList);

    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.firstName.Text(), "Ann");
    EXPECT_TRUE(main.LastName.Enabled());
    EXPECT_TRUE(main.saveBtn.Enabled());
    main.firstName.SetText("Changed");
    QTest::keyClicks(main.cityFld.lineEdit(), "Typed");
    main.notesFld.SetText("note");
    main.ComboBox1.SetListIndex(2);
    main.dueFld.SetText("2020-01-01");
    EXPECT_EQ(rows(main.memberList), before);

    // The check box alone still writes into the selected row.
    main.CheckBox1.SetValue(true);
    EXPECT_EQ(main.memberList.Cell(0, 17), "Active");

    main.memberList.SetListIndex(1);
    EXPECT_EQ(main.firstName.Text(), "Nameless");
    EXPECT_FALSE(main.saveBtn.Enabled());
    main.LastName.SetText("Now Named");
    EXPECT_TRUE(main.saveBtn.Enabled());
    EXPECT_EQ(main.memberList.Cell(1, 0), "");
}

TEST_F(RecordFormTest, WhileAddingARowWithTheLastNameAlreadyShownAllowsSaving) {
    writeRoll({{.last = "Ames"}, {.last = "Bell"}});
    mainWindow& main = open();
    main.AddMember();
    main.LastName.SetText("Bell");
    ASSERT_TRUE(main.saveBtn.Enabled());

    main.memberList.SetListIndex(1);
    EXPECT_EQ(main.LastName.Text(), "Bell");
    EXPECT_TRUE(main.saveBtn.Enabled());
}

TEST_F(RecordFormTest, TypingGoesIntoTheRowAtOnceAndIsSavedOnClosing) {
    writeRoll({{.last = "Ames", .first = "Ann"}, {.last = "Bell"}});
    mainWindow& main = open();
    main.memberList.SetListIndex(0);

    QLineEdit* first = main.firstName.lineEdit();
    first->setFocus();
    first->end(false);
    QTest::keyClicks(first, "ette");
    EXPECT_EQ(main.memberList.Cell(0, 1), "Annette");
    QTest::keyClicks(main.streetAddress.lineEdit(), "1 Main St");
    EXPECT_EQ(main.memberList.Cell(0, 6), "1 Main St");
    EXPECT_EQ(main.memberList.Cell(1, 1), "");
    EXPECT_EQ(data.read("rkMemberList").find("Annette"), std::string::npos);

    main.Close();
    const std::string saved = data.read("rkMemberList");
    EXPECT_EQ(saved.rfind("Ames@@@Annette@@@", 0), 0u);
    EXPECT_NE(saved.find("@@@1 Main St@@@"), std::string::npos);
}

TEST_F(RecordFormTest, ClickingARowInTheListFillsTheForm) {
    writeRoll({{.last = "Ames"}, {.last = "Bell", .first = "Bo"}});
    mainWindow& main = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.frame()));
    QCoreApplication::processEvents();

    QTableView* view = main.memberList.view();
    const QRect cell = view->visualRect(view->model()->index(1, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(main.memberList.ListIndex(), 1);
    EXPECT_EQ(main.firstName.Text(), "Bo");
    EXPECT_TRUE(main.firstName.Enabled());
}

}  // namespace

// The record form: selecting a row fills it, every change of a control goes
// straight into the selected row, and closing saves what was typed.

#include "core/Column.h"
#include "tests/support/ProgramTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace {

class RecordFormTest : public ProgramTest {
protected:
    static std::vector<std::vector<std::string>> rows(const Listbox& list) {
        std::vector<std::vector<std::string>> all;
        for (int index = 0; index < list.ListCount(); ++index)
            all.push_back(row(list, index));
        return all;
    }

    // The rows as the file gives them back to a window made again.
    std::vector<std::vector<std::string>> reopened() {
        closeAllWindows();
        return rows(mainWindow::instance().memberList);
    }

    static void click(Control& box) {
        QTest::mouseClick(box.widget(), Qt::LeftButton, {}, box.widget()->rect().center());
    }
};

// Each control writes itself back into the row as it is filled, so whatever
// it can't show exactly (a type it has no item for, odd blanks or bytes)
// would change the member just by being looked at.
TEST_F(RecordFormTest, SelectingRowsFillsTheFormAndLeavesEveryCellAsItWas) {
    data.write("rkMemberList",
               memberLine({"Ames", "Ann", "71", "a@example.org", "555-1", "555-2", "1 Main St",
                           "Halifax", "B3H", "NS", "2020-02-01", "Family", "Acme", "Paid",
                           "2027-03-01", "2026", "first###second", "Active"}) +
                   memberLine({"  Ödön  ", "", "", "", "tab\there", "", "", "", "", "", "",
                               "Individual", "", "Due", "", "", "a######b###", "Inactive"}) +
                   memberLine({"bad\xff bytes", "é", "", "", "", "", "", "", "", "", "", "Honorary",
                               "x", "Paid", "2030-01-01", "", "####", "Inactive"}));
    mainWindow& main = mainWindow::instance();
    const auto before = rows(main.memberList);

    main.memberList.SetListIndex(0);
    const std::vector<std::string> shown = {
        "Ames",    "Ann", "71", "a@example.org", "555-1", "555-2",     "1 Main St",
        "Halifax", "B3H", "NS", "2020-02-01",    "Acme",  "2027-03-01"};
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(formFields(main)[i]->Text(), shown[i]) << formFields(main)[i]->Name();
        EXPECT_TRUE(formFields(main)[i]->Enabled()) << formFields(main)[i]->Name();
    }
    EXPECT_EQ(main.ComboBox1.Text(), "Family");
    EXPECT_EQ(main.notesFld.Text(), "first\nsecond");
    EXPECT_TRUE(main.CheckBox1.Value());
    EXPECT_TRUE(main.emailBtn.Enabled());

    for (int index : {1, 2, 0, 2, 1})
        main.memberList.SetListIndex(index);
    EXPECT_FALSE(main.emailBtn.Enabled()) << "no address to write to";
    EXPECT_EQ(rows(main.memberList), before);
    main.Close();
    EXPECT_EQ(reopened(), before);
}

// Edits go into the selected row at once and into the file on closing; the
// user can't edit a filtered member, which the file would never get, nor one
// that isn't there, while the status box stays usable and writes only to a row.
TEST_F(RecordFormTest, EditsGoIntoTheSelectedRowOnlyWhileTheWholeRollIsShown) {
    writeRoll({{.last = "Ames", .first = "Ann", .email = "a@example.org"}, {.last = "Bell"}});
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);

    QLineEdit* first = main.firstName.lineEdit();
    first->end(false);
    QTest::keyClicks(first, "ette");
    QTest::keyClicks(main.streetAddress.lineEdit(), "1 Main St");
    auto* box = static_cast<QComboBox*>(main.ComboBox1.widget());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Life");
    // Notes keep their line ends, plain or soft, as "###".
    QTextEdit* notes = main.notesFld.textEdit();
    QTest::keyClicks(notes, "a");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "b");
    QTest::keyClick(notes, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(notes, "c");
    click(main.CheckBox1);

    const std::vector<std::string> edited = {
        "Ames",       "Annette", "",          "a@example.org", "",     "", "1 Main St",
        "",           "",        "",          "2020-01-01",    "Life", "", "Paid",
        "2027-03-01", "2026",    "a###b###c", "Inactive"};
    EXPECT_EQ(row(main.memberList, 0), edited);
    EXPECT_EQ(main.memberList.Cell(1, +Column::FirstName), "");
    EXPECT_EQ(data.read("rkMemberList").find("Annette"), std::string::npos);
    main.Close();
    EXPECT_EQ(reopened()[0], edited);

    for (const bool filtered : {true, false}) {
        SCOPED_TRACE(filtered ? "filtered" : "no row");
        closeAllWindows();
        mainWindow& shown = mainWindow::instance();
        Globals::gSearchOn = filtered;
        shown.memberList.SetListIndex(0);
        if (!filtered)
            shown.memberList.SetListIndex(-1);
        auto expected = rows(shown.memberList);

        EXPECT_EQ(shown.LastName.Text(), filtered ? "Ames" : "");
        const std::vector<TextField*> fields = formFields(shown);
        std::vector<Control*> off(fields.begin(), fields.end());
        off.insert(off.end(), {&shown.notesFld, &shown.ComboBox1, &shown.saveBtn});
        for (Control* control : off)
            EXPECT_FALSE(control->Enabled()) << control->Name();
        EXPECT_EQ(shown.emailBtn.Enabled(), filtered);

        click(shown.CheckBox1);
        if (filtered)
            expected[0][+Column::Status] = "Active";
        EXPECT_EQ(rows(shown.memberList), expected);
    }
}

// A cell longer than its field can hold shows its start, read-only, and the
// row keeps every character of it: through selecting, typing into that field
// or another one and selecting again, and into the file.
TEST_F(RecordFormTest, ACellLongerThanItsFieldHoldsIsKeptWhole) {
    const std::string street = std::string(40'000, 's') + "end";
    std::string notes;
    for (int line = 0; line < 30'000; ++line)
        notes += "line " + std::to_string(line) + "###";
    data.write("rkMemberList",
               memberLine({"Ames", "Ann", "", "", "", "", street, "", "", "", "2020-01-01",
                           "Individual", "", "Paid", "2027-03-01", "2026", notes, "Active"}) +
                   line({.last = "Bell"}));
    mainWindow& main = mainWindow::instance();
    auto expected = rows(main.memberList);
    ASSERT_EQ(expected[0][+Column::Street], street);

    main.memberList.SetListIndex(0);
    QTest::keyClicks(main.streetAddress.lineEdit(), "typed");
    QTest::keyClicks(main.notesFld.textEdit(), "typed");
    main.firstName.lineEdit()->end(false);
    QTest::keyClicks(main.firstName.lineEdit(), "e");
    expected[0][+Column::FirstName] = "Anne";
    for (int index : {1, 0})
        main.memberList.SetListIndex(index);
    EXPECT_EQ(main.streetAddress.Text(), street);
    EXPECT_TRUE(rows(main.memberList) == expected);
    main.Close();
    EXPECT_TRUE(reopened() == expected);
}

}  // namespace

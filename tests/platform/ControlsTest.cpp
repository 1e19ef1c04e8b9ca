#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/PopupMenu.h"
#include "platform/PushButton.h"
#include "platform/SpellHighlighter.h"
#include "platform/TextArea.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

// Not UTF-8: a Latin-1 "é" as some old exports hold it.
const std::string latin1Cafe = "caf\xe9";
// Different bytes that the toolkit shows the same way.
const std::string latin1Cafe2 = "caf\xea";

// Each text is read while the handler runs: the change is told before SetText
// returns, and only when the text really changed, bytes the toolkit cannot
// show included.
TEST(TextControls, KeepTheBytesSetAndTellOnlyRealChanges) {
    TextField field("field");
    std::vector<std::string> seen;
    field.TextChange = [&] { seen.push_back(field.Text()); };
    field.lineEdit()->resize(120, 22);
    field.lineEdit()->show();
    for (const std::string& text : {std::string("Anna"), std::string("Anna"), latin1Cafe,
                                    latin1Cafe, latin1Cafe2, std::string()})
        field.SetText(text);
    EXPECT_EQ(seen, (std::vector<std::string>{"Anna", latin1Cafe, latin1Cafe2, ""}));
    // A long text filled in by the program shows its start.
    field.SetText("Acme Incorporated International Holdings Limited Partnership");
    EXPECT_EQ(field.lineEdit()->cursorPosition(), 0);

    TextArea area("area");
    int changes = 0;
    area.TextChange = [&] { ++changes; };
    for (const std::string& cafe : {latin1Cafe, latin1Cafe, latin1Cafe2})
        area.SetText("Dear " + cafe + ",\r\nthanks");
    EXPECT_EQ(area.Text(), "Dear " + latin1Cafe2 + ",\r\nthanks");
    EXPECT_EQ(changes, 2);
    QTextCursor cursor(area.textEdit()->document());
    cursor.movePosition(QTextCursor::End);
    area.textEdit()->setTextCursor(cursor);
    QTest::keyClicks(area.textEdit(), "!");
    EXPECT_EQ(changes, 3);
    // Edited: now the text is what the area shows.
    EXPECT_EQ(area.Text(), "Dear caf\xef\xbf\xbd,\nthanks!");
}

TEST(TextFieldTest, TypedAndPastedTextIsUtf8OnOneLineAndReturnIsACarriageReturn) {
    TextField field("field");
    std::vector<std::string> seen, keys;
    field.TextChange = [&] { seen.push_back(field.Text()); };
    field.KeyUp = [&](std::string_view key) { keys.emplace_back(key); };
    field.lineEdit()->show();
    field.lineEdit()->setFocus();

    QGuiApplication::clipboard()->setText("Suite 4\r\nBuilding B\nRear");
    field.lineEdit()->paste();
    EXPECT_EQ(field.lineEdit()->text(), "Suite 4 Building B Rear");
    EXPECT_EQ(seen, (std::vector<std::string>{"Suite 4 Building B Rear"}));
    // Typing goes on where the paste ended; QTest spells out only ASCII keys.
    QTest::keyClick(field.lineEdit(), Qt::Key_Z);
    QTest::sendKeyEvent(QTest::Click, field.lineEdit(), Qt::Key_Ediaeresis, QStringLiteral("ë"),
                        Qt::NoModifier);
    QTest::keyClick(field.lineEdit(), Qt::Key_Return);
    QTest::keyClick(field.lineEdit(), Qt::Key_Enter);
    EXPECT_EQ(field.Text(), "Suite 4 Building B Rearz\xc3\xab");
    EXPECT_EQ(keys, (std::vector<std::string>{"z", "\xc3\xab", "\r", "\r"}));
}

// The spans of the area's first paragraph underlined as misspelled.
std::vector<QString> misspelledWords(const TextArea& area) {
    std::vector<QString> words;
    const QTextBlock block = area.textEdit()->document()->firstBlock();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            words.push_back(block.text().mid(range.start, range.length));
    return words;
}

TEST(TextAreaTest, SpellCheckingUnderlinesMisspelledWordsOnly) {
    if (!SpellHighlighter::HasDictionary())
        GTEST_SKIP() << "no English Hunspell dictionary installed";
    TextArea area("area");
    int changes = 0;
    area.TextChange = [&] { ++changes; };
    area.SetText("We recieve the members' dues, don't we? 12 letters");
    area.SetSpellChecking(true);

    EXPECT_EQ(misspelledWords(area), (std::vector<QString>{"recieve"}));
    // Marking words, now or on the loop's next turn, is not a change of the text.
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 1);

    area.SetText("Mispeled again");
    EXPECT_EQ(misspelledWords(area), (std::vector<QString>{"Mispeled"}));

    area.SetSpellChecking(false);
    EXPECT_TRUE(misspelledWords(area).empty());
}

TEST(LabelTest, CarriageReturnBreaksTheLineAndNothingIsReadAsMarkup) {
    Label label("label", "Members:\r12");
    auto* shown = static_cast<QLabel*>(label.widget());
    EXPECT_EQ(shown->text(), "Members:\n12");
    EXPECT_EQ(label.Text(), "Members:\r12");
    label.SetText("<b>5</b>");
    EXPECT_EQ(shown->text(), "<b>5</b>");
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);
}

// What the label shows, pixel for pixel.
QImage looks(Label& label, QSize box) {
    label.widget()->resize(box);
    return label.widget()->grab().toImage();
}

// The font installed may be wider or taller than the one a window was drawn
// for: a text too big for its box is drawn at the largest smaller size that
// shows it whole, exactly as a label of that size would draw it. Boxes are
// made from the text's own measures at its size.
TEST(LabelTest, TextTooBigForItsBoxShrinksJustEnoughToShowWhole) {
    struct Case {
        const char* text;
        int size;
        double widthShare;  // of the text's width at its size
        int heightLess;     // than the font's height at its size
    };
    const Case cases[] = {
        {"Add New Member - click 'SAVE NEW MEMBER' after entering member information", 20, 0.6, 0},
        // Letters reaching below the line keep their foot in the box.
        {"Rollkeep", 32, 1.5, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Label label("label", c.text);
        const auto fontOfSize = [&](int size) {
            QFont font = label.widget()->font();
            font.setPixelSize(size);
            return font;
        };
        const QFontMetrics atSize(fontOfSize(c.size));
        const QSize box(int(atSize.horizontalAdvance(c.text) * c.widthShare),
                        atSize.height() - c.heightLess);
        label.SetTextSize(c.size);
        const QImage shrunk = looks(label, box);

        // The size it is drawn at: the smallest at which it looks the same,
        // as larger sizes that don't fit shrink to it too.
        int drawn = c.size;
        for (int size = c.size - 1; size > 0; --size) {
            label.SetTextSize(size);
            if (looks(label, box) != shrunk)
                break;
            drawn = size;
        }
        EXPECT_LT(drawn, c.size);
        const auto fitsAt = [&](int size) {
            const QFontMetrics metrics(fontOfSize(size));
            return metrics.horizontalAdvance(c.text) <= box.width() &&
                   metrics.ascent() + metrics.boundingRect(c.text).bottom() < box.height();
        };
        EXPECT_TRUE(fitsAt(drawn));
        EXPECT_FALSE(fitsAt(drawn + 1)) << "shrunk no more than needed";
    }

    // A caption that ends in a line break needs no room for the empty line.
    Label due("due", "Membership Due Date\r");
    Label plain("plain", "Membership Due Date");
    const QFontMetrics metrics(due.widget()->font());
    const QSize oneLine(metrics.horizontalAdvance("Membership Due Date") + 4, metrics.height());
    EXPECT_EQ(looks(due, oneLine), looks(plain, oneLine));
}

// Changes made by the program are told like a person's, once per real change;
// a disabled button does nothing.
TEST(ChoiceControlsTest, ActionsComeWithRealChangesOnly) {
    PushButton button("button", "Save");
    CheckBox box("box", "Paid");
    ComboBox combo("combo");
    PopupMenu menu("menu");
    std::vector<std::string> seen;
    button.Action = [&] { seen.push_back("pushed"); };
    box.Action = [&] { seen.push_back(box.Value() ? "checked" : "unchecked"); };
    combo.TextChanged = [&] { seen.push_back("combo " + combo.Text()); };
    menu.Change = [&] { seen.push_back("menu " + menu.Text()); };
    for (const char* row : {"Honorary", "Regular"}) {
        combo.AddRow(row);
        menu.AddRow(row);
    }
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(menu.ListIndex(), -1);

    button.Push();
    button.SetEnabled(false);
    button.Push();
    box.SetValue(true);
    box.SetValue(true);
    box.widget()->resize(100, 20);
    QTest::mouseClick(box.widget(), Qt::LeftButton, {}, QPoint(8, 10));
    for (int index : {1, 1, -1}) {
        combo.SetListIndex(index);
        menu.SetListIndex(index);
    }
    // Typing into the combo box makes no new item.
    QTest::keyClicks(combo.widget(), "Li");
    QTest::keyClick(combo.widget(), Qt::Key_Return);

    EXPECT_EQ(seen,
              (std::vector<std::string>{"pushed", "checked", "unchecked", "combo Regular",
                                        "menu Regular", "combo ", "menu ", "combo L", "combo Li"}));
    EXPECT_EQ(combo.ListCount(), 2);
}

}  // namespace

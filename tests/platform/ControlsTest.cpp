#include "platform/Canvas.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/Picture.h"
#include "platform/PopupMenu.h"
#include "platform/PushButton.h"
#include "platform/SpellHighlighter.h"
#include "platform/TextArea.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

// Not UTF-8: a Latin-1 "é" as some old exports hold it.
const std::string latin1Cafe = "caf\xe9";
// Different bytes that the toolkit shows the same way.
const std::string latin1Cafe2 = "caf\xea";

// The texts the handler found, in order, each read while the handler ran.
struct ChangeLog {
    std::vector<std::string> seen;
    int count() const { return static_cast<int>(seen.size()); }
};

TEST(TextFieldTest, SetTextRaisesOnlyRealChangesBeforeReturning) {
    TextField field("field");
    ChangeLog log;
    field.TextChange = [&] { log.seen.push_back(field.Text()); };

    field.SetText("Anna");
    ASSERT_EQ(log.count(), 1);
    EXPECT_EQ(log.seen[0], "Anna");

    field.SetText("Anna");
    EXPECT_EQ(log.count(), 1);

    field.SetText("");
    EXPECT_EQ(log.seen, (std::vector<std::string>{"Anna", ""}));
}

TEST(TextFieldTest, BytesThatAreNotUtf8SurviveARoundTrip) {
    TextField field("field");
    int changes = 0;
    field.TextChange = [&] { ++changes; };

    field.SetText(latin1Cafe);
    EXPECT_EQ(field.Text(), latin1Cafe);
    EXPECT_EQ(changes, 1);

    field.SetText(field.Text());
    EXPECT_EQ(changes, 1);

    // The field shows the same, but the text did change.
    field.SetText(latin1Cafe2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(field.Text(), latin1Cafe2);
}

TEST(TextFieldTest, TypingRaisesTextChangeAndGivesUtf8) {
    TextField field("field");
    field.SetText(latin1Cafe);
    ChangeLog log;
    field.TextChange = [&] { log.seen.push_back(field.Text()); };

    field.lineEdit()->selectAll();
    QTest::keyClicks(field.lineEdit(), "Zo");
    // QTest spells out only ASCII keys.
    QTest::sendKeyEvent(QTest::Click, field.lineEdit(), Qt::Key_Ediaeresis, QStringLiteral("ë"),
                        Qt::NoModifier);

    EXPECT_EQ(log.seen, (std::vector<std::string>{"Z", "Zo", "Zo\xc3\xab"}));
    EXPECT_EQ(field.Text(), "Zo\xc3\xab");
}

TEST(TextFieldTest, KeyUpGivesTheKeysTextAndReturnAsCarriageReturn) {
    TextField field("field");
    std::vector<std::string> keys;
    field.KeyUp = [&](std::string_view key) { keys.emplace_back(key); };

    QTest::keyClick(field.lineEdit(), Qt::Key_A);
    QTest::keyClick(field.lineEdit(), Qt::Key_Return);
    QTest::keyClick(field.lineEdit(), Qt::Key_Enter);

    EXPECT_EQ(keys, (std::vector<std::string>{"a", "\r", "\r"}));
}

TEST(TextFieldTest, PastedLineEndsBecomeBlanksInTheFieldAndItsText) {
    TextField field("field");
    ChangeLog log;
    field.TextChange = [&] { log.seen.push_back(field.Text()); };
    field.lineEdit()->show();
    field.lineEdit()->setFocus();

    QGuiApplication::clipboard()->setText("Suite 4\r\nBuilding B\nRear");
    field.lineEdit()->paste();
    EXPECT_EQ(field.lineEdit()->text(), "Suite 4 Building B Rear");
    EXPECT_EQ(log.seen, (std::vector<std::string>{"Suite 4 Building B Rear"}));
    // Typing goes on where the paste ended.
    QTest::keyClicks(field.lineEdit(), " door");
    EXPECT_EQ(field.Text(), "Suite 4 Building B Rear door");
}

TEST(TextFieldTest, AFieldFilledByTheProgramShowsTheStartOfItsText) {
    TextField field("field");
    field.lineEdit()->resize(120, 22);
    field.lineEdit()->show();
    field.SetText("Acme Incorporated International Holdings Limited Partnership");
    EXPECT_EQ(field.lineEdit()->cursorPosition(), 0);
}

TEST(TextAreaTest, SetTextRaisesOnlyRealChangesBeforeReturning) {
    TextArea area("area");
    ChangeLog log;
    area.TextChange = [&] { log.seen.push_back(area.Text()); };

    area.SetText("one\ntwo");
    area.SetText("one\ntwo");
    area.SetText(latin1Cafe);
    area.SetText(latin1Cafe2);

    EXPECT_EQ(log.seen, (std::vector<std::string>{"one\ntwo", latin1Cafe, latin1Cafe2}));
}

TEST(TextAreaTest, KeepsLineEndsAndBytesAsSetUntilEdited) {
    TextArea area("area");
    area.SetText("Dear " + latin1Cafe + ",\r\nthanks");
    EXPECT_EQ(area.Text(), "Dear " + latin1Cafe + ",\r\nthanks");

    int changes = 0;
    area.TextChange = [&] { ++changes; };
    QTextCursor cursor(area.textEdit()->document());
    cursor.movePosition(QTextCursor::End);
    area.textEdit()->setTextCursor(cursor);
    QTest::keyClicks(area.textEdit(), "!");

    EXPECT_EQ(changes, 1);
    // Edited: now the text is what the area shows.
    EXPECT_EQ(area.Text(), "Dear caf\xef\xbf\xbd,\nthanks!");
}

TEST(TextAreaTest, StyledTextReadsAsPlainLines) {
    TextArea area("area");
    int changes = 0;
    area.TextChange = [&] { ++changes; };

    area.textEdit()->textCursor().insertHtml("<p><b>Annual</b> dues</p><p>are <i>due</i></p>");

    EXPECT_EQ(area.Text(), "Annual dues\nare due");
    EXPECT_GE(changes, 1);
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

TEST(LabelTest, CarriageReturnBreaksTheLineAndTextStaysAsSet) {
    Label label("label", "Members:\r12");
    auto* shown = static_cast<QLabel*>(label.widget());
    EXPECT_EQ(shown->text(), "Members:\n12");
    EXPECT_EQ(label.Text(), "Members:\r12");

    // Never read as markup.
    label.SetText("<b>5</b>");
    EXPECT_EQ(shown->text(), "<b>5</b>");
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);

    label.SetAlignment(Align::Right);
    label.SetMultiline(true);
    EXPECT_TRUE(shown->wordWrap());
    EXPECT_TRUE(shown->alignment().testFlag(Qt::AlignRight));
}

// The font installed may be wider or taller than the one the layout was
// drawn for: the text then shrinks just enough to show whole.
TEST(LabelTest, TextTooBigForItsBoxShrinksUntilItFits) {
    Label caption("caption", "Member Information");
    caption.SetTextSize(20);
    caption.widget()->resize(724, 34);
    EXPECT_EQ(caption.ShownTextSize(), 20);

    const QString prompt =
        "Add New Member - click 'SAVE NEW MEMBER' after entering member information";
    caption.SetText(prompt.toStdString());
    const double shrunk = caption.ShownTextSize();
    EXPECT_LT(shrunk, 20);
    QFont font = caption.widget()->font();
    font.setPixelSize(int(shrunk));
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(prompt), 724);
    font.setPixelSize(int(shrunk) + 1);
    EXPECT_GT(QFontMetrics(font).horizontalAdvance(prompt), 724) << "shrunk no more than needed";
    // The label's own size stays as set, for the next text.
    EXPECT_EQ(QFontInfo(caption.widget()->font()).pixelSize(), 20);

    // Letters reaching below the line keep their foot in a box just high
    // enough for the size.
    Label name("name", "Rollkeep");
    name.SetTextSize(32);
    name.widget()->resize(264, 34);
    font = name.widget()->font();
    font.setPixelSize(int(name.ShownTextSize()));
    const QFontMetrics metrics(font);
    EXPECT_LE(metrics.ascent() + metrics.boundingRect("p").bottom(), 34);

    // A caption that ends in a line break needs no room for the empty line.
    Label due("due", "Membership Due Date\r");
    due.widget()->resize(146, 20);
    EXPECT_EQ(due.ShownTextSize(), QFontInfo(due.widget()->font()).pixelSize());
}

TEST(PushButtonTest, PushActsAsAClickUnlessDisabled) {
    PushButton button("button", "Save");
    int actions = 0;
    button.Action = [&] { ++actions; };

    button.Push();
    QTest::mouseClick(button.widget(), Qt::LeftButton);
    EXPECT_EQ(actions, 2);

    button.SetEnabled(false);
    button.Push();
    EXPECT_EQ(actions, 2);
}

TEST(CheckBoxTest, ActionComesWithEveryRealChange) {
    CheckBox box("box", "Paid");
    std::vector<bool> seen;
    box.Action = [&] { seen.push_back(box.Value()); };

    box.SetValue(true);
    box.SetValue(true);
    QTest::mouseClick(box.widget(), Qt::LeftButton);
    box.SetValue(false);

    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_FALSE(box.Value());
}

TEST(ComboBoxTest, AddingRowsChoosesNothingAndKeepsTypedText) {
    ComboBox combo("combo");
    int changes = 0;
    combo.TextChanged = [&] { ++changes; };

    combo.AddRow("Honorary");
    combo.AddRow("Regular");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.List(1), "Regular");
    EXPECT_EQ(combo.List(2), "");
    EXPECT_EQ(changes, 0);
}

TEST(ComboBoxTest, TextChangedComesWithChoosingAndTyping) {
    ComboBox combo("combo");
    combo.AddRow("Honorary");
    combo.AddRow("Regular");
    std::vector<std::string> seen;
    combo.TextChanged = [&] { seen.push_back(combo.Text()); };

    combo.SetListIndex(1);
    combo.SetListIndex(1);
    combo.SetListIndex(-1);
    QTest::keyClicks(combo.widget(), "Li");
    // Typing makes no new item.
    QTest::keyClick(combo.widget(), Qt::Key_Return);

    EXPECT_EQ(seen, (std::vector<std::string>{"Regular", "", "L", "Li"}));
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.Text(), "Li");
}

TEST(PopupMenuTest, ChangeComesWithEveryNewChoice) {
    PopupMenu menu("menu");
    int changes = 0;
    menu.Change = [&] { ++changes; };
    menu.AddRow("January");
    menu.AddRow("February");
    EXPECT_EQ(menu.ListIndex(), -1);
    EXPECT_EQ(changes, 0);

    menu.SetListIndex(1);
    menu.SetListIndex(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(menu.Text(), "February");

    menu.SetListIndex(-1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(menu.Text(), "");
}

TEST(PictureTest, LoadsFromTheResourcesFolderOrGivesNothing) {
    const Picture tally = LoadResourcePicture("tally");
    EXPECT_FALSE(tally.IsNull());
    EXPECT_GT(tally.Width(), 0);
    EXPECT_TRUE(LoadResourcePicture("no such picture").IsNull());
}

TEST(CanvasTest, BackdropIsScaledToFitAndCentredOnAClearGround) {
    QPixmap red(20, 20);
    red.fill(Qt::red);
    Canvas canvas("canvas");
    canvas.SetBackdrop(Picture(red));
    canvas.widget()->resize(100, 50);

    QImage drawn(100, 50, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    canvas.widget()->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);

    // A 50 by 50 square in the middle: from x = 25 to 75.
    EXPECT_EQ(drawn.pixelColor(50, 25), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(27, 2), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(10, 25).alpha(), 0);
    EXPECT_EQ(drawn.pixelColor(90, 25).alpha(), 0);
}

}  // namespace

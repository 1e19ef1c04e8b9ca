#include "platform/TextArea.h"

#include "platform/QtText.h"
#include "platform/SpellHighlighter.h"

#include <QSignalBlocker>
#include <QTextEdit>

namespace {

// The longest text an area lays out: a character takes it about half a
// microsecond, so this much is shown in a twentieth of a second. A longer
// text (a note of some hundred megabytes) shows this much of its start.
constexpr qsizetype kMostCharactersShown = 100'000;

}  // namespace

TextArea::TextArea(std::string name) : Control(std::move(name), new QTextEdit) {
    QTextEdit* edit = textEdit();
    // Pasted styled text keeps its look; Text() still gives only the words.
    edit->setAcceptRichText(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab moves on to the next control rather than typing a tab into the text.
    edit->setTabChangesFocus(true);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Code's own changes are raised by SetText, so only the user's reach here.
    QObject::connect(edit, &QTextEdit::textChanged, context(), [this] {
        // Also raised when the spelling marks are redrawn, which changes no text.
        std::string shown = textEdit()->toPlainText().toStdString();
        if (shown == shown_)
            return;
        bytes_ = shown_ = std::move(shown);
        raiseTextChange();
    });
}

QTextEdit* TextArea::textEdit() const {
    return static_cast<QTextEdit*>(widget());
}

std::string TextArea::Text() const {
    return bytes_;
}

void TextArea::SetText(std::string_view text) {
    if (text == bytes_)
        return;
    bytes_.assign(text);
    {
        // Kept byte for byte: bytes that are not UTF-8, and line ends the
        // document keeps its own way, can't be shown as they are, but they
        // stay the text until the user edits it. A text longer than the area
        // lays out shows its start, and the area takes no typing then: an
        // edit would keep only what it shows.
        const QSignalBlocker quiet(textEdit());
        bool whole = true;
        textEdit()->setPlainText(toQStringPrefix(text, kMostCharactersShown, &whole));
        cut_ = !whole;
        applyReadOnly();
    }
    shown_ = textEdit()->toPlainText().toStdString();
    raiseTextChange();
}

void TextArea::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    applyReadOnly();
}

void TextArea::applyReadOnly() {
    textEdit()->setReadOnly(readOnly_ || cut_);
}

void TextArea::SetSpellChecking(bool on) {
    QTextDocument* document = textEdit()->document();
    auto* highlighter = document->findChild<SpellHighlighter*>();
    if (on && !highlighter)
        (new SpellHighlighter(document))->rehighlight();
    else if (!on)
        delete highlighter;
}

void TextArea::raiseTextChange() {
    if (TextChange)
        TextChange();
}

#include "platform/TextArea.h"

#include "platform/QtText.h"
#include "platform/SpellHighlighter.h"

#include <QSignalBlocker>
#include <QTextEdit>

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
        // stay the text until the user edits it.
        const QSignalBlocker quiet(textEdit());
        textEdit()->setPlainText(toQString(text));
    }
    shown_ = textEdit()->toPlainText().toStdString();
    raiseTextChange();
}

void TextArea::SetReadOnly(bool readOnly) {
    textEdit()->setReadOnly(readOnly);
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

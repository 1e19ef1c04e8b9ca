#include "platform/TextField.h"

#include "platform/QtAlign.h"
#include "platform/QtText.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>

namespace {

// Reports each key released in the field.
class KeyReleaseFilter : public QObject {
public:
    KeyReleaseFilter(QObject* parent, std::function<void(std::string_view)> report)
        : QObject(parent), report_(std::move(report)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) {
                const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
                report_(isReturn ? std::string("\r") : key->text().toStdString());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(std::string_view)> report_;
};

// A single-line field holds no line ends: each one pasted in becomes a blank
// there and then, so that what the field shows is what it holds. Only
// line ends are touched, and the field only when it had any.
QString singleLine(const QString& typed) {
    static const QRegularExpression lineEnds(QStringLiteral(R"(\r\n|[\r\n\x{2028}\x{2029}])"));
    if (!typed.contains(lineEnds))
        return typed;
    QString blanked = typed;
    blanked.replace(lineEnds, QStringLiteral(" "));
    return blanked;
}

}  // namespace

TextField::TextField(std::string name) : Control(std::move(name), new QLineEdit) {
    // Code's own changes are raised by SetText, so only the user's reach here.
    QObject::connect(lineEdit(), &QLineEdit::textChanged, context(), [this](const QString& text) {
        const QString shown = singleLine(text);
        if (shown != text) {
            // The line ends came in just before the cursor, with a paste.
            QLineEdit* field = lineEdit();
            const int cursor = field->cursorPosition() - int(text.size() - shown.size());
            const QSignalBlocker quiet(field);
            field->setText(shown);
            field->setCursorPosition(std::max(cursor, 0));
        }
        bytes_ = shown.toStdString();
        raiseTextChange();
    });
    lineEdit()->installEventFilter(new KeyReleaseFilter(context(), [this](std::string_view key) {
        if (KeyUp)
            KeyUp(key);
    }));
}

QLineEdit* TextField::lineEdit() const {
    return static_cast<QLineEdit*>(widget());
}

std::string TextField::Text() const {
    return bytes_;
}

void TextField::SetText(std::string_view text) {
    if (text == bytes_)
        return;
    bytes_.assign(text);
    {
        // Kept byte for byte: bytes that are not UTF-8 can't be shown as
        // they are, but they stay the text until the user edits it.
        const QSignalBlocker quiet(lineEdit());
        // A text longer than the field holds shows its start, and the field
        // takes no typing then: an edit would keep only what it shows.
        bool whole = true;
        lineEdit()->setText(toQStringPrefix(text, lineEdit()->maxLength(), &whole));
        cut_ = !whole;
        applyReadOnly();
        // A field the program fills shows the start of its text.
        lineEdit()->home(false);
    }
    raiseTextChange();
}

void TextField::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    applyReadOnly();
}

void TextField::applyReadOnly() {
    lineEdit()->setReadOnly(readOnly_ || cut_);
}

void TextField::SetAlignment(Align alignment) {
    lineEdit()->setAlignment(toQtAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::raiseTextChange() {
    if (TextChange)
        TextChange();
}

#include "platform/TextField.h"

#include "platform/QtAlign.h"
#include "platform/QtText.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

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
                report_(isReturn ? std::string("\r") : toStdString(key->text()));
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(std::string_view)> report_;
};

}  // namespace

TextField::TextField(std::string name) : Control(std::move(name), new QLineEdit) {
    // Code's own changes are raised by SetText, so only the user's reach here.
    QObject::connect(lineEdit(), &QLineEdit::textChanged, context(), [this](const QString& text) {
        bytes_ = toStdString(text);
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
        lineEdit()->setText(toQString(text));
    }
    raiseTextChange();
}

void TextField::SetReadOnly(bool readOnly) {
    lineEdit()->setReadOnly(readOnly);
}

void TextField::SetAlignment(Align alignment) {
    lineEdit()->setAlignment(toQtAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::raiseTextChange() {
    if (TextChange)
        TextChange();
}

#include "platform/PushButton.h"

#include "platform/QtText.h"

#include <QPushButton>
#include <QShortcut>

namespace {

QPushButton* button(QWidget* widget) {
    return static_cast<QPushButton*>(widget);
}

const QString defaultKeysName = QStringLiteral("defaultKeys");
const QString cancelKeyName = QStringLiteral("cancelKey");

// Windows here are main windows, not dialogs, so Return and Escape get their
// own shortcuts. Parented to the button, a shortcut works in whichever window
// the button is placed and goes with it.
void setKeys(QPushButton* pushButton, const QString& name, const QList<QKeySequence>& keys,
             bool on) {
    const auto existing = pushButton->findChildren<QShortcut*>(name, Qt::FindDirectChildrenOnly);
    if (!on) {
        qDeleteAll(existing);
        return;
    }
    if (!existing.isEmpty())
        return;
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, pushButton);
        shortcut->setObjectName(name);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, pushButton, [pushButton] {
            if (pushButton->isVisible())
                pushButton->click();
        });
    }
}

}  // namespace

PushButton::PushButton(std::string name, std::string_view caption)
    : Control(std::move(name), new QPushButton(toQString(caption))) {
    button(widget())->setAutoDefault(false);
    QObject::connect(button(widget()), &QPushButton::clicked, context(), [this] {
        if (Action)
            Action();
    });
}

std::string PushButton::Caption() const {
    return button(widget())->text().toStdString();
}

void PushButton::SetDefault(bool isDefault) {
    // The default look tells the user which button Return presses.
    button(widget())->setDefault(isDefault);
    setKeys(button(widget()), defaultKeysName,
            {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, isDefault);
}

void PushButton::SetCancel(bool isCancel) {
    setKeys(button(widget()), cancelKeyName, {QKeySequence(Qt::Key_Escape)}, isCancel);
}

void PushButton::Push() {
    button(widget())->click();
}
